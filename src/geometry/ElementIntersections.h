// Intersections of two stored elements, one operation per pair of kinds. Only points on both
// elements are kept; ellipses are cut through their display polyline (EllipsePolyline).
#pragma once

#include "document/CadData.h"
#include "geometry/EllipsePolyline.h"
#include "geometry/Primitives.h"

namespace vantro {

// Line segment against a circle or arc (kind 3 limits the points to its sweep). Two points come in
// the order of their angle from the arc's start, counter-clockwise; for a circle, whose start
// fields are 0, from the direction of the drawing origin seen from the centre.
IntersectionResult IntersectLineWithCircleElement(const TCadData& line, const TCadData& arc);

// Circles or arcs a and b: the touching point or crossings on both sweeps; two survivors are
// ordered by their angle from b's start.
IntersectionResult IntersectCircleElements(const TCadData& a, const TCadData& b);

// The first two distinct crossings (apart by Eps in x or y) met walking the ellipse polyline from
// its start to its last full step. Without segment the line is lengthened well past the ellipse.
IntersectionResult IntersectEllipseLine(const TCadData& ellipse, const TCadData& line, bool segment,
                                        int fineness = kDefaultFineness);

// The same walk against the full circle of a circle or arc (its sweep is not tested). A polyline
// segment crossing the circle twice ends the walk with its own two points.
IntersectionResult IntersectEllipseCircle(const TCadData& ellipse, const TCadData& circle,
                                          int fineness = kDefaultFineness);

// The same walk keeping only crossings on the drawn part of an arc: the points where an ellipse
// piece and a circle or arc element really meet, as cutting them needs.
IntersectionResult IntersectEllipseWithCircleElement(const TCadData& ellipse, const TCadData& circle,
                                                     int fineness = kDefaultFineness);

// Every segment of e1's polyline against every segment of e2's, both polylines running to their
// end parameters; the first two distinct crossings.
IntersectionResult IntersectEllipses(const TCadData& e1, const TCadData& e2, int fineness = kDefaultFineness);

}  // namespace vantro
