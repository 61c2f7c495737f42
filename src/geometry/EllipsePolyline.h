// The polygonal approximation of an ellipse piece: the same vertices serve drawing and
// intersecting, so what the user sees and what the editing commands cut agree.
#pragma once

#include "document/CadData.h"
#include "geometry/Primitives.h"

#include <vector>

namespace vantro {

// Steps per half turn ("Bunkatu"); values outside [1, kMaxFineness] are brought inside.
inline constexpr int kDefaultFineness = 180;
inline constexpr int kMaxFineness = 3600;

// Below 1 reads as the default; above kMaxFineness is clamped, which bounds every polyline.
int ClampFineness(int fineness);

// Point of parameter t (radians): centre + (R·cos t, Y1·R·sin t) turned by Angle (radians).
Point EllipsePoint(const TCadData& ellipse, double t);

// Vertices from t0 = arccos(X1/R) in steps of 180/fineness degrees, n = trunc(fineness × (t1 − t0)
// in degrees / 180) full steps, ending always at the point of t1 = arccos(X2/R) (which replaces the
// last step's vertex when the two coincide). Empty when R ≤ 0 or a field is not finite.
std::vector<Point> EllipsePolyline(const TCadData& ellipse, int fineness = kDefaultFineness);

}  // namespace vantro
