// The writers of the elements beyond lines, arcs, circles, points and texts: ellipse pieces as
// ELLIPSE, free curves as SPLINE, filled rectangles as SOLID, and circles with centre cross as a
// CIRCLE and its two lines. Each returns false when the element has no DXF form (nothing written).
#pragma once

#include "dxf/DxfOutput.h"

#include <string>

namespace vantro::dxf {

bool WriteEllipse(DxfOutput& out, const TCadData& ellipse, const std::string& layer);
bool WriteCurve(DxfOutput& out, const TCadData& curve, const std::string& layer);
void WriteFilledRectangle(DxfOutput& out, const TCadData& rectangle, const std::string& layer);
void WriteCrossCircle(DxfOutput& out, const TCadData& circle, const std::string& layer);

// A CIRCLE entity without extended data.
void WriteCircle(DxfOutput& out, const TCadData& circle, const std::string& layer);

}  // namespace vantro::dxf
