// The part save: "確定" of the selection started by "部分保存(&H)" writes the selected elements to
// a part file chosen in the save dialog, then the command ends with the selection cleared.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void PartSaveConfirmClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
