// Moving items, and dragging them with the mouse: an image of the item
// follows the pointer until the button goes up.

#include <QBitmap>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>

#include "layer/service_impl.h"
#include "layer/tick_count.h"
#include "layer/widgets/panel.h"

namespace crossmere {
namespace {

constexpr int kProxyItem = 5678;
constexpr int kProxyParkLeft = 1888;

}  // namespace

QPoint WindowService::Impl::PointerIn(QWidget* area) const {
  return area->mapFromGlobal(QCursor::pos());
}

// Follows the pointer with `image` until the drag ends; returns its last place.
// Other handlers run meanwhile and may delete the item or its window: the drag
// then ends where it is.
ServiceRect WindowService::Impl::Drag(QWidget* item, QWidget* image) {
  auto& regs = self.registers_;
  const QPointer<QWidget> watchedItem(item);
  const QPointer<QWidget> area(item->parentWidget());
  const QPointer<QWidget> watchedImage(image);
  regs.dragActive = true;
  regs.longRegister = static_cast<std::int32_t>(TickCount());

  PointerPath path;
  if (self.scripted_ && !pointerPaths.empty()) {
    path = std::move(pointerPaths.front());
    pointerPaths.pop_front();
  }
  const bool scripted = self.scripted_;
  QPoint pointer = scripted ? (path.points.empty() ? item->geometry().center()
                                                   : QPoint(path.points[0].x, path.points[0].y))
                            : PointerIn(area);
  if (!item->geometry().contains(pointer)) {
    image->move(pointer.x() - image->width() / 2, pointer.y() - image->height() / 2);
  }
  image->show();
  image->raise();
  QRect last = image->geometry();

  auto alive = [&] { return watchedItem && area && watchedImage; };
  auto follow = [&](QPoint now) {
    if (!alive()) return;
    watchedImage->move(watchedImage->pos() + (now - pointer));
    pointer = now;
    last = watchedImage->geometry();
  };
  if (scripted) {
    for (std::size_t i = 1; i < path.points.size() && alive(); ++i) {
      follow(QPoint(path.points[i].x, path.points[i].y));
      QCoreApplication::processEvents();
    }
    regs.dragActive = false;
  } else {
    while (regs.dragActive && alive()) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      // A release that never reached us (the pointer left the program) ends it too.
      if (QGuiApplication::mouseButtons() == Qt::NoButton) regs.dragActive = false;
      if (area) follow(PointerIn(area));
    }
    regs.dragActive = false;
  }
  regs.pointerX = pointer.x();
  regs.pointerY = pointer.y();
  return {last.top(), last.left(), last.top() + last.height(), last.left() + last.width()};
}

void WindowService::ItemMove(std::int32_t componentIndex, std::int32_t top, std::int32_t left,
                             MoveMode mode) {
  registers_.resultWord = 0;
  WindowEntry* entry = impl_->EntryOf(impl_->currentWindow);
  if (!entry || componentIndex < 0 ||
      componentIndex >= static_cast<std::int32_t>(entry->components.size()))
    return;
  QWidget* item = entry->components[componentIndex].widget;
  if (!item) return;
  impl_->currentItem = item;
  switch (mode) {
    case MoveMode::Place:
      item->move(left, top);
      break;
    case MoveMode::PlaceAndRepaint:
      item->move(left, top);
      item->repaint();
      break;
    case MoveMode::Drag:
    case MoveMode::DragAndPlace: {
      CursorSet(kHandCursor);
      // The item's own look, white showing what is underneath.
      QPixmap picture = item->grab();
      picture.setMask(picture.createMaskFromColor(Qt::white));
      const QPointer<QWidget> watched(item);
      const QPointer<QLabel> image(new QLabel(item->parentWidget()));
      image->setPixmap(picture);
      image->setGeometry(item->geometry());
      registers_.dragRect = impl_->Drag(item, image);
      if (image) {
        image->hide();  // at once: long actions may follow before it is deleted
        image->deleteLater();
      }
      CursorSet(0);
      if (mode == MoveMode::DragAndPlace && watched) {
        watched->move(registers_.dragRect.left, registers_.dragRect.top);
      }
      break;
    }
    case MoveMode::SystemDrag: {
      QWidget* proxy = nullptr;
      for (const auto& c : entry->components) {
        if (c.number == kProxyItem && qobject_cast<Panel*>(c.widget)) proxy = c.widget;
      }
      if (!proxy) break;
      proxy->setGeometry(item->geometry());
      const QPointer<QWidget> watched(proxy);
      registers_.dragRect = impl_->Drag(item, proxy);
      if (watched) {
        watched->hide();
        watched->move(kProxyParkLeft, watched->y());
      }
      registers_.dragActive = false;
      break;
    }
  }
}

}  // namespace crossmere
