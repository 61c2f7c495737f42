#include "document/CadData.h"

#include <cmath>

namespace vantro {

void ApplyNewElementDefaults(TCadData& element, const CurrentAttributes& attributes)
{
    element.Color = attributes.Color;
    element.Layer = attributes.Layer;
    element.Group = 0;
    element.Selected = 0;
    if (IsSimpleGeometry(element.Kind)) {
        element.LineStyle = attributes.LineStyle;
        element.Width = attributes.Width;
    } else {
        element.LineStyle = kStyleSolid;  // the width of a dimension is its arrow pattern
    }
}

bool IsFiniteRecord(const TCadData& e)
{
    for (const double v : {e.Cx, e.Cy, e.R, e.Angle, e.Value, e.X1, e.Y1, e.X2, e.Y2})
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace vantro
