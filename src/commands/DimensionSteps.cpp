#include "commands/DimensionSteps.h"

#include "commands/CommonSteps.h"
#include "commands/PointTaking.h"
#include "commands/Selection.h"
#include "geometry/Dimensions.h"
#include "geometry/ElementPoints.h"

#include <cmath>

namespace vantro {
namespace {

constexpr const char* kNoVertexMessage = "選択された２本の直線は交点を持ちません";

using namespace step;

Point ClickWorld(const CommandContext& ctx, const ClickInput& click) { return PixelToWorld(ctx.View, {click.X, click.Y}); }

// A snap point taken as InputPoint1 and the last point (the rubber band's start), then the next step.
bool TakeSnappedFirst(CommandContext& ctx, uint16_t next)
{
    const std::optional<Point> p = TakeSnapPoint(ctx);
    if (!p) return false;
    ctx.State.InputPoint1 = ctx.State.LastPoint = *p;
    ctx.State.HasLastPoint = true;
    AnchorAt(ctx, *p);
    EnterStep(ctx, next);
    return true;
}

int LinearKind(uint16_t positionStep)
{
    if (positionStep == kHorizontalDimensionPosition) return kKindDimX;
    if (positionStep == kVerticalDimensionPosition) return kKindDimY;
    return kKindDimAligned;
}

bool AppendRelativeValue(CommandContext& ctx, Point display, Point point)
{
    return AppendRelativeValueDimension(ctx.Document, ctx.Attributes, ctx.Entries.Dimension, ctx.State.InputPoint1,
                                        display, point);
}

}  // namespace

void LinearDimensionFirstClick(CommandContext& ctx, const ClickInput&)
{
    TakeSnappedFirst(ctx, static_cast<uint16_t>(ctx.State.CommandMode + 1));
}

// Two points above each other have no horizontal distance: the vertical dimension takes over, and
// the other way round.
void LinearDimensionSecondClick(CommandContext& ctx, const ClickInput&)
{
    const std::optional<Point> p = TakeSnapPoint(ctx);
    if (!p) return;
    CommandState& state = ctx.State;
    state.InputPoint2 = state.LastPoint = *p;
    const Point p1 = state.InputPoint1;
    if (state.CommandMode == kHorizontalDimensionSecond && std::abs(p1.X - p->X) < Eps()) {
        state.CommandMode = kVerticalDimensionSecond;
        ctx.Result.PressButtonOf = kVerticalDimension;
    } else if (state.CommandMode == kVerticalDimensionSecond && std::abs(p1.Y - p->Y) < Eps()) {
        state.CommandMode = kHorizontalDimensionSecond;
        ctx.Result.PressButtonOf = kHorizontalDimension;
    }
    EnterStep(ctx, static_cast<uint16_t>(state.CommandMode + 1));
}

void LinearDimensionPositionClick(CommandContext& ctx, const ClickInput& click)
{
    const uint16_t mode = ctx.State.CommandMode;
    const int kind = LinearKind(mode);
    const Point at = ClickWorld(ctx, click);
    const Point p1 = ctx.State.InputPoint1;
    const Point p2 = ctx.State.InputPoint2;
    const DimensionOptions& options = ctx.Entries.Dimension;
    const bool made = kind == kKindDimAligned
                          ? AppendAlignedDimension(ctx.Document, ctx.Attributes, options, p1, p2, at)
                          : AppendLinearDimension(ctx.Document, ctx.Attributes, options, kind, p1, p2, at);
    if (made) ReturnToStep(ctx, static_cast<uint16_t>(mode - 2));
}

void DimensionCirclePickClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeFirstPick(ctx, click, "34", false) < 1) return;
    const uint16_t mode = ctx.State.CommandMode;
    if (mode == kRadiusLeader || mode == kDiameterLeader) {
        // The leader starts on the circle where the line from the centre through the click meets it.
        const TCadData circle = PickedElement(ctx, ctx.State.FirstPick);
        const Point centre = CentreOf(circle);
        const double towards = DirectionAngle(ctx.State.InputPoint1, centre);
        const Point arrow{centre.X + circle.R * std::cos(towards), centre.Y + circle.R * std::sin(towards)};
        ctx.State.InputPoint1 = ctx.State.LastPoint = arrow;
        ctx.State.HasLastPoint = true;
        AnchorAt(ctx, arrow);
    }
    EnterStep(ctx, static_cast<uint16_t>(mode + 1));
}

void RadiusDimensionPositionClick(CommandContext& ctx, const ClickInput& click)
{
    const uint16_t mode = ctx.State.CommandMode;
    const TCadData circle = PickedElement(ctx, ctx.State.FirstPick);
    const int kind = mode == kRadiusDimensionPosition ? kKindDimRadius : kKindDimDiameter;
    if (!AppendRadiusDimension(ctx.Document, ctx.Attributes, ctx.Entries.Dimension, kind, CentreOf(circle), circle.R,
                               ClickWorld(ctx, click)))
        return;
    DropPicks(ctx);
    ReturnToStep(ctx, static_cast<uint16_t>(mode - 1));
}

void AngleDimensionFirstClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeFirstPick(ctx, click, "1", true) > 0) EnterStep(ctx, kAngleDimensionSecond);
}

void AngleDimensionSecondClick(CommandContext& ctx, const ClickInput& click)
{
    if (TakeSecondPick(ctx, click, "1", false) < 1) return;
    const TCadData a = PickedElement(ctx, ctx.State.FirstPick);
    const TCadData b = PickedElement(ctx, ctx.State.SecondPick);
    Point vertex;
    if (IntersectLines(StartOf(a), EndOf(a), StartOf(b), EndOf(b), vertex)) {
        EnterStep(ctx, kAngleDimensionPosition);
        return;
    }
    ctx.Dialogs.ShowMessage(kNoVertexMessage);
    DropPicks(ctx);
    ReturnToStep(ctx, kAngleDimension);
}

void AngleDimensionPositionClick(CommandContext& ctx, const ClickInput& click)
{
    const TCadData a = PickedElement(ctx, ctx.State.FirstPick);
    const TCadData b = PickedElement(ctx, ctx.State.SecondPick);
    if (!AppendAngleDimension(ctx.Document, ctx.Attributes, ctx.Entries.Dimension, StartOf(a), EndOf(a), StartOf(b),
                              EndOf(b), ClickWorld(ctx, click)))
        return;
    DropPicks(ctx);
    ReturnToStep(ctx, kAngleDimension);
}

void RelativeValuesBaseClick(CommandContext& ctx, const ClickInput&) { TakeSnappedFirst(ctx, kRelativeValuesPosition); }

// The base point's own annotation sets the display line the next points are shown on.
void RelativeValuesPositionClick(CommandContext& ctx, const ClickInput& click)
{
    const Point display = ClickWorld(ctx, click);
    if (!AppendRelativeValue(ctx, display, ctx.State.InputPoint1)) return;
    ctx.State.InputPoint2 = display;
    EnterStep(ctx, kRelativeValuesNext);
}

// Shift+click takes the point for a new display line, placed by the next click.
void RelativeValuesNextClick(CommandContext& ctx, const ClickInput& click)
{
    const std::optional<Point> p = TakeSnapPoint(ctx);
    if (!p) return;
    if ((click.Shift & kShiftKey) != 0) {
        ctx.State.InputPoint3 = *p;
        EnterStep(ctx, kRelativeValuesNewPosition);
        return;
    }
    AppendRelativeValue(ctx, ctx.State.InputPoint2, *p);
}

void RelativeValuesNewPositionClick(CommandContext& ctx, const ClickInput& click)
{
    const Point display = ClickWorld(ctx, click);
    if (!AppendRelativeValue(ctx, display, ctx.State.InputPoint3)) return;
    ctx.State.InputPoint2 = display;
    ReturnToStep(ctx, kRelativeValuesNext);
}

}  // namespace vantro
