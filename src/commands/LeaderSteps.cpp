#include "commands/LeaderSteps.h"

#include "commands/CommonSteps.h"
#include "document/Cp932.h"
#include "document/TextLimit.h"
#include "geometry/Dimensions.h"

#include <string>

namespace vantro {
namespace {

using namespace step;

constexpr const char* kLeaderTextCaption = "折れ線TEXT";
constexpr const char* kLeaderTextPrompt = "表示する文字を入力してください";

void TakePointed(CommandContext& ctx, Point p)
{
    ctx.State.InputPoint1 = ctx.State.LastPoint = p;
    ctx.State.HasLastPoint = true;
    AnchorAt(ctx, p);
    EnterStep(ctx, static_cast<uint16_t>(ctx.State.CommandMode + 1));
}

// The typed text in CP932 with its leading "=" within what a drawing file holds; nothing when the
// input box was cancelled.
std::optional<std::string> AskLeaderText(CommandContext& ctx)
{
    const std::optional<std::string> typed = ctx.Dialogs.InputLine(kLeaderTextCaption, kLeaderTextPrompt, "");
    if (!typed) return std::nullopt;
    std::string text = Utf8ToCp932(*typed);
    const size_t fits = Cp932PrefixLength(text, kMaxTextBytes - 1);
    if (fits < text.size()) {
        text.resize(fits);
        ctx.Dialogs.ShowMessage(std::string("1").append(kLongTextsCutSuffix));
    }
    return text;
}

// Where each leader command takes its next pointed point (or circle) after the annotation.
uint16_t NextAnnotationStep(uint16_t position)
{
    switch (position) {
    case kCoordinatePosition: return kCoordinate;
    case kBaseCoordinatePosition: return kBaseCoordinatePoint;
    case kLeaderTextPosition: return kLeaderText;
    case kRadiusLeaderPosition: return kRadiusLeader;
    default: return kDiameterLeader;
    }
}

// The annotation of the running command from the pointed point, the knee and the click's column.
bool AppendLeaderAnnotation(CommandContext& ctx, double column)
{
    Drawing& d = ctx.Document;
    const CurrentAttributes& a = ctx.Attributes;
    const Point pointed = ctx.State.InputPoint1;
    const Point knee = ctx.State.InputPoint2;
    switch (ctx.State.CommandMode) {
    case kCoordinatePosition: return AppendCoordinateDimension(d, a, pointed, knee, column);
    case kBaseCoordinatePosition:
        return AppendRelativeCoordinateDimension(d, a, ctx.State.InputPoint3, pointed, knee, column);
    case kLeaderTextPosition: {
        const std::optional<std::string> text = AskLeaderText(ctx);
        return text && AppendLeaderText(d, a, *text, pointed, knee, column);
    }
    default: {
        const int kind = ctx.State.CommandMode == kRadiusLeaderPosition ? kKindDimJoggedRadius : kKindDimJoggedDiameter;
        const double radius = PickedElement(ctx, ctx.State.FirstPick).R;
        return AppendJoggedRadiusDimension(d, a, ctx.Entries.Dimension, kind, radius, pointed, knee, column);
    }
    }
}

}  // namespace

void LeaderSnapPointClick(CommandContext& ctx, const ClickInput&)
{
    if (const std::optional<Point> p = TakeSnapPoint(ctx)) TakePointed(ctx, *p);
}

void BaseCoordinateBaseClick(CommandContext& ctx, const ClickInput&)
{
    const std::optional<Point> base = TakeSnapPoint(ctx);
    if (!base) return;
    ctx.State.InputPoint3 = *base;
    EnterStep(ctx, kBaseCoordinatePoint);
}

void LeaderTextPointClick(CommandContext& ctx, const ClickInput& click) { TakePointed(ctx, SnapOrExactPoint(ctx, click)); }

void LeaderKneeClick(CommandContext& ctx, const ClickInput& click)
{
    const Point knee = SnapOrExactPoint(ctx, click);
    ctx.State.InputPoint2 = ctx.State.LastPoint = knee;
    EnterStep(ctx, static_cast<uint16_t>(ctx.State.CommandMode + 1));
}

// A cancelled leader text goes back to its first step as a made one does.
void LeaderPositionClick(CommandContext& ctx, const ClickInput& click)
{
    const uint16_t mode = ctx.State.CommandMode;
    if (!AppendLeaderAnnotation(ctx, SnapOrExactPoint(ctx, click).X) && mode != kLeaderTextPosition) return;
    DropPicks(ctx);
    ReturnToStep(ctx, NextAnnotationStep(mode));
}

}  // namespace vantro
