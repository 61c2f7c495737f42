// The boundary collector that fills and hatching share: the vertices of the elements of a closed
// region, in the order a walk along them meets them.
#pragma once

#include "document/CadData.h"
#include "geometry/ChainTrace.h"
#include "geometry/Primitives.h"

#include <vector>

namespace vantro {

// An element's vertices from its start to its end (forward) or back: a line its two ends, an arc
// and an ellipse arc the points of their display polyline ("Bunkatu" steps per half turn for an
// ellipse, per full turn for an arc), ending exactly on their end points. Empty for other kinds.
std::vector<Point> BoundaryVertices(const TCadData& element, bool forward, int fineness);

// The vertices of a walked chain, each link in its direction; a vertex equal to the one before it
// is left out.
std::vector<Point> ChainVertices(const Drawing& drawing, const Chain& chain, int fineness);

// 2·K vertices of a circle, K = fineness, at j·180/K degrees for j = 1..2K.
std::vector<Point> CircleVertices(const TCadData& circle, int fineness);

}  // namespace vantro
