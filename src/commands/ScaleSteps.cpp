// Scale about a base point by the factor in EditR, and the origin change.
#include "commands/TransformSteps.h"

#include "commands/EditPicks.h"
#include "commands/EntryCalculator.h"
#include "commands/PointTaking.h"
#include "commands/TransformBase.h"
#include "geometry/Transform.h"

namespace vantro {
namespace {

using namespace step;

constexpr const char* kBaseAfterWindowPrompt =
    "倍率をかける基点をクリックするか入力して下さい。[Shift]+クリック=選択変更　(倍率変換)";

// The base is taken: EditR waits, empty, for the factor.
void AskForFactor(CommandContext& ctx)
{
    ShowField(ctx, EntryFocus::R, "");
    ctx.Result.ShowR = true;
    FocusField(ctx, EntryFocus::R);
    EnterStep(ctx, kScaleFactor);
}

}  // namespace

void ScaleSelectClick(CommandContext& ctx, const ClickInput& click)
{
    if (PickedAlone(ctx, click)) EnterBasePoint(ctx, kScaleBase);
}

void ScaleWindowClick(CommandContext& ctx, const ClickInput&) { EnterBasePoint(ctx, kScaleBase, kBaseAfterWindowPrompt); }

void ScaleBaseClick(CommandContext& ctx, const ClickInput& click)
{
    TakeClickPoint(ctx, click.X, click.Y, false);
    AskForFactor(ctx);
}

void ScaleBaseEnter(CommandContext& ctx)
{
    const std::optional<Point> p = ReadTypedPoint(ctx);
    if (!p) return;
    ctx.State.InputPoint1 = *p;
    AskForFactor(ctx);
}

void ScaleFactorClick(CommandContext& ctx, const ClickInput&) { ScaleFactorEnter(ctx); }

// A factor that is not a positive number would fold or collapse the selection.
void ScaleFactorEnter(CommandContext& ctx)
{
    const std::optional<double> factor = ReadNumber(ctx.Entries.R);
    if (!factor || *factor <= 0) {
        ctx.Dialogs.ShowMessage(kBadEntryMessage);
        return;
    }
    ScaleElements(ctx.Document, ctx.State.InputPoint1, *factor);
    ReturnToSelection(ctx, kScaleSelect);
}

// The view's origin goes to the snapped point's pixel, so the drawing keeps its place on screen.
void OriginChangeClick(CommandContext& ctx, const ClickInput&)
{
    if (!ctx.State.SnapFound) return;
    ctx.State.SnapFound = false;
    const Point origin = ctx.State.SnapPoint;
    MoveOrigin(ctx.Document, origin);
    ctx.Result.ViewOrigin = WorldToCanvas(ctx.View, origin.X, origin.Y);
    ctx.Result.Repaint = true;
    ctx.Result.Cancel = true;
}

}  // namespace vantro
