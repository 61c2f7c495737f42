#include "commands/CommonSteps.h"

#include "commands/Dispatch.h"
#include "commands/PointTaking.h"
#include "commands/Selection.h"

#include <cmath>

namespace vantro {

bool FirstPointClick(CommandContext& ctx, const ClickInput& click, uint16_t next)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return false;
    TakeClickPoint(ctx, click.X, click.Y, false);
    EnterStep(ctx, next);
    FocusField(ctx, EntryFocus::X);
    return true;
}

bool FirstPointEnter(CommandContext& ctx, uint16_t next)
{
    const std::optional<Point> p = TypedFirstPoint(ctx);
    if (!p) return false;
    ctx.Result.WarpTo = *p;
    EnterStep(ctx, next);
    FocusField(ctx, EntryFocus::X);
    return true;
}

std::optional<Point> TypedFirstPoint(CommandContext& ctx)
{
    const std::optional<Point> p = ReadEntryPoint(ctx);
    if (!p) return std::nullopt;
    ctx.State.InputPoint1 = *p;
    AnchorAt(ctx, *p);
    return p;
}

Point SnapOrExactPoint(CommandContext& ctx, const ClickInput& click)
{
    if (const std::optional<Point> snapped = TakeSnapPoint(ctx)) return *snapped;
    return PixelToWorld(ctx.View, {click.X, click.Y});
}

std::optional<Point> TakeSnapPoint(CommandContext& ctx)
{
    if (!ctx.State.SnapFound) return std::nullopt;
    ctx.State.SnapFound = false;
    return ctx.State.SnapPoint;
}

double RadiusToClick(CommandContext& ctx, Point centre)
{
    if (const std::optional<Point> snapped = TakeSnapPoint(ctx)) return PointDistance(centre, *snapped);
    const double distance = PointDistance(centre, PixelToWorld(ctx.View, ctx.State.CursorPixel));
    if (ctx.Entries.Integer) return std::nearbyint(distance);
    return ParseFloatOr(FormatNumber(distance), distance);
}

void AnchorAt(CommandContext& ctx, Point p) { ctx.State.AnchorPixel = WorldToCanvas(ctx.View, p.X, p.Y); }

TCadData PickedElement(const CommandContext& ctx, int pick)
{
    if (pick == -1 || pick == -2) return ctx.Document.Scratch[static_cast<size_t>(-pick - 1)];
    if (pick < 1 || pick > ctx.Document.Count) return {};
    return ctx.Document[pick];
}

bool TakeBothPicks(CommandContext& ctx, const ClickInput& click, std::string_view kinds, TCadData& first,
                   TCadData& second)
{
    if (TakeSecondPick(ctx, click, kinds, false) < 1) return false;
    first = PickedElement(ctx, ctx.State.FirstPick);
    second = PickedElement(ctx, ctx.State.SecondPick);
    DropPicks(ctx);
    return true;
}

void AfterCandidates(CommandContext& ctx, uint16_t start, int made, const char* choose, const char* failed)
{
    ctx.Result.Repaint = true;
    ReturnToStep(ctx, start);
    if (made == 0 && failed != nullptr) ShowPrompt(ctx, failed);
    else if (made > 0 && ctx.Document.CandidateCount > 0) ShowPrompt(ctx, choose);
}

void DropPicks(CommandContext& ctx)
{
    const CommandState& state = ctx.State;
    if (state.FirstPick < 0 || state.SecondPick < 0) ctx.Result.Repaint = true;
    ClearPicks(ctx.Document, ctx.State);
    ctx.Document.Scratch = {};
}

}  // namespace vantro
