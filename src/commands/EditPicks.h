// What the editing commands share: picks of the elements they may change, counts typed or asked
// for, and the end of an edit.
#pragma once

#include "commands/CommandContext.h"

#include <optional>
#include <string_view>

namespace vantro {

// The element under the click that the filter accepts, on a layer that is not locked; 0 when there
// is none (a locked element counts as none) or the chooser was cancelled.
int PickUnlocked(CommandContext& ctx, const ClickInput& click, std::string_view kinds);

// A click in a selection step toggles the element under it; true when that picked an element and
// no window waits for "確定", so the command goes on with this one selection.
bool PickedAlone(CommandContext& ctx, const ClickInput& click);

// The click in millimetres.
Point ClickInWorld(const CommandContext& ctx, const ClickInput& click);

// A whole number (copies, parts): nothing when the text is not a number, has a fraction or does
// not fit an int.
std::optional<int> ReadWholeNumber(std::string_view text);

// The element drawn as it now is (highlighted when picked or selected); nothing for an index that
// names no element.
void RedrawElement(Drawing& drawing, int index);

// The picks are dropped and the edited drawing is repainted.
void FinishEdit(CommandContext& ctx);

}  // namespace vantro
