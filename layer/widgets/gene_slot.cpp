#include "layer/widgets/gene_slot.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>

namespace crossmere {
namespace {

constexpr int kMaxSymbolLength = 2;

bool IsSymbol(const QString& text) { return !text.isEmpty() && text.size() <= kMaxSymbolLength; }

// Drags a symbol, showing it under the pointer as it goes.
Qt::DropAction DragSymbol(QLabel* from, Qt::DropActions actions) {
  auto* drag = new QDrag(from);
  auto* data = new QMimeData;
  data->setText(from->text());
  drag->setMimeData(data);
  QPixmap picture(from->size() * from->devicePixelRatioF());
  picture.setDevicePixelRatio(from->devicePixelRatioF());
  picture.fill(Qt::transparent);
  from->render(&picture, QPoint(), QRegion(), QWidget::DrawChildren);
  drag->setPixmap(picture);
  drag->setHotSpot(QPoint(from->width() / 2, from->height() / 2));
  return drag->exec(actions, Qt::CopyAction);
}

}  // namespace

GeneSlot::GeneSlot(QWidget* parent) : QLabel(parent) {
  setAcceptDrops(true);
  setFocusPolicy(Qt::StrongFocus);
  setAlignment(Qt::AlignCenter);
}

void GeneSlot::Receive(const QString& symbol) {
  if (IsSymbol(symbol)) setText(symbol);
}

void GeneSlot::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() != Qt::LeftButton || text().isEmpty()) return;
  const Qt::DropAction done = DragSymbol(this, Qt::MoveAction | Qt::CopyAction);
  // Dropped on another slot, or anywhere that is not a slot: it leaves this
  // one. Dropped back on this slot, it stays.
  if (done == Qt::MoveAction || done == Qt::IgnoreAction) Release();
}

void GeneSlot::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasText() && IsSymbol(event->mimeData()->text())) {
    event->acceptProposedAction();
  }
}

void GeneSlot::dropEvent(QDropEvent* event) {
  Receive(event->mimeData()->text());
  const bool fromOtherSlot = event->source() != this && qobject_cast<GeneSlot*>(event->source());
  event->setDropAction(fromOtherSlot ? Qt::MoveAction : Qt::CopyAction);
  event->accept();
}

void GeneSlot::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
    Release();
    return;
  }
  const QString typed = event->text();
  // A letter, "+" or whatever stands for a male's missing gene.
  if (typed.size() == 1 && typed[0].isPrint() && !typed[0].isSpace()) {
    Receive(typed);
    focusNextChild();
    return;
  }
  QLabel::keyPressEvent(event);
}

SymbolTile::SymbolTile(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setCursor(Qt::OpenHandCursor);
}

void SymbolTile::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !text().isEmpty()) DragSymbol(this, Qt::CopyAction);
}

}  // namespace crossmere
