#include "layer/drawing.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPixmap>
#include <cstdio>

#include "layer/scaled_surface.h"
#include "tests/layer/service_fixture.h"

namespace crossmere::testing {
namespace {

// Remembers what it was asked to draw.
class RecordingSurface : public DrawingSurface {
 public:
  struct Shape {
    std::string what;
    DrawRect rect;
    std::vector<DrawPoint> points;
    PenState pen;
    std::int32_t pattern = 0;
  };
  void Clear() override { shapes.push_back({"clear", {}, {}, {}, 0}); }
  void Line(DrawPoint from, DrawPoint to, const PenState& pen) override {
    shapes.push_back({"line", {}, {from, to}, pen, 0});
  }
  void Rectangle(const DrawRect& rect, const PenState& pen, std::int32_t pattern) override {
    shapes.push_back({"rect", rect, {}, pen, pattern});
  }
  void Ellipse(const DrawRect& rect, const PenState& pen, std::int32_t pattern) override {
    shapes.push_back({"oval", rect, {}, pen, pattern});
  }
  void RoundedRectangle(const DrawRect& rect, std::int32_t, std::int32_t, const PenState& pen) override {
    shapes.push_back({"round", rect, {}, pen, 0});
  }
  void Polygon(const std::vector<DrawPoint>& points, const PenState& pen, std::int32_t pattern) override {
    shapes.push_back({"polygon", {}, points, pen, pattern});
  }
  void Text(DrawPoint at, std::string_view, const PenState& pen, const std::string&, std::int32_t,
            std::int32_t) override {
    shapes.push_back({"text", {}, {at}, pen, 0});
  }
  std::int32_t TextWidth(std::string_view text, const std::string&, std::int32_t, std::int32_t) override {
    return 5 * static_cast<std::int32_t>(text.size());
  }
  std::int32_t TextHeight(const std::string&, std::int32_t, std::int32_t) override { return 10; }
  void Erase(const DrawRect& rect) override { shapes.push_back({"erase", rect, {}, {}, 0}); }

  std::vector<Shape> shapes;
};

class DrawingTest : public ::testing::Test {
 protected:
  DrawingTest() { drawing.SetSurface(&surface); }
  RecordingSurface surface;
  Drawing drawing;
};

TEST_F(DrawingTest, ColoursByNumber) {
  drawing.ColourByNumber(205);
  drawing.FillRect({0, 0, 10, 10}, fill::kSolid);
  drawing.ColourByNumber(100);  // no such colour: red stays
  drawing.FrameRect({0, 0, 10, 10});
  ASSERT_EQ(surface.shapes.size(), 2u);
  EXPECT_EQ(surface.shapes[0].pen.rgb, 0xFF0000u);
  EXPECT_EQ(surface.shapes[0].pattern, fill::kSolid);
  EXPECT_EQ(surface.shapes[1].pen.rgb, 0xFF0000u);
  EXPECT_EQ(surface.shapes[1].pattern, fill::kNone);
  drawing.SetColour16(-1, 32768, 255);  // -1 stands for 65535
  EXPECT_EQ(drawing.CurrentColour(), 0xFF8000u);
}

TEST_F(DrawingTest, WindowCoordinatesAreTakenToTheItem) {
  drawing.UseWindowCoordinates(120, 200);
  drawing.FillRect({200, 120, 210, 130}, fill::kSolid);
  EXPECT_EQ(surface.shapes.back().rect, (DrawRect{0, 0, 10, 10}));
  drawing.UseLocalCoordinates();
  drawing.FillRect({1, 2, 3, 4}, fill::kSolid);
  EXPECT_EQ(surface.shapes.back().rect, (DrawRect{1, 2, 3, 4}));
}

TEST_F(DrawingTest, WidePensDrawHalfAPenToTheRight) {
  drawing.PenSize(2);
  drawing.MoveTo(10, 5);
  drawing.LineTo(10, 20);
  ASSERT_EQ(surface.shapes.size(), 1u);
  EXPECT_EQ(surface.shapes[0].points, (std::vector<DrawPoint>{{11, 5}, {11, 20}}));
  drawing.PenSize(1);
  drawing.MoveTo(10, 5);
  drawing.LineTo(30, 5);
  EXPECT_EQ(surface.shapes[1].points, (std::vector<DrawPoint>{{10, 5}, {30, 5}}));
  drawing.PenPattern(0);
  drawing.LineTo(40, 5);
  EXPECT_TRUE(surface.shapes[2].pen.dotted);
}

TEST_F(DrawingTest, PolygonsAreRecordedThenDrawn) {
  EXPECT_EQ(drawing.PolygonCount(), 0);
  drawing.OpenPolygon();
  drawing.MoveTo(0, 0);
  drawing.LineTo(10, 0);
  drawing.LineTo(10, 10);
  drawing.LineTo(0, 10);
  drawing.ClosePolygon();
  EXPECT_TRUE(surface.shapes.empty()) << "nothing is drawn while recording";
  EXPECT_EQ(drawing.PolygonCount(), 4);
  drawing.PaintPolygon();
  drawing.FramePolygon();
  ASSERT_EQ(surface.shapes.size(), 2u);
  EXPECT_EQ(surface.shapes[0].points.size(), 4u);
  EXPECT_EQ(surface.shapes[0].pattern, fill::kSolid);
  EXPECT_EQ(surface.shapes[1].pattern, fill::kNone);
  drawing.OpenPolygon();
  drawing.MoveTo(0, 0);
  for (int i = 0; i < 120; ++i) drawing.LineTo(i, i);
  EXPECT_EQ(drawing.PolygonCount(), Drawing::kMaxPolygonPoints);
}

TEST_F(DrawingTest, TextSizesAndRectangleArithmetic) {
  drawing.TextSize(12);
  EXPECT_EQ(drawing.FontSize(), 10);
  drawing.TextSize(10);
  EXPECT_EQ(drawing.FontSize(), 8);
  drawing.TextFont(4);
  EXPECT_EQ(drawing.Font(), "Arial");
  drawing.TextFont(7);
  EXPECT_EQ(drawing.Font(), "MS Sans Serif");
  drawing.MoveTo(3, 20);
  drawing.DrawText("abc");
  EXPECT_EQ(drawing.Pen().x, 18) << "the pen moves on by the text's width";
  EXPECT_EQ(SetRect(1, 2, 3, 4), (DrawRect{2, 1, 4, 3}));
  EXPECT_EQ(OffsetRect({0, 0, 10, 10}, 5, -2), (DrawRect{-2, 5, 8, 15}));
  EXPECT_EQ(InsetRect({0, 0, 10, 10}, 1, 2), (DrawRect{2, 1, 8, 9}));
}

TEST_F(DrawingTest, EnlargedPicturesKeepTheirShapeAndStayInTheirFrame) {
  ScaledSurface enlarged(surface, 2, {100, 50}, 40, 30);
  drawing.SetSurface(&enlarged);
  drawing.PenSize(1);
  drawing.MoveTo(0, 0);
  drawing.LineTo(10, 5);
  drawing.FillOval({1, 2, 3, 4}, fill::kSolid);
  drawing.ClearItem();
  drawing.MoveTo(0, 20);
  drawing.DrawText("abcd");
  ASSERT_EQ(surface.shapes.size(), 4u);
  EXPECT_EQ(surface.shapes[0].points, (std::vector<DrawPoint>{{100, 50}, {120, 60}}));
  EXPECT_EQ(surface.shapes[0].pen.width, 2) << "lines thicken with the picture";
  EXPECT_EQ(surface.shapes[1].rect, (DrawRect{52, 104, 56, 108}));
  EXPECT_EQ(surface.shapes[2].what, "erase") << "clearing whites the picture's frame, not the item";
  EXPECT_EQ(surface.shapes[2].rect, (DrawRect{50, 100, 110, 180}));
  EXPECT_EQ(surface.shapes[3].points, (std::vector<DrawPoint>{{100, 90}}));
  EXPECT_EQ(drawing.Pen().x, 10) << "text is measured in the picture's own pixels";
}

// On a real picture item the pixels come out as asked.
TEST_F(ServiceTest, FillingAPictureItem) {
  service.WindowOpen(kTestDialog, 0);
  service.ItemSelect(kTestDialog, 60);  // at (120, 200), 40 x 40
  {
    const ItemPainting painting = service.ItemDrawing();
    painting->ClearItem();
    painting->ColourByNumber(205);
    painting->FillRect({200, 120, 210, 130}, fill::kSolid);  // window coordinates: the item's corner
  }
  service.SetLocalCoordinates(true);
  service.ItemSelect(kTestDialog, 60);
  service.ItemDrawing()->ColourByNumber(409);
  service.ItemDrawing()->FillRect({30, 30, 40, 40}, fill::kSolid);
  QLabel* picture = nullptr;
  for (QWidget* w : QApplication::allWidgets()) {
    if (w->property("item").toInt() == 60) picture = qobject_cast<QLabel*>(w);
  }
  ASSERT_NE(picture, nullptr);
  const QImage image = picture->pixmap().toImage();
  const qreal ratio = picture->pixmap().devicePixelRatio();
  auto at = [&](int x, int y) { return image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio)); };
  EXPECT_EQ(at(0, 0), QColor(Qt::red));
  EXPECT_EQ(at(9, 9), QColor(Qt::red));
  EXPECT_EQ(at(10, 10), QColor(Qt::white));
  EXPECT_EQ(at(35, 35), QColor(Qt::blue));
}

TEST_F(ServiceTest, PicturesShowVectorFiles) {
  const std::string file = ::testing::TempDir() + "square.svg";
  {
    std::FILE* out = std::fopen(file.c_str(), "w");
    ASSERT_NE(out, nullptr);
    std::fputs("<svg xmlns='http://www.w3.org/2000/svg' width='20' height='20'>"
               "<rect width='20' height='20' fill='#0000ff'/></svg>", out);
    std::fclose(out);
  }
  service.WindowOpen(kTestDialog, 0);
  service.SetItemText(kTestDialog, 60, file);  // a 40 x 40 picture
  QLabel* picture = nullptr;
  for (QWidget* w : QApplication::allWidgets()) {
    if (w->property("item").toInt() == 60) picture = qobject_cast<QLabel*>(w);
  }
  ASSERT_NE(picture, nullptr);
  const QImage image = picture->pixmap().toImage();
  const qreal ratio = picture->pixmap().devicePixelRatio();
  EXPECT_EQ(image.pixelColor(static_cast<int>(20 * ratio), static_cast<int>(20 * ratio)), QColor(Qt::blue))
      << "centred";
  EXPECT_EQ(image.pixelColor(static_cast<int>(5 * ratio), static_cast<int>(5 * ratio)), QColor(Qt::white));
  service.SetItemText(kTestDialog, 60, ::testing::TempDir() + "missing.svg");  // no such file: unchanged
  EXPECT_EQ(picture->pixmap().toImage().pixelColor(static_cast<int>(20 * ratio), static_cast<int>(20 * ratio)),
            QColor(Qt::blue));
}

TEST_F(ServiceTest, ControlValues) {
  service.WindowOpen(kTestDialog, 0);
  service.ItemSelect(kTestDialog, 50);  // a label of list 300
  service.SetControlValue(3);
  EXPECT_EQ(service.ItemText(kTestDialog, 50), "Open...");
  service.ItemSelect(kTestDialog, 21);
  service.SetControlValue(1);
  EXPECT_EQ(service.GetControlValue(), 1);
  service.SetControlValue(0);
  EXPECT_EQ(service.GetControlValue(), 0);
  service.ItemSelect(kTestDialog, 10);  // an edit field has no value
  service.SetControlValue(1);
  ASSERT_EQ(service.Transcript().size(), 1u);
  EXPECT_EQ(service.Transcript()[0].text, "Hmm SetCtlValue!  Tag 9001 10");
}

}  // namespace
}  // namespace crossmere::testing
