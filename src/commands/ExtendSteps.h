// Extend: a line or arc to a target element or position, or by a typed value (right button); an
// ellipse piece back to its half, and an arc closed by Shift.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

// 206, 207.
void ExtendPickClick(CommandContext& ctx, const ClickInput& click);
void ExtendTargetClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
