#pragma once

#include <QLabel>

namespace crossmere {

// A picture item: a class picture, a parent place, an individual, a container
// or the bin. It reports presses and releases; the service decides what a
// press means (only the left button counts, and not during a drag). One with
// the keyboard focus reports Space and Return as well.
class Picture : public QLabel {
  Q_OBJECT
  // White shows what lies beneath, as for individuals on the workspace.
  Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
  // An SVG file drawn centred in the picture, shrunk to fit, at the screen's
  // pixel ratio; a dialog's design may name one.
  Q_PROPERTY(QString svg READ svg WRITE setSvg)

 public:
  explicit Picture(QWidget* parent = nullptr);

  bool transparent() const { return transparent_; }
  void setTransparent(bool transparent) { transparent_ = transparent; }
  // Shows an image, its white made see-through when the picture is transparent.
  void ShowImage(QPixmap image);
  QString svg() const { return svg_; }
  void setSvg(const QString& file);

 signals:
  // `at` is the pointer in the picture's own coordinates.
  void pressed(crossmere::Picture* self, Qt::MouseButton button, bool doubleClick, QPoint at);
  void released(crossmere::Picture* self);
  // Space (`byReturn` false) or Return and Enter (true) while focused.
  void activated(crossmere::Picture* self, bool byReturn);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // A picture with the keyboard focus shows a ring in the highlight colour.
  void paintEvent(QPaintEvent* event) override;

 private:
  void DrawSvg();

  bool transparent_ = false;
  QString svg_;
};

}  // namespace crossmere

using crossmere::Picture;
