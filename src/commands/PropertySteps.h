// The property command: a single pick, or a confirmed window, opens the property dialog on the
// selected elements.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void PropertiesClick(CommandContext& ctx, const ClickInput& click);        // 297
void PropertiesWindowClick(CommandContext& ctx, const ClickInput& click);  // 298

}  // namespace vantro
