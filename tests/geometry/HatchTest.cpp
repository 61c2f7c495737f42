#include "geometry/Hatch.h"

#include "document/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vantro {
namespace {

const std::vector<Point> kRectangle100x50{{0, 0}, {100, 0}, {100, 50}, {0, 50}};

void ExpectPoint(Point actual, Point expected)
{
    EXPECT_NEAR(actual.X, expected.X, 1e-9);
    EXPECT_NEAR(actual.Y, expected.Y, 1e-9);
}

TEST(Hatch, TheSweepOfARectangleAtPitch10)
{
    const HatchBox box = BoxOf(kRectangle100x50);
    EXPECT_EQ(HatchSegmentCount(box, 10), 15);  // Trunc((50 + 100) / 10)
    const Segment rising = HatchSweep(box, 10, HatchSlope::Rising, 1);
    ExpectPoint(rising.From, {90, -10});  // (Xmax − p, Ymin − p)
    ExpectPoint(rising.To, {140, 70});    // (Xmax − p + H, Ymax + 2p)
    const Segment falling = HatchSweep(box, 10, HatchSlope::Falling, 1);
    ExpectPoint(falling.From, {140, -10});  // (Xmax + H − p, Ymin − p)
    ExpectPoint(falling.To, {90, 70});
}

// The sweeps start at x = 90, 80, ... at y = −10 and rise 80 over a run of 50: the 14th and 15th
// pass left of the rectangle, so 13 lines are cut, each running from the later crossing back to
// the first one.
TEST(Hatch, EachSweepThatCrossesTheRectangleGivesOneLineInsideIt)
{
    const HatchResult hatch = HatchLines(kRectangle100x50, 10, HatchSlope::Rising);
    EXPECT_FALSE(hatch.TooMany);
    ASSERT_EQ(hatch.Lines.size(), 13u);
    // The first sweep meets the bottom edge (the first edge) at (96.25, 0), then the right edge.
    ExpectPoint(hatch.Lines[0].From, {100, 6});
    ExpectPoint(hatch.Lines[0].To, {96.25, 0});
    for (const Segment& line : hatch.Lines) {
        SCOPED_TRACE(::testing::Message() << line.From.X << "," << line.From.Y);
        for (const Point p : {line.From, line.To}) {
            EXPECT_GE(p.X, -1e-9);
            EXPECT_LE(p.X, 100 + 1e-9);
            EXPECT_GE(p.Y, -1e-9);
            EXPECT_LE(p.Y, 50 + 1e-9);
        }
        const double dx = line.To.X - line.From.X;
        const double dy = line.To.Y - line.From.Y;
        EXPECT_NEAR(dy * 50, dx * 80, 1e-6) << "the slope depends on the region's height";
    }
}

TEST(Hatch, FallingLinesSlopeTheOtherWay)
{
    const HatchResult hatch = HatchLines(kRectangle100x50, 10, HatchSlope::Falling);
    ASSERT_FALSE(hatch.Lines.empty());
    for (const Segment& line : hatch.Lines) {
        const double dx = line.To.X - line.From.X;
        const double dy = line.To.Y - line.From.Y;
        EXPECT_NEAR(dy * 50, -dx * 80, 1e-6);
    }
}

// A zero, negative or tiny pitch made the sweep count unbounded (or negative, or a division by
// zero): such a pitch is refused and nothing is cut.
TEST(Hatch, APitchThatWouldGiveUnboundedLinesIsRefused)
{
    const double pitches[] = {0, -10, 1e-9, std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity()};
    const HatchBox box = BoxOf(kRectangle100x50);
    for (const double pitch : pitches) {
        SCOPED_TRACE(pitch);
        EXPECT_EQ(HatchSegmentCount(box, pitch), -1);
        const HatchResult hatch = HatchLines(kRectangle100x50, pitch, HatchSlope::Rising);
        EXPECT_TRUE(hatch.TooMany);
        EXPECT_TRUE(hatch.Lines.empty());
    }
    // The largest count allowed still hatches: a 1,000 × 1,000 square at pitch 1 has 2,000 sweeps.
    const std::vector<Point> square{{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}};
    EXPECT_EQ(HatchSegmentCount(BoxOf(square), 1), 2000);
    EXPECT_EQ(HatchSegmentCount(BoxOf(square), 0.025), 80000);
    EXPECT_EQ(HatchSegmentCount(BoxOf(square), 0.019), -1);
}

TEST(Hatch, FewerThanTwoVerticesCutNothing)
{
    for (const std::vector<Point>& vertices : {std::vector<Point>{}, std::vector<Point>{{5, 5}}}) {
        const HatchResult hatch = HatchLines(vertices, 10, HatchSlope::Rising);
        EXPECT_FALSE(hatch.TooMany);
        EXPECT_TRUE(hatch.Lines.empty());
    }
}

// A vertex given twice makes an edge shorter than Eps, which is passed over: the lines are those
// of the plain rectangle.
TEST(Hatch, EdgesShorterThanEpsAreSkipped)
{
    const std::vector<Point> doubled{{0, 0}, {100, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 50}};
    const HatchResult plain = HatchLines(kRectangle100x50, 10, HatchSlope::Rising);
    const HatchResult hatch = HatchLines(doubled, 10, HatchSlope::Rising);
    EXPECT_EQ(hatch.Lines, plain.Lines);
}

// A sweep that crosses a concave region four times still gives one line: from the second
// crossing back to the first.
TEST(Hatch, AConcaveRegionGivesOneLinePerSweep)
{
    // A "U" opening upwards: the sweeps through both arms cross the boundary four times.
    const std::vector<Point> u{{0, 0}, {100, 0}, {100, 50}, {70, 50}, {70, 20}, {30, 20}, {30, 50}, {0, 50}};
    const HatchBox box = BoxOf(u);
    const HatchResult hatch = HatchLines(u, 10, HatchSlope::Rising);
    EXPECT_LE(hatch.Lines.size(), static_cast<size_t>(HatchSegmentCount(box, 10)));
    for (const Segment& line : hatch.Lines) EXPECT_GE(PointDistance(line.From, line.To), Eps());
}

}  // namespace
}  // namespace vantro
