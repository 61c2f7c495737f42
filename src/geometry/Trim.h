// Trimming: the clicked piece of an element between its nearest cut points is removed, the cut
// points being its crossings with the selected cutting edges.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

namespace vantro {

inline constexpr const char* kTooManyTrimCutsMessage =
    "トリムで一度に選択できる要素数は50までです！再度選択しなおしてください。";
inline constexpr int kMaxTrimCuts = 50;

enum class TrimOutcome {
    Unchanged,    // no interval around the click, or nothing crosses and trimDelete is off
    Trimmed,      // shortened, split or opened (a split leaves the new piece selected)
    Deleted,      // nothing crosses it and trimDelete is on
    TooManyCuts,  // more than 50 cut points: message shown, every selection cleared
};

// Trims the line, arc, circle or ellipse piece at index where it was clicked. The cutting edges
// are all selected elements but this one; quick (a single edge picked at the command's start)
// cuts lines on the edge's infinite line; an arc edge cuts only where its drawn part reaches.
// trimDelete is the "Trimdelete" setting. A split's new piece is a copy of the element (layer and
// width too). One undo step.
TrimOutcome TrimElement(Drawing& drawing, int index, Point click, bool quick, bool trimDelete);

}  // namespace vantro
