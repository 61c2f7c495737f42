// The element information command: a picked element, or a confirmed window of them, opens the
// property dialog, and the command waits for the next pick after it closes.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void PropertiesClick(CommandContext& ctx, const ClickInput& click);        // 297
void PropertiesWindowClick(CommandContext& ctx, const ClickInput& click);  // 298

}  // namespace vantro
