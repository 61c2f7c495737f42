#include "commands/PointTaking.h"

#include "commands/EntryCalculator.h"

#include <cmath>

namespace vantro {

Point PixelToWorld(const ViewState& view, CanvasPoint pixel)
{
    Point p;
    CanvasToWorld(view, pixel.X, pixel.Y, p.X, p.Y);
    return p;
}

bool SnapRuleRefuses(const CommandContext& ctx, int shift)
{
    return ctx.Preferences.SnapChk && !ctx.State.SnapFound && shift == kLeftButton;
}

void TakeClickPoint(CommandContext& ctx, int x, int y, bool advance)
{
    CommandState& state = ctx.State;
    if (advance) ++state.CommandMode;
    if (state.SnapFound) {
        state.InputPoint1 = state.SnapPoint;
        state.AnchorPixel = WorldToCanvas(ctx.View, state.SnapPoint.X, state.SnapPoint.Y);
        state.CursorPixel = state.AnchorPixel;
        state.SnapFound = false;
    } else {
        Point p = PixelToWorld(ctx.View, {x, y});
        if (ctx.Entries.Integer) p = {std::nearbyint(p.X), std::nearbyint(p.Y)};
        state.InputPoint1 = p;
        state.AnchorPixel = state.CursorPixel = {x, y};
    }
    ShowPointInFields(ctx, state.InputPoint1);
    state.LastPoint = state.InputPoint1;
    state.HasLastPoint = true;
}

Point ClickPoint(CommandContext& ctx, int shift, bool ortho)
{
    CommandState& state = ctx.State;
    if (state.SnapFound) {
        state.SnapFound = false;
        return state.SnapPoint;
    }
    const CanvasPoint cursor = state.CursorPixel;
    const Point raw = PixelToWorld(ctx.View, cursor);
    if (ctx.Entries.Integer) return {std::nearbyint(raw.X), std::nearbyint(raw.Y)};
    if (ortho && shift == (kShiftKey | kLeftButton)) {
        const CanvasPoint anchor = state.AnchorPixel;
        if (std::abs(anchor.X - cursor.X) > std::abs(anchor.Y - cursor.Y)) return {raw.X, state.InputPoint1.Y};
        return {state.InputPoint1.X, raw.Y};
    }
    return raw;
}

std::optional<Point> ReadEntryPoint(CommandContext& ctx, const char* message)
{
    const std::optional<double> x = ReadNumber(ctx.Entries.X);
    const std::optional<double> y = ReadNumber(ctx.Entries.Y);
    if (!x || !y) {
        ctx.Dialogs.ShowMessage(message);
        return std::nullopt;
    }
    ctx.State.LastPoint = {*x, *y};
    ctx.State.HasLastPoint = true;
    return ctx.State.LastPoint;
}

void AnchorAtTypedPoint(CommandContext& ctx, Point p)
{
    ctx.State.AnchorPixel = WorldToCanvas(ctx.View, p.X, p.Y);
    ctx.Result.WarpTo = p;
}

}  // namespace vantro
