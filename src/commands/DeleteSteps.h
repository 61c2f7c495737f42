// The delete command: a click deletes the element under it (its group with "ｸﾞﾙｰﾌﾟﾁｪｯｸ"); a window
// collects elements that "確定" deletes.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void DeleteClick(CommandContext& ctx, const ClickInput& click);
void DeleteWindowClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
