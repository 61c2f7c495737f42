// Element records for the editing tests.
#pragma once

#include "document/CadData.h"
#include "geometry/Primitives.h"

namespace vantro::testing {

// The arc about c from fromDeg counter-clockwise to toDeg (layer 3).
TCadData ArcElement(Point c, double r, double fromDeg, double toDeg);

// An ellipse piece about c with major radius r, flattening k, inclination 0 and values s > e.
TCadData EllipsePiece(Point c, double r, double k, double s, double e);

TCadData PointElement(Point p);

Point Polar(Point c, double r, double degrees);

// Kind, end points, radius and angle within Eps.
void ExpectGeometry(const TCadData& actual, const TCadData& expected);

}  // namespace vantro::testing
