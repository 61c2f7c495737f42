// Splitting a line, arc or circle into equal parts.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

#include <vector>

namespace vantro {

inline constexpr const char* kTooManyPartsMessage = "等分割は最大100等分までです";
inline constexpr int kMaxParts = 100;

// Splits the element into parts equal pieces (2..100; more is refused with the message). A circle
// starts its first piece at baseDegrees, counter-clockwise from +x. The pieces are copies of the
// element with new ids; all is one undo step. Returns the division points (for the markers),
// empty when nothing was divided.
std::vector<Point> DivideElement(Drawing& drawing, int index, int parts, double baseDegrees);

// "2分割": two parts; a circle's base is 0 when the click is at least as far from the centre
// horizontally as vertically, else 90.
std::vector<Point> HalveElement(Drawing& drawing, int index, Point click);

}  // namespace vantro
