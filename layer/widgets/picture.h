#pragma once

#include <QLabel>

namespace crossmere {

// A picture item: a class picture, a parent place, an individual, a container
// or the bin. It reports presses and releases; the service decides what a
// press means (only the left button counts, and not during a drag).
class Picture : public QLabel {
  Q_OBJECT

 public:
  explicit Picture(QWidget* parent = nullptr);

 signals:
  // `at` is the pointer in the picture's own coordinates.
  void pressed(crossmere::Picture* self, Qt::MouseButton button, bool doubleClick, QPoint at);
  void released(crossmere::Picture* self);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace crossmere

using crossmere::Picture;
