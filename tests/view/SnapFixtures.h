// Elements and views for the pick and snap tests, beside the shared Line and Circle.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"
#include "support/Fixtures.h"
#include "view/SnapSearch.h"

#include <cmath>

namespace vantro::testing {

inline TCadData Element(int8_t kind)
{
    TCadData e;
    e.Kind = kind;
    e.Layer = 1;
    e.Width = 1;
    return e;
}

// Counter-clockwise from startDeg through sweepDeg.
inline TCadData ArcElement(double cx, double cy, double r, double startDeg, double sweepDeg)
{
    TCadData e = Element(kKindArc);
    e.Cx = cx;
    e.Cy = cy;
    e.R = r;
    e.Angle = sweepDeg;
    const Point s = RotatePointDeg({cx + r, cy}, {cx, cy}, startDeg);
    const Point t = RotatePointDeg({cx + r, cy}, {cx, cy}, startDeg + sweepDeg);
    e.X1 = s.X;
    e.Y1 = s.Y;
    e.X2 = t.X;
    e.Y2 = t.Y;
    return e;
}

inline TCadData RoundElement(int8_t kind, double cx, double cy, double r)
{
    TCadData e = Element(kind);
    e.Cx = cx;
    e.Cy = cy;
    e.R = r;
    e.Angle = 360;
    return e;
}

inline TCadData PointElement(double x, double y)
{
    TCadData e = Element(kKindPoint);
    e.Cx = x;
    e.Cy = y;
    return e;
}

// The upper half (parameters 0..π) of an ellipse turned by inclination radians.
inline TCadData EllipseElement(double cx, double cy, double r, double ratio, double inclination)
{
    TCadData e = Element(kKindEllipse);
    e.Cx = cx;
    e.Cy = cy;
    e.R = r;
    e.Y1 = ratio;
    e.Angle = inclination;
    e.X1 = r;
    e.X2 = -r;
    return e;
}

// Any element whose fields are its two corners: texts, filled rectangles, curves.
inline TCadData BoxElement(int8_t kind, double x1, double y1, double x2, double y2, double r = 0)
{
    TCadData e = Line(x1, y1, x2, y2);
    e.Kind = kind;
    e.R = r;
    e.Angle = 0;
    return e;
}

inline TCadData DimensionElement(int8_t kind, Point position, Point end1, Point end2, double r = 0, double angle = 0)
{
    TCadData e = BoxElement(kind, end1.X, end1.Y, end2.X, end2.Y, r);
    e.Cx = position.X;
    e.Cy = position.Y;
    e.Angle = angle;
    return e;
}

// scale pixels per millimetre on a 1000 × 600 canvas, the world origin at pixel (500, 300).
inline ViewState ScaledView(float scale)
{
    ViewState view;
    view.CanvasWidth = 1000;
    view.CanvasHeight = 600;
    view.FitScale = scale;
    view.Zoom = 1;
    view.OriginX = 500;
    view.OriginY = 300;
    return view;
}

// The mouse pixel nearest a world point.
inline SnapInput MouseAt(const ViewState& view, double x, double y)
{
    const CanvasPoint pixel = WorldToCanvas(view, x, y);
    SnapInput input;
    input.MouseX = pixel.X;
    input.MouseY = pixel.Y;
    return input;
}

inline PickContext PickAt(double x, double y, double aperture)
{
    PickContext pick;
    pick.Cursor = {x, y};
    pick.Aperture = aperture;
    return pick;
}

}  // namespace vantro::testing
