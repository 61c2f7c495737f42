#include "commands/TrimSteps.h"

#include "commands/Dispatch.h"
#include "commands/EditPicks.h"
#include "commands/Selection.h"
#include "commands/SelectionSteps.h"
#include "geometry/ContinuousTrim.h"
#include "geometry/Trim.h"

namespace vantro {
namespace {

using namespace step;

constexpr const char* kTrimKinds = "12345";
constexpr const char* kContinuousTrimKinds = "134";

void TrimWithBoundaries(CommandContext& ctx, bool single)
{
    ctx.State.Editing.SingleBoundary = single;
    EnterStep(ctx, kTrimPiece);
}

}  // namespace

void TrimBoundaryClick(CommandContext& ctx, const ClickInput& click)
{
    if (ToggleAtClick(ctx, click) > 0 && !ctx.State.MultiSelectPending) TrimWithBoundaries(ctx, true);
}

void TrimWindowClick(CommandContext& ctx, const ClickInput&) { TrimWithBoundaries(ctx, false); }

// A single clicked boundary cuts on its whole line and serves one trim; a window's boundaries stay
// for more.
void TrimPieceClick(CommandContext& ctx, const ClickInput& click)
{
    if ((click.Shift & kShiftKey) != 0) {
        const int h = PickElement(ctx, click.X, click.Y, kTrimKinds);
        if (h > 0) ToggleSelected(ctx.Document, h, false);
        return;
    }
    const int h = PickUnlocked(ctx, click, kTrimKinds);
    if (h == 0) return;
    const TrimOutcome outcome = TrimElement(ctx.Document, h, ClickInWorld(ctx, click),
                                            ctx.State.Editing.SingleBoundary, ctx.Preferences.Trimdelete);
    if (outcome == TrimOutcome::Unchanged) return;
    FinishEdit(ctx);
    if (outcome == TrimOutcome::TooManyCuts || ctx.State.Editing.SingleBoundary) {
        ClearPicksAndSelection(ctx.Document, ctx.State);
        ReturnToStep(ctx, kTrimSelect);
    }
}

void ContinuousTrimFirstClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeFirstPick(ctx, click, kContinuousTrimKinds, true) == 0) return;
    ctx.State.Editing.CornerMade = false;
    EnterStep(ctx, kContinuousTrimNext);
}

// The new pick becomes the previous element, its end at the corner the next reference.
void ContinuousTrimNextClick(CommandContext& ctx, const ClickInput& click)
{
    CommandState& state = ctx.State;
    const int previous = state.FirstPick;
    const int next = TakeSecondPick(ctx, click, kContinuousTrimKinds, true);
    if (next == 0) return;
    const ContinuousTrimResult result =
        ContinuousTrimStep(ctx.Document, previous, next, state.InputPoint1, !state.Editing.CornerMade, state.InputPoint2);
    state.Editing.CornerMade = true;
    FinishEdit(ctx);
    state.FirstPick = next;
    state.InputPoint1 = result.NextReference;
    ReturnToStep(ctx, kContinuousTrimNext);
}

}  // namespace vantro
