#include "commands/LineSteps.h"

#include "commands/CommonSteps.h"
#include "commands/PointTaking.h"
#include "geometry/Constructors.h"

namespace vantro {
namespace {

// The line from the first point; back to the first step when one was made.
bool FinishLine(CommandContext& ctx, Point end)
{
    if (!AppendLine(ctx.Document, ctx.Attributes, true, true, ctx.State.InputPoint1, end)) return false;
    ReturnToStep(ctx, step::kLineFirstPoint);
    FocusField(ctx, EntryFocus::X);
    return true;
}

}  // namespace

void LineFirstClick(CommandContext& ctx, const ClickInput& click)
{
    FirstPointClick(ctx, click, step::kLineSecondPoint);
}

void LineFirstEnter(CommandContext& ctx) { FirstPointEnter(ctx, step::kLineSecondPoint); }

void LineSecondClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    const Point end = ClickPoint(ctx, click.Shift, true);
    if (!FinishLine(ctx, end)) return;
    ShowPointInFields(ctx, end);
    ctx.State.LastPoint = end;
    ctx.State.HasLastPoint = true;
}

void LineSecondEnter(CommandContext& ctx)
{
    const std::optional<Point> p = ReadEntryPoint(ctx);
    if (!p || !FinishLine(ctx, *p)) return;
    ctx.Result.WarpTo = *p;
}

}  // namespace vantro
