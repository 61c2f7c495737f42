// What the canvas shows while a command waits for its next click: the shape that click would make,
// drawn with the inverting pen so that drawing it again removes it.
#pragma once

#include "view/ElementPainter.h"
#include "view/PreviewShape.h"

namespace vantro {

// Draws the step's preview for the mouse position (pen mode and width are the caller's). Returns
// the value the step shows in the entry field while the mouse moves (a radius, an angle), if any.
std::optional<double> DrawPreviewShape(const PaintTarget& target, const PreviewInput& input);

}  // namespace vantro
