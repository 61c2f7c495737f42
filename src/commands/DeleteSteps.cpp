#include "commands/DeleteSteps.h"

#include "commands/SelectionSteps.h"
#include "document/ElementStore.h"

namespace vantro {
namespace {

void DeleteTheSelection(CommandContext& ctx)
{
    DeleteSelected(ctx.Document);
    ctx.Result.Repaint = true;
    ReturnToStep(ctx, step::kDeleteSelect);
}

}  // namespace

void DeleteClick(CommandContext& ctx, const ClickInput& click)
{
    if (ToggleAtClick(ctx, click) > 0 && !ctx.State.MultiSelectPending) DeleteTheSelection(ctx);
}

void DeleteWindowClick(CommandContext& ctx, const ClickInput&) { DeleteTheSelection(ctx); }

}  // namespace vantro
