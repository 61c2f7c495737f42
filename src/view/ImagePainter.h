// The background image and the inserted images, painted first on every repaint: the background
// fixed to the canvas, the inserted images fixed to the drawing at one image pixel per millimetre.
#pragma once

#include "document/ImageList.h"
#include "view/PaintSettings.h"
#include "view/Surface.h"
#include "view/ViewState.h"

#include <cstdint>

namespace vantro {

// The background image (stretched over the canvas or tiled from its top-left corner), or with
// clear and no background shown the window colour; then the inserted images 1..ImageCount in
// order, later ones over earlier ones. The brush is left clear.
void PaintImages(Surface& canvas, const ViewState& view, const ImageList& images, const ImageDisplay& display,
                 bool clear, uint32_t windowColour);

// The bitmap repeated from the surface's top-left corner until it is covered, each copy stretched
// onto tileWidth × tileHeight pixels (nothing for a tile without area).
void TileBitmap(Surface& canvas, const Bitmap& bitmap, int tileWidth, int tileHeight);

// The bitmap stretched onto the box whose top-left corner is (left, top), both rounded, and whose
// right and bottom are the rounded corner plus width and height, rounded again. Nothing for a box
// no surface could show.
void StretchBitmap(Surface& canvas, const Bitmap& bitmap, double left, double top, double width, double height);

}  // namespace vantro
