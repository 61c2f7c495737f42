#include "commands/TransformBase.h"

#include "commands/EditPicks.h"
#include "commands/PointTaking.h"

namespace vantro {

void EnterBasePoint(CommandContext& ctx, uint16_t code, const char* prompt)
{
    ShowField(ctx, EntryFocus::X, "");
    ShowField(ctx, EntryFocus::Y, "");
    ctx.Result.ShowX = ctx.Result.ShowY = true;
    ctx.Result.SnapLock = false;
    FocusField(ctx, EntryFocus::X);
    EnterStep(ctx, code);
    if (prompt != nullptr) ShowPrompt(ctx, prompt);
}

std::optional<Point> ReadTypedPoint(CommandContext& ctx) { return ReadEntryPoint(ctx, kCheckTypedPointMessage); }

void ReturnToSelection(CommandContext& ctx, uint16_t code)
{
    ctx.Result.SnapLock = true;
    FinishEdit(ctx);
    ReturnToStep(ctx, code);
}

}  // namespace vantro
