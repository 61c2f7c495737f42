#include "view/FillPainter.h"

#include "geometry/BoundaryPoints.h"
#include "view/PixelMapping.h"

#include <cmath>

namespace vantro {
namespace {

// Polygons are cut to a box this far around the canvas before their pixels are rounded: vertices
// of a zoomed region can lie beyond what the surface can take, and the cut keeps the part shown.
constexpr double kMargin = 16;
// Circles whose box reaches beyond this are filled as polygons.
constexpr double kLargestBox = 1.0e6;

using Polygon = std::vector<Point>;

// Sutherland–Hodgman against one side of the box: inside(p) and where the edge a→b crosses it.
template <typename Inside, typename Cross>
Polygon CutBy(const Polygon& polygon, Inside inside, Cross cross)
{
    Polygon out;
    if (polygon.empty()) return out;
    Point previous = polygon.back();
    for (const Point& current : polygon) {
        if (inside(current)) {
            if (!inside(previous)) out.push_back(cross(previous, current));
            out.push_back(current);
        } else if (inside(previous)) {
            out.push_back(cross(previous, current));
        }
        previous = current;
    }
    return out;
}

Polygon CutToBox(Polygon polygon, double left, double top, double right, double bottom)
{
    auto atX = [](double x) {
        return [x](Point a, Point b) { return Point{x, a.Y + (b.Y - a.Y) * (x - a.X) / (b.X - a.X)}; };
    };
    auto atY = [](double y) {
        return [y](Point a, Point b) { return Point{a.X + (b.X - a.X) * (y - a.Y) / (b.Y - a.Y), y}; };
    };
    polygon = CutBy(polygon, [left](Point p) { return p.X >= left; }, atX(left));
    polygon = CutBy(polygon, [right](Point p) { return p.X <= right; }, atX(right));
    polygon = CutBy(polygon, [top](Point p) { return p.Y >= top; }, atY(top));
    return CutBy(polygon, [bottom](Point p) { return p.Y <= bottom; }, atY(bottom));
}

void FillPolygon(Surface& canvas, const Mapping& m, const Polygon& world)
{
    Polygon pixels;
    pixels.reserve(world.size());
    for (const Point& p : world) pixels.push_back({m.Px(p.X), m.Py(p.Y)});
    for (const Point& p : pixels)
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return;
    const Polygon shown = CutToBox(std::move(pixels), -kMargin, -kMargin, m.Width + kMargin, m.Height + kMargin);
    if (shown.size() < 3) return;
    std::vector<PixelPoint> points;
    points.reserve(shown.size());
    for (const Point& p : shown)
        points.push_back({static_cast<int>(std::nearbyint(p.X)), static_cast<int>(std::nearbyint(p.Y))});
    canvas.Polygon(points);
}

// The test of the circle painter: nothing when the circle cannot reach the canvas.
void FillCircle(Surface& canvas, const Mapping& m, const TCadData& circle, int fineness)
{
    const Point centre{circle.Cx, circle.Cy};
    const double distance = PointDistance(m.CentreWorld(), centre);
    if (!std::isfinite(circle.R) || !std::isfinite(distance) || circle.R + m.ReachWorld() < distance) return;
    const double x = m.Px(centre.X);
    const double y = m.Py(centre.Y);
    const double rho = m.S * circle.R;
    if (std::abs(x) + rho >= kLargestBox || std::abs(y) + rho >= kLargestBox) {
        FillPolygon(canvas, m, CircleVertices(circle, fineness));
        return;
    }
    canvas.Ellipse(static_cast<int>(std::nearbyint(x - rho)), static_cast<int>(std::nearbyint(y - rho)),
                   static_cast<int>(std::nearbyint(x + rho)), static_cast<int>(std::nearbyint(y + rho)));
}

}  // namespace

void PaintFillRegion(Surface& canvas, const ViewState& view, const FillRegion& region, const Drawing& drawing,
                     int fineness)
{
    if (region.Problem != FillProblem::None) return;
    const Mapping m(canvas, view);
    canvas.SetPen({region.Colour, 1, 0, PenMode::Copy});
    canvas.SetBrush({true, region.Colour});
    if (region.IsCircle) FillCircle(canvas, m, drawing[region.First], fineness);
    else FillPolygon(canvas, m, region.Outline);
    canvas.SetBrush({});
}

void PaintFills(Surface& canvas, const ViewState& view, const Drawing& drawing, int fineness)
{
    for (const FillRegion& region : ResolveFills(drawing, fineness))
        PaintFillRegion(canvas, view, region, drawing, fineness);
}

}  // namespace vantro
