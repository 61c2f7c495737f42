#include "view/SnapSearch.h"

#include <cmath>
#include <functional>
#include <vector>

namespace vantro {
namespace {

// Ctrl held without buttons suppresses snapping.
constexpr int kCtrlAlone = 4;
constexpr size_t kCentreBox = 3;  // CheckBoxSnap4

using KindSnap = bool (*)(const TCadData&, const SnapContext&, Point&);

struct KindStep {
    size_t Box;  // CheckBoxSnap number − 1
    SnapKind Kind;
    KindSnap Snap;  // null for the intersection, which takes the partner too
};

constexpr std::array<KindStep, 8> kKindOrder{{
    {4, SnapKind::Point, SnapPoint},
    {0, SnapKind::EndPoint, SnapEndPoint},
    {1, SnapKind::Intersection, nullptr},
    {2, SnapKind::MidPoint, SnapMidPoint},
    {5, SnapKind::Quadrant, SnapQuadrant},
    {6, SnapKind::Perpendicular, SnapPerpendicular},
    {8, SnapKind::CentreOnCircumference, SnapCentreOnCircumference},
    {7, SnapKind::Nearest, SnapNearest},
}};

int CursorOf(SnapKind kind)
{
    if (kind == SnapKind::CentreOnCircumference) return static_cast<int>(SnapKind::Centre);
    if (kind == SnapKind::Grid) return 0;
    return static_cast<int>(kind);
}

// The centre check, then each element the cursor hits in index order with the next one hit as its
// intersection partner. The centre check is made once: its answer cannot change between elements.
bool SnapToElements(const Drawing& drawing, const SnapContext& context, const SnapOptions& options,
                    ElementIndex& index, SnapResult& result)
{
    index.Refresh(drawing);
    if (options.Kinds[kCentreBox]) {
        const int centre = FindCentreNear(drawing, index, context.Pick);
        if (centre > 0) {
            result = CentreSnap(drawing[centre]);
            return true;
        }
    }
    std::vector<int> candidates;
    index.ElementCandidates(context.Pick, candidates);
    const auto nextHit = [&](size_t from) {
        while (from < candidates.size() && !IsElementNear(drawing.Layers, drawing[candidates[from]], context.Pick))
            ++from;
        return from;
    };
    for (size_t h = nextHit(0); h < candidates.size();) {
        const size_t n = nextHit(h + 1);
        const int partner = n < candidates.size() ? candidates[n] : 0;
        if (SnapAtElement(drawing, context, options, candidates[h], partner, result)) return true;
        h = n;
    }
    return false;
}

// The first of the grid lines 0..count that lies within t of the cursor and on the canvas.
int FirstGridLine(int count, const std::function<bool(int)>& fits)
{
    for (int k = 0; k <= count; ++k)
        if (fits(k)) return k;
    return -1;
}

}  // namespace

SnapContext MakeSnapContext(const ViewState& view, const SnapOptions& options, const SnapInput& input)
{
    SnapContext context;
    CanvasToWorld(view, input.MouseX, input.MouseY, context.Pick.Cursor.X, context.Pick.Cursor.Y);
    context.Pick.Aperture = ApertureMm(view, options.PickAperture);
    context.Pick.FillsShown = options.FillsShown;
    context.Pick.Fineness = options.Fineness;
    context.Shift = input.Shift;
    context.Constraint = input.Constraint;
    context.Reference = input.InputPoint1;
    context.LineAngle = input.LineAngle;
    return context;
}

bool ElementSnapsAllowed(const SnapOptions& options, const SnapContext& context)
{
    return !options.Locked && context.Shift != kCtrlAlone && context.Pick.Aperture > 0;
}

SnapResult CentreSnap(const TCadData& arcOrCircle)
{
    return {true, {arcOrCircle.Cx, arcOrCircle.Cy}, SnapKind::Centre, CursorOf(SnapKind::Centre)};
}

bool SnapAtElement(const Drawing& drawing, const SnapContext& context, const SnapOptions& options, int h, int n,
                   SnapResult& result)
{
    const TCadData& element = drawing[h];
    for (const KindStep& step : kKindOrder) {
        if (!options.Kinds[step.Box]) continue;
        Point p;
        const bool found = step.Snap != nullptr ? step.Snap(element, context, p)
                                                : n > 0 && SnapIntersection(element, drawing[n], context, p);
        if (!found) continue;
        result = {true, p, step.Kind, CursorOf(step.Kind)};
        return true;
    }
    return false;
}

// Grid point (i, j) fits when column i does in x and row j in y, so the first point in the order
// i outer, j inner is the first fitting column with the first fitting row.
bool SnapToGrid(const ViewState& view, const SnapContext& context, SnapResult& result)
{
    const GridSettings& grid = view.Grid;
    if (grid.Pattern == GridPattern::None || !(context.Pick.Aperture > 0)) return false;
    const float s = ViewScale(view);
    const double t = context.Pick.Aperture;
    const Point cursor = context.Pick.Cursor;
    // Pixels as the dot painter computes them, so only drawn points are offered.
    const int i = FirstGridLine(grid.CountX, [&](int a) {
        const double x = a * grid.Pitch + view.GridOriginX;
        const float px = static_cast<float>(x * s + view.OriginX);
        return px > 0 && px < view.CanvasWidth && std::abs(x - cursor.X) < t;
    });
    const int j = FirstGridLine(grid.CountY, [&](int b) {
        const double y = b * grid.Pitch + view.GridOriginY;
        const float py = static_cast<float>(view.OriginY - y * s);
        return py > 0 && py < view.CanvasHeight && std::abs(y - cursor.Y) < t;
    });
    if (i < 0 || j < 0) return false;
    result = {true, {i * grid.Pitch + view.GridOriginX, j * grid.Pitch + view.GridOriginY}, SnapKind::Grid,
              CursorOf(SnapKind::Grid)};
    return true;
}

SnapResult SearchSnap(const Drawing& drawing, const ViewState& view, const SnapOptions& options, const SnapInput& input,
                      ElementIndex& index)
{
    const SnapContext context = MakeSnapContext(view, options, input);
    SnapResult result;
    if (ElementSnapsAllowed(options, context) && SnapToElements(drawing, context, options, index, result))
        return result;
    SnapToGrid(view, context, result);
    return result;
}

void DrawSnapMarker(Surface& surface, CanvasPoint pixel, int halfSize)
{
    Pen pen = surface.CurrentPen();
    surface.SetPen({pen.Colour, 3, kStyleSolid, PenMode::Not});
    // An outline: the canvas brush is clear between drawing operations.
    surface.SetBrush({});
    surface.Rectangle(pixel.X - halfSize, pixel.Y - halfSize, pixel.X + halfSize, pixel.Y + halfSize);
    pen.Mode = PenMode::Copy;
    surface.SetPen(pen);
}

}  // namespace vantro
