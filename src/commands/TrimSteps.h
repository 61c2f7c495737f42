// Trim against boundaries picked one by one or by a window, and the continuous trim that makes
// corner after corner.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

// 208: a single pick is the only boundary; 209: a confirmed window of boundaries.
void TrimBoundaryClick(CommandContext& ctx, const ClickInput& click);
void TrimWindowClick(CommandContext& ctx, const ClickInput& click);
// 210: Shift toggles a boundary; a plain click trims the piece under it.
void TrimPieceClick(CommandContext& ctx, const ClickInput& click);

// 238, 239.
void ContinuousTrimFirstClick(CommandContext& ctx, const ClickInput& click);
void ContinuousTrimNextClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
