// The inserted images' commands: move (132 → 133), place (133, also after inserting), delete
// (134) and resize (135 → 136). They act on canvas pixels and write no prompt.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

// The first inserted image whose pick zone holds the canvas pixel, 0 for none. The zone is a
// square of 50·s millimetres (s the view scale) hanging right and down from the image's top-left
// corner, whatever the image's size; the bounds are excluded.
int FindImageAt(const ImageList& images, const ViewState& view, int px, int py);

void ImagePickClick(CommandContext& ctx, const ClickInput& click);
void ImagePlaceClick(CommandContext& ctx, const ClickInput& click);
void ImageDeleteClick(CommandContext& ctx, const ClickInput& click);
void ImageResizePickClick(CommandContext& ctx, const ClickInput& click);
void ImageResizeClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
