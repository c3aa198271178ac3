#include "layer/string_lists.h"

#include <gtest/gtest.h>

#include "layer/string_data.h"

namespace crossmere {
namespace {

TEST(StringListFiles, ParseWithoutProblems) {
  std::vector<std::string> problems;
  const auto entries = ParseStringEntries(StringListData(), &problems);
  EXPECT_TRUE(problems.empty()) << problems.front();
  EXPECT_GT(entries.size(), 600u);
}

TEST(StringListFiles, ProblemsAreReportedByLine) {
  std::vector<std::string> problems;
  const auto entries = ParseStringEntries(
      "# comment\n300\t1\tOK\n300 2 Cancel\n300\t1\tAgain\n\n301\tx\t15\n", &problems);
  EXPECT_EQ(entries.size(), 2u);
  ASSERT_EQ(problems.size(), 3u);
  EXPECT_EQ(problems[0], "line 3: expected list<TAB>index<TAB>text");
  EXPECT_EQ(problems[1], "line 6: expected list<TAB>index<TAB>text");
  EXPECT_EQ(problems[2], "list 300 index 1 given twice");
}

TEST(StringListFiles, TextKeepsLeadingAndTrailingBlanks) {
  const auto entries = ParseStringEntries("801\t3\t and more  \r\n", nullptr);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].text, " and more  ");
}

class ProgramStrings : public ::testing::Test {
 protected:
  StringLists strings;
};

TEST_F(ProgramStrings, SpareCagesIsEntryFourOfList300) {
  EXPECT_EQ(strings.ListString(300, 4), "Spare cages");
  EXPECT_EQ(strings.StringIdOf(300, 4), 467);
}

TEST_F(ProgramStrings, FixedStringIdRanges) {
  struct Range {
    std::int32_t firstList, lastList, firstId, lastId;
  };
  for (const Range r : {Range{200, 200, 1, 4}, Range{201, 240, 5, 390}, Range{251, 290, 391, 463},
                        Range{300, 300, 464, 476}}) {
    EXPECT_EQ(strings.ListOfString(r.firstId), r.firstList);
    EXPECT_EQ(strings.ListOfString(r.lastId), r.lastList);
    EXPECT_EQ(strings.IndexOfString(r.firstId), 1);
    EXPECT_NE(strings.ListOfString(r.lastId + 1), r.lastList) << "list " << r.lastList << " runs on";
    if (r.firstId > 1) {
      EXPECT_NE(strings.ListOfString(r.firstId - 1), r.firstList);
    }
  }
}

TEST_F(ProgramStrings, EveryStoredEntryIsFoundAgain) {
  for (std::int32_t id = 1; id <= strings.StringCount(); ++id) {
    ASSERT_EQ(strings.StringIdOf(strings.ListOfString(id), strings.IndexOfString(id)), id);
  }
}

TEST_F(ProgramStrings, GapsAndMissingListsGiveTheEmptyText) {
  // List 430 stores indices 1..6 and 11..16; 7..10 are a gap.
  EXPECT_FALSE(strings.ListString(430, 6).empty());
  EXPECT_FALSE(strings.ListString(430, 11).empty());
  for (std::int32_t index = 7; index <= 10; ++index) {
    EXPECT_EQ(strings.StringIdOf(430, index), 0);
    EXPECT_EQ(strings.ListString(430, index), "");
  }
  EXPECT_FALSE(strings.ListString(202, 1).empty());
  for (std::int32_t index = 0; index <= 20; ++index) {
    EXPECT_EQ(strings.ListString(241, index), "") << index;
    EXPECT_EQ(strings.ListString(100, index), "") << index;
    EXPECT_EQ(strings.ListString(900, index), "") << index;
  }
  EXPECT_EQ(strings.ListString(300, 0), "");
  EXPECT_EQ(strings.ListString(300, 14), "");
}

TEST_F(ProgramStrings, CatalogueOfBothSets) {
  EXPECT_EQ(strings.ListString(649, 15), "Estimating recombination");  // B15
  EXPECT_EQ(strings.ListString(669, 6), "No dominance");              // A6
  // B11 "Two locus intercross": questions 4, 6, 6, 16.
  EXPECT_EQ(strings.ListString(261, 1), "4");
  EXPECT_EQ(strings.ListString(261, 4), "16");
  EXPECT_EQ(strings.ListString(261, 5), "");
  // A12 "Sex-linked gene (1)" has option 106 among its options.
  bool has106 = false;
  for (std::int32_t index = 1; index <= 15; ++index) has106 |= strings.ListString(232, index) == "106";
  EXPECT_TRUE(has106);
}

// The binary search and walk must agree with a plain scan on any table,
// including lists at either end and indices beyond a list's ends.
TEST(StringIdOf, AgreesWithAPlainScan) {
  std::vector<StringEntry> entries;
  for (std::int32_t list : {3, 5, 6, 9, 12}) {
    for (std::int32_t index : {1, 2, 4, 7}) {
      if ((list + index) % 3 != 0) entries.push_back({list, index, std::to_string(list * 100 + index)});
    }
  }
  const StringLists strings(entries);
  for (std::int32_t list = 0; list <= 14; ++list) {
    for (std::int32_t index = -1; index <= 9; ++index) {
      std::int32_t expected = 0;
      for (std::size_t k = 0; k < entries.size(); ++k) {
        if (entries[k].list == list && entries[k].index == index) expected = static_cast<std::int32_t>(k) + 1;
      }
      EXPECT_EQ(strings.StringIdOf(list, index), expected) << list << "/" << index;
    }
  }
  EXPECT_EQ(StringLists(std::vector<StringEntry>{}).StringIdOf(1, 1), 0);
}

TEST(StringLists, TextsAreCutTo255Characters) {
  const std::string longText(300, 'a');
  const StringLists strings({{300, 1, longText}});
  EXPECT_EQ(strings.ListString(300, 1).size(), 255u);
  EXPECT_EQ(CutText("••••", 2), "••");
}

class Overrides : public ::testing::Test {
 protected:
  StringLists strings{{{300, 4, "Spare cages"}, {340, 1, "table one"}, {340, 2, "table two"}}};
};

TEST_F(Overrides, OverridableListsPreferTheOverride) {
  EXPECT_EQ(strings.ListStringStore(340, 2, false, "mine"), StoreResult::Stored);
  EXPECT_EQ(strings.ListString(340, 2), "mine");
  EXPECT_EQ(strings.ListString(340, 1), "table one");
  EXPECT_EQ(strings.ListStringStore(340, 5, true, "beyond the table"), StoreResult::Stored);
  EXPECT_EQ(strings.ListString(340, 5), "beyond the table");
  EXPECT_TRUE(strings.Overrides().back().marked);
}

TEST_F(Overrides, OtherListsKeepTheRecordButShowTheTable) {
  EXPECT_EQ(strings.ListStringStore(300, 4, false, "Other"), StoreResult::Stored);
  ASSERT_EQ(strings.Overrides().size(), 1u);
  EXPECT_EQ(strings.Overrides()[0].text, "Other");
  EXPECT_EQ(strings.ListString(300, 4), "Spare cages");
}

TEST_F(Overrides, EmptyTexts) {
  EXPECT_EQ(strings.ListStringStore(340, 1, false, ""), StoreResult::Ignored);
  EXPECT_TRUE(strings.Overrides().empty());
  EXPECT_EQ(strings.ListString(340, 1), "table one");

  strings.ListStringStore(340, 1, true, "set");
  EXPECT_EQ(strings.ListStringStore(340, 1, false, ""), StoreResult::Replaced);
  EXPECT_EQ(strings.ListString(340, 1), "");
  EXPECT_FALSE(strings.Overrides()[0].marked);
}

TEST_F(Overrides, TheTwoHundredAndFirstIsRefusedAndTheRestKept) {
  for (std::int32_t index = 1; index <= 200; ++index) {
    ASSERT_EQ(strings.ListStringStore(741, index, false, "x" + std::to_string(index)), StoreResult::Stored);
  }
  EXPECT_EQ(strings.ListStringStore(742, 1, false, "late"), StoreResult::OutOfSpace);
  ASSERT_EQ(strings.Overrides().size(), 200u);
  EXPECT_EQ(strings.ListString(742, 1), "");
  EXPECT_EQ(strings.ListString(741, 200), "x200");
  // A record already held can still change.
  EXPECT_EQ(strings.ListStringStore(741, 200, false, "again"), StoreResult::Replaced);
}

TEST_F(Overrides, SetOverridesRefusesMoreThanTwoHundredAndKeepsTheOld) {
  strings.ListStringStore(340, 1, true, "kept");
  std::vector<OverrideRecord> many(201, OverrideRecord{741, 1, true, false, "x"});
  EXPECT_FALSE(strings.SetOverrides(many));
  EXPECT_EQ(strings.ListString(340, 1), "kept");
  many.resize(2);
  many[1] = OverrideRecord{340, 1, false, false, "unused"};
  EXPECT_TRUE(strings.SetOverrides(many));
  EXPECT_EQ(strings.ListString(340, 1), "table one");
  EXPECT_EQ(strings.ListString(741, 1), "x");
}

}  // namespace
}  // namespace crossmere
