#include "session/class_marks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace crossmere {
namespace {

// Two exercises of a plant, its Storage tray empty.
SavedWork WorkOf(std::string name, std::int32_t number, std::int32_t obtained) {
  SavedWork work;
  work.name = std::move(name);
  work.studentNumber = number;
  work.exerciseCount = 2;
  work.current = 2;
  work.tryCount[1] = 1;
  work.kind = kPlant;
  work.previousKind = kPlant;
  work.containersInUse = 1;
  work.containers[0] = {0, 0, "Storage tray", {}, {16, 138}};
  work.exercises[1] = {kPlant, obtained, 10, 1};
  work.exercises[2] = {kPlant, 3, 4, 2};
  work.totalObtained = obtained + 3;
  work.totalPossible = 14;
  work.highestObject = 130;
  return work;
}

class ClassFolder : public testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("crossmere_marks_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "inner");
  }
  void TearDown() override { std::filesystem::remove_all(folder); }
  void Write(const std::string& file, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(folder / file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  std::filesystem::path folder;
};

TEST_F(ClassFolder, TwoValidFilesAndOneDamaged) {
  Write("b_ann.cwk", EncodeSavedWork(WorkOf("Ann", 4242, 7)));
  Write("a_bo.cwk", EncodeSavedWork(WorkOf("", 1234, 9)));
  auto damaged = EncodeSavedWork(WorkOf("Cy", 2000, 1));
  damaged.resize(damaged.size() / 2);
  Write("c_cy.cwk", damaged);
  const ClassMarks marks = ReadClassMarks(folder.string());
  ASSERT_EQ(marks.rows.size(), 2u) << (marks.skipped.empty() ? "" : marks.skipped[0].reason);
  EXPECT_EQ(marks.rows[0].file, "a_bo.cwk");
  EXPECT_EQ(marks.rows[0].number, 1234);
  EXPECT_EQ(marks.rows[1].name, "Ann");
  EXPECT_EQ(marks.rows[1].obtained[1], 7);
  EXPECT_EQ(marks.rows[1].totalObtained, 10);
  EXPECT_EQ(marks.exerciseColumns, 2);
  ASSERT_EQ(marks.skipped.size(), 1u);
  EXPECT_EQ(marks.skipped[0].file, "c_cy.cwk");
  EXPECT_FALSE(marks.skipped[0].reason.empty());
}

TEST_F(ClassFolder, AMissingFolderGivesNothing) {
  const ClassMarks marks = ReadClassMarks((folder / "absent").string());
  EXPECT_TRUE(marks.rows.empty());
  EXPECT_TRUE(marks.skipped.empty());
}

TEST(ClassMarksRow, WholeSetWorkGivesEachExerciseByItsNumber) {
  SavedWork work = WorkOf("Ann", 4242, 7);
  SavedWorkExtension& extension = work.extension.emplace();
  extension.exercises[3] = {kPlant, 1, 5, 6, true};
  extension.exercises[7] = {kPlant, 2, 2, 4, false};
  const ClassMarksRow row = MarksRowOf(work, "ann.cwk");
  EXPECT_EQ(row.exerciseCount, 7);
  EXPECT_EQ(row.obtained[3], 5);
  EXPECT_EQ(row.possible[3], 6);
  EXPECT_EQ(row.obtained[7], 2);
  EXPECT_EQ(row.possible[1], 0);
  EXPECT_EQ(row.totalObtained, 10);
}

TEST(ClassMarksCsv, HeaderRowsQuotingAndFormulaNames) {
  ClassMarks marks;
  marks.exerciseColumns = 2;
  marks.rows.push_back(MarksRowOf(WorkOf("Lee, Ann \"AJ\"", 4242, 7), "ann.cwk"));
  ClassMarksRow formula = MarksRowOf(WorkOf("=SUM(A1)", 1234, 9), "x.cwk");
  formula.exerciseCount = 1;
  marks.rows.push_back(formula);
  EXPECT_EQ(ClassMarksCsv(marks),
            "\xEF\xBB\xBFName,Number,File,Ex 1 obtained,Ex 1 possible,Ex 2 obtained,Ex 2 possible,"
            "Total obtained,Total possible\r\n"
            "\"Lee, Ann \"\"AJ\"\"\",4242,ann.cwk,7,10,3,4,10,14\r\n"
            "'=SUM(A1),1234,x.cwk,9,10,,,12,14\r\n");
}

}  // namespace
}  // namespace crossmere
