// A whole exercise done without the mouse: every step below is a key press
// sent where the keyboard focus is, in the main window, its menus, a modal
// dialog or the question window.

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>

#include "tests/tutor/questions_fixture.h"
#include "tutor/question_framework.h"
#include "workspace/containers.h"
#include "workspace/keyboard_moves.h"

namespace crossmere::testing {
namespace {

using containers::kFirst;

class KeyboardOnly : public Questions {
 protected:
  KeyboardOnly() {
    // Every modal dialog takes its keys from the queue, where its focus is,
    // until it closes.
    service.SetStandingAnswer([this](ScriptedDialog&) {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      ASSERT_FALSE(dialogKeys.empty()) << "a dialog nobody expected";
      ++dialogRuns;
      while (dialog->isVisible() && !dialogKeys.empty()) {
        const QKeyCombination key = dialogKeys.front();
        dialogKeys.pop_front();
        QWidget* focus = dialog->focusWidget();
        QTest::keyClick(focus ? focus : dialog, key.key(), key.keyboardModifiers());
      }
    });
  }

  QMainWindow* Main() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (auto* main = qobject_cast<QMainWindow*>(top)) return main;
    }
    return nullptr;
  }

  // Exercise `ex` of the elementary set, its description read and put away,
  // the main window active; its window, or nullptr.
  QMainWindow* StartAtTheMainWindow(std::int32_t ex) {
    Start(false, ex);
    QMainWindow* main = Main();
    if (main == nullptr) return nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top != main) top->hide();
    }
    main->activateWindow();
    return QTest::qWaitForWindowActive(main) ? main : nullptr;
  }

  // Return on Storage: it opens with the focus on its first individual.
  void OpenStorage() {
    TabTo(kWindow, kFirst);
    Press(Qt::Key_Return);
    ASSERT_EQ(session.containers.open, kFirst);
    AwaitActive(containers::kFirstViewWindow + session.genetics.kind);
  }

  // A key where the focus is, or to the active window when nothing has it.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(to, nullptr) << "no window has the keyboard";
    QTest::keyClick(to, key, modifiers);
  }

  // The window shown last becomes the active one, as the window manager does.
  void AwaitActive(std::int32_t window) {
    ASSERT_TRUE(QTest::qWaitFor([&] {
      QWidget* active = QApplication::activeWindow();
      return active != nullptr && active->property("dialog").toInt() == window;
    })) << "window " << window << " never became active";
  }

  // Tab until the item of the main window or a view has the focus.
  void TabTo(std::int32_t window, std::int32_t item) {
    for (int press = 0; press < 80 && service.FocusedItem(window) != item; ++press) Press(Qt::Key_Tab);
    ASSERT_EQ(service.FocusedItem(window), item) << "Tab never reaches item " << item;
  }

  // The keys that choose `place` in "Move to...", whose list starts at its
  // first entry: one Down for each entry before it, then Return.
  void ChoosePlace(std::int32_t picked, const std::string& place) {
    const std::vector<MovePlace> places = MovePlacesFor(session, picked);
    std::size_t at = 0;
    while (at < places.size() && places[at].name != place) ++at;
    ASSERT_LT(at, places.size()) << place << " is not offered";
    for (std::size_t k = 0; k < at; ++k) dialogKeys.push_back(Qt::Key_Down);
    dialogKeys.push_back(Qt::Key_Return);
  }

  // Return on the focused individual, then the keys that send it to `place`.
  void MoveFocused(const std::string& place) {
    ChoosePlace(service.FocusedItem(kWindow), place);
    const int runs = dialogRuns;
    Press(Qt::Key_Return);
    EXPECT_TRUE(dialogKeys.empty()) << "the move dialog left keys unread";
    EXPECT_EQ(dialogRuns, runs + 1) << "the arrow keys move in the list without closing the dialog";
  }

  // F6 until the window is the active one.
  void CycleTo(QWidget* window) {
    for (int press = 0; press < 4 && QApplication::activeWindow() != window; ++press) {
      Press(Qt::Key_F6);
      QTest::qWait(20);
    }
    ASSERT_EQ(QApplication::activeWindow(), window);
  }

  // Alt and the menu's letter, then the letter the open menu gives the command.
  void MenuCommand(Qt::Key menuLetter, const QString& caption) {
    Press(menuLetter, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr) << "Alt did not open the menu";
    for (QAction* action : menu->actions()) {
      const QString text = action->text();
      const qsizetype mark = text.indexOf(QLatin1Char('&'));
      if (!QString(text).remove(QLatin1Char('&')).contains(caption) || mark < 0) continue;
      QTest::keyClick(menu, static_cast<Qt::Key>(text[mark + 1].toUpper().unicode()));
      return;
    }
    FAIL() << "no command " << caption.toStdString();
  }

  std::deque<QKeyCombination> dialogKeys;
  int dialogRuns = 0;
};

// Exercise 2 of the elementary set: take the stock out of Storage, cross a
// wild type with a mutant, keep an offspring in a new cage and leave one on
// the workspace, then find a heterozygote and have it marked.
TEST_F(KeyboardOnly, AWholeExerciseIsDoneFromTheKeyboard) {
  QMainWindow* main = StartAtTheMainWindow(2);
  ASSERT_NE(main, nullptr);
  ASSERT_EQ(session.genetics.objectClass[kFirstParentObject], 0) << "the crossing box starts empty";
  const std::int32_t stock = session.containers.Record(kFirst).count;
  ASSERT_GE(stock, 2);

  // Return on Storage opens it with the focus on its first individual;
  // Space takes each out onto the workspace; Escape shuts it.
  OpenStorage();
  const std::int32_t view = containers::kFirstViewWindow + session.genetics.kind;
  ASSERT_EQ(service.FocusedItem(view), containers::kFirstShown);
  EXPECT_EQ(QApplication::focusWidget()->accessibleName().toStdString(),
            ClassDescription(session.genetics, session.containers.Record(kFirst).spots[1]))
      << "a screen reader names what the container holds";
  for (std::int32_t k = 0; k < stock; ++k) Press(Qt::Key_Space);
  EXPECT_EQ(session.containers.Record(kFirst).count, 0);
  Press(Qt::Key_Escape);
  ASSERT_EQ(session.containers.open, 0);

  // A wild type and a mutant into the crossing box; a spare one of the
  // stock back into Storage, which then has the focus.
  std::int32_t wild = 0;
  std::int32_t mutant = 0;
  std::int32_t spare = 0;
  for (std::int32_t object = kFirstOffspringObject; object <= kLastOffspringObject; ++object) {
    const std::int32_t classNumber = session.genetics.objectClass[object];
    if (classNumber == 0) continue;
    std::int32_t& kind = session.genetics.classes[classNumber].Sum(session.genetics.locusPosition[1]) == 0 ? wild : mutant;
    (kind == 0 ? kind : spare) = object;
  }
  ASSERT_NE(wild, 0);
  ASSERT_NE(mutant, 0);
  ASSERT_NE(spare, 0);
  // The window manager gives the keyboard back as the view closes.
  main->activateWindow();
  AwaitActive(kWindow);
  TabTo(kWindow, spare);
  MoveFocused(ContainerDescription(session, session.containers.Record(kFirst)));
  EXPECT_EQ(session.containers.Record(kFirst).count, 1);
  EXPECT_EQ(service.FocusedItem(kWindow), kFirst) << "with no offspring waiting, the focus stays on the container";
  TabTo(kWindow, wild);
  MoveFocused("Crossing box, first place");
  TabTo(kWindow, mutant);
  MoveFocused("Crossing box, second place");
  ASSERT_NE(session.genetics.objectClass[kFirstParentObject], 0);
  ASSERT_NE(session.genetics.objectClass[kSecondParentObject], 0);
  const std::int32_t first = session.offspring.pending;
  ASSERT_NE(first, 0) << "the cross gives offspring";

  // Space on the spare pile brings a cage into use; without automatic
  // naming it asks for a name first.
  const std::int32_t cage = kFirst + 1;
  TabTo(kWindow, cage);
  if (!session.autoSettings.autoName) {
    for (const Qt::Key letter : {Qt::Key_H, Qt::Key_E, Qt::Key_T}) dialogKeys.push_back(letter);
    dialogKeys.push_back(Qt::Key_Return);
  }
  Press(Qt::Key_Space);
  ASSERT_EQ(session.containers.Record(cage).count, 0) << "the spare came into use";

  // The waiting offspring into the cage; the focus goes on to the next one,
  // which stays on the workspace.
  TabTo(kWindow, first);
  MoveFocused(ContainerDescription(session, session.containers.Record(cage)));
  EXPECT_EQ(session.containers.Record(cage).count, 1);
  const std::int32_t second = session.offspring.pending;
  ASSERT_NE(second, 0);
  EXPECT_EQ(service.FocusedItem(kWindow), second);
  MoveFocused("Workspace");
  ASSERT_NE(session.genetics.objectClass[second], 0);

  // The question from its menu; F6 back to the main window, where Space
  // picks the offspring; F6 to the question and Space on "Mark me".
  MenuCommand(Qt::Key_X, "Q1");
  ASSERT_EQ(session.questionState.showing, 1);
  const std::int32_t asked = QuestionWindowNumber(session);
  QWidget* question = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->isVisible() && top != main) question = top;
  }
  ASSERT_NE(question, nullptr);
  CycleTo(main);
  TabTo(kWindow, second);
  Press(Qt::Key_Space);
  EXPECT_TRUE(service.ItemVisible(kWindow, kSelectionBox));
  CycleTo(question);
  for (int press = 0; press < 10 && QApplication::focusWidget()->property("item").toInt() != kMark; ++press) {
    Press(Qt::Key_Tab);
  }
  Press(Qt::Key_Space);
  EXPECT_EQ(Record(1).mark, 1) << service.ItemText(asked, kBadText);
  EXPECT_TRUE(Record(1).completed);
}

// Space takes the focused individual out of an open container, and the
// focus goes on to the next one the container still shows, or else to the
// one before; the same after the container was shut with gaps and reopened.
TEST_F(KeyboardOnly, TakingOutPassesTheFocusOn) {
  QMainWindow* main = StartAtTheMainWindow(2);
  ASSERT_NE(main, nullptr);
  // Six in Storage: the stock and two more.
  const std::int32_t kind = session.containers.Record(kFirst).spots[1];
  while (session.containers.Record(kFirst).count < 6) {
    ASSERT_TRUE(PutInContainer(session, kFirst, PutOnWorkspace(kind)));
  }
  const std::int32_t view = containers::kFirstViewWindow + session.genetics.kind;
  const std::int32_t first = containers::kFirstShown;

  OpenStorage();
  Press(Qt::Key_Tab);
  ASSERT_EQ(service.FocusedItem(view), first + 1);
  Press(Qt::Key_Space);  // the second out
  EXPECT_EQ(service.FocusedItem(view), first + 2) << "on to the next";
  Press(Qt::Key_Tab);
  Press(Qt::Key_Space);  // the fourth out
  EXPECT_EQ(service.FocusedItem(view), first + 4);
  EXPECT_EQ(session.containers.Record(kFirst).count, 4);
  Press(Qt::Key_Escape);
  ASSERT_EQ(session.containers.open, 0);

  // Reopened, Storage shows spots 1, 3, 5 and 6 as its first four.
  main->activateWindow();
  AwaitActive(kWindow);
  OpenStorage();
  TabTo(view, first + 3);
  Press(Qt::Key_Space);  // the last one shown out
  EXPECT_EQ(service.FocusedItem(view), first + 2) << "none follows: back to the one before";
  EXPECT_EQ(session.containers.Record(kFirst).count, 3);
}

}  // namespace
}  // namespace crossmere::testing
