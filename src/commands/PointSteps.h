// Points, the crossing points of two elements, and the centre lines of lines, arcs and circles.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void PointClick(CommandContext& ctx, const ClickInput& click);
void PointEnter(CommandContext& ctx);

void IntersectionFirstClick(CommandContext& ctx, const ClickInput& click);
void IntersectionSecondClick(CommandContext& ctx, const ClickInput& click);

// The perpendicular bisector of a line or the middle radius of an arc (235).
void CentreLineClick(CommandContext& ctx, const ClickInput& click);
// The centre cross of an arc or circle (232).
void CircleCentreLinesClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
