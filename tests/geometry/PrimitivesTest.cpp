#include "geometry/Primitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace vantro {
namespace {

// Most cases run with the settings' default tolerance, 0.001 in single precision.
class Primitives : public ::testing::Test {
protected:
    void SetUp() override { SetEps(0.001f); }
    void TearDown() override { SetEps(kInitialEps); }
};

TEST_F(Primitives, EpsIsComparedInSinglePrecision)
{
    EXPECT_EQ(Eps(), 0.0010000000474974513);
    SetEps(kInitialEps);
    EXPECT_EQ(Eps(), static_cast<double>(0.0001f));
}

TEST_F(Primitives, DirectionAngleCoversEveryQuadrantAndAxis)
{
    struct Case {
        const char* name;
        Point p;
        double expected;
    };
    const Case cases[] = {
        {"+x", {5, 0}, 0},
        {"+y", {0, 2}, kPi / 2},
        {"-x", {-1, 0}, kPi},
        {"straight below", {0, -3}, 4.71238898038469},
        {"same point", {0, 0}, 0},
        {"first quadrant", {1, 1}, kPi / 4},
        {"second quadrant", {-1, 1}, 3 * kPi / 4},
        {"third quadrant", {-1, -1}, 5 * kPi / 4},
        {"fourth quadrant", {1, -1}, 7 * kPi / 4},
        {"just below 2π snaps to 0", {1, -1e-7}, 0},
        {"just above 0 snaps to 0", {1, 1e-7}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(DirectionAngle(c.p, {0, 0}), c.expected, 1e-12);
    }
    // Outside the snapping band the angle stays: (Eps × 0.1)° is about 1.75e-6 rad.
    EXPECT_GT(DirectionAngle({1, -1e-5}, {0, 0}), 6.28);
}

TEST_F(Primitives, SweepOfCoincidentRaysIsAFullTurn)
{
    EXPECT_EQ(SweepAngleDeg({1, 0}, {2, 0}, {0, 0}), 360);
    EXPECT_EQ(SweepAngleRad({1, 1}, {3, 3}, {0, 0}), 2 * kPi);
    EXPECT_NEAR(SweepAngleDeg({1, 0}, {0, 1}, {0, 0}), 90, 1e-12);
    EXPECT_NEAR(SweepAngleDeg({0, 1}, {1, 0}, {0, 0}), 270, 1e-12);
    EXPECT_NEAR(SweepAngleRad({0, -1}, {1, 0}, {0, 0}), kPi / 2, 1e-12);
}

TEST_F(Primitives, PointsTurnMirrorAndDropFeet)
{
    const Point turned = RotatePointDeg({2, 1}, {1, 1}, 90);
    EXPECT_NEAR(turned.X, 1, 1e-12);
    EXPECT_NEAR(turned.Y, 2, 1e-12);
    const Point back = RotatePointRad(turned, {1, 1}, -kPi / 2);
    EXPECT_NEAR(back.X, 2, 1e-12);
    EXPECT_NEAR(back.Y, 1, 1e-12);

    Point mirrored{-99, -99};
    EXPECT_TRUE(MirrorPoint({0, 0}, {1, 1}, {2, 0}, mirrored));
    EXPECT_NEAR(mirrored.X, 0, 1e-12);
    EXPECT_NEAR(mirrored.Y, 2, 1e-12);
    Point untouched{-99, -99};
    EXPECT_FALSE(MirrorPoint({1, 1}, {1, 1}, {2, 0}, untouched));
    EXPECT_EQ(untouched, (Point{-99, -99}));

    Point foot;
    EXPECT_TRUE(PerpendicularFoot({0, 0}, {10, 0}, {3, 4}, foot));
    EXPECT_EQ(foot, (Point{3, 0}));
    // The squared length is compared with Eps: a segment of 0.03 mm is too short.
    EXPECT_FALSE(PerpendicularFoot({0, 0}, {0.03, 0}, {3, 4}, foot));
    EXPECT_EQ(MidPoint({1, 2}, {3, 6}), (Point{2, 4}));
}

TEST_F(Primitives, PointOnSegmentAndOnArc)
{
    struct Case {
        const char* name;
        Point p;
        bool onSegment;
    };
    const Case cases[] = {
        {"inside", {5, 0}, true},
        {"near an end", {10.0005, 0.0005}, true},
        {"beyond the end", {10.01, 0}, false},
        {"off the line", {5, 0.01}, false},
        {"behind the start", {-1, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsPointOnSegment({0, 0}, {10, 0}, c.p), c.onSegment);
    }
    // Quarter arc from (1,0) to (0,1) about the origin.
    EXPECT_TRUE(IsPointOnArc({1, 0}, {0, 1}, {0, 0}, 1, {0.6, 0.8}));
    EXPECT_FALSE(IsPointOnArc({1, 0}, {0, 1}, {0, 0}, 1, {-0.6, 0.8}));
    EXPECT_TRUE(IsPointOnArc({1, 0}, {0, 1}, {0, 0}, 1, {0.0005, 1}));
}

TEST_F(Primitives, LinesSharingAnEndPointReturnItExactly)
{
    const Point shared{1.2345678, 9.87654321};
    Point result;
    // Nearly parallel: the cross product alone would refuse or lose precision.
    ASSERT_TRUE(IntersectLines(shared, {100, 9.8766}, {shared.X + 1e-7, shared.Y}, {100, 9.87661}, result));
    EXPECT_EQ(result, shared);
    ASSERT_TRUE(IntersectLines({0, 0}, shared, {5, 5}, {shared.X, shared.Y + 5e-7}, result));
    EXPECT_EQ(result, shared);
    EXPECT_FALSE(IntersectLines({0, 0}, {10, 0}, {0, 1}, {10, 1}, result));
    ASSERT_TRUE(IntersectLines({0, 0}, {10, 10}, {0, 10}, {10, 0}, result));
    EXPECT_NEAR(result.X, 5, 1e-12);
    EXPECT_NEAR(result.Y, 5, 1e-12);
    EXPECT_FALSE(IntersectSegments({0, 0}, {1, 1}, {0, 10}, {10, 0}, result));
    EXPECT_TRUE(IntersectSegments({0, 0}, {6, 6}, {0, 10}, {10, 0}, result));
}

// Guards against calling short segments parallel whatever their angle: the cross product was
// compared raw, so two segments under 1e-3 long never crossed.
TEST_F(Primitives, LinesAreParallelByTheirAngleNotByTheirLengths)
{
    struct Case {
        const char* name;
        Point a1, a2, b1, b2;
        bool crossing;
    };
    const Case cases[] = {
        {"short segments at a right angle", {0, 0}, {5e-4, 0}, {2.5e-4, -2.5e-4}, {2.5e-4, 2.5e-4}, true},
        {"long lines at a sine of 5e-7", {0, 0}, {1000, 0}, {0, 1}, {1000, 1.0005}, false},
        {"long lines at a sine of 2e-6", {0, 0}, {1000, 0}, {0, 1}, {1000, 1.002}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Point result;
        EXPECT_EQ(IntersectLines(c.a1, c.a2, c.b1, c.b2, result), c.crossing);
    }
    Point result;
    ASSERT_TRUE(IntersectSegments({0, 0}, {5e-4, 0}, {2.5e-4, -2.5e-4}, {2.5e-4, 2.5e-4}, result));
    EXPECT_NEAR(result.X, 2.5e-4, 1e-15);
    EXPECT_NEAR(result.Y, 0, 1e-15);
}

TEST_F(Primitives, LineAndCircle)
{
    // Tangent within Eps/2 either side: one point, the foot of the perpendicular.
    for (const double offset : {-0.0005, 0.0, 0.0005}) {
        SCOPED_TRACE(offset);
        const IntersectionResult r = IntersectLineCircle({-10, 5 + offset}, {10, 5 + offset}, {0, 0}, 5);
        ASSERT_EQ(r.Count, 1);
        EXPECT_NEAR(r.Points[0].X, 0, 1e-9);
        EXPECT_NEAR(r.Points[0].Y, 5 + offset, 1e-9);
    }
    const IntersectionResult two = IntersectLineCircle({-10, 0}, {10, 0}, {0, 0}, 5);
    ASSERT_EQ(two.Count, 2);
    EXPECT_EQ(two.Points[0], (Point{5, 0})) << "the first point is farther along a to b";
    EXPECT_EQ(two.Points[1], (Point{-5, 0}));
    EXPECT_EQ(IntersectLineCircle({-10, 6}, {10, 6}, {0, 0}, 5).Count, 0);
    EXPECT_EQ(IntersectLineCircle({-10, 0}, {10, 0}, {0, 0}, -1).Count, 0);

    const IntersectionResult one = IntersectSegmentCircle({0, 0}, {10, 0}, {0, 0}, 5);
    ASSERT_EQ(one.Count, 1);
    EXPECT_EQ(one.Points[0], (Point{5, 0}));
    const IntersectionResult second = IntersectSegmentCircle({-10, 0}, {0, 0}, {0, 0}, 5);
    ASSERT_EQ(second.Count, 1);
    EXPECT_EQ(second.Points[0], (Point{-5, 0})) << "the surviving second point moves first";
}

TEST_F(Primitives, NearestFunctionsBreakTiesDifferently)
{
    Point nearest;
    ASSERT_TRUE(NearestLineCircle({-10, 0}, {10, 0}, {0, 0}, 5, {0, 3}, nearest));
    EXPECT_EQ(nearest, (Point{5, 0})) << "line and circle: the first point on a tie";
    ASSERT_TRUE(NearestLineCircle({-10, 0}, {10, 0}, {0, 0}, 5, {-4, 0}, nearest));
    EXPECT_EQ(nearest, (Point{-5, 0}));

    const IntersectionResult segmentArc = NearestSegmentArc({-10, 0}, {10, 0}, {0, 5}, {0, -5}, {0, 0}, 5, {0, 3});
    ASSERT_EQ(segmentArc.Count, 1);
    EXPECT_EQ(segmentArc.Points[0], (Point{-5, 0})) << "segment and arc: the second point on a tie";

    const IntersectionResult circles = NearestCircleCircle({0, 0}, 5, {6, 0}, 5, {3, 0});
    ASSERT_EQ(circles.Count, 1);
    const IntersectionResult both = IntersectCircles({0, 0}, 5, {6, 0}, 5);
    ASSERT_EQ(both.Count, 2);
    EXPECT_EQ(circles.Points[0], both.Points[1]) << "circle and circle: the second point on a tie";

    const IntersectionResult arcs = IntersectArcs({5, 0}, {5, 0}, {11, 0}, {11, 0}, {0, 0}, 5, {6, 0}, 5, {3, 0});
    ASSERT_EQ(arcs.Count, 1);
    EXPECT_EQ(arcs.Points[0], both.Points[1]);
}

TEST_F(Primitives, CirclesConcentricTouchingAndCrossing)
{
    EXPECT_EQ(IntersectCircles({1, 1}, 5, {1, 1}, 3).Count, 0);
    EXPECT_EQ(IntersectCircles({0, 0}, 5, {20, 0}, 3).Count, 0);
    EXPECT_EQ(IntersectCircles({0, 0}, 10, {1, 0}, 3).Count, 0) << "one inside the other";
    const IntersectionResult inner = IntersectCircles({1, 0}, 3, {0, 0}, 4);
    ASSERT_EQ(inner.Count, 1);
    EXPECT_NEAR(inner.Points[0].X, 4, 1e-12) << "on the larger circle towards the smaller centre";
    EXPECT_NEAR(inner.Points[0].Y, 0, 1e-12);
    const IntersectionResult outer = IntersectCircles({0, 0}, 2, {5, 0}, 3);
    ASSERT_EQ(outer.Count, 1);
    EXPECT_NEAR(outer.Points[0].X, 2, 1e-12);
    const IntersectionResult crossing = IntersectCircles({0, 0}, 5, {8, 0}, 5);
    ASSERT_EQ(crossing.Count, 2);
    EXPECT_NEAR(crossing.Points[0].X, 4, 1e-9);
    EXPECT_NEAR(std::abs(crossing.Points[0].Y), 3, 1e-9);
    EXPECT_NEAR(crossing.Points[1].Y, -crossing.Points[0].Y, 1e-9);
}

TEST_F(Primitives, TangentLinesOfTwoCircles)
{
    EXPECT_EQ(CircleTangentLines({0, 0}, 5, {6, 0}, 4).Count, 4) << "crossing circles: outer tangents only";
    EXPECT_EQ(CircleTangentLines({0, 0}, 10, {1, 0}, 2).Count, 0) << "one inside the other";
    const TangentLinesResult equal = CircleTangentLines({0, 0}, 2, {10, 0}, 2);
    ASSERT_EQ(equal.Count, 8);
    EXPECT_NEAR(equal.Points[0].Y, equal.Points[1].Y, 1e-12) << "outer tangents parallel to the centres' line";
    EXPECT_NEAR(equal.Points[2].Y, equal.Points[3].Y, 1e-12);
    const TangentLinesResult swapped = CircleTangentLines({10, 0}, 1, {0, 0}, 3);
    ASSERT_EQ(swapped.Count, 8);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        const Point p = swapped.Points[static_cast<size_t>(i)];
        const double onLarger = PointDistance(p, {0, 0}) - 3;
        const double onSmaller = PointDistance(p, {10, 0}) - 1;
        EXPECT_NEAR(i % 2 == 0 ? onLarger : onSmaller, 0, 1e-9) << "first of each pair on the larger circle";
    }
}

TEST_F(Primitives, TangentPointsFromAPoint)
{
    const IntersectionResult r = TangentPointsFromPoint({10, 0}, {0, 0}, 5);
    ASSERT_EQ(r.Count, 2);
    for (const Point& t : r.Points) {
        EXPECT_NEAR(PointDistance(t, {0, 0}), 5, 1e-12);
        // The radius to the tangent point is perpendicular to the tangent.
        EXPECT_NEAR(t.X * (t.X - 10) + t.Y * t.Y, 0, 1e-9);
    }
    EXPECT_EQ(TangentPointsFromPoint({5, 0}, {0, 0}, 5).Count, 0);
    EXPECT_EQ(TangentPointsFromPoint({1, 0}, {0, 0}, 5).Count, 0);
}

TEST_F(Primitives, AnglesFromAnArcStartAndTheSweepTest)
{
    TCadData arc{};
    arc.Kind = kKindArc;
    arc.R = 1;
    arc.X1 = 0;
    arc.Y1 = 1;  // starts straight up
    arc.X2 = -1;
    arc.Angle = 90;
    EXPECT_NEAR(AngleFromArcStart(arc, {-1, 0}), 90, 1e-12);
    EXPECT_NEAR(AngleFromArcStart(arc, {1, 0}), 270, 1e-12);
    EXPECT_TRUE(IsWithinArcSweep(arc, {-1, 1}));
    EXPECT_FALSE(IsWithinArcSweep(arc, {1, -1}));
    TCadData circle{};
    circle.Kind = kKindCircle;
    circle.R = 1;
    circle.Angle = 360;
    EXPECT_TRUE(IsWithinArcSweep(circle, {-1, -1}));
}

TEST_F(Primitives, NumberUtilities)
{
    struct Rounding {
        double value;
        double to5;
        double to10;
    };
    const Rounding roundings[] = {
        {12.4, 10, 10}, {13, 15, 10}, {18, 20, 20}, {14, 15, 10}, {15, 15, 20}, {9, 10, 10},
        {-8, -10, -10}, {-18, -20, -20}, {-15, -15, -20}, {2.5, 0, 0}, {3.5, 5, 0}, {0, 0, 0},
    };
    for (const Rounding& r : roundings) {
        SCOPED_TRACE(r.value);
        EXPECT_EQ(RoundTo5(r.value), r.to5);
        EXPECT_EQ(RoundTo10(r.value), r.to10);
    }
    struct Format {
        double value;
        const char* text;
    };
    const Format formats[] = {
        {0.0004, "0"}, {-0.0004, "0"}, {2, "2"}, {2.3456, "2.346"}, {12.0, "12"}, {12.5, "12.5"},
        {12.125, "12.125"}, {-3.25, "-3.25"}, {0.001, "0.001"}, {100, "100"}, {1e-9, "0"},
    };
    for (const Format& f : formats) {
        SCOPED_TRACE(f.value);
        EXPECT_EQ(FormatNumber(f.value), f.text);
    }
    struct Parse {
        const char* text;
        double value;
    };
    const Parse parses[] = {
        {"12.5", 12.5}, {" -3 ", -3}, {"+4", 4}, {"1e2", 100}, {"", 7}, {"abc", 7}, {"1,5", 7}, {"2x", 7}, {"+-1", 7},
    };
    for (const Parse& p : parses) {
        SCOPED_TRACE(p.text);
        EXPECT_EQ(ParseFloatOr(p.text, 7), p.value);
    }
    EXPECT_NEAR(TanLength(45, 2), 2, 1e-12);
    EXPECT_EQ(InvertRgb(0x00FF0000u), 0x0000FFFFu);
    EXPECT_EQ(LastPos("ab", "xabyab"), 5);
    EXPECT_EQ(LastPos("q", "xab"), 0);
    EXPECT_EQ(ReverseText("abc"), "cba");
}

TEST_F(Primitives, RandomIntersectionsLieOnBothFiguresAndAnglesStayInRange)
{
    std::mt19937 random(42);
    std::uniform_real_distribution<double> coordinate(-50, 50);
    std::uniform_real_distribution<double> radius(0.5, 30);
    auto point = [&] { return Point{coordinate(random), coordinate(random)}; };
    for (int n = 0; n < 2000; ++n) {
        const Point a = point(), b = point(), c = point(), d = point();
        const double r1 = radius(random), r2 = radius(random);
        const IntersectionResult lc = IntersectLineCircle(a, b, c, r1);
        for (int i = 0; i < lc.Count; ++i) {
            const Point p = lc.Points[static_cast<size_t>(i)];
            EXPECT_NEAR(PointDistance(p, c), r1, Eps());
            EXPECT_NEAR(std::abs((b.X - a.X) * (p.Y - a.Y) - (b.Y - a.Y) * (p.X - a.X)) / PointDistance(a, b), 0, Eps());
        }
        const IntersectionResult cc = IntersectCircles(c, r1, d, r2);
        for (int i = 0; i < cc.Count; ++i) {
            const Point p = cc.Points[static_cast<size_t>(i)];
            EXPECT_NEAR(PointDistance(p, c), r1, Eps());
            EXPECT_NEAR(PointDistance(p, d), r2, Eps());
        }
        Point crossing;
        if (IntersectSegments(a, b, c, d, crossing)) {
            EXPECT_TRUE(IsPointOnSegment(a, b, crossing));
            EXPECT_TRUE(IsPointOnSegment(c, d, crossing));
        }
        const double direction = DirectionAngle(a, b);
        EXPECT_GE(direction, 0);
        EXPECT_LT(direction, 2 * kPi);
        const double sweep = SweepAngleDeg(a, b, c);
        EXPECT_GT(sweep, 0);
        EXPECT_LE(sweep, 360);
    }
}

}  // namespace
}  // namespace vantro
