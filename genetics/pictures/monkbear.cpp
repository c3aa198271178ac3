#include "genetics/pictures/monkbear.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace crossmere {
namespace {

constexpr std::int32_t kSex = 1;
constexpr std::int32_t kSnout = 2;
constexpr std::int32_t kEyeColour = 3;
constexpr std::int32_t kCrease = 4;
constexpr std::int32_t kEyebrows = 5;
constexpr std::int32_t kTeeth = 6;
constexpr std::int32_t kHair = 7;
constexpr std::int32_t kNostril = 8;
constexpr std::int32_t kEars = 9;

// The artwork is laid out 96 pixels wide (wider frames centre it) and ends
// at row 77, above the label strip.
constexpr double kArtWidth = 96;
constexpr double kArtBottom = 77;
constexpr double kMid = kArtWidth / 2;

struct Rgb {
  double red = 0;  // 0..255
  double green = 0;
  double blue = 0;
};

struct Point {
  double x = 0;
  double y = 0;
};

using Outline = std::vector<Point>;

constexpr Rgb kInk{52, 32, 22};
constexpr Rgb kTooth{255, 255, 246};
constexpr Rgb kWhite{255, 255, 255};
// Bear browns and creams that the exercise's random colours tint.
constexpr Rgb kBaseFur{150, 104, 66};
constexpr Rgb kBaseBib{236, 214, 176};

Rgb FromRgb16(const Rgb16& colour) {
  auto eight = [](std::int32_t component) {
    if (component < 0) component += 65536;
    return std::clamp(component, 0, 65535) / 256.0;
  };
  return {eight(colour.red), eight(colour.green), eight(colour.blue)};
}

Rgb Mix(Rgb a, Rgb b, double share) {
  return {a.red + (b.red - a.red) * share, a.green + (b.green - a.green) * share,
          a.blue + (b.blue - a.blue) * share};
}

double Luma(Rgb c) { return 0.299 * c.red + 0.587 * c.green + 0.114 * c.blue; }

// Random tints may be near black or near white; the dark outlines and marks
// must stay readable on the fur, so its lightness is kept in a band.
Rgb WithLuma(Rgb c, double lowest, double highest) {
  const double luma = Luma(c);
  if (luma < lowest) return Mix(c, kWhite, (lowest - luma) / (255 - luma));
  if (luma > highest) return Mix(c, Rgb{}, (luma - highest) / luma);
  return c;
}

// Pulls a colour part of the way towards the grey of the same lightness.
Rgb Muted(Rgb c, double share) {
  const double grey = Luma(c);
  return Mix(c, Rgb{grey, grey, grey}, share);
}

std::uint32_t Packed(Rgb c) {
  auto byte = [](double v) { return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L)); };
  return byte(c.red) << 16 | byte(c.green) << 8 | byte(c.blue);
}

// Points round an ellipse from angle `from` to `to` in degrees (0 = right, 90 = down).
Outline Ellipse(Point centre, double rx, double ry, double from = 0, double to = 360, int steps = 32) {
  Outline points;
  for (int i = 0; i <= steps; ++i) {
    const double a = (from + (to - from) * i / steps) * std::numbers::pi / 180;
    points.push_back({centre.x + rx * std::cos(a), centre.y + ry * std::sin(a)});
  }
  return points;
}

// The top of an ellipse whose lower part falls below the artwork, cut off there.
Outline ClippedTop(Point centre, double rx, double ry, int steps) {
  const double cut = std::asin(std::clamp((centre.y - kArtBottom) / ry, -1.0, 1.0)) * 180 / std::numbers::pi;
  return Ellipse(centre, rx, ry, 180 + cut, 360 - cut, steps);
}

// Parts are laid out on the left and mirrored for the right. Ovals and
// rectangles span their pixels' edges, polygon points their pixels' centres,
// so the two mirror about the middle line differently.
Point Side(Point p, bool right) { return {right ? kArtWidth - p.x : p.x, p.y}; }

Outline Side(const Outline& points, bool right) {
  Outline placed;
  for (const Point& p : points) placed.push_back({right ? kArtWidth - 1 - p.x : p.x, p.y});
  return placed;
}

constexpr std::array<bool, 2> kBothSides{false, true};

class Artist {
 public:
  Artist(Drawing& drawing, double left) : drawing_(drawing), left_(left) {}

  void Fill(const Outline& shape, Rgb colour) {
    Record(shape);
    drawing_.PenSize(1);
    drawing_.SetColour(Packed(colour));
    drawing_.PaintPolygon(fill::kSolid);
  }

  void Stroke(const Outline& line, Rgb colour, int width = 1) {
    Record(line);
    drawing_.PenSize(width);
    drawing_.SetColour(Packed(colour));
    drawing_.FramePolygon();
  }

  void Shape(const Outline& shape, Rgb colour, Rgb edge = kInk) {
    Fill(shape, colour);
    Outline closed = shape;
    closed.push_back(shape.front());
    Stroke(closed, edge);
  }

  void Oval(Point centre, double rx, double ry, Rgb colour) {
    drawing_.PenSize(1);
    drawing_.SetColour(Packed(colour));
    drawing_.FillOval(Box(centre, rx, ry), fill::kSolid);
  }

  void OvalShape(Point centre, double rx, double ry, Rgb colour, Rgb edge = kInk) {
    Oval(centre, rx, ry, colour);
    drawing_.SetColour(Packed(edge));
    drawing_.FrameOval(Box(centre, rx, ry));
  }

  void Block(double left, double top, double right, double bottom, Rgb colour) {
    drawing_.SetColour(Packed(colour));
    drawing_.FillRect(SetRect(X(left), Y(top), X(right), Y(bottom)), fill::kSolid);
  }

  void Done() {
    drawing_.PenSize(1);
    drawing_.PenPattern(1);
  }

 private:
  std::int32_t X(double x) const { return static_cast<std::int32_t>(std::lround(x + left_)); }
  static std::int32_t Y(double y) { return static_cast<std::int32_t>(std::lround(y)); }

  DrawRect Box(Point centre, double rx, double ry) const {
    return SetRect(X(centre.x - rx), Y(centre.y - ry), X(centre.x + rx), Y(centre.y + ry));
  }

  void Record(const Outline& shape) {
    drawing_.OpenPolygon();
    const std::size_t count = std::min<std::size_t>(shape.size(), Drawing::kMaxPolygonPoints);
    for (std::size_t i = 0; i < count; ++i) {
      if (i == 0) {
        drawing_.MoveTo(X(shape[i].x), Y(shape[i].y));
      } else {
        drawing_.LineTo(X(shape[i].x), Y(shape[i].y));
      }
    }
    drawing_.ClosePolygon();
  }

  Drawing& drawing_;
  double left_;
};

struct Tones {
  Rgb fur;
  Rgb mane;
  Rgb shoulders;
  Rgb bib;
  Rgb skin;
  Rgb skinEdge;
  Rgb snout;
  Rgb eyes;
};

// The head, and the parts placed round it.
constexpr Point kHead{kMid, 35};
constexpr double kHeadRx = 28;
constexpr double kHeadRy = 26;

constexpr Point kMuzzle{kMid, 48};
constexpr double kMuzzleRx = 13;
constexpr double kMuzzleRy = 10.5;

Point OnHead(double degrees, double grow = 0) {
  const double a = degrees * std::numbers::pi / 180;
  return {kHead.x + (kHeadRx + grow) * std::cos(a), kHead.y + (kHeadRy + grow) * std::sin(a)};
}

void DrawShoulders(Artist& art, const Tones& tones) {
  const Outline back = ClippedTop({kMid, 87}, 42, 30, 40);
  art.Fill(back, tones.shoulders);
  art.Stroke(back, kInk);
  art.Fill(ClippedTop({kMid, 83}, 15, 13, 20), tones.bib);
}

void DrawEars(Artist& art, const Tones& tones, std::int32_t shape) {
  struct Ear {
    Point centre;
    double rx, ry;
    Point innerCentre;
    double innerRx, innerRy;
  };
  const Ear ear = shape == 1   ? Ear{{29, 13}, 6.5, 13.5, {29, 14.5}, 3.5, 9.5}     // upright
                  : shape == 2 ? Ear{{25.5, 16}, 10, 10, {26, 16.5}, 5.5, 5.5}      // round
                               : Ear{{14, 25}, 13.5, 6.5, {15.5, 25}, 9.5, 3.5};    // sideways
  for (const bool right : kBothSides) {
    art.OvalShape(Side(ear.centre, right), ear.rx, ear.ry, tones.fur);
    art.OvalShape(Side(ear.innerCentre, right), ear.innerRx, ear.innerRy, tones.snout,
                  Mix(tones.snout, kInk, 0.5));
  }
}

// Locks of hair round the jaw: pointed, round waves, or small ringlets.
void DrawHair(Artist& art, const Tones& tones, std::int32_t hair) {
  for (const bool right : kBothSides) {
    if (hair == 1) {
      for (const double a : {172.0, 157.0, 142.0, 127.0}) {
        const Point base = OnHead(a, 1);
        const Point tip{base.x - 2, base.y + 11};
        art.Shape(Side({OnHead(a + 7, -3), tip, OnHead(a - 7, -3)}, right), tones.mane);
      }
    } else if (hair == 2) {
      for (const double a : {170.0, 153.0, 136.0, 119.0}) {
        art.OvalShape(Side(OnHead(a, 1.5), right), 5, 5, tones.mane);
      }
    } else {
      for (int i = 0; i < 6; ++i) {
        const Point centre = OnHead(120 + i * 13.0, 2.5);
        art.OvalShape(Side(centre, right), 3.5, 3.5, tones.mane);
        art.Stroke(Side(Ellipse(centre, 1.6, 1.6, 200, 470, 6), right), kInk);
      }
    }
  }
}

void DrawFace(Artist& art, const Tones& tones) {
  art.OvalShape({kMid, 39}, 25, 22, tones.skin, tones.skinEdge);
}

void DrawEyes(Artist& art, const Tones& tones) {
  for (const bool right : kBothSides) {
    const double x = Side({38, 0}, right).x;
    art.OvalShape({x, 30}, 6.5, 6.5, kWhite);
    art.Oval({x, 30.5}, 5, 5, tones.eyes);
    art.Oval({x, 30.5}, 2.5, 2.5, kInk);
    art.Block(x - 3, 27, x - 1, 29, kWhite);
  }
}

void DrawEyebrows(Artist& art, std::int32_t brows) {
  if (brows == 3) return;
  for (const bool right : kBothSides) {
    if (brows == 1) {
      // Bushy and long.
      art.Shape(Side({{29, 23}, {33, 18.5}, {39, 17}, {45, 18.5}, {44.5, 21}, {39, 20}, {33, 21.5}}, right), kInk);
    } else {
      // Thin and short.
      art.Stroke(Side({{34, 20.5}, {38.5, 19}, {43, 19.5}}, right), kInk, 2);
    }
  }
}

// Folds round the sides of the muzzle, on the cheeks.
void DrawCrease(Artist& art, std::int32_t crease) {
  if (crease == 3) return;
  // Few points: rounded to whole pixels, a finely stepped arc would wobble.
  const Outline fold = crease == 1 ? Ellipse(kMuzzle, kMuzzleRx + 5, kMuzzleRy + 5, 220, 158, 4)
                                   : Ellipse(kMuzzle, kMuzzleRx + 5, kMuzzleRy + 5, 204, 170, 2);
  for (const bool right : kBothSides) art.Stroke(Side(fold, right), kInk, 2);
}

void DrawSnout(Artist& art, const Tones& tones, std::int32_t nostril, std::int32_t teeth) {
  art.OvalShape(kMuzzle, kMuzzleRx, kMuzzleRy, tones.snout);
  for (const bool right : kBothSides) {
    const double x = Side({43, 0}, right).x;
    switch (nostril) {
      case 1: art.Oval({x, 42.5}, 1.5, 4, kInk); break;
      case 2: art.Oval({x, 42.5}, 2.5, 2.5, kInk); break;
      default: art.Oval({x, 42.5}, 4, 1.5, kInk); break;
    }
  }
  art.Stroke({{kMid, 46}, {kMid, 52}}, kInk);
  // Front teeth under a smile: two pixels of white each, sharing their outlines.
  const std::int32_t count = 2 * teeth;
  const double left = kMid - (3.0 * count + 1) / 2;
  constexpr double kTop = 52;
  art.Block(left, kTop, left + 3 * count + 1, kTop + 5, kInk);
  for (std::int32_t i = 0; i < count; ++i) {
    art.Block(left + 3 * i + 1, kTop, left + 3 * i + 3, kTop + 4, kTooth);
  }
  art.Stroke({{38, 49}, {40, 51}, {43, 52}, {53, 52}, {56, 51}, {58, 49}}, kInk);
}

void DrawBowTie(Artist& art, Rgb colour) {
  const Outline wing{{kMid, 64}, {38, 58.5}, {36, 60}, {36, 68}, {38, 69.5}};
  for (const bool right : kBothSides) art.Shape(Side(wing, right), colour);
  art.OvalShape({kMid, 64}, 3.5, 3.5, Mix(colour, kInk, 0.15));
}

// A bow tied on the top of the head, with two short ends.
void DrawRibbon(Artist& art, Rgb colour) {
  const Outline end{{kMid - 1, 12}, {44.5, 17}, {46.5, 17.5}, {kMid, 13}};
  for (const bool right : kBothSides) art.Shape(Side(end, right), colour);
  for (const bool right : kBothSides) art.OvalShape(Side({41.5, 10.5}, right), 6, 4, colour);
  art.OvalShape({kMid, 11}, 2.5, 2.5, Mix(colour, kInk, 0.15));
}

}  // namespace

void DrawMonkbear(Drawing& drawing, const PictureInput& input) {
  const OrganismPalette fallback = DefaultPalette();
  const OrganismPalette& palette = input.palette ? *input.palette : fallback;
  auto value = [&input](std::int32_t character) { return std::clamp(input.values[character], 1, 3); };

  const Rgb tint = FromRgb16(input.randomColours[0]);
  Tones tones;
  // Random tints stay gentle so that the fur never rivals the snout swatches.
  tones.fur = WithLuma(Muted(Mix(kBaseFur, tint, 0.35), 0.3), 110, 175);
  tones.mane = WithLuma(Mix(Mix(tones.fur, kInk, 0.15), FromRgb16(input.randomColours[2]), 0.15), 95, 160);
  tones.shoulders = WithLuma(Muted(Mix(tones.fur, FromRgb16(input.randomColours[3]), 0.25), 0.2), 85, 160);
  tones.bib = WithLuma(Mix(kBaseBib, FromRgb16(input.randomColours[1]), 0.3), 185, 235);
  tones.skin = FromRgb16(palette.monkbearSkin);
  tones.skinEdge = Mix(tones.skin, kInk, 0.45);
  tones.snout = FromRgb16(palette.monkbearSnout[value(kSnout) - 1]);
  tones.eyes = FromRgb16(palette.monkbearEyes[value(kEyeColour) - 1]);

  Artist art(drawing, std::floor((input.width - kArtWidth) / 2));
  DrawShoulders(art, tones);
  DrawEars(art, tones, value(kEars));
  DrawHair(art, tones, value(kHair));
  art.OvalShape(kHead, kHeadRx, kHeadRy, tones.fur);
  DrawFace(art, tones);
  DrawEyes(art, tones);
  DrawEyebrows(art, value(kEyebrows));
  DrawCrease(art, value(kCrease));
  DrawSnout(art, tones, value(kNostril), value(kTeeth));
  if (input.values[kSex] == 2) {
    DrawBowTie(art, FromRgb16(palette.bowTie));
  } else {
    DrawRibbon(art, FromRgb16(palette.ribbon));
  }
  art.Done();
}

}  // namespace crossmere
