#include "layer/widgets/picture.h"

#include <QBitmap>
#include <QMouseEvent>

namespace crossmere {

Picture::Picture(QWidget* parent) : QLabel(parent) {}

void Picture::ShowImage(QPixmap image) {
  if (transparent_) image.setMask(image.createMaskFromColor(Qt::white));
  setPixmap(image);
}

void Picture::mousePressEvent(QMouseEvent* event) {
  emit pressed(this, event->button(), false, event->position().toPoint());
  event->accept();
}

void Picture::mouseDoubleClickEvent(QMouseEvent* event) {
  emit pressed(this, event->button(), true, event->position().toPoint());
  event->accept();
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
  emit released(this);
  event->accept();
}

}  // namespace crossmere
