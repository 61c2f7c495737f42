#include "view/TextPainter.h"

#include "view/PixelMapping.h"
#include "view/QtText.h"

#include <cmath>

namespace vantro {
namespace {

int RoundPixel(double v) { return static_cast<int>(std::nearbyint(v)); }

struct PixelCorner {
    double X;
    double Y;
};

// Turns p about c by the given degrees counter-clockwise on the screen (y down).
PixelCorner TurnOnScreen(PixelCorner p, PixelCorner c, double degrees)
{
    const double t = -DegToRad(degrees);
    const double dx = p.X - c.X;
    const double dy = p.Y - c.Y;
    return {c.X + dx * std::cos(t) - dy * std::sin(t), c.Y + dx * std::sin(t) + dy * std::cos(t)};
}

PixelPoint Rounded(PixelCorner p) { return {RoundPixel(p.X), RoundPixel(p.Y)}; }

}  // namespace

void DrawText(const PaintTarget& target, const TCadData& e, bool draw, bool erase)
{
    Surface& canvas = target.Canvas;
    const Mapping m(canvas, target.View);
    const double h = e.R;
    const double left = m.Px(e.Cx);
    const double top = m.Py(e.Cy + h);
    if (!(left >= -1000 && left <= m.Width && top >= -100 && top <= m.Height)) return;
    const int f = RoundPixel(std::abs(m.S * h));
    if (f == 0) return;
    const double degrees = static_cast<float>(RadToDeg(e.Angle));
    const PixelCorner bottomLeft{left, m.Py(e.Cy)};
    const double width = static_cast<double>(e.Text.size()) * h * m.S / 2;
    PixelCorner topLeft{left, top};
    PixelCorner bottomRight{left + width, bottomLeft.Y};
    PixelCorner topRight{left + width, top};
    if (degrees != 0) {
        topLeft = TurnOnScreen(topLeft, bottomLeft, degrees);
        bottomRight = TurnOnScreen(bottomRight, bottomLeft, degrees);
        topRight = TurnOnScreen(topRight, bottomLeft, degrees);
    }
    const PaintSettings& settings = target.Settings;
    const uint32_t colour = e.Selected == 1 ? settings.HighlightColour : e.Color;
    canvas.SetFont({settings.Annotations.TextFace, f, static_cast<int>(std::trunc(degrees * 10)), colour});
    canvas.SetBrush({});
    const std::vector<PixelPoint> box{Rounded(topLeft), Rounded(bottomLeft), Rounded(bottomRight), Rounded(topRight)};
    if (erase) {
        canvas.SetBrush({true, settings.BackgroundColour});
        canvas.Polygon(box);
        canvas.SetBrush({});
    } else if (!draw) {
        std::vector<PixelPoint> outline = box;
        outline.push_back(box.front());
        canvas.Polyline(outline);
    } else {
        canvas.TextOut(RoundPixel(topLeft.X), RoundPixel(topLeft.Y), ToQString(e.Text));
    }
}

}  // namespace vantro
