#include "layer/drawing.h"

#include "layer/colours.h"

namespace crossmere {

DrawRect SetRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) {
  return {top, left, bottom, right};
}

DrawRect OffsetRect(DrawRect rect, std::int32_t dx, std::int32_t dy) {
  return {rect.top + dy, rect.left + dx, rect.bottom + dy, rect.right + dx};
}

DrawRect InsetRect(DrawRect rect, std::int32_t dx, std::int32_t dy) {
  return {rect.top + dy, rect.left + dx, rect.bottom - dy, rect.right - dx};
}

void Drawing::UseWindowCoordinates(std::int32_t itemLeft, std::int32_t itemTop) {
  windowCoordinates_ = true;
  origin_ = {itemLeft, itemTop};
}

DrawPoint Drawing::Local(std::int32_t x, std::int32_t y) const {
  return windowCoordinates_ ? DrawPoint{x - origin_.x, y - origin_.y} : DrawPoint{x, y};
}

DrawRect Drawing::Local(const DrawRect& rect) const {
  return windowCoordinates_ ? OffsetRect(rect, -origin_.x, -origin_.y) : rect;
}

void Drawing::ColourByNumber(std::int32_t number) {
  if (const auto rgb = ColourOfNumber(number)) pen_.rgb = *rgb;
}

void Drawing::SetColour16(std::int32_t red, std::int32_t green, std::int32_t blue) {
  auto eight = [](std::int32_t component) {
    if (component < 0) component += 65536;
    return static_cast<std::uint32_t>(component / 256) & 0xFF;
  };
  pen_.rgb = eight(red) << 16 | eight(green) << 8 | eight(blue);
}

void Drawing::MoveTo(std::int32_t x, std::int32_t y) {
  const DrawPoint at = Local(x, y);
  if (recording_) {
    polygon_[0] = at;
    polygonCount_ = 1;
    return;
  }
  penAt_ = {at.x + pen_.width / 2, at.y};
}

void Drawing::LineTo(std::int32_t x, std::int32_t y) {
  const DrawPoint at = Local(x, y);
  if (recording_) {
    if (polygonCount_ < kMaxPolygonPoints) polygon_[polygonCount_++] = at;
    return;
  }
  // Wide pens are centred half a pen to the right, as the pictures expect.
  const DrawPoint to{at.x + pen_.width / 2, at.y};
  if (surface_) surface_->Line(penAt_, to, pen_);
  penAt_ = to;
}

void Drawing::FrameRect(const DrawRect& rect) {
  if (surface_) surface_->Rectangle(Local(rect), pen_, fill::kNone);
}

void Drawing::FillRect(const DrawRect& rect, std::int32_t pattern) {
  if (surface_) surface_->Rectangle(Local(rect), pen_, pattern);
}

void Drawing::EraseRect(const DrawRect& rect) {
  if (surface_) surface_->Erase(Local(rect));
}

void Drawing::FrameOval(const DrawRect& rect) {
  if (surface_) surface_->Ellipse(Local(rect), pen_, fill::kNone);
}

void Drawing::FillOval(const DrawRect& rect, std::int32_t pattern) {
  if (surface_) surface_->Ellipse(Local(rect), pen_, pattern);
}

void Drawing::RoundRect(const DrawRect& rect, std::int32_t cornerWidth, std::int32_t cornerHeight) {
  if (surface_) surface_->RoundedRectangle(Local(rect), cornerWidth, cornerHeight, pen_);
}

void Drawing::OpenPolygon() {
  recording_ = true;
  polygonCount_ = 0;
}

void Drawing::ClosePolygon() { recording_ = false; }

void Drawing::PaintPolygon(std::int32_t pattern) {
  if (!surface_ || polygonCount_ <= 0) return;
  surface_->Polygon({polygon_.begin(), polygon_.begin() + polygonCount_}, pen_, pattern);
}

void Drawing::FramePolygon() {
  if (!surface_ || polygonCount_ <= 0) return;
  surface_->Polygon({polygon_.begin(), polygon_.begin() + polygonCount_}, pen_, fill::kNone);
}

void Drawing::TextFont(std::int32_t number) {
  font_ = number == 0 ? "System" : number == 4 ? "Arial" : "MS Sans Serif";
}

void Drawing::TextSize(std::int32_t size) { textSize_ = size == 10 ? 8 : size - 2; }

std::int32_t Drawing::StringWidth(std::string_view text) const {
  return surface_ ? surface_->TextWidth(text, font_, textSize_, textStyle_) : 0;
}

void Drawing::DrawText(std::string_view text) {
  if (!surface_) return;
  surface_->Text(penAt_, text, pen_, font_, textSize_, textStyle_);
  penAt_.x += surface_->TextWidth(text, font_, textSize_, textStyle_);
}

void Drawing::ClearItem() {
  if (surface_) surface_->Clear();
}

}  // namespace crossmere
