#include "commands/ShapeSteps.h"

#include "commands/CommonSteps.h"
#include "commands/EntryCalculator.h"
#include "commands/EntryText.h"
#include "commands/PointTaking.h"
#include "geometry/Constructions.h"

#include <cmath>
#include <string>

namespace vantro {
namespace {

constexpr const char* kNoCountMessage = "始めに角数を入力してください";

void RectangleTo(CommandContext& ctx, Point corner)
{
    if (MakeRectangle(ctx.Document, ctx.Attributes, ctx.State.InputPoint1, corner, ctx.State.AltVariant))
        ReturnToStep(ctx, step::kRectangleFirst);
}

bool BySide(const CommandState& state)
{
    return state.CommandMode >= step::kPolygonBySide && state.CommandMode <= step::kPolygonBySideSize;
}

uint16_t PolygonStart(const CommandState& state) { return BySide(state) ? step::kPolygonBySide : step::kPolygonByVertex; }

// The corner count in EditR: a whole number 3..255, kept as the last count. LabelR then shows
// that EditR holds the size.
bool TakeCornerCount(CommandContext& ctx)
{
    const std::optional<double> count = ReadNumber(ctx.Entries.R);
    if (!count) {
        ctx.Dialogs.ShowMessage(kNoCountMessage);
        return false;
    }
    if (*count != std::trunc(*count) || *count < 3 || *count > 255) {
        ctx.Dialogs.ShowMessage(kCornerCountMessage);
        return false;
    }
    ctx.State.LastCorners = static_cast<int>(*count);
    ctx.Result.LabelR = "R";
    return true;
}

// The size step of the command with the centre taken.
void ToSizeStep(CommandContext& ctx)
{
    EnterStep(ctx, BySide(ctx.State) ? step::kPolygonBySideSize : step::kPolygonByVertexSize);
    FocusField(ctx, EntryFocus::R);
}

bool PolygonOfSize(CommandContext& ctx, double size)
{
    return MakeRegularPolygon(ctx.Document, ctx.Attributes, ctx.State.InputPoint1, size, ctx.State.LastCorners,
                              BySide(ctx.State));
}

}  // namespace

void RectangleFirstClick(CommandContext& ctx, const ClickInput& click)
{
    FirstPointClick(ctx, click, step::kRectangleSecond);
}

void RectangleFirstEnter(CommandContext& ctx) { FirstPointEnter(ctx, step::kRectangleSecond); }

void RectangleSecondClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    const Point corner = ClickPoint(ctx, click.Shift, false);
    ShowPointInFields(ctx, corner);
    FocusField(ctx, EntryFocus::X);
    RectangleTo(ctx, corner);
}

void RectangleSecondEnter(CommandContext& ctx)
{
    if (const std::optional<Point> corner = ReadEntryPoint(ctx)) RectangleTo(ctx, *corner);
}

void PolygonStartClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift) || !TakeCornerCount(ctx)) return;
    TakeClickPoint(ctx, click.X, click.Y, false);
    ToSizeStep(ctx);
}

void PolygonCountEnter(CommandContext& ctx)
{
    if (!TakeCornerCount(ctx)) return;
    ctx.Result.ShowX = ctx.Result.ShowY = true;
    EnterStep(ctx, static_cast<uint16_t>(ctx.State.CommandMode + 1));
    FocusField(ctx, EntryFocus::X);
}

void PolygonCentreClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    TakeClickPoint(ctx, click.X, click.Y, false);
    ToSizeStep(ctx);
}

void PolygonCentreEnter(CommandContext& ctx)
{
    if (TypedFirstPoint(ctx)) ToSizeStep(ctx);
}

void PolygonSizeClick(CommandContext& ctx, const ClickInput& click)
{
    if (SnapRuleRefuses(ctx, click.Shift)) return;
    const double size = PointDistance(ctx.State.InputPoint1, SnapOrExactPoint(ctx, click));
    ShowField(ctx, EntryFocus::R, FormatOptionalDecimals(size));
    if (PolygonOfSize(ctx, size))
        EnterStep(ctx, BySide(ctx.State) ? step::kPolygonBySideCentre : step::kPolygonByVertexCentre);
}

// Back at the count step, EditR offers the count again instead of the size just used.
void PolygonSizeEnter(CommandContext& ctx)
{
    const std::optional<double> size = ReadNumber(ctx.Entries.R);
    if (!size) {
        ctx.Dialogs.ShowMessage(kBadEntryMessage);
        return;
    }
    if (!PolygonOfSize(ctx, *size)) return;
    EnterStep(ctx, PolygonStart(ctx.State));
    ctx.Result.LabelR = "N";
    ShowField(ctx, EntryFocus::R, std::to_string(ctx.State.LastCorners));
    FocusField(ctx, EntryFocus::R);
}

}  // namespace vantro
