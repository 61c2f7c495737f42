// ELLIPSE and SPLINE entities as the drawing's own ellipse pieces, free curves or lines.
#pragma once

#include "document/Drawing.h"
#include "dxf/DxfReading.h"

namespace vantro::dxf {

// Free curves hold at most this many points.
inline constexpr size_t kMaxCurvePoints = 50;

// Pieces of at most half an ellipse each, all in one new group. False when a value is unreadable.
bool CreateEllipse(Drawing& target, const CurrentAttributes& attributes, const EntityPairs& pairs);
// A through-points curve from the fit points when there are few enough; otherwise the evaluated
// B-spline as lines in one new group. False when a value is unreadable.
bool CreateSpline(Drawing& target, const CurrentAttributes& attributes, const EntityPairs& pairs);

}  // namespace vantro::dxf
