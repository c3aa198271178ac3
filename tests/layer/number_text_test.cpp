#include "layer/number_text.h"

#include <gtest/gtest.h>

namespace crossmere {
namespace {

struct RealCase {
  const char* name;
  double value;
  int decimals;
  const char* text;
};

void PrintTo(const RealCase& c, std::ostream* os) { *os << c.name; }

class RealToTextTest : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealToTextTest, Formats) {
  EXPECT_EQ(RealToText(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RealToTextTest,
    ::testing::Values(RealCase{"ThreeDecimals", 2.5, 3, "2.500"},
                      RealCase{"RoundsDown", 1.0 / 3.0, 4, "0.3333"},
                      RealCase{"RoundsUp", 2.0 / 3.0, 2, "0.67"},
                      RealCase{"NoDecimals", 12.0, 0, "12"},
                      // seven significant digits, then padded to the decimals asked for
                      RealCase{"SevenSignificantDigits", 1234.56789, 4, "1234.5680"},
                      RealCase{"NoNegativeZero", -0.0001, 2, "0.00"},
                      RealCase{"GeneralKeepsDigits", 3.84146, 10, "3.84146"},
                      RealCase{"GeneralDropsZeros", 2.5, 10, "2.5"},
                      RealCase{"GeneralRounds", 0.123456789, 10, "0.1234568"}),
    [](const ::testing::TestParamInfo<RealCase>& info) { return std::string(info.param.name); });

TEST(ParseNumbers, WholeNumbersMustBeWhole) {
  EXPECT_EQ(ParseWholeNumber("52"), 52);
  EXPECT_EQ(ParseWholeNumber(" 107 "), 107);
  EXPECT_EQ(ParseWholeNumber("-7"), -7);
  EXPECT_EQ(ParseWholeNumber("+3"), 3);
  EXPECT_EQ(ParseWholeNumber("5x"), std::nullopt);
  EXPECT_EQ(ParseWholeNumber("x5"), std::nullopt);
  EXPECT_EQ(ParseWholeNumber("1.5"), std::nullopt);
  EXPECT_EQ(ParseWholeNumber(""), std::nullopt);
  EXPECT_EQ(ParseWholeNumber("99999999999"), std::nullopt);
}

TEST(ParseNumbers, Reals) {
  EXPECT_EQ(ParseReal("2.5"), 2.5);
  EXPECT_EQ(ParseReal(" -0.25 "), -0.25);
  EXPECT_EQ(ParseReal("3"), 3.0);
  EXPECT_EQ(ParseReal("2,5"), std::nullopt);
  EXPECT_EQ(ParseReal(""), std::nullopt);
  EXPECT_EQ(ParseReal("nan"), std::nullopt);
}

}  // namespace
}  // namespace crossmere
