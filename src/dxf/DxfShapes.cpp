#include "dxf/DxfShapes.h"

#include "dxf/DxfOwnRecords.h"
#include "geometry/CurvePoints.h"
#include "geometry/CurvePolyline.h"

#include <algorithm>
#include <cmath>

namespace vantro::dxf {
namespace {

constexpr double kTurn = 2 * kPi;
constexpr double kCrossReach = 1.2;  // the centre lines reach this many radii from the centre
constexpr std::string_view kEllipseEnd = " 42\r\n";

void Start(DxfOutput& out, std::string_view type, const TCadData& e, const std::string& layer)
{
    EntityStart(out, type, layer, LineTypeName(e.LineStyle), ColourNumber(e.Color));
}

double Wrapped(double radians)
{
    const double r = std::fmod(radians, kTurn);
    return r < 0 ? r + kTurn : r;
}

// SPLINE of the given degree over the control points; fit points only when given.
void WriteSpline(DxfOutput& out, const TCadData& e, const std::string& layer, int degree,
                 const std::vector<double>& knots, const std::vector<Point>& control, const std::vector<Point>& fit)
{
    Start(out, "SPLINE", e, layer);
    out.Pair(kSubclass, "AcDbSpline");
    out.Pair(kNormal.X, kZero);
    out.Pair(kNormal.Y, kZero);
    out.Pair(kNormal.Z, "1.0");
    out.Integer(kFlags, 8);  // planar
    out.Integer(kSplineDegree, degree);
    out.Integer(kKnotCount, static_cast<int>(knots.size()));
    out.Integer(kControlCount, static_cast<int>(control.size()));
    out.Integer(kFitCount, static_cast<int>(fit.size()));
    for (const double knot : knots) out.Exact(kHeight, knot);
    for (const Point& p : control) out.FixedPoint(kPoint0, p);
    for (const Point& p : fit) out.FixedPoint(kPoint1, p);
}

// The natural spline through the points, exactly, as cubic Bézier pieces: each inner knot three
// times over, the end knots four times.
bool WriteThroughPoints(DxfOutput& out, const TCadData& e, const std::string& layer, const std::vector<Point>& points)
{
    const BezierChain chain = SplineThroughPointsAsBeziers(points);
    if (chain.Control.size() < 4) return false;
    std::vector<double> knots;
    for (size_t i = 0; i < chain.Knots.size(); ++i)
        knots.insert(knots.end(), i == 0 || i + 1 == chain.Knots.size() ? 4 : 3, chain.Knots[i]);
    WriteSpline(out, e, layer, 3, knots, chain.Control, points);
    return true;
}

// Quadratic Bézier pieces between the midpoints of the control polygon: a clamped quadratic
// spline with evenly spaced knots whose end control points are those midpoints.
bool WriteByControlPoints(DxfOutput& out, const TCadData& e, const std::string& layer, std::vector<Point> points)
{
    const size_t n = points.size();
    if (n < 3) return false;
    points.front() = MidPoint(points[0], points[1]);
    points.back() = MidPoint(points[n - 2], points[n - 1]);
    std::vector<double> knots{0, 0, 0};
    for (size_t i = 1; i + 2 < n; ++i) knots.push_back(static_cast<double>(i));
    knots.insert(knots.end(), 3, static_cast<double>(n - 2));
    WriteSpline(out, e, layer, 2, knots, points, {});
    return true;
}

void WriteCrossLine(DxfOutput& out, const TCadData& e, const std::string& layer, Point from, Point to)
{
    EntityStart(out, "LINE", layer, LineTypeName(e.Value > 0 ? kStyleSolid : kStyleDot), ColourNumber(e.Color));
    out.Pair(kSubclass, "AcDbLine");
    out.FixedPoint(kPoint0, from);
    out.FixedPoint(kPoint1, to);
    WriteOwnPart(out);
}

}  // namespace

bool WriteEllipse(DxfOutput& out, const TCadData& e, const std::string& layer)
{
    if (!(e.R > 0) || !(e.Y1 > 0)) return false;
    const double from = std::acos(std::clamp(e.X1 / e.R, -1.0, 1.0));
    const double to = std::acos(std::clamp(e.X2 / e.R, -1.0, 1.0));
    if (!(to > from)) return false;
    // DXF's major axis is the longer one: a flattening above 1 turns the axes by a quarter.
    const bool turned = e.Y1 > 1;
    const double axis = turned ? e.Angle + kPi / 2 : e.Angle;
    const double length = turned ? e.R * e.Y1 : e.R;
    const double shift = turned ? -kPi / 2 : 0;
    Start(out, "ELLIPSE", e, layer);
    out.Pair(kSubclass, "AcDbEllipse");
    out.FixedPoint(kPoint0, {e.Cx, e.Cy});
    out.FixedPoint(kPoint1, {length * std::cos(axis), length * std::sin(axis)});
    out.Fixed(kHeight, turned ? 1 / e.Y1 : e.Y1);
    const double start = Wrapped(from + shift);
    out.Fixed(kSecondHeight, start);
    out.Fixed(kEllipseEnd, start + (to - from));
    return true;
}

bool WriteCurve(DxfOutput& out, const TCadData& e, const std::string& layer)
{
    const auto points = ParseCurvePoints(e.Text);
    if (!points) return false;
    return e.Kind == kKindCurveThroughPoints ? WriteThroughPoints(out, e, layer, *points)
                                             : WriteByControlPoints(out, e, layer, *points);
}

void WriteFilledRectangle(DxfOutput& out, const TCadData& e, const std::string& layer)
{
    Start(out, "SOLID", e, layer);
    out.Pair(kSubclass, "AcDbTrace");
    // Corners in DXF's order: the third and fourth are crossed over.
    out.FixedPoint(kPoint0, {e.X1, e.Y1});
    out.FixedPoint(kPoint1, {e.X2, e.Y1});
    out.FixedPoint(kPoint2, {e.X1, e.Y2});
    out.FixedPoint(kPoint3, {e.X2, e.Y2});
}

void WriteCircle(DxfOutput& out, const TCadData& e, const std::string& layer)
{
    Start(out, "CIRCLE", e, layer);
    out.Pair(kSubclass, "AcDbCircle");
    out.FixedPoint(kPoint0, {e.Cx, e.Cy});
    out.Fixed(kHeight, e.R);
}

void WriteCrossCircle(DxfOutput& out, const TCadData& e, const std::string& layer)
{
    WriteCircle(out, e, layer);
    WriteOwnElement(out, e);
    const double reach = kCrossReach * e.R;
    WriteCrossLine(out, e, layer, {e.Cx - reach, e.Cy}, {e.Cx + reach, e.Cy});
    WriteCrossLine(out, e, layer, {e.Cx, e.Cy - reach}, {e.Cx, e.Cy + reach});
}

}  // namespace vantro::dxf
