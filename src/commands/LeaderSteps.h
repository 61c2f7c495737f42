// Annotations on a bent leader: a pointed point, a knee and the shoulder's end. Coordinates (159),
// coordinates from a base point (167), leader texts (171), and the radius and diameter leaders
// (252, 257, whose circle is picked in DimensionSteps.h).
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

// 159 and 168: the pointed point, a snap point only.
void LeaderSnapPointClick(CommandContext& ctx, const ClickInput& click);
// 167: the base point of the relative coordinates, a snap point only.
void BaseCoordinateBaseClick(CommandContext& ctx, const ClickInput& click);
// 171: the pointed point of a leader text, the snap point if one was found.
void LeaderTextPointClick(CommandContext& ctx, const ClickInput& click);
// The knee of every leader (160, 169, 172, 253, 258).
void LeaderKneeClick(CommandContext& ctx, const ClickInput& click);
// The shoulder's end, which makes the annotation (161, 170, 173, 254, 259).
void LeaderPositionClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
