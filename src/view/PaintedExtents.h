// Where the painters draw texts and dimensions, measured by letting them paint on a surface that
// only notes the pixels it is asked to cover: fitted pictures hold every text whole.
#pragma once

#include "document/Drawing.h"
#include "view/ElementExtents.h"
#include "view/PaintSettings.h"
#include "view/ViewState.h"

namespace vantro {

// The world box of the texts and dimensions the whole-drawing repaint shows, as painted at this
// view (texts at their drawn width, dimension texts at their height on the canvas); what reaches
// up to a canvas size past the view's edges counts too. Empty when none is painted.
ExtentBox PaintedAnnotationExtents(const Drawing& drawing, const ViewState& view, const PaintSettings& settings);

}  // namespace vantro
