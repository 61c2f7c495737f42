// The offsets: one element to the side of a click, a whole chain of lines and arcs, or one element
// on both sides; the distance is in EditR.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

// 200, 201; Enter in either offsets the element offset last once more, at the new distance.
void OffsetPickClick(CommandContext& ctx, const ClickInput& click);
void OffsetSideClick(CommandContext& ctx, const ClickInput& click);
void OffsetEnter(CommandContext& ctx);

// 229, 230.
void ChainOffsetPickClick(CommandContext& ctx, const ClickInput& click);
void ChainOffsetSideClick(CommandContext& ctx, const ClickInput& click);

// 231: the pick is offset at once; Enter offsets it again at the new distance.
void BothSidesClick(CommandContext& ctx, const ClickInput& click);
void BothSidesEnter(CommandContext& ctx);

}  // namespace vantro
