#include "commands/CircleSteps.h"

#include "commands/CommonSteps.h"
#include "commands/EntryCalculator.h"
#include "commands/EntryText.h"
#include "commands/PointTaking.h"
#include "geometry/Constructions.h"

namespace vantro {
namespace {

constexpr const char* kComputationMessage = "計算エラー。";
constexpr const char* kThirdPointTypedPrompt = "3点目を入力、又はクリックして下さい(円-3点)";

// The circle just appended gets its centre cross when CheckBoxCrCenter is checked.
void AddCentreCross(CommandContext& ctx)
{
    if (!ctx.Entries.CentreCross) return;
    const TCadData circle = ctx.Document[ctx.Document.Count];
    AppendCenterCross(ctx.Document, ctx.Attributes, {circle.Cx, circle.Cy}, circle.R);
}

// The circle about InputPoint1; the right-button variant shows and keeps its diameter.
void FinishCircle(CommandContext& ctx, double radius, const char* failure)
{
    if (!AppendCircle(ctx.Document, ctx.Attributes, true, ctx.State.InputPoint1, radius)) {
        ctx.Dialogs.ShowMessage(failure);
        return;
    }
    AddCentreCross(ctx);
    if (ctx.State.AltVariant) {
        ctx.State.LastDiameter = 2 * radius;
        ShowField(ctx, EntryFocus::R, FormatShortest(ctx.State.LastDiameter));
    } else {
        ctx.State.LastRadius = radius;
        ShowField(ctx, EntryFocus::R, FormatShortest(radius));
    }
    ReturnToStep(ctx, step::kCircleCentre);
}

// EditR as the radius, or in the right-button variant as the diameter.
void CircleOfTypedSize(CommandContext& ctx)
{
    const std::optional<double> size = ReadNumber(ctx.Entries.R);
    if (!size) {
        ctx.Dialogs.ShowMessage(kBadEntryMessage);
        return;
    }
    FinishCircle(ctx, ctx.State.AltVariant ? *size / 2 : *size, kComputationMessage);
}

// The centre is taken; the radius comes from EditR at once (CheckBoxLock, or typed centre with a
// radius already there) or from the next input.
void AfterCentre(CommandContext& ctx, bool sizeNow)
{
    if (sizeNow) {
        CircleOfTypedSize(ctx);
        return;
    }
    EnterStep(ctx, step::kCircleRadius);
    FocusField(ctx, EntryFocus::R);
}

void CircleOn2PointsTo(CommandContext& ctx, Point p)
{
    if (!CircleOn2Points(ctx.Document, ctx.Attributes, ctx.State.InputPoint1, p)) return;
    AddCentreCross(ctx);
    ReturnToStep(ctx, step::kCircle2PointsFirst);
}

void CircleThrough3PointsTo(CommandContext& ctx, Point p)
{
    if (!AppendCircleThrough3Points(ctx.Document, ctx.Attributes, ctx.State.InputPoint1, ctx.State.InputPoint2, p))
        return;
    AddCentreCross(ctx);
    ReturnToStep(ctx, step::kCircle3PointsFirst);
}

// The second of three points; the preview reads it as the last point.
void TakeSecondOf3(CommandContext& ctx, Point p)
{
    ctx.State.InputPoint2 = p;
    ctx.State.LastPoint = p;
    ctx.State.HasLastPoint = true;
    EnterStep(ctx, step::kCircle3PointsThird);
}

}  // namespace

void CircleCentreClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    TakeClickPoint(ctx, click.X, click.Y, false);
    AfterCentre(ctx, ctx.Entries.RadiusLocked);
}

void CircleCentreEnter(CommandContext& ctx)
{
    if (TypedFirstPoint(ctx)) AfterCentre(ctx, !ctx.Entries.R.empty());
}

void CircleRadiusClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    FinishCircle(ctx, RadiusToClick(ctx, ctx.State.InputPoint1), kCannotDrawMessage);
}

void CircleRadiusEnter(CommandContext& ctx) { CircleOfTypedSize(ctx); }

void CirclePointsFirstClick(CommandContext& ctx, const ClickInput& click)
{
    FirstPointClick(ctx, click, static_cast<uint16_t>(ctx.State.CommandMode + 1));
}

void CirclePointsFirstEnter(CommandContext& ctx)
{
    FirstPointEnter(ctx, static_cast<uint16_t>(ctx.State.CommandMode + 1));
}

void Circle2PointsSecondClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    CircleOn2PointsTo(ctx, ClickPoint(ctx, click.Shift, false));
}

void Circle2PointsSecondEnter(CommandContext& ctx)
{
    if (const std::optional<Point> p = ReadEntryPoint(ctx)) CircleOn2PointsTo(ctx, *p);
}

void Circle3PointsSecondClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    TakeSecondOf3(ctx, ClickPoint(ctx, click.Shift, false));
}

void Circle3PointsSecondEnter(CommandContext& ctx)
{
    const std::optional<Point> p = ReadEntryPoint(ctx);
    if (!p) return;
    TakeSecondOf3(ctx, *p);
    ShowPrompt(ctx, kThirdPointTypedPrompt);
}

void Circle3PointsThirdClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    CircleThrough3PointsTo(ctx, ClickPoint(ctx, click.Shift, false));
}

void Circle3PointsThirdEnter(CommandContext& ctx)
{
    if (const std::optional<Point> p = ReadEntryPoint(ctx)) CircleThrough3PointsTo(ctx, *p);
}

}  // namespace vantro
