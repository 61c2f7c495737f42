#include "view/QPainterSurface.h"

#include "document/CadData.h"
#include "view/FontFaces.h"

#include <QFontMetrics>

#include <cmath>
#include <numbers>

namespace vantro {
namespace {

// Dash patterns of the system's cosmetic pens, in pixels: dash, dot, dash-dot, dash-dot-dot.
const QList<qreal> kDash{18, 6};
const QList<qreal> kDot{3, 3};
const QList<qreal> kDashDot{9, 6, 3, 6};
const QList<qreal> kDashDotDot{9, 3, 3, 3, 3, 3};

const QList<qreal>* DashPattern(uint8_t style)
{
    switch (style) {
    case 1: return &kDash;
    case 2: return &kDot;
    case 3: return &kDashDot;
    case 4: return &kDashDotDot;
    default: return nullptr;
    }
}

QPainter::CompositionMode CompositionOf(PenMode mode)
{
    switch (mode) {
    case PenMode::Not: return QPainter::RasterOp_NotDestination;
    case PenMode::MergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

// Angle in degrees, counter-clockwise on the screen, of the ray from the box centre through (x, y),
// expressed as the ellipse parameter Qt's arcs use.
double ParameterAngle(double cx, double cy, double a, double b, int x, int y)
{
    const double dx = x - cx;
    const double dy = cy - y;
    return std::atan2(dy / b, dx / a) * 180 / std::numbers::pi;
}

}  // namespace

QColor ToQColor(uint32_t colour)
{
    return QColor::fromRgb(qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                                static_cast<int>((colour >> 16) & 0xFF)));
}

QPainterSurface::QPainterSurface(QPaintDevice& device)
    : painter_(&device), width_(device.width()), height_(device.height())
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    // Texts too are drawn without antialiasing: erasing one with the background colour must leave
    // no fringe.
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setBrush(Qt::NoBrush);
    painter_.setCompositionMode(CompositionOf(pen_.Mode));
    qpen_ = MakeQPen();
    ApplyPen();
}

QPainterSurface::~QPainterSurface() { FlushLines(); }

void QPainterSurface::Flush() { FlushLines(); }

QPen QPainterSurface::MakeQPen() const
{
    QPen pen;
    pen.setWidth(pen_.Width <= 1 ? 0 : pen_.Width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (const QList<qreal>* pattern = DashPattern(pen_.Style)) {
        // Qt measures dashes in pen widths; the system's patterns are pixels.
        const qreal width = std::max(1, pen_.Width);
        QList<qreal> scaled;
        for (const qreal length : *pattern) scaled.append(length / width);
        pen.setDashPattern(scaled);
    }
    return pen;
}

void QPainterSurface::ApplyPen()
{
    const uint32_t colour = pen_.Mode == PenMode::NotCopy ? (~pen_.Colour & 0xFFFFFFu) : pen_.Colour;
    qpen_.setColor(ToQColor(colour));
    painter_.setPen(qpen_);
}

void QPainterSurface::SetPen(const Pen& pen)
{
    if (pen == pen_) return;
    FlushLines();
    const bool shapeChanged = pen.Width != pen_.Width || pen.Style != pen_.Style;
    const bool modeChanged = pen.Mode != pen_.Mode;
    pen_ = pen;
    if (shapeChanged) qpen_ = MakeQPen();
    if (modeChanged) painter_.setCompositionMode(CompositionOf(pen_.Mode));
    ApplyPen();
}

void QPainterSurface::SetBrush(const Brush& brush)
{
    if (brush == brush_) return;
    FlushLines();
    brush_ = brush;
    if (brush_.Solid) painter_.setBrush(ToQColor(brush_.Colour));
    else painter_.setBrush(Qt::NoBrush);
}

void QPainterSurface::SetFont(const Font& font)
{
    // Fonts are made only when face or height change: a drawing's texts mostly share both.
    if (font.Face != font_.Face || font.Height != font_.Height || !qfont_) {
        qfont_ = FontForFace(font.Face, font.Height);
        qfont_->setStyleStrategy(QFont::NoAntialias);
        metrics_.emplace(*qfont_);
    }
    font_ = font;
}

void QPainterSurface::MoveTo(int x, int y) { position_ = QPoint(x, y); }

void QPainterSurface::LineTo(int x, int y)
{
    const QPoint to(x, y);
    if (to != position_) {
        if (pen_.Mode == PenMode::Copy) {
            pendingLines_.append(QLine(position_, to));
        } else {
            painter_.drawLine(position_, to);
            // A line stops short of its end pixel, so that a chain of LineTo calls in not mode
            // inverts each shared vertex once.
            if (pen_.Mode == PenMode::Not && pen_.Width <= 1 && pen_.Style == kStyleSolid) painter_.drawPoint(to);
        }
    }
    position_ = to;
}

void QPainterSurface::FlushLines()
{
    if (pendingLines_.isEmpty()) return;
    painter_.drawLines(pendingLines_);
    pendingLines_.clear();
}

void QPainterSurface::Polyline(const std::vector<PixelPoint>& points)
{
    FlushLines();
    if (points.empty()) return;
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const PixelPoint& p : points) polygon.append(QPoint(p.X, p.Y));
    painter_.drawPolyline(polygon);
}

void QPainterSurface::Polygon(const std::vector<PixelPoint>& points)
{
    FlushLines();
    if (points.empty()) return;
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const PixelPoint& p : points) polygon.append(QPoint(p.X, p.Y));
    painter_.drawPolygon(polygon);
}

void QPainterSurface::Rectangle(int x1, int y1, int x2, int y2)
{
    FlushLines();
    painter_.drawRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                            QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1)));
}

void QPainterSurface::Ellipse(int x1, int y1, int x2, int y2)
{
    FlushLines();
    painter_.drawEllipse(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                               QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1)));
}

void QPainterSurface::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    FlushLines();
    const QRectF box(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)));
    const double a = box.width() / 2;
    const double b = box.height() / 2;
    if (a <= 0 || b <= 0) return;
    const double cx = box.center().x();
    const double cy = box.center().y();
    const double start = ParameterAngle(cx, cy, a, b, x3, y3);
    const double end = ParameterAngle(cx, cy, a, b, x4, y4);
    double span = end - start;
    while (span <= 0) span += 360;
    if (std::abs(end - start) < 1e-9) span = 360;
    painter_.drawArc(box, static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
}

void QPainterSurface::TextOut(int x, int y, const QString& text)
{
    FlushLines();
    if (!qfont_) SetFont(font_);
    painter_.save();
    painter_.setCompositionMode(CompositionOf(pen_.Mode));
    painter_.setFont(*qfont_);
    painter_.setPen(ToQColor(font_.Colour));
    painter_.translate(x, y);
    painter_.rotate(-font_.Escapement / 10.0);
    painter_.drawText(0, metrics_->ascent(), text);
    painter_.restore();
}

int QPainterSurface::TextWidth(const QString& text)
{
    if (!qfont_) SetFont(font_);
    return metrics_->horizontalAdvance(text);
}

void QPainterSurface::StretchDraw(int x1, int y1, int x2, int y2, const Bitmap& bitmap)
{
    FlushLines();
    if (!HasPixels(bitmap) || x2 <= x1 || y2 <= y1) return;
    // Only the part over the device is handed to the painter: a zoomed image can be far larger
    // than any canvas.
    const QRectF target(x1, y1, static_cast<double>(x2) - x1, static_cast<double>(y2) - y1);
    const QRectF visible = target.intersected(QRectF(0, 0, width_, height_));
    if (visible.isEmpty()) return;
    const double sx = bitmap.Width / target.width();
    const double sy = bitmap.Height / target.height();
    const QRectF source((visible.left() - target.left()) * sx, (visible.top() - target.top()) * sy,
                        visible.width() * sx, visible.height() * sy);
    const QImage image(reinterpret_cast<const uchar*>(bitmap.Pixels.data()), bitmap.Width, bitmap.Height,
                       static_cast<qsizetype>(bitmap.Width) * 4, QImage::Format_RGB32);
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_Source);
    painter_.drawImage(visible, image, source);
    painter_.restore();
}

}  // namespace vantro
