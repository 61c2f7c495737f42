// Move, mirror, rotate and scale (each copying with the right button where it has a copy), and the
// origin change. The selection steps pick one element and go on, or take a confirmed window.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

// Move (100..103) and move-copy (104..107, copies counted in 99).
void MoveSelectClick(CommandContext& ctx, const ClickInput& click);
void MoveWindowClick(CommandContext& ctx, const ClickInput& click);
void MoveBaseClick(CommandContext& ctx, const ClickInput& click);
void MoveBaseEnter(CommandContext& ctx);
void MoveDestinationClick(CommandContext& ctx, const ClickInput& click);
void MoveCopyCountEnter(CommandContext& ctx);

// Mirror (108..111) and mirror-copy (112..115).
void MirrorSelectClick(CommandContext& ctx, const ClickInput& click);
void MirrorWindowClick(CommandContext& ctx, const ClickInput& click);
void MirrorAxisStartClick(CommandContext& ctx, const ClickInput& click);
void MirrorAxisStartEnter(CommandContext& ctx);
void MirrorAxisEndClick(CommandContext& ctx, const ClickInput& click);
void MirrorAxisEndEnter(CommandContext& ctx);

// Rotate (116..119) and rotate-copy (120..124).
void RotateSelectClick(CommandContext& ctx, const ClickInput& click);
void RotateWindowClick(CommandContext& ctx, const ClickInput& click);
void RotateCentreClick(CommandContext& ctx, const ClickInput& click);
void RotateCentreEnter(CommandContext& ctx);
void RotateAngleClick(CommandContext& ctx, const ClickInput& click);
void RotateAngleEnter(CommandContext& ctx);
void RotateCopyCountEnter(CommandContext& ctx);

// Scale (125..128).
void ScaleSelectClick(CommandContext& ctx, const ClickInput& click);
void ScaleWindowClick(CommandContext& ctx, const ClickInput& click);
void ScaleBaseClick(CommandContext& ctx, const ClickInput& click);
void ScaleBaseEnter(CommandContext& ctx);
void ScaleFactorClick(CommandContext& ctx, const ClickInput& click);
void ScaleFactorEnter(CommandContext& ctx);

// The origin change (166): the snapped point becomes the origin and the command ends.
void OriginChangeClick(CommandContext& ctx, const ClickInput& click);

}  // namespace vantro
