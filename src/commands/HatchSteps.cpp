#include "commands/HatchSteps.h"

#include "commands/EntryCalculator.h"
#include "commands/PointTaking.h"
#include "commands/Selection.h"
#include "document/Groups.h"
#include "document/UndoHistory.h"
#include "geometry/BoundaryPoints.h"
#include "geometry/ChainTrace.h"
#include "geometry/Constructors.h"
#include "geometry/Hatch.h"

#include <cmath>

namespace vantro {
namespace {

constexpr const char* kNothingTakenMessage = "図形がありません";

// A vertex as the boundary holds it: each coordinate rounded through its FormatNumber text.
Point Rounded(Point p) { return {ParseFloatOr(FormatNumber(p.X), p.X), ParseFloatOr(FormatNumber(p.Y), p.Y)}; }

// Consecutive vertices with equal texts are kept once.
void AddVertex(std::vector<Point>& boundary, Point p)
{
    const Point vertex = Rounded(p);
    if (boundary.empty() || !(boundary.back() == vertex)) boundary.push_back(vertex);
}

void AddTraceLine(CommandContext& ctx, Point from, Point to)
{
    TCadData line{};
    line.Kind = kKindLine;
    line.X1 = from.X;
    line.Y1 = from.Y;
    line.X2 = to.X;
    line.Y2 = to.Y;
    ApplyNewElementDefaults(line, ctx.Attributes);
    line.Selected = 1;
    ctx.State.HatchTrace.push_back(line);
    ctx.Result.DrawHatchTrace = true;
}

void Highlight(Drawing& drawing, int index)
{
    drawing[index].Selected = 1;
    if (drawing.Listener != nullptr) drawing.Listener->DrawElement(index);
}

void TakeLink(CommandContext& ctx, const ChainLink& link)
{
    Highlight(ctx.Document, link.Index);
    for (const Point& p : BoundaryVertices(ctx.Document[link.Index], link.Forward, ctx.Preferences.Bunkatu))
        AddVertex(ctx.State.HatchBoundary, p);
}

// The lines of one run are one undo step and one new group; the command then ends.
void GenerateHatch(CommandContext& ctx)
{
    CommandState& state = ctx.State;
    const std::vector<Point> vertices = std::move(state.HatchBoundary);
    DropHatchBoundary(state);
    ctx.Result.Repaint = true;
    ctx.Result.Cancel = true;
    if (vertices.size() < 2) return;
    const HatchSlope slope = state.HatchFalling ? HatchSlope::Falling : HatchSlope::Rising;
    const HatchResult hatch = HatchLines(vertices, state.HatchPitch, slope);
    if (hatch.TooMany) {
        ctx.Dialogs.ShowMessage(kTooManyHatchLinesMessage);
        return;
    }
    Drawing& drawing = ctx.Document;
    const int32_t group = NewGroupNumber(drawing);
    const UndoStepGroup step(drawing);
    for (const Segment& line : hatch.Lines) {
        if (!AppendLine(drawing, ctx.Attributes, false, true, line.From, line.To)) {
            if (drawing.AppendFailed) break;
            continue;
        }
        drawing[drawing.Count].Group = group;
    }
}

void AddBoundaryPoint(CommandContext& ctx, Point p)
{
    std::vector<Point>& boundary = ctx.State.HatchBoundary;
    if (!boundary.empty()) AddTraceLine(ctx, boundary.back(), p);
    AddVertex(boundary, p);
}

// Only the first input may be a circle; it hatches at once.
void AddBoundaryCircle(CommandContext& ctx, int index)
{
    if (!ctx.State.HatchBoundary.empty()) {
        ctx.Dialogs.ShowMessage(kCircleFirstOnlyMessage);
        return;
    }
    Highlight(ctx.Document, index);
    for (const Point& p : CircleVertices(ctx.Document[index], ctx.Preferences.Bunkatu))
        AddVertex(ctx.State.HatchBoundary, p);
    GenerateHatch(ctx);
}

// The element from its end nearer to the click, and with the user's consent the chain it starts;
// a chain that comes back to the element hatches at once.
void AddBoundaryChain(CommandContext& ctx, int index, Point click)
{
    const Chain chain = TraceChain(ctx.Document, index, click, ctx.Entries.GroupPick);
    if (chain.Links.empty()) return;
    std::vector<Point>& boundary = ctx.State.HatchBoundary;
    const std::vector<Point> first =
        BoundaryVertices(ctx.Document[index], chain.Links.front().Forward, ctx.Preferences.Bunkatu);
    if (!boundary.empty() && !first.empty() && PointDistance(first.front(), boundary.back()) > Eps())
        AddTraceLine(ctx, boundary.back(), first.front());
    TakeLink(ctx, chain.Links.front());
    if (chain.Links.size() < 2 && !chain.Closed) return;
    if (ctx.Dialogs.Ask(kFollowChainQuestion, QuestionButtons::YesNo) == DialogAnswer::No) return;
    for (size_t k = 1; k < chain.Links.size(); ++k) TakeLink(ctx, chain.Links[k]);
    if (chain.Closed) GenerateHatch(ctx);
}

}  // namespace

std::optional<float> ReadHatchPitch(std::string_view text)
{
    const std::optional<double> value = ReadNumber(text);
    if (!value) return std::nullopt;
    const auto pitch = static_cast<float>(*value);
    if (!(pitch > 0) || !std::isfinite(pitch)) return std::nullopt;
    return pitch;
}

void HatchClick(CommandContext& ctx, const ClickInput& click)
{
    CommandState& state = ctx.State;
    if (state.SnapFound) {
        state.SnapFound = false;
        AddBoundaryPoint(ctx, state.SnapPoint);
        return;
    }
    const int h = PickElement(ctx, click.X, click.Y, "1234");
    if (h < 0) return;
    const Point at = PixelToWorld(ctx.View, {click.X, click.Y});
    if (h == 0) AddBoundaryPoint(ctx, at);
    else if (ctx.Document[h].Kind == kKindCircle) AddBoundaryCircle(ctx, h);
    else AddBoundaryChain(ctx, h, at);
}

void ConfirmHatch(CommandContext& ctx)
{
    ctx.Result.MultiPanel = false;
    if (CountSelected(ctx.Document) == 0 && ctx.State.HatchTrace.empty()) {
        ctx.Dialogs.ShowMessage(kNothingTakenMessage);
        return;
    }
    if (!ctx.State.HatchBoundary.empty()) GenerateHatch(ctx);
}

bool DropHatchBoundary(CommandState& state)
{
    const bool traced = !state.HatchTrace.empty();
    state.HatchBoundary.clear();
    state.HatchTrace.clear();
    return traced;
}

}  // namespace vantro
