// Text elements: one line of CP932 text with a height in millimetres, its insertion point at the
// lower-left corner, and a box of half the height per byte for picking.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

#include <string>
#include <vector>

namespace vantro {

// One text element in the attributes' colour and layer; the point is kept in single precision, as
// texts always were. A height below the minimum is stored as the minimum, but the pick box is
// measured with the height given. Numbered, drawn and recorded as an undo step.
bool AppendTextElement(Drawing& drawing, const CurrentAttributes& attributes, double height, const std::string& text,
                       Point insertion);

// The typed lines of the text dialog placed with the top of the first line at the click, each next
// line 1.1 heights lower; one undo step for the block. Returns how many were stored.
int AppendTextLines(Drawing& drawing, const CurrentAttributes& attributes, double height,
                    const std::vector<std::string>& lines, Point click);

}  // namespace vantro
