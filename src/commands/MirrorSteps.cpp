// Mirror and mirror-copy: the axis from two points, clicked or typed.
#include "commands/TransformSteps.h"

#include "commands/EditPicks.h"
#include "commands/PointTaking.h"
#include "commands/TransformBase.h"
#include "geometry/Transform.h"

namespace vantro {
namespace {

using namespace step;

constexpr const char* kAxisAfterWindowPrompt =
    "軸基点をクリックするか入力して下さい。[Shift]+クリック=選択変更　(ミラー範囲)";
constexpr const char* kZeroAxisMessage = "エラー　ミラー軸=0";
constexpr double kLeastAxis = 0.0001;

bool IsCopy(uint16_t code) { return code >= kMirrorCopySelect && code <= kMirrorCopyAxisEnd; }

void MirrorSelection(CommandContext& ctx, Point end)
{
    if (PointDistance(ctx.State.InputPoint1, end) < kLeastAxis) {
        ctx.Dialogs.ShowMessage(kZeroAxisMessage);
        return;
    }
    const bool copy = IsCopy(ctx.State.CommandMode);
    MirrorElements(ctx.Document, ctx.Attributes.Layer, copy, ctx.State.InputPoint1, end);
    ReturnToSelection(ctx, copy ? kMirrorCopySelect : kMirrorSelect);
}

uint16_t AxisStartOf(uint16_t code) { return IsCopy(code) ? kMirrorCopyAxisStart : kMirrorAxisStart; }

}  // namespace

void MirrorSelectClick(CommandContext& ctx, const ClickInput& click)
{
    const uint16_t code = ctx.State.CommandMode;
    if (PickedAlone(ctx, click)) EnterBasePoint(ctx, AxisStartOf(code));
}

void MirrorWindowClick(CommandContext& ctx, const ClickInput&)
{
    EnterBasePoint(ctx, AxisStartOf(ctx.State.CommandMode), kAxisAfterWindowPrompt);
}

void MirrorAxisStartClick(CommandContext& ctx, const ClickInput& click)
{
    TakeClickPoint(ctx, click.X, click.Y, false);
    EnterStep(ctx, static_cast<uint16_t>(ctx.State.CommandMode + 1));
}

void MirrorAxisStartEnter(CommandContext& ctx)
{
    const std::optional<Point> p = ReadTypedPoint(ctx);
    if (!p) return;
    ctx.State.InputPoint1 = *p;
    AnchorAtTypedPoint(ctx, *p);
    EnterStep(ctx, static_cast<uint16_t>(ctx.State.CommandMode + 1));
}

void MirrorAxisEndClick(CommandContext& ctx, const ClickInput& click)
{
    MirrorSelection(ctx, ClickPoint(ctx, click.Shift, true));
}

void MirrorAxisEndEnter(CommandContext& ctx)
{
    const std::optional<Point> end = ReadTypedPoint(ctx);
    if (!end) return;
    ctx.Result.WarpTo = *end;
    MirrorSelection(ctx, *end);
}

}  // namespace vantro
