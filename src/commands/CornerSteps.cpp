#include "commands/CornerSteps.h"

#include "commands/EditPicks.h"
#include "commands/EntryCalculator.h"
#include "commands/Selection.h"
#include "geometry/Chamfer.h"
#include "geometry/Fillet.h"

namespace vantro {
namespace {

using namespace step;

constexpr const char* kFilletKinds = "134";
constexpr const char* kChamferKinds = "1";

// The value in EditR when the second element is picked; "入力数値が不正です。" and the picks
// dropped otherwise. A fillet radius below 0 is no radius either.
std::optional<double> ReadCornerValue(CommandContext& ctx, bool radius)
{
    const std::optional<double> value = ReadNumber(ctx.Entries.R);
    if (value && !(radius && *value < 0)) return value;
    ctx.Dialogs.ShowMessage(kInvalidNumberMessage);
    FinishEdit(ctx);
    return std::nullopt;
}

}  // namespace

void FilletFirstClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeFirstPick(ctx, click, kFilletKinds, true) != 0) EnterStep(ctx, kFilletSecond);
}

void FilletSecondClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeSecondPick(ctx, click, kFilletKinds, true) == 0) return;
    ReturnToStep(ctx, kFillet);
    const std::optional<double> radius = ReadCornerValue(ctx, true);
    if (!radius) return;
    ctx.State.LastFilletRadius = *radius;
    const CommandState& state = ctx.State;
    Fillet(ctx.Document, ctx.Attributes, state.FirstPick, state.InputPoint1, state.SecondPick, state.InputPoint2, *radius);
    FinishEdit(ctx);
}

void ChamferFirstClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeFirstPick(ctx, click, kChamferKinds, true) != 0) EnterStep(ctx, kChamferSecond);
}

void ChamferSecondClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeSecondPick(ctx, click, kChamferKinds, true) == 0) return;
    ReturnToStep(ctx, kChamfer);
    const std::optional<double> length = ReadCornerValue(ctx, false);
    if (!length) return;
    const CommandState& state = ctx.State;
    Chamfer(ctx.Document, ctx.Attributes, state.FirstPick, state.InputPoint1, state.SecondPick, state.InputPoint2, *length);
    FinishEdit(ctx);
}

}  // namespace vantro
