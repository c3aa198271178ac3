#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "layer/drawing.h"

class QPainter;

namespace crossmere {

// Draws into a picture item's image or a paint box's canvas, at the screen's
// pixel density. Every shape goes through one painter onto one canvas; the
// item shows the result (and a transparent picture builds its mask) once,
// when the drawing is finished.
class ItemSurface : public DrawingSurface {
 public:
  // ratio: device pixels per pixel; 0 takes the screen's.
  explicit ItemSurface(QWidget* item, qreal ratio = 0);
  ~ItemSurface() override;
  ItemSurface(const ItemSurface&) = delete;
  ItemSurface& operator=(const ItemSurface&) = delete;

  // Shows what has been drawn; drawing more afterwards starts again from it.
  void Finish();

  void Clear() override;
  void Line(DrawPoint from, DrawPoint to, const PenState& pen) override;
  void Rectangle(const DrawRect& rect, const PenState& pen, std::int32_t pattern) override;
  void Ellipse(const DrawRect& rect, const PenState& pen, std::int32_t pattern) override;
  void RoundedRectangle(const DrawRect& rect, std::int32_t cornerWidth, std::int32_t cornerHeight,
                        const PenState& pen) override;
  void Polygon(const std::vector<DrawPoint>& points, const PenState& pen, std::int32_t pattern) override;
  void Text(DrawPoint at, std::string_view text, const PenState& pen, const std::string& font,
            std::int32_t size, std::int32_t style) override;
  std::int32_t TextWidth(std::string_view text, const std::string& font, std::int32_t size,
                         std::int32_t style) override;
  std::int32_t TextHeight(const std::string& font, std::int32_t size, std::int32_t style) override;
  void Erase(const DrawRect& rect) override;

 private:
  // The painter on the item's canvas, opened by the first shape.
  QPainter* Begin();
  template <typename Painting>
  void Paint(Painting&& paint);

  QPointer<QWidget> item_;
  qreal ratio_ = 0;
  QPixmap canvas_;
  std::unique_ptr<QPainter> painter_;
};

}  // namespace crossmere
