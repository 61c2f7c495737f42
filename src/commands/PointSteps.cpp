#include "commands/PointSteps.h"

#include "commands/CommonSteps.h"
#include "commands/PointTaking.h"
#include "commands/Selection.h"
#include "geometry/Constructions.h"

namespace vantro {

void PointClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    TakeClickPoint(ctx, click.X, click.Y, false);
    AppendPoint(ctx.Document, ctx.Attributes, ctx.State.InputPoint1);
}

void PointEnter(CommandContext& ctx)
{
    const std::optional<Point> p = ReadEntryPoint(ctx);
    if (!p) return;
    AppendPoint(ctx.Document, ctx.Attributes, *p);
    ctx.Result.WarpTo = *p;
}

void IntersectionFirstClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeFirstPick(ctx, click, "134", false) > 0) EnterStep(ctx, step::kIntersectionPointsSecond);
}

void IntersectionSecondClick(CommandContext& ctx, const ClickInput& click)
{
    TCadData first;
    TCadData second;
    if (!TakeBothPicks(ctx, click, "134", first, second)) return;
    MakeIntersectionPoints(ctx.Document, ctx.Attributes, first, second);
    ReturnToStep(ctx, step::kIntersectionPoints);
}

void CentreLineClick(CommandContext& ctx, const ClickInput& click)
{
    const int pick = PickElement(ctx, click.X, click.Y, "13");
    if (pick >= 1) CenterLine(ctx.Document, ctx.Attributes, PickedElement(ctx, pick));
}

void CircleCentreLinesClick(CommandContext& ctx, const ClickInput& click)
{
    const int pick = PickElement(ctx, click.X, click.Y, "34");
    if (pick < 1) return;
    const TCadData circle = PickedElement(ctx, pick);
    AppendCenterCross(ctx.Document, ctx.Attributes, {circle.Cx, circle.Cy}, circle.R);
}

}  // namespace vantro
