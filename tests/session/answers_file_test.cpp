#include "session/answers_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "exercises/catalogue.h"
#include "session/example_of.h"

namespace crossmere {
namespace {

struct ConfigurationCase {
  const char* name;
  std::vector<std::int32_t> positions;
  std::int32_t configuration;
};

void PrintTo(const ConfigurationCase& c, std::ostream* out) { *out << c.name; }

class LociConfigurations : public testing::TestWithParam<ConfigurationCase> {};

TEST_P(LociConfigurations, FromThePositions) {
  EXPECT_EQ(LociConfiguration(GetParam().positions), GetParam().configuration);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LociConfigurations,
    testing::Values(ConfigurationCase{"Single", {9}, 1}, ConfigurationCase{"XAndAutosomeThreeApart", {2, 5}, 2},
                    ConfigurationCase{"TwoAutosomesUnlinked", {5, 8}, 2}, ConfigurationCase{"TwoSexLinked", {2, 3}, 3},
                    ConfigurationCase{"TwoLinked", {5, 6}, 4},
                    ConfigurationCase{"ThreeSexLinked", {2, 3, 4}, 5}, ConfigurationCase{"ThreeLinked", {5, 6, 7}, 6},
                    ConfigurationCase{"TwoSexLinkedPlusFive", {2, 3, 5}, 7},
                    ConfigurationCase{"TwoSexLinkedPlusEight", {2, 3, 8}, 9},
                    ConfigurationCase{"SexLinkedPlusTwoLinked", {2, 5, 6}, 8},
                    ConfigurationCase{"TwoLinkedPlusUnlinked", {5, 6, 9}, 9},
                    ConfigurationCase{"SexLinkedAndTwoUnlinked", {2, 5, 9}, 10},
                    ConfigurationCase{"ThreeUnlinked", {5, 8, 10}, 11}),
    [](const auto& info) { return std::string(info.param.name); });

// A class of three advanced exercises: the first steps, a two-locus testcross and three-locus mapping.
StringLists ClassOfThree() {
  StringLists strings;
  const ExerciseSet set = LoadExerciseSet(strings, kAdvancedSet, nullptr);
  ClassSetUp setUp;
  setUp.options = FreshClassOptions(false, false);
  const std::array<std::int32_t, 3> chosen{1, 12, 20};
  for (std::size_t k = 0; k < chosen.size(); ++k) {
    ExerciseSlot& slot = setUp.exercises[k + 1];
    slot.catalogue = chosen[k];
    slot.title = strings.ListString(649 + kAdvancedSet, chosen[k]);
    slot.options = set.options[static_cast<std::size_t>(chosen[k])];
  }
  EXPECT_EQ(StoreClassSetUp(strings, setUp), std::nullopt);
  return strings;
}

StudentIdentity Named(std::string name) {
  StudentIdentity identity;
  identity.number = NameToNumber(name);
  identity.name = std::move(name);
  identity.nameGiven = true;
  identity.entered = true;
  return identity;
}

std::vector<std::string> GoldenLines(const std::string& file) {
  std::ifstream in(std::string(CROSSMERE_TEST_DATA) + "/session/golden/" + file);
  EXPECT_TRUE(in.good()) << file;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(StudentAnswers, MatchTheGoldenFileLineByLine) {
  const StringLists strings = ClassOfThree();
  std::array<bool, kSlotCount + 1> nominated{};
  nominated[2] = nominated[3] = true;
  const auto lines = StudentAnswerLines(strings, Named("Ann Lee"), false, nominated);
  const auto golden = GoldenLines("answers_ann_lee.txt");
  ASSERT_EQ(lines.size(), golden.size());
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], golden[i]) << "line " << i + 1;
}

TEST(StudentAnswers, TheRecordFollowsTheStudentsOwnExample) {
  const StringLists strings = ClassOfThree();
  const StudentIdentity ann = Named("Ann Lee");
  const SessionState example = RecreateExample(strings, ann.number, kAdvancedSet, 3);
  const auto lines = ExerciseAnswerLines(strings, example, 3);
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines[1], "Exercise No.  3");
  EXPECT_EQ(lines[2], "Organism:  " + KindName(example.genetics.kind));
  EXPECT_EQ(example.genetics.lociCount, 3);
  std::vector<std::int32_t> positions;
  for (const std::int32_t k : LociByPosition(example.genetics)) positions.push_back(example.genetics.locusPosition[k]);
  EXPECT_EQ(lines[5], strings.ListString(766, LociConfiguration(positions)));
}

TEST(StudentAnswers, IdentityLines) {
  const StringLists strings = ClassOfThree();
  const std::array<bool, kSlotCount + 1> none{};
  StudentIdentity byNumber;
  byNumber.number = 4321;
  byNumber.numberGiven = true;
  EXPECT_EQ(StudentAnswerLines(strings, byNumber, false, none),
            (std::vector<std::string>{"", "", "$", "Number:    4321", ""}));
  EXPECT_EQ(StudentAnswerLines(strings, Named("Ann Lee"), false, none),
            (std::vector<std::string>{"", "", "$", "Name:  Ann Lee", ""}));
  EXPECT_EQ(StudentAnswerLines(strings, byNumber, true, none),
            (std::vector<std::string>{"", "", "$", "Trial sequence", ""}));
}

TEST(AnswersFileHeader, WarnsOnlyWhenExamplesAreNotTheStudents) {
  ClassOptions options = FreshClassOptions(false, false);
  EXPECT_TRUE(AnswersFileHeader(options).empty());
  options.SetItem(77, true);  // random start
  EXPECT_EQ(AnswersFileHeader(options).size(), 1u);
  options = FreshClassOptions(false, true);
  options.SetItem(68, true);  // custom entry screen without "Show name": an ID, not a seed
  EXPECT_EQ(AnswersFileHeader(options).size(), 1u);
}

}  // namespace
}  // namespace crossmere
