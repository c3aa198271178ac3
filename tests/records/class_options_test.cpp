#include "records/class_options.h"

#include <gtest/gtest.h>

namespace crossmere {
namespace {

constexpr std::string_view kShippedText = "1010000000000000000000000000000010010-Y";

std::string FlagsWithOne(std::size_t position) {
  std::string text(37, '0');
  text[position - 1] = '1';
  return text;
}

std::vector<int> ItemsOn(const ClassOptions& options) {
  std::vector<int> on;
  for (int item = 0; item <= 100; ++item) {
    if (options.Item(item)) on.push_back(item);
  }
  return on;
}

TEST(ClassOptions, ShippedSetUp) {
  const ClassOptions options = LoadClassOptions(StringLists());
  // Characters 1 and 3 are items 43 and 45; characters 33 and 36 are
  // items 33 + 48 = 81 and 36 + 48 = 84.
  EXPECT_EQ(ItemsOn(options), (std::vector<int>{43, 45, 81, 84}));
  EXPECT_TRUE(options.WholeSet());
  EXPECT_TRUE(options.Elementary());
  EXPECT_FALSE(options.ShowName());
  EXPECT_FALSE(options.CustomEntryScreen());
  EXPECT_FALSE(options.RandomStart());
  EXPECT_EQ(options.AutoCage(), Automation::Default);
  EXPECT_EQ(options.AutoName(), Automation::Default);
  EXPECT_EQ(options.dashSymbol, "-");
  EXPECT_EQ(options.ySymbol, "Y");
}

// Characters 1..12 are items 43..54 and characters 13..37 are items 61..85:
// the six items 55..60 between them are not stored.
TEST(ParseOptionsText, EachCharacterSetsItsItem) {
  struct Case {
    std::size_t position;
    int item;
  };
  for (const Case c : {Case{1, 43}, Case{5, 47}, Case{12, 54}, Case{13, 61}, Case{14, 62},
                       Case{20, 68}, Case{21, 69}, Case{29, 77}, Case{37, 85}}) {
    EXPECT_EQ(ItemsOn(ParseOptionsText(FlagsWithOne(c.position))), std::vector<int>{c.item})
        << "character " << c.position;
  }
}

TEST(ParseOptionsText, NamedOptionsReadTheirItems) {
  struct Case {
    const char* name;
    std::size_t position;
    bool (ClassOptions::*read)() const;
  };
  for (const Case c : {Case{"NoOrganismChoice", 9, &ClassOptions::NoOrganismChoice},
                       Case{"RandomInExercise", 10, &ClassOptions::RandomInExercise},
                       Case{"SexInMonkbears", 11, &ClassOptions::SexInMonkbears},
                       Case{"CensorMaleDogs", 12, &ClassOptions::CensorMaleDogs},
                       Case{"AllowSaveToDisk", 14, &ClassOptions::AllowSaveToDisk},
                       Case{"RandomCharacters", 17, &ClassOptions::RandomCharacters},
                       Case{"ShowNumber", 18, &ClassOptions::ShowNumber},
                       Case{"CustomEntryScreen", 20, &ClassOptions::CustomEntryScreen},
                       Case{"ShowName", 21, &ClassOptions::ShowName},
                       Case{"RandomStart", 29, &ClassOptions::RandomStart}}) {
    EXPECT_TRUE((ParseOptionsText(FlagsWithOne(c.position)).*c.read)()) << c.name;
    EXPECT_FALSE((ParseOptionsText(std::string(37, '0')).*c.read)()) << c.name;
  }
}

TEST(ParseOptionsText, UnavailableKindsAreItems47To50) {
  for (int kind = 1; kind <= 4; ++kind) {
    // kind k is character k + 4 (item 46 + k)
    const ClassOptions options = ParseOptionsText(FlagsWithOne(static_cast<std::size_t>(kind) + 4));
    for (int other = 0; other <= 5; ++other) {
      EXPECT_EQ(options.Unavailable(other), other == kind) << kind << " " << other;
    }
  }
}

TEST(ParseOptionsText, OnlyAOneSetsAByte) {
  const ClassOptions options = ParseOptionsText("1 21x0");
  EXPECT_EQ(ItemsOn(options), (std::vector<int>{43, 46}));
}

TEST(ParseOptionsText, ShortTextLeavesTheRestCleared) {
  const ClassOptions options = ParseOptionsText("11");
  EXPECT_EQ(ItemsOn(options), (std::vector<int>{43, 44}));
  EXPECT_EQ(options.dashSymbol, "-");
  EXPECT_EQ(options.ySymbol, "Y");
  EXPECT_TRUE(ItemsOn(ParseOptionsText("")).empty());
}

TEST(ParseOptionsText, SymbolsAreCharacters38And39) {
  const std::string flags(37, '0');
  const ClassOptions plain = ParseOptionsText(flags + "+W");
  EXPECT_EQ(plain.dashSymbol, "+");
  EXPECT_EQ(plain.ySymbol, "W");
  // A two-byte character still counts as one.
  const ClassOptions accented = ParseOptionsText(flags + "\xC3\xA9Z");
  EXPECT_EQ(accented.dashSymbol, "\xC3\xA9");
  EXPECT_EQ(accented.ySymbol, "Z");
}

TEST(ParseOptionsText, AutomationRows) {
  struct Case {
    const char* buttons;  // characters 32..34 (items 80..82) and 35..37 (83..85)
    Automation cage, name;
  };
  for (const Case c : {Case{"100100", Automation::None, Automation::None},
                       Case{"010001", Automation::Default, Automation::All},
                       Case{"001010", Automation::All, Automation::Default},
                       Case{"000000", Automation::None, Automation::None}}) {
    const ClassOptions options = ParseOptionsText(std::string(31, '0') + c.buttons);
    EXPECT_EQ(options.AutoCage(), c.cage) << c.buttons;
    EXPECT_EQ(options.AutoName(), c.name) << c.buttons;
  }
}

TEST(OptionsText, WritesWhatItReads) {
  EXPECT_EQ(OptionsText(ParseOptionsText(kShippedText)), kShippedText);
  ClassOptions options;
  options.SetItem(62, true);
  options.SetItem(85, true);
  options.SetItem(57, true);  // no place in the text
  options.ySymbol = "\xC3\xA9";
  // item 62 is character 62 - 48 = 14, item 85 character 37
  EXPECT_EQ(OptionsText(options), "0000000000000100000000000000000000001-\xC3\xA9");
}

TEST(PasswordCheckValueSetting, ReadsList738Item4) {
  EXPECT_EQ(PasswordCheckValueSetting(StringLists()), 0);
  struct Case {
    const char* text;
    std::int32_t value;
  };
  for (const Case c : {Case{"123456789", 123456789}, Case{" -42 ", -42}, Case{"2147483647", 2147483647},
                       Case{"abc", 0}, Case{"99999999999", 0}, Case{"", 0}}) {
    const StringLists strings({{738, 4, c.text}, {738, 5, std::string(kShippedText)}});
    EXPECT_EQ(PasswordCheckValueSetting(strings), c.value) << c.text;
  }
}

}  // namespace
}  // namespace crossmere
