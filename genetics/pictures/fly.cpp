#include "genetics/pictures/fly.h"

#include "genetics/pictures/art_kit.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace crossmere {
namespace {

// The fly is laid out on an 82-pixel-wide frame, symmetric about x = 41.
constexpr double kMiddle = 41.0;

constexpr std::uint32_t kWingFill = 0xEEF3F8;
constexpr std::uint32_t kWingEdge = 0x7A8CA4;
constexpr std::uint32_t kVein = 0x7A6654;
constexpr std::uint32_t kLeg = 0x4A3C30;
constexpr std::uint32_t kBristle = 0x1A1410;
constexpr std::uint32_t kEyeEdge = 0x50302A;

using Point = ArtPoint;

// Shapes are worked out for the left half; the right half is its mirror image.
class Painter {
 public:
  Painter(Drawing& drawing, double originX, double originY)
      : drawing_(drawing), originX_(originX), originY_(originY) {}

  void Polygon(const std::vector<Point>& points, std::uint32_t fillRgb, std::uint32_t edgeRgb,
               bool mirrored = false) {
    if (points.empty()) return;
    Record(points, mirrored, false);
    drawing_.SetColour(fillRgb);
    drawing_.PaintPolygon(fill::kSolid);
    Record(points, mirrored, true);
    drawing_.SetColour(edgeRgb);
    drawing_.FramePolygon();
  }

  void Line(const std::vector<Point>& points, std::uint32_t rgb, bool mirrored = false) {
    if (points.size() < 2) return;
    drawing_.SetColour(rgb);
    drawing_.MoveTo(X(points[0], mirrored), Y(points[0]));
    for (std::size_t i = 1; i < points.size(); ++i) drawing_.LineTo(X(points[i], mirrored), Y(points[i]));
  }

  // An oval given by its edges in the left half.
  void Oval(double left, double top, double right, double bottom, std::uint32_t fillRgb,
            std::uint32_t edgeRgb, bool mirrored = false) {
    if (mirrored) {
      const double mirroredLeft = 2 * kMiddle - right;
      right = 2 * kMiddle - left;
      left = mirroredLeft;
    }
    const DrawRect rect{static_cast<std::int32_t>(std::lround(top + originY_)),
                        static_cast<std::int32_t>(std::lround(left + originX_)),
                        static_cast<std::int32_t>(std::lround(bottom + originY_)),
                        static_cast<std::int32_t>(std::lround(right + originX_))};
    drawing_.SetColour(fillRgb);
    drawing_.FillOval(rect, fill::kSolid);
    drawing_.SetColour(edgeRgb);
    drawing_.FrameOval(rect);
  }

 private:
  // Points are continuous coordinates; a pixel is addressed by its top-left corner.
  std::int32_t X(Point p, bool mirrored) const {
    const double x = mirrored ? 2 * kMiddle - p.x : p.x;
    return static_cast<std::int32_t>(std::lround(x - 0.5 + originX_));
  }
  std::int32_t Y(Point p) const { return static_cast<std::int32_t>(std::lround(p.y - 0.5 + originY_)); }

  void Record(const std::vector<Point>& points, bool mirrored, bool closed) {
    drawing_.OpenPolygon();
    drawing_.MoveTo(X(points[0], mirrored), Y(points[0]));
    for (std::size_t i = 1; i < points.size(); ++i) drawing_.LineTo(X(points[i], mirrored), Y(points[i]));
    if (closed) drawing_.LineTo(X(points[0], mirrored), Y(points[0]));
    drawing_.ClosePolygon();
  }

  Drawing& drawing_;
  double originX_;
  double originY_;
};

// A wing on the left, pointing out and back from its base at `degrees` from
// the body's axis.
struct Wing {
  Point base;
  double degrees = 0;
  double length = 0;
  double width = 0;

  Point At(double t, double across) const {
    const double angle = degrees * std::numbers::pi / 180.0;
    const double along = t * length;
    // Positive `across` is towards the fly's rear.
    return {base.x - along * std::sin(angle) + across * std::cos(angle),
            base.y + along * std::cos(angle) + across * std::sin(angle)};
  }
  // Narrow at the hinge, broadest two thirds out, rounded at the tip.
  double HalfWidth(double t) const {
    const double s = std::sin(std::numbers::pi * std::pow(std::clamp(t, 0.0, 1.0), 1.3));
    return std::max(0.6, width / 2 * std::pow(std::max(s, 0.0), 0.5));
  }
  // The leading edge is straighter than the trailing edge.
  Point Front(double t) const { return At(t, -0.8 * HalfWidth(t)); }
  Point Back(double t) const { return At(t, 1.2 * HalfWidth(t)); }
};

// Veins: 1 full length with two cross veins, 2 fading out half-way with no
// cross veins, 3 none.
void DrawWing(Painter& painter, const Wing& wing, std::int32_t veins, bool mirrored) {
  // Samples crowd towards the hinge and the tip, where the outline turns fastest.
  constexpr int kSteps = 11;
  auto at = [](int i) { return (1 - std::cos(std::numbers::pi * i / kSteps)) / 2; };
  std::vector<Point> outline;
  for (int i = 0; i <= kSteps; ++i) outline.push_back(wing.Front(at(i)));
  for (int i = kSteps - 1; i >= 1; --i) outline.push_back(wing.Back(at(i)));
  painter.Polygon(outline, kWingFill, kWingEdge, mirrored);
  if (veins == 3) return;

  // Three longitudinal veins fanning from the hinge towards the margin.
  const double reach = veins == 1 ? 1.0 : 0.5;
  auto vein = [&](double end, double side) {
    const double across = side < 0 ? 0.8 : 1.2;
    std::vector<Point> line;
    for (int i = 0; i <= 4; ++i) {
      const double t = 0.08 + (end - 0.08) * reach * i / 4.0;
      line.push_back(wing.At(t, across * side * wing.HalfWidth(t)));
    }
    return line;
  };
  const auto front = vein(0.9, -0.75);
  const auto middle = vein(0.97, 0.0);
  const auto rear = vein(0.84, 0.72);
  painter.Line(front, kVein, mirrored);
  painter.Line(middle, kVein, mirrored);
  painter.Line(rear, kVein, mirrored);
  if (veins != 1) return;
  painter.Line({wing.At(0.46, -0.8 * 0.75 * wing.HalfWidth(0.46)), wing.At(0.46, 0)}, kVein, mirrored);
  painter.Line({wing.At(0.64, 0), wing.At(0.64, 1.2 * 0.72 * wing.HalfWidth(0.64))}, kVein, mirrored);
}

// Behind each wing: a knobbed balancer, a half wing, or a second full wing.
void DrawHaltere(Painter& painter, std::int32_t value, bool mirrored, std::int32_t veins,
                 std::uint32_t knob) {
  if (value == 1) {
    painter.Line({{34.5, 31.5}, {29.5, 35.5}}, kLeg, mirrored);
    painter.Oval(26, 33, 31, 38, knob, kLeg, mirrored);
    return;
  }
  const Wing wing = value == 2 ? Wing{{34, 31}, 50, 18, 9.5} : Wing{{34, 31}, 48, 27, 12};
  DrawWing(painter, wing, value == 2 ? 3 : veins, mirrored);
}

void DrawLegs(Painter& painter, bool mirrored) {
  painter.Line({{34.5, 20.5}, {27.5, 16.5}, {24.5, 9.5}}, kLeg, mirrored);
  painter.Line({{33.5, 27.5}, {23.5, 30.5}, {17.5, 36.5}}, kLeg, mirrored);
  painter.Line({{35.5, 34.5}, {29.5, 43.5}, {27.5, 53.5}}, kLeg, mirrored);
}

// The abdomen's half width at t (0 at the waist, 1 at the tip): the female's
// is long and pointed, the male's short and rounded.
struct Abdomen {
  double top = 0;
  double length = 0;
  double broadest = 0;
  double bluntness = 0;

  double HalfWidth(double t) const {
    const double s = std::sin(std::numbers::pi * (0.18 + 0.82 * std::clamp(t, 0.0, 1.0)));
    return broadest * std::pow(std::max(s, 0.0), bluntness);
  }
  // The outline between t0 and t1 on both sides.
  std::vector<Point> Outline(double t0, double t1, int steps) const {
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
      const double t = t0 + (t1 - t0) * i / steps;
      points.push_back({kMiddle - HalfWidth(t), top + t * length});
    }
    for (int i = steps; i >= 0; --i) {
      const double t = t0 + (t1 - t0) * i / steps;
      points.push_back({kMiddle + HalfWidth(t), top + t * length});
    }
    return points;
  }
};

void DrawAbdomen(Painter& painter, bool male, std::uint32_t body, std::uint32_t edge) {
  const Abdomen abdomen = male ? Abdomen{35, 20, 9, 0.45} : Abdomen{35, 29, 11, 0.8};
  const std::uint32_t band = Shade(body, 0.55);
  painter.Polygon(abdomen.Outline(0, 1, 16), body, body);
  if (male) {
    for (double t : {0.2, 0.4}) painter.Polygon(abdomen.Outline(t, t + 0.1, 3), band, band);
    painter.Polygon(abdomen.Outline(0.6, 1, 8), band, band);
  } else {
    for (double t : {0.17, 0.35, 0.53, 0.71}) painter.Polygon(abdomen.Outline(t, t + 0.08, 3), band, band);
  }
  std::vector<Point> outline = abdomen.Outline(0, 1, 16);
  painter.Line(std::vector<Point>(outline.begin(), outline.begin() + 17), edge);
  painter.Line(std::vector<Point>(outline.begin() + 17, outline.end()), edge);
}

// Bristles on the thorax: 1 four long pairs, 2 two short pairs, 3 none.
void DrawBristles(Painter& painter, std::int32_t value) {
  if (value == 3) return;
  const std::vector<double> rows = value == 1 ? std::vector<double>{20.5, 25.5, 30.5} : std::vector<double>{22.5, 28.5};
  for (bool mirrored : {false, true}) {
    for (double y : rows) {
      if (value == 1) {
        painter.Line({{36.5, y}, {35.5, y + 4}}, kBristle, mirrored);
      } else {
        painter.Line({{36.5, y}, {36.5, y + 2}}, kBristle, mirrored);
      }
    }
    if (value == 1) painter.Line({{38.5, 33.5}, {37.5, 38.5}}, kBristle, mirrored);
  }
}

// Antennae: 1 a knob with a long branched bristle, 2 a knob with a short
// bare one, 3 none.
void DrawAntennae(Painter& painter, std::int32_t value, std::uint32_t edge) {
  if (value == 3) return;
  for (bool mirrored : {false, true}) {
    if (value == 1) {
      painter.Line({{37.5, 6.5}, {31.5, 0.5}}, kBristle, mirrored);
      painter.Line({{33.5, 2.5}, {33.5, -0.5}}, kBristle, mirrored);
    } else {
      painter.Line({{37.5, 6.5}, {34.5, 3.5}}, kBristle, mirrored);
    }
    painter.Oval(36, 5, 40, 9, Shade(edge, 1.6), edge, mirrored);
  }
}

}  // namespace

void DrawFly(Drawing& drawing, const PictureInput& input) {
  const OrganismPalette palette = input.palette ? *input.palette : DefaultPalette();
  const bool male = input.values[1] >= 2;
  const std::int32_t antennae = CharacterValue(input, 2);
  const std::uint32_t eyes = RgbOf(palette.flyEyes[CharacterValue(input, 3) - 1]);
  const std::int32_t veins = CharacterValue(input, 4);
  const std::int32_t haltere = CharacterValue(input, 5);
  const std::int32_t eyeSize = CharacterValue(input, 6);
  const std::int32_t bristles = CharacterValue(input, 7);
  const std::uint32_t body = RgbOf(palette.flyBody[CharacterValue(input, 8) - 1]);
  const std::uint32_t edge = Shade(body, 0.45);

  drawing.PenSize(1);
  drawing.PenPattern(1);
  // One pixel down keeps the antennae clear of the frame's top edge.
  Painter painter(drawing, input.width > 0 ? (input.width - 82) / 2.0 : 0.0, 1.0);

  for (bool mirrored : {false, true}) {
    DrawLegs(painter, mirrored);
    DrawWing(painter, Wing{{35, 23}, 72, 34, 14}, veins, mirrored);
    // Over the fore wing, so that a half wing is never hidden.
    DrawHaltere(painter, haltere, mirrored, veins, Shade(body, 0.8));
  }
  DrawAbdomen(painter, male, body, edge);
  painter.Oval(30, 17, 52, 37, body, edge);
  DrawBristles(painter, bristles);
  painter.Oval(31, 8, 51, 19, body, edge);

  // Eyes: 1 large, 2 medium, 3 small, each in the eye colour.
  struct EyeBox {
    double left, top, right, bottom;
  };
  constexpr EyeBox kEyes[3] = {{28, 6.5, 38, 20.5}, {30, 8.5, 37, 18}, {31.5, 10.5, 36.5, 15.5}};
  const EyeBox& eye = kEyes[eyeSize - 1];
  for (bool mirrored : {false, true}) painter.Oval(eye.left, eye.top, eye.right, eye.bottom, eyes, kEyeEdge, mirrored);
  DrawAntennae(painter, antennae, edge);
}

}  // namespace crossmere
