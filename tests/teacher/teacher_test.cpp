#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <variant>

#include "program/saved_work_commands.h"
#include "program/startup.h"
#include "records/class_setup.h"
#include "records/class_setup_file.h"
#include "session/example_of.h"
#include "session/saved_work.h"
#include "teacher/class_setup_run.h"
#include "tests/layer/strict_service.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

namespace fs = std::filesystem;
using Responder = std::function<void(ScriptedDialog&)>;

constexpr std::int32_t kAnswersMenu = 126;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

Responder Click(std::int32_t item) {
  return [item](ScriptedDialog& d) { d.Click(item); };
}

Responder Type(std::int32_t field, std::string text, std::int32_t button = 1000) {
  return [=](ScriptedDialog& d) {
    d.SetText(field, text);
    d.Click(button);
  };
}

// One class in a folder of its own: its set-up file, saved work and answers.
class TeacherSide : public ::testing::Test {
 protected:
  TeacherSide() {
    folder = fs::temp_directory_path() /
             ("crossmere_teacher_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  ~TeacherSide() override {
    DropRecoveryCopy();
    fs::remove_all(folder);
  }

  // A new start of the program, answering its dialogs in turn.
  Session& Start(const std::vector<Responder>& answers, const std::vector<fs::path>& files = {}) {
    // Each start is a fresh machine: no copy of an earlier run's work.
    DropRecoveryCopy();
    session = std::make_unique<Session>();
    testing::ScriptStrictly(session->service);
    session->service.PretendScreen({1024, 768});
    session->classSetUpFile = (folder / "class-setup.txt").string();
    for (const Responder& answer : answers) session->service.AnswerNextDialog(answer);
    for (const fs::path& file : files) session->service.AnswerNextFileDialog(file.string());
    ProgramEntry(*session);
    EXPECT_EQ(session->service.PendingResponders(), 0u) << "a dialog expected by the test did not show";
    return *session;
  }

  // A full set-up: the password twice, "Selected" exercises with saving
  // allowed, and the elementary exercises 1, 12 and 20.
  void SetUpClassOfThree(const std::string& password) {
    Start({Click(main_window::kWelcomeSetup), Click(1000), Type(21, password), Type(21, password),
           [](ScriptedDialog& d) {
             d.SetChecked(44, true);
             d.SetChecked(62, true);
             d.Click(1000);
           },
           Click(1000),
           [](ScriptedDialog& d) {
             for (const std::int32_t ex : {1, 12, 20}) d.SetChecked(20 + ex, true);
             d.Click(1000);
           },
           Click(1000), Click(1000)});
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& record : session->service.Transcript()) texts.push_back(record.text);
    return texts;
  }

  fs::path folder;
  std::unique_ptr<Session> session;
};

TEST_F(TeacherSide, ShippedOptionsShowAllElementaryAndBothDefaults) {
  std::vector<std::int32_t> checked;
  session = std::make_unique<Session>();
  testing::ScriptStrictly(session->service);
  session->service.AnswerNextDialog([&](ScriptedDialog& d) {
    for (std::int32_t item = 43; item <= 85; ++item) {
      if (session->service.ItemExists(342, item) && session->service.ItemChecked(342, item)) checked.push_back(item);
    }
    d.Click(1000);
  });
  InspectClassSetUp(*session);
  EXPECT_EQ(checked, (std::vector<std::int32_t>{43, 45, 81, 84}));
  EXPECT_TRUE(session->service.QuitRequested());
}

TEST_F(TeacherSide, AFullSetUpOffersJustTheNominatedExercises) {
  SetUpClassOfThree("Lab4");
  EXPECT_TRUE(session->service.QuitRequested());
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Please be sure that the password is not lost"}));
  ASSERT_TRUE(fs::exists(folder / "class-setup.txt"));

  Session& student = Start({[](ScriptedDialog& d) { d.ClickBackground(); }, Type(11, "Ann")});
  EXPECT_FALSE(student.service.QuitRequested());
  EXPECT_EQ(student.exercises.nominated, 3);
  EXPECT_FALSE(student.progress.setMode);
  EXPECT_EQ(student.progress.exerciseCount, 3);
  EXPECT_EQ(student.exercises.standard[2], 12);
  EXPECT_EQ(student.exercises.standard[3], 20);
  EXPECT_EQ(student.exercises.offset, kElementarySet);
  EXPECT_TRUE(student.classOptions.AllowSaveToDisk());
}

TEST_F(TeacherSide, ChangingParametersBeforeAnyExerciseIsChosenGoesBackToTheChoice) {
  Start({Click(main_window::kWelcomeSetup), Click(1000), Type(21, "Lab4"), Type(21, "Lab4"),
         [](ScriptedDialog& d) {
           d.SetChecked(44, true);
           d.Click(1000);
         },
         [](ScriptedDialog& d) {
           d.SetChecked(22, true);
           d.Click(1000);
         },
         Click(1000),
         [](ScriptedDialog& d) {
           d.SetChecked(25, true);
           d.Click(1000);
         },
         Click(1000), Click(1000)});
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Please be sure that the password is not lost",
                                                  "There are no exercises to change yet: choose from the standard "
                                                  "exercises first."}));
  EXPECT_NE(ReadAll(folder / "class-setup.txt").find("S340/1/5\n"), std::string::npos);
}

TEST_F(TeacherSide, EditingTheLevelAsksForTheExercisesAgain) {
  SetUpClassOfThree("Lab4");
  // Edit, keeping the password: advanced level, then exercise 18 of that set.
  Start({[](ScriptedDialog& d) { d.ClickBackground(); },
         [](ScriptedDialog& d) {
           d.SetText(13, "Lab4");
           d.Click(1000);
         },
         Click(980),
         [](ScriptedDialog& d) {
           d.SetChecked(46, true);
           d.Click(1000);
         },
         Click(1000),
         [this](ScriptedDialog& d) {
           for (std::int32_t ex = 1; ex <= 20; ++ex) {
             EXPECT_FALSE(session->service.ItemChecked(306, 20 + ex)) << "exercise " << ex << " of the other level";
           }
           d.SetChecked(38, true);
           d.Click(1000);
         },
         Click(1000), Click(1000)});
  EXPECT_EQ(Messages(), (std::vector<std::string>{"The exercises were chosen from the other level.  Please nominate "
                                                  "them again."}));
  Session& student = Start({[](ScriptedDialog& d) { d.ClickBackground(); }, Type(11, "Ann")});
  EXPECT_EQ(student.exercises.nominated, 1);
  EXPECT_EQ(student.exercises.offset, kAdvancedSet);
  EXPECT_EQ(ExerciseTitle(student.strings, student.exercises, 1), "Order of loci");
}

TEST_F(TeacherSide, PasswordsThatDifferOnlyInCaseDoNotCheck) {
  Start({Click(main_window::kWelcomeSetup), Click(1000), Type(21, "Lab4"), Type(21, "lab4")});
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Password does not check.  Please repeat procedure"}));
  EXPECT_TRUE(session->service.QuitRequested());
  EXPECT_FALSE(fs::exists(folder / "class-setup.txt"));
}

TEST_F(TeacherSide, PasswordOnlyKeepsTheShippedExercises) {
  Start({Click(main_window::kWelcomeSetup),
         [](ScriptedDialog& d) {
           d.SetChecked(21, true);
           d.Click(1000);
         },
         Type(21, "secret"), Type(21, "secret"), Click(1000)});
  const std::string file = ReadAll(folder / "class-setup.txt");
  EXPECT_NE(file.find("S738/4/51558\n"), std::string::npos) << file;
  Session& next = Start({[](ScriptedDialog& d) { d.ClickBackground(); }, Type(11, "Ann")});
  EXPECT_EQ(next.exercises.nominated, 0);
  EXPECT_TRUE(next.progress.setMode);
}

TEST_F(TeacherSide, AHandEditedSetUpStopsTheNextStart) {
  SetUpClassOfThree("Lab4");
  std::string file = ReadAll(folder / "class-setup.txt");
  const std::size_t options = file.find("S738/5/");
  ASSERT_NE(options, std::string::npos);
  file[options + 7 + 5] = file[options + 7 + 5] == '1' ? '0' : '1';  // "Random in exercise"
  std::ofstream(folder / "class-setup.txt", std::ios::binary) << file;

  Session& next = Start({});
  EXPECT_TRUE(next.service.QuitRequested());
  ASSERT_EQ(next.service.Transcript().size(), 1u);
  EXPECT_EQ(next.service.Transcript()[0].kind, op::kErrorBox);
  EXPECT_EQ(next.service.Transcript()[0].text.rfind("Resources changed\n\nThe class set-up file " +
                                                    (folder / "class-setup.txt").string(), 0),
            0u);
  EXPECT_NE(next.service.Transcript()[0].text.find("delete this file"), std::string::npos);
}

TEST_F(TeacherSide, ASlotOfTwentyFourCharactersIsNoExercise) {
  SetUpClassOfThree("Lab4");
  // The third slot cut short, with the check number made to match as the
  // set-up would have made it.
  std::string file = ReadAll(folder / "class-setup.txt");
  const std::size_t slot = file.find("S741/3/");
  ASSERT_NE(slot, std::string::npos);
  file.replace(slot + 7, 57, std::string(24, '1'));
  StringLists strings;
  ASSERT_TRUE(strings.SetOverrides(std::get<std::vector<OverrideRecord>>(ParseClassSetUpFile(file))));
  const std::size_t check = file.find("S738/3/") + 7;
  file.replace(check, file.find('\n', check) - check, std::to_string(SetUpCheckNumber(strings)));
  std::ofstream(folder / "class-setup.txt", std::ios::binary) << file;

  Session& student = Start({[](ScriptedDialog& d) { d.ClickBackground(); }, Type(11, "Ann")});
  EXPECT_FALSE(student.service.QuitRequested());
  EXPECT_EQ(student.exercises.nominated, 2);
  EXPECT_EQ(student.progress.exerciseCount, 2);
}

TEST_F(TeacherSide, TheTeacherWritesTwoStudentsAnswersAndReadsTheClassMarks) {
  SetUpClassOfThree("Lab4");
  const fs::path answers = folder / "answers.txt";
  Session& teacher = Start({[](ScriptedDialog& d) { d.ClickBackground(); },
                            [](ScriptedDialog& d) {
                              d.SetText(13, "Lab4");
                              d.Click(1000);
                            },
                            Click(50), Click(1000), Click(1000), Type(11, "Ann")},
                           {answers});
  ASSERT_FALSE(teacher.service.QuitRequested());
  EXPECT_TRUE(teacher.teacher.teacherRun);
  EXPECT_EQ(teacher.identity.number, NameToNumber("Ann"));
  EXPECT_TRUE(teacher.service.WindowVisible(main_window::kWindow));

  teacher.service.AnswerNextDialog(Type(12, "4321"));
  ASSERT_TRUE(teacher.service.ChooseMenuCommand(kAnswersMenu, 155));
  EXPECT_EQ(teacher.identity.number, 4321);
  const std::string text = ReadAll(answers);
  EXPECT_EQ(Count(text, "\n$\n"), 2u) << text;
  EXPECT_NE(text.find("Name:  Ann\n"), std::string::npos);
  EXPECT_NE(text.find("Number:    4321\n"), std::string::npos);
  EXPECT_EQ(Count(text, "Exercise No. "), 6u);

  // Two students' saved work and a damaged file in the class folder.
  const fs::path work = folder / "work";
  fs::create_directories(work);
  for (const auto& [file, number] : {std::pair{"ann.cwk", NameToNumber("Ann")}, std::pair{"bo.cwk", 4321}}) {
    SessionState state = RecreateExample(teacher.strings, number, kElementarySet, 1);
    state.progress.exerciseCount = 3;
    const auto bytes = EncodeSavedWork(CaptureWork(state, WorkspacePlaces()));
    std::ofstream(work / file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                       static_cast<std::streamsize>(bytes.size()));
  }
  std::ofstream(work / "notes.cwk") << "not saved work";
  std::vector<std::vector<std::string>> rows;
  teacher.service.AnswerNextFileDialog(work.string());
  teacher.service.AnswerNextFileDialog((folder / "marks.csv").string());
  teacher.service.AnswerNextDialog(Click(30));
  teacher.service.AnswerNextDialog([&](ScriptedDialog& d) {
    rows = teacher.service.TableRows(790, 20);
    EXPECT_NE(teacher.service.ItemText(790, 12).find("notes.cwk"), std::string::npos);
    d.Click(40);
  });
  teacher.service.AnswerNextDialog(Click(1000));
  ASSERT_TRUE(teacher.service.ChooseMenuCommand(kAnswersMenu, 156));
  ASSERT_EQ(rows.size(), 2u);
  // In file name order: ann.cwk, then bo.cwk.
  EXPECT_EQ(rows[0][1], std::to_string(NameToNumber("Ann")));
  EXPECT_EQ(rows[1][1], "4321");
  const std::string csv = ReadAll(folder / "marks.csv");
  EXPECT_EQ(csv.rfind("\xEF\xBB\xBFName,Number,File", 0), 0u);
  EXPECT_EQ(Count(csv, "\r\n"), 3u);
  EXPECT_FALSE(fs::exists(RecoveryFile())) << "a teacher's run is offered to the next student";
}

TEST_F(TeacherSide, TheTeachersGeneSymbolsRefuseWhatIsNotALetterAndLastForLaterStudents) {
  SetUpClassOfThree("Lab4");
  Session& teacher = Start({[](ScriptedDialog& d) { d.ClickBackground(); },
                            [](ScriptedDialog& d) {
                              d.SetText(13, "Lab4");
                              d.Click(1000);
                            },
                            Click(1000), Type(11, "Ann")});
  ASSERT_TRUE(teacher.teacher.teacherRun);
  const std::int32_t character = teacher.genetics.loci[1].character;
  const char before = teacher.genetics.upperSymbol[character];
  const char chosen = before == 'Q' ? 'R' : 'Q';

  teacher.service.AnswerNextDialog(Type(21, "3"));
  ASSERT_TRUE(teacher.service.ChooseMenuCommand(kAnswersMenu, 157));
  EXPECT_EQ(Messages().back(), "3 is not a valid gene symbol");
  EXPECT_EQ(teacher.genetics.upperSymbol[character], before);

  // A letter another locus or the Y chromosome is written with is refused too.
  teacher.service.AnswerNextDialog(Type(21, "y"));
  ASSERT_TRUE(teacher.service.ChooseMenuCommand(kAnswersMenu, 157));
  EXPECT_EQ(Messages().back(), "y is already used for another gene or the Y chromosome");
  EXPECT_EQ(teacher.genetics.upperSymbol[character], before);

  teacher.service.AnswerNextDialog(Type(21, std::string(1, static_cast<char>(std::tolower(chosen)))));
  ASSERT_TRUE(teacher.service.ChooseMenuCommand(kAnswersMenu, 157));
  EXPECT_EQ(teacher.genetics.upperSymbol[character], chosen);
  EXPECT_NE(teacher.genetics.loci[1].femaleText[2].find(static_cast<char>(std::tolower(chosen))), std::string::npos);

  // The next student's example of the same organism is written with the same letter.
  teacher.service.AnswerNextDialog(Type(11, "Ann"));
  ASSERT_TRUE(teacher.service.ChooseMenuCommand(kAnswersMenu, 155));
  EXPECT_EQ(teacher.genetics.upperSymbol[character], chosen);
}

}  // namespace
}  // namespace crossmere
