#include "commands/OffsetSteps.h"

#include "commands/Dispatch.h"
#include "commands/EditPicks.h"
#include "commands/EntryCalculator.h"
#include "commands/Selection.h"
#include "geometry/ChainOffset.h"
#include "geometry/ChainTrace.h"
#include "geometry/Offsets.h"

namespace vantro {
namespace {

using namespace step;

constexpr const char* kOffsetKinds = "1234";
constexpr const char* kChainKinds = "13";
constexpr const char* kDistanceFirstMessage = "先にオフセット値を入力して下さい！";

// The distance in EditR, which becomes the last offset; empty, not a number or not above Eps:
// the message.
std::optional<double> ReadDistance(CommandContext& ctx)
{
    const std::optional<double> d = ReadNumber(ctx.Entries.R);
    if (!d) {
        ctx.Dialogs.ShowMessage(kOffsetValueMessage);
        return std::nullopt;
    }
    if (!AcceptOffsetDistance(ctx.Document, *d)) return std::nullopt;
    ctx.State.LastOffset = *d;
    return d;
}

// The pick toward the side given by InputPoint2.
void OffsetTowardsSide(CommandContext& ctx)
{
    const std::optional<double> d = ReadDistance(ctx);
    if (!d) return;
    const CommandState& state = ctx.State;
    if (OffsetElement(ctx.Document, ctx.Attributes, state.FirstPick, *d, state.InputPoint2, ctx.Preferences.Bunkatu))
        ctx.Result.RepaintEdited = true;
    FocusField(ctx, EntryFocus::R);
    ReturnToStep(ctx, kOffset);
}

void OffsetBothSides(CommandContext& ctx)
{
    if (!ReadNumber(ctx.Entries.R)) {
        ctx.Dialogs.ShowMessage(kDistanceFirstMessage);
        return;
    }
    const std::optional<double> d = ReadDistance(ctx);
    if (d && OffsetElementBothSides(ctx.Document, ctx.Attributes, ctx.State.FirstPick, *d, ctx.Preferences.Bunkatu) > 0)
        ctx.Result.RepaintEdited = true;
}

// The previous pick is drawn plainly again before the next one is taken.
int TakeFreshPick(CommandContext& ctx, const ClickInput& click, std::string_view kinds)
{
    const int previous = ctx.State.FirstPick;
    ctx.State.FirstPick = 0;
    RedrawElement(ctx.Document, previous);
    return TakeFirstPick(ctx, click, kinds, false);
}

}  // namespace

void OffsetPickClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeFreshPick(ctx, click, kOffsetKinds) != 0) EnterStep(ctx, kOffsetSide);
}

void OffsetSideClick(CommandContext& ctx, const ClickInput& click)
{
    ctx.State.InputPoint2 = ClickInWorld(ctx, click);
    OffsetTowardsSide(ctx);
}

// Before the side of the new pick is known there is nothing to offset: the distance is only checked.
void OffsetEnter(CommandContext& ctx)
{
    if (ctx.State.FirstPick == 0) return;
    if (ctx.State.CommandMode == kOffsetSide) ReadDistance(ctx);
    else OffsetTowardsSide(ctx);
}

void ChainOffsetPickClick(CommandContext& ctx, const ClickInput& click)
{
    const int h = TakeFirstPick(ctx, click, kChainKinds, false);
    if (h == 0) return;
    const int links = MarkChain(ctx.Document, h, ctx.State.InputPoint1, ctx.Entries.GroupPick);
    if (links > 0) {
        EnterStep(ctx, kChainOffsetSide);
        return;
    }
    ctx.Dialogs.ShowMessage(links < 0 ? kChainDuplicateEndsMessage : kChainNothingConnectedMessage);
    ClearPicksAndSelection(ctx.Document, ctx.State);
}

void ChainOffsetSideClick(CommandContext& ctx, const ClickInput& click)
{
    const std::optional<double> d = ReadDistance(ctx);
    if (!d) return;
    const CommandState& state = ctx.State;
    ChainOffsetSettings settings;
    settings.OfsetPatern = ctx.Preferences.OfsetPatern;
    settings.OfsetErr1 = ctx.Preferences.OfsetErr1;
    settings.OfsetErr2 = ctx.Preferences.OfsetErr2;
    settings.GroupCheck = ctx.Entries.GroupPick;
    ChainOffset(ctx.Document, ctx.Attributes, state.FirstPick, state.InputPoint1, *d, ClickInWorld(ctx, click), settings);
    ClearPicksAndSelection(ctx.Document, ctx.State);
    FinishEdit(ctx);
    ReturnToStep(ctx, kChainOffset);
}

void BothSidesClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeFreshPick(ctx, click, kOffsetKinds) != 0) OffsetBothSides(ctx);
}

void BothSidesEnter(CommandContext& ctx)
{
    if (ctx.State.FirstPick != 0) OffsetBothSides(ctx);
}

}  // namespace vantro
