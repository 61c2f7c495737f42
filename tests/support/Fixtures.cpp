#include "support/Fixtures.h"

#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/Primitives.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantro::testing {

std::vector<TCadData> ElementsOf(const Drawing& drawing)
{
    return {drawing.Elements.begin() + 1, drawing.Elements.begin() + 1 + drawing.Count};
}

std::vector<TCadData> SortedById(std::vector<TCadData> elements)
{
    std::sort(elements.begin(), elements.end(), [](const TCadData& a, const TCadData& b) { return a.Id < b.Id; });
    return elements;
}

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

Point Polar(Point c, double r, double degrees)
{
    return {c.X + r * std::cos(DegToRad(degrees)), c.Y + r * std::sin(DegToRad(degrees))};
}

TCadData ArcElement(Point c, double r, double fromDeg, double toDeg)
{
    TCadData e = Circle(c.X, c.Y, r, 3);
    e.Kind = kKindArc;
    const Point s = Polar(c, r, fromDeg), t = Polar(c, r, toDeg);
    e.X1 = s.X;
    e.Y1 = s.Y;
    e.X2 = t.X;
    e.Y2 = t.Y;
    e.Angle = SweepAngleDeg(s, t, c);
    return e;
}

TCadData EllipsePiece(Point c, double r, double k, double s, double e)
{
    TCadData piece{};
    piece.Kind = kKindEllipse;
    piece.Cx = c.X;
    piece.Cy = c.Y;
    piece.R = r;
    piece.Y1 = k;
    piece.X1 = s;
    piece.X2 = e;
    piece.Width = 1;
    piece.Layer = 3;
    return piece;
}

TCadData PointElement(Point p)
{
    TCadData e{};
    e.Kind = kKindPoint;
    e.Cx = p.X;
    e.Cy = p.Y;
    e.Layer = 1;
    return e;
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
