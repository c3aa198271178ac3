// The behaviours a window can have beyond its design.

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include "layer/window_factory.h"

namespace crossmere {
namespace {

// A welcome window closes on a click anywhere outside its controls, or on
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

// Closing the main window's frame chooses a menu command (quitting, the way
// the File menu does), so that the program can finish its work first.
class CloseAsExit : public QObject {
 public:
  CloseAsExit(QObject* parent, std::int32_t command) : QObject(parent), command_(command) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close && !closing_) {
      event->ignore();
      closing_ = true;
      auto* main = static_cast<QMainWindow*>(watched);
      for (QAction* action : main->findChildren<QAction*>()) {
        if (action->property("item").toInt() == command_) {
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
  std::int32_t command_;
  bool closing_ = false;
};

// A panel is put away by its own button, so that the program knows; the
// close box and Escape press that button instead.
class CloseByButton : public QObject {
 public:
  CloseByButton(QObject* parent, std::int32_t button) : QObject(parent), button_(button) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Only the window system's close: the program's own close() goes through.
    const bool closeBox = event->type() == QEvent::Close && event->spontaneous();
    const bool escape = event->type() == QEvent::KeyPress &&
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if (closeBox || escape) {
      event->ignore();
      for (auto* button : static_cast<QWidget*>(watched)->findChildren<QAbstractButton*>()) {
        if (button->property("item").toInt() == button_) {
          button->click();
          break;
        }
      }
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::int32_t button_;
};

void NoDefaultButton(QWidget* window) {
  for (auto* button : window->findChildren<QPushButton*>()) button->setAutoDefault(false);
}

}  // namespace

QWidget* BuildWindow(FormBuilder build, const WindowClass& windowClass) {
  QWidget* window = build();
  // Labels let the pointer through, so one with a tip must take it back to show it.
  for (auto* label : window->findChildren<QLabel*>()) {
    if (!label->toolTip().isEmpty()) label->setAttribute(Qt::WA_TransparentForMouseEvents, false);
  }
  switch (windowClass.style) {
    case WindowStyle::Dialog:
      break;
    case WindowStyle::Main:
      window->installEventFilter(new CloseAsExit(window, windowClass.closeItem));
      break;
    case WindowStyle::Welcome:
      if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->installEventFilter(new CloseOnClick(dialog));
      NoDefaultButton(window);
      break;
    case WindowStyle::Panel:
      // Panels stay open beside the workspace: Return must not press a button by accident.
      window->installEventFilter(new CloseByButton(window, windowClass.closeItem));
      NoDefaultButton(window);
      break;
  }
  return window;
}

}  // namespace crossmere
