#include "commands/SelectionSteps.h"

#include "commands/Dispatch.h"
#include "commands/HatchSteps.h"
#include "commands/Selection.h"
#include "commands/StepTable.h"
#include "document/Layers.h"
#include "geometry/Trim.h"

#include <cstdlib>

namespace vantro {
namespace {

constexpr const char* kNothingSelectedMessage = "図形がありません";

void ShowSelectionCount(CommandContext& ctx)
{
    ShowPrompt(ctx, "選択数" + std::to_string(ctx.State.SelectionCount));
}

void WaitForConfirmation(CommandContext& ctx)
{
    ctx.State.MultiSelectPending = true;
    ctx.Result.MultiPanel = true;
}

}  // namespace

int ToggleAtClick(CommandContext& ctx, const ClickInput& click)
{
    const StepRow* row = FindStep(ctx.State.CommandMode);
    int h = PickElement(ctx, click.X, click.Y, row != nullptr && row->PickKinds != nullptr ? row->PickKinds : "0");
    if (h < 0) return h;
    if (h > 0 && IsLayerLocked(ctx.Document.Layers, ctx.Document[h].Layer)) h = 0;
    if (h == 0) {
        BeginWindowDrag(ctx, click.X, click.Y);
        return 0;
    }
    ToggleSelected(ctx.Document, h, ctx.Entries.GroupPick);
    return h;
}

void SelectionStepClick(CommandContext& ctx, const ClickInput& click)
{
    const uint16_t code = ctx.State.CommandMode;
    if (ToggleAtClick(ctx, click) <= 0) return;
    const StepRow* row = FindStep(code);
    if (row != nullptr && row->PanelAlways) {
        WaitForConfirmation(ctx);
        return;
    }
    if (!ctx.State.MultiSelectPending) EnterStep(ctx, static_cast<uint16_t>(code + 2));
}

void FreeSelectionClick(CommandContext& ctx, const ClickInput& click)
{
    const PickContext pick = PickContextAt(ctx.View, ctx.Preferences, ctx.FillsShown, click.X, click.Y);
    const int h = FindElementNear(ctx.Document, ctx.Index, pick, 1);
    if (h == 0) {
        BeginWindowDrag(ctx, click.X, click.Y);
        return;
    }
    ToggleSelected(ctx.Document, h, false);
    ctx.State.SelectionCount += ctx.Document[h].Selected == 1 ? 1 : -1;
    ShowSelectionCount(ctx);
}

void BeginWindowDrag(CommandContext& ctx, int x, int y)
{
    CommandState& state = ctx.State;
    ++state.CommandMode;
    state.AnchorPixel = state.CursorPixel = {x, y};
    state.WindowDragActive = true;
}

void FinishWindowDrag(CommandContext& ctx, int x, int y)
{
    CommandState& state = ctx.State;
    state.WindowDragActive = false;
    const CanvasPoint anchor = state.AnchorPixel;
    const int minimum = ctx.Preferences.Mado;
    if (std::abs(x - anchor.X) < minimum && std::abs(y - anchor.Y) < minimum) {
        --state.CommandMode;
        return;
    }
    const SelectionWindow window = WindowBetween(ctx.View, anchor, {x, y});
    state.LastWindow = {window.Left, window.Right, window.Bottom, window.Top};
    const StepRow* row = FindStep(state.CommandMode);
    WindowRules rules;
    rules.Annotations = row != nullptr && row->WindowTakesAnnotations;
    rules.Locked = row != nullptr && row->WindowTakesLocked;
    rules.Fineness = ctx.Preferences.Bunkatu;
    SelectInWindow(ctx.Document, ctx.Index, window, rules);
    --state.CommandMode;
    if (state.CommandMode == step::kFreeSelection) {
        state.SelectionCount = CountSelected(ctx.Document);
        ShowSelectionCount(ctx);
        return;
    }
    WaitForConfirmation(ctx);
}

void ConfirmSelection(CommandContext& ctx)
{
    CommandState& state = ctx.State;
    if (state.CommandMode == step::kHatch) {
        ConfirmHatch(ctx);
        return;
    }
    const int selected = CountSelected(ctx.Document);
    ctx.Result.MultiPanel = false;
    if (selected == 0) {
        state.MultiSelectPending = false;
        ctx.Dialogs.ShowMessage(kNothingSelectedMessage);
        return;
    }
    if (!state.MultiSelectPending) return;
    state.MultiSelectPending = false;
    if (state.CommandMode == step::kTrimSelect && selected > kMaxTrimCuts) {
        ctx.Dialogs.ShowMessage(kTooManyTrimCutsMessage);
        ClearSelection(ctx.Document, true);
        return;
    }
    ++state.CommandMode;
    DispatchClick(ctx, {});
}

void InvertSelectionStep(CommandContext& ctx)
{
    const StepRow* row = FindStep(ctx.State.CommandMode);
    const bool allKinds = row != nullptr && row->WindowTakesAnnotations;
    const bool locked = row != nullptr && row->WindowTakesLocked;
    InvertSelection(ctx.Document, allKinds, locked);
    ctx.Result.Repaint = true;
}

}  // namespace vantro
