#include "commands/Selection.h"

#include "document/Layers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace vantro {
namespace {

void Redraw(Drawing& drawing, int index)
{
    if (drawing.Listener != nullptr) drawing.Listener->DrawElement(index);
}

Point ClickWorld(const ViewState& view, const ClickInput& click)
{
    Point p;
    CanvasToWorld(view, click.X, click.Y, p.X, p.Y);
    return p;
}

// The kinds a filter names: each digit is a kind, a "-" makes the next digit a negative kind, other
// characters separate. Matching whole kinds keeps a dimension of kind 12 out of the filter "12345".
bool FilterNames(std::string_view kinds, int kind)
{
    for (size_t i = 0; i < kinds.size(); ++i) {
        const char c = kinds[i];
        if (c == '-' && i + 1 < kinds.size() && kinds[i + 1] >= '0' && kinds[i + 1] <= '9') {
            if (-(kinds[i + 1] - '0') == kind) return true;
            ++i;
        } else if (c >= '0' && c <= '9' && c - '0' == kind) {
            return true;
        }
    }
    return false;
}

bool IsSimpleKind(int8_t kind) { return kind >= kKindLine && kind <= kKindPoint; }

bool LockedAt(const Drawing& drawing, int index) { return IsLayerLocked(drawing.Layers, drawing[index].Layer); }

// One pick from the list: itself, the chooser's choice among several (-1: cancelled), or 0.
int ChooseAmong(CommandContext& ctx, const std::vector<int>& hits)
{
    if (hits.empty()) return 0;
    if (hits.size() == 1) return hits.front();
    return ctx.Choose ? ctx.Choose(hits) : hits.front();
}

// Strictly inside the window.
bool Inside(const SelectionWindow& w, Point p) { return w.Left < p.X && p.X < w.Right && w.Bottom < p.Y && p.Y < w.Top; }

std::array<std::pair<Point, Point>, 4> Edges(const SelectionWindow& w)
{
    const Point a{w.Left, w.Bottom};
    const Point b{w.Right, w.Bottom};
    const Point c{w.Right, w.Top};
    const Point d{w.Left, w.Top};
    return {std::pair{a, b}, std::pair{b, c}, std::pair{c, d}, std::pair{d, a}};
}

bool SegmentMeetsEdge(const SelectionWindow& w, Point p, Point q)
{
    Point crossing;
    for (const auto& [a, b] : Edges(w))
        if (IntersectSegments(p, q, a, b, crossing)) return true;
    return false;
}

// Where the element's circle meets the window's edges; for an arc only within its sweep.
bool CircleMeetsEdge(const SelectionWindow& w, const TCadData& e, bool arc)
{
    for (const auto& [a, b] : Edges(w)) {
        const IntersectionResult found = IntersectSegmentCircle(a, b, {e.Cx, e.Cy}, e.R);
        for (int k = 0; k < found.Count; ++k)
            if (!arc || IsWithinArcSweep(e, found.Points[static_cast<size_t>(k)])) return true;
    }
    return false;
}

// The box of the whole ellipse decides most windows without sampling it.
std::optional<bool> EllipseBoxDecides(const TCadData& e, const SelectionWindow& w)
{
    const double a = e.R;
    const double b = e.R * std::abs(e.Y1);
    const double c = std::cos(e.Angle);
    const double s = std::sin(e.Angle);
    const double halfX = std::hypot(a * c, b * s);
    const double halfY = std::hypot(a * s, b * c);
    if (!std::isfinite(halfX) || !std::isfinite(halfY) || !std::isfinite(e.Cx) || !std::isfinite(e.Cy)) return {};
    if (Inside(w, {e.Cx - halfX, e.Cy - halfY}) && Inside(w, {e.Cx + halfX, e.Cy + halfY})) return true;
    const bool apart = e.Cx + halfX <= w.Left || e.Cx - halfX >= w.Right || e.Cy + halfY <= w.Bottom ||
                       e.Cy - halfY >= w.Top;
    if (apart) return false;
    return {};
}

bool TakesEllipse(const TCadData& e, const SelectionWindow& w, int fineness)
{
    if (!(e.R > 0) || std::abs(e.X1) > e.R || std::abs(e.X2) > e.R) return false;
    if (const std::optional<bool> decided = EllipseBoxDecides(e, w)) return *decided;
    const std::vector<Point> points = EllipsePiecePolyline(e, fineness);
    if (points.empty()) return false;
    const auto inside = [&w](Point p) { return Inside(w, p); };
    return w.Crossing ? std::any_of(points.begin(), points.end(), inside)
                      : std::all_of(points.begin(), points.end(), inside);
}

// Dimensions, texts and filled rectangles: their points, and the position where the kind has one.
bool TakesAnnotation(const TCadData& e, const SelectionWindow& w)
{
    std::vector<Point> points{{e.X1, e.Y1}, {e.X2, e.Y2}};
    // A filled rectangle has no position: its unused fields would tie it to the origin.
    if (e.Kind != kKindFilledRect) points.push_back({e.Cx, e.Cy});
    const auto inside = [&w](Point p) { return Inside(w, p); };
    return w.Crossing ? std::any_of(points.begin(), points.end(), inside)
                      : std::all_of(points.begin(), points.end(), inside);
}

}  // namespace

PickContext PickContextAt(const ViewState& view, const Settings& settings, bool fillsShown, int x, int y)
{
    PickContext pick;
    CanvasToWorld(view, x, y, pick.Cursor.X, pick.Cursor.Y);
    pick.Aperture = ApertureMm(view, settings.Pick);
    pick.FillsShown = fillsShown;
    pick.Fineness = settings.Bunkatu;
    return pick;
}

bool KindAccepted(int8_t kind, std::string_view kinds) { return kinds == "0" || FilterNames(kinds, kind); }

std::vector<int> ElementsUnder(const Drawing& drawing, ElementIndex& index, const PickContext& pick, int start,
                               std::string_view kinds, bool skipLocked)
{
    std::vector<int> hits = ElementsNear(drawing, index, pick, start);
    std::erase_if(hits, [&](int i) {
        return !KindAccepted(drawing[i].Kind, kinds) || (skipLocked && LockedAt(drawing, i));
    });
    return hits;
}

int PickElement(CommandContext& ctx, int x, int y, std::string_view kinds)
{
    const Drawing& d = ctx.Document;
    const int start = d.CandidateCount > 0 ? d.Count - d.CandidateCount + 1 : 1;
    const PickContext pick = PickContextAt(ctx.View, ctx.Preferences, ctx.FillsShown, x, y);
    return ChooseAmong(ctx, ElementsUnder(d, ctx.Index, pick, start, kinds, false));
}

int TakeFirstPick(CommandContext& ctx, const ClickInput& click, std::string_view kinds, bool lockedCheck)
{
    const int h = PickElement(ctx, click.X, click.Y, kinds);
    if (h < 1 || (lockedCheck && LockedAt(ctx.Document, h))) return 0;
    if (!IsSimpleKind(ctx.Document[h].Kind) || !KindAccepted(ctx.Document[h].Kind, kinds)) return 0;
    ctx.State.FirstPick = h;
    ctx.State.InputPoint1 = ClickWorld(ctx.View, click);
    Redraw(ctx.Document, h);
    return h;
}

int TakeSecondPick(CommandContext& ctx, const ClickInput& click, std::string_view kinds, bool lockedCheck)
{
    const PickContext pick = PickContextAt(ctx.View, ctx.Preferences, ctx.FillsShown, click.X, click.Y);
    const int h = ChooseAmong(ctx, ElementsUnder(ctx.Document, ctx.Index, pick, 1, kinds, lockedCheck));
    if (h < 1 || h == ctx.State.FirstPick || !IsSimpleKind(ctx.Document[h].Kind)) return 0;
    ctx.State.SecondPick = h;
    ctx.State.InputPoint2 = pick.Cursor;
    Redraw(ctx.Document, h);
    return h;
}

int TakeTargetPick(CommandContext& ctx, const ClickInput& click, std::string_view kinds, bool lockedCheck)
{
    const int h = PickElement(ctx, click.X, click.Y, kinds);
    if (h < 1 || (lockedCheck && LockedAt(ctx.Document, h))) return 0;
    const int8_t kind = ctx.Document[h].Kind;
    if (kind == kKindEllipse || !IsSimpleKind(kind) || !KindAccepted(kind, kinds)) return 0;
    ctx.State.ThirdPick = h;
    return h;
}

SelectionWindow WindowBetween(const ViewState& view, CanvasPoint anchor, CanvasPoint mouse)
{
    Point a;
    Point b;
    CanvasToWorld(view, anchor.X, anchor.Y, a.X, a.Y);
    CanvasToWorld(view, mouse.X, mouse.Y, b.X, b.Y);
    return {std::min(a.X, b.X), std::max(a.X, b.X), std::min(a.Y, b.Y), std::max(a.Y, b.Y), mouse.X <= anchor.X};
}

bool WindowTakes(const TCadData& e, const SelectionWindow& w, bool annotations, int fineness)
{
    const Point start{e.X1, e.Y1};
    const Point end{e.X2, e.Y2};
    const bool ends = Inside(w, start) && Inside(w, end);
    const bool anEnd = Inside(w, start) || Inside(w, end);
    switch (e.Kind) {
    case kKindLine: return ends || (w.Crossing && SegmentMeetsEdge(w, start, end));
    case kKindEllipse: return TakesEllipse(e, w, fineness);
    case kKindArc: return ends || (w.Crossing && (anEnd || CircleMeetsEdge(w, e, true)));
    case kKindCircle:
    case kKindCrossCircle: {
        const bool square = Inside(w, {e.Cx - e.R, e.Cy - e.R}) && Inside(w, {e.Cx + e.R, e.Cy + e.R});
        return square || (w.Crossing && CircleMeetsEdge(w, e, false));
    }
    case kKindPoint: return Inside(w, {e.Cx, e.Cy});
    case kKindCurveThroughPoints:
    case kKindCurveByControlPoints: return anEnd;
    default: return annotations && (IsDimension(e.Kind) || e.Kind == kKindText || e.Kind == kKindFilledRect) &&
                    TakesAnnotation(e, w);
    }
}

int SelectInWindow(Drawing& drawing, ElementIndex& index, const SelectionWindow& window, const WindowRules& rules)
{
    PickBox area;
    area.MinX = window.Left;
    area.MaxX = window.Right;
    area.MinY = window.Bottom;
    area.MaxY = window.Top;
    area.Empty = false;
    std::vector<int> candidates;
    index.WindowCandidates(drawing, area, candidates);
    int toggled = 0;
    for (const int i : candidates) {
        TCadData& e = drawing[i];
        if (!IsElementShown(drawing.Layers, e) || (!rules.Locked && LockedAt(drawing, i))) continue;
        if (!WindowTakes(e, window, rules.Annotations, rules.Fineness)) continue;
        e.Selected = e.Selected == 1 ? 0 : 1;
        Redraw(drawing, i);
        ++toggled;
    }
    return toggled;
}

void InvertSelection(Drawing& drawing, bool allKinds, bool locked)
{
    for (int i = 1; i <= drawing.Count; ++i) {
        TCadData& e = drawing[i];
        if (!IsElementShown(drawing.Layers, e) || (!locked && LockedAt(drawing, i))) continue;
        if (!allKinds && e.Kind > kKindPoint) continue;
        e.Selected = e.Selected == 1 ? 0 : 1;
    }
}

int CountSelected(const Drawing& drawing)
{
    int count = 0;
    for (int i = 1; i <= drawing.Count; ++i) count += drawing[i].Selected == 1 ? 1 : 0;
    return count;
}

std::string ChooserCaption(int current, int count, int8_t kind)
{
    std::string caption = std::to_string(current) + " of (" + std::to_string(count) + ")  ";
    switch (kind) {
    case kKindLine: return caption + "直線";
    case kKindEllipse: return caption + "楕円";
    case kKindArc: return caption + "円弧";
    case kKindCircle: return caption + "円";
    case kKindPoint: return caption + "点";
    case kKindDimX:
    case kKindDimY:
    case kKindDimAligned: return caption + "直線寸法";
    case -1:
    case kKindCurveThroughPoints:
    case kKindCurveByControlPoints: return caption + "曲線";
    default: return caption;
    }
}

void ToggleSelected(Drawing& drawing, int index, bool groupWide)
{
    TCadData& picked = drawing[index];
    const uint8_t value = picked.Selected == 1 ? 0 : 1;
    const bool wholeGroup = (groupWide || picked.Kind == kKindCrossCircle) && picked.Group >= 1;
    if (!wholeGroup) {
        picked.Selected = value;
        Redraw(drawing, index);
        return;
    }
    const int32_t group = picked.Group;
    for (int i = 1; i <= drawing.Count; ++i) {
        // A member on a locked layer stays out: nothing selected there may be changed.
        if (drawing[i].Group != group || drawing[i].Selected == value || LockedAt(drawing, i)) continue;
        drawing[i].Selected = value;
        Redraw(drawing, i);
    }
}

void ClearSelection(Drawing& drawing, bool redraw)
{
    for (int i = 1; i <= drawing.Count; ++i) {
        if (drawing[i].Selected == 0) continue;
        drawing[i].Selected = 0;
        if (redraw) Redraw(drawing, i);
    }
}

}  // namespace vantro
