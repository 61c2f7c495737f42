// The view the paint benchmarks use: a full-HD canvas showing the 800 × 400 mm sheet about the
// origin.
#pragma once

#include "view/ViewState.h"

namespace vantro::bench {

inline ViewState SheetOnFullHd()
{
    ViewState view;
    view.CanvasWidth = 1920;
    view.CanvasHeight = 1080;
    view.FitScale = 1080.0f / 400 * 0.95f;
    view.OriginX = 960;
    view.OriginY = 540;
    return view;
}

}  // namespace vantro::bench
