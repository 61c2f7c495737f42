#include "document/CadData.h"

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

}  // namespace vantro
