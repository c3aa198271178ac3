// One window class per dialog number, each built from its Designer file.

#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPushButton>

#include "layer/window_factory.h"

#include <map>

#include "ui_TW1191.h"
#include "ui_TW200.h"
#include "ui_TW381.h"
#include "ui_TW382.h"
#include "ui_TW383.h"
#include "ui_TW384.h"
#include "ui_TW410.h"
#include "ui_TW411.h"
#include "ui_TW412.h"
#include "ui_TW413.h"
#include "ui_TW422.h"
#include "ui_TW423.h"
#include "ui_TW430.h"
#include "ui_TW441.h"
#include "ui_TW442.h"
#include "ui_TW443.h"
#include "ui_TW444.h"
#include "ui_TW546.h"
#include "ui_TW752.h"
#include "ui_TW753.h"
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

template <typename Form, typename Window>
Window* Build() {
  auto* window = new Window;
  Form form;
  form.setupUi(window);
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

std::map<std::int32_t, WindowCreator>& WindowClasses() {
  static std::map<std::int32_t, WindowCreator> classes = {
      {200, CreateDialog<Ui::TW200>},   {381, CreateDialog<Ui::TW381>},
      {382, CreateDialog<Ui::TW382>},   {383, CreateDialog<Ui::TW383>},
      {384, CreateDialog<Ui::TW384>},   {410, CreateDialog<Ui::TW410>},
      {411, CreateDialog<Ui::TW411>},
      {412, CreateDialog<Ui::TW412>},   {413, CreateDialog<Ui::TW413>},
      {422, CreateDialog<Ui::TW422>},   {423, CreateDialog<Ui::TW423>},
      {430, CreateDialog<Ui::TW430>},   {441, CreateDialog<Ui::TW441>},
      {442, CreateDialog<Ui::TW442>},   {443, CreateDialog<Ui::TW443>},
      {444, CreateDialog<Ui::TW444>},
      {546, CreateDialog<Ui::TW546>}, {752, CreateWelcome},
      {753, CreateMainWindow},          {785, CreateDialog<Ui::TW785>},
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
