#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace crossmere {

// Rectangles of the drawing primitives: top, left, bottom, right, in pixels.
struct DrawRect {
  std::int32_t top = 0;
  std::int32_t left = 0;
  std::int32_t bottom = 0;
  std::int32_t right = 0;
  bool operator==(const DrawRect&) const = default;
};

struct DrawPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const DrawPoint&) const = default;
};

// Fill patterns of FillRect, FillOval and PaintPolygon.
namespace fill {
inline constexpr std::int32_t kSolid = -16;
inline constexpr std::int32_t kDiagonalCross = 2;
inline constexpr std::int32_t kNone = 0;
inline constexpr std::int32_t kCross = 3;
inline constexpr std::int32_t kVertical = 4;
}  // namespace fill

enum class TextStyle : std::int32_t { Plain = 0, Bold = 1, Italic = 2, Underline = 4 };

// What a surface is asked to draw: one shape in one colour, in the item's
// own coordinates. The Qt side paints it; tests may record it.
struct PenState {
  std::uint32_t rgb = 0;   // 0xRRGGBB
  std::int32_t width = 1;
  bool dotted = false;
};

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;
  virtual void Clear() = 0;  // white all over
  virtual void Line(DrawPoint from, DrawPoint to, const PenState& pen) = 0;
  // pattern: one of fill::; kNone draws the outline only.
  virtual void Rectangle(const DrawRect& rect, const PenState& pen, std::int32_t pattern) = 0;
  virtual void Ellipse(const DrawRect& rect, const PenState& pen, std::int32_t pattern) = 0;
  virtual void RoundedRectangle(const DrawRect& rect, std::int32_t cornerWidth,
                                std::int32_t cornerHeight, const PenState& pen) = 0;
  virtual void Polygon(const std::vector<DrawPoint>& points, const PenState& pen,
                       std::int32_t pattern) = 0;
  // Text with its bottom-left corner at `at`, transparent background.
  virtual void Text(DrawPoint at, std::string_view text, const PenState& pen,
                    const std::string& font, std::int32_t size, std::int32_t style) = 0;
  virtual std::int32_t TextWidth(std::string_view text, const std::string& font, std::int32_t size,
                                 std::int32_t style) = 0;
  virtual std::int32_t TextHeight(const std::string& font, std::int32_t size, std::int32_t style) = 0;
  virtual void Erase(const DrawRect& rect) = 0;  // white, outline included
};

// The pen-and-shape primitives with their state: current colour, pen,
// polygon being recorded, text font and size. Coordinates are the item's own
// unless window coordinates are on, when the item's left and top are taken off.
class Drawing {
 public:
  static constexpr std::int32_t kMaxPolygonPoints = 90;

  void SetSurface(DrawingSurface* surface) { surface_ = surface; }
  DrawingSurface* Surface() const { return surface_; }
  // Window coordinates: the item's place in its window.
  void UseWindowCoordinates(std::int32_t itemLeft, std::int32_t itemTop);
  void UseLocalCoordinates() { windowCoordinates_ = false; }

  // Colours by number (30 white, 33 black, 69 yellow, 137 purple, 205 red,
  // 273 cyan, 341 green, 409 blue); other numbers keep the colour.
  void ColourByNumber(std::int32_t number);
  void SetColour(std::uint32_t rgb) { pen_.rgb = rgb; }
  // A colour as three 16-bit components (negative values count from 65536).
  void SetColour16(std::int32_t red, std::int32_t green, std::int32_t blue);
  std::uint32_t CurrentColour() const { return pen_.rgb; }

  void PenSize(std::int32_t width) { pen_.width = width; }
  void PenPattern(std::int32_t pattern) { pen_.dotted = pattern != 1; }
  void MoveTo(std::int32_t x, std::int32_t y);
  void LineTo(std::int32_t x, std::int32_t y);
  void FrameRect(const DrawRect& rect);
  void FillRect(const DrawRect& rect, std::int32_t pattern);
  void EraseRect(const DrawRect& rect);
  void FrameOval(const DrawRect& rect);
  void FillOval(const DrawRect& rect, std::int32_t pattern);
  void RoundRect(const DrawRect& rect, std::int32_t cornerWidth, std::int32_t cornerHeight);

  void OpenPolygon();
  void ClosePolygon();
  void PaintPolygon(std::int32_t pattern = fill::kSolid);
  void FramePolygon();
  std::int32_t PolygonCount() const { return polygonCount_; }

  // 0 "System", 4 "Arial", others "MS Sans Serif" (mapped to installed fonts on screen).
  void TextFont(std::int32_t number);
  // Size s is drawn at s - 2 points, except 10, which gives 8.
  void TextSize(std::int32_t size);
  void TextFace(std::int32_t style) { textStyle_ = style; }
  std::int32_t StringWidth(std::string_view text) const;
  void DrawText(std::string_view text);
  void ClearItem();

  const std::string& Font() const { return font_; }
  std::int32_t FontSize() const { return textSize_; }
  DrawPoint Pen() const { return penAt_; }

 private:
  DrawPoint Local(std::int32_t x, std::int32_t y) const;
  DrawRect Local(const DrawRect& rect) const;

  DrawingSurface* surface_ = nullptr;
  PenState pen_;
  DrawPoint penAt_;
  bool windowCoordinates_ = false;
  DrawPoint origin_;
  std::array<DrawPoint, kMaxPolygonPoints> polygon_{};
  std::int32_t polygonCount_ = 0;
  bool recording_ = false;
  std::string font_ = "MS Sans Serif";
  std::int32_t textSize_ = 8;
  std::int32_t textStyle_ = 0;
};

// Rectangle arithmetic.
DrawRect SetRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
DrawRect OffsetRect(DrawRect rect, std::int32_t dx, std::int32_t dy);
DrawRect InsetRect(DrawRect rect, std::int32_t dx, std::int32_t dy);

}  // namespace crossmere
