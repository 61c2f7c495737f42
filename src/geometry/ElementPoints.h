// The points an element record names: start, end and centre.
#pragma once

#include "document/CadData.h"
#include "geometry/Primitives.h"

namespace vantro {

inline Point StartOf(const TCadData& element) { return {element.X1, element.Y1}; }
inline Point EndOf(const TCadData& element) { return {element.X2, element.Y2}; }
inline Point CentreOf(const TCadData& element) { return {element.Cx, element.Cy}; }

}  // namespace vantro
