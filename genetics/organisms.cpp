#include "genetics/organisms.h"

#include "layer/number_text.h"

namespace crossmere {

Vocabulary LoadVocabulary(const StringLists& strings, std::int32_t kind) {
  Vocabulary vocabulary;
  vocabulary.kind = kind;
  for (std::int32_t c = 2; c <= CharacterCount(kind); ++c) {
    CharacterTexts& texts = vocabulary.characters[c];
    texts.symbol = strings.ListString(360 + kind, c - 1);
    texts.name = strings.ListString(420 + 10 * kind, c - 1);
    texts.namingCode = ParseWholeNumber(strings.ListString(420 + 10 * kind, 10 + c - 1)).value_or(1);
    for (std::int32_t value = 1; value <= 3; ++value) {
      texts.phenotypes[value - 1] = strings.ListString(420 + value + 10 * kind, c - 1);
    }
  }
  return vocabulary;
}

std::string PaddedCharacterName(std::string_view name) {
  std::string padded = std::string(name) + ":";
  if (padded.size() < 15) padded.append(15 - padded.size(), ' ');
  return padded;
}

std::string CentredText(std::string_view text, std::size_t width) {
  if (text.size() >= width) return std::string(text);
  const std::size_t spaces = width - text.size();
  const std::size_t front = spaces - spaces / 2;
  return std::string(front, ' ') + std::string(text) + std::string(spaces - front, ' ');
}

std::string CentredPhenotypeName(std::string_view name) { return CentredText(name, 12); }

}  // namespace crossmere
