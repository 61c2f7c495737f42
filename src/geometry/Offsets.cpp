#include "geometry/Offsets.h"

#include "document/UndoHistory.h"
#include "geometry/Constructors.h"
#include "geometry/ElementIntersections.h"
#include "geometry/ElementPoints.h"

#include <algorithm>
#include <cmath>

namespace vantro {
namespace {

Point Along(Point from, double angle, double distance)
{
    return {from.X + distance * std::cos(angle), from.Y + distance * std::sin(angle)};
}

OffsetResult ArcWithRadius(const TCadData& arc, double radius)
{
    OffsetResult result;
    const Point centre = CentreOf(arc);
    result.Count = 2;
    result.Radius = radius;
    result.Start = Along(centre, DirectionAngle(StartOf(arc), centre), radius);
    result.End = Along(centre, DirectionAngle(EndOf(arc), centre), radius);
    return result;
}

bool AppendOffsetArc(Drawing& drawing, const CurrentAttributes& attributes, const TCadData& arc,
                     const OffsetResult& offset)
{
    return offset.Count == 2 &&
           AppendArc(drawing, attributes, true, true, offset.Start, offset.End, CentreOf(arc), offset.Radius);
}

bool AppendOffsetLine(Drawing& drawing, const CurrentAttributes& attributes, const OffsetResult& offset)
{
    return offset.Count == 2 && AppendLine(drawing, attributes, true, true, offset.Start, offset.End);
}

bool AppendOffsetEllipse(Drawing& drawing, const CurrentAttributes& attributes, const TCadData& ellipse, double d,
                         Point side, int fineness)
{
    EllipseValues piece;
    return OffsetEllipse(ellipse, d, side, fineness, piece) &&
           AppendEllipse(drawing, attributes, EllipseHalves::FirstOnly, piece) == 1;
}

}  // namespace

OffsetResult OffsetLine(Point start, Point end, double d, Point side)
{
    OffsetResult result;
    if (IsPointOnSegment(start, end, side)) return result;
    const double theta = DirectionAngle(start, end);
    const double phi = SweepAngleRad(end, side, start) < kPi ? theta - kPi / 2 : theta + kPi / 2;
    result.Count = 2;
    result.Start = Along(start, phi, d);
    result.End = Along(end, phi, d);
    return result;
}

std::array<OffsetResult, 2> ParallelsOfLine(Point start, Point end, double d)
{
    return {OffsetLine(start, end, d, RotatePointDeg(end, start, -45)),
            OffsetLine(start, end, d, RotatePointDeg(end, start, 45))};
}

OffsetResult OffsetArc(const TCadData& arc, double d, Point side)
{
    const bool outside = PointDistance(side, CentreOf(arc)) >= arc.R;
    const double radius = outside ? arc.R + d : arc.R - d;
    if (radius < 0) return {};
    return ArcWithRadius(arc, radius);
}

OffsetResult OffsetArcBySide(const TCadData& arc, bool outward, double d)
{
    return ArcWithRadius(arc, outward ? arc.R + d : arc.R - d);
}

bool OffsetEllipse(const TCadData& ellipse, double d, Point side, int fineness, EllipseValues& result)
{
    TCadData ray{};
    ray.Kind = kKindLine;
    ray.X1 = ellipse.Cx;
    ray.Y1 = ellipse.Cy;
    ray.X2 = side.X;
    ray.Y2 = side.Y;
    const IntersectionResult crossing = IntersectEllipseLine(ellipse, ray, false, fineness);
    if (crossing.Count != 1) return false;
    const Point centre = CentreOf(ellipse);
    const bool outside = PointDistance(side, centre) >= PointDistance(crossing.Points[0], centre);
    const double a = ellipse.R;
    const double major = outside ? a + d : a - d;
    const double start = ellipse.X1 >= a ? major : ellipse.X1;
    const double end = std::abs(ellipse.X2) >= a ? -major : ellipse.X2;
    // An inward offset past a kept bound would leave a piece that reaches beyond its own axis.
    if (!(major >= Eps()) || std::abs(start) > major || std::abs(end) > major || !(end < start)) return false;
    result = {centre, major, ellipse.Y1, ellipse.Angle, start, end};
    return true;
}

bool AcceptOffsetDistance(const Drawing& drawing, double d)
{
    if (std::isfinite(d) && d >= Eps()) return true;
    Tell(drawing, kOffsetValueMessage);
    return false;
}

bool OffsetElement(Drawing& drawing, const CurrentAttributes& attributes, int index, double d, Point side,
                   int fineness)
{
    if (!AcceptOffsetDistance(drawing, d)) return false;
    const TCadData source = drawing[index];
    UndoStepGroup step(drawing);
    switch (source.Kind) {
    case kKindLine:
        return AppendOffsetLine(drawing, attributes, OffsetLine(StartOf(source), EndOf(source), d, side));
    case kKindArc: return AppendOffsetArc(drawing, attributes, source, OffsetArc(source, d, side));
    case kKindCircle: {
        const bool outside = PointDistance(side, CentreOf(source)) >= source.R;
        return AppendCircle(drawing, attributes, true, CentreOf(source), outside ? source.R + d : source.R - d);
    }
    case kKindEllipse: return AppendOffsetEllipse(drawing, attributes, source, d, side, fineness);
    default: return false;
    }
}

int OffsetElementBothSides(Drawing& drawing, const CurrentAttributes& attributes, int index, double d, int fineness)
{
    if (!AcceptOffsetDistance(drawing, d)) return 0;
    const TCadData source = drawing[index];
    UndoStepGroup step(drawing);
    int made = 0;
    switch (source.Kind) {
    case kKindLine:
        for (const OffsetResult& offset : ParallelsOfLine(StartOf(source), EndOf(source), d))
            made += AppendOffsetLine(drawing, attributes, offset) ? 1 : 0;
        break;
    case kKindArc:
        for (const bool outward : {false, true})
            made += AppendOffsetArc(drawing, attributes, source, OffsetArcBySide(source, outward, d)) ? 1 : 0;
        break;
    case kKindCircle:
        for (const double radius : {source.R - d, source.R + d})
            made += AppendCircle(drawing, attributes, true, CentreOf(source), radius) ? 1 : 0;
        break;
    case kKindEllipse: {
        // One side point beyond the middle of the piece and one halfway to the centre.
        const double middle = (std::acos(std::clamp(source.X1 / source.R, -1.0, 1.0)) +
                               std::acos(std::clamp(source.X2 / source.R, -1.0, 1.0))) / 2;
        const Point on = EllipsePoint(source, middle);
        const Point centre = CentreOf(source);
        for (const double scale : {0.5, 2.0}) {
            const Point side{centre.X + scale * (on.X - centre.X), centre.Y + scale * (on.Y - centre.Y)};
            made += AppendOffsetEllipse(drawing, attributes, source, d, side, fineness) ? 1 : 0;
        }
        break;
    }
    default: break;
    }
    return made;
}

}  // namespace vantro
