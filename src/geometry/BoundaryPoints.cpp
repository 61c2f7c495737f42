#include "geometry/BoundaryPoints.h"

#include "geometry/ElementPoints.h"
#include "geometry/EllipsePolyline.h"

#include <algorithm>
#include <cmath>

namespace vantro {
namespace {

// From the start point counter-clockwise through the sweep (degrees) in steps of 360/K.
std::vector<Point> ArcVertices(const TCadData& arc, int fineness)
{
    const Point centre = CentreOf(arc);
    const int k = ClampFineness(fineness);
    const double start = RadToDeg(DirectionAngle(StartOf(arc), centre));
    const double sweep = arc.Angle;
    std::vector<Point> points{StartOf(arc)};
    if (!(sweep > 0 && sweep <= 360) || !(arc.R > 0)) {
        points.push_back(EndOf(arc));
        return points;
    }
    // The inner points only: the end point follows exactly as the record holds it.
    for (int j = 1; j * 360.0 / k < sweep; ++j) {
        const double t = DegToRad(start + j * 360.0 / k);
        points.push_back({centre.X + arc.R * std::cos(t), centre.Y + arc.R * std::sin(t)});
    }
    points.push_back(EndOf(arc));
    return points;
}

}  // namespace

std::vector<Point> BoundaryVertices(const TCadData& element, bool forward, int fineness)
{
    std::vector<Point> points;
    switch (element.Kind) {
    case kKindLine: points = {StartOf(element), EndOf(element)}; break;
    case kKindArc: points = ArcVertices(element, fineness); break;
    case kKindEllipse: points = EllipsePolyline(element, ClampFineness(fineness)); break;
    default: break;
    }
    if (!forward) std::reverse(points.begin(), points.end());
    return points;
}

std::vector<Point> ChainVertices(const Drawing& drawing, const Chain& chain, int fineness)
{
    std::vector<Point> outline;
    for (const ChainLink& link : chain.Links) {
        for (const Point& p : BoundaryVertices(drawing[link.Index], link.Forward, fineness))
            if (outline.empty() || !(outline.back() == p)) outline.push_back(p);
    }
    return outline;
}

std::vector<Point> CircleVertices(const TCadData& circle, int fineness)
{
    const int k = ClampFineness(fineness);
    std::vector<Point> points;
    points.reserve(static_cast<size_t>(2 * k));
    for (int j = 1; j <= 2 * k; ++j) {
        const double t = DegToRad(j * 180.0 / k);
        points.push_back({circle.Cx + circle.R * std::cos(t), circle.Cy + circle.R * std::sin(t)});
    }
    return points;
}

}  // namespace vantro
