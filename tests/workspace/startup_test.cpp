#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>

#include <set>

#include "program/event_routine.h"
#include "program/startup.h"
#include "records/identity.h"
#include "tests/layer/strict_service.h"
#include "tutor/progression.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace main_window;

class Startup : public ::testing::Test {
 protected:
  Startup() {
    testing::ScriptStrictly(session.service);
    session.service.PretendScreen({1024, 768});
  }

  void StartWith(std::function<void(ScriptedDialog&)> welcome,
                 std::function<void(ScriptedDialog&)> entry = EnterName("Ann")) {
    session.service.AnswerNextDialog(std::move(welcome));
    session.service.AnswerNextDialog(std::move(entry));
    ProgramEntry(session);
  }

  static std::function<void(ScriptedDialog&)> EnterName(std::string name) {
    return [name](ScriptedDialog& d) {
      d.SetText(11, name);
      d.Click(1000);
    };
  }

  void Start() {
    StartWith([](ScriptedDialog& d) { d.ClickBackground(); });
  }

  Session session;
  WindowService& service = session.service;
};

TEST_F(Startup, WelcomeThenTheMainWindowAtItsLayoutSize) {
  bool welcomeSeen = false;
  StartWith([&](ScriptedDialog& d) {
    welcomeSeen = d.Number() == kWelcome;
    EXPECT_FALSE(service.WindowVisible(kWindow)) << "main window shows after the welcome";
    d.ClickBackground();
  });
  EXPECT_TRUE(welcomeSeen);
  EXPECT_FALSE(service.WindowExists(kWelcome)) << "welcome window released";
  EXPECT_TRUE(service.WindowVisible(kWindow));
  EXPECT_TRUE(service.Transcript().empty());
  service.WindowBounds(kWindow);
  const auto& rect = service.Registers().windowRect;
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right - rect.left, 800);
  EXPECT_EQ(rect.bottom - rect.top, 600);
}

TEST_F(Startup, LargeScreensGetTheLargeLayout) {
  service.PretendScreen({1920, 1080});
  Start();
  EXPECT_EQ(session.startup.layout, (LayoutSize{1280, 960}));
  service.WindowBounds(kWindow);
  EXPECT_EQ(service.Registers().windowRect.right, 1280);
  EXPECT_EQ(service.Registers().windowRect.bottom, 960);
}

TEST_F(Startup, WelcomeLevelChoice) {
  StartWith([](ScriptedDialog& d) {
    d.SetChecked(kWelcomeAdvanced, true);
    d.ClickBackground();
  });
  EXPECT_EQ(session.startup.advancedLevel, 1);
  EXPECT_EQ(session.exercises.offset, kAdvancedSet);
}

TEST_F(Startup, FourStartBitsWithExactlyTwoSet) {
  Start();
  const auto& bits = session.offspring.forcedHomologs;
  for (const auto bit : bits) EXPECT_TRUE(bit == 0 || bit == 1);
  EXPECT_EQ(bits[0] + bits[1] + bits[2] + bits[3], 2);
}

TEST_F(Startup, MainWindowHoldsEveryItem) {
  Start();
  std::set<std::int32_t> expected;
  auto range = [&](std::int32_t first, std::int32_t last) {
    for (std::int32_t n = first; n <= last; ++n) expected.insert(n);
  };
  range(1, 130);
  range(1301, 1317);
  range(1321, 1337);
  range(1501, 1504);
  range(1511, 1515);
  range(2003, 2006);
  range(2011, 2018);
  range(2021, 2025);
  for (const std::int32_t n : {1340, 1341, 2341, 2008, 2010, 2500, 2501, 4131, 899, 5678}) expected.insert(n);
  for (const std::int32_t n : expected) {
    service.ItemSelect(kWindow, n);
    EXPECT_TRUE(service.Registers().itemFound) << "item " << n;
  }
  struct Place {
    std::int32_t item, left, top, width, height;
  };
  for (const Place p : {Place{129, 8, 18, 105, 96}, Place{130, 123, 18, 94, 96},
                        Place{1301, 16, 138, 71, 34}, Place{1302, 515, 28, 71, 34},
                        Place{2008, 562, 342, 39, 42}, Place{5678, 1888, 776, 71, 34}}) {
    service.ItemSelect(kWindow, p.item);
    const auto& r = service.Registers().windowRect;
    EXPECT_EQ(r.left, p.left) << "item " << p.item;
    EXPECT_EQ(r.top, p.top) << "item " << p.item;
    EXPECT_EQ(r.right - r.left, p.width) << "item " << p.item;
    EXPECT_EQ(r.bottom - r.top, p.height) << "item " << p.item;
  }
  service.ItemSelect(kWindow, 1);
  EXPECT_EQ(service.Registers().windowRect.left, 1888) << "the class pictures' template is parked";
  EXPECT_EQ(service.Registers().windowRect.top, 0);
  // Menus share numbers with class pictures (105, 120, ...); lookups never find a menu.
  for (std::int32_t n = 1; n <= 128; ++n) {
    service.ItemSelect(kWindow, n);
    const std::int32_t width = service.Registers().windowRect.right - service.Registers().windowRect.left;
    if (session.genetics.classPictureBuilt[n]) {
      EXPECT_EQ(width, 96) << "class picture " << n << " sized to the Monkbear's frame";
    } else {
      EXPECT_EQ(width, 105) << "class picture " << n << " is a clone of item 1";
    }
    EXPECT_FALSE(service.Registers().itemState.visible);
  }
  EXPECT_EQ(service.ItemText(kWindow, 1341), "Spare cages");
  EXPECT_EQ(service.ItemText(kWindow, 2341), "Spare bottles");
  EXPECT_TRUE(service.ItemVisible(kWindow, 1301));
  EXPECT_TRUE(service.ItemVisible(kWindow, 2008));
  EXPECT_FALSE(service.ItemVisible(kWindow, 2010));
}

TEST_F(Startup, MenusMatchTheStudentRun) {
  Start();
  struct Shown {
    std::int32_t number;
    bool visible;
  };
  for (const Shown s : {Shown{kFileMenu, true}, Shown{kAutoMenu, true}, Shown{kCagesMenu, true},
                        Shown{kBottlesMenu, false}, Shown{kTraysMenu, false},
                        Shown{kQuestionsMenu, true}, Shown{kExercisesMenu, false},
                        Shown{kExerciseAndAnswersMenu, false}, Shown{kTrialMenu, true},
                        Shown{kInstructionsMenu, true}, Shown{kAnswersMenu, false},
                        Shown{kAnswersMenuCopy, false}, Shown{kEndTrialCommand, false}}) {
    const auto items = service.MenuItems(s.number);
    ASSERT_FALSE(items.empty()) << s.number;
    EXPECT_EQ(items[0].visible, s.visible) << s.number;
  }
  EXPECT_EQ(service.MenuItems(kColourCommand)[0].caption, "Colour");
  EXPECT_TRUE(service.MenuItems(kFileMenu)[0].enabled);
  EXPECT_FALSE(service.MenuItems(0).empty() ? true : service.MenuItems(0)[0].enabled) << "Edit stays dimmed";
  EXPECT_FALSE(service.MenuItems(kAutoFillCommand)[0].checked);
  EXPECT_TRUE(service.MenuItems(kAutoNameCommand)[0].checked);
}

// Every command can be reached from the keyboard: as a menu opens, each of
// its commands has a mnemonic, no two alike, the program's own captions
// (the questions' among them) included.
TEST_F(Startup, EveryMenuCommandHasAMnemonicOfItsOwn) {
  Start();
  service.Registers().stringRegister = "Cross & count";
  service.Menu(progression::kTrialCommand, 0, static_cast<std::int32_t>(MenuAction::Caption), 0);
  QMainWindow* main = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<QMainWindow*>(w)) main = window;
  }
  ASSERT_NE(main, nullptr);
  std::int32_t commands = 0;
  for (QMenu* menu : main->findChildren<QMenu*>()) {
    emit menu->aboutToShow();
    std::set<int> keys;
    for (const QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      ++commands;
      const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
      ASSERT_FALSE(mnemonic.isEmpty()) << action->text().toStdString();
      EXPECT_TRUE(keys.insert(mnemonic[0].toCombined()).second)
          << action->text().toStdString() << " repeats a mnemonic of " << menu->title().toStdString();
    }
  }
  EXPECT_GT(commands, 50);
  EXPECT_EQ(service.MenuItems(progression::kTrialCommand)[0].caption, "Cross & count") << "an ampersand is shown as it is";
}

TEST_F(Startup, SharedCommandChangesInAllThreeContainerMenus) {
  Start();
  constexpr std::int32_t kEmpty = 183;
  ASSERT_EQ(service.MenuItems(kEmpty).size(), 3u);
  service.Menu(kEmpty, 0, static_cast<std::int32_t>(MenuAction::Enable), 0);
  service.Registers().stringRegister = "Empty it";
  service.Menu(0, 0, static_cast<std::int32_t>(MenuAction::Caption), kEmpty);
  service.Menu(kEmpty, 1, static_cast<std::int32_t>(MenuAction::Check), 0);
  for (const auto& item : service.MenuItems(kEmpty)) {
    EXPECT_FALSE(item.enabled);
    EXPECT_TRUE(item.checked);
    EXPECT_EQ(item.caption, "Empty it");
  }
  // By position: the second entry of the Bottles menu only.
  service.Menu(kBottlesMenu, 1, static_cast<std::int32_t>(MenuAction::Enable), 2);
  const auto after = service.MenuItems(kEmpty);
  EXPECT_EQ(std::count_if(after.begin(), after.end(), [](const auto& i) { return i.enabled; }), 1);
  // A menu with fewer entries than asked for is left alone.
  service.Menu(kBottlesMenu, 1, static_cast<std::int32_t>(MenuAction::Check), 40);
}

TEST_F(Startup, BottlesCommandIsPostedWithItsMenuNumber) {
  Start();
  service.Menu(kBottlesMenu, 0, 0, -1);
  service.Menu(kCagesMenu, 0, 0, -2);
  service.Menu(183, 1, static_cast<std::int32_t>(MenuAction::Enable), 0);
  ASSERT_TRUE(service.ChooseMenuCommand(kBottlesMenu, 183));
  EXPECT_EQ(service.Registers().eventWindow, kBottlesMenu);
  EXPECT_EQ(service.Registers().eventItem, 183);
  EXPECT_EQ(service.Registers().eventMenuPos, 2);
  EXPECT_FALSE(service.ChooseMenuCommand(kCagesMenu, 183)) << "hidden menu";
}

TEST_F(Startup, AutoMenuTogglesItsCheckMarks) {
  Start();
  ASSERT_TRUE(service.ChooseMenuCommand(kAutoMenu, kAutoFillCommand));
  EXPECT_TRUE(session.autoSettings.autoFill);
  EXPECT_TRUE(service.MenuItems(kAutoFillCommand)[0].checked);
  ASSERT_TRUE(service.ChooseMenuCommand(kAutoMenu, kAutoNameCommand));
  EXPECT_FALSE(session.autoSettings.autoName);
  EXPECT_FALSE(service.MenuItems(kAutoNameCommand)[0].checked);
  ASSERT_TRUE(service.ChooseMenuCommand(kAutoMenu, kAutoFillCommand));
  EXPECT_FALSE(session.autoSettings.autoFill);
}

TEST_F(Startup, PicturesRouteOnlyLeftPressesOutsideDrags) {
  Start();
  service.PressPicture(kWindow, 2008, false, false);
  EXPECT_EQ(service.Registers().eventItem, 0) << "right button does nothing";
  service.PressPicture(kWindow, 1301, true);
  EXPECT_EQ(service.Registers().eventItem, 1301);
  EXPECT_EQ(service.Registers().clickCount, 2);
  service.Registers().dragActive = true;
  service.PressPicture(kWindow, 2008);
  EXPECT_EQ(service.Registers().eventItem, 1301) << "ignored during a drag";
}

TEST_F(Startup, TheStudentsNameGivesTheNumberAndTheFirstExample) {
  Start();
  EXPECT_EQ(session.identity.number, NameToNumber("Ann"));
  EXPECT_TRUE(session.identity.nameGiven);
  EXPECT_EQ(session.progress.current, 1);
  EXPECT_EQ(session.questions.list.count, 1);
  EXPECT_EQ(session.questions.list.types[1], 23) << "the first exercise is getting started";
  EXPECT_NE(session.genetics.objectClass[129], 0);
  EXPECT_NE(session.genetics.objectClass[130], 0);
  EXPECT_EQ(session.offspring.pending, 133);
  // On screen: both parents in the crossing box, the offspring in the offspring box.
  EXPECT_TRUE(service.ItemVisible(kWindow, 129));
  EXPECT_TRUE(service.ItemVisible(kWindow, 130));
  ASSERT_TRUE(service.ItemVisible(kWindow, 133));
  service.ItemSelect(kWindow, 2015);
  const auto well = service.Registers().windowRect;
  service.ItemSelect(kWindow, 133);
  const auto child = service.Registers().windowRect;
  EXPECT_GE(child.left, well.left);
  EXPECT_LE(child.right, well.right);
  EXPECT_GE(child.top, well.top);
  EXPECT_LE(child.bottom, well.bottom);
  EXPECT_TRUE(session.genetics.classPictureBuilt[session.genetics.objectClass[133]]);

  Session again;
  testing::ScriptStrictly(again.service);
  again.service.PretendScreen({1024, 768});
  again.service.AnswerNextDialog([](ScriptedDialog& d) { d.ClickBackground(); });
  again.service.AnswerNextDialog(EnterName("ANN"));
  ProgramEntry(again);
  EXPECT_EQ(again.genetics.objectClass[129], session.genetics.objectClass[129]);
  EXPECT_EQ(again.genetics.loci[1].character, session.genetics.loci[1].character);
  EXPECT_EQ(again.genetics.kind, session.genetics.kind);
}

TEST_F(Startup, EntryDialogWarnsAndAsksAgain) {
  StartWith([](ScriptedDialog& d) { d.ClickBackground(); },
            [this](ScriptedDialog& d) {
              d.Click(1000);  // nothing typed
              service.AnswerNextDialog([this](ScriptedDialog& again) {
                again.SetText(11, "Bo");
                again.SetText(12, "1234");
                again.Click(1000);
                service.AnswerNextDialog([](ScriptedDialog& third) {
                  third.SetText(11, "1234");
                  third.Click(1000);
                });
              });
            });
  ASSERT_EQ(service.Transcript().size(), 2u);
  EXPECT_EQ(service.Transcript()[0], (MessageRecord{op::kWarningBox, "Need a name or valid number"}));
  EXPECT_EQ(service.Transcript()[1],
            (MessageRecord{op::kWarningBox, "Shouldn't have entry in both name and number"}));
  EXPECT_EQ(session.identity.number, 1234);
  EXPECT_FALSE(session.identity.nameGiven);
  EXPECT_FALSE(service.WindowExists(410));
}

TEST_F(Startup, CancelAtTheEntryEndsTheProgram) {
  StartWith([](ScriptedDialog& d) { d.ClickBackground(); },
            [this](ScriptedDialog& d) {
              service.AnswerNextDialog([](ScriptedDialog& ask) {
                EXPECT_EQ(ask.Number(), 426) << "Quit Crossmere?";
                ask.Click(1000);
              });
              d.Click(990);
            });
  EXPECT_TRUE(service.QuitRequested());
  EXPECT_EQ(session.identity.number, 0);
}

// Escape is easily pressed by mistake: the student is asked before the
// program ends, and can go back to give their name.
TEST_F(Startup, CancelAtTheEntryAsksFirst) {
  StartWith([](ScriptedDialog& d) { d.ClickBackground(); },
            [this](ScriptedDialog& d) {
              service.AnswerNextDialog([](ScriptedDialog& ask) { ask.Click(990); });
              service.AnswerNextDialog(EnterName("Ann"));
              d.Click(990);
            });
  EXPECT_FALSE(service.QuitRequested());
  EXPECT_EQ(session.identity.number, NameToNumber("Ann"));
  EXPECT_EQ(service.PendingResponders(), 0u);
}

TEST_F(Startup, NumberIsShownAfterANameWhenTheClassWantsIt) {
  // Options text with " Show 4-digit number" (item 66) on.
  std::string options = "1010000000000000000000000000000010010-Y";
  options[12 + (66 - 61)] = '1';
  session.strings.ListStringStore(738, 5, false, options);
  std::int32_t shown = 0;
  session.service.AnswerNextDialog([](ScriptedDialog& d) { d.ClickBackground(); });
  session.service.AnswerNextDialog(EnterName("A"));
  session.service.AnswerNextDialog([&](ScriptedDialog& d) {
    EXPECT_EQ(d.Number(), 785);
    shown = std::stoi(service.ItemText(785, 7));
    d.Click(1000);
  });
  ProgramEntry(session);
  EXPECT_EQ(shown, 1152);
}

TEST_F(Startup, ExitEndsTheProgram) {
  Start();
  EXPECT_FALSE(service.QuitRequested());
  ASSERT_TRUE(service.ChooseMenuCommand(kFileMenu, kExitCommand));
  EXPECT_TRUE(service.QuitRequested());
}

}  // namespace
}  // namespace crossmere
