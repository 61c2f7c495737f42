// The world-to-canvas numbers of one painting pass, computed once: unrounded pixels, y down.
#pragma once

#include "geometry/Primitives.h"
#include "view/Surface.h"
#include "view/ViewState.h"

#include <cmath>

namespace vantro {

struct Mapping {
    double S;  // ViewScale, single precision widened
    double OriginX;
    double OriginY;
    double Width;
    double Height;

    explicit Mapping(const Surface& canvas, const ViewState& view)
        : S(ViewScale(view)), OriginX(view.OriginX), OriginY(view.OriginY), Width(canvas.Width()),
          Height(canvas.Height())
    {
    }
    double Px(double x) const { return x * S + OriginX; }
    double Py(double y) const { return OriginY - y * S; }
    Point ToWorld(double px, double py) const { return {(px - OriginX) / S, (OriginY - py) / S}; }
    // Half the canvas diagonal in world millimetres, and the world point at the canvas centre.
    Point CentreWorld() const { return ToWorld(Width / 2, Height / 2); }
    double ReachWorld() const { return PointDistance(CentreWorld(), ToWorld(0, 0)); }
};

// A point given in a text frame turned by degrees about origin (x along the text, y up).
inline Point InTextFrame(Point origin, double degrees, double x, double y)
{
    const double t = DegToRad(degrees);
    return {origin.X + x * std::cos(t) - y * std::sin(t), origin.Y + x * std::sin(t) + y * std::cos(t)};
}

}  // namespace vantro
