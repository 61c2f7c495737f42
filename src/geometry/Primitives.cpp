#include "geometry/Primitives.h"

#include <charconv>
#include <cmath>

namespace vantro {
namespace {

constexpr long double kPiExtended = 3.1415926535897932385L;

Point operator+(Point a, Point b) { return {a.X + b.X, a.Y + b.Y}; }
Point operator-(Point a, Point b) { return {a.X - b.X, a.Y - b.Y}; }
Point operator*(double k, Point a) { return {k * a.X, k * a.Y}; }
double Dot(Point a, Point b) { return a.X * b.X + a.Y * b.Y; }
double Cross(Point a, Point b) { return a.X * b.Y - a.Y * b.X; }
Point Unit(double angle) { return {std::cos(angle), std::sin(angle)}; }
bool IsFinite(Point p) { return std::isfinite(p.X) && std::isfinite(p.Y); }

bool SameWithin(Point a, Point b, double tolerance)
{
    return std::abs(a.X - b.X) < tolerance && std::abs(a.Y - b.Y) < tolerance;
}

// Of two points, the one nearer to pick; a tie goes to the second unless firstOnTie.
Point Nearer(Point first, Point second, Point pick, bool firstOnTie)
{
    const double d1 = PointDistance(first, pick);
    const double d2 = PointDistance(second, pick);
    if (d1 < d2) return first;
    if (d2 < d1) return second;
    return firstOnTie ? first : second;
}

IntersectionResult Single(Point p)
{
    IntersectionResult result;
    result.Count = 1;
    result.Points[0] = p;
    return result;
}

// Keeps the points that pass the test, in their order.
template <typename Test>
IntersectionResult Filter(const IntersectionResult& in, Test passes)
{
    IntersectionResult out;
    for (int i = 0; i < in.Count; ++i)
        if (passes(in.Points[static_cast<size_t>(i)])) out.Points[out.Count++] = in.Points[static_cast<size_t>(i)];
    return out;
}

// At most one point: the single one, or of two the nearer to pick (the second on a tie).
IntersectionResult NearestOf(const IntersectionResult& in, Point pick)
{
    if (in.Count == 0) return {};
    if (in.Count == 1) return Single(in.Points[0]);
    return Single(Nearer(in.Points[0], in.Points[1], pick, false));
}

}  // namespace

double DegToRad(double degrees)
{
    return static_cast<double>(static_cast<long double>(degrees) * kPiExtended / 180.0L);
}

double RadToDeg(double radians)
{
    return static_cast<double>(static_cast<long double>(radians) * 180.0L / kPiExtended);
}

bool NearlyEqual(double a, double b) { return std::abs(a - b) < Eps(); }

double PointDistance(Point p, Point q) { return std::sqrt((q.X - p.X) * (q.X - p.X) + (q.Y - p.Y) * (q.Y - p.Y)); }

double DirectionAngle(Point p, Point c)
{
    const double dx = p.X - c.X;
    const double dy = p.Y - c.Y;
    double angle = 0;
    if (dy == 0) angle = dx < 0 ? kPi : 0;
    else if (dx == 0) angle = dy > 0 ? kPi / 2 : 3 * kPi / 2;
    else if (dx > 0 && dy > 0) angle = std::atan(dy / dx);
    else if (dx < 0 && dy > 0) angle = kPi - std::atan(dy / -dx);
    else if (dx < 0) angle = kPi + std::atan(-dy / -dx);
    else angle = 2 * kPi - std::atan(-dy / dx);
    const double snap = DegToRad(Eps() * 0.1);
    if (std::abs(angle - 2 * kPi) < snap || std::abs(angle) < snap) return 0;
    return angle;
}

double SweepAngleRad(Point s, Point e, Point c)
{
    const double g = DirectionAngle(s, c);
    const double h = DirectionAngle(e, c);
    return g >= h ? h - g + 2 * kPi : h - g;
}

double SweepAngleDeg(Point s, Point e, Point c)
{
    const double g = RadToDeg(DirectionAngle(s, c));
    const double h = RadToDeg(DirectionAngle(e, c));
    return g >= h ? h - g + 360 : h - g;
}

Point MidPoint(Point p, Point q) { return {p.X - (p.X - q.X) / 2, p.Y - (p.Y - q.Y) / 2}; }

Point RotatePointRad(Point p, Point c, double radians)
{
    const double cs = std::cos(radians);
    const double sn = std::sin(radians);
    return {c.X + cs * (p.X - c.X) - sn * (p.Y - c.Y), c.Y + sn * (p.X - c.X) + cs * (p.Y - c.Y)};
}

Point RotatePointDeg(Point p, Point c, double degrees) { return RotatePointRad(p, c, DegToRad(degrees)); }

bool MirrorPoint(Point a, Point b, Point p, Point& result)
{
    const Point d = b - a;
    const double lengthSquared = Dot(d, d);
    if (lengthSquared == 0) return false;
    const Point foot = a + (Dot(p - a, d) / lengthSquared) * d;
    result = p + 2 * (foot - p);
    return true;
}

bool PerpendicularFoot(Point a, Point b, Point p, Point& foot)
{
    const Point d = b - a;
    const double lengthSquared = Dot(d, d);
    if (lengthSquared < Eps()) return false;
    foot = a + (Dot(p - a, d) / lengthSquared) * d;
    return IsFinite(foot);
}

bool IsPointOnSegment(Point a, Point b, Point p)
{
    if (PointDistance(a, p) < Eps() || PointDistance(b, p) < Eps()) return true;
    const double slack = std::abs(PointDistance(a, b) - PointDistance(a, p) - PointDistance(p, b));
    return slack < Eps() * 0.001 && std::abs(DirectionAngle(a, b) - DirectionAngle(a, p)) < Eps();
}

bool IsPointOnArc(Point s, Point e, Point c, double, Point p)
{
    if (PointDistance(s, p) < Eps() || PointDistance(e, p) < Eps()) return true;
    return SweepAngleDeg(s, e, c) > SweepAngleDeg(s, p, c);
}

bool IntersectLines(Point a1, Point a2, Point b1, Point b2, Point& result)
{
    if (SameWithin(a1, b1, kFixedTolerance) || SameWithin(a1, b2, kFixedTolerance)) {
        result = a1;
        return true;
    }
    if (SameWithin(a2, b1, kFixedTolerance) || SameWithin(a2, b2, kFixedTolerance)) {
        result = a2;
        return true;
    }
    const double d = (a2.X - a1.X) * (b2.Y - b1.Y) - (a2.Y - a1.Y) * (b2.X - b1.X);
    // Parallel when the sine of the angle between the lines is below the fixed tolerance: a raw
    // cross product would call every pair of short segments parallel, whatever their angle.
    if (!(std::abs(d) > kFixedTolerance * PointDistance(a1, a2) * PointDistance(b1, b2))) return false;
    const double p = b1.X * b2.Y - b1.Y * b2.X;
    const double q = a1.X * a2.Y - a1.Y * a2.X;
    const Point crossing{((a2.X - a1.X) * p - (b2.X - b1.X) * q) / d, ((a2.Y - a1.Y) * p - (b2.Y - b1.Y) * q) / d};
    if (!IsFinite(crossing)) return false;
    result = crossing;
    return true;
}

bool IntersectSegments(Point a1, Point a2, Point b1, Point b2, Point& result)
{
    Point crossing;
    if (!IntersectLines(a1, a2, b1, b2, crossing)) return false;
    if (!IsPointOnSegment(a1, a2, crossing) || !IsPointOnSegment(b1, b2, crossing)) return false;
    result = crossing;
    return true;
}

IntersectionResult IntersectLineCircle(Point a, Point b, Point c, double r)
{
    IntersectionResult result;
    if (!(r >= 0)) return result;
    const bool bFarther = PointDistance(c, b) > PointDistance(c, a);
    const Point far = bFarther ? b : a;
    const Point near = bFarther ? a : b;
    const double u = PointDistance(c, far);
    if (!(u >= Eps())) return result;
    const double h = std::abs(std::sin(DirectionAngle(near, far) - DirectionAngle(c, far)) * u);
    if (r < h - Eps()) return result;
    if (std::abs(r - h) < Eps()) {
        const Point foot = far + std::sqrt(u * u - h * h) * Unit(DirectionAngle(near, far));
        return IsFinite(foot) ? Single(foot) : result;
    }
    const Point d = b - a;
    const double lengthSquared = Dot(d, d);
    if (lengthSquared == 0) return result;
    const double k = Cross(d, c - a);
    const double m = lengthSquared * r * r - k * k;
    if (!(m >= 0)) return result;
    const double w = Dot(d, c - a);
    const double s = std::sqrt(m);
    const Point first = a + ((w + s) / lengthSquared) * d;
    const Point second = a + ((w - s) / lengthSquared) * d;
    if (!IsFinite(first) || !IsFinite(second)) return result;
    result.Count = 2;
    result.Points = {first, second};
    return result;
}

IntersectionResult IntersectSegmentCircle(Point a, Point b, Point c, double r)
{
    return Filter(IntersectLineCircle(a, b, c, r), [&](Point p) { return IsPointOnSegment(a, b, p); });
}

bool NearestLineCircle(Point a, Point b, Point c, double r, Point pick, Point& result)
{
    if (r < 0) return false;
    const IntersectionResult points = IntersectLineCircle(a, b, c, r);
    if (points.Count == 0) return false;
    result = points.Count == 1 ? points.Points[0] : Nearer(points.Points[0], points.Points[1], pick, true);
    return true;
}

IntersectionResult NearestSegmentArc(Point a, Point b, Point s, Point e, Point c, double r, Point pick)
{
    const IntersectionResult onArc =
        Filter(IntersectSegmentCircle(a, b, c, r), [&](Point p) { return IsPointOnArc(s, e, c, r, p); });
    return NearestOf(onArc, pick);
}

TangentLinesResult CircleTangentLines(Point c1, double r1, Point c2, double r2)
{
    TangentLinesResult result;
    if (!(r1 >= 0) || !(r2 >= 0)) return result;
    const double d = PointDistance(c1, c2);
    if (!(d >= Eps())) return result;
    const bool swap = r1 < r2;
    const Point a = swap ? c2 : c1;
    const Point b = swap ? c1 : c2;
    const double big = swap ? r2 : r1;
    const double small = swap ? r1 : r2;
    const double theta = DirectionAngle(b, a);
    const double phi = DirectionAngle(a, b);
    double alpha = 0;
    if (big - small > Eps()) {
        if (big > d + small) return result;
        alpha = std::asin((big - small) / d);
    }
    const double outer1 = theta + alpha - kPi / 2;
    const double outer2 = theta - alpha + kPi / 2;
    TangentLinesResult found;
    found.Points[0] = a + big * Unit(outer1);
    found.Points[1] = b + small * Unit(outer1);
    found.Points[2] = a + big * Unit(outer2);
    found.Points[3] = b + small * Unit(outer2);
    found.Count = 4;
    if (d > big + small) {
        const double beta = std::asin((big + small) / d);
        found.Points[4] = a + big * Unit(theta + beta - kPi / 2);
        found.Points[5] = b + small * Unit(phi + beta - kPi / 2);
        found.Points[6] = a + big * Unit(theta - beta + kPi / 2);
        found.Points[7] = b + small * Unit(phi - beta + kPi / 2);
        found.Count = 8;
    }
    for (int i = 0; i < found.Count; ++i)
        if (!IsFinite(found.Points[static_cast<size_t>(i)])) return result;
    return found;
}

IntersectionResult IntersectCircles(Point c1, double r1, Point c2, double r2)
{
    IntersectionResult result;
    if (!(r1 >= 0) || !(r2 >= 0)) return result;
    const double d = PointDistance(c1, c2);
    if (!(d >= kFixedTolerance)) return result;
    const bool swap = r1 < r2;
    const Point a = swap ? c2 : c1;
    const Point b = swap ? c1 : c2;
    const double big = swap ? r2 : r1;
    const double small = swap ? r1 : r2;
    if (std::abs(d - big - small) <= Eps() || std::abs(big - d - small) <= Eps())
        return Single(a + big * Unit(DirectionAngle(b, a)));
    if (!(d < big + small) || !(d > big - small)) return result;
    // Crossing circles: the two ends of the common chord, computed directly. Through the radical
    // axis and a tangency test on the larger circle, a large circle's flat arc made circles that
    // cross (or miss each other) by far more than Eps read as touching.
    const double along = (d * d + big * big - small * small) / (2 * d);
    const double half = std::sqrt((big - along) * (big + along));
    const Point u = (1 / d) * (b - a);
    const Point foot = a + along * u;
    const Point left{-u.Y, u.X};
    // The point to the left of the way from the larger centre to the smaller comes first.
    const Point first = foot + half * left;
    const Point second = foot - half * left;
    if (!IsFinite(first) || !IsFinite(second)) return result;
    result.Count = 2;
    result.Points = {first, second};
    return result;
}

IntersectionResult NearestCircleCircle(Point c1, double r1, Point c2, double r2, Point pick)
{
    return NearestOf(IntersectCircles(c1, r1, c2, r2), pick);
}

IntersectionResult IntersectArcs(Point s1, Point e1, Point s2, Point e2, Point c1, double r1, Point c2, double r2,
                                 Point pick)
{
    const IntersectionResult onBoth = Filter(IntersectCircles(c1, r1, c2, r2), [&](Point p) {
        return IsPointOnArc(s1, e1, c1, r1, p) && IsPointOnArc(s2, e2, c2, r2, p);
    });
    return NearestOf(onBoth, pick);
}

IntersectionResult TangentPointsFromPoint(Point p, Point c, double r)
{
    IntersectionResult result;
    const Point d = c - p;
    const double lengthSquared = Dot(d, d);
    const double m = lengthSquared - r * r;
    if (!(m > 0)) return result;
    const double s = std::sqrt(m);
    const Point first{c.X + r * (-d.X * r - d.Y * s) / lengthSquared, c.Y + r * (-d.Y * r + d.X * s) / lengthSquared};
    const Point second{c.X + r * (-d.X * r + d.Y * s) / lengthSquared, c.Y + r * (-d.Y * r - d.X * s) / lengthSquared};
    if (!IsFinite(first) || !IsFinite(second)) return result;
    result.Count = 2;
    result.Points = {first, second};
    return result;
}

double AngleFromArcStart(const TCadData& arc, Point p)
{
    const Point centre{arc.Cx, arc.Cy};
    const double f = RadToDeg(DirectionAngle({arc.X1, arc.Y1}, centre));
    const double h = RadToDeg(DirectionAngle(p, centre));
    return f - kFixedTolerance > h ? h + 360 - f : h - f;
}

bool IsWithinArcSweep(const TCadData& arc, Point p)
{
    const double a = AngleFromArcStart(arc, p);
    const double sweep = arc.Angle;
    if (a >= 0 && a <= sweep) return true;
    return std::abs(sweep - a) < Eps() || std::abs(a) < Eps();
}

double TanLength(double degrees, double length) { return length * std::tan(DegToRad(degrees)); }

namespace {

// Rounds to an integer (ties to even), then the last digit by the table: a digit at or above
// upFrom moves the tens one step away from zero, one at or above halfFrom (below upFrom) gives 5.
double RoundLastDigit(double value, int halfFrom, int upFrom)
{
    const double n = std::nearbyint(value);
    const double magnitude = std::abs(n);
    const double digit = std::fmod(magnitude, 10);
    double rounded = magnitude - digit;
    if (digit >= upFrom) rounded += 10;
    else if (digit >= halfFrom) rounded += 5;
    return n < 0 ? -rounded : rounded;
}

}  // namespace

double RoundTo5(double value) { return RoundLastDigit(value, 3, 8); }
double RoundTo10(double value) { return RoundLastDigit(value, 10, 5); }

std::string FormatNumber(double value)
{
    if (!(std::abs(value) >= 0.001)) return "0";
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    if (error != std::errc()) return "0";
    std::string text(buffer, end);
    // "0.0##": keep at least one decimal, drop trailing zeros beyond it.
    while (text.size() >= 2 && text.back() == '0' && text[text.size() - 2] != '.') text.pop_back();
    if (text == "0.0" || text == "-0.0") return "0";
    if (text.ends_with(".0")) text.resize(text.size() - 2);
    return text;
}

double ParseFloatOr(std::string_view text, double fallback)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return fallback;
    }
    if (text.empty()) return fallback;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return fallback;
    return value;
}

uint32_t InvertRgb(uint32_t colour) { return colour ^ 0xFFFFFFu; }

int LastPos(std::string_view needle, std::string_view text)
{
    if (needle.empty()) return 0;
    const size_t found = text.rfind(needle);
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

std::string ReverseText(std::string_view text) { return {text.rbegin(), text.rend()}; }

}  // namespace vantro
