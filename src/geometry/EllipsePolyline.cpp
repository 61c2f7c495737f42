#include "geometry/EllipsePolyline.h"

#include <algorithm>
#include <cmath>

namespace vantro {
namespace {

// The stored values satisfy |value| ≤ R; a piece edited by hand or read from a damaged file may
// not, and arccos must still get its domain.
double ParameterOf(double value, double radius) { return std::acos(std::clamp(value / radius, -1.0, 1.0)); }

// Parameters closer than this (radians) are the same vertex.
constexpr double kEndTolerance = 1e-9;

}  // namespace

int ClampFineness(int fineness)
{
    if (fineness < 1) return kDefaultFineness;
    return std::min(fineness, kMaxFineness);
}

namespace {

// The ellipse's turn, taken once per polyline: the same numbers RotatePointDeg would compute for
// every vertex.
struct Turn {
    double Cos;
    double Sin;
    explicit Turn(const TCadData& ellipse)
    {
        const double radians = DegToRad(RadToDeg(ellipse.Angle));
        Cos = std::cos(radians);
        Sin = std::sin(radians);
    }
};

Point PointOf(const TCadData& ellipse, const Turn& turn, double t)
{
    const double dx = ellipse.R * std::cos(t);
    const double dy = ellipse.Y1 * ellipse.R * std::sin(t);
    return {ellipse.Cx + turn.Cos * dx - turn.Sin * dy, ellipse.Cy + turn.Sin * dx + turn.Cos * dy};
}

}  // namespace

Point EllipsePoint(const TCadData& ellipse, double t) { return PointOf(ellipse, Turn(ellipse), t); }

std::vector<Point> EllipsePolyline(const TCadData& ellipse, int fineness)
{
    std::vector<Point> vertices;
    for (double field : {ellipse.Cx, ellipse.Cy, ellipse.R, ellipse.Y1, ellipse.Angle, ellipse.X1, ellipse.X2})
        if (!std::isfinite(field)) return vertices;
    if (!(ellipse.R > 0)) return vertices;

    const int steps = ClampFineness(fineness);
    const double t0 = ParameterOf(ellipse.X1, ellipse.R);
    const double t1 = ParameterOf(ellipse.X2, ellipse.R);
    const double step = kPi / steps;
    // t1 − t0 is at most π, so fullSteps ≤ steps; a reversed piece (t1 < t0) has no full step.
    const double span = std::trunc(steps * RadToDeg(t1 - t0) / 180);
    const int fullSteps = std::clamp(static_cast<int>(std::max(span, 0.0)), 0, steps);

    const Turn turn(ellipse);
    vertices.reserve(static_cast<size_t>(fullSteps) + 2);
    for (int j = 0; j <= fullSteps; ++j) vertices.push_back(PointOf(ellipse, turn, t0 + j * step));
    // When the last step lands on t1 the end point takes its place: a closing segment of no length
    // would only feed rounding noise to the intersection walks.
    if (std::abs(t1 - (t0 + fullSteps * step)) < kEndTolerance) vertices.back() = PointOf(ellipse, turn, t1);
    else vertices.push_back(PointOf(ellipse, turn, t1));
    return vertices;
}

}  // namespace vantro
