// One window class per dialog number, each built from its Designer file.

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include "layer/window_factory.h"

#include <map>

#include "ui_TW1191.h"
#include "ui_TW200.h"
#include "ui_TW303.h"
#include "ui_TW343.h"
#include "ui_TW381.h"
#include "ui_TW382.h"
#include "ui_TW383.h"
#include "ui_TW384.h"
#include "ui_TW410.h"
#include "ui_TW411.h"
#include "ui_TW412.h"
#include "ui_TW413.h"
#include "ui_TW419.h"
#include "ui_TW420.h"
#include "ui_TW422.h"
#include "ui_TW423.h"
#include "ui_TW430.h"
#include "ui_TW441.h"
#include "ui_TW442.h"
#include "ui_TW443.h"
#include "ui_TW444.h"
#include "ui_TW498.h"
#include "ui_TW500.h"
#include "ui_TW503.h"
#include "ui_TW504.h"
#include "ui_TW546.h"
#include "ui_TW563.h"
#include "ui_TW752.h"
#include "ui_TW753.h"
#include "ui_TW779.h"
#include "ui_TW785.h"

namespace crossmere {
namespace {

// The welcome window closes on a click anywhere outside its controls, or on
// Return, Enter or Escape, as if OK had been pressed.
class CloseOnClick : public QObject {
 public:
  explicit CloseOnClick(QDialog* dialog) : QObject(dialog), dialog_(dialog) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) {
      dialog_->done(1000);
      return true;
    }
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        dialog_->done(1000);
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QDialog* dialog_;
};

// Closing the main window's frame asks to quit the way the File menu does,
// so that the program can finish its work first.
class CloseAsExit : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close && !closing_) {
      event->ignore();
      closing_ = true;
      auto* main = static_cast<QMainWindow*>(watched);
      for (QAction* action : main->findChildren<QAction*>()) {
        if (action->property("item").toInt() == -106) {
          action->trigger();
          break;
        }
      }
      closing_ = false;
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool closing_ = false;
};

// A question window is put away by its own "Hide question" button, so that the
// program knows; the close box and Escape press that button instead.
class CloseAsHide : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Only the window system's close: the program's own close() goes through.
    const bool closeBox = event->type() == QEvent::Close && event->spontaneous();
    const bool escape = event->type() == QEvent::KeyPress &&
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if (closeBox || escape) {
      event->ignore();
      for (auto* button : static_cast<QWidget*>(watched)->findChildren<QAbstractButton*>()) {
        if (button->property("item").toInt() == 999) {
          button->click();
          break;
        }
      }
      return true;
    }
    return QObject::eventFilter(watched, event);
  }
};

template <typename Form, typename Window>
Window* Build() {
  auto* window = new Window;
  Form form;
  form.setupUi(window);
  // Labels let the pointer through, so one with a tip must take it back to show it.
  for (auto* label : window->template findChildren<QLabel*>()) {
    if (!label->toolTip().isEmpty()) label->setAttribute(Qt::WA_TransparentForMouseEvents, false);
  }
  return window;
}

QWidget* CreateWelcome() {
  auto* dialog = Build<Ui::TW752, QDialog>();
  dialog->installEventFilter(new CloseOnClick(dialog));
  for (auto* button : dialog->findChildren<QPushButton*>()) button->setAutoDefault(false);
  return dialog;
}

QWidget* CreateMainWindow() {
  auto* main = Build<Ui::TW753, QMainWindow>();
  main->installEventFilter(new CloseAsExit(main));
  return main;
}

template <typename Form>
QWidget* CreateDialog() {
  return Build<Form, QDialog>();
}

// Question windows stay open beside the workspace: Return must not press a
// button by accident, and closing them hides them the program's way.
template <typename Form>
QWidget* CreateQuestion() {
  QDialog* dialog = Build<Form, QDialog>();
  dialog->installEventFilter(new CloseAsHide(dialog));
  for (auto* button : dialog->findChildren<QPushButton*>()) button->setAutoDefault(false);
  return dialog;
}

std::map<std::int32_t, WindowCreator>& WindowClasses() {
  static std::map<std::int32_t, WindowCreator> classes = {
      {200, CreateDialog<Ui::TW200>},    {303, CreateDialog<Ui::TW303>},    {343, CreateDialog<Ui::TW343>},
      {381, CreateDialog<Ui::TW381>},    {382, CreateDialog<Ui::TW382>},
      {383, CreateDialog<Ui::TW383>},    {384, CreateDialog<Ui::TW384>},
      {410, CreateDialog<Ui::TW410>},    {411, CreateDialog<Ui::TW411>},
      {412, CreateDialog<Ui::TW412>},    {413, CreateDialog<Ui::TW413>},
      {419, CreateDialog<Ui::TW419>},    {420, CreateDialog<Ui::TW420>},
      {422, CreateDialog<Ui::TW422>},    {423, CreateDialog<Ui::TW423>},
      {430, CreateDialog<Ui::TW430>},    {441, CreateDialog<Ui::TW441>},
      {442, CreateDialog<Ui::TW442>},    {443, CreateDialog<Ui::TW443>},
      {444, CreateDialog<Ui::TW444>},    {498, CreateDialog<Ui::TW498>},
      {500, CreateDialog<Ui::TW500>},
      // One form serves several question types.
      {503, CreateQuestion<Ui::TW503>},  {504, CreateQuestion<Ui::TW504>},
      {507, CreateQuestion<Ui::TW504>},  {510, CreateQuestion<Ui::TW504>},
      {513, CreateQuestion<Ui::TW503>},  {517, CreateQuestion<Ui::TW503>},
      {519, CreateQuestion<Ui::TW503>},
      {546, CreateDialog<Ui::TW546>},
      // The explanation of a question looks like an exercise description.
      {550, CreateDialog<Ui::TW430>},    {563, CreateDialog<Ui::TW563>},
      {752, CreateWelcome},              {753, CreateMainWindow},
      {779, CreateDialog<Ui::TW779>},    {785, CreateDialog<Ui::TW785>},
      {1191, CreateDialog<Ui::TW1191>},
  };
  return classes;
}

}  // namespace

QWidget* CreateDialogWindow(std::int32_t number) {
  const auto& classes = WindowClasses();
  const auto at = classes.find(number);
  return at == classes.end() ? nullptr : at->second();
}

void RegisterWindowClass(std::int32_t number, WindowCreator create) {
  WindowClasses()[number] = create;
}

}  // namespace crossmere
