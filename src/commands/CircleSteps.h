// Circles by centre and radius (or diameter), through two points and through three points.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void CircleCentreClick(CommandContext& ctx, const ClickInput& click);
void CircleCentreEnter(CommandContext& ctx);
void CircleRadiusClick(CommandContext& ctx, const ClickInput& click);
void CircleRadiusEnter(CommandContext& ctx);

// The first point of the circles through two and through three points.
void CirclePointsFirstClick(CommandContext& ctx, const ClickInput& click);
void CirclePointsFirstEnter(CommandContext& ctx);
void Circle2PointsSecondClick(CommandContext& ctx, const ClickInput& click);
void Circle2PointsSecondEnter(CommandContext& ctx);
void Circle3PointsSecondClick(CommandContext& ctx, const ClickInput& click);
void Circle3PointsSecondEnter(CommandContext& ctx);
void Circle3PointsThirdClick(CommandContext& ctx, const ClickInput& click);
void Circle3PointsThirdEnter(CommandContext& ctx);

}  // namespace vantro
