#include "genetics/pictures/plant.h"

#include "genetics/pictures/art_kit.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace crossmere {
namespace {

// The plant is laid out on an 82-pixel-wide frame around the stem at x = 41.
constexpr double kMiddle = 41.0;
constexpr double kFlowerY = 21.0;

constexpr std::uint32_t kPollen = 0xF6D02A;
constexpr std::uint32_t kPollenEdge = 0x8A6410;
constexpr std::uint32_t kFilament = 0xFFF6D0;
constexpr std::uint32_t kHeart = 0xD9E07A;
constexpr std::uint32_t kHeartEdge = 0x7C8A30;
constexpr std::uint32_t kSoil = 0x9A7650;
constexpr std::uint32_t kSoilEdge = 0x6A4E32;
constexpr std::uint32_t kHair = 0x7A8A6E;

using Point = ArtPoint;

class Painter {
 public:
  Painter(Drawing& drawing, double originX) : drawing_(drawing), originX_(originX) {}

  void Polygon(const std::vector<Point>& points, std::uint32_t fillRgb, std::uint32_t edgeRgb) {
    if (points.empty()) return;
    Record(points, false);
    drawing_.SetColour(fillRgb);
    drawing_.PaintPolygon(fill::kSolid);
    Record(points, true);
    drawing_.SetColour(edgeRgb);
    drawing_.FramePolygon();
  }

  void Line(Point from, Point to, std::uint32_t rgb) {
    drawing_.SetColour(rgb);
    drawing_.MoveTo(X(from), Y(from));
    drawing_.LineTo(X(to), Y(to));
  }

  void Oval(Point centre, double radius, std::uint32_t fillRgb, std::uint32_t edgeRgb) {
    const DrawRect rect{static_cast<std::int32_t>(std::lround(centre.y - radius)),
                        static_cast<std::int32_t>(std::lround(centre.x - radius + originX_)),
                        static_cast<std::int32_t>(std::lround(centre.y + radius)),
                        static_cast<std::int32_t>(std::lround(centre.x + radius + originX_))};
    drawing_.SetColour(fillRgb);
    drawing_.FillOval(rect, fill::kSolid);
    drawing_.SetColour(edgeRgb);
    drawing_.FrameOval(rect);
  }

  void Rect(double left, double top, double right, double bottom, std::uint32_t rgb) {
    drawing_.SetColour(rgb);
    drawing_.FillRect({static_cast<std::int32_t>(std::lround(top)),
                       static_cast<std::int32_t>(std::lround(left + originX_)),
                       static_cast<std::int32_t>(std::lround(bottom)),
                       static_cast<std::int32_t>(std::lround(right + originX_))},
                      fill::kSolid);
  }

 private:
  // Points are continuous coordinates; a pixel is addressed by its top-left corner.
  std::int32_t X(Point p) const { return static_cast<std::int32_t>(std::lround(p.x - 0.5 + originX_)); }
  static std::int32_t Y(Point p) { return static_cast<std::int32_t>(std::lround(p.y - 0.5)); }

  void Record(const std::vector<Point>& points, bool closed) {
    drawing_.OpenPolygon();
    drawing_.MoveTo(X(points[0]), Y(points[0]));
    for (std::size_t i = 1; i < points.size(); ++i) drawing_.LineTo(X(points[i]), Y(points[i]));
    if (closed) drawing_.LineTo(X(points[0]), Y(points[0]));
    drawing_.ClosePolygon();
  }

  Drawing& drawing_;
  double originX_;
};

// A shape lying along a ray from `base`: `along` out, `across` to the side.
struct Ray {
  Point base;
  double radians = 0;

  Point At(double along, double across) const {
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return {base.x + along * c - across * s, base.y + along * s + across * c};
  }
};

// Outline of a blade along a ray from `inner` to `outer`, its half width
// given by `half` at t = 0..1. Samples crowd towards both ends, where the
// outline turns fastest.
template <typename HalfWidth>
std::vector<Point> Blade(const Ray& ray, double inner, double outer, HalfWidth half, int steps) {
  auto at = [&](int i) { return (1 - std::cos(std::numbers::pi * i / steps)) / 2; };
  std::vector<Point> points;
  for (int i = 0; i <= steps; ++i) points.push_back(ray.At(inner + (outer - inner) * at(i), -half(at(i))));
  for (int i = steps - 1; i >= 1; --i) points.push_back(ray.At(inner + (outer - inner) * at(i), half(at(i))));
  return points;
}

struct Leaf {
  Ray ray;
  double length = 25;
  double width = 7.5;

  double HalfWidth(double t) const {
    return width / 2 * std::pow(std::max(0.0, std::sin(std::numbers::pi * std::pow(t, 0.8))), 0.8);
  }
};

// Striations: 1 a midrib with side veins, 2 the midrib only, 3 none.
// Hairs: 1 a dense fringe, 2 a few short ones, 3 none.
void DrawLeaf(Painter& painter, const Leaf& leaf, std::uint32_t green, std::int32_t striations,
              std::int32_t hairs) {
  if (hairs != 3) {
    const double step = hairs == 1 ? 0.09 : 0.2;
    const double reach = hairs == 1 ? 2.4 : 1.6;
    for (double t = hairs == 1 ? 0.12 : 0.2; t < 0.93; t += step) {
      for (double side : {-1.0, 1.0}) {
        const double edge = leaf.HalfWidth(t);
        // Hairs lean towards the tip.
        painter.Line(leaf.ray.At(t * leaf.length, side * (edge - 0.5)),
                     leaf.ray.At(t * leaf.length + reach * 0.6, side * (edge + reach)), kHair);
      }
    }
  }
  const auto outline = Blade(leaf.ray, 0, leaf.length, [&](double t) { return leaf.HalfWidth(t); }, 14);
  painter.Polygon(outline, Shade(green, 1.2), Shade(green, 0.62));
  if (striations == 3) return;
  const std::uint32_t vein = Shade(green, 0.5);
  painter.Line(leaf.ray.At(1.5, 0), leaf.ray.At(leaf.length * 0.88, 0), vein);
  if (striations != 1) return;
  for (double t : {0.28, 0.48, 0.68}) {
    for (double side : {-1.0, 1.0}) {
      const double out = t + 0.14;
      painter.Line(leaf.ray.At(t * leaf.length, 0), leaf.ray.At(out * leaf.length, side * 0.72 * leaf.HalfWidth(out)),
                   vein);
    }
  }
}

// Heights of the leaves on the left and right of the stem:
// 1 in opposite pairs, 2 pairs slightly offset, 3 alternating evenly.
struct Nodes {
  double left[2];
  double right[2];
};

constexpr Nodes kNodes[3] = {{{43.5, 58.5}, {43.5, 58.5}}, {{42, 57}, {45.5, 60.5}}, {{39.5, 54.5}, {47, 62}}};

}  // namespace

void DrawPlant(Drawing& drawing, const PictureInput& input) {
  const OrganismPalette palette = input.palette ? *input.palette : DefaultPalette();
  const std::int32_t anthers = CharacterValue(input, 2);
  const std::int32_t petals = 6 - CharacterValue(input, 3);
  const std::uint32_t petal = RgbOf(palette.plantFlowers[CharacterValue(input, 4) - 1]);
  const std::uint32_t sepal = RgbOf(palette.plantSepals[CharacterValue(input, 5) - 1]);
  const Nodes& nodes = kNodes[CharacterValue(input, 6) - 1];
  const std::int32_t striations = CharacterValue(input, 7);
  const std::int32_t hairs = CharacterValue(input, 8);
  const std::uint32_t stem = RgbOf(palette.plantStem);

  drawing.PenSize(1);
  drawing.PenPattern(1);
  Painter painter(drawing, input.width > 0 ? (input.width - 82) / 2.0 : 0.0);

  // Soil, stem, then the leaves over the stem.
  std::vector<Point> mound;
  for (int i = 0; i <= 12; ++i) {
    const double a = std::numbers::pi * i / 12;
    mound.push_back({kMiddle - 10 * std::cos(a), 67.5 - 4 * std::sin(a)});
  }
  painter.Polygon(mound, kSoil, kSoilEdge);
  painter.Rect(kMiddle - 1, kFlowerY, kMiddle + 1, 65, stem);
  constexpr double kUp = 15 * std::numbers::pi / 180;
  for (double y : nodes.left) {
    DrawLeaf(painter, Leaf{Ray{{kMiddle - 0.5, y}, std::numbers::pi + kUp}}, stem, striations, hairs);
  }
  for (double y : nodes.right) {
    DrawLeaf(painter, Leaf{Ray{{kMiddle + 0.5, y}, -kUp}}, stem, striations, hairs);
  }

  // The flower from above: sepals showing between the petals, then the petals.
  const Point centre{kMiddle, kFlowerY};
  const double spacing = 2 * std::numbers::pi / petals;
  const double top = -std::numbers::pi / 2;
  for (int i = 0; i < petals; ++i) {
    const Ray ray{centre, top + spacing * (i + 0.5)};
    auto halfWidth = [](double t) { return 5.5 * std::pow(std::sin(std::numbers::pi * std::pow(t, 0.8)), 0.8); };
    // Longer than the petals, so that their points show all round.
    const auto outline = Blade(ray, 0, 20.5, halfWidth, 8);
    painter.Polygon(outline, sepal, Shade(sepal, 0.6));
  }
  // Fewer petals are broader, so that every flower fills about the same disc.
  constexpr double kPetal = 17.5;
  const double broadest = 2 * std::numbers::pi * 11.5 / petals * 0.3;
  // Narrow at the heart, widening to a round tip.
  const double shoulder = std::clamp(1 - broadest / kPetal, 0.45, 0.75);
  auto petalHalfWidth = [&](double t) {
    if (t < shoulder) return broadest * (0.3 + 0.7 * std::sin(std::numbers::pi / 2 * t / shoulder));
    const double u = (t - shoulder) / (1 - shoulder);
    return broadest * std::sqrt(std::max(0.0, 1 - u * u));
  };
  for (int i = 0; i < petals; ++i) {
    const Ray ray{centre, top + spacing * i};
    const auto outline = Blade(ray, 1, kPetal, petalHalfWidth, 11);
    painter.Polygon(outline, petal, Shade(petal, 0.62));
  }

  // Stamens: six anthers on filaments, 1 long, 2 mid, 3 short.
  const double reach = anthers == 1 ? 12.0 : anthers == 2 ? 7.0 : 3.5;
  painter.Oval(centre, 3, kHeart, kHeartEdge);
  for (int i = 0; i < 6; ++i) {
    const Ray ray{centre, top + std::numbers::pi / 6 + std::numbers::pi / 3 * i};
    if (anthers != 3) painter.Line(ray.At(2.5, 0), ray.At(reach, 0), kFilament);
    painter.Oval(ray.At(reach, 0), 2, kPollen, kPollenEdge);
  }
}

}  // namespace crossmere
