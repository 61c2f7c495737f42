#include "document/UndoHistory.h"
#include "geometry/Constructions.h"
#include "geometry/EllipsePolyline.h"
#include "geometry/Ellipses.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantro {
namespace {

using testing::ScriptedDialogs;

void ExpectPoint(Point actual, Point expected)
{
    EXPECT_NEAR(actual.X, expected.X, 1e-9);
    EXPECT_NEAR(actual.Y, expected.Y, 1e-9);
}

class Ellipses : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetEps(0.001f);
        drawing.Dialogs = &dialogs;
    }
    void TearDown() override { SetEps(kInitialEps); }

    Drawing drawing;
    ScriptedDialogs dialogs;
    CurrentAttributes attributes;
};

TEST_F(Ellipses, AWholeEllipseIsTwoHalvesSharingAFreshGroup)
{
    ASSERT_EQ(MakeEllipse(drawing, attributes, {3, 4}, 10, 0.5, 0, false, 10), 2);
    ASSERT_EQ(drawing.Count, 2);
    const TCadData& first = drawing[1];
    const TCadData& second = drawing[2];
    EXPECT_EQ(first.Kind, kKindEllipse);
    EXPECT_EQ(first.Angle, 0);
    EXPECT_NEAR(second.Angle, kPi, 1e-15);
    for (const TCadData* piece : {&first, &second}) {
        EXPECT_EQ(piece->R, 10);
        EXPECT_EQ(piece->Y1, 0.5);
        EXPECT_EQ(piece->X1, 10);
        EXPECT_EQ(piece->X2, -10);
        EXPECT_EQ(piece->Y2, 0);
        EXPECT_EQ(piece->Group, 1);
    }
    // Evaluated at its bounds and its middle, each half reaches the ends of both axes.
    ExpectPoint(EllipsePoint(first, std::acos(first.X1 / first.R)), {13, 4});
    ExpectPoint(EllipsePoint(first, std::acos(first.X2 / first.R)), {-7, 4});
    ExpectPoint(EllipsePoint(first, kPi / 2), {3, 9});
    ExpectPoint(EllipsePoint(second, std::acos(second.X1 / second.R)), {-7, 4});
    ExpectPoint(EllipsePoint(second, kPi / 2), {3, -1});
    EXPECT_EQ(drawing.History.UndoRecords.size(), 2u);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 0);
}

TEST_F(Ellipses, ANewEllipseDoesNotJoinTheGroupMadeBeforeIt)
{
    ASSERT_TRUE(MakeRectangle(drawing, attributes, {0, 0}, {10, 10}, false));
    EXPECT_EQ(drawing.MaxGroup, 1);
    MakeEllipse(drawing, attributes, {5, 5}, 3, 0.5, 0, false, 10);
    MakeEllipse(drawing, attributes, {5, 5}, 4, 0.5, 0, false, 10);
    EXPECT_EQ(drawing[5].Group, 2);
    EXPECT_EQ(drawing[6].Group, 2);
    EXPECT_EQ(drawing[7].Group, 3);
    EXPECT_EQ(drawing[8].Group, 3);
    EXPECT_EQ(drawing.MaxGroup, 3);
}

TEST_F(Ellipses, PartPiecesKeepTheirBoundsAndSingleHalvesNoGroup)
{
    const EllipseValues values{{0, 0}, 10, 0.4, kPi / 6, 6, -8};
    ASSERT_EQ(AppendEllipse(drawing, attributes, EllipseHalves::FirstOnly, values), 1);
    ASSERT_EQ(AppendEllipse(drawing, attributes, EllipseHalves::SecondOnly, values), 1);
    EXPECT_EQ(drawing[1].Group, 0);
    EXPECT_NEAR(drawing[2].Angle, kPi / 6 + kPi, 1e-15);
    // The drawn polyline starts and ends where the bounds project onto the major axis.
    const std::vector<Point> polyline = EllipsePolyline(drawing[1]);
    const Point axis{std::cos(kPi / 6), std::sin(kPi / 6)};
    EXPECT_NEAR(polyline.front().X * axis.X + polyline.front().Y * axis.Y, 6, 1e-9);
    EXPECT_NEAR(polyline.back().X * axis.X + polyline.back().Y * axis.Y, -8, 1e-9);
    // A start value below Eps makes nothing.
    EXPECT_EQ(AppendEllipse(drawing, attributes, EllipseHalves::Both, {{0, 0}, 10, 0.4, 0, 0.0005, -10}), 0);
    EXPECT_EQ(drawing.Count, 2);
}

TEST_F(Ellipses, WithDaenChkTheEllipseBecomesGroupedLines)
{
    ASSERT_EQ(MakeEllipse(drawing, attributes, {0, 0}, 10, 0.5, 0, true, 10), 20);
    ASSERT_EQ(drawing.Count, 20);
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(drawing[i].Kind, kKindLine);
        EXPECT_EQ(drawing[i].Group, 1);
        // Every end lies on the ellipse x²/100 + y²/25 = 1.
        const double x = drawing[i].X2;
        const double y = drawing[i].Y2;
        EXPECT_NEAR(x * x / 100 + y * y / 25, 1, 1e-9);
    }
    // Consecutive lines join and the last closes on the first.
    for (int i = 2; i <= 20; ++i) ExpectPoint({drawing[i].X1, drawing[i].Y1}, {drawing[i - 1].X2, drawing[i - 1].Y2});
    ExpectPoint({drawing[20].X2, drawing[20].Y2}, {drawing[1].X1, drawing[1].Y1});
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 0);
}

TEST_F(Ellipses, ATinyMajorRadiusIsRefused)
{
    EXPECT_EQ(MakeEllipse(drawing, attributes, {0, 0}, 0.0005, 0.5, 0, false, 10), 0);
    EXPECT_EQ(drawing.Count, 0);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"半径長さが不正です"});
}

}  // namespace
}  // namespace vantro

namespace vantro {
namespace {

TEST(EllipseFromAxisTest, TheAxisGivesCentreRadiusAndInclinationAndTheHeightTheFlattening)
{
    const struct {
        Point P1;
        Point P2;
        Point Height;
        bool AboutP1;
        EllipseValues Expected;
    } cases[] = {
        {{0, 0}, {20, 0}, {5, 4}, false, {{10, 0}, 10, 0.4, 0, 10, -10}},
        {{20, 0}, {0, 0}, {5, -4}, false, {{10, 0}, 10, 0.4, 0, 10, -10}},
        {{0, 0}, {0, 10}, {3, 2}, false, {{0, 5}, 5, 0.6, 3 * kPi / 2, 5, -5}},
        {{0, 0}, {20, 0}, {5, 4}, true, {{0, 0}, 20, 0.2, 0, 20, -20}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.P2.Y);
        const auto v = EllipseFromAxis(c.P1, c.P2, c.Height, c.AboutP1);
        ASSERT_TRUE(v.has_value());
        EXPECT_NEAR(v->Centre.X, c.Expected.Centre.X, 1e-12);
        EXPECT_NEAR(v->Centre.Y, c.Expected.Centre.Y, 1e-12);
        EXPECT_NEAR(v->Major, c.Expected.Major, 1e-12);
        EXPECT_NEAR(v->Flattening, c.Expected.Flattening, 1e-12);
        EXPECT_NEAR(v->Inclination, c.Expected.Inclination, 1e-12);
        EXPECT_EQ(v->Start, v->Major);
        EXPECT_EQ(v->End, -v->Major);
    }
    EXPECT_FALSE(EllipseFromAxis({1, 1}, {1, 1}, {3, 3}, false).has_value());
}

}  // namespace
}  // namespace vantro
