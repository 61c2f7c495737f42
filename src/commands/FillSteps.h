// The fill command: a click on a grouped element (or a circle, which gets a group of its own)
// adds its group with the current colour to the fill memo and paints the fill.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void FillClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
