#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "genetics/exercise_options.h"
#include "layer/random_generator.h"
#include "layer/string_lists.h"
#include "records/class_options.h"

namespace crossmere {

inline constexpr std::size_t kMaxPasswordLength = 16;  // characters; more are ignored
inline constexpr std::int32_t kSlotCount = 10;

// Lists of the class set-up (entries 1..10 are the exercise slots).
namespace setup_list {
inline constexpr std::int32_t kCatalogueNumbers = 340;
inline constexpr std::int32_t kSlotTitles = 648;
inline constexpr std::int32_t kSlotFlags = 741;
inline constexpr std::int32_t kFirstParameters = 381;  // list 380 + slot
inline constexpr std::int32_t kSettings = 738;
inline constexpr std::int32_t kCheckNumberItem = 3;
inline constexpr std::int32_t kPasswordItem = 4;
inline constexpr std::int32_t kOptionsItem = 5;
}  // namespace setup_list

// A shuffle of the 256 character codes, built from the password being set so
// that its check value cannot be worked out from the program alone. Entries
// 1..256; entry 0 is unused.
struct PasswordTable {
  std::array<std::int32_t, 257> entries{};
};

// The check value of a password of Latin-1 codes (at most 16 are read). With
// `rebuildTable` the table is first shuffled afresh from these characters, as
// for a new password; otherwise the table of the last rebuild is used.
std::int32_t PasswordCheckValue(const std::vector<std::uint8_t>& codes, bool rebuildTable, PasswordTable& table,
                                RandomGenerator& random);

// The Latin-1 codes of a UTF-8 text, or nullopt when a character lies outside
// Latin-1 (or the text is not UTF-8).
std::optional<std::vector<std::uint8_t>> LatinOneCodes(std::string_view text);

// The number that proves the set-up lists were written by the set-up run:
// it follows from the password value, the options text and the slots' flags.
std::int32_t SetUpCheckNumber(const StringLists& strings);

// Whether the set-up lists are as the set-up run left them.
bool ClassSettingsIntact(const StringLists& strings);

// One nominated exercise of the class: a standard exercise by its number in
// the current set, with its title and its option flags (which a teacher may
// have changed).
struct ExerciseSlot {
  std::int32_t catalogue = 0;  // 1..20; 0 when the slot came without one
  std::string title;
  ExerciseOptions options;
  bool UsesLoci() const { return options.OneLocus() || options.TwoLoci() || options.ThreeLoci(); }
};

// Everything a set-up run decides: the class options and slots 1..10.
struct ClassSetUp {
  ClassOptions options;
  std::array<ExerciseSlot, kSlotCount + 1> exercises{};  // slots 1..10; element 0 unused
};

// A slot's 57 option flags as "0"/"1": character i is option item 50 + i.
std::string SlotFlagsText(const ExerciseOptions& options);
// nullopt for an empty slot (a text of fewer than 25 characters).
std::optional<ExerciseOptions> ParseSlotFlags(std::string_view text);

// The filled slots in order, as the lists hold them.
std::vector<ExerciseSlot> LoadClassSlots(const StringLists& strings);
ClassSetUp LoadClassSetUp(const StringLists& strings);

// The options a set-up starts from when everything is chosen afresh.
ClassOptions FreshClassOptions(bool wholeSet, bool elementary);

// Whether no password has been set yet (the shipped value stands).
bool NoPasswordSet(const StringLists& strings);

// Stores a set-up into the lists: the options, the used slots packed to the
// front (their parameter lists moving with them), the slots above emptied and
// the new check number. Returns the messages to show when nothing could be
// stored: no exercise in any slot, or no room for another override.
std::optional<std::vector<std::string>> StoreClassSetUp(StringLists& strings, const ClassSetUp& setUp);

// Stores a new password value with the check number that goes with it,
// keeping the exercises and options.
std::optional<std::vector<std::string>> StorePassword(StringLists& strings, std::int32_t passwordValue);

// Empties every slot entry and every parameter list, as a full set-up does
// before the teacher chooses again.
void ClearClassSlots(StringLists& strings);

}  // namespace crossmere
