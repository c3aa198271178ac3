#pragma once

#include <QFrame>

namespace crossmere {

// An outline drawn over other items, such as the selected container's frame.
// Clicks go through it to the items it surrounds.
class Shape : public QFrame {
  Q_OBJECT

 public:
  explicit Shape(QWidget* parent = nullptr) : QFrame(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(2);
    QPalette outline = palette();
    outline.setColor(QPalette::WindowText, QColor(0x2A, 0x6F, 0xDB));
    setPalette(outline);
  }

 protected:
  // An outline marks what it surrounds, so it stays above the items around it.
  void showEvent(QShowEvent* event) override {
    QFrame::showEvent(event);
    raise();
  }
};

}  // namespace crossmere

using crossmere::Shape;
