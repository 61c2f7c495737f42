// Text elements on any surface: the text itself, or its box (a frame for inverted previews, a
// filled box for erasing).
#pragma once

#include "view/ElementPainter.h"

namespace vantro {

// draw false: only the frame (inverting pen); erase: the box filled with the background colour.
// Texts whose top-left corner lies far off the canvas or whose height is below a pixel are skipped.
void DrawText(const PaintTarget& target, const TCadData& text, bool draw, bool erase);

}  // namespace vantro
