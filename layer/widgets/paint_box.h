#pragma once

#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace crossmere {

// An area the program draws into, such as the organisms of the welcome window.
class PaintBox : public QWidget {
  Q_OBJECT

 public:
  explicit PaintBox(QWidget* parent = nullptr) : QWidget(parent) {}

  const QPixmap& Canvas() const { return canvas_; }
  void SetCanvas(const QPixmap& canvas) {
    canvas_ = canvas;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (canvas_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, canvas_);
  }

 private:
  QPixmap canvas_;
};

}  // namespace crossmere

using crossmere::PaintBox;
