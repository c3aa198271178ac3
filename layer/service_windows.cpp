// Windows: opening by number, modal runs, placing, and the wiring of their
// controls to the event flow.

#include <algorithm>
#include <functional>
#include <utility>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include "layer/keyboard_behaviour.h"
#include "layer/layout.h"
#include "layer/service_impl.h"
#include "layer/widgets/gene_slot.h"
#include "layer/widgets/picture.h"
#include "layer/widgets/tlabelp.h"

namespace crossmere {
namespace {

// Reports left clicks on the workspace itself, between its pictures.
class BackgroundClicks : public QObject {
 public:
  BackgroundClicks(QWidget* area, std::function<void(QPoint)> report)
      : QObject(area), area_(area), report_(std::move(report)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == area_ && event->type() == QEvent::MouseButtonPress) {
      auto* press = static_cast<QMouseEvent*>(event);
      if (press->button() == Qt::LeftButton) report_(press->position().toPoint());
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* area_;
  std::function<void(QPoint)> report_;
};

// A modal dialog answered by a test instead of a person.
class DialogAnswer : public ScriptedDialog {
 public:
  DialogAnswer(std::int32_t number, QWidget* window) : number_(number), window_(window) {}

  std::int32_t Number() const override { return number_; }

  void SetText(std::int32_t item, const std::string& text) override {
    QWidget* w = Find(item);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->setText(QString::fromStdString(text));
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) memo->setPlainText(QString::fromStdString(text));
  }
  void SetChecked(std::int32_t item, bool checked) override {
    if (auto* button = qobject_cast<QAbstractButton*>(Find(item))) button->setChecked(checked);
  }
  void Select(std::int32_t item, std::int32_t index) override {
    if (auto* combo = qobject_cast<QComboBox*>(Find(item))) combo->setCurrentIndex(index);
  }
  void Click(std::int32_t item) override {
    if (auto* button = qobject_cast<QAbstractButton*>(Find(item))) button->click();
  }
  void ClickBackground() override {
    QWidget* window = window_;
    if (!window) return;
    const QPointF at(1, 1);
    QMouseEvent press(QEvent::MouseButtonPress, at, window->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &press);
  }
  void Escape() override {
    if (auto* dialog = qobject_cast<QDialog*>(window_.data())) dialog->reject();
  }

 private:
  QWidget* Find(std::int32_t item) const {
    if (!window_) return nullptr;
    for (QWidget* c : window_->findChildren<QWidget*>()) {
      if (c->property("item").toInt() == item) return c;
    }
    return nullptr;
  }
  std::int32_t number_;
  QPointer<QWidget> window_;
};

bool InsideMenu(const QWidget* widget) {
  for (; widget; widget = widget->parentWidget()) {
    if (qobject_cast<const QMenu*>(widget) || qobject_cast<const QMenuBar*>(widget)) return true;
  }
  return false;
}

}  // namespace

const WindowClass* WindowService::Impl::ClassOf(std::int32_t number) const {
  const auto at = classes.find(number);
  return at == classes.end() ? nullptr : &at->second;
}

QWidget* WindowService::Impl::Create(std::int32_t number) {
  const WindowClass* known = ClassOf(number);
  WindowClass plain;
  plain.number = number;
  const WindowClass& windowClass = known ? *known : plain;
  const auto form = forms.find(windowClass.form != 0 ? windowClass.form : number);
  return form == forms.end() ? nullptr : BuildWindow(form->second, windowClass);
}

QMainWindow* WindowService::Impl::MainWindow() {
  for (const WindowEntry& entry : windows) {
    if (auto* main = qobject_cast<QMainWindow*>(entry.widget.data())) return main;
  }
  return nullptr;
}

bool WindowService::Impl::IsRunningModal(QWidget* window) const {
  return std::find(runningModal.begin(), runningModal.end(), QPointer<QWidget>(window)) !=
         runningModal.end();
}

std::vector<QWidget*> WindowService::Impl::OpenWindows() {
  std::vector<QWidget*> open;
  if (QMainWindow* main = MainWindow(); main && main->isVisible()) open.push_back(main);
  for (const WindowEntry& entry : windows) {
    QWidget* w = entry.widget;
    if (w && w->isWindow() && w->isVisible() && !qobject_cast<QMainWindow*>(w)) open.push_back(w);
  }
  return open;
}

void WindowService::Impl::ReportMissingWindow(std::int32_t number) {
  self.Alert(op::kWarningBox, "Window " + std::to_string(number) + " not found etc");
  self.Fault("no window " + std::to_string(number));
}

void WindowService::Impl::Adopt(std::int32_t number, QWidget* window) {
  // Dialogs belong to the main window: they float above it, not above
  // every other program on the desktop.
  if (auto* dialog = qobject_cast<QDialog*>(window); dialog && MainWindow()) {
    dialog->setParent(MainWindow(), dialog->windowFlags());
  }
  WindowEntry entry;
  entry.number = number;
  entry.widget = window;
  for (QWidget* child : window->findChildren<QWidget*>()) {
    // Menus carry numbers too, but they are reached through the menu operation.
    if (!child->property("item").isValid() || InsideMenu(child)) continue;
    entry.AddComponent(child, NumberOf(child));
    WireControl(window, child);
  }
  windows.push_back(std::move(entry));
  if (auto* main = qobject_cast<QMainWindow*>(window)) {
    WireMenus(main);
    QWidget* area = ItemArea(main);
    area->installEventFilter(new BackgroundClicks(area, [this, main](QPoint at) { OnBackgroundPressed(main, at); }));
    InstallWindowCycling(main, [this] { return OpenWindows(); });
    InstallEscapeStops(main, [this] {
      if (self.busy_) self.clickedWhileBusy_ = true;
    });
  }
}

void WindowService::Impl::WireControl(QWidget* window, QWidget* control) {
  if (auto* picture = qobject_cast<Picture*>(control)) {
    QObject::connect(picture, &Picture::pressed, picture,
                     [this](Picture* p, Qt::MouseButton button, bool doubleClick, QPoint at) {
                       OnPicturePressed(p, button, doubleClick, p->geometry().topLeft() + at);
                     });
    QObject::connect(picture, &Picture::released, picture,
                     [this](Picture*) { self.registers_.dragActive = false; });
    QObject::connect(picture, &Picture::activated, picture,
                     [this](Picture* p, bool byReturn) { OnPictureActivated(p, byReturn); });
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [this, window, button] { OnButtonClicked(window, button); });
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    // In a modal dialog a new choice ends the modal run, so that the program
    // can show what goes with it, unless the design says the choice is only
    // read when the dialog closes (`readOnClose`); elsewhere it is read when
    // needed.
    if (combo->property("readOnClose").toBool()) return;
    QObject::connect(combo, &QComboBox::activated, combo, [this, window, combo] {
      if (auto* dialog = qobject_cast<QDialog*>(window); dialog && IsRunningModal(dialog)) {
        self.registers_.itemHit = NumberOf(combo);
        dialog->done(self.registers_.itemHit);
      }
    });
  }
}

void WindowService::Impl::OnPicturePressed(Picture* picture, Qt::MouseButton button,
                                           bool doubleClick, QPoint at) {
  auto& regs = self.registers_;
  if (button != Qt::LeftButton || regs.dragActive) return;
  regs.pointerX = at.x();
  regs.pointerY = at.y();
  regs.clickCount = doubleClick ? 2 : 1;
  const WindowEntry* entry = EntryOf(picture->window());
  self.PostEvent(entry ? entry->number : 0, NumberOf(picture), 0);
}

void WindowService::Impl::OnPictureActivated(Picture* picture, bool byReturn) {
  auto& regs = self.registers_;
  if (regs.dragActive) return;
  const QPoint at = picture->geometry().center();
  regs.pointerX = at.x();
  regs.pointerY = at.y();
  regs.clickCount = byReturn ? 2 : 1;
  const bool outer = std::exchange(regs.fromKeyboard, true);
  const WindowEntry* entry = EntryOf(picture->window());
  self.PostEvent(entry ? entry->number : 0, NumberOf(picture), 0);
  regs.fromKeyboard = outer;
}

void WindowService::Impl::OnBackgroundPressed(QWidget* window, QPoint at) {
  auto& regs = self.registers_;
  if (regs.dragActive) return;
  regs.pointerX = at.x();
  regs.pointerY = at.y();
  regs.clickCount = 1;
  const WindowEntry* entry = EntryOf(window);
  self.PostEvent(entry ? entry->number : 0, 0, 0);
}

void WindowService::Impl::OnButtonClicked(QWidget* window, QWidget* button) {
  const std::int32_t number = NumberOf(button);
  if (auto* dialog = qobject_cast<QDialog*>(window); dialog && IsRunningModal(dialog)) {
    // Check boxes and radio buttons keep their state until the dialog is read.
    if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) return;
    self.registers_.itemHit = number;
    dialog->done(number);
    return;
  }
  const WindowEntry* entry = EntryOf(window);
  self.PostEvent(entry ? entry->number : 0, number, 0);
}

void WindowService::SetWindowClasses(const std::vector<WindowClass>& classes) {
  impl_->classes.clear();
  for (const WindowClass& windowClass : classes) impl_->classes[windowClass.number] = windowClass;
}

void WindowService::AddForm(std::int32_t form, FormBuilder build) { impl_->forms[form] = build; }

void WindowService::WindowOpen(std::int32_t window, std::int32_t mode) {
  registers_.resultWord = 0;
  if (window < 0) window = -window;
  WindowEntry* entry = impl_->FindWindow(window);
  if (!entry) {
    QWidget* created = impl_->Create(window);
    if (!created) {
      Fault("WindowOpen: no design for window " + std::to_string(window));
      return;
    }
    impl_->Adopt(window, created);
    entry = &impl_->windows.back();
  }
  QWidget* w = entry->widget;
  impl_->currentWindow = w;
  if (mode == 0 || mode == 3) w->hide();
  for (auto* label : w->findChildren<Tlabelp*>()) {
    if (label->resID() >= 1 && label->value() >= 1) {
      label->setText(QString::fromStdString(strings_.ListString(label->resID(), label->value())));
    }
  }
  if (const WindowClass* windowClass = impl_->ClassOf(window); windowClass && !windowClass->title.empty()) {
    w->setWindowTitle(QString::fromStdString(windowClass->title));
  }
  if (auto* scroll = w->findChild<QScrollArea*>()) scroll->verticalScrollBar()->setValue(0);
  if (mode == 2) {
    const bool visible = w->isVisible();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, true);  // hides a shown window
    if (visible) w->show();
  }
  if (mode == 3) {
    const std::int32_t itemHit = registers_.itemHit;
    WindowRunModal(window);
    registers_.itemHit = itemHit;
    WindowRelease(window);
  }
}

bool WindowService::WindowExists(std::int32_t window) const {
  return impl_->FindWindow(window) != nullptr;
}

bool WindowService::WindowVisible(std::int32_t window) const {
  const WindowEntry* entry = impl_->FindWindow(window);
  return entry && entry->widget->isVisible();
}

void WindowService::WindowShow(std::int32_t window) {
  registers_.resultWord = 0;
  WindowEntry* entry = impl_->FindWindow(window);
  if (!entry) {
    Fault("WindowShow: no window " + std::to_string(window));
    return;
  }
  entry->widget->show();
  entry->widget->raise();
  entry->widget->activateWindow();
}

void WindowService::WindowHide(std::int32_t window) {
  registers_.resultWord = 0;
  WindowEntry* entry = impl_->FindWindow(window);
  if (!entry) {
    impl_->ReportMissingWindow(window);
    return;
  }
  entry->widget->hide();
}

void WindowService::WindowRunModal(std::int32_t window) {
  registers_.resultWord = 0;
  WindowEntry* entry = impl_->FindWindow(window);
  auto* dialog = entry ? qobject_cast<QDialog*>(entry->widget.data()) : nullptr;
  if (!dialog) {
    Fault("WindowRunModal: no dialog " + std::to_string(window));
    return;
  }
  impl_->runningModal.emplace_back(dialog);
  dialog->setResult(0);
  FocusChosenRadio(dialog);
  if (scripted_) {
    dialog->setModal(true);
    dialog->show();
    if (impl_->responders.empty() && standingAnswer_) {
      DialogAnswer answer(window, dialog);
      standingAnswer_(answer);
    } else if (impl_->responders.empty()) {
      Fault("no answer for dialog " + std::to_string(window));
    } else {
      auto responder = std::move(impl_->responders.front());
      impl_->responders.pop_front();
      DialogAnswer answer(window, dialog);
      responder(answer);
    }
    dialog->hide();
  } else {
    dialog->exec();
  }
  std::erase(impl_->runningModal, QPointer<QWidget>(dialog));
  const int result = dialog->result();
  if (result == 1000 || result == 990) {
    registers_.itemHit = result;
  } else if (result == QDialog::Rejected) {
    // Escape or the close box: never let an earlier OK stand for this dialog.
    registers_.itemHit = 990;
  }
}

void WindowService::WindowRelease(std::int32_t window) {
  registers_.resultWord = 0;
  auto& windows = impl_->windows;
  const auto at = std::find_if(windows.begin(), windows.end(), [window](const WindowEntry& e) {
    return e.number == window && e.widget;
  });
  if (at == windows.end()) {
    impl_->ReportMissingWindow(window);
    return;
  }
  QWidget* w = at->widget;
  windows.erase(at);
  if (impl_->currentWindow == w) {
    impl_->currentWindow = nullptr;
    impl_->currentItem = nullptr;
  }
  w->hide();
  w->deleteLater();
}

void WindowService::WindowBounds(std::int32_t window) {
  registers_.resultWord = 0;
  WindowEntry* entry = impl_->FindWindow(window);
  if (!entry) {
    impl_->ReportMissingWindow(window);
    return;
  }
  // Left and top are where WindowPlace puts the window; the size is its inside.
  const QWidget* w = entry->widget;
  auto& rect = registers_.windowRect;
  rect.left = w->x();
  rect.top = w->y();
  rect.right = w->x() + w->width();
  rect.bottom = w->y() + w->height();
  rect.componentCount = static_cast<std::int32_t>(entry->components.size());
}

void WindowService::WindowPlace(std::int32_t window, std::int32_t left, std::int32_t top) {
  registers_.resultWord = 0;
  WindowEntry* entry = impl_->FindWindow(window);
  if (!entry) {
    impl_->ReportMissingWindow(window);
    return;
  }
  QWidget* w = entry->widget;
  const ScreenSize screen = Screen();
  const LayoutSize layout = LayoutForScreen(screen.width, screen.height);
  if (top == 2) top = -20;
  if (top == 3) top = layout.height - w->height();
  if (left == 1) left = layout.width / 2 - w->width() / 2;
  if (left == 2) left = 0;
  w->move(left, top);
}

void WindowService::WindowResize(std::int32_t window, std::int32_t height, std::int32_t width) {
  registers_.resultWord = 0;
  WindowEntry* entry = impl_->FindWindow(window);
  if (!entry) {
    impl_->ReportMissingWindow(window);
    return;
  }
  entry->widget->resize(width, height);
}

ServiceRect WindowService::MapRect(std::int32_t fromWindow, const ServiceRect& rect, std::int32_t toWindow) {
  WindowEntry* from = impl_->FindWindow(fromWindow);
  WindowEntry* to = impl_->FindWindow(toWindow);
  if (!from || !to) {
    Fault("MapRect: no window " + std::to_string(from ? toWindow : fromWindow));
    return rect;
  }
  const QPoint at = Impl::ItemArea(to->widget)->mapFromGlobal(
      Impl::ItemArea(from->widget)->mapToGlobal(QPoint(rect.left, rect.top)));
  return {at.y(), at.x(), at.y() + rect.bottom - rect.top, at.x() + rect.right - rect.left};
}

ServiceRect WindowService::WindowRectIn(std::int32_t window, std::int32_t inWindow) {
  WindowEntry* entry = impl_->FindWindow(window);
  WindowEntry* in = impl_->FindWindow(inWindow);
  if (!entry || !in) {
    Fault("WindowRectIn: no window " + std::to_string(entry ? inWindow : window));
    return {};
  }
  const QRect frame = entry->widget->frameGeometry();
  const QPoint at = Impl::ItemArea(in->widget)->mapFromGlobal(frame.topLeft());
  return {at.y(), at.x(), at.y() + frame.height(), at.x() + frame.width()};
}

void WindowService::WindowRepaint() {
  registers_.resultWord = 0;
  if (impl_->currentWindow) impl_->currentWindow->repaint();
}

void WindowService::WindowSetTitle() {
  registers_.resultWord = 0;
  if (impl_->currentWindow)
    impl_->currentWindow->setWindowTitle(QString::fromStdString(registers_.fileNameRegister));
}

void WindowService::PressPicture(std::int32_t window, std::int32_t item, bool doubleClick,
                                 bool leftButton) {
  auto* picture = qobject_cast<Picture*>(impl_->Require("PressPicture", window, item));
  if (!picture) return;
  impl_->OnPicturePressed(picture, leftButton ? Qt::LeftButton : Qt::RightButton, doubleClick,
                          picture->geometry().center());
}

void WindowService::PressBackground(std::int32_t window, std::int32_t x, std::int32_t y) {
  if (WindowEntry* entry = impl_->FindWindow(window)) {
    impl_->OnBackgroundPressed(entry->widget, QPoint(x, y));
  } else {
    Fault("PressBackground: no window " + std::to_string(window));
  }
}

void WindowService::ReleasePicture() { registers_.dragActive = false; }

void WindowService::DragSymbol(std::int32_t window, std::int32_t from, std::int32_t to) {
  QWidget* source = impl_->Require("DragSymbol", window, from);
  GeneSlot* target = to == 0 ? nullptr : qobject_cast<GeneSlot*>(impl_->Require("DragSymbol", window, to));
  auto* label = qobject_cast<QLabel*>(source);
  if (!label) return;
  const QString symbol = label->text();
  if (target) target->Receive(symbol);
  if (auto* slot = qobject_cast<GeneSlot*>(source); slot && slot != target) slot->Release();
}

void WindowService::PressKey(std::int32_t window, std::int32_t item, const std::string& text) {
  QWidget* w = impl_->Require("PressKey", window, item);
  if (!w) return;
  const int key = text.empty() ? static_cast<int>(Qt::Key_Delete) : QChar(text[0]).toUpper().unicode();
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromStdString(text));
  QCoreApplication::sendEvent(w, &press);
}

void WindowService::Quit() {
  impl_->quitting = true;
  for (auto& entry : impl_->windows) {
    if (entry.widget) entry.widget->hide();
  }
  QCoreApplication::quit();
}

bool WindowService::QuitRequested() const { return impl_->quitting; }

}  // namespace crossmere
