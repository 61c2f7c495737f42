#include "commands/DeleteSteps.h"

#include "commands/EditPicks.h"
#include "document/ElementStore.h"

namespace vantro {
namespace {

void DeleteTheSelection(CommandContext& ctx)
{
    DeleteSelected(ctx.Document);
    ctx.Result.RepaintEdited = true;
    ReturnToStep(ctx, step::kDeleteSelect);
}

}  // namespace

void DeleteClick(CommandContext& ctx, const ClickInput& click)
{
    if (PickedAlone(ctx, click)) DeleteTheSelection(ctx);
}

void DeleteWindowClick(CommandContext& ctx, const ClickInput&) { DeleteTheSelection(ctx); }

}  // namespace vantro
