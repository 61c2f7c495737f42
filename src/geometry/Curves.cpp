#include "geometry/Curves.h"

#include "document/ElementStore.h"
#include "document/Groups.h"
#include "document/UndoHistory.h"
#include "geometry/Constructors.h"
#include "geometry/CurvePoints.h"
#include "geometry/CurvePolyline.h"
#include "geometry/ElementPoints.h"

#include <algorithm>

namespace vantro {
namespace {

int PointCount(const TCadData& curve)
{
    return static_cast<int>(std::count(curve.Text.begin(), curve.Text.end(), ',')) / 2;
}

CurvePointResult StartCurve(Drawing& drawing, const CurrentAttributes& attributes, int8_t kind, Point p)
{
    TCadData curve{};
    curve.Kind = kind;
    curve.X1 = p.X;
    curve.Y1 = p.Y;
    curve.X2 = p.X;
    curve.Y2 = p.Y;
    curve.Text = FormatCurvePoint(p);
    return AppendRecord(drawing, attributes, std::move(curve), true, true) ? CurvePointResult::Started
                                                                           : CurvePointResult::Ignored;
}

}  // namespace

CurvePointResult AddCurvePoint(Drawing& drawing, const CurrentAttributes& attributes, int8_t kind, Point p,
                               bool first)
{
    if (first) return StartCurve(drawing, attributes, kind, p);
    if (drawing.Count < 1 || drawing[drawing.Count].Kind != kind) return CurvePointResult::Ignored;
    const int index = drawing.Count;
    TCadData& curve = drawing[index];
    if (PointDistance(EndOf(curve), p) < Eps()) return CurvePointResult::Ignored;
    if (PointCount(curve) >= kMaxCurvePoints) {
        Tell(drawing, kTooManyCurvePointsMessage);
        return CurvePointResult::Refused;
    }
    if (drawing.Listener != nullptr) drawing.Listener->EraseElement(index);
    curve.X2 = p.X;
    curve.Y2 = p.Y;
    curve.Text.append(FormatCurvePoint(p));
    ++drawing.Generation;
    const auto points = ParseCurvePoints(curve.Text);
    // A control-point curve starts at the middle of its first edge.
    if (kind == kKindCurveByControlPoints && points && points->size() >= 2) {
        const Point start = MidPoint((*points)[0], (*points)[1]);
        curve.X1 = start.X;
        curve.Y1 = start.Y;
    }
    if (drawing.Listener != nullptr) {
        const bool closed = kind == kKindCurveThroughPoints && points && IsClosedCurve(*points);
        if (closed) drawing.Listener->RepaintAll();
        else drawing.Listener->DrawElement(index);
    }
    return CurvePointResult::Added;
}

int CurveToLines(Drawing& drawing, const CurrentAttributes& attributes, int index, int curveFineness)
{
    if (index < 1 || index > drawing.Count || !IsCurve(drawing[index].Kind)) return 0;
    const auto polyline = CurvePolyline(drawing[index], curveFineness);
    if (!polyline) return 0;
    auto longEnough = [](Point a, Point b) { return PointDistance(a, b) >= Eps(); };
    if (std::adjacent_find(polyline->begin(), polyline->end(), longEnough) == polyline->end()) return 0;
    const int32_t group = NewGroupNumber(drawing);
    UndoStepGroup step(drawing);
    int made = 0;
    for (size_t i = 1; i < polyline->size(); ++i) {
        if (!AppendLine(drawing, attributes, true, true, (*polyline)[i - 1], (*polyline)[i])) continue;
        drawing[drawing.Count].Group = group;
        ++made;
    }
    // A store that filled up part-way keeps the curve: the lines made so far go with one undo.
    if (drawing.AppendFailed) return made;
    RecordUndo(drawing, step.Step(), kActionDeleted, index);
    Delete(drawing, index, false);
    return made;
}

int FinishCurve(Drawing& drawing, const CurrentAttributes& attributes, bool pejeChk, int curveFineness)
{
    if (!pejeChk || drawing.Count < 1 || !IsCurve(drawing[drawing.Count].Kind)) return 0;
    return CurveToLines(drawing, attributes, drawing.Count, curveFineness);
}

}  // namespace vantro
