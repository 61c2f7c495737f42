#include "commands/PropertySteps.h"

#include "commands/EditPicks.h"

namespace vantro {

void PropertiesClick(CommandContext& ctx, const ClickInput& click)
{
    if (PickedAlone(ctx, click)) ctx.Result.OpenProperties = true;
}

void PropertiesWindowClick(CommandContext& ctx, const ClickInput&)
{
    ctx.Result.OpenProperties = true;
    ReturnToStep(ctx, step::kPropertiesSelect);
}

}  // namespace vantro
