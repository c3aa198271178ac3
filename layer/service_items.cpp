// Items: lookup by number, showing and hiding, cloning, binding to variables.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QHeaderView>
#include <QTableWidget>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "layer/number_text.h"
#include "layer/service_impl.h"
#include "layer/widgets/paint_box.h"
#include "layer/widgets/panel.h"
#include "layer/widgets/picture.h"
#include "layer/widgets/shape.h"
#include "layer/widgets/tlabelp.h"

namespace crossmere {
std::int32_t WindowService::Impl::NumberOf(const QObject* object) {
  return object ? object->property("item").toInt() : 0;
}

QWidget* WindowService::Impl::ItemArea(QWidget* window) {
  if (auto* main = qobject_cast<QMainWindow*>(window)) return main->centralWidget();
  // A window may keep its items in an inner area, such as a scrolled view.
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (child->property("itemArea").toBool()) return child;
  }
  return window;
}

WindowEntry* WindowService::Impl::FindWindow(std::int32_t number) {
  for (auto& entry : windows) {
    if (entry.number == number && entry.widget) return &entry;
  }
  return nullptr;
}

QWidget* WindowService::Impl::Require(const char* operation, std::int32_t window, std::int32_t item) {
  QWidget* found = Lookup(window, item);
  if (!found) {
    self.Fault(std::string(operation) + ": no item " + std::to_string(item) + " in window " +
               std::to_string(window));
  }
  return found;
}

const WindowEntry* WindowService::Impl::FindWindow(std::int32_t number) const {
  return const_cast<Impl*>(this)->FindWindow(number);
}

WindowEntry* WindowService::Impl::EntryOf(QWidget* window) {
  for (auto& entry : windows) {
    if (entry.widget == window) return &entry;
  }
  return nullptr;
}

void WindowEntry::AddComponent(QWidget* item, std::int32_t itemNumber) {
  components.push_back({item, itemNumber});
  QPointer<QWidget>& first = firstOfNumber[itemNumber];
  if (!first) first = item;
}

void WindowEntry::RemoveComponent(QWidget* item) {
  // Clones, the items that come and go, are at the end.
  const auto at = std::find_if(components.rbegin(), components.rend(),
                               [item](const WindowComponent& c) { return c.widget == item; });
  if (at == components.rend()) return;
  const std::int32_t itemNumber = at->number;
  components.erase(std::next(at).base());
  if (Numbered(itemNumber) == item) IndexNumber(itemNumber);
}

void WindowEntry::Renumber(QWidget* item, std::int32_t itemNumber) {
  for (WindowComponent& c : components) {
    if (c.widget != item) continue;
    const std::int32_t old = c.number;
    c.number = itemNumber;
    if (Numbered(old) == item) IndexNumber(old);
    // Another component with the number may come before or after this one.
    if (Numbered(itemNumber) == nullptr) {
      firstOfNumber[itemNumber] = item;
    } else {
      IndexNumber(itemNumber);
    }
    return;
  }
}

void WindowEntry::IndexNumber(std::int32_t itemNumber) {
  for (const WindowComponent& c : components) {
    if (c.number == itemNumber && c.widget) {
      firstOfNumber[itemNumber] = c.widget;
      return;
    }
  }
  firstOfNumber.erase(itemNumber);
}

QWidget* WindowEntry::Numbered(std::int32_t itemNumber) const {
  const auto found = firstOfNumber.find(itemNumber);
  return found == firstOfNumber.end() ? nullptr : found->second.data();
}

QWidget* WindowService::Impl::Lookup(std::int32_t window, std::int32_t item, bool byIndex) {
  auto& regs = self.registers_;
  currentItem = nullptr;
  regs.itemFound = false;
  WindowEntry* entry = FindWindow(window);
  if (!entry) return nullptr;
  currentWindow = entry->widget;
  QWidget* found = nullptr;
  if (byIndex) {
    if (item >= 0 && item < static_cast<std::int32_t>(entry->components.size()))
      found = entry->components[item].widget;
  } else {
    found = entry->Numbered(item);
  }
  if (!found) return nullptr;
  currentItem = found;
  regs.itemFound = true;
  const QRect r = found->geometry();
  regs.windowRect.left = r.left();
  regs.windowRect.top = r.top();
  regs.windowRect.right = r.left() + r.width();
  regs.windowRect.bottom = r.top() + r.height();
  if (auto* memo = qobject_cast<QPlainTextEdit*>(found)) currentMemo = memo;
  return found;
}

void WindowService::ItemSelect(std::int32_t window, std::int32_t item, bool byComponentIndex) {
  registers_.resultWord = 0;
  QWidget* w = impl_->Lookup(window, item, byComponentIndex);
  if (!w) return;
  auto& state = registers_.itemState;
  state.visible = !w->isHidden();
  state.enabled = w->isEnabled() ? 1 : -1;
  const auto* label = qobject_cast<const Tlabelp*>(w);
  state.resID = label ? label->resID() : 0;
  const auto* radio = qobject_cast<const QRadioButton*>(w);
  state.checked = radio && radio->isChecked();
  state.dialog = window;
  state.item = Impl::NumberOf(w);
}

void WindowService::ItemSelectFocus(std::int32_t window, std::int32_t item) {
  registers_.resultWord = 0;
  ItemSelect(window, item);
  QWidget* w = impl_->currentItem;
  if (!w || w->isHidden() || !w->isEnabled()) return;
  // Typing replaces what a field holds; other items take the focus only if
  // they take it from the Tab key too. A window not shown yet gives the item
  // the focus as it appears.
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    edit->selectAll();
  } else if ((w->focusPolicy() & Qt::TabFocus) == 0) {
    return;
  }
  w->setFocus(Qt::OtherFocusReason);
}

void WindowService::ItemShow(std::int32_t window, std::int32_t item) {
  registers_.resultWord = 0;
  if (item < 0) {
    ItemHide(window, -item);
    return;
  }
  QWidget* w = impl_->Require("ItemShow", window, item);
  if (!w) return;
  w->show();
  if (auto* panel = qobject_cast<Panel*>(w->parentWidget())) panel->show();
}

void WindowService::ItemPlace(std::int32_t window, std::int32_t item, std::int32_t top, std::int32_t left) {
  ItemTemplate(window, item);
  ItemMove(registers_.resultWord, top, left, MoveMode::Place);
}

void WindowService::ItemHide(std::int32_t window, std::int32_t item) {
  registers_.resultWord = 0;
  QWidget* w = impl_->Require("ItemHide", window, item);
  if (!w) return;
  w->hide();
  auto* panel = qobject_cast<Panel*>(w->parentWidget());
  if (!panel) return;
  const auto siblings = panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  const bool anyVisible = std::any_of(siblings.begin(), siblings.end(),
                                      [](const QWidget* s) { return !s->isHidden(); });
  if (!anyVisible) panel->hide();
}

void WindowService::ItemEnable(std::int32_t window, std::int32_t item) {
  registers_.resultWord = 0;
  if (QWidget* w = impl_->Require("ItemEnable", window, item)) w->setEnabled(true);
}

void WindowService::ItemDisable(std::int32_t window, std::int32_t item) {
  registers_.resultWord = 0;
  if (QWidget* w = impl_->Require("ItemDisable", window, item)) w->setEnabled(false);
}

void WindowService::ItemDestroy(std::int32_t window, std::int32_t item) {
  registers_.resultWord = 0;
  QWidget* w = impl_->Require("ItemDestroy", window, item);
  if (!w) return;
  if (WindowEntry* entry = impl_->EntryOf(impl_->currentWindow)) entry->RemoveComponent(w);
  impl_->currentItem = nullptr;
  // The item may be the one whose mouse handler is running: delete it later.
  w->hide();
  w->deleteLater();
}

void WindowService::ItemDescribe(std::int32_t window, std::int32_t item, const std::string& name) {
  registers_.resultWord = 0;
  if (QWidget* w = impl_->Require("ItemDescribe", window, item)) w->setAccessibleName(QString::fromStdString(name));
}

void WindowService::WindowDescribe(std::int32_t window, const std::string& description) {
  registers_.resultWord = 0;
  if (WindowEntry* entry = impl_->FindWindow(window)) {
    entry->widget->setAccessibleDescription(QString::fromStdString(description));
  } else {
    Fault("WindowDescribe: no window " + std::to_string(window));
  }
}

void WindowService::ItemTakesFocus(std::int32_t window, std::int32_t item) {
  registers_.resultWord = 0;
  if (QWidget* w = impl_->Require("ItemTakesFocus", window, item)) w->setFocusPolicy(Qt::StrongFocus);
}

std::int32_t WindowService::FocusedItem(std::int32_t window) const {
  const WindowEntry* entry = impl_->FindWindow(window);
  if (!entry || !entry->widget) return 0;
  QWidget* focused = entry->widget->focusWidget();
  const std::int32_t number = Impl::NumberOf(focused);
  return number != 0 && entry->Numbered(number) == focused ? number : 0;
}

void WindowService::ItemDestroyRange(std::int32_t window, std::int32_t first, std::int32_t last) {
  registers_.resultWord = 0;
  WindowEntry* entry = impl_->FindWindow(window);
  if (!entry) return;
  for (std::int32_t item = first; item <= last; ++item) {
    if (QWidget* w = entry->Numbered(item)) {
      entry->RemoveComponent(w);
      delete w;
    }
  }
  impl_->currentItem = nullptr;
}

void WindowService::ItemTemplate(std::int32_t window, std::int32_t item) {
  registers_.resultWord = 0;
  QWidget* w = impl_->Require("ItemTemplate", window, item);
  if (!w) return;
  impl_->templateItem = w;
  const WindowEntry* entry = impl_->EntryOf(impl_->currentWindow);
  const auto at = std::find_if(entry->components.begin(), entry->components.end(),
                               [w](const WindowComponent& c) { return c.widget == w; });
  registers_.resultWord = static_cast<std::int32_t>(at - entry->components.begin());
}

void WindowService::ItemClone() {
  registers_.resultWord = 0;
  QWidget* source = impl_->templateItem;
  WindowEntry* entry = impl_->EntryOf(impl_->currentWindow);
  if (!source || !entry) return;
  QWidget* area = Impl::ItemArea(entry->widget);
  QWidget* clone = nullptr;
  if (auto* picture = qobject_cast<Picture*>(source)) {
    auto* copy = new Picture(area);
    copy->setPixmap(picture->pixmap());
    copy->setScaledContents(picture->hasScaledContents());
    copy->setFrameStyle(picture->frameStyle());
    copy->setAlignment(picture->alignment());
    copy->setTransparent(picture->transparent());
    clone = copy;
  } else if (auto* shape = qobject_cast<Shape*>(source)) {
    auto* copy = new Shape(area);
    copy->setFrameStyle(shape->frameStyle());
    copy->setLineWidth(shape->lineWidth());
    clone = copy;
  } else if (qobject_cast<PaintBox*>(source)) {
    clone = new PaintBox(area);
  } else {
    auto* copy = new Tlabelp(area);
    if (auto* label = qobject_cast<QLabel*>(source)) {
      copy->setText(label->text());
      copy->setAlignment(label->alignment());
      copy->setWordWrap(label->wordWrap());
    }
    clone = copy;
  }
  clone->setPalette(source->palette());
  clone->setAutoFillBackground(source->autoFillBackground());
  clone->setFont(source->font());
  clone->setToolTip(source->toolTip());
  clone->setStyleSheet(source->styleSheet());
  clone->resize(source->size());
  clone->setProperty("item", 0);
  clone->hide();
  impl_->WireControl(entry->widget, clone);
  entry->AddComponent(clone, 0);
  impl_->currentItem = clone;
}

void WindowService::ItemSetNumber(std::int32_t number) {
  registers_.resultWord = 0;
  QWidget* item = impl_->currentItem;
  if (!item) return;
  item->setProperty("item", number);
  if (WindowEntry* entry = impl_->EntryOf(impl_->currentWindow)) entry->Renumber(item, number);
}

void WindowService::ItemResize(std::int32_t height, std::int32_t width) {
  registers_.resultWord = 0;
  if (impl_->currentItem) impl_->currentItem->resize(width, height);
}

void WindowService::ItemRefresh() {
  registers_.resultWord = 0;
  if (!impl_->currentItem) return;
  impl_->currentItem->hide();
  impl_->currentItem->show();
}

void WindowService::ItemColour(std::int32_t which) {
  registers_.resultWord = 0;
  QWidget* w = impl_->currentItem;
  if (!w) return;
  const QColor colour = QColor::fromRgb(registers_.colour.rgb);
  QPalette palette = w->palette();
  if (which == 1) {
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    w->setAutoFillBackground(true);
  } else if (which == 2) {
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
  }
  w->setPalette(palette);
}

void WindowService::SetItemTextColour(std::int32_t window, std::int32_t item, std::uint32_t rgb) {
  if (!impl_->Require("SetItemTextColour", window, item)) return;
  registers_.colour.rgb = rgb;
  registers_.colour.red = static_cast<std::int32_t>((rgb >> 16) & 0xFF) * 256;
  registers_.colour.green = static_cast<std::int32_t>((rgb >> 8) & 0xFF) * 256;
  registers_.colour.blue = static_cast<std::int32_t>(rgb & 0xFF) * 256;
  ItemColour(2);
}

void WindowService::ItemSymbolFont(std::int32_t font) {
  registers_.resultWord = 0;
  if (font != 23 || !impl_->currentItem) return;
  QFont symbol = impl_->currentItem->font();
  symbol.setFamily(QStringLiteral("Symbol"));
  impl_->currentItem->setFont(symbol);
}

// ---- Binding -------------------------------------------------------------

void WindowService::ItemBind(std::int32_t kind, void* address) {
  registers_.resultWord = 0;
  QWidget* w = impl_->currentItem;
  if (!w || kind == ItemBindings::kUnbound) return;
  const std::int32_t number = Impl::NumberOf(w);
  if (number < 1 || number > ItemBindings::kMaxKindItem) return;
  const bool edit = qobject_cast<QLineEdit*>(w) != nullptr;
  if (edit && kind != 2 && kind != 3 && kind != 5 && kind >= 0) {
    Alert(op::kWarningBox, "m4 " + std::to_string(kind) + " value!");
    return;
  }
  bindings_.kinds[number] = kind;
  if (number > ItemBindings::kMaxBoundItem) return;
  if (!edit || kind == 2) {
    bindings_.ints[number] = static_cast<std::int32_t*>(address);
  } else if (kind == 3) {
    bindings_.longs[number] = static_cast<std::int32_t*>(address);
  } else if (kind == 5) {
    bindings_.reals[number] = static_cast<double*>(address);
  } else {
    bindings_.texts[number] = static_cast<std::string*>(address);
  }
}

void WindowService::ItemBind(double& variable) {
  if (!qobject_cast<QLineEdit*>(impl_->currentItem.data())) {
    Alert(op::kWarningBox, "m4 5 value!");
    return;
  }
  ItemBind(5, &variable);
}

void WindowService::ItemBind(std::string& variable) {
  if (!qobject_cast<QLineEdit*>(impl_->currentItem.data())) {
    Alert(op::kWarningBox, "m4 -1 value!");
    return;
  }
  ItemBind(-1, &variable);
}

void WindowService::ItemWrite(std::int32_t window, std::int32_t item) {
  registers_.resultWord = 0;
  QWidget* w = impl_->Require("ItemWrite", window, item);
  if (!w || item < 1 || item > ItemBindings::kMaxBoundItem) return;
  std::int32_t* integer = bindings_.ints[item];
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    const std::int32_t kind = bindings_.kinds[item];
    QString text;
    if (kind == 2 && integer) {
      text = QString::number(*integer);
    } else if (kind == 3 && bindings_.longs[item]) {
      text = QString::number(*bindings_.longs[item]);
    } else if (kind == 5 && bindings_.reals[item]) {
      text = QString::fromStdString(RealToGeneralText(*bindings_.reals[item]));
    } else if (kind < 0 && bindings_.texts[item]) {
      text = QString::fromStdString(*bindings_.texts[item]);
    } else {
      return;
    }
    edit->setText(text);
    return;
  }
  if (!integer) return;
  if (auto* scroll = qobject_cast<QScrollBar*>(w)) {
    scroll->setValue(*integer);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    combo->setCurrentIndex(*integer - 1);
  } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
    check->setChecked(*integer != 0);
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(QString::number(*integer));
  }
}

void WindowService::ItemRead(std::int32_t window, std::int32_t item) {
  registers_.resultWord = 0;
  QWidget* w = impl_->Require("ItemRead", window, item);
  if (!w || item < 1 || item > ItemBindings::kMaxBoundItem) return;
  std::int32_t* integer = bindings_.ints[item];
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    const std::int32_t kind = bindings_.kinds[item];
    const std::string text = edit->text().toStdString();
    if (kind == 2 && integer) {
      *integer = ParseWholeNumber(text).value_or(0);
    } else if (kind == 3 && bindings_.longs[item]) {
      *bindings_.longs[item] = ParseWholeNumber(text).value_or(0);
    } else if (kind == 5 && bindings_.reals[item]) {
      *bindings_.reals[item] = ParseReal(text).value_or(kBlankReal);
    } else if (kind < 0 && bindings_.texts[item]) {
      *bindings_.texts[item] = CutText(text, 50);
      bindings_.lastEnteredText = text;
    }
    return;
  }
  if (!integer) return;
  if (auto* scroll = qobject_cast<QScrollBar*>(w)) {
    *integer = scroll->value();
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    *integer = combo->currentIndex() < 0 ? 1 : combo->currentIndex() + 1;
  } else if (auto* list = qobject_cast<QListWidget*>(w)) {
    *integer = list->currentRow() + 1;
  } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
    *integer = check->isChecked() ? 1 : 0;
  } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
    *integer = radio->isChecked() ? 1 : 0;
  }
}

std::string WindowService::ItemText(std::int32_t window, std::int32_t item) {
  QWidget* w = impl_->Require("ItemText", window, item);
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text().toStdString();
  if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) return memo->toPlainText().toStdString();
  return {};
}

void WindowService::ItemFitText(std::int32_t window, std::int32_t item, std::int32_t extraWidth) {
  registers_.resultWord = 0;
  auto* label = qobject_cast<QLabel*>(impl_->Require("ItemFitText", window, item));
  if (!label) return;
  label->adjustSize();
  label->resize(label->width() + extraWidth, label->height());
}

void WindowService::SetTableRows(std::int32_t window, std::int32_t item, const std::vector<std::string>& header,
                                 const std::vector<std::vector<std::string>>& rows) {
  registers_.resultWord = 0;
  auto* table = qobject_cast<QTableWidget*>(impl_->Require("SetTableRows", window, item));
  if (!table) return;
  const bool sorting = table->isSortingEnabled();
  table->setSortingEnabled(false);
  table->clear();
  table->setColumnCount(static_cast<int>(header.size()));
  table->setRowCount(static_cast<int>(rows.size()));
  QStringList labels;
  for (const std::string& text : header) labels << QString::fromStdString(text);
  table->setHorizontalHeaderLabels(labels);
  for (int r = 0; r < table->rowCount(); ++r) {
    const auto& row = rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < table->columnCount() && c < static_cast<int>(row.size()); ++c) {
      auto* cell = new QTableWidgetItem;
      const QString text = QString::fromStdString(row[static_cast<std::size_t>(c)]);
      bool number = false;
      const int value = text.toInt(&number);
      // "007" stays text: only a number written as a number sorts as one.
      if (number && QString::number(value) == text) {
        cell->setData(Qt::DisplayRole, value);
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      } else {
        cell->setText(text);
      }
      table->setItem(r, c, cell);
    }
  }
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  table->resizeColumnsToContents();
  table->setSortingEnabled(sorting);
}

std::vector<std::vector<std::string>> WindowService::TableRows(std::int32_t window, std::int32_t item) {
  registers_.resultWord = 0;
  std::vector<std::vector<std::string>> rows;
  auto* table = qobject_cast<QTableWidget*>(impl_->Require("TableRows", window, item));
  if (!table) return rows;
  for (int r = 0; r < table->rowCount(); ++r) {
    std::vector<std::string> row;
    for (int c = 0; c < table->columnCount(); ++c) {
      const QTableWidgetItem* cell = table->item(r, c);
      row.push_back(cell ? cell->text().toStdString() : std::string());
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

void WindowService::SetItemText(std::int32_t window, std::int32_t item, const std::string& text) {
  registers_.resultWord = 0;
  QWidget* w = impl_->Require("SetItemText", window, item);
  const QString value = QString::fromStdString(text);
  if (auto* picture = qobject_cast<Picture*>(w)) {
    picture->setSvg(value);
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(value);
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(value);
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    edit->setText(value);
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
    memo->setPlainText(value);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    combo->clear();
    combo->addItems(value.split(QLatin1Char('\n')));
    combo->setCurrentIndex(-1);
  }
}

ItemPainting::ItemPainting(Drawing& drawing, std::unique_ptr<ItemSurface> surface)
    : drawing_(drawing), surface_(std::move(surface)) {
  drawing_.SetSurface(surface_.get());
}

ItemPainting::~ItemPainting() {
  if (drawing_.Surface() == surface_.get()) drawing_.SetSurface(nullptr);
}

ItemPainting WindowService::ItemDrawing() {
  if (localCoordinates_) {
    drawing_.UseLocalCoordinates();
  } else {
    drawing_.UseWindowCoordinates(registers_.windowRect.left, registers_.windowRect.top);
  }
  return ItemPainting(drawing_, std::make_unique<ItemSurface>(impl_->currentItem));
}

void WindowService::ItemCopyPicture(std::int32_t window, std::int32_t from, std::int32_t to) {
  registers_.resultWord = 0;
  auto* source = qobject_cast<Picture*>(impl_->Require("ItemCopyPicture", window, from));
  if (!source) return;
  const QPixmap picture = source->pixmap();
  if (auto* target = qobject_cast<Picture*>(impl_->Require("ItemCopyPicture", window, to))) target->setPixmap(picture);
}

bool WindowService::ItemChecked(std::int32_t window, std::int32_t item) {
  ItemSelect(window, item);
  return GetControlValue() != 0;
}

void WindowService::SetControlValue(std::int32_t value) {
  registers_.resultWord = 0;
  QWidget* w = impl_->currentItem;
  if (!w) return;
  if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable()) {
    // A radio button of a group can only be cleared with the group's rule set aside.
    const bool exclusive = button->autoExclusive();
    if (value == 0) button->setAutoExclusive(false);
    button->setChecked(value != 0);
    button->setAutoExclusive(exclusive);
  } else if (auto* label = qobject_cast<Tlabelp*>(w)) {
    label->setValue(value);
    // The table's own text: a class set-up's overrides do not reach labels.
    if (label->resID() >= 1 && value >= 1) {
      label->setText(QString::fromStdString(
          CutText(strings_.TextOfId(strings_.StringIdOf(label->resID(), value)), 255)));
    }
  } else if (auto* scroll = qobject_cast<QScrollBar*>(w)) {
    scroll->setValue(value);
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    // Entries count from 1; 0 leaves none chosen.
    combo->setCurrentIndex(value - 1);
  } else if (!qobject_cast<QListWidget*>(w)) {
    Alert(op::kWarningBox, "Hmm SetCtlValue!  Tag " + std::to_string(registers_.itemState.dialog) + " " +
                               std::to_string(Impl::NumberOf(w)));
  }
}

std::int32_t WindowService::GetControlValue() {
  registers_.resultWord = 0;
  if (auto* combo = qobject_cast<QComboBox*>(impl_->currentItem.data())) return combo->currentIndex() + 1;
  auto* button = qobject_cast<QAbstractButton*>(impl_->currentItem.data());
  return button && button->isChecked() ? 1 : 0;
}

ServiceRect WindowService::ItemRect(std::int32_t window, std::int32_t item) {
  if (!impl_->Require("ItemRect", window, item)) return {};
  const auto& r = registers_.windowRect;
  return {r.top, r.left, r.bottom, r.right};
}

bool WindowService::ItemExists(std::int32_t window, std::int32_t item) const {
  const WindowEntry* entry = impl_->FindWindow(window);
  return entry && entry->Numbered(item);
}

bool WindowService::ItemVisible(std::int32_t window, std::int32_t item) {
  QWidget* w = impl_->Lookup(window, item);
  return w && !w->isHidden();
}

}  // namespace crossmere
