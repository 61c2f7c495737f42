#include "commands/ExtendSteps.h"

#include "commands/EditPicks.h"
#include "commands/Selection.h"
#include "geometry/Extend.h"

namespace vantro {
namespace {

using namespace step;

constexpr const char* kExtendedKinds = "123";
constexpr const char* kTargetKinds = "1234";

}  // namespace

void ExtendPickClick(CommandContext& ctx, const ClickInput& click)
{
    const int h = PickUnlocked(ctx, click, kExtendedKinds);
    if (h == 0) return;
    const int8_t kind = ctx.Document[h].Kind;
    if (kind == kKindEllipse || (kind == kKindArc && (click.Shift & kShiftKey) != 0)) {
        if (kind == kKindEllipse ? RestoreEllipsePiece(ctx.Document, h) : CloseArc(ctx.Document, h)) FinishEdit(ctx);
        return;
    }
    const Point at = ClickInWorld(ctx, click);
    if (ctx.State.AltVariant) {
        if (ExtendByValue(ctx.Document, h, at)) FinishEdit(ctx);
        return;
    }
    ctx.State.SecondPick = h;
    ctx.State.InputPoint2 = at;
    RedrawElement(ctx.Document, h);
    EnterStep(ctx, kExtendTarget);
}

// A bare position is taken too; with "SnapChk" only by Ctrl+click.
void ExtendTargetClick(CommandContext& ctx, const ClickInput& click)
{
    const int h = PickElement(ctx, click.X, click.Y, kTargetKinds);
    if (h < 0 || (h > 0 && h == ctx.State.SecondPick)) return;
    if (h == 0 && ctx.Preferences.SnapChk && (click.Shift & kCtrlKey) == 0) return;
    CommandState& state = ctx.State;
    state.InputPoint1 = ClickInWorld(ctx, click);
    state.FirstPick = h;
    ExtendToTarget(ctx.Document, state.SecondPick, state.InputPoint2, h, state.InputPoint1);
    FinishEdit(ctx);
    ReturnToStep(ctx, kExtend);
}

}  // namespace vantro
