#include "geometry/CurvePolyline.h"

#include "geometry/CurvePoints.h"

#include <algorithm>
#include <cmath>

namespace vantro {
namespace {

struct SinglePoint {
    float X;
    float Y;
};

Point Widened(SinglePoint p) { return {p.X, p.Y}; }

// The points as single-precision values; a point repeating its predecessor would make a span of
// no length, which the chord parameter cannot divide by, so it is dropped.
std::vector<SinglePoint> ToSingle(const std::vector<Point>& points)
{
    std::vector<SinglePoint> result;
    result.reserve(points.size());
    for (const Point& p : points) {
        const SinglePoint q{static_cast<float>(p.X), static_cast<float>(p.Y)};
        if (!result.empty() && result.back().X == q.X && result.back().Y == q.Y) continue;
        result.push_back(q);
    }
    return result;
}

// Second derivatives of the natural cubic spline through (t[i], v[i]): zero at both ends, the
// tridiagonal system solved by elimination.
std::vector<float> SecondDerivatives(const std::vector<float>& t, const std::vector<float>& v)
{
    const size_t n = t.size();
    std::vector<float> m(n, 0.0f);
    if (n < 3) return m;
    std::vector<float> upper(n, 0.0f);
    std::vector<float> right(n, 0.0f);
    for (size_t i = 1; i + 1 < n; ++i) {
        const float before = t[i] - t[i - 1];
        const float after = t[i + 1] - t[i];
        const float lambda = after / (after + before);
        const float mu = 1.0f - lambda;
        const float d = 6.0f / (before + after) * ((v[i + 1] - v[i]) / after - (v[i] - v[i - 1]) / before);
        const float pivot = 2.0f - mu * upper[i - 1];
        upper[i] = lambda / pivot;
        right[i] = (d - mu * right[i - 1]) / pivot;
    }
    for (size_t i = n - 2; i >= 1; --i) m[i] = right[i] - upper[i] * m[i + 1];
    return m;
}

float SplineValue(const std::vector<float>& t, const std::vector<float>& v, const std::vector<float>& m, size_t i,
                  float at)
{
    const float h = t[i + 1] - t[i];
    const float a = t[i + 1] - at;
    const float b = at - t[i];
    return m[i] * a * a * a / (6 * h) + m[i + 1] * b * b * b / (6 * h) + (v[i] / h - m[i] * h / 6) * a +
           (v[i + 1] / h - m[i + 1] * h / 6) * b;
}

// A closed list gains the two points before its closing point in front and the two after its
// first point at the end, so the spline runs smoothly through the closing point.
std::vector<SinglePoint> Extended(const std::vector<SinglePoint>& p)
{
    const size_t n = p.size();
    std::vector<SinglePoint> result{p[n - 3], p[n - 2]};
    result.insert(result.end(), p.begin(), p.end());
    result.push_back(p[1]);
    result.push_back(p[2]);
    return result;
}

}  // namespace

int ClampCurveFineness(int curveFineness)
{
    if (curveFineness < 1) return kDefaultCurveFineness;
    return std::min(curveFineness, kMaxCurveFineness);
}

bool IsClosedCurve(const std::vector<Point>& points)
{
    return points.size() >= 4 && PointDistance(points.front(), points.back()) < Eps();
}

std::vector<Point> SplineThroughPoints(const std::vector<Point>& points, int fineness)
{
    const std::vector<SinglePoint> given = ToSingle(points);
    if (given.size() < 2) {
        std::vector<Point> single;
        for (const SinglePoint& p : given) single.push_back(Widened(p));
        return single;
    }
    const bool closed = IsClosedCurve(points) && given.size() >= 4;
    const std::vector<SinglePoint> p = closed ? Extended(given) : given;
    std::vector<float> t{0.0f};
    std::vector<float> xs{p[0].X};
    std::vector<float> ys{p[0].Y};
    for (size_t i = 1; i < p.size(); ++i) {
        t.push_back(t.back() + std::hypot(p[i].X - p[i - 1].X, p[i].Y - p[i - 1].Y));
        xs.push_back(p[i].X);
        ys.push_back(p[i].Y);
    }
    const std::vector<float> mx = SecondDerivatives(t, xs);
    const std::vector<float> my = SecondDerivatives(t, ys);
    const int steps = ClampCurveFineness(fineness);
    // Closed: only the spans between the given points, not the two added at each end.
    const size_t first = closed ? 2 : 0;
    const size_t last = closed ? p.size() - 3 : p.size() - 1;
    std::vector<Point> polyline;
    polyline.reserve((last - first) * static_cast<size_t>(steps) + 1);
    for (size_t i = first; i < last; ++i) {
        const float step = (t[i + 1] - t[i]) / static_cast<float>(steps);
        for (int k = 0; k < steps; ++k) {
            const float at = t[i] + step * static_cast<float>(k);
            polyline.push_back({SplineValue(t, xs, mx, i, at), SplineValue(t, ys, my, i, at)});
        }
    }
    polyline.front() = Widened(given.front());
    polyline.push_back(Widened(given.back()));
    return polyline;
}

std::vector<Point> CurveByControlPoints(const std::vector<Point>& points, int fineness)
{
    const std::vector<SinglePoint> p = ToSingle(points);
    const int steps = ClampCurveFineness(fineness);
    std::vector<Point> polyline;
    for (size_t i = 1; i + 1 < p.size(); ++i) {
        const SinglePoint m{p[i - 1].X - (p[i - 1].X - p[i].X) / 2, p[i - 1].Y - (p[i - 1].Y - p[i].Y) / 2};
        const SinglePoint n{p[i].X - (p[i].X - p[i + 1].X) / 2, p[i].Y - (p[i].Y - p[i + 1].Y) / 2};
        // B(u) = M + u·(−2)(M − P) + u²·(M − 2P + N); each piece after the first starts where the
        // one before it ended.
        for (int k = i == 1 ? 0 : 1; k <= steps; ++k) {
            const float u = static_cast<float>(k) / static_cast<float>(steps);
            const float x = m.X + u * -2.0f * (m.X - p[i].X) + u * u * (m.X - 2 * p[i].X + n.X);
            const float y = m.Y + u * -2.0f * (m.Y - p[i].Y) + u * u * (m.Y - 2 * p[i].Y + n.Y);
            polyline.push_back({x, y});
        }
    }
    return polyline;
}

std::optional<std::vector<Point>> CurvePolyline(const TCadData& curve, int fineness)
{
    const auto points = ParseCurvePoints(curve.Text);
    if (!points) return std::nullopt;
    if (curve.Kind == kKindCurveThroughPoints) return SplineThroughPoints(*points, fineness);
    if (curve.Kind == kKindCurveByControlPoints) return CurveByControlPoints(*points, fineness);
    return std::nullopt;
}

}  // namespace vantro
