#include "layer/scaled_surface.h"

namespace crossmere {

ScaledSurface::ScaledSurface(DrawingSurface& target, std::int32_t zoom, DrawPoint at, std::int32_t width,
                             std::int32_t height)
    : target_(target), zoom_(zoom < 1 ? 1 : zoom), at_(at), width_(width), height_(height) {}

DrawPoint ScaledSurface::Point(DrawPoint p) const { return {at_.x + p.x * zoom_, at_.y + p.y * zoom_}; }

DrawRect ScaledSurface::Rect(const DrawRect& r) const {
  return {at_.y + r.top * zoom_, at_.x + r.left * zoom_, at_.y + r.bottom * zoom_, at_.x + r.right * zoom_};
}

PenState ScaledSurface::Pen(const PenState& pen) const {
  PenState scaled = pen;
  scaled.width = pen.width * zoom_;
  return scaled;
}

void ScaledSurface::Clear() { target_.Erase(Rect({0, 0, height_, width_})); }

void ScaledSurface::Line(DrawPoint from, DrawPoint to, const PenState& pen) {
  target_.Line(Point(from), Point(to), Pen(pen));
}

void ScaledSurface::Rectangle(const DrawRect& rect, const PenState& pen, std::int32_t pattern) {
  target_.Rectangle(Rect(rect), Pen(pen), pattern);
}

void ScaledSurface::Ellipse(const DrawRect& rect, const PenState& pen, std::int32_t pattern) {
  target_.Ellipse(Rect(rect), Pen(pen), pattern);
}

void ScaledSurface::RoundedRectangle(const DrawRect& rect, std::int32_t cornerWidth, std::int32_t cornerHeight,
                                     const PenState& pen) {
  target_.RoundedRectangle(Rect(rect), cornerWidth * zoom_, cornerHeight * zoom_, Pen(pen));
}

void ScaledSurface::Polygon(const std::vector<DrawPoint>& points, const PenState& pen, std::int32_t pattern) {
  std::vector<DrawPoint> scaled;
  scaled.reserve(points.size());
  for (const DrawPoint& p : points) scaled.push_back(Point(p));
  target_.Polygon(scaled, Pen(pen), pattern);
}

void ScaledSurface::Text(DrawPoint at, std::string_view text, const PenState& pen, const std::string& font,
                         std::int32_t size, std::int32_t style) {
  target_.Text(Point(at), text, Pen(pen), font, size * zoom_, style);
}

std::int32_t ScaledSurface::TextWidth(std::string_view text, const std::string& font, std::int32_t size,
                                      std::int32_t style) {
  return target_.TextWidth(text, font, size * zoom_, style) / zoom_;
}

std::int32_t ScaledSurface::TextHeight(const std::string& font, std::int32_t size, std::int32_t style) {
  return target_.TextHeight(font, size * zoom_, style) / zoom_;
}

void ScaledSurface::Erase(const DrawRect& rect) { target_.Erase(Rect(rect)); }

}  // namespace crossmere
