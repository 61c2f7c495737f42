// Cutting the corner between two lines by a straight line at a given distance from their crossing.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

namespace vantro {

// line1 and line2 are store indices, the clicks mark the kept parts. A length of 0 (or less) makes
// the sharp corner. False for parallel lines and picks that are not two lines (silently), and for a
// kept part shorter than the length ("直線距離が不足しています。"). One undo step.
bool Chamfer(Drawing& drawing, const CurrentAttributes& attributes, int line1, Point click1, int line2, Point click2,
             double length);

}  // namespace vantro
