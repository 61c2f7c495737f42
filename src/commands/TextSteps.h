// The text command's placing click: the text dialog's lines go where the click is.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void TextPlacementClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
