#include "dxf/DxfOcs.h"

#include <algorithm>
#include <cmath>

namespace vantro::dxf {
namespace {

// The arbitrary-axis rule's limit for a direction "near the world Z axis".
constexpr double kNearZ = 1.0 / 64;
// Polylines standing for tilted arcs take one point per this many degrees.
constexpr double kDegreesPerPoint = 5;

Vector3 Cross(Vector3 a, Vector3 b)
{
    return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}

bool Normalise(Vector3& v)
{
    const double length = std::sqrt(v.X * v.X + v.Y * v.Y + v.Z * v.Z);
    if (!(length > 0) || !std::isfinite(length)) return false;
    v = {v.X / length, v.Y / length, v.Z / length};
    return true;
}

}  // namespace

PlaneMap::PlaneMap(Vector3 extrusion)
{
    if (!Normalise(extrusion) || (extrusion.X == 0 && extrusion.Y == 0 && extrusion.Z > 0)) return;
    n_ = extrusion;
    const bool nearZ = std::abs(n_.X) < kNearZ && std::abs(n_.Y) < kNearZ;
    ax_ = nearZ ? Cross({0, 1, 0}, n_) : Cross({0, 0, 1}, n_);
    Normalise(ax_);
    ay_ = Cross(n_, ax_);
    Normalise(ay_);
    plain_ = false;
    flat_ = std::abs(n_.Z) >= 1 - 1e-12;
}

Point PlaneMap::Apply(Point p, double elevation) const
{
    if (plain_) return p;
    return {p.X * ax_.X + p.Y * ay_.X + elevation * n_.X, p.X * ax_.Y + p.Y * ay_.Y + elevation * n_.Y};
}

double PlaneMap::Direction(double degrees) const
{
    const double radians = DegToRad(degrees);
    if (plain_) return radians;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return std::atan2(c * ax_.Y + s * ay_.Y, c * ax_.X + s * ay_.X);
}

MappedArc MapArc(const PlaneMap& plane, Point centre, double radius, double startDegrees, double sweepDegrees,
                 double elevation)
{
    const auto at = [&](double degrees) {
        const double radians = DegToRad(degrees);
        return plane.Apply({centre.X + radius * std::cos(radians), centre.Y + radius * std::sin(radians)},
                           elevation);
    };
    MappedArc arc;
    if (plane.KeepsCircles()) {
        arc.Centre = plane.Apply(centre, elevation);
        arc.Radius = radius;
        arc.Start = at(startDegrees);
        arc.End = at(startDegrees + sweepDegrees);
        if (plane.Mirrors()) std::swap(arc.Start, arc.End);
        return arc;
    }
    arc.Round = false;
    const int steps = std::clamp(static_cast<int>(std::ceil(std::abs(sweepDegrees) / kDegreesPerPoint)), 1, 72);
    for (int k = 0; k <= steps; ++k) arc.Polyline.push_back(at(startDegrees + sweepDegrees * k / steps));
    return arc;
}

}  // namespace vantro::dxf
