#include "geometry/Candidates.h"

#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/Constructors.h"
#include "geometry/ElementPoints.h"

#include <cmath>

namespace vantro {
namespace {

int FirstCandidate(const Drawing& drawing) { return drawing.Count - drawing.CandidateCount + 1; }

// The element just appended becomes a highlighted candidate.
bool Highlight(Drawing& drawing)
{
    TCadData& candidate = drawing[drawing.Count];
    candidate.Selected = 1;
    candidate.LineStyle = kStyleSolid;
    candidate.Width = 2;
    ++drawing.CandidateCount;
    if (drawing.Listener != nullptr) drawing.Listener->DrawElement(drawing.Count);
    return true;
}

bool DuplicatesCandidateArc(const Drawing& drawing, Point start, Point end, Point centre, double radius)
{
    for (int i = FirstCandidate(drawing); i <= drawing.Count; ++i) {
        const TCadData& c = drawing[i];
        if (c.Kind == kKindArc && PointDistance(CentreOf(c), centre) < Eps() && std::abs(c.R - radius) < Eps() &&
            PointDistance(StartOf(c), start) < Eps() && PointDistance(EndOf(c), end) < Eps())
            return true;
    }
    return false;
}

}  // namespace

bool AppendCandidateCircle(Drawing& drawing, const CurrentAttributes& attributes, Point centre, double radius)
{
    // AppendCircle itself refuses a circle equal to a pending candidate.
    return AppendCircle(drawing, attributes, false, centre, radius) && Highlight(drawing);
}

bool AppendCandidateArc(Drawing& drawing, const CurrentAttributes& attributes, Point start, Point end, Point centre,
                        double radius)
{
    if (DuplicatesCandidateArc(drawing, start, end, centre, radius)) return false;
    return AppendArc(drawing, attributes, false, false, start, end, centre, radius) && Highlight(drawing);
}

bool AppendCandidateLine(Drawing& drawing, const CurrentAttributes& attributes, Point start, Point end)
{
    return AppendLine(drawing, attributes, false, false, start, end) && Highlight(drawing);
}

bool IsCandidate(const Drawing& drawing, int index)
{
    return drawing.CandidateCount > 0 && index >= FirstCandidate(drawing) && index <= drawing.Count;
}

bool ChooseCandidate(Drawing& drawing, const CurrentAttributes& attributes, int index)
{
    if (!IsCandidate(drawing, index)) return false;
    TCadData kept = drawing[index];
    RemoveCandidates(drawing);
    // The chosen one takes the first candidate slot, which the store has already reserved.
    ++drawing.Count;
    ++drawing.LastId;
    kept.Id = static_cast<int32_t>(drawing.LastId);
    kept.Selected = 0;
    kept.LineStyle = attributes.LineStyle;
    kept.Width = attributes.Width;
    drawing[drawing.Count] = std::move(kept);
    SetIndexOfId(drawing, drawing[drawing.Count].Id, drawing.Count);
    RecordUndo(drawing, StepForRecord(drawing), kActionAdded, drawing.Count);
    if (drawing.Listener != nullptr) drawing.Listener->RepaintAll();
    return true;
}

void TakeSingleCandidate(Drawing& drawing, const CurrentAttributes& attributes)
{
    if (drawing.CandidateCount == 1) ChooseCandidate(drawing, attributes, drawing.Count);
}

}  // namespace vantro
