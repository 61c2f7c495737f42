// Provisional candidate elements: appended at the end of the store without an id or an undo
// record, drawn highlighted, and counted in CandidateCount until the user keeps one of them.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

namespace vantro {

// Each returns whether a candidate was appended. A circle equal to a pending candidate circle
// (centre and radius within Eps), or an arc equal to a pending candidate arc (centre, radius,
// start and end within Eps), is refused.
bool AppendCandidateCircle(Drawing& drawing, const CurrentAttributes& attributes, Point centre, double radius);
bool AppendCandidateArc(Drawing& drawing, const CurrentAttributes& attributes, Point start, Point end, Point centre,
                        double radius);
bool AppendCandidateLine(Drawing& drawing, const CurrentAttributes& attributes, Point start, Point end);

// Whether index names one of the pending candidates.
bool IsCandidate(const Drawing& drawing, int index);

// Keeps the candidate at index as a normal element (new id, one undo record, the current line
// style and width, not selected) and drops the others. False when index is not a candidate.
bool ChooseCandidate(Drawing& drawing, const CurrentAttributes& attributes, int index);

// When exactly one candidate is pending it is kept at once.
void TakeSingleCandidate(Drawing& drawing, const CurrentAttributes& attributes);

}  // namespace vantro
