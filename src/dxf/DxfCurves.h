// ELLIPSE and SPLINE entities as the drawing's own ellipse pieces, free curves or lines.
#pragma once

#include "document/Drawing.h"
#include "dxf/DxfReading.h"
#include "geometry/CurvePolyline.h"

namespace vantro::dxf {

// A B-spline as DXF gives it (SPLINE, or a spline edge of a hatch boundary).
struct SplineValues {
    int Degree = 3;
    std::vector<double> Knots;
    std::vector<double> Weights;
    std::vector<Point> Control;
    std::vector<Point> Fit;
};

// Points along the spline (its control polygon for degree 1); knots that do not fit the control
// points are replaced by clamped uniform ones. Empty when it has no extent.
std::vector<Point> SplinePolyline(SplineValues& spline);

// Pieces of at most half an ellipse each, all in one new group. False when a value is unreadable.
bool CreateEllipse(Drawing& target, const CurrentAttributes& attributes, const EntityPairs& pairs);
// A through-points curve from the fit points when there are few enough; a curve by control points
// when the spline has that form; otherwise the evaluated B-spline as lines in one new group.
// False when a value is unreadable.
bool CreateSpline(Drawing& target, const CurrentAttributes& attributes, const EntityPairs& pairs);

}  // namespace vantro::dxf
