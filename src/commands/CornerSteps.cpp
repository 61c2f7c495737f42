#include "commands/CornerSteps.h"

#include "commands/EditPicks.h"
#include "commands/EntryCalculator.h"
#include "commands/Selection.h"
#include "geometry/Chamfer.h"
#include "geometry/Fillet.h"

namespace vantro {
namespace {

using namespace step;

// Fillet and Chamfer take the same arguments: two elements with their clicks, and the value.
using CornerOperation = bool (*)(Drawing&, const CurrentAttributes&, int, Point, int, Point, double);

struct Corner {
    const char* Kinds;
    uint16_t FirstStep;
    bool Radius;  // a fillet radius below 0 is no radius
    CornerOperation Make;
};

constexpr Corner kFilletCorner{"134", kFillet, true, Fillet};
constexpr Corner kChamferCorner{"1", kChamfer, false, Chamfer};

void FirstClick(CommandContext& ctx, const ClickInput& click, const Corner& corner)
{
    if (TakeFirstPick(ctx, click, corner.Kinds, true) != 0) EnterStep(ctx, static_cast<uint16_t>(corner.FirstStep + 1));
}

// The value in EditR is read when the second element is picked; "入力数値が不正です。" and the
// picks dropped when it is not a number.
void SecondClick(CommandContext& ctx, const ClickInput& click, const Corner& corner)
{
    if (TakeSecondPick(ctx, click, corner.Kinds, true) == 0) return;
    ReturnToStep(ctx, corner.FirstStep);
    const std::optional<double> value = ReadNumber(ctx.Entries.R);
    if (!value || (corner.Radius && *value < 0)) {
        ctx.Dialogs.ShowMessage(kInvalidNumberMessage);
        FinishEdit(ctx);
        return;
    }
    if (corner.Radius) ctx.State.LastFilletRadius = *value;
    const CommandState& state = ctx.State;
    corner.Make(ctx.Document, ctx.Attributes, state.FirstPick, state.InputPoint1, state.SecondPick, state.InputPoint2,
                *value);
    FinishEdit(ctx);
}

}  // namespace

void FilletFirstClick(CommandContext& ctx, const ClickInput& click) { FirstClick(ctx, click, kFilletCorner); }
void FilletSecondClick(CommandContext& ctx, const ClickInput& click) { SecondClick(ctx, click, kFilletCorner); }
void ChamferFirstClick(CommandContext& ctx, const ClickInput& click) { FirstClick(ctx, click, kChamferCorner); }
void ChamferSecondClick(CommandContext& ctx, const ClickInput& click) { SecondClick(ctx, click, kChamferCorner); }

}  // namespace vantro
