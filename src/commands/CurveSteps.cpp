#include "commands/CurveSteps.h"

#include "commands/CommonSteps.h"
#include "commands/EntryCalculator.h"
#include "commands/EntryText.h"
#include "commands/PointTaking.h"
#include "geometry/Curves.h"
#include "geometry/Ellipses.h"

namespace vantro {
namespace {

constexpr const char* kRatioNotPositiveMessage = "0より大きい値で入力してください！";
constexpr const char* kByEndsAxisTypedPrompt = "対角線上の点を入力するかクリックして下さい(楕円作図)";
constexpr const char* kByCentreAxisTypedPrompt = "傾きと半径を確定する座標を入力するかクリックして下さい(楕円作図)";

// The first point starts a curve (step 47), every later one extends it (48); the 51st point is
// refused and ends the command.
void AddPointToCurve(CommandContext& ctx, Point p)
{
    const bool first = ctx.State.CommandMode == step::kCurveFirst;
    const int8_t kind = ctx.State.AltVariant ? kKindCurveByControlPoints : kKindCurveThroughPoints;
    switch (AddCurvePoint(ctx.Document, ctx.Attributes, kind, p, first)) {
    case CurvePointResult::Refused: ctx.Result.Cancel = true; return;
    case CurvePointResult::Ignored: return;
    case CurvePointResult::Started:
    case CurvePointResult::Added: break;
    }
    ctx.State.InputPoint1 = ctx.State.LastPoint = p;
    ctx.State.HasLastPoint = true;
    AnchorAt(ctx, p);
    ctx.State.CommandMode = step::kCurveNext;
}

bool AboutCentre(const CommandState& state) { return state.CommandMode >= step::kEllipseByCentre; }

// The axis end (or the axis point from the centre) after the first point, kept in InputPoint3.
// The preview of the next step reads the first point as InputPoint2 and this one as the last point.
void TakeAxisPoint(CommandContext& ctx, Point p)
{
    CommandState& state = ctx.State;
    const double major = PointDistance(state.InputPoint2, p) / (AboutCentre(state) ? 1 : 2);
    if (!(major >= Eps())) {
        ctx.Dialogs.ShowMessage(kEllipseRadiusMessage);
        return;
    }
    state.InputPoint3 = state.LastPoint = p;
    state.HasLastPoint = true;
    ctx.Result.ShowR = true;
    ShowField(ctx, EntryFocus::R, FormatOptionalDecimals(state.LastFlattening));
    EnterStep(ctx, static_cast<uint16_t>(state.CommandMode + 1));
    FocusField(ctx, EntryFocus::R);
}

// The ellipse of the axis and the height point; with a ratio, of that flattening instead (Enter
// sets the last point from the fields, so the axis point is read from InputPoint3).
void FinishEllipse(CommandContext& ctx, Point height, std::optional<double> ratio)
{
    CommandState& state = ctx.State;
    std::optional<EllipseValues> values = EllipseFromAxis(state.InputPoint2, state.InputPoint3, height, AboutCentre(state));
    if (!values) {
        ctx.Dialogs.ShowMessage(kEllipseRadiusMessage);
        return;
    }
    if (ratio) values->Flattening = *ratio;
    state.LastFlattening = values->Flattening;
    if (MakeEllipse(ctx.Document, ctx.Attributes, values->Centre, values->Major, values->Flattening,
                    values->Inclination, ctx.Preferences.DaenChk, ctx.Preferences.PejeValue) == 0)
        return;
    ReturnToStep(ctx, AboutCentre(state) ? step::kEllipseByCentre : step::kEllipseByEndsFirst);
}

void TakeFirstEllipsePoint(CommandContext& ctx, Point p)
{
    ctx.State.InputPoint2 = p;
    EnterStep(ctx, static_cast<uint16_t>(ctx.State.CommandMode + 1));
}

}  // namespace

void CurvePointClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    const Point p = SnapOrExactPoint(ctx, click);
    ShowPointInFields(ctx, p);
    AddPointToCurve(ctx, p);
}

void CurvePointEnter(CommandContext& ctx)
{
    const std::optional<Point> p = ReadEntryPoint(ctx);
    if (!p) return;
    AddPointToCurve(ctx, *p);
    ctx.Result.WarpTo = *p;
}

void EllipseFirstClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    TakeClickPoint(ctx, click.X, click.Y, false);
    TakeFirstEllipsePoint(ctx, ctx.State.InputPoint1);
}

void EllipseFirstEnter(CommandContext& ctx)
{
    const std::optional<Point> p = TypedFirstPoint(ctx);
    if (!p) return;
    const bool aboutCentre = AboutCentre(ctx.State);
    TakeFirstEllipsePoint(ctx, *p);
    ShowPrompt(ctx, aboutCentre ? kByCentreAxisTypedPrompt : kByEndsAxisTypedPrompt);
}

void EllipseAxisClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    TakeAxisPoint(ctx, ClickPoint(ctx, click.Shift, false));
}

void EllipseAxisEnter(CommandContext& ctx)
{
    if (const std::optional<Point> p = ReadEntryPoint(ctx)) TakeAxisPoint(ctx, *p);
}

void EllipseHeightClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    FinishEllipse(ctx, SnapOrExactPoint(ctx, click), std::nullopt);
}

void EllipseRatioEnter(CommandContext& ctx)
{
    const std::optional<double> ratio = ReadNumber(ctx.Entries.R);
    if (!ratio) {
        ctx.Dialogs.ShowMessage(kBadEntryMessage);
        return;
    }
    if (!(*ratio > 0)) {
        ctx.Dialogs.ShowMessage(kRatioNotPositiveMessage);
        return;
    }
    FinishEllipse(ctx, ctx.State.InputPoint3, *ratio);
}

}  // namespace vantro

