#include "geometry/Constructors.h"

#include "document/ElementStore.h"
#include "document/UndoHistory.h"

#include <cmath>

namespace vantro {
namespace {

double Snap(double value, double threshold) { return std::abs(value) < threshold ? 0 : value; }

}  // namespace

bool AppendRecord(Drawing& drawing, const CurrentAttributes& attributes, TCadData element, bool draw, bool record,
                  bool tellBadInput)
{
    if (!IsFiniteRecord(element)) {
        if (tellBadInput) Tell(drawing, kBadInputMessage);
        return false;
    }
    ApplyNewElementDefaults(element, attributes);
    if (AppendElement(drawing, std::move(element), record && !drawing.BatchMode) == 0) return false;
    if (draw && drawing.Listener != nullptr) drawing.Listener->DrawElement(drawing.Count);
    return true;
}

namespace {

// Whether a pending candidate circle has the same centre and radius.
bool DuplicatesCandidate(const Drawing& drawing, Point centre, double radius)
{
    for (int i = drawing.Count - drawing.CandidateCount + 1; i <= drawing.Count; ++i) {
        const TCadData& c = drawing[i];
        if (c.Kind == kKindCircle && PointDistance({c.Cx, c.Cy}, centre) < Eps() && std::abs(c.R - radius) < Eps())
            return true;
    }
    return false;
}

}  // namespace

bool AppendLine(Drawing& drawing, const CurrentAttributes& attributes, bool draw, bool record, Point start,
                Point end)
{
    if (!(PointDistance(start, end) >= Eps())) return false;
    const double snap = Eps() / 10;
    TCadData e{};
    e.Kind = kKindLine;
    e.X1 = Snap(start.X, snap);
    e.Y1 = Snap(start.Y, snap);
    e.X2 = Snap(end.X, snap);
    e.Y2 = Snap(end.Y, snap);
    e.Angle = RadToDeg(DirectionAngle({e.X2, e.Y2}, {e.X1, e.Y1}));
    return AppendRecord(drawing, attributes, std::move(e), draw, record);
}

bool AppendArc(Drawing& drawing, const CurrentAttributes& attributes, bool draw, bool record, Point start,
               Point end, Point centre, double radius)
{
    if (!(radius >= Eps())) {
        Tell(drawing, kRadiusTooSmallMessage);
        return false;
    }
    if (!(PointDistance(start, end) >= Eps())) return false;
    const double snap = Eps() / 10;
    TCadData e{};
    e.Kind = kKindArc;
    e.Cx = Snap(centre.X, Eps());
    e.Cy = Snap(centre.Y, Eps());
    e.R = radius;
    e.X1 = Snap(start.X, snap);
    e.Y1 = Snap(start.Y, snap);
    e.X2 = Snap(end.X, snap);
    e.Y2 = Snap(end.Y, snap);
    e.Angle = SweepAngleDeg({e.X1, e.Y1}, {e.X2, e.Y2}, {e.Cx, e.Cy});
    return AppendRecord(drawing, attributes, std::move(e), draw, record);
}

bool AppendCircle(Drawing& drawing, const CurrentAttributes& attributes, bool messageAndRecord, Point centre,
                  double radius)
{
    if (!(radius >= Eps())) {
        if (messageAndRecord) Tell(drawing, kRadiusTooSmallMessage);
        return false;
    }
    if (radius > kMaxCircleRadius) {
        if (messageAndRecord) Tell(drawing, kRadiusTooLargeMessage);
        return false;
    }
    if (drawing.CandidateCount > 0 && DuplicatesCandidate(drawing, centre, radius)) return false;
    const double snap = Eps() / 10;
    TCadData e{};
    e.Kind = kKindCircle;
    e.Cx = Snap(centre.X, snap);
    e.Cy = Snap(centre.Y, snap);
    e.R = radius;
    e.Angle = 360;
    return AppendRecord(drawing, attributes, std::move(e), true, messageAndRecord);
}

bool AppendPoint(Drawing& drawing, const CurrentAttributes& attributes, Point point)
{
    const double snap = Eps() / 10;
    TCadData e{};
    e.Kind = kKindPoint;
    e.Cx = Snap(point.X, snap);
    e.Cy = Snap(point.Y, snap);
    return AppendRecord(drawing, attributes, std::move(e), true, true);
}

bool AppendFilledRectangle(Drawing& drawing, const CurrentAttributes& attributes, Point corner1, Point corner2)
{
    if (std::abs(corner1.X - corner2.X) < Eps() && std::abs(corner1.Y - corner2.Y) < Eps()) {
        Tell(drawing, kLineDistanceTooSmallMessage);
        return false;
    }
    TCadData e{};
    e.Kind = kKindFilledRect;
    e.X1 = Snap(corner1.X, Eps());
    e.Y1 = Snap(corner1.Y, Eps());
    e.X2 = Snap(corner2.X, Eps());
    e.Y2 = Snap(corner2.Y, Eps());
    return AppendRecord(drawing, attributes, std::move(e), true, true);
}

bool AppendCenterCross(Drawing& drawing, const CurrentAttributes& attributes, Point centre, double radius)
{
    // The cross is built from single-precision values, as the circle commands hand them over.
    const double cx = static_cast<float>(centre.X);
    const double cy = static_cast<float>(centre.Y);
    const double reach = 1.3 * static_cast<float>(radius);
    UndoStepGroup step(drawing);
    const bool horizontal = AppendLine(drawing, attributes, true, true, {cx - reach, cy}, {cx + reach, cy});
    const bool vertical = AppendLine(drawing, attributes, true, true, {cx, cy - reach}, {cx, cy + reach});
    return horizontal && vertical;
}

}  // namespace vantro
