// The background image and the inserted images, painted first on every repaint: the background
// fixed to the canvas, the inserted images fixed to the drawing at one image pixel per millimetre.
#pragma once

#include "document/ImageList.h"
#include "view/Surface.h"
#include "view/ViewState.h"

#include <cstdint>

namespace vantro {

// The image menu's check marks; not saved.
struct ImageDisplay {
    bool BackgroundShown = true;  // BmpOn "表示ON/OFF"
    bool Stretched = true;        // BmpWid "全体に表示"; otherwise BmpLine "並べて表示" tiles it
};

// The background image (stretched over the canvas or tiled from its top-left corner), or with
// clear and no background shown the window colour; then the inserted images 1..ImageCount in
// order, later ones over earlier ones. The brush is left clear.
void PaintImages(Surface& canvas, const ViewState& view, const ImageList& images, const ImageDisplay& display,
                 bool clear, uint32_t windowColour);

}  // namespace vantro
