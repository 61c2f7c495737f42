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

namespace {

// The natural splines x(t) and y(t) through the points over the chord parameter, and the spans
// [First, Last) that make up the curve (a closed curve's list is extended at both ends).
struct NaturalSpline {
    std::vector<SinglePoint> Given;
    std::vector<float> T;
    std::vector<float> Xs;
    std::vector<float> Ys;
    std::vector<float> Mx;
    std::vector<float> My;
    size_t First = 0;
    size_t Last = 0;
};

NaturalSpline MakeNaturalSpline(const std::vector<Point>& points)
{
    NaturalSpline s;
    s.Given = ToSingle(points);
    if (s.Given.size() < 2) return s;
    const bool closed = IsClosedCurve(points) && s.Given.size() >= 4;
    const std::vector<SinglePoint> p = closed ? Extended(s.Given) : s.Given;
    s.T = {0.0f};
    s.Xs = {p[0].X};
    s.Ys = {p[0].Y};
    for (size_t i = 1; i < p.size(); ++i) {
        s.T.push_back(s.T.back() + std::hypot(p[i].X - p[i - 1].X, p[i].Y - p[i - 1].Y));
        s.Xs.push_back(p[i].X);
        s.Ys.push_back(p[i].Y);
    }
    s.Mx = SecondDerivatives(s.T, s.Xs);
    s.My = SecondDerivatives(s.T, s.Ys);
    // Closed: only the spans between the given points, not the two added at each end.
    s.First = closed ? 2 : 0;
    s.Last = closed ? p.size() - 3 : p.size() - 1;
    return s;
}

// The slopes of span i at its start and its end.
void SpanSlopes(const std::vector<float>& t, const std::vector<float>& v, const std::vector<float>& m, size_t i,
                double& start, double& end)
{
    const double h = t[i + 1] - t[i];
    const double chord = (v[i + 1] - v[i]) / h;
    start = chord - h * (2.0 * m[i] + m[i + 1]) / 6;
    end = chord + h * (m[i] + 2.0 * m[i + 1]) / 6;
}

}  // namespace

std::vector<Point> SplineThroughPoints(const std::vector<Point>& points, int fineness)
{
    const NaturalSpline s = MakeNaturalSpline(points);
    if (s.Given.size() < 2) {
        std::vector<Point> single;
        for (const SinglePoint& p : s.Given) single.push_back(Widened(p));
        return single;
    }
    const int steps = ClampCurveFineness(fineness);
    std::vector<Point> polyline;
    polyline.reserve((s.Last - s.First) * static_cast<size_t>(steps) + 1);
    for (size_t i = s.First; i < s.Last; ++i) {
        const float step = (s.T[i + 1] - s.T[i]) / static_cast<float>(steps);
        for (int k = 0; k < steps; ++k) {
            const float at = s.T[i] + step * static_cast<float>(k);
            polyline.push_back({SplineValue(s.T, s.Xs, s.Mx, i, at), SplineValue(s.T, s.Ys, s.My, i, at)});
        }
    }
    polyline.front() = Widened(s.Given.front());
    polyline.push_back(Widened(s.Given.back()));
    return polyline;
}

BezierChain SplineThroughPointsAsBeziers(const std::vector<Point>& points)
{
    const NaturalSpline s = MakeNaturalSpline(points);
    BezierChain chain;
    if (s.Given.size() < 2) return chain;
    for (size_t i = s.First; i < s.Last; ++i) {
        const double h = s.T[i + 1] - s.T[i];
        double x0 = 0, x1 = 0, y0 = 0, y1 = 0;
        SpanSlopes(s.T, s.Xs, s.Mx, i, x0, x1);
        SpanSlopes(s.T, s.Ys, s.My, i, y0, y1);
        if (chain.Control.empty()) chain.Control.push_back({s.Xs[i], s.Ys[i]});
        chain.Control.push_back({s.Xs[i] + h * x0 / 3, s.Ys[i] + h * y0 / 3});
        chain.Control.push_back({s.Xs[i + 1] - h * x1 / 3, s.Ys[i + 1] - h * y1 / 3});
        chain.Control.push_back({s.Xs[i + 1], s.Ys[i + 1]});
        chain.Knots.push_back(s.T[i]);
    }
    chain.Knots.push_back(s.T[s.Last]);
    return chain;
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
