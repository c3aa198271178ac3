#pragma once

#include <QPointer>
#include <QWidget>

#include "layer/drawing.h"

namespace crossmere {

// Draws into a picture item's image or a paint box's canvas, at the screen's
// pixel density, and shows the result at once.
class ItemSurface : public DrawingSurface {
 public:
  // ratio: device pixels per pixel; 0 takes the screen's.
  explicit ItemSurface(QWidget* item, qreal ratio = 0);

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
  template <typename Painting>
  void Paint(Painting&& paint);

  QPointer<QWidget> item_;
  qreal ratio_ = 0;
};

}  // namespace crossmere
