// The two-point line: a first point, then an end point, by clicks or typed coordinates.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void LineFirstClick(CommandContext& ctx, const ClickInput& click);
void LineFirstEnter(CommandContext& ctx);
void LineSecondClick(CommandContext& ctx, const ClickInput& click);
void LineSecondEnter(CommandContext& ctx);

}  // namespace vantro
