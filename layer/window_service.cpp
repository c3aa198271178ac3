#include "layer/window_service.h"

#include <utility>
#include <QApplication>
#include <QColor>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

#include "layer/colours.h"
#include "layer/number_text.h"
#include "layer/service_impl.h"
#include "layer/tick_count.h"
#include "layer/widgets/tlabelp.h"

// The pictures and cursors are compiled into a static library, whose
// resources must be registered by name.
static void LoadResources() {
  Q_INIT_RESOURCE(cursors);
  Q_INIT_RESOURCE(pictures);
}

namespace crossmere {

WindowService::WindowService(StringLists& strings)
    : strings_(strings), impl_(std::make_unique<Impl>(*this)) {
  LoadResources();
}

WindowService::~WindowService() {
  for (auto& entry : impl_->windows) delete entry.widget.data();
}

void WindowService::ServiceCall(std::int32_t code, std::int32_t a, std::int32_t b,
                                std::int32_t c, std::intptr_t d) {
  registers_.resultWord = 0;
  const auto d32 = static_cast<std::int32_t>(d);
  switch (code) {
    case op::kItemSelect: ItemSelect(a, b, c == 1); break;
    case op::kItemSelectFocus: ItemSelectFocus(a, b); break;
    case op::kItemShow: ItemShow(a, b); break;
    case op::kItemHide: ItemHide(a, b); break;
    case op::kItemEnable: ItemEnable(a, b); break;
    case op::kItemDisable: ItemDisable(a, b); break;
    case op::kItemDestroy: ItemDestroy(a, b); break;
    case op::kItemTemplate: ItemTemplate(a, b); break;
    case op::kItemClone: ItemClone(); break;
    case op::kItemSetNumber: ItemSetNumber(d32); break;
    case op::kItemMove: ItemMove(a, b, c, static_cast<MoveMode>(d32)); break;
    case op::kItemResize: ItemResize(b, c); break;
    case op::kItemRefresh: ItemRefresh(); break;
    case op::kItemColour: ItemColour(c); break;
    case op::kItemSymbolFont: ItemSymbolFont(d32); break;
    case op::kItemBind: ItemBind(c, reinterpret_cast<void*>(d)); break;
    case op::kItemWrite: ItemWrite(a, b); break;
    case op::kItemRead: ItemRead(a, b); break;
    case op::kWindowOpen: WindowOpen(a, d32); break;
    case op::kWindowShow: WindowShow(a); break;
    case op::kWindowHide: WindowHide(a); break;
    case op::kWindowRunModal: WindowRunModal(a); break;
    case op::kWindowRelease: WindowRelease(a); break;
    case op::kWindowBounds: WindowBounds(a); break;
    case op::kWindowPlace: WindowPlace(a, b, c); break;
    case op::kWindowResize: WindowResize(a, c, d32); break;
    case op::kWindowRepaint: WindowRepaint(); break;
    case op::kWindowSetTitle: WindowSetTitle(); break;
    case op::kMenu:
    case op::kMenuAlias: Menu(a, b, c, d32); break;
    case op::kListString: ListString(a, d32); break;
    case op::kListStringStore: ListStringStore(a, d32, b); break;
    case op::kNumberToText: NumberToText(d32, b); break;
    case op::kTextToNumber: TextToNumber(d32); break;
    case op::kMemoLineCount: MemoLineCount(); break;
    case op::kMemoLine: MemoLine(a, d32); break;
    case op::kInformationBox:
    case op::kErrorBox:
    case op::kNoteBox:
    case op::kWarningBox: MessageBox(code); break;
    case op::kCursorSet: CursorSet(a); break;
    case op::kCursorRelease: CursorRelease(); break;
    case op::kEventPost: EventPost(d32); break;
    case op::kColourSet: ColourSet(b, c); break;
    case op::kFileOpenDialog: FileOpenDialog(); break;
    case op::kFileSaveDialog: FileSaveDialog(); break;
    case op::kStartupFolder: StartupFolder(); break;
    default: break;  // codes the program calls but that do nothing
  }
}

// ---- Text, numbers and lists -------------------------------------------

void WindowService::ListString(std::int32_t list, std::int32_t index) {
  registers_.resultWord = 0;
  registers_.stringRegister = strings_.ListString(list, index);
}

void WindowService::ListStringStore(std::int32_t list, std::int32_t index, std::int32_t flag) {
  registers_.resultWord = 0;
  if (strings_.ListStringStore(list, index, flag == 1, registers_.stringRegister) ==
      StoreResult::OutOfSpace) {
    Alert(op::kErrorBox, "Sorry.  Insufficient space to add more resources");
  }
}

void WindowService::NumberToText(std::int32_t kind, std::int32_t decimals) {
  registers_.resultWord = 0;
  switch (kind) {
    case 2: registers_.stringRegister = std::to_string(registers_.intRegister); break;
    case 3: registers_.stringRegister = std::to_string(registers_.longRegister); break;
    case 5: registers_.stringRegister = RealToText(registers_.realRegister, decimals); break;
    default: Alert(op::kErrorBox, "NumtoS unimplemented"); break;
  }
}

void WindowService::TextToNumber(std::int32_t kind) {
  registers_.resultWord = 0;
  const std::string& text = registers_.stringRegister;
  switch (kind) {
    case 2: registers_.intRegister = ParseWholeNumber(text).value_or(0); break;
    case 3: registers_.longRegister = ParseWholeNumber(text).value_or(0); break;
    case 5: registers_.realRegister = ParseReal(text).value_or(0.0); break;
    default: Alert(op::kErrorBox, "StoNum unimplemented"); break;
  }
}

namespace {

QStringList MemoLines(const QPlainTextEdit& memo) {
  const QString text = memo.toPlainText();
  return text.isEmpty() ? QStringList() : text.split('\n');
}

}  // namespace

void WindowService::MemoLineCount() {
  registers_.resultWord = 0;
  if (!impl_->currentMemo) return;
  registers_.intRegister = static_cast<std::int32_t>(MemoLines(*impl_->currentMemo).size());
}

void WindowService::MemoLine(std::int32_t action, std::int32_t line) {
  registers_.resultWord = 0;
  if (!impl_->currentMemo) return;
  if (action == 0) {
    impl_->currentMemo->clear();
  } else if (action == 3) {
    const QStringList lines = MemoLines(*impl_->currentMemo);
    const bool there = line >= 0 && line < lines.size();
    registers_.resultWord = there ? 1 : 0;
    if (there) registers_.stringRegister = CutText(lines[line].toStdString(), 255);
  }
}

// ---- Message boxes -----------------------------------------------------

void WindowService::MessageBox(std::int32_t kind) {
  registers_.resultWord = 0; Alert(kind, registers_.stringRegister); }

void WindowService::Alert(std::int32_t kind, const std::string& text) {
  if (scripted_) {
    transcript_.push_back({kind, text});
    return;
  }
  const QMessageBox::Icon icon = kind == op::kErrorBox     ? QMessageBox::Critical
                                 : kind == op::kWarningBox ? QMessageBox::Warning
                                                           : QMessageBox::Information;
  QMessageBox box(icon, QStringLiteral("Crossmere"), QString::fromStdString(text),
                  QMessageBox::Ok, impl_->MainWindow());
  box.exec();
}

// ---- Cursors, events, colours, files -----------------------------------

void WindowService::Impl::SetCursor(const QCursor& cursor) {
  if (overrideCursor) {
    QApplication::changeOverrideCursor(cursor);
  } else {
    QApplication::setOverrideCursor(cursor);
    overrideCursor = true;
  }
}

void WindowService::CursorSet(std::int32_t cursor) {
  registers_.resultWord = 0;
  static const char* const ownCursors[] = {":/cursors/hand.xpm", ":/cursors/pointer_plus.xpm",
                                           ":/cursors/magnifier.xpm"};
  static const QPoint hotSpots[] = {{15, 17}, {1, 1}, {12, 12}};
  if (cursor == kWaitCursor) {
    ++impl_->busyCount;
    impl_->SetCursor(Qt::WaitCursor);
  } else if (cursor >= 1011 && cursor <= 1013) {
    const int own = cursor - 1011;
    impl_->SetCursor(QCursor(QPixmap(ownCursors[own]), hotSpots[own].x(), hotSpots[own].y()));
  } else if (impl_->overrideCursor) {
    QApplication::restoreOverrideCursor();
    impl_->overrideCursor = false;
  }
}

void WindowService::CursorRelease() {
  registers_.resultWord = 0;
  if (impl_->overrideCursor) {
    QApplication::restoreOverrideCursor();
    impl_->overrideCursor = false;
  }
  if (impl_->busyCount >= 1) --impl_->busyCount;
}

void WindowService::EventPost(std::int32_t window) {
  registers_.resultWord = 0;
  registers_.eventWindow = window;
  if (eventHandler_) eventHandler_();
}

void WindowService::PostEvent(std::int32_t window, std::int32_t item, std::int32_t menuPos) {
  if (busy_) {
    clickedWhileBusy_ = true;
    return;
  }
  registers_.itemHit = item;
  registers_.eventItem = item;
  registers_.eventWindow = window;
  registers_.eventMenuPos = menuPos;
  if (eventHandler_) eventHandler_();
}

void WindowService::SetBusy(bool busy) {
  busy_ = busy;
  clickedWhileBusy_ = false;
}

bool WindowService::WaitForClick() {
  registers_.itemHit = 0;
  QCoreApplication::processEvents();
  return std::exchange(clickedWhileBusy_, false) || registers_.itemHit > 0;
}

void WindowService::DelayTicks(std::int32_t ticks) {
  registers_.resultWord = 0;
  if (ticks <= 0) return;
  // Window messages are handled while waiting, so the screen stays live; a
  // click meanwhile runs no command, which would find the action that is
  // waiting half done (a long action still hears it as a request to stop).
  const bool wasBusy = std::exchange(busy_, true);
  QEventLoop loop;
  QTimer::singleShot(TickMilliseconds(ticks), &loop, &QEventLoop::quit);
  loop.exec();
  busy_ = wasBusy;
}

void WindowService::ColourSet(std::int32_t number, std::int32_t how) {
  registers_.resultWord = 0;
  auto& colour = registers_.colour;
  if (how == 1210) {
    if (const auto rgb = ColourOfNumber(number)) colour.rgb = *rgb;
  } else if (auto* label = qobject_cast<QLabel*>(impl_->currentItem.data())) {
    colour.rgb = label->palette().color(QPalette::WindowText).rgb() & 0xFFFFFFu;
  }
  colour.red = static_cast<std::int32_t>((colour.rgb >> 16) & 0xFF) * 256;
  colour.green = static_cast<std::int32_t>((colour.rgb >> 8) & 0xFF) * 256;
  colour.blue = static_cast<std::int32_t>(colour.rgb & 0xFF) * 256;
}

bool WindowService::ChooseColour(const std::string& title, std::uint32_t& rgb) {
  registers_.resultWord = 0;
  std::optional<std::uint32_t> chosen;
  if (scripted_) {
    if (!impl_->colourAnswers.empty()) {
      chosen = impl_->colourAnswers.front();
      impl_->colourAnswers.pop_front();
    }
  } else {
    QWidget* parent = impl_->currentWindow ? impl_->currentWindow.data() : impl_->MainWindow();
    const QColor colour = QColorDialog::getColor(QColor::fromRgb(rgb), parent, QString::fromStdString(title));
    if (colour.isValid()) chosen = colour.rgb() & 0xFFFFFFu;
  }
  if (!chosen) return false;
  rgb = *chosen;
  return true;
}

std::string WindowService::Impl::NextFileAnswer() {
  if (fileAnswers.empty()) return std::string();
  std::string path = fileAnswers.front();
  fileAnswers.pop_front();
  return path;
}

void WindowService::FileOpenDialog() {
  registers_.resultWord = 0;
  std::string path;
  if (scripted_) {
    path = impl_->NextFileAnswer();
  } else {
    path = QFileDialog::getOpenFileName(impl_->MainWindow()).toStdString();
  }
  registers_.resultWord = path.empty() ? 0 : 1;
  if (!path.empty()) registers_.fileNameRegister = CutText(path, 255);
}

void WindowService::FileSaveDialog() {
  registers_.resultWord = 0;
  std::string path;
  if (scripted_) {
    path = impl_->NextFileAnswer();
  } else {
    path = QFileDialog::getSaveFileName(impl_->MainWindow(), QString(),
                                        QString::fromStdString(registers_.fileNameRegister))
               .toStdString();
  }
  registers_.resultWord = path.empty() ? 0 : 1;
  if (!path.empty()) registers_.fileNameRegister = CutText(path, 255);
}

void WindowService::FolderDialog(const std::string& title) {
  registers_.resultWord = 0;
  std::string path;
  if (scripted_) {
    path = impl_->NextFileAnswer();
  } else {
    path = QFileDialog::getExistingDirectory(impl_->MainWindow(), QString::fromStdString(title),
                                             QString::fromStdString(registers_.fileNameRegister))
               .toStdString();
  }
  registers_.resultWord = path.empty() ? 0 : 1;
  if (!path.empty()) registers_.fileNameRegister = path;
}

void WindowService::StartupFolder() {
  registers_.resultWord = 0;
  programFolder_ = CutText(QDir::currentPath().toStdString(), 80);
}

WindowService::ScreenSize WindowService::Screen() const {
  if (pretendScreen_.width > 0) return pretendScreen_;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {800, 600};
  const QSize size = screen->size();
  return {size.width(), size.height()};
}

// ---- Scripted mode -----------------------------------------------------

void WindowService::AnswerNextDialog(std::function<void(ScriptedDialog&)> responder) {
  impl_->responders.push_back(std::move(responder));
}

void WindowService::AnswerNextColour(std::optional<std::uint32_t> rgb) {
  impl_->colourAnswers.push_back(rgb);
}

void WindowService::AnswerNextFileDialog(std::string path) {
  impl_->fileAnswers.push_back(std::move(path));
}

void WindowService::Fault(const std::string& what) {
  if (!scripted_) return;
  transcript_.push_back({0, what});
  if (faultHandler_) faultHandler_(what);
}

void WindowService::QueuePointerPath(PointerPath path) {
  impl_->pointerPaths.push_back(std::move(path));
}

std::size_t WindowService::PendingResponders() const { return impl_->responders.size(); }

bool WindowService::SaveWindowImage(std::int32_t window, const std::string& path) {
  WindowEntry* entry = impl_->FindWindow(window);
  if (!entry) return false;
  return entry->widget->grab().save(QString::fromStdString(path), "PNG");
}

}  // namespace crossmere
