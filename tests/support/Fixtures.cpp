#include "support/Fixtures.h"

#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/Primitives.h"

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

TCadData ArcBetween(double cx, double cy, double r, double x1, double y1, double x2, double y2)
{
    TCadData e = Circle(cx, cy, r);
    e.Kind = kKindArc;
    e.X1 = x1;
    e.Y1 = y1;
    e.X2 = x2;
    e.Y2 = y2;
    e.Angle = SweepAngleDeg({x1, y1}, {x2, y2}, {cx, cy});
    return e;
}

TCadData TextElement(double x, double y, double height, const std::string& text)
{
    TCadData e{};
    e.Kind = kKindText;
    e.Cx = e.X1 = x;
    e.Cy = e.Y1 = y;
    e.R = height;
    e.Layer = 1;
    e.Text = text;
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

Drawing Twice(const Drawing& drawing)
{
    Drawing twice = drawing;
    twice.Elements.resize(static_cast<size_t>(2 * drawing.Count) + 1);
    for (int i = 1; i <= drawing.Count; ++i) twice[drawing.Count + i] = drawing[i];
    twice.Count = 2 * drawing.Count;
    return twice;
}

}  // namespace vantro::testing
