// Rectangles (four grouped lines, or one filled rectangle in the right-button variant) and regular
// polygons by side or by vertex.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void RectangleFirstClick(CommandContext& ctx, const ClickInput& click);
void RectangleFirstEnter(CommandContext& ctx);
void RectangleSecondClick(CommandContext& ctx, const ClickInput& click);
void RectangleSecondEnter(CommandContext& ctx);

// The start steps 41 and 44: a click takes the centre with the count in EditR, Enter the count.
void PolygonStartClick(CommandContext& ctx, const ClickInput& click);
void PolygonCountEnter(CommandContext& ctx);
// The centre steps 42 and 45, the size steps 43 and 46.
void PolygonCentreClick(CommandContext& ctx, const ClickInput& click);
void PolygonCentreEnter(CommandContext& ctx);
void PolygonSizeClick(CommandContext& ctx, const ClickInput& click);
void PolygonSizeEnter(CommandContext& ctx);

}  // namespace vantro
