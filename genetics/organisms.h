#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "layer/string_lists.h"

namespace crossmere {

// Organism kinds.
inline constexpr std::int32_t kDinosaurDog = 1;
inline constexpr std::int32_t kMonkbear = 2;
inline constexpr std::int32_t kFly = 3;
inline constexpr std::int32_t kPlant = 4;

// Characters of a kind, counting sex (character 1).
constexpr std::int32_t CharacterCount(std::int32_t kind) {
  return kind == kDinosaurDog ? 7 : kind == kMonkbear ? 9 : 8;
}

inline constexpr std::int32_t kMaxCharacter = 9;

struct CharacterTexts {
  std::string name;
  std::string symbol;           // one letter, the gene's symbol
  std::int32_t namingCode = 1;  // word order when naming containers
  std::array<std::string, 3> phenotypes;  // values 1, 2, 3
};

// The words of one kind: characters 2..N by number (entry 1, sex, stays empty).
struct Vocabulary {
  std::int32_t kind = kDinosaurDog;
  std::array<CharacterTexts, kMaxCharacter + 1> characters;
};

Vocabulary LoadVocabulary(const StringLists& strings, std::int32_t kind);

// "Ears" -> "Ears:" padded with spaces to 15 characters.
std::string PaddedCharacterName(std::string_view name);
// A text centred in `width` characters, the larger half of the spaces in
// front; a longer text is returned whole.
std::string CentredText(std::string_view text, std::size_t width);
// A phenotype name centred in 12 characters.
std::string CentredPhenotypeName(std::string_view name);

}  // namespace crossmere
