#include "commands/TangentSteps.h"

#include "commands/CommonSteps.h"
#include "commands/EntryCalculator.h"
#include "commands/EntryText.h"
#include "commands/PointTaking.h"
#include "commands/Selection.h"
#include "geometry/Constructions.h"
#include "geometry/ElementPoints.h"
#include "geometry/TangentConstructions.h"

namespace vantro {
namespace {

constexpr const char* kTangentKinds = "1345";
constexpr const char* kTypeRadiusMessage = "半径を入力して[Enter]キーを押して下さい";
constexpr const char* kFirstTangentPrompt = " 1つ目の要素を選択して下さい(円-接円)";
constexpr const char* kNoCrossingMessage = "2直線の交点が有りません！";
constexpr const char* kRadiusTooSmallClickMessage = "半径が小さすぎます！";
constexpr const char* kBadRadiusMessage = "オフセット値が不正です入力数値を確認して下さい！";

// A snap point under the click stands in for an element: a point in a scratch record (picked as
// -1 or -2, drawn highlighted like a pick). Else the element under the click. 0: nothing taken.
int PickOrSnapPoint(CommandContext& ctx, const ClickInput& click, bool second)
{
    int& pick = second ? ctx.State.SecondPick : ctx.State.FirstPick;
    const int earlier = pick;
    int taken = 0;
    if (const std::optional<Point> snapped = TakeSnapPoint(ctx)) {
        TCadData point{};
        point.Kind = kKindPoint;
        point.Cx = snapped->X;
        point.Cy = snapped->Y;
        point.Layer = ctx.Attributes.Layer;
        ctx.Document.Scratch[second ? 1 : 0] = point;
        (second ? ctx.State.InputPoint2 : ctx.State.InputPoint1) = *snapped;
        taken = pick = second ? -2 : -1;
    } else {
        taken = second ? TakeSecondPick(ctx, click, kTangentKinds, false)
                       : TakeFirstPick(ctx, click, kTangentKinds, false);
    }
    if (taken == 0 || ctx.Document.Listener == nullptr) return taken;
    // A pick taken again (after the radius was asked for) leaves the earlier one plain.
    if (earlier > 0 && earlier != taken) ctx.Document.Listener->DrawElement(earlier);
    if (taken < 0) ctx.Document.Listener->DrawElement(taken);
    return taken;
}

TangentObject PickedObject(const CommandContext& ctx, int pick, Point at)
{
    return TangentObjectOf(PickedElement(ctx, pick), at);
}

// The circles (32) or arcs (64) of the radius in EditR tangent to the two picks. An unusable
// radius is told and the picks stay, so that a corrected radius and Enter go on.
void TangentOfTypedRadius(CommandContext& ctx)
{
    const std::optional<double> radius = ReadNumber(ctx.Entries.R);
    if (!radius || !(*radius > 0)) {
        ctx.Dialogs.ShowMessage(radius ? kArcRadiusErrorMessage : kArcInputErrorMessage);
        return;
    }
    ctx.State.LastRadius = *radius;
    const bool arcs = ctx.State.CommandMode == step::kTangentArcSecond;
    const TangentObject first = PickedObject(ctx, ctx.State.FirstPick, ctx.State.InputPoint1);
    const TangentObject second = PickedObject(ctx, ctx.State.SecondPick, ctx.State.InputPoint2);
    DropPicks(ctx);
    const int made = CircleTangentTo2WithRadius(ctx.Document, ctx.Attributes, first, second, *radius, arcs);
    AfterCandidates(ctx, arcs ? step::kTangentArcFirst : step::kTangentCircleFirst, made, kChooseTangentCirclePrompt,
                    kFirstTangentPrompt);
}

// The arc of the radius about the crossing of the two picked lines, then the first step again.
void ArcOfRadius(CommandContext& ctx, double radius)
{
    ctx.State.LastRadius = radius;
    const TCadData line1 = PickedElement(ctx, ctx.State.FirstPick);
    const TCadData line2 = PickedElement(ctx, ctx.State.SecondPick);
    DropPicks(ctx);
    ArcBetweenTwoLines(ctx.Document, ctx.Attributes, line1, ctx.State.InputPoint1, line2, ctx.State.InputPoint2,
                       ctx.State.InputPoint3, radius);
    ReturnToStep(ctx, step::kArcBetweenLinesFirst);
}

}  // namespace

void TangentFirstClick(CommandContext& ctx, const ClickInput& click)
{
    if (PickOrSnapPoint(ctx, click, false) != 0) EnterStep(ctx, static_cast<uint16_t>(ctx.State.CommandMode + 1));
}

void Tangent3SecondClick(CommandContext& ctx, const ClickInput& click)
{
    if (PickOrSnapPoint(ctx, click, true) != 0) EnterStep(ctx, step::kTangent3Third);
}

void TangentRadiusSecondClick(CommandContext& ctx, const ClickInput& click)
{
    if (PickOrSnapPoint(ctx, click, true) == 0) return;
    if (ctx.Entries.R.empty()) {
        ctx.Dialogs.ShowMessage(kTypeRadiusMessage);
        FocusField(ctx, EntryFocus::R);
        return;
    }
    TangentOfTypedRadius(ctx);
}

void TangentRadiusEnter(CommandContext& ctx)
{
    if (ctx.State.SecondPick != 0) TangentOfTypedRadius(ctx);
}

void Tangent3ThirdClick(CommandContext& ctx, const ClickInput& click)
{
    TangentObject third;
    if (const std::optional<Point> snapped = TakeSnapPoint(ctx)) {
        third = TangentObjectAt(*snapped);
    } else {
        const int pick = TakeTargetPick(ctx, click, kTangentKinds, false);
        if (pick < 1) return;
        third = TangentObjectOf(PickedElement(ctx, pick), PixelToWorld(ctx.View, {click.X, click.Y}));
    }
    const TangentObject first = PickedObject(ctx, ctx.State.FirstPick, ctx.State.InputPoint1);
    const TangentObject second = PickedObject(ctx, ctx.State.SecondPick, ctx.State.InputPoint2);
    DropPicks(ctx);
    const int made = CircleTangentTo3(ctx.Document, ctx.Attributes, first, second, third);
    AfterCandidates(ctx, step::kTangent3First, made, kChooseTangentCirclePrompt, nullptr);
}

void ArcBetweenLinesFirstClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeFirstPick(ctx, click, "1", false) > 0) EnterStep(ctx, step::kArcBetweenLinesSecond);
}

void ArcBetweenLinesSecondClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeSecondPick(ctx, click, "1", false) < 1) return;
    const TCadData line1 = PickedElement(ctx, ctx.State.FirstPick);
    const TCadData line2 = PickedElement(ctx, ctx.State.SecondPick);
    Point crossing;
    if (!IntersectLines(StartOf(line1), EndOf(line1), StartOf(line2), EndOf(line2), crossing)) {
        ctx.Dialogs.ShowMessage(kNoCrossingMessage);
        const int second = ctx.State.SecondPick;
        ctx.State.SecondPick = 0;
        if (ctx.Document.Listener != nullptr) ctx.Document.Listener->DrawElement(second);
        return;
    }
    ctx.State.InputPoint3 = crossing;
    if (const std::optional<double> radius = ReadNumber(ctx.Entries.R)) {
        ArcOfRadius(ctx, *radius);
        return;
    }
    AnchorAt(ctx, crossing);
    ctx.Result.SnapLock = false;
    ShowField(ctx, EntryFocus::R, FormatOptionalDecimals(ctx.State.LastRadius));
    EnterStep(ctx, step::kArcBetweenLinesRadius);
    FocusField(ctx, EntryFocus::R);
}

void ArcBetweenLinesRadiusClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    const double radius = RadiusToClick(ctx, ctx.State.InputPoint3);
    if (!(radius > Eps())) {
        ctx.Dialogs.ShowMessage(kRadiusTooSmallClickMessage);
        return;
    }
    ArcOfRadius(ctx, radius);
}

void ArcBetweenLinesRadiusEnter(CommandContext& ctx)
{
    const std::optional<double> radius = ReadNumber(ctx.Entries.R);
    if (!radius) {
        ctx.Dialogs.ShowMessage(kBadRadiusMessage);
        return;
    }
    ArcOfRadius(ctx, *radius);
    FocusField(ctx, EntryFocus::R);
}

}  // namespace vantro
