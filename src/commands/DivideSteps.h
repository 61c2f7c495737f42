// Division into equal parts (the count and a circle's base angle asked for in input boxes),
// halving, and free curves turned into lines.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void DivideClick(CommandContext& ctx, const ClickInput& click);        // 246
void HalveClick(CommandContext& ctx, const ClickInput& click);         // 234
void CurveToLinesClick(CommandContext& ctx, const ClickInput& click);  // 240

}  // namespace vantro
