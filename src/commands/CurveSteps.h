// Free curves through points or by control points, and ellipses by the ends of an axis or by the
// centre.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void CurvePointClick(CommandContext& ctx, const ClickInput& click);
void CurvePointEnter(CommandContext& ctx);

// The first point of either ellipse command (49, 52).
void EllipseFirstClick(CommandContext& ctx, const ClickInput& click);
void EllipseFirstEnter(CommandContext& ctx);
// The axis point (50, 53).
void EllipseAxisClick(CommandContext& ctx, const ClickInput& click);
void EllipseAxisEnter(CommandContext& ctx);
// The height point or the flattening ratio (51, 54).
void EllipseHeightClick(CommandContext& ctx, const ClickInput& click);
void EllipseRatioEnter(CommandContext& ctx);

}  // namespace vantro
