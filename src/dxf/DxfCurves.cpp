#include "dxf/DxfCurves.h"

#include "document/Groups.h"
#include "dxf/DxfValues.h"
#include "geometry/Constructors.h"
#include "geometry/CurvePoints.h"

#include <algorithm>
#include <cmath>

namespace vantro::dxf {
namespace {

constexpr double kTurn = 2 * kPi;
constexpr int kMaxSplineDegree = 10;
constexpr int kMaxSplineSegments = 256;

bool StoreWithGroup(Drawing& target, const CurrentAttributes& attributes, TCadData element, int32_t group)
{
    if (!AppendRecord(target, attributes, std::move(element), true, true, false)) return false;
    target[target.Count].Group = group;
    return true;
}

struct EllipseValues {
    Point Centre;
    Point Major;  // end of the major axis, relative to the centre
    double Ratio = 1;
    double Start = 0;
    double End = kTurn;
    double ExtrusionZ = 1;
};

bool ReadEllipseValues(const EntityPairs& pairs, EllipseValues& v)
{
    for (const RawPair& pair : pairs) {
        double* field = nullptr;
        switch (pair.Code) {
        case 10: field = &v.Centre.X; break;
        case 20: field = &v.Centre.Y; break;
        case 11: field = &v.Major.X; break;
        case 21: field = &v.Major.Y; break;
        case 40: field = &v.Ratio; break;
        case 41: field = &v.Start; break;
        case 42: field = &v.End; break;
        case 230: field = &v.ExtrusionZ; break;
        default: continue;
        }
        if (!ParseDxfNumber(pair.Value, *field)) return false;
    }
    return true;
}

}  // namespace

bool CreateEllipse(Drawing& target, const CurrentAttributes& attributes, const EntityPairs& pairs)
{
    EllipseValues v;
    if (!ReadEllipseValues(pairs, v)) return false;
    const double a = std::hypot(v.Major.X, v.Major.Y);
    if (!(a >= Eps()) || !(v.Ratio > 0)) return true;
    // Seen against the extrusion -Z the parameters run clockwise.
    double start = v.ExtrusionZ < 0 ? -v.End : v.Start;
    const double end = v.ExtrusionZ < 0 ? -v.Start : v.End;
    double sweep = std::fmod(end - start, kTurn);
    if (sweep < 0) sweep += kTurn;
    if (sweep < 1e-12) sweep = kTurn;
    start = std::fmod(start, kTurn);
    if (start < 0) start += kTurn;
    const double theta = std::atan2(v.Major.Y, v.Major.X);
    const int32_t group = NewGroupNumber(target);
    // A piece covers parameters within one half, [0, π] of its own inclination.
    const double finish = start + sweep;
    double u = start;
    for (int piece = 0; piece < 6 && u < finish - 1e-12 && !target.AppendFailed; ++piece) {
        const double half = std::floor(u / kPi + 1e-12);
        const double next = std::min(finish, (half + 1) * kPi);
        TCadData e{};
        e.Kind = kKindEllipse;
        e.Cx = v.Centre.X;
        e.Cy = v.Centre.Y;
        e.R = a;
        e.Y1 = v.Ratio;
        e.Angle = std::fmod(theta + (std::fmod(half, 2) != 0 ? kPi : 0) + kTurn, kTurn);
        e.X1 = a * std::cos(std::max(0.0, u - half * kPi));
        e.X2 = a * std::cos(std::min(kPi, next - half * kPi));
        if (e.X1 - e.X2 > 0) StoreWithGroup(target, attributes, std::move(e), group);
        u = next;
    }
    return true;
}

namespace {

bool ReadSplineValues(const EntityPairs& pairs, SplineValues& v)
{
    for (const RawPair& pair : pairs) {
        double value = 0;
        const bool numeric = pair.Code == 71 || pair.Code == 40 || pair.Code == 41 ||
                             (pair.Code >= 10 && pair.Code <= 21 && pair.Code % 10 <= 1);
        if (!numeric) continue;
        if (!ParseDxfNumber(pair.Value, value)) return false;
        switch (pair.Code) {
        case 71: v.Degree = static_cast<int>(std::clamp(value, 1.0, 64.0)); break;
        case 40: v.Knots.push_back(value); break;
        case 41: v.Weights.push_back(value); break;
        case 10: v.Control.push_back({value, 0}); break;
        case 20: if (!v.Control.empty()) v.Control.back().Y = value; break;
        case 11: v.Fit.push_back({value, 0}); break;
        case 21: if (!v.Fit.empty()) v.Fit.back().Y = value; break;
        default: break;
        }
    }
    return true;
}

// Point of the rational B-spline at parameter t in span k (de Boor's algorithm).
Point DeBoor(const SplineValues& s, int degree, int k, double t)
{
    struct Homogeneous {
        double X, Y, W;
    };
    std::vector<Homogeneous> d(static_cast<size_t>(degree + 1));
    for (int j = 0; j <= degree; ++j) {
        const auto i = static_cast<size_t>(j + k - degree);
        const double w = s.Weights.size() == s.Control.size() && s.Weights[i] > 0 ? s.Weights[i] : 1;
        d[static_cast<size_t>(j)] = {s.Control[i].X * w, s.Control[i].Y * w, w};
    }
    for (int r = 1; r <= degree; ++r) {
        for (int j = degree; j >= r; --j) {
            const double left = s.Knots[static_cast<size_t>(j + k - degree)];
            const double right = s.Knots[static_cast<size_t>(j + 1 + k - r)];
            const double alpha = right > left ? (t - left) / (right - left) : 0;
            Homogeneous& a = d[static_cast<size_t>(j)];
            const Homogeneous& b = d[static_cast<size_t>(j - 1)];
            a = {(1 - alpha) * b.X + alpha * a.X, (1 - alpha) * b.Y + alpha * a.Y, (1 - alpha) * b.W + alpha * a.W};
        }
    }
    const Homogeneous& p = d[static_cast<size_t>(degree)];
    return {p.X / p.W, p.Y / p.W};
}

// Clamped uniform knots, for splines whose knot vector is missing or does not fit.
void ClampedKnots(SplineValues& s, int degree)
{
    const int n = static_cast<int>(s.Control.size());
    s.Knots.clear();
    for (int i = 0; i <= n + degree; ++i)
        s.Knots.push_back(std::clamp(static_cast<double>(i - degree), 0.0, static_cast<double>(n - degree)));
}

}  // namespace

std::vector<Point> SplinePolyline(SplineValues& s)
{
    const int n = static_cast<int>(s.Control.size());
    const int degree = std::clamp(s.Degree, 1, std::min(kMaxSplineDegree, n - 1));
    if (s.Knots.size() != static_cast<size_t>(n + degree + 1) ||
        !std::is_sorted(s.Knots.begin(), s.Knots.end()))
        ClampedKnots(s, degree);
    const double first = s.Knots[static_cast<size_t>(degree)];
    const double last = s.Knots[static_cast<size_t>(n)];
    if (!(last > first)) return {};
    const int segments = std::clamp(4 * (n - degree) * (degree == 1 ? 0 : 1), 0, kMaxSplineSegments);
    std::vector<Point> points;
    if (segments == 0) {
        // A first-degree spline with clamped knots is its control polygon.
        points = s.Control;
        return points;
    }
    int k = degree;
    for (int step = 0; step <= segments; ++step) {
        const double t = step == segments ? last : first + (last - first) * step / segments;
        while (k < n - 1 && s.Knots[static_cast<size_t>(k + 1)] <= t) ++k;
        points.push_back(DeBoor(s, degree, k, t));
    }
    return points;
}

namespace {

TCadData CurveElement(int8_t kind, const std::vector<Point>& points)
{
    TCadData e{};
    e.Kind = kind;
    e.Text = FormatCurvePoints(points);
    e.X1 = points.front().X;
    e.Y1 = points.front().Y;
    e.X2 = points.back().X;
    e.Y2 = points.back().Y;
    return e;
}

// A clamped quadratic spline with evenly spaced knots and no weights is a curve by control
// points: the curve starts and ends at the midpoints of its first and last edges, so its first
// and last control points are the mirrors of the inner ones there.
bool ControlPointCurve(const SplineValues& s, std::vector<Point>& points)
{
    const size_t n = s.Control.size();
    if (s.Degree != 2 || n < 3 || n > static_cast<size_t>(kMaxCurvePoints) || s.Knots.size() != n + 3) return false;
    if (std::any_of(s.Weights.begin(), s.Weights.end(), [](double w) { return w != 1; })) return false;
    const std::vector<double>& k = s.Knots;
    if (k[0] != k[2] || k[n] != k[n + 2]) return false;
    const double step = k[3] - k[2];
    if (!(step > 0)) return false;
    for (size_t i = 2; i < n; ++i)
        if (std::abs(k[i + 1] - k[i] - step) > 1e-9 * step) return false;
    points = s.Control;
    points.front() = {2 * s.Control[0].X - s.Control[1].X, 2 * s.Control[0].Y - s.Control[1].Y};
    points.back() = {2 * s.Control[n - 1].X - s.Control[n - 2].X, 2 * s.Control[n - 1].Y - s.Control[n - 2].Y};
    return true;
}

}  // namespace

bool CreateSpline(Drawing& target, const CurrentAttributes& attributes, const EntityPairs& pairs)
{
    SplineValues s;
    if (!ReadSplineValues(pairs, s)) return false;
    std::vector<Point> controls;
    if (s.Fit.size() >= 2 && s.Fit.size() <= static_cast<size_t>(kMaxCurvePoints)) {
        AppendRecord(target, attributes, CurveElement(kKindCurveThroughPoints, s.Fit), true, true, false);
        return true;
    }
    if (ControlPointCurve(s, controls)) {
        AppendRecord(target, attributes, CurveElement(kKindCurveByControlPoints, controls), true, true, false);
        return true;
    }
    if (s.Control.size() < 2) return true;
    const std::vector<Point> points = SplinePolyline(s);
    const int32_t group = NewGroupNumber(target);
    for (size_t i = 1; i < points.size() && !target.AppendFailed; ++i) {
        const int before = target.Count;
        AppendLine(target, attributes, true, true, points[i - 1], points[i]);
        if (target.Count > before) target[target.Count].Group = group;
    }
    return true;
}

}  // namespace vantro::dxf
