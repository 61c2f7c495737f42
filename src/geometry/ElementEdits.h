// Small steps shared by the editing operations: reading and moving the end points of a record,
// and changing the store under the undo step that an UndoStepGroup holds open.
#pragma once

#include "document/Drawing.h"
#include "geometry/ElementPoints.h"
#include "geometry/Primitives.h"

#include <optional>
#include <utility>
#include <vector>

namespace vantro {

// Arcs and circles: the kinds with a centre and a radius that the editing operations cut.
inline bool IsRound(int8_t kind) { return kind == kKindArc || kind == kKindCircle; }

// Of the found points (at least one) the one nearer to q; on a tie the second, or the first when
// secondOnTie is false.
Point NearerOf(const IntersectionResult& found, Point q, bool secondOnTie = true);

// The point at distance from `from` on the segment from-to; none when the segment is shorter.
std::optional<Point> PointAlongSegment(Point from, Point to, double distance);

// A copy with its selection flag cleared: the picks of a command end unhighlighted.
inline TCadData Unhighlighted(TCadData e)
{
    e.Selected = 0;
    return e;
}

// Move one end; a line gets its inclination again, an arc its sweep.
void SetStart(TCadData& e, Point p);
void SetEnd(TCadData& e, Point p);
void RefreshLineAngle(TCadData& line);
void RefreshArcSweep(TCadData& arc);

// Turns an arc (or a circle) into the arc from start counter-clockwise to end.
void MakeArc(TCadData& e, Point start, Point end);

// Turns an arc into its full circle: kind 4, end fields 0, sweep 360.
void MakeCircle(TCadData& e);

// Writes after over the element at index, recorded under the open step, and paints it; false
// (nothing changed) when after holds a number that is not finite.
bool WriteRecorded(Drawing& drawing, int index, const TCadData& after);

// Records the element as deleted under the open step and removes it.
void DeleteRecorded(Drawing& drawing, int index);

// Appends a full copy of source with a new id and records it as added; the index, or 0 when the
// store refused it (full, or a number that is not finite).
int AppendRecordedCopy(Drawing& drawing, const TCadData& source);

// An element's index and the state it is to take.
using PlannedEdit = std::pair<int, TCadData>;

// Writes the planned states under the open step; a line or arc whose ends would now lie within Eps
// of each other is deleted instead, a state that is not finite left unwritten.
void ApplyEdits(Drawing& drawing, const std::vector<PlannedEdit>& edits);

// Appends a copy of a line or arc running from start to end (its own attributes, a new id, one
// record); the index, or 0 when the store refused it.
int AppendPiece(Drawing& drawing, const TCadData& source, Point start, Point end);

// An ellipse piece's value of a point: its projection on the major axis, measured from the centre.
double EllipseValue(const TCadData& ellipse, Point p);

// Paints the element as it now is, when a screen listens.
void Redraw(const Drawing& drawing, int index);

}  // namespace vantro
