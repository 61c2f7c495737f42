#include "commands/EditPicks.h"

#include "commands/EntryCalculator.h"
#include "commands/PointTaking.h"
#include "commands/Selection.h"
#include "commands/SelectionSteps.h"
#include "document/Layers.h"

#include <cmath>
#include <limits>

namespace vantro {

int PickUnlocked(CommandContext& ctx, const ClickInput& click, std::string_view kinds)
{
    const int h = PickElement(ctx, click.X, click.Y, kinds);
    if (h < 1 || IsLayerLocked(ctx.Document.Layers, ctx.Document[h].Layer)) return 0;
    return h;
}

bool PickedAlone(CommandContext& ctx, const ClickInput& click)
{
    return ToggleAtClick(ctx, click) > 0 && !ctx.State.MultiSelectPending;
}

Point ClickInWorld(const CommandContext& ctx, const ClickInput& click) { return PixelToWorld(ctx.View, {click.X, click.Y}); }

std::optional<int> ReadWholeNumber(std::string_view text)
{
    const std::optional<double> value = ReadNumber(text);
    if (!value || std::trunc(*value) != *value) return std::nullopt;
    if (std::abs(*value) > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(*value);
}

void RedrawElement(Drawing& drawing, int index)
{
    if (index >= 1 && index <= drawing.Count && drawing.Listener != nullptr) drawing.Listener->DrawElement(index);
}

void FinishEdit(CommandContext& ctx)
{
    ctx.State.FirstPick = ctx.State.SecondPick = ctx.State.ThirdPick = 0;
    ctx.Result.RepaintEdited = true;
}

}  // namespace vantro
