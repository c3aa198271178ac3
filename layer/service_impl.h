#pragma once

// The Qt side of the window service, shared by its source files.

#include <QCursor>
#include <QPointer>
#include <QWidget>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "layer/item_surface.h"
#include "layer/window_factory.h"
#include "layer/window_service.h"

class QAction;
class QDialog;
class QMainWindow;
class QMenu;
class QPlainTextEdit;

namespace crossmere {

class Picture;

// A numbered control, its number kept beside it so that finding one by
// number never has to ask Qt for a property.
struct WindowComponent {
  QPointer<QWidget> widget;
  std::int32_t number = 0;
};

struct WindowEntry {
  std::int32_t number = 0;
  QPointer<QWidget> widget;
  // Numbered controls in design order, then clones in order of creation.
  std::vector<WindowComponent> components;
  // The first component with each number, so that finding an item takes
  // the same time however many the window holds.
  std::unordered_map<std::int32_t, QPointer<QWidget>> firstOfNumber;

  void AddComponent(QWidget* widget, std::int32_t number);
  void RemoveComponent(QWidget* widget);
  void Renumber(QWidget* widget, std::int32_t number);
  QWidget* Numbered(std::int32_t number) const;

 private:
  // Finds the first component with the number again, after one has gone.
  void IndexNumber(std::int32_t number);
};

struct WindowService::Impl {
  explicit Impl(WindowService& service) : self(service) {}

  WindowService& self;
  std::vector<WindowEntry> windows;  // in order of creation
  QPointer<QWidget> currentWindow;
  QPointer<QWidget> currentItem;
  QPointer<QWidget> templateItem;
  QPointer<QPlainTextEdit> currentMemo;
  std::vector<QPointer<QWidget>> runningModal;
  std::deque<std::function<void(ScriptedDialog&)>> responders;
  std::deque<std::string> fileAnswers;
  // The next path a test gave for a file dialog; empty (cancel) when none is left.
  std::string NextFileAnswer();
  std::deque<std::optional<std::uint32_t>> colourAnswers;
  std::deque<PointerPath> pointerPaths;
  std::map<std::int32_t, FormBuilder> forms = CompiledForms();
  std::map<std::int32_t, WindowClass> classes;
  int busyCount = 0;
  bool overrideCursor = false;
  bool quitting = false;

  // Lookups; a window or item that is not there gives nullptr.
  WindowEntry* FindWindow(std::int32_t number);
  const WindowEntry* FindWindow(std::int32_t number) const;
  QWidget* Lookup(std::int32_t window, std::int32_t item, bool byIndex = false);
  // The same for an operation that needs the item: a missing one is a fault.
  QWidget* Require(const char* operation, std::int32_t window, std::int32_t item);
  static std::int32_t NumberOf(const QObject* object);
  // The window's control carrying an item number, or nullptr.
  static QWidget* ItemArea(QWidget* window);
  WindowEntry* EntryOf(QWidget* window);

  // Window life.
  const WindowClass* ClassOf(std::int32_t number) const;
  QWidget* Create(std::int32_t number);
  void Adopt(std::int32_t number, QWidget* window);
  void WireControl(QWidget* window, QWidget* control);
  void WireMenus(QMainWindow* window);
  // A caption for a menu item from the program's text.
  static QString MenuCaption(const std::string& caption);
  QMainWindow* MainWindow();
  std::vector<QAction*> MenuActions();
  bool IsRunningModal(QWidget* window) const;
  void ReportMissingWindow(std::int32_t number);
  // The windows shown, the main window first and then in order of creation.
  std::vector<QWidget*> OpenWindows();

  // Events from controls.
  void OnPicturePressed(Picture* picture, Qt::MouseButton button, bool doubleClick, QPoint at);
  // Space or Return on a focused picture: a click at its middle, marked as
  // coming from the keyboard.
  void OnPictureActivated(Picture* picture, bool byReturn);
  // A left click on the main window's workspace away from its pictures: item 0.
  void OnBackgroundPressed(QWidget* window, QPoint at);
  void OnButtonClicked(QWidget* window, QWidget* button);
  void OnMenuTriggered(const QMenu* menu, QAction* action);

  // Drags.
  QPoint PointerIn(QWidget* area) const;
  ServiceRect Drag(QWidget* item, QWidget* image);
  void SetCursor(const QCursor& cursor);
};

}  // namespace crossmere
