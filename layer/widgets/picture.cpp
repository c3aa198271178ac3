#include "layer/widgets/picture.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace crossmere {

Picture::Picture(QWidget* parent) : QLabel(parent) {}

void Picture::ShowImage(QPixmap image) {
  if (transparent_) image.setMask(image.createMaskFromColor(Qt::white));
  setPixmap(image);
}

void Picture::setSvg(const QString& file) {
  svg_ = file;
  DrawSvg();
}

void Picture::DrawSvg() {
  if (svg_.isEmpty()) return;
  QSvgRenderer renderer(svg_);
  if (!renderer.isValid()) return;
  const qreal ratio = devicePixelRatioF();
  QPixmap canvas(size() * ratio);
  canvas.setDevicePixelRatio(ratio);
  canvas.fill(Qt::white);
  QSizeF shown = renderer.defaultSize();
  shown.scale(shown.boundedTo(size()), Qt::KeepAspectRatio);
  const QRectF place((width() - shown.width()) / 2, (height() - shown.height()) / 2, shown.width(),
                     shown.height());
  QPainter painter(&canvas);
  renderer.render(&painter, place);
  painter.end();
  ShowImage(canvas);
}

void Picture::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
  painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void Picture::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  DrawSvg();
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

void Picture::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && !event->isAutoRepeat() && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
    emit activated(this, key != Qt::Key_Space);
    event->accept();
    return;
  }
  QLabel::keyPressEvent(event);
}

}  // namespace crossmere
