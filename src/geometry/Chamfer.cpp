#include "geometry/Chamfer.h"

#include "document/UndoHistory.h"
#include "geometry/Constructors.h"
#include "geometry/ElementEdits.h"
#include "geometry/Fillet.h"

#include <optional>

namespace vantro {
namespace {

// The line cut back (or extended) to the chamfer point on its kept side; none when the kept part
// is shorter than the length.
std::optional<TCadData> CutLine(const TCadData& line, Point x, Point click, double length, Point& cut)
{
    // The start side is kept when the click lies between the start and the crossing.
    const bool keepsStart = PointDistance(StartOf(line), x) > PointDistance(StartOf(line), click);
    const auto p = length > 0 ? PointAlongSegment(x, keepsStart ? StartOf(line) : EndOf(line), length)
                              : std::optional<Point>(x);
    if (!p) return std::nullopt;
    cut = *p;
    TCadData after = line;
    bool movesEnd = keepsStart;
    // A line that has to be extended to the crossing moves its end nearer to the cut.
    if (!IsPointOnSegment(StartOf(line), EndOf(line), x))
        movesEnd = PointDistance(EndOf(line), cut) < PointDistance(StartOf(line), cut);
    if (movesEnd) SetEnd(after, cut);
    else SetStart(after, cut);
    return after;
}

}  // namespace

bool Chamfer(Drawing& drawing, const CurrentAttributes& attributes, int line1, Point click1, int line2, Point click2,
             double length)
{
    if (line1 == line2 || drawing[line1].Kind != kKindLine || drawing[line2].Kind != kKindLine) return false;
    const TCadData l1 = Unhighlighted(drawing[line1]), l2 = Unhighlighted(drawing[line2]);
    Point x;
    if (!IntersectLines(StartOf(l1), EndOf(l1), StartOf(l2), EndOf(l2), x)) return false;
    Point p1, p2;
    const auto after1 = CutLine(l1, x, click1, length, p1);
    const auto after2 = CutLine(l2, x, click2, length, p2);
    if (!after1 || !after2) {
        Tell(drawing, kLineTooShortMessage);
        return false;
    }
    UndoStepGroup step(drawing);
    ApplyEdits(drawing, {{line1, *after1}, {line2, *after2}});
    if (length > 0) return AppendLine(drawing, attributes, true, true, p1, p2);
    return true;
}

}  // namespace vantro
