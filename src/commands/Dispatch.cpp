#include "commands/Dispatch.h"

#include "commands/HatchSteps.h"
#include "commands/Selection.h"
#include "commands/StepTable.h"
#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/Candidates.h"

namespace vantro {
namespace {

// The candidates are lines, arcs, circles and points.
constexpr const char* kCandidateKinds = "1345";

}  // namespace

void DispatchClick(CommandContext& ctx, const ClickInput& click)
{
    const StepRow* row = FindStep(ctx.State.CommandMode);
    if (row != nullptr && row->Click != nullptr) row->Click(ctx, click);
}

void DispatchEnter(CommandContext& ctx)
{
    const StepRow* row = FindStep(ctx.State.CommandMode);
    if (row != nullptr && row->Enter != nullptr) row->Enter(ctx);
}

void PressEnter(CommandContext& ctx, EntryField field)
{
    const EntryFields typed{ctx.Entries.X, ctx.Entries.Y, ctx.Entries.R, ctx.Entries.XShown, ctx.Entries.YShown};
    const EnterResolution resolution = ResolveEnter(typed, field, ctx.State.LastPoint);
    switch (resolution.Outcome) {
    case EnterOutcome::CalculatorError: ctx.Dialogs.ShowMessage(kCalculatorErrorMessage); return;
    case EnterOutcome::BadNumber: ctx.Dialogs.ShowMessage(kBadEntryMessage); return;
    case EnterOutcome::WroteBack:
        ShowField(ctx, EntryFocus::X, resolution.Shown.X);
        ShowField(ctx, EntryFocus::Y, resolution.Shown.Y);
        ShowField(ctx, EntryFocus::R, resolution.Shown.R);
        return;
    case EnterOutcome::Dispatch: break;
    }
    ShowField(ctx, EntryFocus::X, resolution.Shown.X);
    ShowField(ctx, EntryFocus::Y, resolution.Shown.Y);
    ctx.State.LastPoint = resolution.LastPoint;
    ctx.State.HasLastPoint = true;
    DispatchEnter(ctx);
    if (!resolution.XAfterStep.empty()) ShowField(ctx, EntryFocus::X, resolution.XAfterStep);
    if (!resolution.YAfterStep.empty()) ShowField(ctx, EntryFocus::Y, resolution.YAfterStep);
}

void ChooseCandidateAt(CommandContext& ctx, const ClickInput& click)
{
    const int h = PickElement(ctx, click.X, click.Y, kCandidateKinds);
    if (h < 1 || !IsCandidate(ctx.Document, h)) return;
    ChooseCandidate(ctx.Document, ctx.Attributes, h);
    ctx.Result.Repaint = true;
    ReturnToStep(ctx, ctx.State.CommandMode);
}

void ClearPicks(Drawing& drawing, CommandState& state)
{
    for (int* pick : {&state.FirstPick, &state.SecondPick, &state.ThirdPick}) {
        const int index = *pick;
        *pick = 0;
        if (index >= 1 && index <= drawing.Count && drawing.Listener != nullptr) drawing.Listener->DrawElement(index);
    }
}

bool ClearPicksAndSelection(Drawing& drawing, CommandState& state)
{
    ClearPicks(drawing, state);
    const bool hadCandidates = drawing.CandidateCount > 0;
    RemoveCandidates(drawing);
    ClearSelection(drawing, !hadCandidates);
    state.SelectionCount = 0;
    return hadCandidates;
}

bool BeginCommandState(Drawing& drawing, CommandState& state, uint16_t code)
{
    state.AltVariant = false;
    state.AnchorPixel = kNoAnchor;
    state.SnapMarkerPixel = {};
    state.CursorPixel = state.AnchorPixel;
    state.InputPoint1 = state.InputPoint2 = state.InputPoint3 = {};
    state.MultiSelectPending = false;
    state.CommandMode = code;
    state.WindowDragActive = false;
    EndRefusal(drawing);
    drawing.Saved = false;
    ClearRedo(drawing);
    state.LastCommand = code;
    state.Editing = {};
    const bool traced = DropHatchBoundary(state);
    const bool repaint = ClearPicksAndSelection(drawing, state);
    drawing.Scratch = {};
    return repaint || traced;
}

bool EndCommandState(Drawing& drawing, CommandState& state)
{
    state.SnapFound = false;
    drawing.Scratch = {};
    state.CommandMode = step::kIdle;
    state.MultiSelectPending = false;
    state.WindowDragActive = false;
    state.Editing = {};
    const bool traced = DropHatchBoundary(state);
    return ClearPicksAndSelection(drawing, state) || traced;
}

}  // namespace vantro
