// The polylines of the free curves: a natural cubic spline through the points (chord-length
// parameter), or quadratic Bézier pieces between the midpoints of the control polygon. Computed
// in single precision, as the curve's numbers are read.
#pragma once

#include "document/CadData.h"
#include "geometry/Primitives.h"

#include <optional>
#include <vector>

namespace vantro {

inline constexpr int kMaxCurvePoints = 50;
inline constexpr int kDefaultCurveFineness = 10;  // "PejeValue"
// Far beyond any useful fineness; bounds the size of every curve polyline.
inline constexpr int kMaxCurveFineness = 1000;

// Below 1 reads as the default; above the maximum is clamped.
int ClampCurveFineness(int curveFineness);

// At least 4 points and the last within Eps of the first.
bool IsClosedCurve(const std::vector<Point>& points);

// fineness ("PejeValue") segments per span; a closed curve runs smoothly through its closing
// point. The first vertex is the first point and the last vertex the last point.
std::vector<Point> SplineThroughPoints(const std::vector<Point>& points, int fineness);

// The same curve exactly, as cubic Bézier pieces joined end to end: the first point and three
// control points per span, and the chord parameter at the ends of the spans (one more than the
// spans). Empty below 2 distinct points.
struct BezierChain {
    std::vector<Point> Control;
    std::vector<double> Knots;
};
BezierChain SplineThroughPointsAsBeziers(const std::vector<Point>& points);

// From the midpoint of the first edge to the midpoint of the last, fineness segments per inner
// control point, touching the polygon at the edge midpoints.
std::vector<Point> CurveByControlPoints(const std::vector<Point>& points, int fineness);

// The polyline of a curve element (kind −4 or −5); nothing when its text cannot be read.
std::optional<std::vector<Point>> CurvePolyline(const TCadData& curve, int fineness);

}  // namespace vantro
