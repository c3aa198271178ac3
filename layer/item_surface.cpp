#include "layer/item_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "layer/widgets/paint_box.h"
#include "layer/widgets/picture.h"

namespace crossmere {
namespace {

QColor ColourOf(std::uint32_t rgb) { return QColor::fromRgb(rgb); }

QPen PenOf(const PenState& pen) {
  QPen qpen(ColourOf(pen.rgb), pen.width, pen.dotted ? Qt::DotLine : Qt::SolidLine, Qt::SquareCap,
            Qt::MiterJoin);
  return qpen;
}

QBrush BrushOf(const PenState& pen, std::int32_t pattern) {
  switch (pattern) {
    case fill::kSolid: return QBrush(ColourOf(pen.rgb));
    case fill::kDiagonalCross: return QBrush(ColourOf(pen.rgb), Qt::DiagCrossPattern);
    case fill::kCross: return QBrush(ColourOf(pen.rgb), Qt::CrossPattern);
    case fill::kVertical: return QBrush(ColourOf(pen.rgb), Qt::VerPattern);
    default: return Qt::NoBrush;
  }
}

// Shapes sit on whole pixels: the outline of a rectangle covers its edge pixels.
QRectF Inner(const DrawRect& r, const PenState& pen) {
  const double half = pen.width / 2.0;
  return QRectF(r.left + half, r.top + half, r.right - r.left - pen.width, r.bottom - r.top - pen.width);
}

QFont FontOf(const std::string& family, std::int32_t size, std::int32_t style) {
  // The program's font names stand for the desktop's sans-serif faces.
  QFont font(family == "System" ? QStringLiteral("DejaVu Sans") : QString::fromStdString(family));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(6, size + size / 3));
  font.setBold(style & static_cast<std::int32_t>(TextStyle::Bold));
  font.setItalic(style & static_cast<std::int32_t>(TextStyle::Italic));
  font.setUnderline(style & static_cast<std::int32_t>(TextStyle::Underline));
  return font;
}

}  // namespace

ItemSurface::ItemSurface(QWidget* item, qreal ratio) : item_(item), ratio_(ratio) {}

ItemSurface::~ItemSurface() { Finish(); }

QPainter* ItemSurface::Begin() {
  if (painter_) return painter_.get();
  if (!item_) return nullptr;
  const qreal ratio = ratio_ > 0 ? ratio_ : item_->devicePixelRatioF();
  if (auto* picture = qobject_cast<Picture*>(item_.data())) {
    canvas_ = picture->pixmap();
  } else if (auto* box = qobject_cast<PaintBox*>(item_.data())) {
    canvas_ = box->Canvas();
  } else {
    return nullptr;
  }
  const QSize wanted = item_->size() * ratio;
  if (canvas_.size() != wanted) {
    QPixmap fresh(wanted);
    fresh.setDevicePixelRatio(ratio);
    fresh.fill(Qt::white);
    if (!canvas_.isNull()) {
      QPainter copy(&fresh);
      copy.drawPixmap(0, 0, canvas_);
    }
    canvas_ = fresh;
  }
  painter_ = std::make_unique<QPainter>(&canvas_);
  painter_->setRenderHint(QPainter::Antialiasing, ratio > 1.0);
  return painter_.get();
}

template <typename Painting>
void ItemSurface::Paint(Painting&& paint) {
  QPainter* painter = Begin();
  if (!painter) return;
  // Each shape starts from the same pen, brush and hints.
  painter->save();
  paint(*painter);
  painter->restore();
}

void ItemSurface::Finish() {
  if (!painter_) return;
  painter_->end();
  painter_.reset();
  if (auto* picture = qobject_cast<Picture*>(item_.data())) {
    picture->ShowImage(canvas_);
  } else if (auto* box = qobject_cast<PaintBox*>(item_.data())) {
    box->SetCanvas(canvas_);
  }
  canvas_ = QPixmap();
}

void ItemSurface::Clear() {
  Paint([this](QPainter& p) { p.fillRect(QRect(QPoint(0, 0), item_->size()), Qt::white); });
}

void ItemSurface::Line(DrawPoint from, DrawPoint to, const PenState& pen) {
  Paint([&](QPainter& p) {
    p.setPen(PenOf(pen));
    if (from == to) {
      p.fillRect(QRectF(from.x - pen.width / 2, from.y, pen.width, pen.width), ColourOf(pen.rgb));
      return;
    }
    p.drawLine(QPointF(from.x + 0.5, from.y + 0.5), QPointF(to.x + 0.5, to.y + 0.5));
  });
}

void ItemSurface::Rectangle(const DrawRect& rect, const PenState& pen, std::int32_t pattern) {
  Paint([&](QPainter& p) {
    if (pattern == fill::kSolid) {
      p.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top), ColourOf(pen.rgb));
      return;
    }
    p.setPen(PenOf(pen));
    p.setBrush(BrushOf(pen, pattern));
    p.drawRect(Inner(rect, pen));
  });
}

void ItemSurface::Ellipse(const DrawRect& rect, const PenState& pen, std::int32_t pattern) {
  Paint([&](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(PenOf(pen));
    p.setBrush(BrushOf(pen, pattern));
    p.drawEllipse(Inner(rect, pen));
  });
}

void ItemSurface::RoundedRectangle(const DrawRect& rect, std::int32_t cornerWidth,
                                   std::int32_t cornerHeight, const PenState& pen) {
  Paint([&](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(PenOf(pen));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(Inner(rect, pen), cornerWidth / 2.0, cornerHeight / 2.0);
  });
}

void ItemSurface::Polygon(const std::vector<DrawPoint>& points, const PenState& pen, std::int32_t pattern) {
  Paint([&](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    QPolygonF polygon;
    for (const DrawPoint& point : points) polygon << QPointF(point.x + 0.5, point.y + 0.5);
    p.setPen(PenOf(pen));
    if (pattern == fill::kNone) {
      p.drawPolyline(polygon);
    } else {
      p.setBrush(BrushOf(pen, pattern));
      p.drawPolygon(polygon);
    }
  });
}

void ItemSurface::Text(DrawPoint at, std::string_view text, const PenState& pen, const std::string& font,
                       std::int32_t size, std::int32_t style) {
  Paint([&](QPainter& p) {
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(FontOf(font, size, style));
    p.setPen(ColourOf(pen.rgb));
    const QFontMetrics metrics(p.font());
    p.drawText(QPointF(at.x, at.y - metrics.descent()), QString::fromUtf8(text.data(), static_cast<int>(text.size())));
  });
}

std::int32_t ItemSurface::TextWidth(std::string_view text, const std::string& font, std::int32_t size,
                                    std::int32_t style) {
  const QFontMetrics metrics(FontOf(font, size, style));
  return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
}

std::int32_t ItemSurface::TextHeight(const std::string& font, std::int32_t size, std::int32_t style) {
  return QFontMetrics(FontOf(font, size, style)).height();
}

void ItemSurface::Erase(const DrawRect& rect) {
  Paint([&](QPainter& p) {
    p.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top), Qt::white);
  });
}

}  // namespace crossmere
