#pragma once

#include "layer/drawing.h"

namespace crossmere {

// Draws onto another surface `zoom` times larger, with the drawing's origin at
// `at` there: a picture drawn in its own pixels comes out enlarged but with
// crisp lines, as on a screen of higher density.
class ScaledSurface : public DrawingSurface {
 public:
  ScaledSurface(DrawingSurface& target, std::int32_t zoom, DrawPoint at, std::int32_t width,
                std::int32_t height);

  // Whites the picture's own frame only, never the rest of the target.
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
  DrawPoint Point(DrawPoint p) const;
  DrawRect Rect(const DrawRect& r) const;
  PenState Pen(const PenState& pen) const;

  DrawingSurface& target_;
  std::int32_t zoom_;
  DrawPoint at_;
  std::int32_t width_;
  std::int32_t height_;
};

}  // namespace crossmere
