// The line commands besides the two-point line: horizontal and vertical lines across the view, the
// continuous line, lines at an angle, the lines tangent to two circles and the middle line.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void HorizontalLineClick(CommandContext& ctx, const ClickInput& click);
void HorizontalLineEnter(CommandContext& ctx);
void VerticalLineClick(CommandContext& ctx, const ClickInput& click);
void VerticalLineEnter(CommandContext& ctx);

void ContinuousLineFirstClick(CommandContext& ctx, const ClickInput& click);
void ContinuousLineFirstEnter(CommandContext& ctx);
void ContinuousLineNextClick(CommandContext& ctx, const ClickInput& click);
void ContinuousLineNextEnter(CommandContext& ctx);

// Through a point at the angle in EditR.
void AngleLineClick(CommandContext& ctx, const ClickInput& click);
void AngleLineEnter(CommandContext& ctx);
// Through a base point at an angle to the direction of a second point.
void AngleLineBaseClick(CommandContext& ctx, const ClickInput& click);
void AngleLineSecondClick(CommandContext& ctx, const ClickInput& click);
void AngleLineAngleEnter(CommandContext& ctx);

void TangentLineFirstClick(CommandContext& ctx, const ClickInput& click);
void TangentLineSecondClick(CommandContext& ctx, const ClickInput& click);

void MiddleLineFirstClick(CommandContext& ctx, const ClickInput& click);
void MiddleLineSecondClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
