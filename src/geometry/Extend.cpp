#include "geometry/Extend.h"

#include "document/UndoHistory.h"
#include "geometry/ElementEdits.h"
#include "geometry/ElementIntersections.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace vantro {
namespace {

constexpr double kMinSweep = 0.0001;  // degrees; a shorter arc becomes its circle

Point Towards(Point from, Point to, double distance)
{
    const double length = PointDistance(from, to);
    return {from.X + (to.X - from.X) / length * distance, from.Y + (to.Y - from.Y) / length * distance};
}

// Whether the arc's end (rather than its start) is the end the click chose.
bool ClickChoosesArcEnd(const TCadData& arc, Point click)
{
    return SweepAngleDeg(StartOf(arc), click, CentreOf(arc)) >= SweepAngleDeg(click, EndOf(arc), CentreOf(arc));
}

// An arc whose ends met or crossed, or whose sweep vanished, becomes its circle.
void SettleArc(TCadData& arc, double nominalSweep)
{
    if (nominalSweep >= 360 || nominalSweep < kMinSweep || arc.Angle >= 360 || arc.Angle < kMinSweep) MakeCircle(arc);
}

bool Commit(Drawing& drawing, int index, const TCadData& after, int deleted)
{
    UndoStepGroup step(drawing);
    if (!WriteRecorded(drawing, index, after)) return false;
    if (deleted > 0) DeleteRecorded(drawing, deleted);
    return true;
}

// A line shorter than Eps has no direction to be extended along.
bool HasDirection(const TCadData& line) { return PointDistance(StartOf(line), EndOf(line)) >= Eps(); }

// Two lines merged into one: from the point of either that lies farthest back along E's direction
// to the one farthest ahead, E's own ends winning ties. However the two lie and wherever they
// were clicked, the merged line covers both.
TCadData MergedLine(const TCadData& e, const TCadData& t)
{
    const Point s = StartOf(e);
    const Point d{e.X2 - e.X1, e.Y2 - e.Y1};
    auto along = [s, d](Point p) { return (p.X - s.X) * d.X + (p.Y - s.Y) * d.Y; };
    Point first = StartOf(e);
    Point last = EndOf(e);
    for (const Point p : {StartOf(t), EndOf(t)}) {
        if (along(p) < along(first)) first = p;
        if (along(p) > along(last)) last = p;
    }
    TCadData merged = e;
    SetStart(merged, first);
    SetEnd(merged, last);
    return merged;
}

bool Agrees(const Drawing& drawing, const std::string& question)
{
    return drawing.Dialogs != nullptr && IsAffirmative(drawing.Dialogs->Ask(question, QuestionButtons::YesNo));
}

std::string MergeLinesText(const std::string& lead)
{
    return std::string("指定した図形は").append(lead).append("\r\n").append(kMergeLinesQuestion);
}

bool AskMergeAngle(const Drawing& drawing, double degrees)
{
    if (degrees == 0) return Agrees(drawing, MergeLinesText("1本の直線に変更できます。"));
    return Agrees(drawing, MergeLinesText(std::string("開き角").append(FormatMergeNumber(degrees)).append("度です。")));
}

bool AskMergeOffset(const Drawing& drawing, double offset)
{
    if (offset == 0) return Agrees(drawing, MergeLinesText("1本の直線に変更できます。"));
    return Agrees(drawing, MergeLinesText(FormatMergeNumber(offset).append("mmずれた平行線です。")));
}

// Where a line is to be extended to on the target, and whether the two are to be merged.
struct Extension {
    Point At;
    bool Merge = false;
};

std::optional<Extension> LineTargetPoint(const Drawing& drawing, const TCadData& e, const TCadData& t,
                                         Point targetClick)
{
    if (t.Kind == kKindLine) {
        Point x;
        if (IntersectLines(StartOf(e), EndOf(e), StartOf(t), EndOf(t), x)) {
            const double d = std::abs(RadToDeg(DirectionAngle(StartOf(t), EndOf(t))) -
                                      RadToDeg(DirectionAngle(StartOf(e), EndOf(e))));
            // Directions either side of 0° differ by nearly 360.
            const double opening = std::min({d, std::abs(d - 180), 360 - d});
            return Extension{x, opening < Eps() && AskMergeAngle(drawing, opening)};
        }
        const Point near = PointDistance(StartOf(t), targetClick) <= PointDistance(EndOf(t), targetClick) ? StartOf(t)
                                                                                                           : EndOf(t);
        Point foot;
        if (!PerpendicularFoot(StartOf(e), EndOf(e), near, foot)) return std::nullopt;
        const double offset = PointDistance(near, foot);
        if (offset < Eps() && AskMergeOffset(drawing, offset)) return Extension{foot, true};
        return std::nullopt;
    }
    IntersectionResult found;
    if (t.Kind == kKindArc || t.Kind == kKindCircle)
        found = IntersectLineCircle(StartOf(e), EndOf(e), CentreOf(t), t.R);
    else if (t.Kind == kKindEllipse) found = IntersectEllipseLine(t, e, false);
    if (found.Count == 0) return std::nullopt;
    return Extension{NearerOf(found, targetClick), false};
}

bool ExtendLineToTarget(Drawing& drawing, int index, int target, Point targetClick)
{
    const TCadData e = drawing[index], t = drawing[target];
    const auto extension = LineTargetPoint(drawing, e, t, targetClick);
    if (!extension) return false;
    if (extension->Merge) return Commit(drawing, index, MergedLine(e, t), target);
    const Point x = extension->At;
    const bool endMoves = PointDistance(EndOf(e), x) <= PointDistance(StartOf(e), x);
    const Point fixed = endMoves ? StartOf(e) : EndOf(e);
    if (PointDistance(fixed, x) < Eps()) return false;
    TCadData after = e;
    if (endMoves) SetEnd(after, x);
    else SetStart(after, x);
    return Commit(drawing, index, after, 0);
}

bool ExtendArcToTarget(Drawing& drawing, int index, Point click, int target, Point targetClick)
{
    const TCadData e = drawing[index], t = drawing[target];
    const bool endMoves = ClickChoosesArcEnd(e, click);
    IntersectionResult found;
    bool merge = false;
    if (t.Kind == kKindLine) {
        found = IntersectLineCircle(StartOf(t), EndOf(t), CentreOf(e), e.R);
    } else if (t.Kind == kKindEllipse) {
        found = IntersectEllipseCircle(t, e);
    } else if (t.Kind == kKindArc && PointDistance(CentreOf(t), CentreOf(e)) < Eps()) {
        // Only an arc of the same circle continues this one; another radius would leave the
        // moved end off the circle.
        if (std::abs(t.R - e.R) >= Eps()) return false;
        const bool nearStart = PointDistance(StartOf(t), targetClick) <= PointDistance(EndOf(t), targetClick);
        found.Points[0] = nearStart ? StartOf(t) : EndOf(t);
        found.Count = 1;
        merge = Agrees(drawing, kMergeArcsQuestion);
        if (merge) found.Points[0] = endMoves ? EndOf(t) : StartOf(t);
    } else if (t.Kind == kKindArc || t.Kind == kKindCircle) {
        found = IntersectCircles(CentreOf(e), e.R, CentreOf(t), t.R);
    }
    if (found.Count == 0) return false;
    const Point x = merge ? found.Points[0] : NearerOf(found, targetClick);
    TCadData after = e;
    if (endMoves) SetEnd(after, x);
    else SetStart(after, x);
    SettleArc(after, after.Angle);
    return Commit(drawing, index, after, merge ? target : 0);
}

bool ExtendToPosition(Drawing& drawing, int index, Point p)
{
    const TCadData e = drawing[index];
    const bool endMoves = PointDistance(EndOf(e), p) <= PointDistance(StartOf(e), p);
    TCadData after = e;
    Point to;
    if (e.Kind == kKindLine) {
        const Point fixed = endMoves ? StartOf(e) : EndOf(e);
        const double reach = PointDistance(fixed, p);
        if (reach < Eps()) return false;
        to = Towards(fixed, endMoves ? EndOf(e) : StartOf(e), reach);
    } else {
        const double direction = DirectionAngle(p, CentreOf(e));
        to = {e.Cx + e.R * std::cos(direction), e.Cy + e.R * std::sin(direction)};
    }
    if (endMoves) SetEnd(after, to);
    else SetStart(after, to);
    if (e.Kind == kKindArc) SettleArc(after, after.Angle);
    return Commit(drawing, index, after, 0);
}

}  // namespace

std::string FormatMergeNumber(double value)
{
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 7);
    std::string text(buffer.data(), result.ptr);
    while (text.size() > 2 && text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
    return text;
}

bool ExtendByText(Drawing& drawing, int index, Point click, const std::string& text)
{
    std::string_view number = text;
    bool increment = false;
    for (const std::string_view mark : {std::string_view("@"), std::string_view("＠")}) {
        if (number.starts_with(mark)) {
            number.remove_prefix(mark.size());
            increment = true;
        }
    }
    const double v = ParseFloatOr(number, std::numeric_limits<double>::quiet_NaN());
    if (!std::isfinite(v)) {
        Tell(drawing, kExtendBadNumberMessage);
        return false;
    }
    const TCadData e = drawing[index];
    TCadData after = e;
    if (e.Kind == kKindLine) {
        if (!HasDirection(e)) return false;
        const bool endMoves = PointDistance(click, StartOf(e)) >= PointDistance(click, EndOf(e));
        const Point moving = endMoves ? EndOf(e) : StartOf(e), fixed = endMoves ? StartOf(e) : EndOf(e);
        const double length = PointDistance(fixed, moving);
        const Point from = increment ? moving : fixed;
        const Point to{from.X + (moving.X - fixed.X) / length * v, from.Y + (moving.Y - fixed.Y) / length * v};
        // A line of no length is no line: such a value is refused.
        if (PointDistance(to, fixed) < Eps()) return false;
        if (endMoves) SetEnd(after, to);
        else SetStart(after, to);
    } else if (e.Kind == kKindArc) {
        const double q = increment ? v : v - e.Angle;
        const double sweep = e.Angle + q;
        // Shrinking an arc to nothing or past its other end is refused, as it is for a line; only
        // growing it round to its other end closes it.
        if (sweep < kMinSweep) return false;
        if (ClickChoosesArcEnd(e, click)) SetEnd(after, RotatePointDeg(EndOf(e), CentreOf(e), q));
        else SetStart(after, RotatePointDeg(StartOf(e), CentreOf(e), -q));
        // A small sweep whose ends came out in the wrong order reads as nearly a full turn.
        if (sweep < 180 && after.Angle >= 180) return false;
        SettleArc(after, sweep);
    } else {
        return false;
    }
    return Commit(drawing, index, after, 0);
}

bool ExtendByValue(Drawing& drawing, int index, Point click)
{
    const TCadData& e = drawing[index];
    if ((e.Kind != kKindLine && e.Kind != kKindArc) || drawing.Dialogs == nullptr) return false;
    const bool line = e.Kind == kKindLine;
    const double current = line ? PointDistance(StartOf(e), EndOf(e)) : e.Angle;
    const auto text =
        drawing.Dialogs->InputLine(kExtendCaption, line ? kExtendLinePrompt : kExtendArcPrompt, FormatNumber(current));
    if (!text) return false;
    return ExtendByText(drawing, index, click, *text);
}

bool ExtendToTarget(Drawing& drawing, int index, Point click, int target, Point targetClick)
{
    const int8_t kind = drawing[index].Kind;
    if (kind != kKindLine && kind != kKindArc) return false;
    if (kind == kKindLine && !HasDirection(drawing[index])) return false;
    if (target <= 0) return ExtendToPosition(drawing, index, targetClick);
    if (target == index) return false;
    if (kind == kKindLine) return ExtendLineToTarget(drawing, index, target, targetClick);
    return ExtendArcToTarget(drawing, index, click, target, targetClick);
}

bool RestoreEllipsePiece(Drawing& drawing, int index)
{
    TCadData after = drawing[index];
    if (after.Kind != kKindEllipse) return false;
    after.X1 = after.R;
    after.X2 = -after.R;
    return Commit(drawing, index, after, 0);
}

bool CloseArc(Drawing& drawing, int index)
{
    TCadData after = drawing[index];
    if (after.Kind != kKindArc) return false;
    MakeCircle(after);
    return Commit(drawing, index, after, 0);
}

}  // namespace vantro
