#include "commands/PropertySteps.h"

#include "commands/EditPicks.h"
#include "commands/SelectionSteps.h"

namespace vantro {
namespace {

void OpenDialog(CommandContext& ctx)
{
    ctx.Result.OpenProperties = true;
    ReturnToStep(ctx, step::kPropertiesSelect);
}

}  // namespace

void PropertiesClick(CommandContext& ctx, const ClickInput& click)
{
    if (PickedAlone(ctx, click)) OpenDialog(ctx);
}

void PropertiesWindowClick(CommandContext& ctx, const ClickInput&) { OpenDialog(ctx); }

}  // namespace vantro
