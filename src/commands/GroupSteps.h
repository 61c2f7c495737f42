// The group commands (create, dissolve, add, remove) and the chain check, which offers to group a
// chain of connected elements.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

void GroupCreateWindowClick(CommandContext& ctx, const ClickInput& click);  // 221
void GroupDissolveClick(CommandContext& ctx, const ClickInput& click);      // 223
void GroupAddClick(CommandContext& ctx, const ClickInput& click);           // 224
void GroupAddMemberClick(CommandContext& ctx, const ClickInput& click);     // 225
void GroupRemoveClick(CommandContext& ctx, const ClickInput& click);        // 226
void ChainCheckClick(CommandContext& ctx, const ClickInput& click);         // 249

}  // namespace vantro
