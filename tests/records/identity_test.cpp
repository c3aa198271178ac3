#include "records/identity.h"

#include <gtest/gtest.h>

namespace crossmere {
namespace {

// Expected numbers worked by hand: h starts at 29, h := 3h + code for every
// counted character, number = |h| mod 9000 + 1000.
//   "A":     3*29 + 65 = 152                              -> 1152
//   "Ann":   152, 3*152 + 78 = 534, 3*534 + 78 = 1680      -> 2680
//   "0999":  '0' skipped; 29 -> 144 -> 489 -> 1524         -> 2524
//   "12345": 29 -> 136 -> 458 -> 1425 -> 4327 -> 13034     -> 5034
//   "5551234": ... -> 40386 -> 121210                      -> 5210
constexpr std::int32_t kNumberOfA = 1152;
constexpr std::int32_t kNumberOfAnn = 2680;

TEST(NameToNumber, OneLetter) { EXPECT_EQ(NameToNumber("A"), kNumberOfA); }

TEST(NameToNumber, CaseBlanksAndZeroDoNotCount) {
  for (const char* spelling : {"Ann", "ann", "ANN", "Ann 0", " a.n-n0", "aNn"}) {
    EXPECT_EQ(NameToNumber(spelling), kNumberOfAnn) << spelling;
  }
  EXPECT_NE(NameToNumber("Anne"), kNumberOfAnn);
}

TEST(NameToNumber, DigitsAndColonCount) {
  EXPECT_EQ(NameToNumber("0999"), 2524);
  EXPECT_EQ(NameToNumber("12345"), 5034);
  // ':' is code 58: 3*29 + 58 = 145 -> 1145
  EXPECT_EQ(NameToNumber(":"), 1145);
  // '9' is 57 and ';' is skipped: 3*29 + 57 = 144 -> 1144
  EXPECT_EQ(NameToNumber("9;"), 1144);
}

TEST(NameToNumber, LongNamesWrapAndStayInRange) {
  // 64 Z's: h = 29*3^64 + 90*(3^64 - 1)/2 reduced mod 2^32 = 513974813,
  // and 513974813 mod 9000 = 2813.
  const std::string zs(64, 'Z');
  EXPECT_EQ(NameToNumber(zs), 3813);
  // Only the first 64 characters count.
  EXPECT_EQ(NameToNumber(zs + "Q"), 3813);
  for (const char letter : {'a', 'm', 'Y'}) {
    for (std::size_t length = 20; length <= 64; length += 11) {
      const std::int32_t number = NameToNumber(std::string(length, letter));
      EXPECT_GE(number, 1000) << letter << length;
      EXPECT_LE(number, 9999) << letter << length;
    }
  }
}

TEST(NameToNumber, MostNegativeSum) {
  // 21 letters A, B, C contribute 65 + a ternary digit each, so h is
  // 29*3^21 + 65*(3^21 - 1)/2 + (the digits read in base 3); the digits were
  // chosen so that h = 2^31 mod 2^32, which is -2^31 as a 32-bit value.
  // 2^31 = 2147483648 = 238609 * 9000 + 2648 -> 3648.
  EXPECT_EQ(NameToNumber("ACBCCBCABABBCABAABBAA"), 3648);
}

// Every row starts from an earlier student, so that a refusal can be seen to
// leave the identity alone.
struct AcceptCase {
  const char* label;
  const char* nameField;
  const char* numberField;
  bool customEntry;
  bool showName;
  const char* warning;  // nullptr: accepted
  const char* name;
  std::int32_t number;
  bool nameGiven;
  const char* numberFieldAfter;
};

void PrintTo(const AcceptCase& c, std::ostream* os) { *os << c.label; }

const StudentIdentity kEarlier{"Earlier", 7777, true, false, true};

class AcceptIdentityTest : public ::testing::TestWithParam<AcceptCase> {
 protected:
  StringLists strings;
};

TEST_P(AcceptIdentityTest, Entry) {
  const AcceptCase& c = GetParam();
  ClassOptions options;
  options.SetItem(68, c.customEntry);
  options.SetItem(69, c.showName);
  StudentIdentity identity = kEarlier;
  EntryFields fields{c.nameField, c.numberField};

  const auto warning = AcceptIdentity(identity, fields, options, strings);

  EXPECT_EQ(fields.name, "");
  EXPECT_EQ(fields.number, c.numberFieldAfter);
  if (c.warning) {
    EXPECT_EQ(warning, c.warning);
    EXPECT_EQ(identity.name, kEarlier.name);
    EXPECT_EQ(identity.number, kEarlier.number);
    EXPECT_EQ(identity.nameGiven, kEarlier.nameGiven);
    EXPECT_EQ(identity.numberGiven, kEarlier.numberGiven);
    return;
  }
  EXPECT_EQ(warning, std::nullopt);
  EXPECT_EQ(identity.name, c.name);
  EXPECT_EQ(identity.number, c.number);
  EXPECT_EQ(identity.nameGiven, c.nameGiven);
  EXPECT_EQ(identity.numberGiven, !c.nameGiven);
  EXPECT_TRUE(identity.entered);
}

constexpr const char* kBoth = "Shouldn't have entry in both name and number";
constexpr const char* kNeither = "Need a name or valid number";
constexpr const char* kNotSid = "Not a valid SID";  // list 200 item 4

INSTANTIATE_TEST_SUITE_P(
    Cases, AcceptIdentityTest,
    ::testing::Values(
        AcceptCase{"Name", "A", "", false, false, nullptr, "A", kNumberOfA, true, ""},
        AcceptCase{"NumberInNameField", "1234", "", false, false, nullptr, "", 1234, false, "1234"},
        AcceptCase{"PaddedNumberInNameField", " 9999 ", "", false, false, nullptr, "", 9999, false,
                   " 9999 "},
        AcceptCase{"LeadingZeroIsAName", "0999", "", false, false, nullptr, "0999", 2524, true, ""},
        AcceptCase{"FiveDigitsIsAName", "12345", "", false, false, nullptr, "12345", 5034, true, ""},
        AcceptCase{"NumberField", "", "1000", false, false, nullptr, "", 1000, false, "1000"},
        AcceptCase{"BothFilled", "Ann", "1234", false, false, kBoth, "", 0, false, ""},
        AcceptCase{"NothingTyped", "", "", false, false, kNeither, "", 0, false, ""},
        AcceptCase{"NumberTooSmall", "", "999", false, false, kNeither, "", 0, false, "999"},
        AcceptCase{"NumberTooLarge", "", "10000", false, false, kNeither, "", 0, false, "10000"},
        AcceptCase{"NumberNotWhole", "", "12a4", false, false, kNeither, "", 0, false, "12a4"},
        AcceptCase{"CustomNothingTyped", "", "", true, false, kNotSid, "", 0, false, ""},
        // Without "Show name" the custom screen takes any name, unchecked.
        AcceptCase{"CustomName", "Ann", "", true, false, nullptr, "Ann", kNumberOfAnn, true, ""},
        // The shipped SID range is 0..9999999.
        AcceptCase{"SidIsAName", "5551234", "", true, true, nullptr, "5551234", 5210, true, ""},
        AcceptCase{"ShortSidIsANumber", "1234", "", true, true, nullptr, "", 1234, false, "1234"},
        AcceptCase{"SidNotANumber", "Ann", "", true, true, kNotSid, "", 0, false, ""},
        AcceptCase{"SidBelowRange", "-5", "", true, true, kNotSid, "", 0, false, ""},
        AcceptCase{"SidAboveRange", "10000000", "", true, true, kNotSid, "", 0, false, ""}),
    [](const ::testing::TestParamInfo<AcceptCase>& info) { return std::string(info.param.label); });

TEST(AcceptIdentity, NameIsCutTo64Characters) {
  StudentIdentity identity;
  EntryFields fields{std::string(70, 'q'), ""};
  EXPECT_EQ(AcceptIdentity(identity, fields, ClassOptions(), StringLists()), std::nullopt);
  EXPECT_EQ(identity.name, std::string(64, 'q'));
}

TEST(AcceptIdentity, SidRangeComesFromList200) {
  const StringLists strings({{200, 1, "Student ID:"},
                             {200, 2, "5000000"},
                             {200, 3, "5999999"},
                             {200, 4, "Unknown student ID"}});
  ClassOptions options;
  options.SetItem(68, true);
  options.SetItem(69, true);
  struct Case {
    const char* sid;
    bool accepted;
  };
  for (const Case c : {Case{"5000000", true}, Case{"5999999", true}, Case{"5551234", true},
                       Case{"4999999", false}, Case{"6000000", false}, Case{"1234", false}}) {
    StudentIdentity identity;
    EntryFields fields{c.sid, ""};
    const auto warning = AcceptIdentity(identity, fields, options, strings);
    EXPECT_EQ(identity.entered, c.accepted) << c.sid;
    EXPECT_EQ(warning, c.accepted ? std::nullopt : std::optional<std::string>("Unknown student ID"))
        << c.sid;
  }

  // With no lowest SID, nothing is range checked.
  const StringLists unchecked({{200, 4, "Unknown student ID"}});
  StudentIdentity identity;
  EntryFields fields{"Ann", ""};
  EXPECT_EQ(AcceptIdentity(identity, fields, options, unchecked), std::nullopt);
  EXPECT_EQ(identity.number, kNumberOfAnn);
}

TEST(IdentityLine, TheNumberAlwaysShows) {
  struct Case {
    std::string name;
    std::string line;
  };
  const std::string isolate = "\u2068", pop = "\u2069";
  for (const Case& c : {Case{"", "1234"}, Case{std::string(kPlaceholderName), "1234"},
                        Case{"Ann", isolate + "Ann" + pop + "  (1234)"},
                        Case{std::string(40, 'x'), isolate + std::string(38, 'x') + "\u2026" + pop + "  (1234)"},
                        Case{std::string(38, 'y'), isolate + std::string(38, 'y') + pop + "  (1234)"},
                        Case{"Zo\u00eb", isolate + "Zo\u00eb" + pop + "  (1234)"},
                        // A right-to-left override stays inside the isolated name.
                        Case{"\u202eAnn", isolate + "\u202eAnn" + pop + "  (1234)"}}) {
    StudentIdentity identity;
    identity.name = c.name;
    identity.number = 1234;
    EXPECT_EQ(IdentityLine(identity, 38), c.line) << c.name;
  }
}

TEST(EntryDialogNumber, ChoiceByOptions) {
  struct Case {
    bool allowSave, custom, showName;
    std::int32_t dialog;
  };
  for (const Case c : {Case{false, false, false, 410}, Case{true, false, false, 411},
                       Case{false, false, true, 410}, Case{true, false, true, 411},
                       Case{false, true, false, 412}, Case{true, true, false, 412},
                       Case{false, true, true, 413}, Case{true, true, true, 413}}) {
    ClassOptions options;
    options.SetItem(62, c.allowSave);
    options.SetItem(68, c.custom);
    options.SetItem(69, c.showName);
    EXPECT_EQ(EntryDialogNumber(options), c.dialog) << c.allowSave << c.custom << c.showName;
  }
  EXPECT_EQ(EntryDialogNumber(LoadClassOptions(StringLists())), 410);
}

struct FixedCase {
  const char* label;
  const char* name;
  bool randomStart, trial, custom, showName;
  bool fixed;
};

void PrintTo(const FixedCase& c, std::ostream* os) { *os << c.label; }

class ExamplesFixedTest : public ::testing::TestWithParam<FixedCase> {};

TEST_P(ExamplesFixedTest, Rule) {
  const FixedCase& c = GetParam();
  ClassOptions options;
  options.SetItem(77, c.randomStart);
  options.SetItem(68, c.custom);
  options.SetItem(69, c.showName);
  StudentIdentity identity;
  identity.name = c.name;
  identity.number = 2680;
  EXPECT_EQ(ExamplesFixed(identity, options, c.trial), c.fixed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExamplesFixedTest,
    ::testing::Values(FixedCase{"StandardEntry", "Ann", false, false, false, false, true},
                      FixedCase{"NumberGiven", "", false, false, false, false, true},
                      FixedCase{"StandardEntryShowName", "Ann", false, false, false, true, true},
                      FixedCase{"Placeholder", "znonamez", false, false, false, false, false},
                      FixedCase{"PlaceholderShowName", "znonamez", false, false, true, true, false},
                      FixedCase{"RandomStart", "Ann", true, false, false, false, false},
                      FixedCase{"Trial", "Ann", false, true, false, false, false},
                      FixedCase{"CustomWithoutShowName", "Ann", false, false, true, false, false},
                      FixedCase{"CustomWithShowName", "Ann", false, false, true, true, true},
                      FixedCase{"CustomRandomStart", "Ann", true, false, true, true, false},
                      FixedCase{"CustomTrial", "Ann", false, true, true, true, false}),
    [](const ::testing::TestParamInfo<FixedCase>& info) { return std::string(info.param.label); });

TEST(ExamplesFixed, ShippedSetUpFixesANamedStudent) {
  StudentIdentity identity;
  EntryFields fields{"Ann", ""};
  const StringLists strings;
  const ClassOptions options = LoadClassOptions(strings);
  ASSERT_EQ(AcceptIdentity(identity, fields, options, strings), std::nullopt);
  EXPECT_TRUE(ExamplesFixed(identity, options, false));
}

TEST(ShowsNumberDialog, OnlyAfterANameWithShowNumber) {
  const StringLists strings;
  struct Case {
    const char* nameField;
    const char* numberField;
    bool showNumber;
    bool shown;
  };
  for (const Case c : {Case{"Ann", "", true, true}, Case{"Ann", "", false, false},
                       Case{"1234", "", true, false}, Case{"", "4321", true, false}}) {
    ClassOptions options;
    options.SetItem(66, c.showNumber);
    StudentIdentity identity;
    EntryFields fields{c.nameField, c.numberField};
    ASSERT_EQ(AcceptIdentity(identity, fields, options, strings), std::nullopt);
    EXPECT_EQ(ShowsNumberDialog(identity, options), c.shown)
        << c.nameField << "/" << c.numberField << " " << c.showNumber;
  }
}

}  // namespace
}  // namespace crossmere
