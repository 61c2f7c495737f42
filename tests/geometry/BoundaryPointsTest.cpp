#include "geometry/BoundaryPoints.h"

#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantro::testing {
namespace {

TEST(BoundaryPoints, ALineGivesItsEndsInEitherDirection)
{
    const TCadData line = Line(1, 2, 3, 4);
    EXPECT_EQ(BoundaryVertices(line, true, 180), (std::vector<Point>{{1, 2}, {3, 4}}));
    EXPECT_EQ(BoundaryVertices(line, false, 180), (std::vector<Point>{{3, 4}, {1, 2}}));
}

// A quarter arc at 36 steps a turn: 8 inner points 10° apart, and its end points exactly as the
// record holds them (the last step lands on the end and is not given twice).
TEST(BoundaryPoints, AnArcGivesItsEndsExactlyAndPointsOnItBetween)
{
    const TCadData arc = ArcElement({0, 0}, 10, 0, 90);
    const std::vector<Point> forward = BoundaryVertices(arc, true, 36);
    ASSERT_EQ(forward.size(), 10u);
    EXPECT_EQ(forward.front(), (Point{arc.X1, arc.Y1}));
    EXPECT_EQ(forward.back(), (Point{arc.X2, arc.Y2}));
    for (const Point& p : forward) EXPECT_NEAR(std::hypot(p.X, p.Y), 10, 1e-9);
    EXPECT_NEAR(forward[1].X, 10 * std::cos(std::acos(-1.0) / 18), 1e-9);
    const std::vector<Point> backward = BoundaryVertices(arc, false, 36);
    EXPECT_EQ(backward, std::vector<Point>(forward.rbegin(), forward.rend()));
}

TEST(BoundaryPoints, OtherKindsGiveNothing)
{
    EXPECT_TRUE(BoundaryVertices(Circle(0, 0, 5), true, 180).empty());
    EXPECT_TRUE(BoundaryVertices(PointElement({1, 1}), true, 180).empty());
}

TEST(BoundaryPoints, ACircleGivesTwiceTheFinenessOfPointsEndingAtItsStart)
{
    const std::vector<Point> points = CircleVertices(Circle(5, 5, 2), 4);
    ASSERT_EQ(points.size(), 8u);
    EXPECT_NEAR(points[0].X, 5 + 2 * std::cos(std::acos(-1.0) / 4), 1e-9);  // j = 1: 45°
    EXPECT_NEAR(points[1].X, 5, 1e-9);                                      // 90°
    EXPECT_NEAR(points[1].Y, 7, 1e-9);
    EXPECT_NEAR(points[7].X, 7, 1e-9);  // j = 2K: 360°
    EXPECT_NEAR(points[7].Y, 5, 1e-9);
}

TEST(BoundaryPoints, AChainsVerticesFollowItsLinksWithoutRepeatingSharedEnds)
{
    Drawing drawing;
    PutElement(drawing, Line(0, 0, 10, 0));
    PutElement(drawing, Line(10, 10, 10, 0));
    const Chain chain{{{1, true}, {2, false}}, false, false};
    EXPECT_EQ(ChainVertices(drawing, chain, 180), (std::vector<Point>{{0, 0}, {10, 0}, {10, 10}}));
}

}  // namespace
}  // namespace vantro::testing
