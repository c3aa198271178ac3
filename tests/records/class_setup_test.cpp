#include "records/class_setup.h"

#include <gtest/gtest.h>

#include <variant>

#include "records/class_setup_file.h"

namespace crossmere {
namespace {

std::vector<std::uint8_t> Codes(std::string_view text) { return *LatinOneCodes(text); }

std::int32_t NewPasswordValue(std::string_view text) {
  PasswordTable table;
  RandomGenerator random;
  return PasswordCheckValue(Codes(text), true, table, random);
}

TEST(PasswordCheckValue, ComputedIndependently) { EXPECT_EQ(NewPasswordValue("secret"), 51558); }

TEST(PasswordCheckValue, TheSecondEntryWithTheSameTableMatchesOnlyTheSamePassword) {
  PasswordTable table;
  RandomGenerator random;
  const std::int32_t first = PasswordCheckValue(Codes("Lab 4b"), true, table, random);
  EXPECT_EQ(PasswordCheckValue(Codes("Lab 4b"), false, table, random), first);
  EXPECT_NE(PasswordCheckValue(Codes("lab 4b"), false, table, random), first);
  EXPECT_NE(NewPasswordValue("Secret"), NewPasswordValue("secret"));
}

TEST(PasswordCheckValue, OnlySixteenCharactersCount) {
  EXPECT_EQ(NewPasswordValue("abcdefghijklmnopQ"), NewPasswordValue("abcdefghijklmnop"));
  EXPECT_NE(NewPasswordValue("abcdefghijklmno"), NewPasswordValue("abcdefghijklmnop"));
}

TEST(LatinOneCodes, AcceptsLatinOneAndRefusesTheRest) {
  EXPECT_EQ(*LatinOneCodes("G\u00e9n\u00e9"), (std::vector<std::uint8_t>{'G', 0xE9, 'n', 0xE9}));
  EXPECT_EQ(LatinOneCodes("\u20ac5"), std::nullopt);
  EXPECT_EQ(LatinOneCodes("\xC3"), std::nullopt);
}

TEST(SetUpCheckNumber, ShippedSettingsGiveTheShippedNumber) {
  const StringLists strings;
  EXPECT_EQ(SetUpCheckNumber(strings), 550880);
  EXPECT_TRUE(ClassSettingsIntact(strings));
  EXPECT_TRUE(NoPasswordSet(strings));
}

TEST(SetUpCheckNumber, ChangedOptionsOrSlotsAreNoticed) {
  StringLists strings;
  strings.ListStringStore(738, 5, false, "1010000000000000000000000000000010011-Y");
  EXPECT_FALSE(ClassSettingsIntact(strings));
  StringLists slots;
  slots.ListStringStore(741, 3, false, std::string(57, '1'));
  EXPECT_FALSE(ClassSettingsIntact(slots));
}

TEST(SlotFlags, ATextOfTwentyFourCharactersIsAnEmptySlot) {
  EXPECT_EQ(ParseSlotFlags(std::string(24, '1')), std::nullopt);
  ASSERT_TRUE(ParseSlotFlags(std::string(25, '0')).has_value());
  ExerciseOptions options;
  options.Set(option_item::kTwoLoci);
  options.Set(option_item::kNoPureBreedingInMix);
  const std::string text = SlotFlagsText(options);
  ASSERT_EQ(text.size(), 57u);
  // Character i is item 50 + i.
  EXPECT_EQ(text[option_item::kTwoLoci - 51], '1');
  EXPECT_EQ(text[56], '1');
  EXPECT_EQ(ParseSlotFlags(text), options);
}

ExerciseSlot Slot(std::int32_t catalogue, std::string title) {
  ExerciseSlot slot;
  slot.catalogue = catalogue;
  slot.title = std::move(title);
  slot.options.Set(option_item::kOneLocus);
  return slot;
}

TEST(StoreClassSetUp, UsedSlotsArePackedWithTheirParametersAndTheRestEmptied) {
  StringLists strings;
  strings.ListStringStore(340, 4, false, "19");  // left from an earlier set-up
  strings.ListStringStore(385, 2, false, "17");  // slot 5's parameter 2
  ClassSetUp setUp;
  setUp.options = FreshClassOptions(false, true);
  setUp.exercises[2] = Slot(3, "Intercross");
  setUp.exercises[5] = Slot(9, "Testcross");
  setUp.exercises[7].catalogue = 11;  // no loci: not an exercise
  ASSERT_EQ(StoreClassSetUp(strings, setUp), std::nullopt);

  const auto slots = LoadClassSlots(strings);
  ASSERT_EQ(slots.size(), 2u);
  EXPECT_EQ(slots[0].catalogue, 3);
  EXPECT_EQ(slots[1].title, "Testcross");
  EXPECT_EQ(strings.ListString(382, 2), "17");
  EXPECT_EQ(strings.ListString(385, 2), "");
  EXPECT_EQ(strings.ListString(340, 4), "");
  EXPECT_EQ(LoadClassOptions(strings).WholeSet(), false);
  EXPECT_EQ(SetUpCheckNumber(strings), 505040);  // worked out by hand from the stored texts
  EXPECT_TRUE(ClassSettingsIntact(strings));
}

TEST(StoreClassSetUp, RefusesASelectedSetWithNoExercise) {
  StringLists strings;
  ClassSetUp setUp;
  setUp.options = FreshClassOptions(false, true);
  EXPECT_EQ(StoreClassSetUp(strings, setUp), (std::vector<std::string>{"No exercises set up", "Please repeat set up"}));
  setUp.options = FreshClassOptions(true, true);
  EXPECT_EQ(StoreClassSetUp(strings, setUp), std::nullopt);
}

TEST(StoreClassSetUp, NoRoomForAnotherSettingIsReported) {
  StringLists strings;
  for (std::int32_t index = 1; index <= 200; ++index) strings.ListStringStore(742, index, false, "x");
  EXPECT_EQ(StorePassword(strings, 51558), (std::vector<std::string>{"Sorry.  Insufficient space to add more resources"}));
}

TEST(StorePassword, KeepsTheSettingsIntact) {
  StringLists strings;
  ASSERT_EQ(StorePassword(strings, 51558), std::nullopt);
  EXPECT_FALSE(NoPasswordSet(strings));
  EXPECT_EQ(PasswordCheckValueSetting(strings), 51558);
  EXPECT_EQ(SetUpCheckNumber(strings), 415360);  // worked out by hand
  EXPECT_TRUE(ClassSettingsIntact(strings));
}

TEST(ClassSetUpFile, RoundTripKeepsUnusedRecords) {
  StringLists strings;
  strings.ListStringStore(738, 4, false, "51558");
  strings.ListStringStore(648, 1, false, "Sex linkage, with a / in it");
  auto records = strings.Overrides();
  records.push_back({741, 2, false, false, "old"});
  const std::string text = ClassSetUpFileText(records);
  EXPECT_EQ(text, "S738/4/51558\nS648/1/Sex linkage, with a / in it\nT741/2/old\n");
  const auto parsed = ParseClassSetUpFile(text);
  ASSERT_TRUE(std::holds_alternative<std::vector<OverrideRecord>>(parsed));
  const auto& back = std::get<std::vector<OverrideRecord>>(parsed);
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[1].text, "Sex linkage, with a / in it");
  EXPECT_FALSE(back[2].used);
}

TEST(ClassSetUpFile, OtherLinesAreIgnored) {
  const auto parsed = ParseClassSetUpFile(
      "# notes\r\nS738/5/1010000000000000000000000000000010010-Y\r\nS1/1/not ours\nS738/x/bad\nS738/4\nX738/4/1\n");
  const auto& records = std::get<std::vector<OverrideRecord>>(parsed);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].text, "1010000000000000000000000000000010010-Y");
}

TEST(ClassSetUpFile, AByteOrderMarkInFrontIsNotPartOfTheFirstLine) {
  const auto parsed = ParseClassSetUpFile("\xEF\xBB\xBFS738/4/51558\n");
  const auto& records = std::get<std::vector<OverrideRecord>>(parsed);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].text, "51558");
}

TEST(ClassSetUpFile, CarriageReturnsEndingALineAreNotPartOfTheText) {
  const auto parsed = ParseClassSetUpFile("S648/1/Maps\r\r\nS648/2/\r\n");
  const auto& records = std::get<std::vector<OverrideRecord>>(parsed);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].text, "Maps");
  EXPECT_EQ(records[1].text, "");
}

TEST(ClassSetUpFile, MoreRecordsThanTheListsHoldIsRefused) {
  std::string text;
  for (int i = 1; i <= 201; ++i) text += "S742/" + std::to_string(i) + "/x\n";
  EXPECT_TRUE(std::holds_alternative<std::string>(ParseClassSetUpFile(text)));
}

}  // namespace
}  // namespace crossmere
