#include "commands/LineCommandSteps.h"

#include "commands/CommonSteps.h"
#include "commands/EntryCalculator.h"
#include "commands/PointTaking.h"
#include "commands/Selection.h"
#include "geometry/Constructions.h"
#include "geometry/TangentConstructions.h"

#include <cmath>

namespace vantro {
namespace {

constexpr const char* kAngleRangeMessage = "角度は-360～360度の範囲で入力して下さい";
constexpr const char* kComputationMessage = "計算エラー。";
constexpr const char* kNoTangentPrompt = " 1つ目の要素を選択して下さい(直線-接円)";

// How the ends of a line across the view are rounded.
enum class Ends { Exact, Whole, WholeAndOneMore };

// The line across the visible canvas at height y (horizontal) or at x (vertical), left to right or
// top to bottom.
void LineAcrossView(CommandContext& ctx, bool horizontal, double at, Ends ends)
{
    const ViewState& v = ctx.View;
    const double s = ViewScale(v);
    double first = horizontal ? -v.OriginX / s : v.OriginY / s;
    double second = horizontal ? (v.CanvasWidth - v.OriginX) / s : -(v.CanvasHeight - v.OriginY) / s;
    if (ends != Ends::Exact) {
        first = std::nearbyint(first);
        second = std::nearbyint(second);
    }
    // With "整数" the rounded line still reaches the right and the top edge.
    if (ends == Ends::WholeAndOneMore) {
        if (horizontal) second += 1;
        else first += 1;
    }
    const Point a = horizontal ? Point{first, at} : Point{at, first};
    const Point b = horizontal ? Point{second, at} : Point{at, second};
    AppendLine(ctx.Document, ctx.Attributes, true, true, a, b);
}

void LineAcrossViewClick(CommandContext& ctx, const ClickInput& click, bool horizontal)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    TakeClickPoint(ctx, click.X, click.Y, false);
    const Point p = ctx.State.InputPoint1;
    LineAcrossView(ctx, horizontal, horizontal ? p.Y : p.X, ctx.Entries.Integer ? Ends::WholeAndOneMore : Ends::Exact);
    FocusField(ctx, horizontal ? EntryFocus::Y : EntryFocus::X);
}

void LineAcrossViewEnter(CommandContext& ctx, bool horizontal)
{
    const std::optional<double> at = ReadNumber(horizontal ? ctx.Entries.Y : ctx.Entries.X);
    if (!at) {
        ctx.Dialogs.ShowMessage(kBadEntryMessage);
        return;
    }
    LineAcrossView(ctx, horizontal, *at, Ends::Whole);
    FocusField(ctx, horizontal ? EntryFocus::Y : EntryFocus::X);
}

// The next segment of the continuous line; its end becomes the start of the next one.
bool NextSegment(CommandContext& ctx, Point end)
{
    if (!AppendLine(ctx.Document, ctx.Attributes, true, true, ctx.State.InputPoint1, end)) return false;
    ctx.State.InputPoint1 = end;
    ctx.State.LastPoint = end;
    ctx.State.HasLastPoint = true;
    AnchorAt(ctx, end);
    return true;
}

// EditR in the angle format, kept as the last angle, then checked against ±360 degrees.
std::optional<double> ReadLineAngle(CommandContext& ctx)
{
    const std::optional<double> angle = ReadAngle(ctx.Entries.R);
    if (!angle) {
        ctx.Dialogs.ShowMessage(kBadAngleMessage);
        return std::nullopt;
    }
    ctx.State.LastAngle = *angle;
    if (*angle < -360 || *angle > 360) {
        ctx.Dialogs.ShowMessage(kAngleRangeMessage);
        return std::nullopt;
    }
    return angle;
}

// The line through p in the direction (radians), reaching a canvas width on either side.
void LineThrough(CommandContext& ctx, Point p, double direction)
{
    const double reach = ctx.View.CanvasWidth / ViewScale(ctx.View);
    const Point along{reach * std::cos(direction), reach * std::sin(direction)};
    if (!AppendLine(ctx.Document, ctx.Attributes, true, true, {p.X - along.X, p.Y - along.Y},
                    {p.X + along.X, p.Y + along.Y}))
        ctx.Dialogs.ShowMessage(kComputationMessage);
}

void AngleLineThroughFirstPoint(CommandContext& ctx)
{
    if (const std::optional<double> angle = ReadLineAngle(ctx))
        LineThrough(ctx, ctx.State.InputPoint1, DegToRad(*angle));
}

}  // namespace

void HorizontalLineClick(CommandContext& ctx, const ClickInput& click) { LineAcrossViewClick(ctx, click, true); }
void HorizontalLineEnter(CommandContext& ctx) { LineAcrossViewEnter(ctx, true); }
void VerticalLineClick(CommandContext& ctx, const ClickInput& click) { LineAcrossViewClick(ctx, click, false); }
void VerticalLineEnter(CommandContext& ctx) { LineAcrossViewEnter(ctx, false); }

void ContinuousLineFirstClick(CommandContext& ctx, const ClickInput& click)
{
    FirstPointClick(ctx, click, step::kContinuousLineNext);
}

void ContinuousLineFirstEnter(CommandContext& ctx) { FirstPointEnter(ctx, step::kContinuousLineNext); }

void ContinuousLineNextClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    const Point end = ClickPoint(ctx, click.Shift, true);
    if (NextSegment(ctx, end)) ShowPointInFields(ctx, end);
}

void ContinuousLineNextEnter(CommandContext& ctx)
{
    const std::optional<Point> end = ReadEntryPoint(ctx);
    if (!end) return;
    if (NextSegment(ctx, *end)) ctx.Result.WarpTo = *end;
}

void AngleLineClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    TakeClickPoint(ctx, click.X, click.Y, false);
    if (ctx.Entries.R.empty()) {
        FocusField(ctx, EntryFocus::R);
        return;
    }
    AngleLineThroughFirstPoint(ctx);
}

void AngleLineEnter(CommandContext& ctx)
{
    if (TypedFirstPoint(ctx)) AngleLineThroughFirstPoint(ctx);
}

void AngleLineBaseClick(CommandContext& ctx, const ClickInput& click)
{
    FirstPointClick(ctx, click, step::kAngleLineSecond);
}

void AngleLineSecondClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    ctx.State.InputPoint2 = ClickPoint(ctx, click.Shift, true);
    ctx.Result.ShowR = true;
    EnterStep(ctx, step::kAngleLineAngle);
    FocusField(ctx, EntryFocus::R);
}

void AngleLineAngleEnter(CommandContext& ctx)
{
    const std::optional<double> angle = ReadLineAngle(ctx);
    if (!angle) return;
    const Point p1 = ctx.State.InputPoint1;
    LineThrough(ctx, p1, DirectionAngle(ctx.State.InputPoint2, p1) + DegToRad(*angle));
    ReturnToStep(ctx, step::kAngleLineBase);
}

void TangentLineFirstClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeFirstPick(ctx, click, "34", false) > 0) EnterStep(ctx, step::kTangentLineSecond);
}

void TangentLineSecondClick(CommandContext& ctx, const ClickInput& click)
{
    TCadData first;
    TCadData second;
    if (!TakeBothPicks(ctx, click, "34", first, second)) return;
    const int made = TangentLinesOf2Circles(ctx.Document, ctx.Attributes, first, second);
    AfterCandidates(ctx, step::kTangentLineFirst, made, kChooseTangentLinePrompt, kNoTangentPrompt);
}

void MiddleLineFirstClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeFirstPick(ctx, click, "1", false) > 0) EnterStep(ctx, step::kMiddleLineSecond);
}

void MiddleLineSecondClick(CommandContext& ctx, const ClickInput& click)
{
    TCadData first;
    TCadData second;
    if (!TakeBothPicks(ctx, click, "1", first, second)) return;
    MiddleLine(ctx.Document, ctx.Attributes, first, ctx.State.InputPoint1, second, ctx.State.InputPoint2);
    ReturnToStep(ctx, step::kMiddleLine);
}

}  // namespace vantro
