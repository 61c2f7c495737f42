// Circles and arcs tangent to picked elements: of a typed radius tangent to two (circles 32, arcs
// 64), tangent to three (59), and the arc of a radius between two lines (243).
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

// The first and second pick of 32, 64 and 59: an element, or a snap point standing in for one.
void TangentFirstClick(CommandContext& ctx, const ClickInput& click);
void Tangent3SecondClick(CommandContext& ctx, const ClickInput& click);
// The second pick of 32 and 64 and the construction with the radius in EditR.
void TangentRadiusSecondClick(CommandContext& ctx, const ClickInput& click);
void TangentRadiusEnter(CommandContext& ctx);
void Tangent3ThirdClick(CommandContext& ctx, const ClickInput& click);

void ArcBetweenLinesFirstClick(CommandContext& ctx, const ClickInput& click);
void ArcBetweenLinesSecondClick(CommandContext& ctx, const ClickInput& click);
void ArcBetweenLinesRadiusClick(CommandContext& ctx, const ClickInput& click);
void ArcBetweenLinesRadiusEnter(CommandContext& ctx);

}  // namespace vantro
