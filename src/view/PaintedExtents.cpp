#include "view/PaintedExtents.h"

#include "geometry/Primitives.h"
#include "view/ElementPainter.h"
#include "view/FontFaces.h"
#include "view/Surface.h"

#include <QFontMetrics>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace vantro {
namespace {

// A surface that draws nothing and keeps the box, in canvas pixels, of everything drawn on it.
class ExtentSurface final : public Surface {
public:
    ExtentSurface(int width, int height) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetPen(const Pen& pen) override { pen_ = pen; }
    const Pen& CurrentPen() const override { return pen_; }
    void SetBrush(const Brush&) override {}
    void SetFont(const Font& font) override
    {
        if (!metrics_ || font.Face != font_.Face || font.Height != font_.Height)
            metrics_.emplace(FontForFace(font.Face, font.Height));
        font_ = font;
    }

    void MoveTo(int x, int y) override { position_ = {x, y}; }
    void LineTo(int x, int y) override
    {
        Take(position_.X, position_.Y);
        Take(x, y);
        position_ = {x, y};
    }
    void Polyline(const std::vector<PixelPoint>& points) override
    {
        for (const PixelPoint& p : points) Take(p.X, p.Y);
    }
    void Polygon(const std::vector<PixelPoint>& points) override { Polyline(points); }
    void Rectangle(int x1, int y1, int x2, int y2) override
    {
        Take(x1, y1);
        Take(x2, y2);
    }
    void Ellipse(int x1, int y1, int x2, int y2) override { Rectangle(x1, y1, x2, y2); }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) override { return Metrics().horizontalAdvance(text); }

    // Empty when nothing was drawn.
    std::optional<std::array<double, 4>> Box() const { return box_; }  // left, top, right, bottom

private:
    const QFontMetrics& Metrics()
    {
        if (!metrics_) SetFont(font_);
        return *metrics_;
    }

    void Take(double x, double y)
    {
        if (!box_) {
            box_ = {x, y, x, y};
            return;
        }
        auto& b = *box_;
        b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x), std::max(b[3], y)};
    }

    int width_;
    int height_;
    Pen pen_;
    Font font_;
    std::optional<QFontMetrics> metrics_;
    PixelPoint position_;
    std::optional<std::array<double, 4>> box_;
};

// The ends of the arc and the points of its ellipse at the quarter turns it passes.
void ExtentSurface::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    const double cx = (x1 + x2) / 2.0;
    const double cy = (y1 + y2) / 2.0;
    const double a = std::abs(x2 - x1) / 2.0;
    const double b = std::abs(y2 - y1) / 2.0;
    if (a <= 0 || b <= 0) return;
    // Angles counter-clockwise on the screen, as the surface's Arc runs.
    const auto parameter = [&](int x, int y) { return std::atan2(-(y - cy) / b, (x - cx) / a); };
    const auto take = [&](double t) { Take(cx + a * std::cos(t), cy - b * std::sin(t)); };
    const double start = parameter(x3, y3);
    double sweep = parameter(x4, y4) - start;
    while (sweep <= 0) sweep += 2 * kPi;  // equal rays: the whole ellipse
    take(start);
    take(start + sweep);
    for (int quarter = 0; quarter < 4; ++quarter) {
        const double t = quarter * kPi / 2;
        if (std::fmod(t - start + 4 * kPi, 2 * kPi) <= sweep) take(t);
    }
}

// The text's box turned with the font's escapement about its top-left corner, as QPainterSurface
// draws it.
void ExtentSurface::TextOut(int x, int y, const QString& text)
{
    const QFontMetrics& metrics = Metrics();
    const double w = metrics.horizontalAdvance(text);
    const double h = metrics.height();
    const double turn = -DegToRad(font_.Escapement / 10.0);
    const double c = std::cos(turn);
    const double s = std::sin(turn);
    for (const auto& [px, py] : {std::pair{0.0, 0.0}, {w, 0.0}, {0.0, h}, {w, h}})
        Take(x + px * c - py * s, y + px * s + py * c);
}

}  // namespace

ExtentBox PaintedAnnotationExtents(const Drawing& drawing, const ViewState& view, const PaintSettings& settings)
{
    // The painters leave out what lies off the canvas: they paint on one three times as wide and
    // high, with the view's canvas in its middle.
    ViewState wide = view;
    wide.CanvasWidth = 3 * view.CanvasWidth;
    wide.CanvasHeight = 3 * view.CanvasHeight;
    wide.OriginX = view.OriginX + view.CanvasWidth;
    wide.OriginY = view.OriginY + view.CanvasHeight;
    ExtentSurface surface(wide.CanvasWidth, wide.CanvasHeight);
    const PaintTarget target{surface, wide, drawing, settings};
    for (int i = 1; i <= drawing.Count; ++i) {
        const TCadData& e = drawing[i];
        if ((IsDimension(e.Kind) || e.Kind == kKindText) && IsPainted(drawing, e)) DrawRecord(target, e, true);
    }
    ExtentBox box;
    const auto pixels = surface.Box();
    if (!pixels) return box;
    // A pixel more on each side for rounding and the pen.
    const auto [left, top, right, bottom] = *pixels;
    double x = 0;
    double y = 0;
    CanvasToWorld(wide, left - 1, bottom + 1, x, y);
    box.Add(x, y);
    CanvasToWorld(wide, right + 1, top - 1, x, y);
    box.Add(x, y);
    return box;
}

}  // namespace vantro
