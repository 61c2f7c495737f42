// The grid and the origin marker, drawn under the elements by every full repaint.
#pragma once

#include "view/Surface.h"
#include "view/ViewState.h"

namespace vantro {

void DrawGrid(Surface& canvas, const ViewState& view);
// Red x axis and blue y axis, 50 pixels each way, dash-dot.
void DrawOriginMarker(Surface& canvas, const ViewState& view);

}  // namespace vantro
