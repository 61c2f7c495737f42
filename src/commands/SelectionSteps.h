// The selection steps: single picks that toggle, windows dragged over the canvas, "確定" and "反転"
// of PanelMulti, and free selection without a command.
#pragma once

#include "commands/CommandContext.h"

namespace vantro {

// A click in a selection step toggles the element under it (and its group with "ｸﾞﾙｰﾌﾟﾁｪｯｸ").
// Returns the element, 0 when there was none (a window drag has begun) or -1 when the chooser
// was cancelled.
int ToggleAtClick(CommandContext& ctx, const ClickInput& click);

// The selection step of an editing command: a single pick moves on to the step after the
// confirmation, unless a window selection waits for "確定".
void SelectionStepClick(CommandContext& ctx, const ClickInput& click);

// Free selection: a click toggles the element under it, or starts a window.
void FreeSelectionClick(CommandContext& ctx, const ClickInput& click);

// The step moves on by one while a selection window is dragged from the pixel.
void BeginWindowDrag(CommandContext& ctx, int x, int y);

// The mouse went up at (x, y) while a selection window was dragged. A drag smaller than "Mado"
// pixels both ways is no window.
void FinishWindowDrag(CommandContext& ctx, int x, int y);

// "確定" of PanelMulti, also a right click with "RiteClick".
void ConfirmSelection(CommandContext& ctx);

// "反転" of PanelMulti.
void InvertSelectionStep(CommandContext& ctx);

}  // namespace vantro
