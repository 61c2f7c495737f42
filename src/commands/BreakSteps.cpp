#include "commands/BreakSteps.h"

#include "commands/EditPicks.h"
#include "commands/Selection.h"
#include "document/ElementStore.h"
#include "geometry/BreakJoin.h"

namespace vantro {
namespace {

using namespace step;

constexpr const char* kCutKinds = "1234";
constexpr const char* kDeletePieceQuestion = "分解した要素の片方を削除しますか";
constexpr const char* kNotASplitPieceMessage = "分解した図形ではありません！";
// The cut is looked for this many pixels about the click.
constexpr double kCutAperturePixels = 3;

// The armed click deletes one of the two pieces: the split element or the newest one.
void DeleteSplitPiece(CommandContext& ctx, const ClickInput& click)
{
    const int h = PickUnlocked(ctx, click, kCutKinds);
    if (h == 0) return;
    if (h != ctx.State.Editing.ArmedSplit && h != ctx.Document.Count) {
        ctx.Dialogs.ShowMessage(kNotASplitPieceMessage);
        return;
    }
    Delete(ctx.Document, h, true);
    ctx.State.Editing.ArmedSplit = 0;
    FinishEdit(ctx);
}

}  // namespace

void PartialDeleteClick(CommandContext& ctx, const ClickInput& click)
{
    if (ctx.State.Editing.ArmedSplit != 0) {
        DeleteSplitPiece(ctx, click);
        return;
    }
    const int h = PickUnlocked(ctx, click, kCutKinds);
    if (h == 0) return;
    CommandState& state = ctx.State;
    std::optional<Point> snap;
    if (state.SnapFound) snap = state.SnapPoint;
    state.SnapFound = false;
    const double aperture = kCutAperturePixels / ViewScale(ctx.View);
    const BreakResult cut = BreakAtPoint(ctx.Document, h, ClickInWorld(ctx, click), snap, aperture);
    if (cut.Pieces == 0) return;
    FinishEdit(ctx);
    ctx.Result.Markers.push_back(cut.At);
    if (cut.Pieces == 2 && IsAffirmative(ctx.Dialogs.Ask(kDeletePieceQuestion, QuestionButtons::YesNo)))
        state.Editing.ArmedSplit = h;
}

void BreakFirstClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeFirstPick(ctx, click, kCutKinds, true) != 0) EnterStep(ctx, kBreakBoundary);
}

void BreakBoundaryClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeSecondPick(ctx, click, kCutKinds, false) == 0) return;
    ctx.Result.Markers = BreakElement(ctx.Document, ctx.State.FirstPick, ctx.State.SecondPick);
    FinishEdit(ctx);
    ReturnToStep(ctx, kBreak);
}

}  // namespace vantro
