#include "geometry/ElementIntersections.h"
#include "geometry/EllipsePolyline.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <vector>

namespace vantro {
namespace {

using testing::Circle;
using testing::Line;

// Crossings are compared with the settings' default tolerance, 0.001.
class IntersectionsTest : public ::testing::Test {
protected:
    void SetUp() override { SetEps(0.001f); }
    void TearDown() override { SetEps(0.0001f); }
};

using IntersectionsEllipsePolyline = IntersectionsTest;
using IntersectionsLineCircle = IntersectionsTest;
using IntersectionsCircles = IntersectionsTest;
using IntersectionsEllipse = IntersectionsTest;
using IntersectionsRandom = IntersectionsTest;

Point Polar(Point c, double r, double degrees)
{
    return {c.X + r * std::cos(degrees * kPi / 180), c.Y + r * std::sin(degrees * kPi / 180)};
}

// Counter-clockwise from startDeg to endDeg.
TCadData Arc(double cx, double cy, double r, double startDeg, double endDeg)
{
    TCadData e{};
    e.Kind = kKindArc;
    e.Cx = cx;
    e.Cy = cy;
    e.R = r;
    const Point s = Polar({cx, cy}, r, startDeg);
    const Point t = Polar({cx, cy}, r, endDeg);
    e.X1 = s.X;
    e.Y1 = s.Y;
    e.X2 = t.X;
    e.Y2 = t.Y;
    e.Angle = SweepAngleDeg(s, t, {cx, cy});
    return e;
}

// Half ellipse piece; s and e are the projections of its ends on the major axis.
TCadData Ellipse(double cx, double cy, double a, double k, double theta, double s, double e)
{
    TCadData d{};
    d.Kind = kKindEllipse;
    d.Cx = cx;
    d.Cy = cy;
    d.R = a;
    d.Y1 = k;
    d.Angle = theta;
    d.X1 = s;
    d.X2 = e;
    return d;
}

TCadData UpperHalf(double a, double k) { return Ellipse(0, 0, a, k, 0, a, -a); }

double DistanceToSegment(Point p, Point a, Point b)
{
    const double dx = b.X - a.X;
    const double dy = b.Y - a.Y;
    const double lengthSquared = dx * dx + dy * dy;
    double u = lengthSquared > 0 ? ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / lengthSquared : 0;
    u = std::clamp(u, 0.0, 1.0);
    return std::hypot(p.X - (a.X + u * dx), p.Y - (a.Y + u * dy));
}

double DistanceToLine(Point p, Point a, Point b)
{
    return std::abs((b.X - a.X) * (p.Y - a.Y) - (b.Y - a.Y) * (p.X - a.X)) / std::hypot(b.X - a.X, b.Y - a.Y);
}

double DistanceToPolyline(Point p, const std::vector<Point>& polyline)
{
    double best = std::numeric_limits<double>::infinity();
    for (size_t i = 1; i < polyline.size(); ++i)
        best = std::min(best, DistanceToSegment(p, polyline[i - 1], polyline[i]));
    return best;
}

// Counter-clockwise degrees in [0, 360) from the direction of `from` to that of p about c.
double DegreesFrom(Point c, Point from, Point p)
{
    double a = std::atan2(p.Y - c.Y, p.X - c.X) - std::atan2(from.Y - c.Y, from.X - c.X);
    a = a * 180 / kPi;
    while (a < 0) a += 360;
    while (a >= 360) a -= 360;
    return a;
}

void ExpectPoint(Point actual, Point expected, double tolerance, const char* what)
{
    SCOPED_TRACE(what);
    EXPECT_NEAR(actual.X, expected.X, tolerance);
    EXPECT_NEAR(actual.Y, expected.Y, tolerance);
}

void ExpectResult(const IntersectionResult& actual, const std::vector<Point>& expected, double tolerance)
{
    ASSERT_EQ(actual.Count, expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        ExpectPoint(actual.Points[i], expected[i], tolerance, i == 0 ? "1st" : "2nd");
}

// Crossings of a segment with a circle, from the quadratic in the segment parameter; nullopt when
// a crossing falls so near the end of the segment, or the line so near tangency, that the
// tolerance of the primitives may decide either way.
std::optional<std::vector<Point>> ClearSegmentCircle(Point a, Point b, Point c, double r, double margin, bool infinite)
{
    const double dx = b.X - a.X;
    const double dy = b.Y - a.Y;
    const double length = std::hypot(dx, dy);
    const double qa = dx * dx + dy * dy;
    const double qb = 2 * (dx * (a.X - c.X) + dy * (a.Y - c.Y));
    const double qc = (a.X - c.X) * (a.X - c.X) + (a.Y - c.Y) * (a.Y - c.Y) - r * r;
    const double distance = DistanceToLine(c, a, b);
    std::vector<Point> points;
    if (std::abs(distance - r) < margin) {
        // Near tangency matters only where the touching point could lie on the segment.
        const double u = -qb / (2 * qa);
        if (infinite || (u * length > -margin && (u - 1) * length < margin)) return std::nullopt;
        return points;
    }
    const double discriminant = qb * qb - 4 * qa * qc;
    if (discriminant < 0) return points;
    for (double sign : {1.0, -1.0}) {
        const double u = (-qb + sign * std::sqrt(discriminant)) / (2 * qa);
        if (!infinite) {
            if (std::abs(u * length) < margin || std::abs((u - 1) * length) < margin) return std::nullopt;
            if (u < 0 || u > 1) continue;
        }
        points.push_back({a.X + u * dx, a.Y + u * dy});
    }
    return points;
}

// ---- The polyline ----------------------------------------------------------------------------

TEST_F(IntersectionsEllipsePolyline, StepsFromStartParameterAndEndsAtEndParameter)
{
    const double deg = kPi / 180;
    struct Case {
        const char* name;
        TCadData ellipse;
        int fineness;
        std::vector<double> fullSteps;  // parameters in degrees
        double endDeg;
    };
    const Case cases[] = {
        {"full half in 45° steps", UpperHalf(10, 0.5), 4, {0, 45, 90, 135, 180}, 180},
        {"piece ending between steps", Ellipse(0, 0, 10, 0.5, 0, 10, 10 * std::cos(100 * deg)), 4, {0, 45, 90}, 100},
        {"piece starting inside the half", Ellipse(0, 0, 10, 0.5, 0, 10 * std::cos(30 * deg), -10), 3,
         {30, 90, 150}, 180},
        {"piece shorter than one step", Ellipse(0, 0, 10, 0.5, 0, 10 * std::cos(10 * deg), 10 * std::cos(20 * deg)),
         4, {10}, 20},
        {"reversed values keep no full step", Ellipse(0, 0, 10, 0.5, 0, -5, 5), 4, {120}, 60},
        {"values beyond the radius are clamped", Ellipse(0, 0, 10, 0.5, 0, 25, -25), 2, {0, 90, 180}, 180},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Point> polyline = EllipsePolyline(c.ellipse, c.fineness);
        // The end point follows the last step unless that step already lies on it.
        const bool endOnStep = std::abs(c.fullSteps.back() - c.endDeg) < 1e-9;
        ASSERT_EQ(polyline.size(), c.fullSteps.size() + (endOnStep ? 0 : 1));
        for (size_t i = 0; i < c.fullSteps.size(); ++i) {
            const Point expected{10 * std::cos(c.fullSteps[i] * deg), 5 * std::sin(c.fullSteps[i] * deg)};
            ExpectPoint(polyline[i], expected, 1e-9, "step vertex");
        }
        ExpectPoint(polyline.back(), {10 * std::cos(c.endDeg * deg), 5 * std::sin(c.endDeg * deg)}, 1e-9, "end");
    }
}

TEST_F(IntersectionsEllipsePolyline, TurnsAboutTheCentreByTheInclinationInRadians)
{
    const TCadData ellipse = Ellipse(3, -2, 4, 0.25, kPi / 2, 4, -4);
    const std::vector<Point> polyline = EllipsePolyline(ellipse, 2);
    ASSERT_EQ(polyline.size(), 3u);
    ExpectPoint(polyline[0], {3, 2}, 1e-12, "t = 0 on the turned major axis");
    ExpectPoint(polyline[1], {2, -2}, 1e-12, "t = 90° on the turned minor axis");
    ExpectPoint(polyline[2], {3, -6}, 1e-12, "t = 180°");
    ExpectPoint(EllipsePoint(ellipse, kPi / 2), {2, -2}, 1e-12, "EllipsePoint agrees");
}

TEST_F(IntersectionsEllipsePolyline, HostileValuesGiveBoundedOrEmptyPolylines)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        TCadData ellipse;
        int fineness;
        size_t vertices;
    };
    TCadData nanCentre = UpperHalf(10, 0.5);
    nanCentre.Cx = nan;
    TCadData infFlattening = UpperHalf(10, 0.5);
    infFlattening.Y1 = inf;
    TCadData nanInclination = UpperHalf(10, 0.5);
    nanInclination.Angle = nan;
    const Case cases[] = {
        // A whole half: the last step lands on the end parameter.
        {"zero fineness reads as the default", UpperHalf(10, 0.5), 0, kDefaultFineness + 1},
        {"negative fineness reads as the default", UpperHalf(10, 0.5), -7, kDefaultFineness + 1},
        {"huge fineness is clamped", UpperHalf(10, 0.5), 1'000'000'000, kMaxFineness + 1},
        {"fineness one", UpperHalf(10, 0.5), 1, 2},
        {"zero radius", UpperHalf(0, 0.5), 180, 0},
        {"negative radius", Ellipse(0, 0, -10, 0.5, 0, -10, 10), 180, 0},
        {"NaN radius", Ellipse(0, 0, nan, 0.5, 0, 10, -10), 180, 0},
        {"infinite radius", Ellipse(0, 0, inf, 0.5, 0, 10, -10), 180, 0},
        {"NaN start value", Ellipse(0, 0, 10, 0.5, 0, nan, -10), 180, 0},
        {"infinite end value", Ellipse(0, 0, 10, 0.5, 0, 10, -inf), 180, 0},
        {"NaN centre", nanCentre, 180, 0},
        {"infinite flattening", infFlattening, 180, 0},
        {"NaN inclination", nanInclination, 180, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Point> polyline = EllipsePolyline(c.ellipse, c.fineness);
        EXPECT_EQ(polyline.size(), c.vertices);
        for (const Point& p : polyline) EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y));
    }
}

// ---- Lines against circles and arcs ----------------------------------------------------------

TEST_F(IntersectionsLineCircle, KeepsPointsOnTheSweepOrderedFromTheArcStart)
{
    struct Case {
        const char* name;
        TCadData line;
        TCadData arc;
        std::vector<Point> expected;
    };
    const Case cases[] = {
        // The segment meets the circle at (4, 3) and (-4, 3); only the first lies on the quarter arc.
        {"one crossing outside the sweep", Line(-10, 3, 10, 3), Arc(0, 0, 5, 0, 90), {{4, 3}}},
        {"the surviving second point moves to the first slot", Line(10, 3, -10, 3), Arc(0, 0, 5, 0, 90), {{4, 3}}},
        {"both crossings outside the sweep", Line(-10, -3, 10, -3), Arc(0, 0, 5, 0, 90), {}},
        // From the start at 300°: (-3, 4) lies 186.9° on, (-3, -4) 293.1° on; the sweep wraps past 0°.
        {"two crossings, upwards", Line(-3, -10, -3, 10), Arc(0, 0, 5, 300, 250), {{-3, 4}, {-3, -4}}},
        {"two crossings, downwards", Line(-3, 10, -3, -10), Arc(0, 0, 5, 300, 250), {{-3, 4}, {-3, -4}}},
        // A circle counts from the direction of the origin seen from its centre (180° here).
        {"circle, upwards", Line(10, -10, 10, 10), Circle(10, 0, 5), {{10, -5}, {10, 5}}},
        {"circle, downwards", Line(10, 10, 10, -10), Circle(10, 0, 5), {{10, -5}, {10, 5}}},
        {"segment ending inside the circle", Line(0, 0, 10, 0), Circle(0, 0, 5), {{5, 0}}},
        {"segment wholly inside the circle", Line(-1, 0, 1, 0), Circle(0, 0, 5), {}},
        {"tangent at the sweep's end", Line(-10, 5, 10, 5), Arc(0, 0, 5, 0, 90), {{0, 5}}},
        {"tangent beyond the sweep", Line(-10, -5, 10, -5), Arc(0, 0, 5, 0, 90), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectResult(IntersectLineWithCircleElement(c.line, c.arc), c.expected, 1e-9);
    }
}

// ---- Circles and arcs against each other -----------------------------------------------------

TEST_F(IntersectionsCircles, KeepsPointsOnBothAndOrdersAlongTheSecond)
{
    // Circles about (0, 0) and (6, 0), radius 5, cross at (3, 4) and (3, -4).
    struct Case {
        const char* name;
        TCadData a;
        TCadData b;
        std::vector<Point> expected;
    };
    const Case cases[] = {
        {"two arcs of one circle", Arc(0, 0, 5, 0, 90), Arc(0, 0, 5, 180, 270), {}},
        {"one circle twice", Circle(0, 0, 5), Circle(0, 0, 5), {}},
        // Seen from (6, 0) the origin lies at 180°: (3, -4) is 53.1° on, (3, 4) 306.9° on.
        {"two circles", Circle(0, 0, 5), Circle(6, 0, 5), {{3, -4}, {3, 4}}},
        {"arguments exchanged", Circle(6, 0, 5), Circle(0, 0, 5), {{3, 4}, {3, -4}}},
        // From b's start at 90°: (3, 4) is 36.9° on, (3, -4) 143.1° on.
        {"ordered from the second arc's start", Circle(0, 0, 5), Arc(6, 0, 5, 90, 0), {{3, 4}, {3, -4}}},
        {"first arc keeps the upper point", Arc(0, 0, 5, 0, 90), Circle(6, 0, 5), {{3, 4}}},
        {"first arc keeps the lower point", Arc(0, 0, 5, 270, 360), Circle(6, 0, 5), {{3, -4}}},
        {"second arc keeps the upper point", Circle(0, 0, 5), Arc(6, 0, 5, 90, 180), {{3, 4}}},
        {"second arc keeps the lower point", Circle(0, 0, 5), Arc(6, 0, 5, 180, 270), {{3, -4}}},
        {"each arc keeps a different point", Arc(0, 0, 5, 0, 90), Arc(6, 0, 5, 180, 270), {}},
        {"separate circles", Circle(0, 0, 5), Circle(20, 0, 5), {}},
        // Touching at (5, 0): like a crossing, the point must lie on both sweeps.
        {"touching, outside the first arc", Arc(0, 0, 5, 90, 180), Circle(8, 0, 3), {}},
        {"touching, on the first arc", Arc(0, 0, 5, 270, 90), Circle(8, 0, 3), {{5, 0}}},
        {"touching, outside the second arc", Circle(0, 0, 5), Arc(8, 0, 3, 270, 90), {}},
        {"touching, on the second arc", Circle(0, 0, 5), Arc(8, 0, 3, 90, 270), {{5, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectResult(IntersectCircleElements(c.a, c.b), c.expected, 1e-9);
    }
}

// ---- Ellipses --------------------------------------------------------------------------------

TEST_F(IntersectionsEllipse, LineWithSegmentFlagOffActsAsTheInfiniteLine)
{
    // The upper half of x²/100 + y²/25 = 1 meets y = 2 at x = ±√84 and x = 3 at y = 5·√0.91.
    const TCadData ellipse = UpperHalf(10, 0.5);
    const double x = std::sqrt(84.0);
    struct Case {
        const char* name;
        TCadData line;
        bool segment;
        std::vector<Point> expected;
    };
    const Case cases[] = {
        {"short of the ellipse, as a segment", Line(20, 2, 25, 2), true, {}},
        {"short of the ellipse, lengthened", Line(20, 2, 25, 2), false, {{x, 2}, {-x, 2}}},
        {"short of the ellipse, reversed", Line(25, 2, 20, 2), false, {{x, 2}, {-x, 2}}},
        {"inside the ellipse, lengthened", Line(-1, 2, 1, 2), false, {{x, 2}, {-x, 2}}},
        {"above it, lengthened", Line(3, 7, 3, 8), false, {{3, 5 * std::sqrt(0.91)}}},
        {"above it, as a segment", Line(3, 7, 3, 8), true, {}},
        {"crossing once as a segment", Line(0, 2, 20, 2), true, {{x, 2}}},
        {"crossing twice as a segment", Line(-20, 2, 20, 2), true, {{x, 2}, {-x, 2}}},
        {"below the half, lengthened", Line(-20, -2, 20, -2), false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const IntersectionResult result = IntersectEllipseLine(ellipse, c.line, c.segment);
        // Within the chord sag of 1° steps on a radius of 10.
        ExpectResult(result, c.expected, 2e-3);
        const std::vector<Point> polyline = EllipsePolyline(ellipse);
        for (int i = 0; i < result.Count; ++i) EXPECT_LT(DistanceToPolyline(result.Points[i], polyline), 1e-9);
    }
}

TEST_F(IntersectionsEllipse, VertexSharedByTwoSegmentsCountsOnce)
{
    const TCadData ellipse = UpperHalf(10, 0.5);
    const Point at30 = EllipsePoint(ellipse, 30 * kPi / 180);
    const Point at60 = EllipsePoint(ellipse, 60 * kPi / 180);
    const Point at150 = EllipsePoint(ellipse, 150 * kPi / 180);

    // A line through the vertex at 60° crosses the half only there.
    ExpectResult(IntersectEllipseLine(ellipse, Line(at60.X, -1, at60.X, 10), true), {at60}, 1e-9);
    // The circle about the centre through the vertex at 30° meets the half at 30° and 150°, both
    // vertices; the walk must not stop at the repeat of the first.
    const TCadData circle = Circle(0, 0, PointDistance({0, 0}, at30));
    ExpectResult(IntersectEllipseCircle(ellipse, circle), {at30, at150}, 1e-9);
    // The same through an arc whose sweep misses both points: only the full circle is used.
    TCadData arc = Arc(0, 0, circle.R, 200, 340);
    ExpectResult(IntersectEllipseCircle(ellipse, arc), {at30, at150}, 1e-9);
    // A second ellipse crossing through the same vertex.
    const TCadData steep = Ellipse(at60.X, at60.Y - 3, 3, 0.1, kPi / 2, 3, -3);
    const IntersectionResult pair = IntersectEllipses(ellipse, steep);
    ASSERT_EQ(pair.Count, 1);
    ExpectPoint(pair.Points[0], at60, 1e-9, "vertex");
}

TEST_F(IntersectionsEllipse, AnArcElementMeetsAnEllipseOnlyOnItsSweep)
{
    // The circle about the centre through the vertex at 30° meets the upper half at 30° and 150°.
    const TCadData ellipse = UpperHalf(10, 0.5);
    const Point at30 = EllipsePoint(ellipse, 30 * kPi / 180);
    const Point at150 = EllipsePoint(ellipse, 150 * kPi / 180);
    const double r = PointDistance({0, 0}, at30);
    const double a30 = std::atan2(at30.Y, at30.X) * 180 / kPi;
    const double a150 = std::atan2(at150.Y, at150.X) * 180 / kPi;
    struct Case {
        const char* name;
        TCadData circle;
        std::vector<Point> expected;
    };
    const Case cases[] = {
        {"a circle", Circle(0, 0, r), {at30, at150}},
        {"an arc missing both", Arc(0, 0, r, 200, 340), {}},
        {"an arc over the first only", Arc(0, 0, r, a30 - 5, a30 + 5), {at30}},
        {"an arc over the second only", Arc(0, 0, r, a150 - 5, a150 + 5), {at150}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectResult(IntersectEllipseWithCircleElement(ellipse, c.circle), c.expected, 1e-9);
    }
}

TEST_F(IntersectionsEllipse, SegmentCrossingTheCircleTwiceEndsTheWalk)
{
    const TCadData ellipse = UpperHalf(10, 0.5);
    // In 45° steps the first chord runs from (10, 0) to the point at 45°: a small circle about its
    // middle crosses it twice and nothing else.
    const std::vector<Point> quarters = EllipsePolyline(ellipse, 4);
    const Point middle = MidPoint(quarters[0], quarters[1]);
    struct Case {
        const char* name;
        TCadData circle;
        int fineness;
        size_t chord;  // the polyline segment whose two crossings are the result
    };
    const Case cases[] = {
        {"only crossings", Circle(middle.X, middle.Y, PointDistance(quarters[0], quarters[1]) / 4), 4, 0},
        // In 90° steps: the chord (10, 0)-(0, 5) is crossed once, then (0, 5)-(-10, 0) twice; the
        // second chord's pair replaces the single point met before it.
        {"after a single crossing", Circle(2, -10, 14.8), 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Point> polyline = EllipsePolyline(ellipse, c.fineness);
        const Point centre{c.circle.Cx, c.circle.Cy};
        // Farther along the chord first.
        const auto expected =
            ClearSegmentCircle(polyline[c.chord], polyline[c.chord + 1], centre, c.circle.R, 1e-3, false);
        ASSERT_TRUE(expected.has_value());
        ASSERT_EQ(expected->size(), 2u);
        ExpectResult(IntersectEllipseCircle(ellipse, c.circle, c.fineness), *expected, 1e-9);
    }
}

TEST_F(IntersectionsEllipse, EveryWalkUsesTheClosingSegment)
{
    // In 45° steps a piece from 0° to 100° has full steps to 90° and a closing chord from (0, 5)
    // to the point at 100°, about (-1.74, 4.92). Near x = -1.3 only that chord is met: what is
    // drawn is what is cut, against an ellipse, a line or a circle alike.
    const TCadData piece = Ellipse(0, 0, 10, 0.5, 0, 10, 10 * std::cos(100 * kPi / 180));
    const TCadData steep = Ellipse(-1, 5, 3, 0.1, kPi / 2, 3, -3);  // from (-1, 8) down to (-1, 2)
    const std::vector<Point> steepPolyline = EllipsePolyline(steep, 4);
    const std::vector<Point> piecePolyline = EllipsePolyline(piece, 4);

    const IntersectionResult pair = IntersectEllipses(piece, steep, 4);
    ASSERT_EQ(pair.Count, 1);
    EXPECT_LT(DistanceToSegment(pair.Points[0], piecePolyline[2], piecePolyline[3]), 1e-9);
    EXPECT_LT(DistanceToPolyline(pair.Points[0], steepPolyline), 1e-9);
    EXPECT_LT(DistanceToSegment(pair.Points[0], steepPolyline[2], steepPolyline[3]), 1e-9);
    const IntersectionResult swapped = IntersectEllipses(steep, piece, 4);
    ASSERT_EQ(swapped.Count, 1);
    ExpectPoint(swapped.Points[0], pair.Points[0], 1e-9, "either order");

    const IntersectionResult line = IntersectEllipseLine(piece, Line(-1.3, 0, -1.3, 10), true, 4);
    ASSERT_EQ(line.Count, 1);
    EXPECT_LT(DistanceToSegment(line.Points[0], piecePolyline[2], piecePolyline[3]), 1e-9);
    const IntersectionResult circle = IntersectEllipseCircle(piece, Circle(-1.3, 4.94, 0.1), 4);
    ASSERT_GE(circle.Count, 1);
    EXPECT_LT(DistanceToSegment(circle.Points[0], piecePolyline[2], piecePolyline[3]), 1e-9);
}

TEST_F(IntersectionsEllipse, TwoEllipsesCrossingTwice)
{
    // The upper half about the origin and the lower half about (0, 4) meet on y = 2 at x = ±√84,
    // found in the order of the first ellipse's walk.
    const TCadData upper = UpperHalf(10, 0.5);
    const TCadData lower = Ellipse(0, 4, 10, 0.5, kPi, 10, -10);
    const double x = std::sqrt(84.0);
    ExpectResult(IntersectEllipses(upper, lower), {{x, 2}, {-x, 2}}, 2e-3);
    ExpectResult(IntersectEllipses(lower, upper), {{-x, 2}, {x, 2}}, 2e-3);
    // Two halves of one ellipse share only their end points.
    const TCadData otherHalf = Ellipse(0, 0, 10, 0.5, kPi, 10, -10);
    const IntersectionResult halves = IntersectEllipses(upper, otherHalf);
    ExpectResult(halves, {{10, 0}, {-10, 0}}, 1e-9);
}

// Guards against missing the crossings of small ellipses at the finest display setting, whose
// polyline segments are shorter than 1e-3 and were all taken for parallel.
TEST_F(IntersectionsEllipse, SmallEllipsesCrossAtTheFinestFineness)
{
    // The upper half of x² + 4y² = 1 and the lower half about (0, 0.4) meet on y = 0.2 at ±√0.84.
    const TCadData upper = UpperHalf(1, 0.5);
    const TCadData lower = Ellipse(0, 0.4, 1, 0.5, kPi, 1, -1);
    const double x = std::sqrt(0.84);
    for (const int fineness : {180, 3600}) {
        SCOPED_TRACE(fineness);
        ExpectResult(IntersectEllipses(upper, lower, fineness), {{x, 0.2}, {-x, 0.2}}, 1e-3);
    }
}

TEST_F(IntersectionsEllipse, DegenerateEllipsesHaveNoCrossings)
{
    TCadData flat = UpperHalf(0, 0.5);
    const TCadData normal = UpperHalf(10, 0.5);
    EXPECT_EQ(IntersectEllipseLine(flat, Line(-20, 0, 20, 0), false).Count, 0);
    EXPECT_EQ(IntersectEllipseCircle(flat, Circle(0, 0, 3)).Count, 0);
    EXPECT_EQ(IntersectEllipses(flat, normal).Count, 0);
    EXPECT_EQ(IntersectEllipses(normal, flat).Count, 0);
    flat.R = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(IntersectEllipseLine(flat, Line(-20, 0, 20, 0), false).Count, 0);
    // A zero-length line has no direction to be lengthened in.
    EXPECT_EQ(IntersectEllipseLine(normal, Line(0, 2, 0, 2), false).Count, 0);
}

// ---- Random inputs ---------------------------------------------------------------------------

// Crossing of two segments by Cramer's rule, with the same nullopt for near misses at the ends.
std::optional<std::vector<Point>> ClearSegmentSegment(Point a, Point b, Point p, Point q, double margin)
{
    const double rx = b.X - a.X, ry = b.Y - a.Y, sx = q.X - p.X, sy = q.Y - p.Y;
    const double denominator = rx * sy - ry * sx;
    const double lengthR = std::hypot(rx, ry), lengthS = std::hypot(sx, sy);
    std::vector<Point> points;
    if (std::abs(denominator) <= 1e-9 * lengthR * lengthS) {
        if (DistanceToLine(p, a, b) < margin) return std::nullopt;
        return points;
    }
    const double t = ((p.X - a.X) * sy - (p.Y - a.Y) * sx) / denominator;
    const double u = ((p.X - a.X) * ry - (p.Y - a.Y) * rx) / denominator;
    // An end point near the other segment, or a crossing near an end, is undecided.
    if (DistanceToSegment(a, p, q) < margin || DistanceToSegment(b, p, q) < margin ||
        DistanceToSegment(p, a, b) < margin || DistanceToSegment(q, a, b) < margin)
        return std::nullopt;
    if (t > 0 && t < 1 && u > 0 && u < 1) points.push_back({a.X + t * rx, a.Y + t * ry});
    return points;
}

// Whether the clear crossings were all decided and are far enough apart to count as distinct.
bool Decided(const std::optional<std::vector<Point>>& crossings, double margin)
{
    if (!crossings) return false;
    for (size_t i = 0; i < crossings->size(); ++i)
        for (size_t j = i + 1; j < crossings->size(); ++j)
            if (PointDistance((*crossings)[i], (*crossings)[j]) < margin) return false;
    return true;
}

void Append(std::optional<std::vector<Point>>& all, const std::optional<std::vector<Point>>& more)
{
    if (!all || !more) {
        all.reset();
        return;
    }
    all->insert(all->end(), more->begin(), more->end());
}

// The result holds min(2, n) of the n expected crossings, each once.
void ExpectSubsetOfAll(const IntersectionResult& result, const std::vector<Point>& expected, double tolerance)
{
    ASSERT_EQ(result.Count, std::min<size_t>(2, expected.size()));
    for (int i = 0; i < result.Count; ++i) {
        const Point p = result.Points[static_cast<size_t>(i)];
        const bool found = std::any_of(expected.begin(), expected.end(),
                                       [&](Point e) { return PointDistance(p, e) < tolerance; });
        EXPECT_TRUE(found) << "unexpected point (" << p.X << ", " << p.Y << ")";
    }
    if (result.Count == 2) {
        EXPECT_GE(PointDistance(result.Points[0], result.Points[1]), Eps());
    }
}

struct RandomShapes {
    std::mt19937 random{20240611};

    double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); }

    TCadData RandomLine() { return Line(Uniform(-15, 15), Uniform(-15, 15), Uniform(-15, 15), Uniform(-15, 15)); }

    TCadData RandomArcOrCircle()
    {
        const double cx = Uniform(-8, 8), cy = Uniform(-8, 8), r = Uniform(0.5, 10);
        if (Uniform(0, 1) < 0.3) return Circle(cx, cy, r);
        const double start = Uniform(0, 360);
        return Arc(cx, cy, r, start, start + Uniform(10, 350));
    }

    TCadData RandomEllipse() { return RandomEllipseAbout({Uniform(-3, 3), Uniform(-3, 3)}); }

    TCadData RandomEllipseAbout(Point centre)
    {
        const double a = Uniform(2, 10);
        const bool whole = Uniform(0, 1) < 0.4;
        const double s = whole ? a : Uniform(-a * 0.5, a);
        const double e = whole ? -a : Uniform(-a, s - 0.1 * a);
        return Ellipse(centre.X, centre.Y, a, Uniform(0.2, 1), Uniform(0, 2 * kPi), s, e);
    }
};

// A point of a circle element within tolerance of its circle; on an arc also within the sweep,
// give or take Eps in degrees.
void ExpectOnCircleElement(Point p, const TCadData& element, double tolerance)
{
    const Point centre{element.Cx, element.Cy};
    EXPECT_NEAR(PointDistance(p, centre), element.R, tolerance);
    if (element.Kind != kKindArc) return;
    const double angle = DegreesFrom(centre, {element.X1, element.Y1}, p);
    EXPECT_TRUE(angle <= element.Angle + Eps() || angle >= 360 - Eps()) << angle << " beyond " << element.Angle;
}

// Expected crossings of a line segment and a circle element, the arc's sweep applied with margin.
std::optional<std::vector<Point>> ExpectedLineArc(const TCadData& line, const TCadData& arc, double margin)
{
    const Point centre{arc.Cx, arc.Cy};
    auto crossings = ClearSegmentCircle({line.X1, line.Y1}, {line.X2, line.Y2}, centre, arc.R, margin, false);
    if (!crossings || arc.Kind != kKindArc) return crossings;
    std::vector<Point> kept;
    for (Point p : *crossings) {
        const double angle = DegreesFrom(centre, {arc.X1, arc.Y1}, p);
        if (angle < 0.01 || angle > 359.99 || std::abs(angle - arc.Angle) < 0.01) return std::nullopt;
        if (angle < arc.Angle) kept.push_back(p);
    }
    return kept;
}

void ExpectOrderedFromStart(const IntersectionResult& result, const TCadData& element)
{
    if (result.Count != 2) return;
    const Point centre{element.Cx, element.Cy};
    const Point start{element.X1, element.Y1};
    EXPECT_LE(DegreesFrom(centre, start, result.Points[0]), DegreesFrom(centre, start, result.Points[1]) + 1e-9);
}

TEST_F(IntersectionsRandom, LineAndCircleElementPointsLieOnBoth)
{
    RandomShapes shapes;
    int decided = 0;
    int withPoints = 0;
    for (int i = 0; i < 2000; ++i) {
        const TCadData line = shapes.RandomLine();
        const TCadData arc = shapes.RandomArcOrCircle();
        SCOPED_TRACE(::testing::Message() << "case " << i);
        const IntersectionResult result = IntersectLineWithCircleElement(line, arc);
        for (int j = 0; j < result.Count; ++j) {
            const Point p = result.Points[static_cast<size_t>(j)];
            EXPECT_LT(DistanceToSegment(p, {line.X1, line.Y1}, {line.X2, line.Y2}), Eps() + 1e-9);
            // A tangent point is the foot of the perpendicular, off the circle by less than Eps.
            ExpectOnCircleElement(p, arc, Eps() + 1e-9);
        }
        ExpectOrderedFromStart(result, arc);
        const auto expected = ExpectedLineArc(line, arc, 0.01);
        if (!Decided(expected, 0.01)) continue;
        ++decided;
        withPoints += !expected->empty();
        ExpectSubsetOfAll(result, *expected, 1e-6);
    }
    EXPECT_GT(decided, 1900);
    EXPECT_GT(withPoints, 400);
}

TEST_F(IntersectionsRandom, CircleElementPointsLieOnBoth)
{
    RandomShapes shapes;
    int decided = 0;
    int withPoints = 0;
    for (int i = 0; i < 2000; ++i) {
        const TCadData a = shapes.RandomArcOrCircle();
        const TCadData b = shapes.RandomArcOrCircle();
        SCOPED_TRACE(::testing::Message() << "case " << i);
        const IntersectionResult result = IntersectCircleElements(a, b);
        // Near tangency the crossings merge into a point of the radical line whose distance from the
        // larger circle is under Eps, and from the smaller one under Eps times the ratio of radii.
        const double tolerance = Eps() * std::max(a.R, b.R) / std::min(a.R, b.R) + 1e-9;
        for (int j = 0; j < result.Count; ++j) {
            ExpectOnCircleElement(result.Points[static_cast<size_t>(j)], a, tolerance);
            ExpectOnCircleElement(result.Points[static_cast<size_t>(j)], b, tolerance);
        }
        ExpectOrderedFromStart(result, b);

        // Crossings from the radical line; undecided near tangency or near either sweep's ends.
        const Point ca{a.Cx, a.Cy}, cb{b.Cx, b.Cy};
        const double d = PointDistance(ca, cb);
        // Radii within Eps of each other put the crossings on the bisector of the centres instead.
        if (std::abs(d - a.R - b.R) < 0.01 || std::abs(d - std::abs(a.R - b.R)) < 0.01) continue;
        if (std::abs(a.R - b.R) < 0.01) continue;
        std::vector<Point> expected;
        bool undecided = false;
        if (d < a.R + b.R && d > std::abs(a.R - b.R)) {
            const double along = (d * d + a.R * a.R - b.R * b.R) / (2 * d);
            const double half = std::sqrt(a.R * a.R - along * along);
            const Point ux{(cb.X - ca.X) / d, (cb.Y - ca.Y) / d};
            for (double sign : {1.0, -1.0}) {
                const Point p{ca.X + along * ux.X - sign * half * ux.Y, ca.Y + along * ux.Y + sign * half * ux.X};
                bool onBoth = true;
                for (const TCadData* e : {&a, &b}) {
                    if (e->Kind != kKindArc) continue;
                    const double angle = DegreesFrom({e->Cx, e->Cy}, {e->X1, e->Y1}, p);
                    if (angle < 0.01 || angle > 359.99 || std::abs(angle - e->Angle) < 0.01) undecided = true;
                    if (angle > e->Angle) onBoth = false;
                }
                if (onBoth) expected.push_back(p);
            }
        }
        if (undecided) continue;
        ++decided;
        withPoints += !expected.empty();
        ExpectSubsetOfAll(result, expected, 1e-6);
    }
    EXPECT_GT(decided, 1900);
    EXPECT_GT(withPoints, 500);
}

// Expected crossings of an ellipse polyline with a segment (or the infinite line).
std::optional<std::vector<Point>> ExpectedPolylineLine(const std::vector<Point>& polyline, Point a, Point b,
                                                      bool infinite, double margin)
{
    if (infinite) {
        // Stretch far beyond any random ellipse; the crossings of a line with a convex chain.
        const double length = PointDistance(a, b);
        const Point u{(b.X - a.X) / length, (b.Y - a.Y) / length};
        a = {a.X - 1000 * u.X, a.Y - 1000 * u.Y};
        b = {b.X + 1000 * u.X, b.Y + 1000 * u.Y};
    }
    std::optional<std::vector<Point>> all{std::vector<Point>{}};
    for (size_t i = 1; i < polyline.size(); ++i)
        Append(all, ClearSegmentSegment(polyline[i - 1], polyline[i], a, b, margin));
    return all;
}

TEST_F(IntersectionsRandom, EllipseAndLinePointsLieOnBoth)
{
    RandomShapes shapes;
    const int finenesses[] = {6, 45, 180};
    int decided = 0;
    int withPoints = 0;
    for (int i = 0; i < 900; ++i) {
        const TCadData ellipse = shapes.RandomEllipse();
        const TCadData line = shapes.RandomLine();
        const bool segment = i % 2 == 0;
        const int fineness = finenesses[i % 3];
        SCOPED_TRACE(::testing::Message() << "case " << i << (segment ? " segment" : " infinite"));
        const std::vector<Point> polyline = EllipsePolyline(ellipse, fineness);
        const IntersectionResult result = IntersectEllipseLine(ellipse, line, segment, fineness);
        const Point a{line.X1, line.Y1}, b{line.X2, line.Y2};
        for (int j = 0; j < result.Count; ++j) {
            const Point p = result.Points[static_cast<size_t>(j)];
            EXPECT_LT(DistanceToPolyline(p, polyline), Eps() + 1e-9);
            EXPECT_LT(segment ? DistanceToSegment(p, a, b) : DistanceToLine(p, a, b), Eps() + 1e-9);
        }
        const auto expected = ExpectedPolylineLine(polyline, a, b, !segment, 3 * Eps());
        if (!Decided(expected, 0.01)) continue;
        ++decided;
        withPoints += !expected->empty();
        ExpectSubsetOfAll(result, *expected, 1e-6);
    }
    EXPECT_GT(decided, 800);
    EXPECT_GT(withPoints, 150);
}

TEST_F(IntersectionsRandom, EllipseAndCirclePointsLieOnBoth)
{
    RandomShapes shapes;
    const int finenesses[] = {6, 45, 180};
    int decided = 0;
    int withPoints = 0;
    for (int i = 0; i < 900; ++i) {
        const TCadData ellipse = shapes.RandomEllipse();
        const TCadData circle = shapes.RandomArcOrCircle();
        const int fineness = finenesses[i % 3];
        SCOPED_TRACE(::testing::Message() << "case " << i);
        const std::vector<Point> polyline = EllipsePolyline(ellipse, fineness);
        const IntersectionResult result = IntersectEllipseCircle(ellipse, circle, fineness);
        const Point centre{circle.Cx, circle.Cy};
        for (int j = 0; j < result.Count; ++j) {
            const Point p = result.Points[static_cast<size_t>(j)];
            EXPECT_LT(DistanceToPolyline(p, polyline), Eps() + 1e-9);
            EXPECT_NEAR(PointDistance(p, centre), circle.R, Eps() + 1e-9);  // a tangent foot is within Eps
        }
        std::optional<std::vector<Point>> expected{std::vector<Point>{}};
        for (size_t j = 1; j < polyline.size(); ++j)
            Append(expected, ClearSegmentCircle(polyline[j - 1], polyline[j], centre, circle.R, 3 * Eps(), false));
        if (!Decided(expected, 0.01)) continue;
        ++decided;
        withPoints += !expected->empty();
        ExpectSubsetOfAll(result, *expected, 1e-6);
    }
    EXPECT_GT(decided, 800);
    EXPECT_GT(withPoints, 230);
}

TEST_F(IntersectionsRandom, EllipsePairPointsLieOnBoth)
{
    RandomShapes shapes;
    const int finenesses[] = {6, 30, 90};
    int decided = 0;
    int withPoints = 0;
    for (int i = 0; i < 900; ++i) {
        const TCadData e1 = shapes.RandomEllipse();
        const int fineness = finenesses[i % 3];
        const std::vector<Point> first = EllipsePolyline(e1, fineness);
        // Centred near e1's curve so that most pairs cross.
        const Point near = first[static_cast<size_t>(shapes.Uniform(0, static_cast<double>(first.size() - 1)))];
        const TCadData e2 = shapes.RandomEllipseAbout({near.X + shapes.Uniform(-1, 1), near.Y + shapes.Uniform(-1, 1)});
        SCOPED_TRACE(::testing::Message() << "case " << i);
        const std::vector<Point> second = EllipsePolyline(e2, fineness);
        const IntersectionResult result = IntersectEllipses(e1, e2, fineness);
        for (int j = 0; j < result.Count; ++j) {
            const Point p = result.Points[static_cast<size_t>(j)];
            EXPECT_LT(DistanceToPolyline(p, first), Eps() + 1e-9);
            EXPECT_LT(DistanceToPolyline(p, second), Eps() + 1e-9);
        }
        std::optional<std::vector<Point>> expected{std::vector<Point>{}};
        for (size_t j = 1; j < first.size(); ++j)
            for (size_t k = 1; k < second.size(); ++k)
                Append(expected, ClearSegmentSegment(first[j - 1], first[j], second[k - 1], second[k], 3 * Eps()));
        if (!Decided(expected, 0.01)) continue;
        ++decided;
        withPoints += !expected->empty();
        ExpectSubsetOfAll(result, *expected, 1e-6);
    }
    EXPECT_GT(decided, 800);
    EXPECT_GT(withPoints, 160);
}

}  // namespace
}  // namespace vantro
