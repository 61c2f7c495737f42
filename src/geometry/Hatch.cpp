#include "geometry/Hatch.h"

#include <algorithm>
#include <cmath>

namespace vantro {

HatchBox BoxOf(const std::vector<Point>& vertices)
{
    HatchBox box;
    if (vertices.empty()) return box;
    box = {vertices[0].X, vertices[0].X, vertices[0].Y, vertices[0].Y};
    for (const Point& p : vertices) {
        box.MinX = std::min(box.MinX, p.X);
        box.MaxX = std::max(box.MaxX, p.X);
        box.MinY = std::min(box.MinY, p.Y);
        box.MaxY = std::max(box.MaxY, p.Y);
    }
    return box;
}

int HatchSegmentCount(const HatchBox& box, double pitch)
{
    if (!(pitch > 0) || !std::isfinite(pitch)) return -1;
    const double n = std::trunc((box.MaxY - box.MinY + box.MaxX - box.MinX) / pitch);
    if (!(n <= kMaxHatchSegments)) return -1;
    return static_cast<int>(n);
}

Segment HatchSweep(const HatchBox& box, double pitch, HatchSlope slope, int g)
{
    const double h = box.MaxY - box.MinY;
    const double x = box.MaxX - g * pitch;
    const double bottom = box.MinY - pitch;
    const double top = box.MaxY + 2 * pitch;
    if (slope == HatchSlope::Rising) return {{x, bottom}, {x + h, top}};
    return {{x + h, bottom}, {x, top}};
}

HatchResult HatchLines(const std::vector<Point>& vertices, double pitch, HatchSlope slope)
{
    HatchResult result;
    if (vertices.size() < 2) return result;
    const HatchBox box = BoxOf(vertices);
    const int n = HatchSegmentCount(box, pitch);
    if (n < 0) {
        result.TooMany = true;
        return result;
    }
    std::vector<Segment> edges;
    for (size_t i = 1; i <= vertices.size(); ++i) {
        const Point a = vertices[i - 1];
        const Point b = vertices[i % vertices.size()];
        if (PointDistance(a, b) > Eps()) edges.push_back({a, b});
    }
    for (int g = 1; g <= n; ++g) {
        const Segment sweep = HatchSweep(box, pitch, slope, g);
        bool haveA = false;
        Point a;
        for (const Segment& edge : edges) {
            Point crossing;
            if (!IntersectSegments(sweep.From, sweep.To, edge.From, edge.To, crossing)) continue;
            if (!haveA) {
                a = crossing;
                haveA = true;
            } else if (PointDistance(a, crossing) >= Eps()) {
                result.Lines.push_back({crossing, a});
                break;
            }
        }
    }
    return result;
}

}  // namespace vantro
