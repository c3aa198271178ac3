#include "layer/keyboard_behaviour.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QRadioButton>
#include <algorithm>
#include <cstddef>

namespace crossmere {
namespace {

// Moves the keyboard to the next open window on F6.
class WindowCycling : public QObject {
 public:
  WindowCycling(QObject* parent, std::function<std::vector<QWidget*>()> windows)
      : QObject(parent), windows_(std::move(windows)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = press->modifiers();
    if (press->key() != Qt::Key_F6 || (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) ||
        QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr) {
      return QObject::eventFilter(watched, event);
    }
    const std::vector<QWidget*> open = windows_();
    if (open.empty()) return true;
    const auto count = static_cast<std::ptrdiff_t>(open.size());
    const auto at = std::find(open.begin(), open.end(), QApplication::activeWindow()) - open.begin();
    const std::ptrdiff_t step = modifiers == Qt::ShiftModifier ? count - 1 : 1;
    QWidget* next = open[static_cast<std::size_t>(at == count ? 0 : (at + step) % count)];
    next->raise();
    next->activateWindow();
    return true;
  }

 private:
  std::function<std::vector<QWidget*>()> windows_;
};

// Reports every Escape pressed anywhere in the program.
class EscapeStops : public QObject {
 public:
  EscapeStops(QObject* parent, std::function<void()> stop) : QObject(parent), stop_(std::move(stop)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) stop_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> stop_;
};

}  // namespace

void InstallWindowCycling(QObject* owner, std::function<std::vector<QWidget*>()> windows) {
  QCoreApplication::instance()->installEventFilter(new WindowCycling(owner, std::move(windows)));
}

void InstallEscapeStops(QObject* owner, std::function<void()> stop) {
  QCoreApplication::instance()->installEventFilter(new EscapeStops(owner, std::move(stop)));
}

void FocusChosenRadio(QDialog* dialog) {
  QWidget* first = dialog->nextInFocusChain();
  while (first != dialog && !(first->isVisibleTo(dialog) && first->isEnabled() && (first->focusPolicy() & Qt::TabFocus))) {
    first = first->nextInFocusChain();
  }
  auto* radio = qobject_cast<QRadioButton*>(first);
  if (radio == nullptr || (dialog->focusWidget() != nullptr && dialog->focusWidget() != radio)) return;
  for (auto* other : radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
    if (other->isChecked() && other->isVisibleTo(dialog) && other->isEnabled()) {
      other->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

}  // namespace crossmere
