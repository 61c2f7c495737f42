// Continuous trim: corner after corner, each next picked line, arc or circle is cut or extended to
// meet the previous one.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

namespace vantro {

struct ContinuousTrimResult {
    bool Changed = false;
    // The next step's reference point: the end of the next element at the corner (its start when
    // the step reports that its start lies there). Unchanged elements report by the keep flag.
    Point NextReference;
};

// Makes the corner of previous and next (store indices). reference is the click on the previous
// element on the first step, afterwards the previous corner; clickOnNext says which part of next
// is kept. A previous circle is never changed. Both changes are one undo step.
ContinuousTrimResult ContinuousTrimStep(Drawing& drawing, int previous, int next, Point reference, bool firstStep,
                                        Point clickOnNext);

}  // namespace vantro
