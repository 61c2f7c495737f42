#include "view/SnapKinds.h"

#include "geometry/ElementIntersections.h"

#include <array>
#include <cmath>

namespace vantro {
namespace {

// Mouse shift states that hold Shift: alone, or with the left button.
constexpr int kShiftAlone = 1;
constexpr int kShiftWithLeft = 9;

Point StartPoint(const TCadData& e) { return {e.X1, e.Y1}; }
Point EndPoint(const TCadData& e) { return {e.X2, e.Y2}; }
Point Centre(const TCadData& e) { return {e.Cx, e.Cy}; }

bool IsRound(const TCadData& e) { return e.Kind == kKindArc || e.Kind == kKindCircle; }

bool TakeIfWithin(Point p, const SnapContext& context, double reach, Point& out)
{
    if (!(PointDistance(p, context.Pick.Cursor) < reach)) return false;
    out = p;
    return true;
}

// The first of the points within reach.
template <size_t N>
bool TakeFirstWithin(const std::array<Point, N>& points, const SnapContext& context, double reach, Point& out)
{
    for (const Point& p : points)
        if (TakeIfWithin(p, context, reach, out)) return true;
    return false;
}

IntersectionResult SinglePoint(bool found, Point p)
{
    IntersectionResult result;
    if (found) result = {1, {p, Point{}}};
    return result;
}

// The crossings by the pair of kinds: segments, full circles, and ellipses through their polylines.
IntersectionResult Crossings(const TCadData& a, const TCadData& b, int fineness)
{
    const bool lineA = a.Kind == kKindLine;
    const bool lineB = b.Kind == kKindLine;
    const bool ellipseA = a.Kind == kKindEllipse;
    const bool ellipseB = b.Kind == kKindEllipse;
    Point p;
    if (lineA && lineB)
        return SinglePoint(IntersectSegments(StartPoint(a), EndPoint(a), StartPoint(b), EndPoint(b), p), p);
    if (lineA && IsRound(b)) return IntersectSegmentCircle(StartPoint(a), EndPoint(a), Centre(b), b.R);
    if (IsRound(a) && lineB) return IntersectSegmentCircle(StartPoint(b), EndPoint(b), Centre(a), a.R);
    if (IsRound(a) && IsRound(b)) return IntersectCircles(Centre(a), a.R, Centre(b), b.R);
    if (ellipseA && lineB) return IntersectEllipseLine(a, b, true, fineness);
    if (lineA && ellipseB) return IntersectEllipseLine(b, a, true, fineness);
    if (ellipseA && IsRound(b)) return IntersectEllipseCircle(a, b, fineness);
    if (IsRound(a) && ellipseB) return IntersectEllipseCircle(b, a, fineness);
    if (ellipseA && ellipseB) return IntersectEllipses(a, b, fineness);
    return {};
}

// The constrained rubber band of a Shift move: the cursor pulled onto the horizontal or the
// vertical through the reference point, whichever is nearer.
Point ConstrainedCursor(const SnapContext& context)
{
    const Point p = context.Reference;
    const Point c = context.Pick.Cursor;
    return std::abs(p.X - c.X) > std::abs(p.Y - c.Y) ? Point{c.X, p.Y} : Point{p.X, c.Y};
}

// Horizontal, vertical and angle lines touch circles at their tangent points.
bool SnapTouchingLine(const TCadData& e, const SnapContext& context, Point& out)
{
    const Point c = Centre(e);
    const double r = e.R;
    const double reach = 2 * context.Pick.Aperture;
    if (context.Constraint == SnapConstraint::HorizontalLine)
        return TakeFirstWithin(std::array{Point{c.X, c.Y + r}, Point{c.X, c.Y - r}}, context, reach, out);
    if (context.Constraint == SnapConstraint::VerticalLine)
        return TakeFirstWithin(std::array{Point{c.X + r, c.Y}, Point{c.X - r, c.Y}}, context, reach, out);
    if (!context.LineAngle) return false;
    const double normal = DegToRad(*context.LineAngle + 90);
    const Point offset{r * std::cos(normal), r * std::sin(normal)};
    return TakeFirstWithin(std::array{Point{c.X + offset.X, c.Y + offset.Y}, Point{c.X - offset.X, c.Y - offset.Y}},
                           context, reach, out);
}

bool SnapAlongShift(const TCadData& e, const SnapContext& context, Point& out)
{
    const Point end = ConstrainedCursor(context);
    if (e.Kind == kKindLine) return IntersectSegments(context.Reference, end, StartPoint(e), EndPoint(e), out);
    return IsRound(e) && NearestLineCircle(context.Reference, end, Centre(e), e.R, end, out);
}

}  // namespace

bool SnapPoint(const TCadData& e, const SnapContext& context, Point& out)
{
    return e.Kind == kKindPoint && TakeIfWithin(Centre(e), context, context.Pick.Aperture, out);
}

bool SnapEndPoint(const TCadData& e, const SnapContext& context, Point& out)
{
    const double t = context.Pick.Aperture;
    if (CarriesEndPoints(e.Kind)) return TakeFirstWithin(std::array{StartPoint(e), EndPoint(e)}, context, t, out);
    if (e.Kind != kKindEllipse) return false;
    const std::array ends{EllipsePoint(e, std::acos(e.X1 / e.R)), EllipsePoint(e, std::acos(e.X2 / e.R))};
    return TakeFirstWithin(ends, context, t, out);
}

bool SnapIntersection(const TCadData& h, const TCadData& n, const SnapContext& context, Point& out)
{
    const IntersectionResult found = Crossings(h, n, context.Pick.Fineness);
    if (found.Count == 0) return false;
    Point p = found.Points[0];
    if (found.Count == 2) {
        const Point cursor = context.Pick.Cursor;
        if (!(PointDistance(p, cursor) < PointDistance(found.Points[1], cursor))) p = found.Points[1];
    }
    return TakeIfWithin(p, context, context.Pick.Aperture, out);
}

bool SnapMidPoint(const TCadData& e, const SnapContext& context, Point& out)
{
    const double t = context.Pick.Aperture;
    if (e.Kind == kKindLine) return TakeIfWithin(MidPoint(StartPoint(e), EndPoint(e)), context, t, out);
    if (e.Kind != kKindArc) return false;
    const Point c = Centre(e);
    const Point chordMiddle = MidPoint(StartPoint(e), EndPoint(e));
    Point towards{chordMiddle.X - c.X, chordMiddle.Y - c.Y};
    // A half circle's chord passes through the centre, leaving the bisector to rounding noise: it
    // is then the start radius turned a quarter counter-clockwise, the way the arc runs.
    if (!(PointDistance(chordMiddle, c) >= Eps())) towards = {c.Y - e.Y1, e.X1 - c.X};
    const double length = std::hypot(towards.X, towards.Y);
    if (!(length > 0)) return false;
    const Point offset{e.R * towards.X / length, e.R * towards.Y / length};
    const Point first{c.X + offset.X, c.Y + offset.Y};
    const Point second{c.X - offset.X, c.Y - offset.Y};
    return TakeFirstWithin(std::array{second, first}, context, t, out);
}

bool SnapQuadrant(const TCadData& e, const SnapContext& context, Point& out)
{
    if (!IsRound(e)) return false;
    const Point c = Centre(e);
    const double r = e.R;
    const std::array quadrants{Point{c.X + r, c.Y}, Point{c.X - r, c.Y}, Point{c.X, c.Y + r}, Point{c.X, c.Y - r}};
    return TakeFirstWithin(quadrants, context, context.Pick.Aperture, out);
}

bool SnapPerpendicular(const TCadData& e, const SnapContext& context, Point& out)
{
    if (IsRound(e) && context.Constraint != SnapConstraint::None) return SnapTouchingLine(e, context, out);
    if (context.Shift == kShiftAlone || context.Shift == kShiftWithLeft) return SnapAlongShift(e, context, out);
    const double reach = 2 * context.Pick.Aperture;
    const Point p = context.Reference;
    Point found;
    if (e.Kind == kKindLine)
        return PerpendicularFoot(StartPoint(e), EndPoint(e), p, found) && TakeIfWithin(found, context, reach, out);
    if (!IsRound(e)) return false;
    if (NearestLineCircle(p, Centre(e), Centre(e), e.R, context.Pick.Cursor, found) &&
        TakeIfWithin(found, context, reach, out))
        return true;
    const IntersectionResult tangents = TangentPointsFromPoint(p, Centre(e), e.R);
    return tangents.Count == 2 && TakeFirstWithin(tangents.Points, context, reach, out);
}

bool SnapCentreOnCircumference(const TCadData& e, const SnapContext&, Point& out)
{
    if (!IsRound(e)) return false;
    out = Centre(e);
    return true;
}

bool SnapNearest(const TCadData& e, const SnapContext& context, Point& out)
{
    const Point c = context.Pick.Cursor;
    const double t = context.Pick.Aperture;
    if (e.Kind == kKindLine)
        return IntersectSegments(StartPoint(e), EndPoint(e), {c.X - t, c.Y}, {c.X + t, c.Y}, out) ||
               IntersectSegments(StartPoint(e), EndPoint(e), {c.X, c.Y - t}, {c.X, c.Y + t}, out);
    return IsRound(e) && NearestLineCircle(c, Centre(e), Centre(e), e.R, c, out);
}

}  // namespace vantro
