// Painting fills: the closed region of each fill memo line in its colour, under the elements.
#pragma once

#include "document/Drawing.h"
#include "geometry/FillRegions.h"
#include "view/Surface.h"
#include "view/ViewState.h"

namespace vantro {

// One resolved fill (nothing for one with a problem): a circle that can reach the canvas as a
// filled ellipse, a chain as the filled polygon of its vertices' pixels (Round), pen and brush in
// the fill's colour. The brush is left clear.
void PaintFillRegion(Surface& canvas, const ViewState& view, const FillRegion& region, const Drawing& drawing,
                     int fineness);

// Every fill of the memo that can be painted, in memo order.
void PaintFills(Surface& canvas, const ViewState& view, const Drawing& drawing, int fineness);

}  // namespace vantro
