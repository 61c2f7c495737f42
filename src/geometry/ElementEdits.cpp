#include "geometry/ElementEdits.h"

#include "document/ElementStore.h"
#include "document/UndoHistory.h"

#include <cmath>

namespace vantro {

void RefreshLineAngle(TCadData& line) { line.Angle = RadToDeg(DirectionAngle(EndOf(line), StartOf(line))); }

void RefreshArcSweep(TCadData& arc) { arc.Angle = SweepAngleDeg(StartOf(arc), EndOf(arc), CentreOf(arc)); }

Point NearerOf(const IntersectionResult& found, Point q, bool secondOnTie)
{
    if (found.Count < 2) return found.Points[0];
    const double d0 = PointDistance(found.Points[0], q), d1 = PointDistance(found.Points[1], q);
    return d1 < d0 || (secondOnTie && d1 == d0) ? found.Points[1] : found.Points[0];
}

std::optional<Point> PointAlongSegment(Point from, Point to, double distance)
{
    if (distance < Eps()) return from;
    const IntersectionResult found = IntersectSegmentCircle(from, to, from, distance);
    if (found.Count == 0) return std::nullopt;
    return found.Points[0];
}

namespace {

void Refresh(TCadData& e)
{
    if (e.Kind == kKindLine) RefreshLineAngle(e);
    else if (e.Kind == kKindArc) RefreshArcSweep(e);
}

}  // namespace

void SetStart(TCadData& e, Point p)
{
    e.X1 = p.X;
    e.Y1 = p.Y;
    Refresh(e);
}

void SetEnd(TCadData& e, Point p)
{
    e.X2 = p.X;
    e.Y2 = p.Y;
    Refresh(e);
}

void MakeArc(TCadData& e, Point start, Point end)
{
    e.Kind = kKindArc;
    e.X1 = start.X;
    e.Y1 = start.Y;
    e.X2 = end.X;
    e.Y2 = end.Y;
    RefreshArcSweep(e);
}

void MakeCircle(TCadData& e)
{
    e.Kind = kKindCircle;
    e.X1 = e.Y1 = e.X2 = e.Y2 = 0;
    e.Angle = 360;
}

bool WriteRecorded(Drawing& drawing, int index, const TCadData& after)
{
    if (!ReplaceElement(drawing, index, after)) return false;
    Redraw(drawing, index);
    return true;
}

void DeleteRecorded(Drawing& drawing, int index)
{
    RecordUndo(drawing, StepForRecord(drawing), kActionDeleted, index);
    Delete(drawing, index, false);
}

int AppendRecordedCopy(Drawing& drawing, const TCadData& source)
{
    return AppendElement(drawing, Unhighlighted(source), true);
}

void ApplyEdits(Drawing& drawing, const std::vector<PlannedEdit>& edits)
{
    std::vector<int32_t> collapsed;
    for (const auto& [index, after] : edits) {
        const bool open = after.Kind == kKindLine || after.Kind == kKindArc;
        if (open && PointDistance(StartOf(after), EndOf(after)) < Eps()) {
            collapsed.push_back(drawing[index].Id);
            continue;
        }
        WriteRecorded(drawing, index, after);
    }
    // By id, since every deletion moves the later elements.
    for (const int32_t id : collapsed) DeleteRecorded(drawing, FindIndexOfId(drawing, id));
}

int AppendPiece(Drawing& drawing, const TCadData& source, Point start, Point end)
{
    TCadData piece = source;
    piece.X1 = start.X;
    piece.Y1 = start.Y;
    SetEnd(piece, end);
    const int index = AppendRecordedCopy(drawing, piece);
    if (index != 0) Redraw(drawing, index);
    return index;
}

double EllipseValue(const TCadData& ellipse, Point p)
{
    const Point centre = CentreOf(ellipse);
    const Point axis{centre.X + std::cos(ellipse.Angle), centre.Y + std::sin(ellipse.Angle)};
    return std::cos(SweepAngleRad(axis, p, centre)) * PointDistance(p, centre);
}

void Redraw(const Drawing& drawing, int index)
{
    if (drawing.Listener != nullptr) drawing.Listener->DrawElement(index);
}

}  // namespace vantro
