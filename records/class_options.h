#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "layer/string_lists.h"

namespace crossmere {

// Which containers are filled or named automatically (one of three buttons).
enum class Automation { None, Default, All };

// The class's overall options: one byte per item 43..85 of the set-up dialog
// (byte i belongs to item 43 + i), and the two genotype symbols of items 91
// and 92. Items 55..60 carry no option; they stay 0.
struct ClassOptions {
  static constexpr int kFirstItem = 43;
  static constexpr int kLastItem = 85;
  static constexpr std::size_t kByteCount = kLastItem - kFirstItem + 1;

  std::array<std::uint8_t, kByteCount> bytes{};
  std::string dashSymbol = "-";  // item 91, one character
  std::string ySymbol = "Y";     // item 92, one character

  // Items outside 43..85 read as off and are not stored.
  bool Item(int item) const;
  void SetItem(int item, bool on);

  bool WholeSet() const { return Item(43); }  // "All" rather than "Selected"
  bool Elementary() const { return Item(45); }
  // kind 1 dog, 2 monkbear, 3 fly, 4 plant
  bool Unavailable(int kind) const { return kind >= 1 && kind <= 4 && Item(46 + kind); }
  bool NoOrganismChoice() const { return Item(51); }
  bool RandomInExercise() const { return Item(52); }
  bool SexInMonkbears() const { return Item(53); }
  bool CensorMaleDogs() const { return Item(54); }
  bool HideTutorial() const { return Item(61); }
  bool AllowSaveToDisk() const { return Item(62); }
  bool ShortMapDistances() const { return Item(63); }  // in the nominated three-point exercise
  bool RandomCharacters() const { return Item(65); }
  bool ShowNumber() const { return Item(66); }
  bool NoWelcomeScreen() const { return Item(67); }
  bool CustomEntryScreen() const { return Item(68); }
  bool ShowName() const { return Item(69); }
  bool NoAnswers() const { return Item(70); }
  bool NoRepeatButton() const { return Item(71); }
  bool NoAutoShowDescription() const { return Item(72); }
  bool NoExerciseDescription() const { return Item(73); }
  bool NoMarks() const { return Item(75); }
  bool NoTiming() const { return Item(76); }
  bool RandomStart() const { return Item(77); }
  bool NoSelfTestExercises() const { return Item(78); }
  bool NoSelfTestTrials() const { return Item(79); }
  Automation AutoCage() const { return RowChoice(80); }
  Automation AutoName() const { return RowChoice(83); }

 private:
  Automation RowChoice(int firstItem) const;
};

// The stored form: 37 characters "0"/"1" (items 43..54, then 61..85) and the
// two symbols. A "1" sets a byte, any other character clears it; a short
// text leaves the remaining bytes cleared and the symbols at "-" and "Y".
ClassOptions ParseOptionsText(std::string_view text);
std::string OptionsText(const ClassOptions& options);

// The options of the class set-up in force (list 738 item 5).
ClassOptions LoadClassOptions(const StringLists& strings);

// The class password's check value (list 738 item 4); 0 when the text is not
// a 32-bit number. It also offsets every student's example seed.
std::int32_t PasswordCheckValueSetting(const StringLists& strings);

}  // namespace crossmere
