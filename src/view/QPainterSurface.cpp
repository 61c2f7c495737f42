#include "view/QPainterSurface.h"

#include "document/CadData.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>
#include <vector>

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

// Ellipses up to this size are stamped from the pixels QPainter gave the same box once.
constexpr int kLargestStamp = 128;
constexpr int kStampMargin = 2;

// The pixels QPainter sets for the outline of an ellipse in a box of the size at (0, 0), with the
// surface's plain pen; an outline does not depend on where its whole-pixel box lies.
const std::vector<QPoint>& EllipseOutline(int width, int height)
{
    constexpr size_t kSizes = kLargestStamp + 1;
    static std::vector<std::optional<std::vector<QPoint>>> outlines(kSizes * kSizes);
    auto& outline = outlines[static_cast<size_t>(width) * kSizes + static_cast<size_t>(height)];
    if (outline) return *outline;
    QImage mask(width + 2 * kStampMargin, height + 2 * kStampMargin, QImage::Format_RGB32);
    mask.fill(Qt::white);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(Qt::black);
        pen.setWidth(0);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRect(kStampMargin, kStampMargin, width, height));
    }
    std::vector<QPoint> pixels;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (mask.pixel(x, y) != QColor(Qt::white).rgb()) pixels.emplace_back(x - kStampMargin, y - kStampMargin);
    outline = std::move(pixels);
    return *outline;
}

// Directions of QPainter's thin aliased lines; a line that turns back on the previous one of the
// same call is moved by half a pixel.
enum LineDirection { kToBottom = 1, kToTop = 2, kToRight = 4, kToLeft = 8, kVertical = 3, kHorizontal = 12 };

// QPainter's thin aliased line between whole pixels: 26.6 fixed-point ends, a 16.16 step along the
// minor axis, pixels from the lower end up to but not including the higher one. lastDirection
// carries from line to line of one drawing call and starts at 0.
template <typename Plot>
void WalkLine(QPoint from, QPoint to, int& lastDirection, Plot plot)
{
    int x1 = from.x() * 64;
    int y1 = from.y() * 64;
    int x2 = to.x() * 64;
    int y2 = to.y() * 64;
    const bool steep = std::abs(x2 - x1) < std::abs(y2 - y1);
    if (steep) {
        std::swap(x1, y1);
        std::swap(x2, y2);
    }
    const bool swapped = x1 > x2;
    if (swapped) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const int direction = steep ? (swapped ? kToTop : kToBottom) : (swapped ? kToLeft : kToRight);
    const int64_t step = (static_cast<int64_t>(y2 - y1) << 16) / (x2 - x1);
    int64_t minor = static_cast<int64_t>(y1) << 10;
    if ((lastDirection ^ (steep ? kVertical : kHorizontal)) == direction) {
        if (swapped) {
            x2 += 32;
        } else {
            x1 -= 32;
            minor -= step >> 1;
        }
    }
    const int first = (x1 + 32) >> 6;
    const int last = (x2 + 32) >> 6;
    if (first == last) return;
    const int64_t round = step > 0 ? 32 : 0;
    minor += ((first * 64) + round - x1) * step >> 6;
    lastDirection = direction;
    for (int major = first; major < last; ++major, minor += step) {
        const int m = static_cast<int>(minor >> 16);
        if (steep) plot(m, major);
        else plot(major, m);
    }
}

// A text QPainter would lay out on one line as it stands.
bool IsSingleLine(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20; });
}

}  // namespace

QColor ToQColor(uint32_t colour) { return QColor::fromRgb(ToQRgb(colour)); }

QRgb ToQRgb(uint32_t colour)
{
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QPainterSurface::QPainterSurface(QPaintDevice& device, TextLayouts* layouts, SurfaceDrawing drawing)
    : painter_(&device), width_(device.width()), height_(device.height()),
      layouts_(layouts != nullptr ? *layouts : ownLayouts_),
      // Printers and other devices lay texts out at their own resolution: they take the plain way.
      plain_(drawing == SurfaceDrawing::Plain || device.devType() != QInternal::Image),
      vector_(device.devType() == QInternal::Printer),
      // On paper a dash keeps the length it has on a screen of 96 dpi; at a printer's pixel it
      // would be too short to see and a centre line would print solid.
      dashScale_(vector_ ? std::max(1.0, device.logicalDpiY() / 96.0) : 1.0)
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    // Texts too are drawn without antialiasing: erasing one with the background colour must leave
    // no fringe.
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setBrush(Qt::NoBrush);
    painter_.setCompositionMode(CompositionOf(pen_.Mode));
    qpen_ = MakeQPen();
    ApplyPen();
    // The painter has made the image its own by now, so its pixels stay where they are.
    if (!plain_ && painter_.isActive()) {
        auto& image = static_cast<QImage&>(device);
        if (image.format() == QImage::Format_RGB32) {
            pixels_ = reinterpret_cast<QRgb*>(image.bits());
            pixelsPerLine_ = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
        }
    }
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
        // Qt measures dashes in pen widths; the system's patterns are pixels of the screen.
        const qreal width = std::max(1, pen_.Width);
        QList<qreal> scaled;
        for (const qreal length : *pattern) scaled.append(length * dashScale_ / width);
        pen.setDashPattern(scaled);
    }
    return pen;
}

void QPainterSurface::ApplyPen()
{
    if (penApplied_) return;
    penApplied_ = true;
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
    penApplied_ = false;
}

void QPainterSurface::SetBrush(const Brush& brush)
{
    if (brush == brush_) return;
    FlushLines();
    brush_ = brush;
    if (brush_.Solid) painter_.setBrush(ToQColor(brush_.Colour));
    else painter_.setBrush(Qt::NoBrush);
}

void QPainterSurface::SetFont(const Font& font) { font_ = font; }

void QPainterSurface::MoveTo(int x, int y) { position_ = QPoint(x, y); }

void QPainterSurface::LineTo(int x, int y)
{
    const QPoint to(x, y);
    if (to != position_) {
        if (pen_.Mode == PenMode::Copy) {
            pendingLines_.append(QLine(position_, to));
        } else {
            ApplyPen();
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
    const bool onCanvas = std::all_of(pendingLines_.begin(), pendingLines_.end(),
                                      [this](const QLine& l) { return CanStampLines(l.p1(), l.p2()); });
    if (onCanvas) {
        StampLines();
        pendingLines_.clear();
        return;
    }
    ApplyPen();
    if (vector_) DrawLineChains();
    else painter_.drawLines(pendingLines_);
    pendingLines_.clear();
}

// Lines that continue one another go out as one polyline: a PDF page then holds each vertex once
// instead of a move and a line per segment, and dashes run on round the vertices.
void QPainterSurface::DrawLineChains()
{
    QPolygon chain;
    for (const QLine& line : pendingLines_) {
        if (!chain.isEmpty() && chain.last() != line.p1()) {
            painter_.drawPolyline(chain);
            chain.clear();
        }
        if (chain.isEmpty()) chain.append(line.p1());
        chain.append(line.p2());
    }
    painter_.drawPolyline(chain);
}

void QPainterSurface::Polyline(const std::vector<PixelPoint>& points)
{
    FlushLines();
    if (points.empty()) return;
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const PixelPoint& p : points) polygon.append(QPoint(p.X, p.Y));
    ApplyPen();
    painter_.drawPolyline(polygon);
}

void QPainterSurface::Polygon(const std::vector<PixelPoint>& points)
{
    FlushLines();
    if (points.empty()) return;
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const PixelPoint& p : points) polygon.append(QPoint(p.X, p.Y));
    ApplyPen();
    painter_.drawPolygon(polygon);
}

void QPainterSurface::Rectangle(int x1, int y1, int x2, int y2)
{
    FlushLines();
    ApplyPen();
    painter_.drawRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                            QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1)));
}

void QPainterSurface::Ellipse(int x1, int y1, int x2, int y2)
{
    FlushLines();
    const QRect box(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
    if (CanStamp(box)) {
        Stamp(box);
        return;
    }
    ApplyPen();
    painter_.drawEllipse(box);
}

bool QPainterSurface::CanStamp(const QRect& box) const
{
    const QRect reach = box.adjusted(-kStampMargin, -kStampMargin, kStampMargin, kStampMargin);
    return pixels_ != nullptr && pen_.Mode == PenMode::Copy && pen_.Width <= 1 && pen_.Style == kStyleSolid &&
           !brush_.Solid && !box.isEmpty() && box.width() <= kLargestStamp && box.height() <= kLargestStamp &&
           QRect(0, 0, width_, height_).contains(reach);
}

bool QPainterSurface::CanStampLines(QPoint from, QPoint to) const
{
    const auto onCanvas = [this](QPoint p) {
        return static_cast<unsigned>(p.x()) < static_cast<unsigned>(width_) &&
               static_cast<unsigned>(p.y()) < static_cast<unsigned>(height_);
    };
    return pixels_ != nullptr && pen_.Mode == PenMode::Copy && pen_.Width <= 1 && pen_.Style == kStyleSolid &&
           onCanvas(from) && onCanvas(to);
}

void QPainterSurface::StampLines()
{
    const QRgb colour = ToQRgb(pen_.Colour);
    int lastDirection = 0;
    const auto plot = [this, colour](int x, int y) { pixels_[y * pixelsPerLine_ + x] = colour; };
    for (const QLine& l : pendingLines_) WalkLine(l.p1(), l.p2(), lastDirection, plot);
}

void QPainterSurface::Stamp(const QRect& box)
{
    const QRgb colour = ToQRgb(pen_.Colour);
    for (const QPoint& p : EllipseOutline(box.width(), box.height()))
        pixels_[(box.top() + p.y()) * pixelsPerLine_ + box.left() + p.x()] = colour;
}

void QPainterSurface::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    FlushLines();
    ApplyPen();
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
    if (plain_ || !IsSingleLine(text)) {
        DrawTextThroughPainter(x, y, text);
        return;
    }
    const QList<QGlyphRun>& runs = layouts_.Glyphs(font_.Face, font_.Height, text);
    painter_.setPen(ToQColor(font_.Colour));
    penApplied_ = false;
    painter_.setTransform(QTransform().translate(x, y).rotate(-font_.Escapement / 10.0));
    for (const QGlyphRun& run : runs) painter_.drawGlyphRun(QPointF(0, 0), run);
    painter_.resetTransform();
}

void QPainterSurface::DrawTextThroughPainter(int x, int y, const QString& text)
{
    painter_.save();
    painter_.setFont(layouts_.Font(font_.Face, font_.Height));
    painter_.setPen(ToQColor(font_.Colour));
    painter_.translate(x, y);
    painter_.rotate(-font_.Escapement / 10.0);
    painter_.drawText(0, layouts_.Metrics(font_.Face, font_.Height).ascent(), text);
    painter_.restore();
}

int QPainterSurface::TextWidth(const QString& text) { return layouts_.Width(font_.Face, font_.Height, text); }

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
