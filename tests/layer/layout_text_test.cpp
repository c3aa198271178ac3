#include "layer/layout_text.h"

#include <gtest/gtest.h>

namespace crossmere {
namespace {

TEST(LayoutText, DigitsGiveTheLineBreaks) {
  const StringLists strings({{801, 1, "0121"},
                             {801, 2, "One"},
                             {801, 3, " sentence."},
                             {801, 4, "New line."},
                             {801, 5, "New paragraph."},
                             {802, 1, "11"},
                             {802, 2, "Lonely"}});
  EXPECT_EQ(LayoutText(strings, 801), "One sentence.\nNew line.\n\nNew paragraph.");
  EXPECT_EQ(LayoutProblem(strings, 801), std::nullopt);
  EXPECT_EQ(LayoutProblem(strings, 802), "list 802: entry 3 is missing");
  EXPECT_EQ(LayoutText(strings, 900), "");
  EXPECT_EQ(LayoutProblem(strings, 900), "list 900 has no layout");
}

TEST(LayoutText, ProblemsAreNamed) {
  const StringLists strings({{810, 1, "0"}, {810, 2, "a"}, {810, 3, "b"},
                             {811, 1, "01"}, {811, 2, "a"}, {811, 3, "no space"},
                             {812, 1, "5"}, {812, 2, "a"}});
  EXPECT_EQ(LayoutProblem(strings, 810), "list 810: entry 3 has no layout digit");
  EXPECT_EQ(LayoutProblem(strings, 811),
            "list 811: entry 3 continues a paragraph but does not begin with a space");
  EXPECT_EQ(LayoutProblem(strings, 812), "list 812: layout digit 1 is not 0, 1 or 2");
}

// Every exercise of both sets and every help page is a well-formed text.
TEST(LayoutText, ProgramTextsAreWellFormed) {
  const StringLists strings;
  for (std::int32_t list = 802; list <= 841; ++list) {
    EXPECT_EQ(LayoutProblem(strings, list), std::nullopt) << "description list " << list;
  }
  for (std::int32_t list = 860; list <= 862; ++list) {
    EXPECT_EQ(LayoutProblem(strings, list), std::nullopt) << "help page " << list;
  }
  for (std::int32_t type = 1; type <= 37; ++type) {
    EXPECT_FALSE(strings.ListString(499, type).empty()) << "longer title of question type " << type;
  }
}

}  // namespace
}  // namespace crossmere
