// Fillet and chamfer: two picks, the clicks saying which parts are kept, the radius or length in
// EditR.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

// 211, 212.
void FilletFirstClick(CommandContext& ctx, const ClickInput& click);
void FilletSecondClick(CommandContext& ctx, const ClickInput& click);

// 213, 214.
void ChamferFirstClick(CommandContext& ctx, const ClickInput& click);
void ChamferSecondClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
