// An entity's own plane, given by its extrusion direction (groups 210, 220, 230), seen from above:
// the arbitrary-axis rule gives the plane's x and y axes, and a point of the plane lands at the X
// and Y of its world position. An extrusion along −Z mirrors the plane; a tilted one squeezes it.
#pragma once

#include "geometry/Primitives.h"

#include <vector>

namespace vantro::dxf {

struct Vector3 {
    double X = 0;
    double Y = 0;
    double Z = 1;
};

class PlaneMap {
public:
    PlaneMap() = default;
    // A zero or non-finite direction reads as +Z.
    explicit PlaneMap(Vector3 extrusion);

    // The world plan position of the plane point p at the given height above the plane.
    Point Apply(Point p, double elevation = 0) const;
    // The plane is the drawing's own (+Z): nothing to map.
    bool IsPlain() const { return plain_; }
    // The plane lies flat, so circles stay circles (turned or mirrored).
    bool KeepsCircles() const { return flat_; }
    // Seen from above, the plane's counter-clockwise turns run clockwise.
    bool Mirrors() const { return ax_.X * ay_.Y - ax_.Y * ay_.X < 0; }
    // The world direction (radians) of the plane direction at the given angle (degrees).
    double Direction(double degrees) const;

private:
    Vector3 ax_{1, 0, 0};
    Vector3 ay_{0, 1, 0};
    Vector3 n_{0, 0, 1};
    bool plain_ = true;
    bool flat_ = true;
};

// An arc of the plane (centre, radius, counter-clockwise from startDegrees by sweepDegrees) in the
// drawing: a counter-clockwise arc from Start to End when the plane keeps circles, otherwise the
// polyline of points along it (Round false).
struct MappedArc {
    bool Round = true;
    Point Centre;
    double Radius = 0;
    Point Start;
    Point End;
    std::vector<Point> Polyline;
};

MappedArc MapArc(const PlaneMap& plane, Point centre, double radius, double startDegrees, double sweepDegrees,
                 double elevation = 0);

}  // namespace vantro::dxf
