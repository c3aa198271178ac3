#include "program/saved_work_commands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include "program/startup.h"
#include "records/class_options.h"
#include "session/saved_work.h"
#include "tests/layer/strict_service.h"
#include "tests/workspace/running_program.h"
#include "workspace/containers.h"
#include "workspace/main_window.h"

namespace crossmere {
namespace {

using namespace main_window;

QByteArray Contents(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A student's workspace with a little of everything on it, and a folder to
// save it in.
class SavedWorkOnScreen : public testing::RunningProgram {
 protected:
  SavedWorkOnScreen() {
    const std::int32_t cage = NewContainer(520, 320);
    PutInContainer(session, cage, PutOnWorkspace(session.genetics.objectClass[kFirstParentObject]));
    ContainerLabelRedraw(session, cage);
    first = PutOnWorkspace(session.genetics.objectClass[kSecondParentObject], 120, 400);
    second = PutOnWorkspace(session.genetics.objectClass[kFirstParentObject], 260, 460);
    session.progress.totalObtained = 5;
    session.progress.totalPossible = 7;
    path = folder.filePath("Ann's animals").toStdString();
  }

  std::int32_t NewContainer(std::int32_t left, std::int32_t top) {
    const std::int32_t spare = containers::kFirst + 1;
    const ServiceRect r = Rect(spare);
    DragBy(spare, left - r.left, top - r.top);
    return spare;
  }

  void Save() {
    service.AnswerNextFileDialog(path);
    SaveWork(session);
  }

  void AnswerOpenedDialog(std::string* name, std::string* number) {
    service.AnswerNextDialog([this, name, number](ScriptedDialog& d) {
      EXPECT_EQ(d.Number(), 424);
      *name = service.ItemText(424, 3);
      *number = service.ItemText(424, 4);
      d.Click(1000);
    });
  }

  QTemporaryDir folder;
  std::string path;
  std::int32_t first = 0;
  std::int32_t second = 0;
};

TEST_F(SavedWorkOnScreen, OpeningBringsBackTheIndividualsContainersAndMarks) {
  Save();
  ASSERT_TRUE(QFile::exists(QString::fromStdString(path)));
  EXPECT_TRUE(service.Transcript().empty());
  const SessionState saved = session;
  const ServiceRect firstPlace = Rect(first);
  const ServiceRect cagePlace = Rect(containers::kFirst + 1);

  // The student carries on, then opens the saved work again.
  DragBy(first, 200, 40);
  service.AnswerNextDialog([](ScriptedDialog& d) { d.Click(1000); });
  ContainerCommand(session, containers::kClearAll);
  session.progress.totalObtained = 0;
  std::string name, number;
  AnswerOpenedDialog(&name, &number);
  ASSERT_TRUE(RestoreWork(session, path));
  EXPECT_EQ(name, "Ann");
  EXPECT_EQ(number, std::to_string(session.identity.number));

  EXPECT_EQ(session.genetics.objectClass, saved.genetics.objectClass);
  EXPECT_EQ(Rect(first).left, firstPlace.left);
  EXPECT_EQ(Rect(first).top, firstPlace.top);
  EXPECT_TRUE(service.ItemVisible(kWindow, second));
  EXPECT_EQ(Rect(containers::kFirst + 1).left, cagePlace.left);
  for (std::int32_t c = containers::kFirst; c <= containers::kLast; ++c) {
    EXPECT_EQ(session.containers.Record(c).count, saved.containers.Record(c).count) << c;
    EXPECT_EQ(session.containers.Record(c).name, saved.containers.Record(c).name) << c;
  }
  EXPECT_EQ(service.ItemText(kWindow, containers::kFirst + 1 + containers::kLabelOffset),
            saved.containers.Record(containers::kFirst + 1).name);
  EXPECT_EQ(session.progress.totalObtained, 5);
  EXPECT_EQ(session.progress.totalPossible, 7);
  EXPECT_EQ(session.genetics.kind, saved.genetics.kind);
  EXPECT_EQ(session.genetics.loci[1].character, saved.genetics.loci[1].character);
  EXPECT_TRUE(service.ItemVisible(kWindow, kFirstParentObject)) << "the parents stand in the crossing box";
  EXPECT_EQ(session.savedWorkFile, path);
}

TEST_F(SavedWorkOnScreen, ADamagedFileChangesNothing) {
  Save();
  QByteArray bytes = Contents(path);
  bytes.chop(6);
  const std::string damaged = folder.filePath("damaged").toStdString();
  QFile out(QString::fromStdString(damaged));
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(bytes);
  out.close();

  const SessionState before = session;
  const ServiceRect place = Rect(first);
  service.ClearTranscript();
  EXPECT_FALSE(RestoreWork(session, damaged));
  ASSERT_EQ(service.Transcript().size(), 1u);
  EXPECT_EQ(service.Transcript()[0].kind, op::kErrorBox);
  EXPECT_EQ(service.Transcript()[0].text,
            "The file \"" + damaged +
                "\" could not be opened: it is damaged or is not a Crossmere saved-work file (its length is not a "
                "whole number of words).  Nothing has changed.");
  EXPECT_EQ(session.genetics.objectClass, before.genetics.objectClass);
  EXPECT_EQ(session.identity.number, before.identity.number);
  EXPECT_EQ(Rect(first).left, place.left);

  service.ClearTranscript();
  EXPECT_FALSE(RestoreWork(session, folder.filePath("missing").toStdString()));
  ASSERT_EQ(service.Transcript().size(), 1u);
  EXPECT_NE(service.Transcript()[0].text.find("could not be opened"), std::string::npos);
}

// Root may write into a read-only folder, so a file size limit stands in for
// a full disk: the write fails part way, as it would there.
TEST_F(SavedWorkOnScreen, AFailedWriteLeavesTheEarlierFileAsItWas) {
  Save();
  const QByteArray earlier = Contents(path);
  ASSERT_FALSE(earlier.isEmpty());
  PutOnWorkspace(session.genetics.objectClass[kFirstParentObject], 400, 420);

  rlimit limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit small{64, limit.rlim_max};
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  service.ClearTranscript();
  Save();
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(Contents(path), earlier);
  ASSERT_EQ(service.Transcript().size(), 1u);
  EXPECT_EQ(service.Transcript()[0].text.rfind("Your work was not saved.  The file \"" + path + "\" could not be written: ", 0),
            0u)
      << service.Transcript()[0].text;
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1) << "no temporary is left behind";
}

TEST_F(SavedWorkOnScreen, SavingIsDimmedUnlessTheClassAllowsIt) {
  for (const std::int32_t command : {kOpenCommand, kSaveAsCommand}) {
    ASSERT_FALSE(service.MenuItems(command).empty());
    EXPECT_FALSE(service.MenuItems(command)[0].enabled) << command;
  }
}

TEST(SavedWorkAtEntry, OpenInTheEntryDialogRestoresTheStudent) {
  QTemporaryDir folder;
  const std::string path = folder.filePath("work").toStdString();
  ClassOptions options = LoadClassOptions(StringLists());
  options.SetItem(62, true);  // "Allow save to disk"
  std::int32_t savedNumber = 0;
  DropRecoveryCopy();
  {
    Session first;
    testing::ScriptStrictly(first.service);
    first.service.PretendScreen({1024, 768});
    first.strings.ListStringStore(738, 5, false, OptionsText(options));
    first.service.AnswerNextDialog([](ScriptedDialog& d) { d.ClickBackground(); });
    first.service.AnswerNextDialog([](ScriptedDialog& d) {
      d.SetText(11, "Ann");
      d.Click(1000);
    });
    ProgramEntry(first);
    EXPECT_TRUE(first.service.MenuItems(kSaveAsCommand)[0].enabled);
    first.service.AnswerNextFileDialog(path);
    ASSERT_TRUE(first.service.ChooseMenuCommand(kFileMenu, kSaveAsCommand));
    savedNumber = first.identity.number;
    DropRecoveryCopy();  // as the program ending normally does
  }
  Session again;
  testing::ScriptStrictly(again.service);
  again.service.PretendScreen({1024, 768});
  again.strings.ListStringStore(738, 5, false, OptionsText(options));
  again.service.AnswerNextDialog([](ScriptedDialog& d) { d.ClickBackground(); });
  again.service.AnswerNextDialog([&again, &path](ScriptedDialog& d) {
    EXPECT_EQ(d.Number(), 411);
    again.service.AnswerNextFileDialog("");  // cancelled: the entry dialog asks again
    d.Click(980);
    again.service.AnswerNextDialog([&again, &path](ScriptedDialog& retry) {
      again.service.AnswerNextFileDialog(path);
      again.service.AnswerNextDialog([](ScriptedDialog& opened) { opened.Click(1000); });
      retry.Click(980);
    });
  });
  ProgramEntry(again);
  EXPECT_FALSE(again.service.QuitRequested());
  EXPECT_EQ(again.identity.number, savedNumber);
  EXPECT_EQ(again.identity.name, "Ann");
  EXPECT_TRUE(again.service.WindowVisible(kWindow));
  EXPECT_EQ(again.service.PendingResponders(), 0u);
  const QByteArray saved = Contents(path);
  const auto work = DecodeSavedWork(
      std::span(reinterpret_cast<const std::uint8_t*>(saved.constData()), static_cast<std::size_t>(saved.size())));
  ASSERT_TRUE(work.has_value() && work->extension.has_value());
  EXPECT_EQ(again.random.CurrentState(), work->extension->generator) << "the generator goes on where it stood";
}

// Recovery copies are kept only where the class allows saving.
class RecoveryCopies : public SavedWorkOnScreen {
 protected:
  RecoveryCopies() {
    session.classOptions.SetItem(62, true);
    DropRecoveryCopy();
  }
  ~RecoveryCopies() override { DropRecoveryCopy(); }

  static bool CopyExists() { return QFile::exists(QString::fromStdString(RecoveryFile())); }
};

TEST_F(RecoveryCopies, AreKeptAsTheStudentWorksAndDroppedOnExit) {
  ASSERT_FALSE(CopyExists());
  service.PostEvent(kWindow, 0, 0);  // any click: the first copy is due at once
  ASSERT_TRUE(CopyExists());
  const auto copy = DecodeSavedWork(std::span(reinterpret_cast<const std::uint8_t*>(Contents(RecoveryFile()).constData()),
                                              static_cast<std::size_t>(Contents(RecoveryFile()).size())));
  ASSERT_TRUE(copy.has_value());
  EXPECT_EQ(copy->studentNumber, session.identity.number);
  EXPECT_EQ(copy->totalObtained, 5);

  ASSERT_TRUE(service.ChooseMenuCommand(kFileMenu, kExitCommand));
  EXPECT_FALSE(CopyExists());
}

// Within the few minutes between copies, every finished try still keeps one.
TEST_F(RecoveryCopies, EveryFinishedTryKeepsACopy) {
  session.clock = [] { return std::int64_t{1'000'000}; };  // time stands still
  service.PostEvent(kWindow, 0, 0);
  ASSERT_TRUE(CopyExists());
  DropRecoveryCopy();
  service.PostEvent(kWindow, 0, 0);
  EXPECT_FALSE(CopyExists()) << "not yet due";
  for (int tryNumber = 1; tryNumber <= 2; ++tryNumber) {
    session.progress.tryFinished = true;
    service.PostEvent(kWindow, 0, 0);
    EXPECT_TRUE(CopyExists()) << "try " << tryNumber;
    DropRecoveryCopy();
    service.PostEvent(kWindow, 0, 0);
    EXPECT_FALSE(CopyExists()) << "once for each finished try";
    session.progress.tryFinished = false;  // the next try begins
    service.PostEvent(kWindow, 0, 0);
  }
}

// An event handled while another pumps messages (a pause, a drag) would
// catch the work halfway through: the copy waits for the outer one to end.
TEST_F(RecoveryCopies, AreNotKeptHalfwayThroughAnEvent) {
  session.eventsUnderWay = 1;  // as inside an outer event
  service.PostEvent(kWindow, 0, 0);
  EXPECT_FALSE(CopyExists());
  session.eventsUnderWay = 0;
  service.PostEvent(kWindow, 0, 0);
  EXPECT_TRUE(CopyExists());
}

TEST_F(RecoveryCopies, AreOfferedAtTheNextStartAfterACrash) {
  service.PostEvent(kWindow, 0, 0);
  ASSERT_TRUE(CopyExists());
  const std::int32_t number = session.identity.number;

  for (const bool carryOn : {false, true}) {
    Session next;
    testing::ScriptStrictly(next.service);
    next.service.PretendScreen({1024, 768});
    ClassOptions options = LoadClassOptions(StringLists());
    options.SetItem(62, true);
    next.strings.ListStringStore(738, 5, false, OptionsText(options));
    next.service.AnswerNextDialog([](ScriptedDialog& d) { d.ClickBackground(); });
    next.service.AnswerNextDialog([carryOn](ScriptedDialog& d) {
      EXPECT_EQ(d.Number(), 425);
      d.Click(carryOn ? 1000 : 990);
    });
    if (carryOn) {
      next.service.AnswerNextDialog([](ScriptedDialog& d) { d.Click(1000); });  // "Crossmere file opened:"
    } else {
      next.service.AnswerNextDialog([](ScriptedDialog& d) {
        d.SetText(11, "Bo");
        d.Click(1000);
      });
    }
    ProgramEntry(next);
    EXPECT_EQ(next.identity.number == number, carryOn);
    EXPECT_TRUE(CopyExists()) << "the copy stays until a run keeps its own or ends normally";
    EXPECT_EQ(next.service.PendingResponders(), 0u);
  }
}

}  // namespace
}  // namespace crossmere
