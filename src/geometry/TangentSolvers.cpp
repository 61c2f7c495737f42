#include "geometry/TangentSolvers.h"

#include "geometry/Offsets.h"

#include <cmath>
#include <optional>
#include <utility>

namespace vantro {
namespace {

// Appends the circle through three points when it exists.
void AddCircleThrough(SolutionRecord& record, Point p1, Point p2, Point p3)
{
    if (record.Count >= 2) return;
    if (const auto circle = CircleThrough3Points(p1, p2, p3))
        record.Circles[static_cast<size_t>(record.Count++)] = *circle;
}

void AddCircle(SolutionRecord& record, Point centre, double radius)
{
    if (record.Count >= 2 || !std::isfinite(centre.X) || !std::isfinite(centre.Y) || !std::isfinite(radius)) return;
    record.Circles[static_cast<size_t>(record.Count++)] = {centre, radius};
}

// Of the crossings, the one farther from (or nearer to) p; on a tie the one the caller prefers.
std::optional<Point> ByDistance(const IntersectionResult& crossings, Point p, bool farther, bool secondOnTie)
{
    if (crossings.Count == 0) return std::nullopt;
    if (crossings.Count == 1) return crossings.Points[0];
    const double d0 = PointDistance(crossings.Points[0], p);
    const double d1 = PointDistance(crossings.Points[1], p);
    if (d0 == d1) return crossings.Points[secondOnTie ? 1 : 0];
    return crossings.Points[(d0 > d1) == farther ? 0 : 1];
}

std::optional<Point> FartherOf(const IntersectionResult& crossings, Point p, bool secondOnTie)
{
    return ByDistance(crossings, p, true, secondOnTie);
}

std::optional<Point> NearerOf(const IntersectionResult& crossings, Point p, bool secondOnTie)
{
    return ByDistance(crossings, p, false, secondOnTie);
}

// Circles of radius `radius` centred at the crossings of two circles.
void AddCirclesAtCrossings(SolutionRecord& record, Point c1, double r1, Point c2, double r2, double radius)
{
    const IntersectionResult centres = IntersectCircles(c1, r1, c2, r2);
    for (int i = 0; i < centres.Count; ++i) AddCircle(record, centres.Points[static_cast<size_t>(i)], radius);
}

// Directions equal (0) or opposite (π) within Eps.
bool SameOrOppositeDirection(double a, double b)
{
    const double d = std::abs(a - b);
    return d < Eps() || std::abs(d - kPi) < Eps() || std::abs(d - 2 * kPi) < Eps();
}

// The auxiliary circle for the circle-point problem: through the centre and both points when both
// lie outside, else through both points and a crossing of the circles of radius 2r about them.
std::optional<CircleGeometry> AuxiliaryCircle(Point p1, Point p2, Point centre, double radius)
{
    if (PointDistance(centre, p1) > radius && PointDistance(centre, p2) > radius)
        return CircleThrough3Points(centre, p1, p2);
    const IntersectionResult far = IntersectCircles(p1, 2 * radius, p2, 2 * radius);
    if (far.Count == 0) return std::nullopt;
    auto circle = CircleThrough3Points(p1, p2, far.Points[0]);
    if (far.Count == 2 && (!circle || IntersectCircles(circle->Centre, circle->Radius, centre, radius).Count < 2))
        circle = CircleThrough3Points(p1, p2, far.Points[1]);
    return circle;
}

}  // namespace

double DistanceToLine(InfiniteLine line, Point p)
{
    Point foot;
    if (!PerpendicularFoot(line.A, line.B, p, foot)) return PointDistance(line.A, p);
    return PointDistance(foot, p);
}

InfiniteLine MiddleParallel(InfiniteLine line1, InfiniteLine line2)
{
    const double d1 = DirectionAngle(line1.B, line1.A);
    const double d2 = DirectionAngle(line2.B, line2.A);
    const double turn = std::abs(d1 - d2);
    if (std::abs(turn - kPi) < kPi / 2) std::swap(line2.A, line2.B);
    return {MidPoint(line1.A, line2.A), MidPoint(line1.B, line2.B)};
}

bool ShiftLine(InfiniteLine line, double d, Point side, InfiniteLine& result)
{
    const OffsetResult shifted = OffsetLine(line.A, line.B, d, side);
    if (shifted.Count == 0) return false;
    result = {shifted.Start, shifted.End};
    return true;
}

SolutionRecord TwoPointsLine(InfiniteLine line, Point p1, Point p2)
{
    SolutionRecord record;
    if (SameOrOppositeDirection(DirectionAngle(p2, p1), DirectionAngle(line.B, line.A))) {
        Point foot;
        if (PerpendicularFoot(line.A, line.B, MidPoint(p1, p2), foot)) AddCircleThrough(record, p1, p2, foot);
        return record;
    }
    Point x;
    if (!IntersectLines(p1, p2, line.A, line.B, x)) return record;
    const double t = std::sqrt(PointDistance(x, p1) * PointDistance(x, p2));
    const IntersectionResult touch = IntersectLineCircle(line.A, line.B, x, t);
    for (int i = 0; i < touch.Count; ++i) AddCircleThrough(record, p1, p2, touch.Points[static_cast<size_t>(i)]);
    return record;
}

SolutionRecord TwoPointsCircle(Point p1, Point p2, Point centre, double radius)
{
    SolutionRecord record;
    const auto aux = AuxiliaryCircle(p1, p2, centre, radius);
    if (!aux) return record;
    const IntersectionResult common = IntersectCircles(aux->Centre, aux->Radius, centre, radius);
    if (common.Count == 0) return record;
    // Touching circles: their common tangent stands for the radical axis.
    const Point i1 = common.Points[0];
    const Point i2 = common.Count == 2 ? common.Points[1] : RotatePointDeg(aux->Centre, i1, 90);
    IntersectionResult touch;
    Point z;
    if (IntersectLines(i1, i2, p1, p2, z)) {
        touch = TangentPointsFromPoint(z, centre, radius);
    } else {
        const Point m = MidPoint(p1, p2);
        touch = IntersectLineCircle(m, RotatePointDeg(p2, m, 90), centre, radius);
    }
    for (int i = 0; i < touch.Count; ++i) AddCircleThrough(record, touch.Points[static_cast<size_t>(i)], p1, p2);
    return record;
}

namespace {

// P on the bisector of the two lines: the circles touching at the points reached by turning the
// line P→X by α either way.
SolutionRecord OnBisector(InfiniteLine line1, InfiniteLine line2, Point x, Point p, Point q2)
{
    double theta = SweepAngleDeg(q2, p, x);
    if (theta == 360) theta = 0;
    // The half opening angle is measured from line 2 counter-clockwise to P; from the other side
    // the lines exchange their roles.
    if (theta > 180) {
        std::swap(line1, line2);
        theta = 360 - theta;
    }
    SolutionRecord record;
    for (const double alpha : {135 - theta / 2, 45 - theta / 2}) {
        Point t1;
        Point t2;
        if (IntersectLines(p, RotatePointDeg(x, p, alpha), line2.A, line2.B, t2) &&
            IntersectLines(p, RotatePointDeg(x, p, -alpha), line1.A, line1.B, t1))
            AddCircleThrough(record, t1, t2, p);
    }
    return record;
}

// The bisector direction of the sector between consecutive rays of the two lines from x that
// holds p strictly inside.
std::optional<double> SectorBisector(InfiniteLine line1, InfiniteLine line2, Point x, Point p)
{
    const double u1 = DirectionAngle(line1.B, line1.A);
    const double u2 = DirectionAngle(line2.B, line2.A);
    const double rays[2][2] = {{u1, std::fmod(u1 + kPi, 2 * kPi)}, {u2, std::fmod(u2 + kPi, 2 * kPi)}};
    const double toP = DirectionAngle(p, x);
    auto ccw = [](double from, double to) {
        double a = std::fmod(to - from, 2 * kPi);
        return a < 0 ? a + 2 * kPi : a;
    };
    for (int line = 0; line < 2; ++line) {
        for (const double ray : rays[line]) {
            const double a = ccw(ray, rays[1 - line][0]);
            const double b = ccw(ray, rays[1 - line][1]);
            const double width = std::min(a, b);
            const double at = ccw(ray, toP);
            if (at > 0 && at < width) return ray + width / 2;
        }
    }
    return std::nullopt;
}

}  // namespace

SolutionRecord TwoLinesPoint(InfiniteLine line1, InfiniteLine line2, Point p)
{
    SolutionRecord record;
    Point x;
    if (!IntersectLines(line1.A, line1.B, line2.A, line2.B, x)) return record;
    const double d = PointDistance(x, p);
    if (!(d >= Eps())) return record;
    const auto q1 = NearerOf(IntersectLineCircle(line1.A, line1.B, x, d), p, true);
    const auto q2 = NearerOf(IntersectLineCircle(line2.A, line2.B, x, d), p, true);
    if (q1 && q2 && std::abs(PointDistance(p, *q1) - PointDistance(p, *q2)) < Eps())
        return OnBisector(line1, line2, x, p, *q2);

    // Homothety about X: the circle about B touching both lines is scaled to pass through P.
    const auto bisector = SectorBisector(line1, line2, x, p);
    if (!bisector) return record;
    const Point b{x.X + 2 * d * std::cos(*bisector), x.Y + 2 * d * std::sin(*bisector)};
    const double rho = DistanceToLine(line2, b);
    const IntersectionResult s = IntersectLineCircle(p, x, b, rho);
    for (int i = 0; i < s.Count; ++i) {
        const Point si = s.Points[static_cast<size_t>(i)];
        const double length = PointDistance(si, b);
        if (!(length > 0)) continue;
        const Point along{p.X + 9999999 * (b.X - si.X) / length, p.Y + 9999999 * (b.Y - si.Y) / length};
        Point o;
        if (IntersectLines(p, along, x, b, o)) AddCircle(record, o, PointDistance(o, p));
    }
    return record;
}

namespace {

// The crossing of the auxiliary circle with the line through p and the pole that lies farther
// from p (the second on a tie).
std::optional<Point> SecondPoint(const std::optional<CircleGeometry>& aux, Point p, Point pole)
{
    if (!aux) return std::nullopt;
    return FartherOf(IntersectLineCircle(p, pole, aux->Centre, aux->Radius), p, true);
}

// The second crossing of the line from the pole through p with the circle through a, b and p,
// where a and b lie on one line with the pole: the point on that ray whose distance from the pole
// times |pole p| is the pole's power (pole a)·(pole b). Computed from the power, it exists also
// when p lies on the line of a and b and that circle does not.
std::optional<Point> PowerPoint(Point pole, Point a, Point b, Point p)
{
    const double dx = p.X - pole.X, dy = p.Y - pole.Y;
    const double squared = dx * dx + dy * dy;
    if (!(squared > 0)) return std::nullopt;
    const double scale = ((a.X - pole.X) * (b.X - pole.X) + (a.Y - pole.Y) * (b.Y - pole.Y)) / squared;
    const Point result{pole.X + scale * dx, pole.Y + scale * dy};
    if (!std::isfinite(result.X) || !std::isfinite(result.Y)) return std::nullopt;
    return result;
}

// Variants 3 and 4: T on the circle and X' on the line, both on the line through R and the pole.
std::optional<CircleGeometry> AuxiliaryThroughLine(InfiniteLine line, Point centre, double radius, Point r,
                                                   Point pole, Point p)
{
    const IntersectionResult onCircle = IntersectLineCircle(r, pole, centre, radius);
    if (onCircle.Count == 0) return std::nullopt;
    Point t = onCircle.Points[0];
    if (onCircle.Count == 2 && PointDistance(onCircle.Points[1], pole) >= Eps()) t = onCircle.Points[1];
    Point xDash;
    if (!IntersectLines(r, pole, line.A, line.B, xDash)) return std::nullopt;
    return CircleThrough3Points(t, p, xDash);
}

}  // namespace

SolutionRecord LineCirclePoint(int variant, InfiniteLine line, Point centre, double radius, Point p)
{
    SolutionRecord record;
    if (PointDistance(p, centre) < Eps()) {
        InfiniteLine parallel;
        if (variant != 1 || !ShiftLine(line, radius / 2, p, parallel)) return record;
        const IntersectionResult centres = IntersectLineCircle(parallel.A, parallel.B, centre, radius / 2);
        for (int i = 0; i < centres.Count; ++i) AddCircle(record, centres.Points[static_cast<size_t>(i)], radius / 2);
        return record;
    }
    Point f;
    if (!PerpendicularFoot(line.A, line.B, centre, f)) return record;
    // The poles end the diameter square to the line; taken along the line's normal, they exist
    // also when the line runs through the centre (f = centre).
    const double length = PointDistance(line.A, line.B);
    const Point normal{centre.X - (line.B.Y - line.A.Y) / length, centre.Y + (line.B.X - line.A.X) / length};
    const IntersectionResult poles = IntersectLineCircle(centre, normal, centre, radius);
    if (poles.Count < 2) return record;
    const bool firstNear = PointDistance(poles.Points[0], f) <= PointDistance(poles.Points[1], f);
    const Point n = poles.Points[firstNear ? 0 : 1];
    const Point k = poles.Points[firstNear ? 1 : 0];
    const Point r = RotatePointDeg(f, centre, 30);
    std::optional<Point> pDash;
    switch (variant) {
    case 1: pDash = PowerPoint(k, n, f, p); break;
    case 2: pDash = PowerPoint(n, k, f, p); break;
    case 3: pDash = SecondPoint(AuxiliaryThroughLine(line, centre, radius, r, k, p), p, k); break;
    case 4: pDash = SecondPoint(AuxiliaryThroughLine(line, centre, radius, r, n, p), p, k); break;
    default: return record;
    }
    if (!pDash) return record;
    if (variant <= 2) return TwoPointsCircle(*pDash, p, centre, radius);
    return TwoPointsLine(line, *pDash, p);
}

namespace {

SolutionRecord TwoCirclesPointAlike(Point c1, double r1, Point c2, double r2, Point p)
{
    SolutionRecord record;
    if (PointDistance(p, c2) < Eps()) {
        const double reach = PointDistance(c1, p) > r1 ? r1 + r2 / 2 : r1 - r2 / 2;
        AddCirclesAtCrossings(record, c2, r2 / 2, c1, reach, r2 / 2);
        return record;
    }
    if (PointDistance(p, c1) < Eps()) {
        const double reach = PointDistance(c2, p) > r2 ? r2 + r1 / 2 : r2 - r1 / 2;
        AddCirclesAtCrossings(record, c1, r1 / 2, c2, reach, r1 / 2);
        return record;
    }
    if (PointDistance(c1, c2) < Eps()) {
        const double l = std::abs(r2 - r1) / 2;
        AddCirclesAtCrossings(record, p, l, c1, std::min(r1, r2) + l, l);
        return record;
    }
    if (std::abs(r2 - r1) < Eps()) {
        const SolutionRecord centres = TwoPointsCircle(c1, c2, p, r1);
        for (int i = 0; i < centres.Count; ++i) {
            const Point o = centres.Circles[static_cast<size_t>(i)].Centre;
            AddCircle(record, o, PointDistance(o, p));
        }
        return record;
    }
    return record;
}

// Through the centre of similitude: A meets both circles, the chord of the crossings meets the
// line of centres in S, and the line P-S gives the second point on A.
SolutionRecord BySimilitude(Point c1, double r1, Point c2, double r2, Point p, Point onFirst)
{
    SolutionRecord record;
    Point a2;
    if (!NearestLineCircle(c1, c2, c2, r2, c1, a2)) return record;
    const auto aux = CircleThrough3Points(onFirst, a2, p);
    if (!aux) return record;
    const auto q2 = FartherOf(IntersectCircles(aux->Centre, aux->Radius, c2, r2), a2, false);
    const auto q1 = FartherOf(IntersectCircles(aux->Centre, aux->Radius, c1, r1), onFirst, false);
    if (!q1 || !q2) return record;
    Point s;
    if (!IntersectLines(c1, c2, *q1, *q2, s)) return record;
    const auto pDash = FartherOf(IntersectLineCircle(p, s, aux->Centre, aux->Radius), p, false);
    if (!pDash) return record;
    return TwoPointsCircle(*pDash, p, c1, r1);
}

}  // namespace

SolutionRecord TwoCirclesPoint(int variant, Point c1, double r1, Point c2, double r2, Point p)
{
    if (variant == 1) {
        const bool special = PointDistance(p, c2) < Eps() || PointDistance(p, c1) < Eps() ||
                             PointDistance(c1, c2) < Eps() || std::abs(r2 - r1) < Eps();
        if (special) return TwoCirclesPointAlike(c1, r1, c2, r2, p);
        Point a1;
        if (!NearestLineCircle(c1, c2, c1, r1, c2, a1)) return {};
        return BySimilitude(c1, r1, c2, r2, p, a1);
    }
    if (variant != 2) return {};
    if (PointDistance(p, c1) < Eps() || PointDistance(p, c2) < Eps() || PointDistance(c1, c2) < Eps()) return {};
    const auto b1 = FartherOf(IntersectLineCircle(c1, c2, c1, r1), c2, true);
    if (!b1) return {};
    return BySimilitude(c1, r1, c2, r2, p, *b1);
}

}  // namespace vantro
