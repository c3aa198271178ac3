#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "layer/drawing.h"
#include "layer/registers.h"
#include "layer/string_lists.h"

class QWidget;

namespace crossmere {

class ItemSurface;

// Drawing on one item, through the service's pen: the shapes are painted on
// one canvas and the item shows them, all at once, when this ends.
class ItemPainting {
 public:
  ItemPainting(Drawing& drawing, std::unique_ptr<ItemSurface> surface);
  ~ItemPainting();
  ItemPainting(const ItemPainting&) = delete;
  ItemPainting& operator=(const ItemPainting&) = delete;

  Drawing& operator*() const { return drawing_; }
  Drawing* operator->() const { return &drawing_; }

 private:
  Drawing& drawing_;
  std::unique_ptr<ItemSurface> surface_;
};

// Operation codes of ServiceCall.
namespace op {
inline constexpr std::int32_t kItemSelect = -1211;
inline constexpr std::int32_t kItemSelectFocus = -1220;
inline constexpr std::int32_t kItemShow = -1212;
inline constexpr std::int32_t kItemHide = -1231;
inline constexpr std::int32_t kItemEnable = -1219;
inline constexpr std::int32_t kItemDisable = -1232;
inline constexpr std::int32_t kItemDestroy = -1221;
inline constexpr std::int32_t kItemTemplate = -1208;
inline constexpr std::int32_t kItemClone = -1216;
inline constexpr std::int32_t kItemSetNumber = -1228;
inline constexpr std::int32_t kItemMove = -1226;
inline constexpr std::int32_t kItemResize = -1225;
inline constexpr std::int32_t kItemRefresh = -1217;
inline constexpr std::int32_t kItemColour = -1227;
inline constexpr std::int32_t kItemSymbolFont = -1222;
inline constexpr std::int32_t kItemBind = -1210;
inline constexpr std::int32_t kItemWrite = -1214;
inline constexpr std::int32_t kItemRead = -1213;
inline constexpr std::int32_t kWindowOpen = -1201;
inline constexpr std::int32_t kWindowShow = -1206;
inline constexpr std::int32_t kWindowHide = -1207;
inline constexpr std::int32_t kWindowRunModal = -1203;
inline constexpr std::int32_t kWindowRelease = -1202;
inline constexpr std::int32_t kWindowBounds = -1209;
inline constexpr std::int32_t kWindowPlace = -1205;
inline constexpr std::int32_t kWindowResize = -1204;
inline constexpr std::int32_t kWindowRepaint = -53;
inline constexpr std::int32_t kWindowSetTitle = 252;
inline constexpr std::int32_t kMenu = -161;
inline constexpr std::int32_t kMenuAlias = 161;
inline constexpr std::int32_t kListString = 491;
inline constexpr std::int32_t kListStringStore = 492;
inline constexpr std::int32_t kNumberToText = 471;
inline constexpr std::int32_t kTextToNumber = 481;
inline constexpr std::int32_t kMemoLineCount = 2305;
inline constexpr std::int32_t kMemoLine = 2306;
inline constexpr std::int32_t kInformationBox = 261;
inline constexpr std::int32_t kErrorBox = 262;
inline constexpr std::int32_t kNoteBox = 263;
inline constexpr std::int32_t kWarningBox = 264;
inline constexpr std::int32_t kCursorSet = 121;
inline constexpr std::int32_t kCursorRelease = 0;
inline constexpr std::int32_t kEventPost = 122;
inline constexpr std::int32_t kColourSet = 178;
inline constexpr std::int32_t kFileOpenDialog = 201;
inline constexpr std::int32_t kFileSaveDialog = 202;
inline constexpr std::int32_t kStartupFolder = -61;
}  // namespace op

// Modes of ItemMove.
enum class MoveMode : std::int32_t { Place = 0, PlaceAndRepaint = 1, Drag = 2, DragAndPlace = 3, SystemDrag = 4 };

// Menu actions of the menu operation (its c argument).
enum class MenuAction : std::int32_t { Check = 1, Enable = 2, Caption = 3, HideOrCaption = 12 };

// Cursors by number: 4 waits, 1011..1013 are the program's own, others the arrow.
inline constexpr std::int32_t kWaitCursor = 4;
inline constexpr std::int32_t kHandCursor = 1011;

// What a message box said, kept in scripted mode instead of showing it.
struct MessageRecord {
  std::int32_t kind = 0;  // 261..264
  std::string text;
  bool operator==(const MessageRecord&) const = default;
};

// How a window behaves beyond its design.
enum class WindowStyle {
  Dialog,
  Main,     // the main window: its close box chooses the menu command closeItem
  Welcome,  // any click, Return, Enter or Escape closes it as OK would
  Panel,    // stays open beside the workspace; its close box and Escape press the button closeItem
};

// A window the program opens by number that is more than the dialog design
// of the same number: built from another design, or with a style or a title.
struct WindowClass {
  std::int32_t number = 0;
  std::int32_t form = 0;  // its design; 0: the design numbered like the window
  WindowStyle style = WindowStyle::Dialog;
  std::int32_t closeItem = 0;
  std::string title;  // set each time it opens; empty: as the design has it
};

// Builds a new window from a dialog design.
using FormBuilder = QWidget* (*)();

class WindowService;

// A modal dialog as a test answers it: fill its fields, then press a button.
class ScriptedDialog {
 public:
  virtual ~ScriptedDialog() = default;
  virtual std::int32_t Number() const = 0;
  virtual void SetText(std::int32_t item, const std::string& text) = 0;
  virtual void SetChecked(std::int32_t item, bool checked) = 0;
  virtual void Select(std::int32_t item, std::int32_t zeroBasedIndex) = 0;
  virtual void Click(std::int32_t item) = 0;
  // A click on the window itself, away from its controls.
  virtual void ClickBackground() = 0;
  // Escape, or the window's close box.
  virtual void Escape() = 0;
};

// A pointer movement for a scripted drag: window coordinates of the pointer,
// the button going up after the last one.
struct PointerPath {
  struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
  };
  std::vector<Point> points;
};

// Everything the program shows goes through this one service: windows by
// dialog number, controls by item number, results in the registers. In
// scripted mode (tests) modal dialogs are answered from a queue, message
// boxes are recorded instead of shown and drags follow given pointer paths.
class WindowService {
 public:
  explicit WindowService(StringLists& strings);
  ~WindowService();
  WindowService(const WindowService&) = delete;
  WindowService& operator=(const WindowService&) = delete;

  ServiceRegisters& Registers() { return registers_; }
  const ServiceRegisters& Registers() const { return registers_; }
  ItemBindings& Bindings() { return bindings_; }

  // The numbered entry point; d carries an address for ItemBind.
  void ServiceCall(std::int32_t code, std::int32_t a, std::int32_t b, std::int32_t c,
                   std::intptr_t d);

  // Items.
  void ItemSelect(std::int32_t window, std::int32_t item, bool byComponentIndex = false);
  // Selects the item and gives it the keyboard focus: a field with its text
  // selected, or an item that takes the focus by Tab.
  void ItemSelectFocus(std::int32_t window, std::int32_t item);
  void ItemShow(std::int32_t window, std::int32_t item);
  void ItemHide(std::int32_t window, std::int32_t item);
  // Shows or hides as `shown` says.
  void ItemShow(std::int32_t window, std::int32_t item, bool shown) { ItemShow(window, shown ? item : -item); }
  void ItemEnable(std::int32_t window, std::int32_t item);
  void ItemDisable(std::int32_t window, std::int32_t item);
  void ItemDestroy(std::int32_t window, std::int32_t item);
  // The name a screen reader gives an item.
  void ItemDescribe(std::int32_t window, std::int32_t item, const std::string& name);
  // What a screen reader says of a window after its title.
  void WindowDescribe(std::int32_t window, const std::string& description);
  // The item takes the keyboard focus by Tab or a click.
  void ItemTakesFocus(std::int32_t window, std::int32_t item);
  // The item of the window that has (or last had) the keyboard focus; 0 for none.
  std::int32_t FocusedItem(std::int32_t window) const;
  // Destroys every item numbered first..last that the window holds, at
  // once rather than later as ItemDestroy does, so that a window clearing
  // hundreds of items does not queue hundreds of deletions: none of them may
  // be the item whose mouse handler is running.
  void ItemDestroyRange(std::int32_t window, std::int32_t first, std::int32_t last);
  void ItemTemplate(std::int32_t window, std::int32_t item);
  void ItemClone();
  void ItemSetNumber(std::int32_t number);
  void ItemMove(std::int32_t componentIndex, std::int32_t top, std::int32_t left, MoveMode mode);
  // Moves an item of a window to a place in it, keeping its size.
  void ItemPlace(std::int32_t window, std::int32_t item, std::int32_t top, std::int32_t left);
  void ItemResize(std::int32_t height, std::int32_t width);
  void ItemRefresh();
  void ItemColour(std::int32_t which);
  void ItemSymbolFont(std::int32_t font);
  // Binds the current item to a variable by kind: 2 whole number, 3 long,
  // 5 real, negative text, 11 none. Reals and texts bind only to edit fields.
  void ItemBind(std::int32_t kind, void* address);
  void ItemBind(std::int32_t& variable, std::int32_t kind = 2) { ItemBind(kind, &variable); }
  void ItemBind(double& variable);
  void ItemBind(std::string& variable);
  void ItemWrite(std::int32_t window, std::int32_t item);
  void ItemRead(std::int32_t window, std::int32_t item);
  // The text a control shows now (labels, buttons, edit fields, memos).
  std::string ItemText(std::int32_t window, std::int32_t item);
  // The colour of a control's text (0xRRGGBB), through the colour register.
  void SetItemTextColour(std::int32_t window, std::int32_t item, std::uint32_t rgb);
  // Sizes a label to its text, with `extraWidth` pixels to spare.
  void ItemFitText(std::int32_t window, std::int32_t item, std::int32_t extraWidth);
  // Shows a text in a label, button, edit field or memo ("\n" breaks lines);
  // a picture item takes it as the name of an SVG picture to show, centred;
  // a pull-down takes its entries, one a line, none of them chosen.
  void SetItemText(std::int32_t window, std::int32_t item, const std::string& text);
  // Fills a table control with a header and rows; a cell that is a whole
  // number sorts as a number when the user sorts by its column.
  void SetTableRows(std::int32_t window, std::int32_t item, const std::vector<std::string>& header,
                    const std::vector<std::vector<std::string>>& rows);
  // The table's cells in the order shown (after any sorting by the user).
  std::vector<std::vector<std::string>> TableRows(std::int32_t window, std::int32_t item);
  bool ItemVisible(std::int32_t window, std::int32_t item);
  // Whether a window has an item, asked without making the item current.
  bool ItemExists(std::int32_t window, std::int32_t item) const;
  // An item's place in its window (all zero when there is no such item).
  ServiceRect ItemRect(std::int32_t window, std::int32_t item);
  // A place given in one window's items' coordinates, in another's.
  ServiceRect MapRect(std::int32_t fromWindow, const ServiceRect& rect, std::int32_t toWindow);
  // Where a window stands, in another window's items' coordinates.
  ServiceRect WindowRectIn(std::int32_t window, std::int32_t inWindow);

  // Windows. Every compiled dialog design opens by its number; the program
  // adds the classes of the windows that are more than that.
  void SetWindowClasses(const std::vector<WindowClass>& classes);
  // Adds a design by number (tests bring their own).
  void AddForm(std::int32_t form, FormBuilder build);
  void WindowOpen(std::int32_t window, std::int32_t mode);
  void WindowShow(std::int32_t window);
  void WindowHide(std::int32_t window);
  void WindowRunModal(std::int32_t window);
  void WindowRelease(std::int32_t window);
  void WindowBounds(std::int32_t window);
  void WindowPlace(std::int32_t window, std::int32_t left, std::int32_t top);
  void WindowResize(std::int32_t window, std::int32_t height, std::int32_t width);
  void WindowRepaint();
  void WindowSetTitle();
  bool WindowExists(std::int32_t window) const;
  bool WindowVisible(std::int32_t window) const;

  // Menus of the main window (see MenuAction); d = -2 hides, -1 shows.
  void Menu(std::int32_t menu, std::int32_t b, std::int32_t action, std::int32_t d);
  struct MenuItemState {
    bool visible = false;
    bool enabled = false;
    bool checked = false;
    std::string caption;
  };
  // Every menu item (menu or command) carrying a number, in menu-bar order.
  std::vector<MenuItemState> MenuItems(std::int32_t number) const;
  // Chooses a command from a menu as a person would; false when it is not there.
  bool ChooseMenuCommand(std::int32_t menu, std::int32_t command);

  // Drawing on the current item (a picture or a paint box), in window
  // coordinates unless local coordinates are asked for. What is drawn shows
  // when the painting returned ends.
  [[nodiscard]] ItemPainting ItemDrawing();
  void SetLocalCoordinates(bool local) { localCoordinates_ = local; }
  // Shows another item's picture in an item, keeping the item's own size.
  void ItemCopyPicture(std::int32_t window, std::int32_t from, std::int32_t to);

  // Control values of the current item: on or off, a scroll position, or a
  // pull-down's entry counted from 1 (0: none).
  void SetControlValue(std::int32_t value);
  std::int32_t GetControlValue();
  // Whether a check box or radio button is on; it becomes the current item.
  bool ItemChecked(std::int32_t window, std::int32_t item);
  // Sets an item's control value (1 checks a box or radio button, n chooses
  // entry n); it becomes the current item.
  void SetItemValue(std::int32_t window, std::int32_t item, std::int32_t value) {
    ItemSelect(window, item);
    SetControlValue(value);
  }

  // Text, numbers and lists.
  void ListString(std::int32_t list, std::int32_t index);
  void ListStringStore(std::int32_t list, std::int32_t index, std::int32_t flag);
  void NumberToText(std::int32_t kind, std::int32_t decimals);
  void TextToNumber(std::int32_t kind);
  void MemoLineCount();
  void MemoLine(std::int32_t action, std::int32_t line);

  // Message boxes: the text is the StringRegister.
  void MessageBox(std::int32_t kind);
  void Alert(std::int32_t kind, const std::string& text);

  // Cursors, events, colours, files.
  void CursorSet(std::int32_t cursor);
  void CursorRelease();
  void EventPost(std::int32_t window);
  void ColourSet(std::int32_t number, std::int32_t how);
  // The desktop's colour chooser, starting from rgb (0xRRGGBB); false when cancelled.
  bool ChooseColour(const std::string& title, std::uint32_t& rgb);
  void FileOpenDialog();
  void FileSaveDialog();
  // A folder chosen by the user into FileNameRegister; ResultWord 1, or 0 when cancelled.
  void FolderDialog(const std::string& title);
  void StartupFolder();
  const std::string& ProgramFolder() const { return programFolder_; }

  // The event flow: every click and command records who it came from and
  // runs the handler (the main event routine).
  void SetEventHandler(std::function<void()> handler) { eventHandler_ = std::move(handler); }
  void PostEvent(std::int32_t window, std::int32_t item, std::int32_t menuPos);
  // While a long action runs (auto fill), every click or command only asks
  // it to stop: none runs in the middle of the action.
  void SetBusy(bool busy);
  // Handles pending window messages; true when a click arrived meanwhile.
  bool WaitForClick();
  // Waits n ticks of 16 ms, handling window messages meanwhile; no click or
  // command runs until the wait is over.
  void DelayTicks(std::int32_t ticks);
  // A left-button press on a picture item, as the mouse would give it.
  void PressPicture(std::int32_t window, std::int32_t item, bool doubleClick = false,
                    bool leftButton = true);
  void ReleasePicture();
  // A gene symbol dragged from a template tile or a slot to a slot, as the
  // mouse would drag it; `to` 0 drops it away from every slot.
  void DragSymbol(std::int32_t window, std::int32_t from, std::int32_t to);
  // A key pressed on an item as the keyboard would press it: `text` is what
  // the key types, empty for Delete.
  void PressKey(std::int32_t window, std::int32_t item, const std::string& text);
  // A left-button press on a window's own background at (x, y), as the mouse would give it.
  void PressBackground(std::int32_t window, std::int32_t x, std::int32_t y);
  // Hides every window and ends the message loop.
  void Quit();
  bool QuitRequested() const;

  // Screen size, for the layout; scripted runs may pretend another screen.
  struct ScreenSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
  };
  ScreenSize Screen() const;
  void PretendScreen(ScreenSize size) { pretendScreen_ = size; }

  // Scripted mode.
  void SetScripted(bool on) { scripted_ = on; }
  bool Scripted() const { return scripted_; }
  void AnswerNextDialog(std::function<void(ScriptedDialog&)> responder);
  // Answers every dialog that finds no queued answer (a long random run
  // cannot foresee them all); without one such a dialog is a fault.
  void SetStandingAnswer(std::function<void(ScriptedDialog&)> responder) { standingAnswer_ = std::move(responder); }
  void AnswerNextFileDialog(std::string path);  // empty: cancel
  void AnswerNextColour(std::optional<std::uint32_t> rgb);  // nullopt: cancel
  void QueuePointerPath(PointerPath path);
  const std::vector<MessageRecord>& Transcript() const { return transcript_; }
  // In scripted mode an operation on a window or item that does not exist,
  // or a modal dialog that nobody answers, is a fault: it goes into the
  // transcript as kind 0 and to this handler, so that a test fails rather
  // than pass while driving nothing.
  void SetFaultHandler(std::function<void(const std::string&)> handler) { faultHandler_ = std::move(handler); }
  void ClearTranscript() { transcript_.clear(); }
  std::size_t PendingResponders() const;

  // A picture of a window as it looks now, written as PNG; false on failure.
  bool SaveWindowImage(std::int32_t window, const std::string& path);

  StringLists& Strings() { return strings_; }

 private:
  struct Impl;
  friend struct Impl;

  StringLists& strings_;
  ServiceRegisters registers_;
  ItemBindings bindings_;
  void Fault(const std::string& what);

  std::function<void()> eventHandler_;
  std::function<void(const std::string&)> faultHandler_;
  std::function<void(ScriptedDialog&)> standingAnswer_;
  std::vector<MessageRecord> transcript_;
  std::string programFolder_;
  ScreenSize pretendScreen_;
  bool scripted_ = false;
  bool busy_ = false;
  bool clickedWhileBusy_ = false;
  bool localCoordinates_ = false;
  Drawing drawing_;
  std::unique_ptr<Impl> impl_;
};

}  // namespace crossmere
