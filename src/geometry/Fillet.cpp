#include "geometry/Fillet.h"

#include "document/UndoHistory.h"
#include "geometry/Constructors.h"
#include "geometry/ElementEdits.h"
#include "geometry/Offsets.h"

#include <cmath>
#include <optional>
#include <utility>

namespace vantro {
namespace {

struct Segment {
    Point A;
    Point B;
};

// The parallel of a-b at distance d on the side of p; none when p lies on the segment.
std::optional<Segment> ParallelLine(Point a, Point b, double d, Point p)
{
    const OffsetResult o = OffsetLine(a, b, d, p);
    if (o.Count == 0) return std::nullopt;
    return Segment{o.Start, o.End};
}

// The radius of the concentric arc at distance d on the side of p; none when negative.
std::optional<double> ParallelRadius(const TCadData& arc, double d, Point p)
{
    const OffsetResult o = OffsetArc(arc, d, p);
    if (o.Count == 0) return std::nullopt;
    return o.Radius;
}

// A touching point; two points a hair apart (rounding) count as their middle.
std::optional<Point> TouchPoint(const IntersectionResult& found)
{
    if (found.Count == 0) return std::nullopt;
    if (found.Count == 1) return found.Points[0];
    return MidPoint(found.Points[0], found.Points[1]);
}

// Whether the click keeps the line's end (rather than its start) on its side of x: each quantity
// is 0 when the click lies between that end and x, negative otherwise.
bool KeepsEnd(const TCadData& line, Point x, Point click)
{
    const double alongEnd = PointDistance(EndOf(line), x) - PointDistance(EndOf(line), click) - PointDistance(x, click);
    const double alongStart =
        PointDistance(StartOf(line), x) - PointDistance(StartOf(line), click) - PointDistance(x, click);
    return alongEnd >= alongStart;
}

// The line with the end on the removed side moved to t.
TCadData TrimmedLine(const TCadData& line, bool keepsEnd, Point t)
{
    TCadData after = line;
    if (keepsEnd) SetStart(after, t);
    else SetEnd(after, t);
    return after;
}

// The fillet arc about f from t1 to t2, always the minor one.
bool AppendFilletArc(Drawing& drawing, const CurrentAttributes& attributes, Point t1, Point t2, Point f, double r)
{
    if (!(r > Eps())) return true;
    if (SweepAngleDeg(t1, t2, f) > 180) std::swap(t1, t2);
    return AppendArc(drawing, attributes, true, true, t1, t2, f, r);
}

bool Refuse(const Drawing& drawing, const char* message)
{
    Tell(drawing, message);
    return false;
}

}  // namespace

bool FilletLines(Drawing& drawing, const CurrentAttributes& attributes, int line1, Point click1, int line2,
                 Point click2, double radius)
{
    const TCadData l1 = Unhighlighted(drawing[line1]), l2 = Unhighlighted(drawing[line2]);
    Point x;
    if (!IntersectLines(StartOf(l1), EndOf(l1), StartOf(l2), EndOf(l2), x)) return false;
    const bool keepsEnd1 = KeepsEnd(l1, x, click1), keepsEnd2 = KeepsEnd(l2, x, click2);
    const Point kept1 = keepsEnd1 ? EndOf(l1) : StartOf(l1);
    const Point kept2 = keepsEnd2 ? EndOf(l2) : StartOf(l2);
    Point f = x;
    Point t1 = x, t2 = x;
    if (radius > 0) {
        const auto o1 = ParallelLine(StartOf(l1), EndOf(l1), radius, kept2);
        const auto o2 = ParallelLine(StartOf(l2), EndOf(l2), radius, kept1);
        if (!o1 || !o2 || !IntersectLines(o1->A, o1->B, o2->A, o2->B, f)) return false;
        const double t = std::sqrt(std::max(0.0, std::pow(PointDistance(x, f), 2) - radius * radius));
        const auto p1 = PointAlongSegment(x, kept1, t), p2 = PointAlongSegment(x, kept2, t);
        if (!p1 || !p2) return Refuse(drawing, kLineTooShortMessage);
        t1 = *p1;
        t2 = *p2;
    }
    UndoStepGroup step(drawing);
    ApplyEdits(drawing, {{line1, TrimmedLine(l1, keepsEnd1, t1)}, {line2, TrimmedLine(l2, keepsEnd2, t2)}});
    return AppendFilletArc(drawing, attributes, t1, t2, f, radius);
}

namespace {

// A circle cut to the piece between p and q that holds the click.
TCadData PieceWithClick(const TCadData& circle, Point p, Point q, Point click)
{
    TCadData arc = circle;
    const Point c = CentreOf(circle);
    if (SweepAngleDeg(p, click, c) < SweepAngleDeg(p, q, c)) MakeArc(arc, p, q);
    else MakeArc(arc, q, p);
    return arc;
}

// The end of the arc nearer to f (the start on a tie) moved to t.
TCadData ArcEndMovedNearF(TCadData arc, Point f, Point t)
{
    if (PointDistance(StartOf(arc), f) <= PointDistance(EndOf(arc), f)) SetStart(arc, t);
    else SetEnd(arc, t);
    return arc;
}

// Which end of an arc moves for the line member: u, v and s are the angles from the arc's start
// of the click, the reference point and the arc's end.
TCadData ArcTrimmedForLine(TCadData arc, Point click, Point reference, Point t)
{
    const double u = AngleFromArcStart(arc, click);
    const double v = AngleFromArcStart(arc, reference);
    const double s = AngleFromArcStart(arc, EndOf(arc));
    const bool startMoves = v < s ? (v < u && u < s) : (u < s - u);
    if (startMoves) SetStart(arc, t);
    else SetEnd(arc, t);
    return arc;
}

}  // namespace

bool FilletLineArc(Drawing& drawing, const CurrentAttributes& attributes, int line, Point click1, int arc,
                   Point click2, double radius)
{
    const TCadData l = Unhighlighted(drawing[line]), a = Unhighlighted(drawing[arc]);
    const Point c = CentreOf(a);
    const auto offsetLine = ParallelLine(StartOf(l), EndOf(l), radius, click2);
    const auto offsetRadius = ParallelRadius(a, radius, click1);
    if (!offsetLine || !offsetRadius) return Refuse(drawing, kArcErrorMessage);
    const IntersectionResult crossings = IntersectLineCircle(StartOf(l), EndOf(l), c, a.R);
    Point x;
    if (crossings.Count > 0) x = NearerOf(crossings, click1);
    else if (!PerpendicularFoot(StartOf(l), EndOf(l), c, x)) return Refuse(drawing, kArcErrorMessage);
    Point f;
    if (!NearestLineCircle(offsetLine->A, offsetLine->B, c, *offsetRadius, click2, f))
        return Refuse(drawing, kRadiusInsufficientMessage);
    Point t1 = f, t2 = f;
    if (radius != 0) {
        const auto onLine = TouchPoint(IntersectLineCircle(StartOf(l), EndOf(l), f, radius));
        const auto onArc = TouchPoint(IntersectCircles(f, radius, c, a.R));
        if (!onLine || !onArc) return Refuse(drawing, kArcErrorMessage);
        t1 = *onLine;
        t2 = *onArc;
    }
    TCadData arcAfter = a;
    if (a.Kind == kKindArc) {
        // Where the line misses the circle, the offsets' crossing stands for the corner.
        Point reference = x;
        if (crossings.Count == 0) NearestLineCircle(offsetLine->A, offsetLine->B, c, *offsetRadius, click1, reference);
        arcAfter = ArcTrimmedForLine(a, click2, reference, t2);
    } else if (crossings.Count == 2) {
        arcAfter = ArcEndMovedNearF(PieceWithClick(a, crossings.Points[0], crossings.Points[1], click2), f, t2);
    }
    UndoStepGroup step(drawing);
    ApplyEdits(drawing, {{line, TrimmedLine(l, KeepsEnd(l, x, click1), t1)}, {arc, arcAfter}});
    return AppendFilletArc(drawing, attributes, t1, t2, f, radius);
}

namespace {

// The piece a circle keeps: between its crossings with the other element's circle, or, where they
// do not meet, between its points towards the two crossings of the offset circles (each the one
// nearer to the other element's centre). A circle that yields no two bounds stays whole.
TCadData CirclePiece(const TCadData& circle, const TCadData& other, const IntersectionResult& centres, Point click)
{
    const Point c = CentreOf(circle);
    const IntersectionResult crossings = IntersectCircles(c, circle.R, CentreOf(other), other.R);
    if (crossings.Count == 2) return PieceWithClick(circle, crossings.Points[0], crossings.Points[1], click);
    if (centres.Count < 2) return circle;
    Point bounds[2];
    for (int k = 0; k < 2; ++k) {
        const double angle = DirectionAngle(centres.Points[static_cast<size_t>(k)], c);
        const Point towards{c.X + circle.R * std::cos(angle), c.Y + circle.R * std::sin(angle)};
        const Point away{2 * c.X - towards.X, 2 * c.Y - towards.Y};
        bounds[k] = PointDistance(towards, CentreOf(other)) <= PointDistance(away, CentreOf(other)) ? towards : away;
    }
    return PieceWithClick(circle, bounds[0], bounds[1], click);
}

}  // namespace

bool FilletArcs(Drawing& drawing, const CurrentAttributes& attributes, int arc1, Point click1, int arc2, Point click2,
                double radius)
{
    const TCadData a1 = Unhighlighted(drawing[arc1]), a2 = Unhighlighted(drawing[arc2]);
    const bool withCircle = a1.Kind == kKindCircle || a2.Kind == kKindCircle;
    const Point c1 = CentreOf(a1), c2 = CentreOf(a2);
    const auto r1 = ParallelRadius(a1, radius, click2);
    const auto r2 = ParallelRadius(a2, radius, click1);
    if (!r1 || !r2) return Refuse(drawing, withCircle ? kBadSideOrRadiusMessage : kArcErrorMessage);
    const IntersectionResult centres = IntersectCircles(c1, *r1, c2, *r2);
    if (centres.Count == 0) return Refuse(drawing, kRadiusInsufficientMessage);
    const Point f = NearerOf(centres, click1, false);
    Point t1 = f, t2 = f;
    if (radius != 0) {
        const auto on1 = TouchPoint(IntersectCircles(f, radius, c1, a1.R));
        const auto on2 = TouchPoint(IntersectCircles(f, radius, c2, a2.R));
        if (!on1 || !on2) return Refuse(drawing, withCircle ? kNoTangentPointMessage : kArcErrorMessage);
        t1 = *on1;
        t2 = *on2;
    }
    auto trimmed = [&](const TCadData& a, const TCadData& other, Point click, Point t) {
        const TCadData piece = a.Kind == kKindCircle ? CirclePiece(a, other, centres, click) : a;
        return piece.Kind == kKindArc ? ArcEndMovedNearF(piece, f, t) : piece;
    };
    const TCadData after1 = trimmed(a1, a2, click1, t1);
    const TCadData after2 = trimmed(a2, a1, click2, t2);
    UndoStepGroup step(drawing);
    ApplyEdits(drawing, {{arc1, after1}, {arc2, after2}});
    return AppendFilletArc(drawing, attributes, t1, t2, f, radius);
}

bool Fillet(Drawing& drawing, const CurrentAttributes& attributes, int first, Point click1, int second, Point click2,
            double radius)
{
    // Line before arc before circle, so that each member sees one order of kinds.
    auto rank = [&](int index) {
        const int8_t kind = drawing[index].Kind;
        return kind == kKindLine ? 0 : kind == kKindArc ? 1 : kind == kKindCircle ? 2 : -1;
    };
    if (first == second || rank(first) < 0 || rank(second) < 0 || !(radius >= 0)) return false;
    if (rank(first) > rank(second)) {
        std::swap(first, second);
        std::swap(click1, click2);
    }
    if (rank(second) == 0) return FilletLines(drawing, attributes, first, click1, second, click2, radius);
    if (rank(first) == 0) return FilletLineArc(drawing, attributes, first, click1, second, click2, radius);
    return FilletArcs(drawing, attributes, first, click1, second, click2, radius);
}

}  // namespace vantro
