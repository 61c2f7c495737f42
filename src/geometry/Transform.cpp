#include "geometry/Transform.h"

#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/CurvePoints.h"
#include "geometry/ElementEdits.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace vantro {
namespace {

void MapPair(double& x, double& y, const Transformation& t)
{
    const Point p = TransformPoint(t, {x, y});
    x = p.X;
    y = p.Y;
}

void MapCentre(TCadData& e, const Transformation& t) { MapPair(e.Cx, e.Cy, t); }

void MapEnds(TCadData& e, const Transformation& t)
{
    MapPair(e.X1, e.Y1, t);
    MapPair(e.X2, e.Y2, t);
}

void SwapEnds(TCadData& e)
{
    std::swap(e.X1, e.X2);
    std::swap(e.Y1, e.Y2);
}

// The smaller x and y to the first corner, the larger to the second.
void SortBox(TCadData& e)
{
    const double left = std::min(e.X1, e.X2), right = std::max(e.X1, e.X2);
    const double bottom = std::min(e.Y1, e.Y2), top = std::max(e.Y1, e.Y2);
    e.X1 = left;
    e.Y1 = bottom;
    e.X2 = right;
    e.Y2 = top;
}

// Rotation of a text or an ellipse inclination (radians); copies keep it below a full turn.
double TurnedAngle(double radians, const Transformation& t, bool inPlace)
{
    double turned = radians + DegToRad(t.Degrees);
    if (!inPlace && turned > 2 * kPi) turned -= 2 * kPi;
    return turned;
}

void TransformEllipse(TCadData& e, const Transformation& t, bool inPlace)
{
    MapCentre(e, t);
    if (t.Mode == TransformMode::Rotate) {
        e.Angle = TurnedAngle(e.Angle, t, inPlace);
    } else if (t.Mode == TransformMode::Mirror) {
        // The reflected piece lies on the other side of its own axis, hence the half turn; its
        // values are the negated projections in reverse order.
        const double axis = DirectionAngle(t.AxisB, t.AxisA);
        e.Angle = 2 * axis - e.Angle + kPi;
        const double start = e.X1;
        e.X1 = -e.X2;
        e.X2 = -start;
    } else if (t.Mode == TransformMode::Scale) {
        e.R *= t.Factor;
        e.X1 *= t.Factor;
        e.X2 *= t.Factor;
    }
}

// The insertion point follows the transformation; the pick box is re-sorted so that it stays a
// box. A mirrored text is not itself mirrored: it moves to the mirrored box's lower left corner.
void TransformText(TCadData& e, const Transformation& t, bool inPlace)
{
    MapCentre(e, t);
    MapEnds(e, t);
    if (t.Mode == TransformMode::Rotate) {
        e.Angle = TurnedAngle(e.Angle, t, inPlace);
        if (inPlace) SortBox(e);
    } else if (t.Mode == TransformMode::Mirror) {
        SortBox(e);
        e.Cx = e.X1;
        e.Cy = e.Y1;
    }
}

// Kinds 6, 7, 8 and 16 keep a third point in their radius and angle fields.
bool HasThirdPoint(int8_t kind)
{
    return kind == kKindDimX || kind == kKindDimY || kind == kKindDimAligned || kind == kKindDimRelativeCoordinate;
}

void TransformDimension(TCadData& e, const Transformation& t)
{
    MapCentre(e, t);
    MapEnds(e, t);
    if (HasThirdPoint(e.Kind)) MapPair(e.R, e.Angle, t);
    // An angle dimension keeps its legs in counter-clockwise order.
    if (t.Mode == TransformMode::Mirror && e.Kind == kKindDimAngle) SwapEnds(e);
    if (t.Mode == TransformMode::Scale) {
        if (e.Kind == kKindDimAngle) e.R *= t.Factor;
        else e.Value *= t.Factor;
    }
}

void TransformRound(TCadData& e, const Transformation& t)
{
    MapCentre(e, t);
    if (t.Mode == TransformMode::Scale) e.R *= t.Factor;
}

void TransformArc(TCadData& e, const Transformation& t)
{
    TransformRound(e, t);
    MapEnds(e, t);
    // A mirrored arc would run clockwise: exchanging the ends keeps it counter-clockwise.
    if (t.Mode == TransformMode::Mirror) SwapEnds(e);
}

void TransformLine(TCadData& e, const Transformation& t)
{
    MapEnds(e, t);
    if (t.Mode == TransformMode::Mirror || t.Mode == TransformMode::Rotate) RefreshLineAngle(e);
}

}  // namespace

Transformation MoveBy(Point offset)
{
    Transformation t;
    t.Mode = TransformMode::Move;
    t.Offset = offset;
    return t;
}

Transformation MirrorAcross(Point a, Point b)
{
    Transformation t;
    t.Mode = TransformMode::Mirror;
    t.AxisA = a;
    t.AxisB = b;
    return t;
}

Transformation RotateAbout(Point centre, double degrees)
{
    Transformation t;
    t.Mode = TransformMode::Rotate;
    t.Centre = centre;
    t.Degrees = degrees;
    return t;
}

Transformation ScaleAbout(Point base, double factor)
{
    Transformation t;
    t.Mode = TransformMode::Scale;
    t.Centre = base;
    t.Factor = factor;
    return t;
}

Point TransformPoint(const Transformation& t, Point p)
{
    switch (t.Mode) {
    case TransformMode::Move:
        return {p.X + t.Offset.X, p.Y + t.Offset.Y};
    case TransformMode::Mirror: {
        Point mirrored = p;
        MirrorPoint(t.AxisA, t.AxisB, p, mirrored);
        return mirrored;
    }
    case TransformMode::Rotate:
        return RotatePointDeg(p, t.Centre, t.Degrees);
    case TransformMode::Scale:
        return {t.Centre.X - (t.Centre.X - p.X) * t.Factor, t.Centre.Y - (t.Centre.Y - p.Y) * t.Factor};
    }
    return p;
}

bool TransformCurvePoints(TCadData& curve, const Transformation& t)
{
    MapEnds(curve, t);
    auto points = ParseCurvePoints(curve.Text);
    if (!points) return false;
    for (Point& p : *points) p = TransformPoint(t, p);
    curve.Text = FormatCurvePoints(*points);
    return true;
}

void TransformElement(TCadData& e, const Transformation& t, bool inPlace)
{
    if (IsDimension(e.Kind)) {
        TransformDimension(e, t);
        return;
    }
    switch (e.Kind) {
    case kKindLine:
        TransformLine(e, t);
        break;
    case kKindArc:
        TransformArc(e, t);
        break;
    case kKindCircle:
    case kKindCrossCircle:
        TransformRound(e, t);
        break;
    case kKindPoint:
        MapCentre(e, t);
        break;
    case kKindEllipse:
        TransformEllipse(e, t, inPlace);
        break;
    case kKindFilledRect:
        MapEnds(e, t);
        break;
    case kKindText:
        TransformText(e, t, inPlace);
        break;
    case kKindCurveThroughPoints:
    case kKindCurveByControlPoints:
        TransformCurvePoints(e, t);
        break;
    default:
        break;
    }
}

namespace {

// Applies make(1) to every selected element in place, or appends copies make(1)..make(copies) of
// each; the sources are deselected afterwards. One undo step; a refused copy ends the copying.
int TransformSelected(Drawing& drawing, uint8_t copyLayer, int copies,
                      const std::function<Transformation(int)>& make)
{
    const int sources = drawing.Count;
    int done = 0;
    {
        UndoStepGroup step(drawing);
        if (copies <= 0) {
            const Transformation t = make(1);
            for (int i = 1; i <= sources; ++i) {
                if (drawing[i].Selected != 1) continue;
                TCadData moved = drawing[i];
                TransformElement(moved, t, true);
                // A transformation that overflows leaves the element where it was.
                done += WriteRecorded(drawing, i, moved) ? 1 : 0;
            }
        } else {
            bool refused = false;
            for (int k = 1; k <= copies && !refused; ++k) {
                const Transformation t = make(k);
                for (int i = 1; i <= sources && !refused; ++i) {
                    if (drawing[i].Selected != 1) continue;
                    TCadData copy = drawing[i];
                    TransformElement(copy, t, false);
                    copy.Layer = copyLayer;
                    const int index = AppendRecordedCopy(drawing, copy);
                    refused = index == 0;
                    if (!refused) Redraw(drawing, index);
                    done += refused ? 0 : 1;
                }
            }
            drawing.AppendFailed = false;
        }
    }
    for (int i = 1; i <= sources; ++i) drawing[i].Selected = 0;
    return done;
}

}  // namespace

int MoveElements(Drawing& drawing, uint8_t copyLayer, int copies, Point v)
{
    return TransformSelected(drawing, copyLayer, copies, [v](int k) { return MoveBy({v.X * k, v.Y * k}); });
}

int MirrorElements(Drawing& drawing, uint8_t copyLayer, bool copy, Point a, Point b)
{
    if (PointDistance(a, b) < Eps()) {
        Tell(drawing, kZeroMirrorAxisMessage);
        return -1;
    }
    return TransformSelected(drawing, copyLayer, copy ? 1 : 0, [a, b](int) { return MirrorAcross(a, b); });
}

int RotateElements(Drawing& drawing, uint8_t copyLayer, int copies, Point centre, double degrees)
{
    return TransformSelected(drawing, copyLayer, copies,
                             [centre, degrees](int k) { return RotateAbout(centre, degrees * k); });
}

int ScaleElements(Drawing& drawing, Point base, double factor)
{
    // A negative or zero factor would store negative or zero radii.
    if (!(factor > 0) || !std::isfinite(factor)) return 0;
    return TransformSelected(drawing, 0, 0, [base, factor](int) { return ScaleAbout(base, factor); });
}

int MoveOrigin(Drawing& drawing, Point origin)
{
    const Transformation t = MoveBy({-origin.X, -origin.Y});
    UndoStepGroup step(drawing);
    for (int i = 1; i <= drawing.Count; ++i) {
        TCadData moved = drawing[i];
        TransformElement(moved, t, true);
        ReplaceElement(drawing, i, moved);
    }
    if (drawing.Listener != nullptr) drawing.Listener->RepaintAll();
    return drawing.Count;
}

}  // namespace vantro
