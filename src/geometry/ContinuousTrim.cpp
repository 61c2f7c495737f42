#include "geometry/ContinuousTrim.h"

#include "document/UndoHistory.h"
#include "geometry/ElementEdits.h"
#include "geometry/ElementIntersections.h"

#include <cmath>
#include <optional>

namespace vantro {
namespace {

// The corner and the next element's new state; StartAtCorner reports whether its start lies there.
struct NextCut {
    Point X;
    TCadData After;
    bool StartAtCorner = false;
};

// Crossings of the full figures: infinite lines and whole circles.
IntersectionResult FullCrossings(const TCadData& p, const TCadData& n)
{
    IntersectionResult found;
    if (p.Kind == kKindLine && n.Kind == kKindLine) {
        if (IntersectLines(StartOf(p), EndOf(p), StartOf(n), EndOf(n), found.Points[0])) found.Count = 1;
        return found;
    }
    if (p.Kind == kKindLine) return IntersectLineCircle(StartOf(p), EndOf(p), CentreOf(n), n.R);
    if (n.Kind == kKindLine) return IntersectLineCircle(StartOf(n), EndOf(n), CentreOf(p), p.R);
    return IntersectCircles(CentreOf(p), p.R, CentreOf(n), n.R);
}

NextCut MoveStart(TCadData n, Point x)
{
    SetStart(n, x);
    return {x, n, true};
}

NextCut MoveEnd(TCadData n, Point x)
{
    SetEnd(n, x);
    return {x, n, false};
}

// A next line meeting the corner x: on the line the clicked part stays, off it the nearer end
// reaches out to x.
NextCut LineToCorner(const TCadData& n, Point x, Point click)
{
    if (IsPointOnSegment(StartOf(n), EndOf(n), x)) {
        if (PointDistance(click, StartOf(n)) < PointDistance(x, StartOf(n))) return MoveEnd(n, x);
        return MoveStart(n, x);
    }
    if (PointDistance(EndOf(n), x) <= PointDistance(StartOf(n), x)) return MoveEnd(n, x);
    return MoveStart(n, x);
}

// A next line after an arc: the click's distance j from the line's start against the crossings'.
NextCut LineAfterArc(const TCadData& n, const IntersectionResult& full, Point click)
{
    const double j = PointDistance(click, StartOf(n));
    auto along = [&](Point p) { return PointDistance(p, StartOf(n)); };
    if (full.Count == 1) {
        const Point x = full.Points[0];
        return j <= along(x) ? MoveEnd(n, x) : MoveStart(n, x);
    }
    const Point a = full.Points[0], b = full.Points[1];
    const Point nearer = along(a) <= along(b) ? a : b, farther = along(a) <= along(b) ? b : a;
    if (j < along(nearer)) return MoveEnd(n, nearer);
    if (j > along(farther)) return MoveStart(n, farther);
    const Point x = NearerOf(full, click);
    return j <= along(x) ? MoveEnd(n, x) : MoveStart(n, x);
}

// A next circle becomes the arc between the crossings that holds the click, or the half circle
// from a touching point towards the click.
NextCut CircleToArc(const TCadData& n, const IntersectionResult& full, Point click)
{
    const Point c = CentreOf(n);
    TCadData arc = n;
    if (full.Count == 2) {
        const Point x = NearerOf(full, click);
        const Point a = full.Points[0], b = full.Points[1];
        if (SweepAngleDeg(a, click, c) < SweepAngleDeg(a, b, c)) MakeArc(arc, a, b);
        else MakeArc(arc, b, a);
        return {x, arc, StartOf(arc) == x};
    }
    const Point t = full.Points[0];
    const Point opposite{2 * c.X - t.X, 2 * c.Y - t.Y};
    const bool fromT = SweepAngleDeg(t, click, c) < 180;
    if (fromT) MakeArc(arc, t, opposite);
    else MakeArc(arc, opposite, t);
    return {t, arc, fromT};
}

// Angle from the arc's start, counter-clockwise; a full turn within Eps reads as 0.
double AngleAlong(const TCadData& arc, Point p)
{
    const double a = SweepAngleRad(StartOf(arc), p, CentreOf(arc));
    return std::abs(a - 2 * kPi) < Eps() ? 0 : a;
}

// The full-circle crossing other than y; y itself where there is no other.
Point OtherCrossing(const IntersectionResult& full, Point y)
{
    if (full.Count < 2) return y;
    return PointDistance(full.Points[0], y) >= PointDistance(full.Points[1], y) ? full.Points[0] : full.Points[1];
}

NextCut ArcToCorner(const TCadData& p, const TCadData& n, const IntersectionResult& full, Point click)
{
    const IntersectionResult onN =
        p.Kind == kKindLine ? IntersectLineWithCircleElement(p, n) : IntersectCircleElements(p, n);
    if (onN.Count == 0) {
        const bool endSide = PointDistance(click, StartOf(n)) >= PointDistance(click, EndOf(n));
        const Point x = NearerOf(full, endSide ? EndOf(n) : StartOf(n));
        return endSide ? MoveEnd(n, x) : MoveStart(n, x);
    }
    if (onN.Count == 2) {
        const Point x = NearerOf(onN, click);
        const double ac = AngleAlong(n, click), a1 = AngleAlong(n, onN.Points[0]), a2 = AngleAlong(n, onN.Points[1]);
        if (ac <= a1 && ac <= a2) return MoveEnd(n, x);
        if (ac >= a1 && ac >= a2) return MoveStart(n, x);
        return std::abs(ac - a2) <= std::abs(ac - a1) ? MoveEnd(n, x) : MoveStart(n, x);
    }
    const Point y = onN.Points[0];
    const double toStart = PointDistance(click, StartOf(n)), toY = PointDistance(click, y),
                 toEnd = PointDistance(click, EndOf(n));
    if (toStart <= toY && toStart <= toEnd)
        return MoveStart(n, PointDistance(y, StartOf(n)) < Eps() ? y : OtherCrossing(full, y));
    if (toEnd < toY) return MoveEnd(n, PointDistance(y, EndOf(n)) < Eps() ? y : OtherCrossing(full, y));
    return AngleAlong(n, click) >= AngleAlong(n, y) ? MoveStart(n, y) : MoveEnd(n, y);
}

std::optional<NextCut> CutNext(const TCadData& p, const TCadData& n, Point click)
{
    const IntersectionResult full = FullCrossings(p, n);
    if (full.Count == 0) return std::nullopt;
    if (n.Kind == kKindCircle) return CircleToArc(n, full, click);
    if (n.Kind == kKindArc) return ArcToCorner(p, n, full, click);
    if (p.Kind == kKindLine) return LineToCorner(n, full.Points[0], click);
    if (p.Kind == kKindCircle) return LineToCorner(n, NearerOf(full, click), click);
    return LineAfterArc(n, full, click);
}

double AngleBetween(double a, double b)
{
    const double d = std::abs(a - b);
    return d > kPi ? 2 * kPi - d : d;
}

// The previous element cut or extended to the corner x.
TCadData PreviousToCorner(TCadData p, Point x, Point reference, bool firstStep, bool keep)
{
    if (p.Kind == kKindCircle) return p;
    bool endMoves = keep;
    if (p.Kind == kKindLine) {
        const bool onSegment = IsPointOnSegment(StartOf(p), EndOf(p), x);
        if (!onSegment) {
            endMoves = PointDistance(EndOf(p), x) <= PointDistance(StartOf(p), x);
        } else if (firstStep) {
            // The end lying the other way from the click than the corner is kept.
            const double toX = DirectionAngle(x, reference);
            endMoves = AngleBetween(DirectionAngle(StartOf(p), reference), toX) >
                       AngleBetween(DirectionAngle(EndOf(p), reference), toX);
        }
    }
    if (endMoves) SetEnd(p, x);
    else SetStart(p, x);
    return p;
}

}  // namespace

ContinuousTrimResult ContinuousTrimStep(Drawing& drawing, int previous, int next, Point reference, bool firstStep,
                                        Point clickOnNext)
{
    const TCadData p = drawing[previous], n = drawing[next];
    const bool keep = PointDistance(reference, StartOf(p)) < PointDistance(reference, EndOf(p));
    ContinuousTrimResult result;
    result.NextReference = keep ? StartOf(n) : EndOf(n);
    const bool kinds = (p.Kind == kKindLine || IsRound(p.Kind)) && (n.Kind == kKindLine || IsRound(n.Kind));
    if (!kinds || previous == next) return result;
    const auto cut = CutNext(p, n, clickOnNext);
    if (!cut) return result;
    UndoStepGroup step(drawing);
    std::vector<PlannedEdit> edits;
    if (p.Kind != kKindCircle) edits.push_back({previous, PreviousToCorner(p, cut->X, reference, firstStep, keep)});
    edits.push_back({next, cut->After});
    ApplyEdits(drawing, edits);
    result.Changed = true;
    result.NextReference = cut->X;
    return result;
}

}  // namespace vantro
