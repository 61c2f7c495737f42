#include "geometry/ElementIntersections.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace vantro {
namespace {

Point Centre(const TCadData& element) { return {element.Cx, element.Cy}; }
Point StartPoint(const TCadData& element) { return {element.X1, element.Y1}; }
Point EndPoint(const TCadData& element) { return {element.X2, element.Y2}; }

// A circle is an arc of sweep 360: every direction lies on it.
bool OnDrawnPart(const TCadData& element, Point p) { return element.Kind != kKindArc || IsWithinArcSweep(element, p); }

// The points that lie on the drawn part of the circle or arc, in their order.
IntersectionResult OnDrawnPart(const TCadData& element, const IntersectionResult& points)
{
    IntersectionResult kept;
    for (int i = 0; i < points.Count; ++i) {
        const Point p = points.Points[static_cast<size_t>(i)];
        if (OnDrawnPart(element, p)) kept.Points[kept.Count++] = p;
    }
    return kept;
}

// Two points of the same circle in counter-clockwise order from the element's start.
void OrderFromStart(const TCadData& element, IntersectionResult& result)
{
    if (result.Count != 2) return;
    if (AngleFromArcStart(element, result.Points[1]) < AngleFromArcStart(element, result.Points[0]))
        std::swap(result.Points[0], result.Points[1]);
}

// Adds a crossing met along a polyline walk; true once two distinct points are held. A repeat of
// the first point within Eps in both coordinates (a vertex shared by two segments) is ignored.
bool AddCrossing(IntersectionResult& found, Point p)
{
    if (found.Count == 0) {
        found.Points[0] = p;
        found.Count = 1;
        return false;
    }
    const Point first = found.Points[0];
    if (std::abs(p.X - first.X) < Eps() && std::abs(p.Y - first.Y) < Eps()) return false;
    found.Points[1] = p;
    found.Count = 2;
    return true;
}

// p moved away from q by distance; p itself when the two coincide and no direction exists.
Point MovedAwayFrom(Point p, Point q, double distance)
{
    const double length = PointDistance(p, q);
    if (!(length > 0)) return p;
    return {p.X + (p.X - q.X) / length * distance, p.Y + (p.Y - q.Y) / length * distance};
}

// Bounding box of a segment, widened by a margin.
struct Box {
    double MinX, MinY, MaxX, MaxY;
};

Box SegmentBox(Point a, Point b, double margin)
{
    return {std::min(a.X, b.X) - margin, std::min(a.Y, b.Y) - margin, std::max(a.X, b.X) + margin,
            std::max(a.Y, b.Y) + margin};
}

bool Overlap(const Box& a, const Box& b)
{
    return a.MinX <= b.MaxX && b.MinX <= a.MaxX && a.MinY <= b.MaxY && b.MinY <= a.MaxY;
}

}  // namespace

IntersectionResult IntersectLineWithCircleElement(const TCadData& line, const TCadData& arc)
{
    IntersectionResult kept =
        OnDrawnPart(arc, IntersectSegmentCircle(StartPoint(line), EndPoint(line), Centre(arc), arc.R));
    OrderFromStart(arc, kept);
    return kept;
}

IntersectionResult IntersectCircleElements(const TCadData& a, const TCadData& b)
{
    // A touching point, like a crossing, must lie on both: a cut where an arc never reaches
    // would trim or break the other element for nothing.
    IntersectionResult kept = OnDrawnPart(a, OnDrawnPart(b, IntersectCircles(Centre(a), a.R, Centre(b), b.R)));
    OrderFromStart(b, kept);
    return kept;
}

IntersectionResult IntersectEllipseLine(const TCadData& ellipse, const TCadData& line, bool segment, int fineness)
{
    Point start = StartPoint(line);
    Point end = EndPoint(line);
    if (!segment) {
        // Far enough past the ellipse from either end to act as the infinite line.
        const Point centre = Centre(ellipse);
        const Point farStart = MovedAwayFrom(start, end, 2 * (PointDistance(centre, start) + ellipse.R));
        end = MovedAwayFrom(end, start, 2 * (PointDistance(centre, end) + ellipse.R));
        start = farStart;
    }
    const std::vector<Point> polyline = EllipsePolyline(ellipse, fineness);
    IntersectionResult found;
    for (size_t i = 1; i < polyline.size(); ++i) {
        Point crossing;
        if (IntersectSegments(polyline[i - 1], polyline[i], start, end, crossing) && AddCrossing(found, crossing))
            break;
    }
    return found;
}

namespace {

// The walk of IntersectEllipseCircle; with drawnPartOnly a crossing off the drawn part of an arc
// is passed by as if the circle were not there.
IntersectionResult WalkEllipseCircle(const TCadData& ellipse, const TCadData& circle, int fineness,
                                     bool drawnPartOnly)
{
    const std::vector<Point> polyline = EllipsePolyline(ellipse, fineness);
    const Point centre = Centre(circle);
    IntersectionResult found;
    for (size_t i = 1; i < polyline.size(); ++i) {
        IntersectionResult crossings = IntersectSegmentCircle(polyline[i - 1], polyline[i], centre, circle.R);
        if (drawnPartOnly) crossings = OnDrawnPart(circle, crossings);
        // Both points of one segment end the walk, replacing a point met earlier.
        if (crossings.Count == 2) return crossings;
        if (crossings.Count == 1 && AddCrossing(found, crossings.Points[0])) break;
    }
    return found;
}

}  // namespace

IntersectionResult IntersectEllipseCircle(const TCadData& ellipse, const TCadData& circle, int fineness)
{
    return WalkEllipseCircle(ellipse, circle, fineness, false);
}

IntersectionResult IntersectEllipseWithCircleElement(const TCadData& ellipse, const TCadData& circle, int fineness)
{
    return WalkEllipseCircle(ellipse, circle, fineness, true);
}

IntersectionResult IntersectEllipses(const TCadData& e1, const TCadData& e2, int fineness)
{
    const std::vector<Point> first = EllipsePolyline(e1, fineness);
    const std::vector<Point> second = EllipsePolyline(e2, fineness);
    // IntersectSegments accepts only points within Eps of both segments, so pairs whose boxes lie
    // farther apart cannot meet; skipping them keeps the finest setting affordable.
    const double margin = 2 * Eps() + kFixedTolerance;
    std::vector<Box> secondBoxes;
    secondBoxes.reserve(second.size());
    for (size_t j = 1; j < second.size(); ++j) secondBoxes.push_back(SegmentBox(second[j - 1], second[j], margin));
    IntersectionResult found;
    for (size_t i = 1; i < first.size(); ++i) {
        const Box box = SegmentBox(first[i - 1], first[i], margin);
        for (size_t j = 1; j < second.size(); ++j) {
            if (!Overlap(box, secondBoxes[j - 1])) continue;
            Point crossing;
            if (!IntersectSegments(first[i - 1], first[i], second[j - 1], second[j], crossing)) continue;
            if (AddCrossing(found, crossing)) return found;
        }
    }
    return found;
}

}  // namespace vantro
