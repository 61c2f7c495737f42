// The dimensions: horizontal, vertical and aligned between two snap points, radius and diameter of
// a picked circle, the angle between two lines, and the chained relative values.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

// 150, 153, 156 and the second points 151, 154, 157.
void LinearDimensionFirstClick(CommandContext& ctx, const ClickInput& click);
void LinearDimensionSecondClick(CommandContext& ctx, const ClickInput& click);
void LinearDimensionPositionClick(CommandContext& ctx, const ClickInput& click);

// The circle of 250 and 255 (also of the leaders 252 and 257); the position of 251 and 256.
void DimensionCirclePickClick(CommandContext& ctx, const ClickInput& click);
void RadiusDimensionPositionClick(CommandContext& ctx, const ClickInput& click);

void AngleDimensionFirstClick(CommandContext& ctx, const ClickInput& click);
void AngleDimensionSecondClick(CommandContext& ctx, const ClickInput& click);
void AngleDimensionPositionClick(CommandContext& ctx, const ClickInput& click);

void RelativeValuesBaseClick(CommandContext& ctx, const ClickInput& click);
void RelativeValuesPositionClick(CommandContext& ctx, const ClickInput& click);
void RelativeValuesNextClick(CommandContext& ctx, const ClickInput& click);
void RelativeValuesNewPositionClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
