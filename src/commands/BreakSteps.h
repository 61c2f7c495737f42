// Cutting elements: the partial delete (a cut at the click, and on request one piece deleted) and
// the break at the crossings with a second element.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

// 199.
void PartialDeleteClick(CommandContext& ctx, const ClickInput& click);

// 215, 216.
void BreakFirstClick(CommandContext& ctx, const ClickInput& click);
void BreakBoundaryClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
