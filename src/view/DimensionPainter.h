// Dimensions on any surface: lines, arrows and arc with the caller's pen, then the value text in
// the dimension font, turned to the dimension's direction.
#pragma once

#include "view/ElementPainter.h"

namespace vantro {

// drawText false draws only the lines (an inverting pen cannot invert text); erase paints the text
// in the background colour.
void SubDimPaint(const PaintTarget& target, const TCadData& dimension, bool drawText, bool erase);

}  // namespace vantro
