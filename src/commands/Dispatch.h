// The routing of clicks and Enter to the running step, and the state a command starts and ends with.
#pragma once

#include "commands/CommandContext.h"
#include "commands/EntryCalculator.h"

namespace vantro {

// A click in a command step: the step's own function from the step table.
void DispatchClick(CommandContext& ctx, const ClickInput& click);

// Enter in a command step, once the calculator and the "@" offsets are resolved.
void DispatchEnter(CommandContext& ctx);

// Enter pressed in an entry field: the one-operator calculator, the "@" offsets against the last
// point, then DispatchEnter; afterwards the fields show the offsets again for the next Enter.
void PressEnter(CommandContext& ctx, EntryField field);

// While candidates are pending every left click chooses among them instead of the step.
void ChooseCandidateAt(CommandContext& ctx, const ClickInput& click);

// What starting a command resets: variant, anchor, points, picks, selection, candidates, redo, the
// hatch boundary. Returns whether candidates or trace lines were removed (the view must be
// repainted).
bool BeginCommandState(Drawing& drawing, CommandState& state, uint16_t code);

// What ending a command resets. Returns whether candidates or trace lines were removed.
bool EndCommandState(Drawing& drawing, CommandState& state);

// Drops the picks, each redrawn plainly.
void ClearPicks(Drawing& drawing, CommandState& state);

// Drops the picks (redrawn plainly), pending candidates and every selected flag (redrawn unless
// candidates were removed). Returns whether candidates were removed.
bool ClearPicksAndSelection(Drawing& drawing, CommandState& state);

}  // namespace vantro
