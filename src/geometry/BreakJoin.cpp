#include "geometry/BreakJoin.h"

#include "document/UndoHistory.h"
#include "geometry/ElementEdits.h"
#include "geometry/ElementIntersections.h"
#include "geometry/EllipsePolyline.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vantro {
namespace {

constexpr double kCircleGap = 0.01;  // radians left open when a circle is broken

// Where the element passes near the click; none when it does not.
std::optional<Point> PointNear(const TCadData& e, Point click, double aperture)
{
    IntersectionResult found;
    TCadData probe{};
    probe.Kind = kKindCircle;
    probe.Cx = click.X;
    probe.Cy = click.Y;
    probe.R = aperture;
    switch (e.Kind) {
    case kKindLine:
        found = IntersectSegmentCircle(StartOf(e), EndOf(e), click, aperture);
        break;
    case kKindArc:
        found = IntersectCircles(CentreOf(e), e.R, click, aperture);
        break;
    case kKindEllipse:
        found = IntersectEllipseCircle(e, probe);
        break;
    default:
        break;
    }
    if (found.Count == 0) return std::nullopt;
    return found.Points[0];
}

// The element's drawn ends (ellipse pieces: the points of their start and end values).
std::array<Point, 2> EndsOf(const TCadData& e)
{
    if (e.Kind != kKindEllipse) return {StartOf(e), EndOf(e)};
    const double r = e.R;
    return {EllipsePoint(e, std::acos(std::clamp(e.X1 / r, -1.0, 1.0))),
            EllipsePoint(e, std::acos(std::clamp(e.X2 / r, -1.0, 1.0)))};
}

// Within Eps in both x and y of an end; a circle has none.
bool NearAnEnd(const TCadData& e, Point p)
{
    if (e.Kind == kKindCircle) return false;
    for (const Point end : EndsOf(e))
        if (std::abs(p.X - end.X) < Eps() && std::abs(p.Y - end.Y) < Eps()) return true;
    return false;
}

// From p to the nearest point of the segment a-b.
double DistanceToSegment(Point p, Point a, Point b)
{
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    const double squared = dx * dx + dy * dy;
    const double t = squared > 0 ? std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / squared, 0.0, 1.0) : 0.0;
    return PointDistance(p, {a.X + t * dx, a.Y + t * dy});
}

// The point put exactly onto the drawn element (the foot on a line, the point of the circle in
// its direction); none when it lies farther than Eps from it, or off the drawn part. Pieces that
// met off the element would keep a radius their ends do not have.
std::optional<Point> OntoElement(const TCadData& e, Point p)
{
    if (e.Kind == kKindLine) {
        Point foot;
        if (!PerpendicularFoot(StartOf(e), EndOf(e), p, foot) || PointDistance(foot, p) >= Eps() ||
            !IsPointOnSegment(StartOf(e), EndOf(e), foot))
            return std::nullopt;
        return foot;
    }
    if (IsRound(e.Kind)) {
        const double apart = PointDistance(p, CentreOf(e));
        if (!(apart > 0) || std::abs(apart - e.R) >= Eps()) return std::nullopt;
        const Point on{e.Cx + (p.X - e.Cx) * e.R / apart, e.Cy + (p.Y - e.Cy) * e.R / apart};
        if (e.Kind == kKindArc && !IsPointOnArc(StartOf(e), EndOf(e), CentreOf(e), e.R, on)) return std::nullopt;
        return on;
    }
    if (e.Kind != kKindEllipse) return std::nullopt;
    // An ellipse piece is cut on the value of the point, so the point need only be on its polyline.
    const std::vector<Point> polyline = EllipsePolyline(e);
    for (size_t i = 1; i < polyline.size(); ++i)
        if (DistanceToSegment(p, polyline[i - 1], polyline[i]) < Eps()) return p;
    return std::nullopt;
}

}  // namespace

BreakResult BreakAtPoint(Drawing& drawing, int index, Point click, std::optional<Point> snap, double aperture)
{
    const TCadData e = drawing[index];
    BreakResult result;
    std::optional<Point> at = snap;
    if (e.Kind == kKindCircle && !at) {
        const double towards = DirectionAngle(click, CentreOf(e));
        at = Point{e.Cx + e.R * std::cos(towards), e.Cy + e.R * std::sin(towards)};
    }
    if (!at) at = PointNear(e, click, aperture);
    if (at) at = OntoElement(e, *at);
    // A cut at an end would leave a piece of no length.
    if (!at || NearAnEnd(e, *at)) return result;
    result.At = *at;
    UndoStepGroup step(drawing);
    TCadData after = e;
    const bool split = e.Kind == kKindLine || e.Kind == kKindArc;
    if (split) {
        SetEnd(after, *at);
    } else if (e.Kind == kKindCircle) {
        MakeArc(after, *at, RotatePointRad(*at, CentreOf(e), -kCircleGap));
    } else {
        const double value = EllipseValue(e, *at);
        (value >= 0 ? after.X1 : after.X2) = value;
    }
    if (!WriteRecorded(drawing, index, after)) return result;
    if (split) AppendPiece(drawing, e, *at, EndOf(e));
    result.Pieces = split ? 2 : 1;
    return result;
}

namespace {

IntersectionResult CrossingsForBreak(const TCadData& e, const TCadData& o)
{
    const bool oLine = o.Kind == kKindLine, oEllipse = o.Kind == kKindEllipse, oRound = IsRound(o.Kind);
    IntersectionResult none;
    switch (e.Kind) {
    case kKindLine: {
        if (oEllipse) return IntersectEllipseLine(o, e, true);
        if (oRound) return IntersectLineWithCircleElement(e, o);
        IntersectionResult found;
        if (oLine && IntersectSegments(StartOf(e), EndOf(e), StartOf(o), EndOf(o), found.Points[0])) found.Count = 1;
        return found;
    }
    case kKindArc:
        if (oLine) return IntersectLineWithCircleElement(o, e);
        if (oEllipse) return IntersectEllipseWithCircleElement(o, e);
        return oRound ? IntersectCircleElements(o, e) : none;
    case kKindEllipse:
        if (oLine) return IntersectEllipseLine(e, o, true);
        return oRound ? IntersectEllipseWithCircleElement(e, o) : none;
    case kKindCircle: {
        if (oRound) return IntersectCircles(CentreOf(o), o.R, CentreOf(e), e.R);
        if (!oLine) return none;
        const IntersectionResult found = IntersectLineCircle(StartOf(o), EndOf(o), CentreOf(e), e.R);
        for (int i = 0; i < found.Count; ++i)
            if (IsPointOnSegment(StartOf(o), EndOf(o), found.Points[static_cast<size_t>(i)])) return found;
        return none;
    }
    default:
        return none;
    }
}

// Position along a line or arc from its start.
double KeyAlong(const TCadData& e, Point p)
{
    return e.Kind == kKindLine ? PointDistance(StartOf(e), p) : AngleFromArcStart(e, p);
}

void BreakLineOrArc(Drawing& drawing, int index, const TCadData& e, const IntersectionResult& found)
{
    const Point p1 = found.Points[0];
    TCadData after = e;
    if (found.Count == 1) {
        SetEnd(after, p1);
        if (WriteRecorded(drawing, index, after)) AppendPiece(drawing, e, p1, EndOf(e));
        return;
    }
    const Point p2 = found.Points[1];
    const bool firstNearerStart = KeyAlong(e, p1) <= KeyAlong(e, p2);
    if (firstNearerStart) SetEnd(after, p1);
    else SetStart(after, p1);
    if (!WriteRecorded(drawing, index, after)) return;
    // The middle piece runs the element's way: an arc from the later crossing to the earlier one
    // would go round the rest of the circle over the other pieces.
    const Point nearer = firstNearerStart ? p1 : p2;
    const Point farther = firstNearerStart ? p2 : p1;
    if (AppendPiece(drawing, e, nearer, farther) == 0) return;
    if (firstNearerStart) AppendPiece(drawing, e, p2, EndOf(e));
    else AppendPiece(drawing, e, StartOf(e), p2);
}

// Ellipse pieces run from the larger value down to the smaller.
void BreakEllipse(Drawing& drawing, int index, const TCadData& e, const IntersectionResult& found)
{
    std::vector<double> values;
    for (int i = 0; i < found.Count; ++i) values.push_back(EllipseValue(e, found.Points[static_cast<size_t>(i)]));
    std::sort(values.rbegin(), values.rend());
    values.push_back(e.X2);
    TCadData after = e;
    after.X2 = values.front();
    if (!WriteRecorded(drawing, index, after)) return;
    for (size_t k = 0; k + 1 < values.size(); ++k) {
        TCadData piece = e;
        piece.X1 = values[k];
        piece.X2 = values[k + 1];
        const int added = AppendRecordedCopy(drawing, piece);
        if (added == 0) return;
        Redraw(drawing, added);
    }
}

}  // namespace

std::vector<Point> BreakElement(Drawing& drawing, int index, int other)
{
    const TCadData e = drawing[index];
    const IntersectionResult found = CrossingsForBreak(e, drawing[other]);
    bool usable = found.Count > 0 && (e.Kind != kKindCircle || found.Count == 2);
    for (int i = 0; i < found.Count; ++i)
        if (NearAnEnd(e, found.Points[static_cast<size_t>(i)])) usable = false;
    if (!usable) {
        Tell(drawing, kNoCrossingToBreakMessage);
        return {};
    }
    UndoStepGroup step(drawing);
    if (e.Kind == kKindCircle) {
        TCadData after = e;
        MakeArc(after, found.Points[1], found.Points[0]);
        TCadData piece = e;
        MakeArc(piece, found.Points[0], found.Points[1]);
        if (WriteRecorded(drawing, index, after)) {
            const int added = AppendRecordedCopy(drawing, piece);
            if (added != 0) Redraw(drawing, added);
        }
    } else if (e.Kind == kKindEllipse) {
        BreakEllipse(drawing, index, e, found);
    } else {
        BreakLineOrArc(drawing, index, e, found);
    }
    return {found.Points.begin(), found.Points.begin() + found.Count};
}

}  // namespace vantro
