// Move and move-copy: a base point and a destination, clicked or typed; the copies are counted in
// EditR.
#include "commands/TransformSteps.h"

#include "commands/EditPicks.h"
#include "commands/EntryCalculator.h"
#include "commands/PointTaking.h"
#include "commands/TransformBase.h"
#include "geometry/Transform.h"

namespace vantro {
namespace {

using namespace step;

constexpr const char* kBaseAfterWindowPrompt = "基点をクリックするか移動距離を入力して下さい。(移動)";
constexpr const char* kZeroMoveMessage = "エラー　移動量=0";
constexpr const char* kBadCopyCountMessage = "コピー数が不正です";
constexpr double kLeastMove = 0.0001;

bool IsCopy(uint16_t code) { return code == kMoveCopySelect || code == kMoveCopyWindow || code == kMoveCopyBase || code == kMoveCopyDestination; }

// A displacement too short to see is refused.
bool AcceptMove(CommandContext& ctx, Point v)
{
    if (PointDistance({}, v) > kLeastMove) return true;
    ctx.Dialogs.ShowMessage(kZeroMoveMessage);
    return false;
}

// EditR offers one copy; Enter in step 99 makes them.
void AskForCopies(CommandContext& ctx)
{
    ShowField(ctx, EntryFocus::R, "1");
    ctx.Result.ShowR = true;
    ctx.Result.LabelR = "N";
    FocusField(ctx, EntryFocus::R);
    EnterStep(ctx, kMoveCopyCount);
}

// The fields go, snapping is locked, and the command goes back to its selection; the move that
// places pasted elements ends the command instead.
void FinishMove(CommandContext& ctx, uint16_t selectStep)
{
    ctx.Result.ShowX = ctx.Result.ShowY = ctx.Result.ShowR = false;
    ReturnToSelection(ctx, selectStep);
    if (!ctx.State.Editing.PasteReposition) return;
    ctx.State.Editing.PasteReposition = false;
    ctx.Result.Cancel = true;
}

void MoveSelection(CommandContext& ctx, Point v)
{
    MoveElements(ctx.Document, ctx.Attributes.Layer, 0, v);
    FinishMove(ctx, kMoveSelect);
}

}  // namespace

void MoveSelectClick(CommandContext& ctx, const ClickInput& click)
{
    const bool copy = IsCopy(ctx.State.CommandMode);
    if (PickedAlone(ctx, click)) EnterBasePoint(ctx, copy ? kMoveCopyBase : kMoveBase);
}

void MoveWindowClick(CommandContext& ctx, const ClickInput&)
{
    const bool copy = IsCopy(ctx.State.CommandMode);
    EnterBasePoint(ctx, copy ? kMoveCopyBase : kMoveBase, kBaseAfterWindowPrompt);
    if (!copy) return;
    ShowField(ctx, EntryFocus::R, "1");
    ctx.Result.ShowR = true;
    ctx.Result.LabelR = "N";
}

void MoveBaseClick(CommandContext& ctx, const ClickInput& click)
{
    TakeClickPoint(ctx, click.X, click.Y, false);
    EnterStep(ctx, IsCopy(ctx.State.CommandMode) ? kMoveCopyDestination : kMoveDestination);
}

// Typed at the base point, EditX and EditY are the displacement itself.
void MoveBaseEnter(CommandContext& ctx)
{
    const std::optional<Point> v = ReadTypedPoint(ctx);
    if (!v || !AcceptMove(ctx, *v)) return;
    if (!IsCopy(ctx.State.CommandMode)) {
        MoveSelection(ctx, *v);
        return;
    }
    ctx.Result.ShowX = ctx.Result.ShowY = false;
    AskForCopies(ctx);
}

void MoveDestinationClick(CommandContext& ctx, const ClickInput& click)
{
    const Point end = ClickPoint(ctx, click.Shift, true);
    const Point v{end.X - ctx.State.InputPoint1.X, end.Y - ctx.State.InputPoint1.Y};
    ShowPointInFields(ctx, v);
    if (!AcceptMove(ctx, v)) return;
    if (IsCopy(ctx.State.CommandMode)) AskForCopies(ctx);
    else MoveSelection(ctx, v);
}

// The displacement stays in EditX and EditY, shown or not.
void MoveCopyCountEnter(CommandContext& ctx)
{
    const std::optional<int> copies = ReadWholeNumber(ctx.Entries.R);
    if (!copies || *copies < 1 || *copies > ctx.Document.Capacity) {
        ctx.Dialogs.ShowMessage(kBadCopyCountMessage);
        return;
    }
    const std::optional<double> x = ReadNumber(ctx.Entries.X);
    const std::optional<double> y = ReadNumber(ctx.Entries.Y);
    if (!x || !y) {
        ctx.Dialogs.ShowMessage(kCheckTypedPointMessage);
        return;
    }
    MoveElements(ctx.Document, ctx.Attributes.Layer, *copies, {*x, *y});
    FinishMove(ctx, kMoveCopySelect);
}

}  // namespace vantro
