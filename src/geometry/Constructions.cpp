#include "geometry/Constructions.h"

#include "document/Groups.h"
#include "document/UndoHistory.h"
#include "geometry/ElementPoints.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vantro {
namespace {

// Appends one line of a group: numbered, drawn, and given the group number.
bool AppendGroupedLine(Drawing& drawing, const CurrentAttributes& attributes, Point start, Point end, int32_t group)
{
    if (!AppendLine(drawing, attributes, true, true, start, end)) return false;
    drawing[drawing.Count].Group = group;
    return true;
}

bool MiddleOfParallels(Drawing& drawing, const CurrentAttributes& attributes, const TCadData& line1,
                       const TCadData& line2)
{
    const bool byY = line1.X1 == line1.X2;
    auto ordered = [byY](Point a, Point b) {
        const bool swap = byY ? b.Y < a.Y : b.X < a.X;
        return swap ? std::pair{b, a} : std::pair{a, b};
    };
    const auto [first1, second1] = ordered(StartOf(line1), EndOf(line1));
    const auto [first2, second2] = ordered(StartOf(line2), EndOf(line2));
    return AppendLine(drawing, attributes, true, true, MidPoint(first1, first2), MidPoint(second1, second2));
}

}  // namespace

bool CircleOn2Points(Drawing& drawing, const CurrentAttributes& attributes, Point p1, Point p2)
{
    const Point centre = MidPoint(p1, p2);
    if (AppendCircle(drawing, attributes, true, centre, PointDistance(centre, p1))) return true;
    Tell(drawing, kCannotDrawMessage);
    return false;
}

std::optional<CircleGeometry> CircleThrough3Points(Point p1, Point p2, Point p3)
{
    auto squared = [](Point a, Point b) { return (b.X - a.X) * (b.X - a.X) + (b.Y - a.Y) * (b.Y - a.Y); };
    if (!(squared(p1, p2) >= Eps() && squared(p2, p3) >= Eps() && squared(p1, p3) >= Eps())) return std::nullopt;
    const Point d1{p2.X - p1.X, p2.Y - p1.Y};
    const Point d2{p3.X - p2.X, p3.Y - p2.Y};
    const double b1 = d1.X * (p1.X + p2.X) / 2 + d1.Y * (p1.Y + p2.Y) / 2;
    const double b2 = d2.X * (p2.X + p3.X) / 2 + d2.Y * (p2.Y + p3.Y) / 2;
    const double determinant = d1.X * d2.Y - d1.Y * d2.X;
    if (determinant == 0) return std::nullopt;
    const Point centre{(b1 * d2.Y - d1.Y * b2) / determinant, (d1.X * b2 - b1 * d2.X) / determinant};
    const double radius = PointDistance(centre, p1);
    if (!std::isfinite(centre.X) || !std::isfinite(centre.Y) || !std::isfinite(radius)) return std::nullopt;
    return CircleGeometry{centre, radius};
}

bool AppendCircleThrough3Points(Drawing& drawing, const CurrentAttributes& attributes, Point p1, Point p2,
                                Point p3)
{
    const auto circle = CircleThrough3Points(p1, p2, p3);
    if (circle && AppendCircle(drawing, attributes, true, circle->Centre, circle->Radius)) return true;
    Tell(drawing, kCannotDrawMessage);
    return false;
}

bool MakeRectangle(Drawing& drawing, const CurrentAttributes& attributes, Point c1, Point c2, bool filled)
{
    // A side below Eps could not be appended as a line: the rectangle would come out as two
    // overlapping lines, or as nothing without a word.
    const double shortest = std::max(0.0001, Eps());
    if (!(std::abs(c1.X - c2.X) >= shortest && std::abs(c1.Y - c2.Y) >= shortest)) {
        Tell(drawing, kDistanceTooSmallMessage);
        return false;
    }
    if (filled) return AppendFilledRectangle(drawing, attributes, c1, c2);
    const int32_t group = NewGroupNumber(drawing);
    UndoStepGroup step(drawing);
    return AppendGroupedLine(drawing, attributes, c1, {c2.X, c1.Y}, group) &&
           AppendGroupedLine(drawing, attributes, {c1.X, c2.Y}, c2, group) &&
           AppendGroupedLine(drawing, attributes, c1, {c1.X, c2.Y}, group) &&
           AppendGroupedLine(drawing, attributes, {c2.X, c1.Y}, c2, group);
}

bool MakeRegularPolygon(Drawing& drawing, const CurrentAttributes& attributes, Point centre, double size,
                        int cornerCount, bool bySide)
{
    if (!(size >= Eps())) {
        Tell(drawing, kSideTooSmallMessage);
        return false;
    }
    if (cornerCount < 3 || cornerCount > 255) {
        Tell(drawing, kCornerCountMessage);
        return false;
    }
    const std::vector<Point> corners = RegularPolygonCorners(centre, size, cornerCount, bySide);
    const int32_t group = NewGroupNumber(drawing);
    UndoStepGroup undoStep(drawing);
    for (int i = 0; i < cornerCount; ++i) {
        if (!AppendGroupedLine(drawing, attributes, corners[static_cast<size_t>(i + 1)], corners[static_cast<size_t>(i)], group))
            return false;
    }
    return true;
}

std::vector<Point> RegularPolygonCorners(Point centre, double size, int cornerCount, bool bySide)
{
    std::vector<Point> corners;
    if (cornerCount < 3) return corners;
    const double step = 360.0 / cornerCount;
    const Point first = bySide ? Point{centre.X + size, centre.Y + size * std::tan(kPi / cornerCount)}
                               : Point{centre.X + size, centre.Y};
    const int offset = bySide ? 1 : 0;
    for (int i = 0; i <= cornerCount; ++i) corners.push_back(RotatePointDeg(first, centre, step * (i + offset)));
    return corners;
}

Point FarEndOnPickedSide(Point a, Point b, Point x, Point pick)
{
    if (IsPointOnSegment(a, x, b)) return a;
    if (IsPointOnSegment(b, x, a)) return b;
    const double ax = PointDistance(a, x);
    return PointDistance(a, pick) < ax && ax < PointDistance(a, b) ? a : b;
}

bool MiddleLine(Drawing& drawing, const CurrentAttributes& attributes, const TCadData& line1, Point pick1,
                const TCadData& line2, Point pick2)
{
    Point x;
    if (!IntersectLines(StartOf(line1), EndOf(line1), StartOf(line2), EndOf(line2), x))
        return MiddleOfParallels(drawing, attributes, line1, line2);
    const Point d1 = FarEndOnPickedSide(StartOf(line1), EndOf(line1), x, pick1);
    const Point d2 = FarEndOnPickedSide(StartOf(line2), EndOf(line2), x, pick2);
    const Point b = RotatePointDeg(d1, x, SweepAngleDeg(d1, d2, x) / 2);
    return AppendLine(drawing, attributes, true, true, b, x);
}

std::optional<ArcGeometry> ArcBetweenTwoLinesGeometry(const TCadData& line1, Point pick1, const TCadData& line2,
                                                      Point pick2, Point x, double radius)
{
    if (!(radius > Eps())) return std::nullopt;
    auto referenceEnd = [x](const TCadData& line, Point pick) {
        return PointDistance(pick, StartOf(line)) >= PointDistance(x, StartOf(line)) ? EndOf(line) : StartOf(line);
    };
    const Point e1 = referenceEnd(line1, pick1);
    const Point e2 = referenceEnd(line2, pick2);
    ArcGeometry arc;
    if (!NearestLineCircle(x, e1, x, radius, e1, arc.Start) || !NearestLineCircle(x, e2, x, radius, e2, arc.End))
        return std::nullopt;
    arc.Centre = x;
    arc.Radius = radius;
    arc.Sweep = SweepAngleDeg(arc.Start, arc.End, x);
    return arc;
}

bool ArcBetweenTwoLines(Drawing& drawing, const CurrentAttributes& attributes, const TCadData& line1, Point pick1,
                        const TCadData& line2, Point pick2, Point x, double radius)
{
    const auto arc = ArcBetweenTwoLinesGeometry(line1, pick1, line2, pick2, x, radius);
    return arc && AppendArc(drawing, attributes, true, true, arc->Start, arc->End, arc->Centre, arc->Radius);
}

int MakeIntersectionPoints(Drawing& drawing, const CurrentAttributes& attributes, const TCadData& first,
                           const TCadData& second)
{
    auto isRound = [](const TCadData& e) { return e.Kind == kKindArc || e.Kind == kKindCircle; };
    IntersectionResult crossings;
    if (first.Kind == kKindLine && second.Kind == kKindLine) {
        Point x;
        if (IntersectLines(StartOf(first), EndOf(first), StartOf(second), EndOf(second), x)) {
            crossings.Count = 1;
            crossings.Points[0] = x;
        }
    } else if (first.Kind == kKindLine && isRound(second)) {
        crossings = IntersectLineCircle(StartOf(first), EndOf(first), {second.Cx, second.Cy}, second.R);
    } else if (isRound(first) && second.Kind == kKindLine) {
        crossings = IntersectLineCircle(StartOf(second), EndOf(second), {first.Cx, first.Cy}, first.R);
    } else if (isRound(first) && isRound(second)) {
        crossings = IntersectCircles({first.Cx, first.Cy}, first.R, {second.Cx, second.Cy}, second.R);
    }
    UndoStepGroup step(drawing);
    int made = 0;
    for (int i = 0; i < crossings.Count; ++i)
        made += AppendPoint(drawing, attributes, crossings.Points[static_cast<size_t>(i)]) ? 1 : 0;
    return made;
}

bool CenterLine(Drawing& drawing, const CurrentAttributes& attributes, const TCadData& element)
{
    if (element.Kind == kKindLine) {
        const Point s = StartOf(element);
        const Point e = EndOf(element);
        return AppendLine(drawing, attributes, true, true, RotatePointDeg(e, s, 60), RotatePointDeg(e, s, -60));
    }
    if (element.Kind == kKindArc) {
        const Point centre{element.Cx, element.Cy};
        const double middle = DirectionAngle(StartOf(element), centre) + DegToRad(element.Angle) / 2;
        const Point far{centre.X + 2 * element.R * std::cos(middle), centre.Y + 2 * element.R * std::sin(middle)};
        return AppendLine(drawing, attributes, true, true, far, centre);
    }
    return false;
}

}  // namespace vantro
