#include "document/UndoHistory.h"
#include "geometry/ChainOffset.h"
#include "geometry/ChainTrace.h"
#include "geometry/Offsets.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace vantro {
namespace {

using testing::ScriptedDialogs;

void ExpectPoint(Point actual, Point expected, double tolerance = 1e-9)
{
    EXPECT_NEAR(actual.X, expected.X, tolerance);
    EXPECT_NEAR(actual.Y, expected.Y, tolerance);
}

TCadData Arc(Point centre, double r, Point start, Point end)
{
    TCadData arc{};
    arc.Kind = kKindArc;
    arc.Cx = centre.X;
    arc.Cy = centre.Y;
    arc.R = r;
    arc.X1 = start.X;
    arc.Y1 = start.Y;
    arc.X2 = end.X;
    arc.Y2 = end.Y;
    arc.Angle = SweepAngleDeg(start, end, centre);
    arc.Layer = 1;
    return arc;
}

// A whole half ellipse of flattening 0.5 about (cx, 0).
TCadData HalfEllipse(double cx, double a)
{
    TCadData half{};
    half.Kind = kKindEllipse;
    half.Layer = 1;
    half.Cx = cx;
    half.R = a;
    half.Y1 = 0.5;
    half.X1 = a;
    half.X2 = -a;
    return half;
}

class Offsets : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetEps(0.001f);
        drawing.Dialogs = &dialogs;
    }
    void TearDown() override { SetEps(kInitialEps); }

    // An empty drawing for the next case of a table.
    void Restart()
    {
        drawing = Drawing();
        drawing.Dialogs = &dialogs;
        dialogs.Messages.clear();
    }
    int Put(const TCadData& e) { return testing::PutElement(drawing, e); }
    int PutLine(Point a, Point b) { return Put(testing::Line(a.X, a.Y, b.X, b.Y)); }
    int PutRectangle(double w, double h)
    {
        const int first = PutLine({0, 0}, {w, 0});
        PutLine({w, 0}, {w, h});
        PutLine({w, h}, {0, h});
        PutLine({0, h}, {0, 0});
        return first;
    }
    std::vector<TCadData> MadeSince(int count) const
    {
        std::vector<TCadData> made;
        for (int i = count + 1; i <= drawing.Count; ++i) made.push_back(drawing[i]);
        return made;
    }

    Drawing drawing;
    ScriptedDialogs dialogs;
    CurrentAttributes attributes;
};

TEST(LineOffsets, TheParallelLiesOnTheSideOfThePointAndKeepsTheDirection)
{
    SetEps(0.001f);
    const struct {
        const char* name;
        Point side;
        int count;
        Point start;
        Point end;
    } cases[] = {
        {"left", {5, 5}, 2, {0, 2}, {10, 2}},
        {"right", {3, -1}, 2, {0, -2}, {10, -2}},
        {"beyond the end, left", {15, 0.5}, 2, {0, 2}, {10, 2}},
        {"on the line", {4, 0}, 0, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const OffsetResult offset = OffsetLine({0, 0}, {10, 0}, 2, c.side);
        ASSERT_EQ(offset.Count, c.count);
        if (c.count == 0) continue;
        ExpectPoint(offset.Start, c.start);
        ExpectPoint(offset.End, c.end);
    }
    SetEps(kInitialEps);
}

TEST_F(Offsets, AnArcOffsetOnBothSidesKeepsItsEndDirectionsInOneUndoStep)
{
    const int arc = Put(Arc({0, 0}, 5, {5, 0}, {0, 5}));
    EXPECT_EQ(OffsetElementBothSides(drawing, attributes, arc, 2, 180), 2);
    ASSERT_EQ(drawing.Count, 3);
    EXPECT_EQ(drawing[2].R, 3);
    ExpectPoint({drawing[2].X1, drawing[2].Y1}, {3, 0});
    ExpectPoint({drawing[2].X2, drawing[2].Y2}, {0, 3});
    EXPECT_EQ(drawing[3].R, 7);
    EXPECT_NEAR(drawing[3].Angle, 90, 1e-9);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 1);
}

TEST_F(Offsets, AnArcOrCircleShrinkingToNothingIsRefused)
{
    const int arc = Put(Arc({0, 0}, 5, {5, 0}, {0, 5}));
    const int circle = Put(testing::Circle(20, 0, 5));
    // Past the centre: no radius at all, silently.
    EXPECT_EQ(OffsetArc(drawing[arc], 6, {1, 1}).Count, 0);
    EXPECT_FALSE(OffsetElement(drawing, attributes, arc, 6, {1, 1}, 180));
    EXPECT_TRUE(dialogs.Messages.empty());
    // Down to zero: the arc constructor's message; the same for a circle.
    EXPECT_FALSE(OffsetElement(drawing, attributes, arc, 5, {1, 1}, 180));
    EXPECT_FALSE(OffsetElement(drawing, attributes, circle, 5, {21, 0}, 180));
    EXPECT_EQ(dialogs.Messages, (std::vector<std::string>{"半径が小さすぎます", "半径が小さすぎます"}));
    EXPECT_EQ(drawing.Count, 2);
    // Outwards the circle grows.
    EXPECT_TRUE(OffsetElement(drawing, attributes, circle, 5, {40, 0}, 180));
    EXPECT_EQ(drawing[3].R, 10);
}

TEST_F(Offsets, ADistanceThatIsNoNumberIsRefused)
{
    const int line = PutLine({0, 0}, {10, 0});
    EXPECT_FALSE(OffsetElement(drawing, attributes, line, std::numeric_limits<double>::quiet_NaN(), {1, 1}, 180));
    EXPECT_EQ(OffsetElementBothSides(drawing, attributes, line, std::numeric_limits<double>::quiet_NaN(), 180), 0);
    EXPECT_EQ(dialogs.Messages, (std::vector<std::string>(2, "オフセット値が不正です入力数値を確認して下さい！")));
    EXPECT_EQ(drawing.Count, 1);
}

// Guards against an offset of 0 laying a copy over the element and a negative one putting the copy
// on the other side of the click.
TEST_F(Offsets, ADistanceNotAboveEpsIsRefusedByEveryOffset)
{
    for (const double d : {0.0, -2.0, 0.0005}) {
        SCOPED_TRACE(d);
        Restart();
        const int line = PutLine({0, 0}, {10, 0});
        const int circle = Put(testing::Circle(25, 0, 5));
        const int chain = PutRectangle(20, 10);
        EXPECT_FALSE(OffsetElement(drawing, attributes, line, d, {1, 1}, 180));
        EXPECT_FALSE(OffsetElement(drawing, attributes, circle, d, {40, 0}, 180));
        EXPECT_EQ(OffsetElementBothSides(drawing, attributes, line, d, 180), 0);
        EXPECT_EQ(ChainOffset(drawing, attributes, chain, {1, 0}, d, {5, 5}, {}), -1);
        EXPECT_EQ(drawing.Count, 6);
        EXPECT_EQ(dialogs.Messages, (std::vector<std::string>(4, "オフセット値が不正です入力数値を確認して下さい！")));
        for (int i = 1; i <= drawing.Count; ++i) EXPECT_EQ(drawing[i].Selected, 0);
    }
}

TEST_F(Offsets, ALineOnBothSidesGivesTheTwoParallels)
{
    const int line = PutLine({0, 0}, {0, 10});
    EXPECT_EQ(OffsetElementBothSides(drawing, attributes, line, 3, 180), 2);
    ExpectPoint({drawing[2].X1, drawing[2].Y1}, {3, 0});
    ExpectPoint({drawing[2].X2, drawing[2].Y2}, {3, 10});
    ExpectPoint({drawing[3].X1, drawing[3].Y1}, {-3, 0});
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 1);
}

TEST_F(Offsets, AnEllipsePieceGrowsAsASimilarEllipse)
{
    const TCadData half = HalfEllipse(0, 10);
    TCadData part = half;
    part.X1 = 6;
    part.X2 = -4;
    const struct {
        const char* name;
        TCadData piece;
        Point side;
        double major;
        double start;
        double end;
    } cases[] = {
        {"whole half outwards", half, {0, 9}, 12, 12, -12},
        {"whole half inwards", half, {0, 2}, 8, 8, -8},
        {"part of a half keeps its bounds", part, {1, 9}, 12, 6, -4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EllipseValues values;
        ASSERT_TRUE(OffsetEllipse(c.piece, 2, c.side, 180, values));
        EXPECT_EQ(values.Major, c.major);
        EXPECT_EQ(values.Flattening, 0.5);
        EXPECT_EQ(values.Start, c.start);
        EXPECT_EQ(values.End, c.end);
    }
    const int index = Put(half);
    EXPECT_EQ(OffsetElementBothSides(drawing, attributes, index, 2, 180), 2);
    EXPECT_EQ(drawing[2].R, 8);
    EXPECT_EQ(drawing[3].R, 12);
    EXPECT_EQ(drawing[3].Group, 0);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 1);
}

TEST_F(Offsets, ChainsAreTracedFromTheClickedEnd)
{
    const int first = PutRectangle(20, 10);
    EXPECT_EQ(MarkChain(drawing, first, {1, 0}, false), 3);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(drawing[i].Selected, 1);
    const Chain chain = TraceChain(drawing, first, {19, 0}, false);
    EXPECT_TRUE(chain.Closed);
    EXPECT_FALSE(chain.Links[0].Forward);
    const int lone = PutLine({50, 50}, {60, 50});
    EXPECT_EQ(MarkChain(drawing, lone, {50, 50}, false), 0);
}

TEST_F(Offsets, ChainsStayOnTheirLayerAndWithGroupCheckInTheirGroup)
{
    const int first = PutLine({0, 0}, {10, 0});
    TCadData elsewhere = testing::Line(10, 0, 10, 10, 2);
    Put(elsewhere);
    EXPECT_EQ(FindConnectedEnd(drawing, first, false, false).Index, 0);
    const int next = PutLine({10, 10}, {10, 0});
    const ConnectedEnd found = FindConnectedEnd(drawing, first, false, false);
    EXPECT_EQ(found.Index, next);
    EXPECT_FALSE(found.AtStart);
    drawing[first].Group = 3;
    EXPECT_EQ(FindConnectedEnd(drawing, first, false, false).Index, next);
    EXPECT_EQ(FindConnectedEnd(drawing, first, false, true).Index, 0);
    drawing[next].Group = 3;
    EXPECT_EQ(FindConnectedEnd(drawing, first, false, true).Index, next);
}

TEST_F(Offsets, AChainMeetingAnElementTwiceIsRefused)
{
    PutLine({10, 0}, {10, 10});
    PutLine({10, 10}, {10, 0});
    const int start = PutLine({0, 0}, {10, 0});
    EXPECT_EQ(MarkChain(drawing, start, {0, 0}, false), -1);
}

TEST_F(Offsets, ARectangleChainOffsetOutwardsAndInwardsMeetsAtShiftedCorners)
{
    const struct {
        const char* name;
        Point side;
        std::vector<Point> corners;
    } cases[] = {
        {"outwards", {5, -5}, {{-2, -2}, {22, -2}, {22, 12}, {-2, 12}}},
        {"inwards", {5, 5}, {{2, 2}, {18, 2}, {18, 8}, {2, 8}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        const int first = PutRectangle(20, 10);
        ASSERT_EQ(ChainOffset(drawing, attributes, first, {1, 0}, 2, c.side, {}), 4);
        const std::vector<TCadData> made = MadeSince(4);
        for (size_t i = 0; i < 4; ++i) {
            ExpectPoint({made[i].X1, made[i].Y1}, c.corners[i]);
            ExpectPoint({made[i].X2, made[i].Y2}, c.corners[(i + 1) % 4]);
        }
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(drawing[i].Selected, 0);
        Undo(drawing);
        EXPECT_EQ(drawing.Count, 4);
    }
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(Offsets, ReversedLinesAreReportedOnlyWithOfsetErr2)
{
    for (const bool check : {true, false}) {
        SCOPED_TRACE(check);
        Restart();
        const int first = PutRectangle(20, 10);
        ChainOffsetSettings settings;
        settings.OfsetErr2 = check;
        EXPECT_EQ(ChainOffset(drawing, attributes, first, {1, 0}, 6, {5, 5}, settings), check ? -1 : 4);
        // The pieces stay either way; the user takes them back with undo.
        EXPECT_EQ(drawing.Count, 8);
        EXPECT_EQ(dialogs.Messages, check ? std::vector<std::string>{"オフセット計算で方向が反転した図形がありました！"}
                                          : std::vector<std::string>{});
    }
}

TEST_F(Offsets, CrossingPiecesAreReportedBeforeReversedOnes)
{
    const struct {
        bool overlapCheck;
        bool reverseCheck;
        int result;
        const char* message;
    } cases[] = {
        {true, true, -1, "オフセット計算で重なり合う図形が作成されました！"},
        {false, true, -1, "オフセット計算で方向が反転した図形がありました！"},
        {false, false, 3, nullptr},
    };
    for (const auto& c : cases) {
        Restart();
        const int first = PutLine({-5, 0}, {10, 0});
        PutLine({10, 0}, {10, 2});
        PutLine({10, 2}, {0, 6});
        ChainOffsetSettings settings;
        settings.OfsetErr1 = c.overlapCheck;
        settings.OfsetErr2 = c.reverseCheck;
        EXPECT_EQ(ChainOffset(drawing, attributes, first, {-5, 0}, 3, {5, 1}, settings), c.result);
        EXPECT_EQ(dialogs.Messages, c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
}

TEST_F(Offsets, AnLShapedChainWithATangentArcJoinsAtTheTouchingPoints)
{
    const struct {
        const char* name;
        Point side;
        double radius;
        Point lineEnd;
        Point arcEnd;
    } cases[] = {
        {"towards the centre", {9, 3}, 3, {10, 2}, {13, 5}},
        {"away from the centre", {9, -1}, 7, {10, -2}, {17, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        const int first = PutLine({0, 0}, {10, 0});
        Put(Arc({10, 5}, 5, {10, 0}, {15, 5}));
        PutLine({15, 5}, {15, 15});
        ASSERT_EQ(ChainOffset(drawing, attributes, first, {0, 0}, 2, c.side, {}), 3);
        const std::vector<TCadData> made = MadeSince(3);
        ExpectPoint({made[0].X2, made[0].Y2}, c.lineEnd, 1e-6);
        EXPECT_EQ(made[1].Kind, kKindArc);
        EXPECT_NEAR(made[1].R, c.radius, 1e-12);
        ExpectPoint({made[1].X1, made[1].Y1}, c.lineEnd, 1e-6);
        ExpectPoint({made[1].X2, made[1].Y2}, c.arcEnd, 1e-6);
        ExpectPoint({made[2].X1, made[2].Y1}, c.arcEnd, 1e-6);
    }
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(Offsets, ALineAndArcCornerJoinsByCrossingOrByAnArcAboutTheCorner)
{
    // A line, then an arc turning right at (10, 0) about (15, 0).
    const struct {
        const char* name;
        Point side;
        bool ofsetPatern;
        int pieces;
        Point lineEnd;
    } cases[] = {
        {"inside the turn: the pieces cross", {5, -1}, true, 2, {15 - std::sqrt(45.0), -2}},
        {"outside the turn: an arc about the corner", {5, 1}, true, 3, {10, 2}},
        {"outside the turn without arcs: the full circle's crossing", {5, 1}, false, 2, {15 - std::sqrt(5.0), 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        const int first = PutLine({0, 0}, {10, 0});
        Put(Arc({15, 0}, 5, {10, 0}, {15, -5}));
        ChainOffsetSettings settings;
        settings.OfsetPatern = c.ofsetPatern;
        ASSERT_EQ(ChainOffset(drawing, attributes, first, {0, 0}, 2, c.side, settings), c.pieces);
        const std::vector<TCadData> made = MadeSince(2);
        ExpectPoint({made[0].X2, made[0].Y2}, c.lineEnd, 1e-6);
        if (c.pieces == 3) {
            EXPECT_EQ(made[1].Kind, kKindArc);
            ExpectPoint({made[1].Cx, made[1].Cy}, {10, 0});
            EXPECT_NEAR(made[1].R, 2, 1e-12);
            EXPECT_NEAR(made[1].Angle, 90, 1e-9);
        }
        const TCadData& arc = made.back();
        EXPECT_NEAR(arc.R, c.side.Y < 0 ? 7 : 3, 1e-12);
    }
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(Offsets, AnArcThatWouldShrinkAwayIsLeftOutOfTheChain)
{
    const int first = PutLine({0, 0}, {10, 0});
    Put(Arc({10, 2}, 2, {10, 0}, {12, 2}));
    PutLine({12, 2}, {12, 10});
    ASSERT_EQ(ChainOffset(drawing, attributes, first, {0, 0}, 3, {5, 1}, {}), 2);
    ExpectPoint({drawing[4].X2, drawing[4].Y2}, {9, 3});
    ExpectPoint({drawing[5].X1, drawing[5].Y1}, {9, 3});
}

TEST_F(Offsets, ChainsThatCannotBeOffsetSaySo)
{
    const int line = PutLine({20, 0}, {30, 0});
    Put(HalfEllipse(15, 5));
    EXPECT_EQ(ChainOffset(drawing, attributes, line, {30, 0}, 1, {25, 1}, {}), -1);
    const int arc = Put(Arc({0, -20}, 5, {5, -20}, {0, -15}));
    PutLine({0, -15}, {-10, -15});
    EXPECT_EQ(ChainOffset(drawing, attributes, arc, {5, -20}, 8, {1, -19}, {}), -1);
    EXPECT_EQ(dialogs.Messages,
              (std::vector<std::string>{"楕円を含む連続線は処理出来ません。必要な場合は直線変換して下さい",
                                        "開始指定の円弧をオフセットできません"}));
    EXPECT_EQ(drawing.Count, 4);
}

}  // namespace
}  // namespace vantro
