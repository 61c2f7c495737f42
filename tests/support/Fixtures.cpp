#include "support/Fixtures.h"

#include "document/ElementStore.h"
#include "document/UndoHistory.h"

#include <cmath>
#include <numbers>

namespace vantro::testing {

TCadData Line(double x1, double y1, double x2, double y2, uint8_t layer)
{
    TCadData e{};
    e.Kind = kKindLine;
    e.X1 = x1;
    e.Y1 = y1;
    e.X2 = x2;
    e.Y2 = y2;
    e.Angle = std::atan2(y2 - y1, x2 - x1) * 180 / std::numbers::pi;
    e.Width = 1;
    e.Layer = layer;
    return e;
}

TCadData Circle(double cx, double cy, double r, uint8_t layer)
{
    TCadData e{};
    e.Kind = kKindCircle;
    e.Cx = cx;
    e.Cy = cy;
    e.R = r;
    e.Angle = 360;
    e.Width = 1;
    e.Layer = layer;
    return e;
}

int PutElement(Drawing& drawing, const TCadData& element)
{
    if (!Append(drawing, true)) return 0;
    const int32_t id = drawing[drawing.Count].Id;
    drawing[drawing.Count] = element;
    drawing[drawing.Count].Id = id;
    return drawing.Count;
}

int AddElement(Drawing& drawing, const TCadData& element)
{
    const int index = PutElement(drawing, element);
    if (index == 0) return 0;
    RecordUndo(drawing, BeginUndoStep(drawing), kActionAdded, index);
    return index;
}

int AddLine(Drawing& drawing, double x1, double y1, double x2, double y2, uint8_t layer)
{
    return AddElement(drawing, Line(x1, y1, x2, y2, layer));
}

int AddCircle(Drawing& drawing, double cx, double cy, double r, uint8_t layer)
{
    return AddElement(drawing, Circle(cx, cy, r, layer));
}

}  // namespace vantro::testing
