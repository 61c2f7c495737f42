#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/Constructions.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vantro {
namespace {

using testing::ScriptedDialogs;

class Constructors : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetEps(0.001f);
        drawing.Dialogs = &dialogs;
        attributes.Color = 0x0000FF;
        attributes.LineStyle = kStyleDash;
        attributes.Width = 2;
        attributes.Layer = 7;
    }
    void TearDown() override { SetEps(kInitialEps); }

    const TCadData& Last() const { return drawing[drawing.Count]; }

    Drawing drawing;
    ScriptedDialogs dialogs;
    CurrentAttributes attributes;
};

TEST_F(Constructors, ALineTakesTheCurrentAttributesSnapsTinyCoordinatesAndIsOneUndoStep)
{
    ASSERT_TRUE(AppendLine(drawing, attributes, true, true, {0.00005, 3}, {10, 3}));
    const TCadData& line = Last();
    EXPECT_EQ(line.Kind, kKindLine);
    EXPECT_EQ(line.X1, 0);
    EXPECT_EQ(line.Y1, 3);
    EXPECT_EQ(line.X2, 10);
    EXPECT_EQ(line.Angle, 0);
    EXPECT_EQ(line.Color, 0x0000FFu);
    EXPECT_EQ(line.LineStyle, kStyleDash);
    EXPECT_EQ(line.Width, 2);
    EXPECT_EQ(line.Layer, 7);
    EXPECT_EQ(line.Id, 1);
    ASSERT_EQ(drawing.History.UndoRecords.size(), 1u);
    EXPECT_EQ(drawing.History.UndoRecords[0].Action, kActionAdded);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 0);
}

TEST_F(Constructors, LineAnglesAreDegreesOfTheDirection)
{
    ASSERT_TRUE(AppendLine(drawing, attributes, false, true, {0, 0}, {0, -5}));
    EXPECT_NEAR(Last().Angle, 270, 1e-12);
    ASSERT_TRUE(AppendLine(drawing, attributes, false, true, {1, 1}, {0, 2}));
    EXPECT_NEAR(Last().Angle, 135, 1e-12);
}

TEST_F(Constructors, RefusalsAppendNothingAndRecordNothing)
{
    struct Case {
        const char* name;
        bool (*build)(Drawing&, const CurrentAttributes&);
        const char* message;  // nullptr: refused silently
    };
    const Case cases[] = {
        {"short line", [](Drawing& d, const CurrentAttributes& a) {
             return AppendLine(d, a, true, true, {0, 0}, {0.0009, 0});
         }, nullptr},
        {"arc of tiny radius", [](Drawing& d, const CurrentAttributes& a) {
             return AppendArc(d, a, true, true, {1, 0}, {0, 1}, {0, 0}, 0.0009);
         }, "半径が小さすぎます"},
        {"closed arc", [](Drawing& d, const CurrentAttributes& a) {
             return AppendArc(d, a, true, true, {1, 0}, {1, 0.0001}, {0, 0}, 1);
         }, nullptr},
        {"circle of tiny radius", [](Drawing& d, const CurrentAttributes& a) {
             return AppendCircle(d, a, true, {0, 0}, 0.0005);
         }, "半径が小さすぎます"},
        {"circle too large", [](Drawing& d, const CurrentAttributes& a) {
             return AppendCircle(d, a, true, {0, 0}, 1000000);
         }, "円弧最大値オーバー"},
        {"circle too large, quietly", [](Drawing& d, const CurrentAttributes& a) {
             return AppendCircle(d, a, false, {0, 0}, 1000000);
         }, nullptr},
        {"tiny filled rectangle", [](Drawing& d, const CurrentAttributes& a) {
             return AppendFilledRectangle(d, a, {0, 0}, {0.0005, 0.0005});
         }, "直線距離が小さすぎます"},
        {"rectangle of no height", [](Drawing& d, const CurrentAttributes& a) {
             return MakeRectangle(d, a, {0, 0}, {10, 0.00005}, false);
         }, "距離が小さすぎます"},
        // Sides below Eps made two overlapping lines, or nothing without a word.
        {"rectangle lower than Eps", [](Drawing& d, const CurrentAttributes& a) {
             return MakeRectangle(d, a, {0, 0}, {10, 0.0005}, false);
         }, "距離が小さすぎます"},
        {"rectangle narrower than Eps", [](Drawing& d, const CurrentAttributes& a) {
             return MakeRectangle(d, a, {0, 0}, {0.0005, 10}, false);
         }, "距離が小さすぎます"},
        {"polygon too small", [](Drawing& d, const CurrentAttributes& a) {
             return MakeRegularPolygon(d, a, {0, 0}, 0.0001, 6, false);
         }, "辺の長さが、小さすぎます。"},
        {"polygon of two corners", [](Drawing& d, const CurrentAttributes& a) {
             return MakeRegularPolygon(d, a, {0, 0}, 10, 2, false);
         }, "3以上255以下の角数を入力して下さい"},
        {"circle through collinear points", [](Drawing& d, const CurrentAttributes& a) {
             return AppendCircleThrough3Points(d, a, {0, 0}, {1, 1}, {2, 2});
         }, "作図できません!"},
        {"circle through coinciding points", [](Drawing& d, const CurrentAttributes& a) {
             return AppendCircleThrough3Points(d, a, {0, 0}, {0, 0.01}, {5, 2});
         }, "作図できません!"},
        {"centre line of a circle", [](Drawing& d, const CurrentAttributes& a) {
             TCadData circle{};
             circle.Kind = kKindCircle;
             circle.R = 3;
             return CenterLine(d, a, circle);
         }, nullptr},
        {"not-a-number point", [](Drawing& d, const CurrentAttributes& a) {
             return AppendPoint(d, a, {std::numeric_limits<double>::quiet_NaN(), 0});
         }, "不正な入力がありました。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d;
        ScriptedDialogs messages;
        d.Dialogs = &messages;
        EXPECT_FALSE(c.build(d, attributes));
        EXPECT_EQ(d.Count, 0);
        EXPECT_EQ(d.LastId, 0u);
        EXPECT_FALSE(CanUndo(d));
        EXPECT_EQ(d.History.UndoStep, 0);
        const std::vector<std::string> expected =
            c.message == nullptr ? std::vector<std::string>{} : std::vector<std::string>{c.message};
        EXPECT_EQ(messages.Messages, expected);
    }
}

TEST_F(Constructors, ArcsSnapTheirCentreAtEpsAndStoreTheSweep)
{
    ASSERT_TRUE(AppendArc(drawing, attributes, true, true, {10.0005, 0}, {0.0005, 10}, {0.0005, 0}, 10));
    const TCadData& arc = Last();
    EXPECT_EQ(arc.Cx, 0);
    EXPECT_EQ(arc.X1, 10.0005);
    EXPECT_EQ(arc.X2, 0.0005) << "end points snap only below Eps/10";
    EXPECT_NEAR(arc.Angle, 90, 0.01);
    ASSERT_TRUE(AppendArc(drawing, attributes, true, true, {0, 10}, {10, 0}, {0, 0}, 10));
    EXPECT_NEAR(Last().Angle, 270, 1e-12) << "counter-clockwise from start to end";
}

TEST_F(Constructors, CirclesUpToTheLargestRadius)
{
    ASSERT_TRUE(AppendCircle(drawing, attributes, true, {0.00001, 2}, 999999));
    EXPECT_EQ(Last().Kind, kKindCircle);
    EXPECT_EQ(Last().Cx, 0);
    EXPECT_EQ(Last().Angle, 360);
    EXPECT_EQ(Last().R, 999999);
}

TEST_F(Constructors, ACircleEqualToAPendingCandidateIsRefused)
{
    ASSERT_TRUE(AppendCircle(drawing, attributes, false, {5, 5}, 2));
    drawing.CandidateCount = 1;
    EXPECT_FALSE(AppendCircle(drawing, attributes, false, {5.0005, 5}, 2.0005));
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_TRUE(AppendCircle(drawing, attributes, false, {5, 5}, 2.5));
    EXPECT_EQ(drawing[1].Id, 0) << "candidates get no id";
    EXPECT_FALSE(CanUndo(drawing));
}

TEST_F(Constructors, BatchModeGivesNoIdAndNoUndoRecord)
{
    drawing.BatchMode = true;
    ASSERT_TRUE(AppendLine(drawing, attributes, true, true, {0, 0}, {1, 0}));
    EXPECT_EQ(Last().Id, 0);
    EXPECT_FALSE(CanUndo(drawing));
}

TEST_F(Constructors, AppendingAtTheCapacityIsRefusedByTheStore)
{
    drawing.Capacity = 100;
    for (int i = 0; i < 101; ++i) ASSERT_TRUE(AppendPoint(drawing, attributes, {1.0 * i, 0}));
    const int32_t step = drawing.History.UndoStep;
    EXPECT_FALSE(AppendPoint(drawing, attributes, {0, 0}));
    EXPECT_EQ(drawing.Count, 101);
    EXPECT_EQ(drawing.LastId, 101u);
    EXPECT_EQ(drawing.History.UndoStep, step);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kCapacityMessage});
}

TEST_F(Constructors, RectangleIsFourGroupedLinesInOneStep)
{
    AppendPoint(drawing, attributes, {0, 0});
    ASSERT_TRUE(MakeRectangle(drawing, attributes, {0, 0}, {10, 5}, false));
    ASSERT_EQ(drawing.Count, 5);
    for (int i = 2; i <= 5; ++i) EXPECT_EQ(drawing[i].Group, 1);
    EXPECT_EQ(drawing[2].X2, 10);
    EXPECT_EQ(drawing[2].Y2, 0);
    EXPECT_EQ(drawing[5].X1, 10);
    EXPECT_EQ(drawing[5].Y2, 5);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 1);

    ASSERT_TRUE(MakeRectangle(drawing, attributes, {1, 1}, {0.0005, 3}, true));
    EXPECT_EQ(Last().Kind, kKindFilledRect);
    EXPECT_EQ(Last().X2, 0) << "filled corners snap at Eps";
}

TEST_F(Constructors, TriangleBySideHasItsVerticalSideAtTheSize)
{
    ASSERT_TRUE(MakeRegularPolygon(drawing, attributes, {0, 0}, 10, 3, true));
    ASSERT_EQ(drawing.Count, 3);
    bool found = false;
    for (int i = 1; i <= 3; ++i) {
        const TCadData& side = drawing[i];
        EXPECT_EQ(side.Group, 1);
        if (std::abs(side.X1 - 10) < 1e-9 && std::abs(side.X2 - 10) < 1e-9) {
            found = true;
            EXPECT_NEAR(std::min(side.Y1, side.Y2), -17.3205, 1e-4);
            EXPECT_NEAR(std::max(side.Y1, side.Y2), 17.3205, 1e-4);
        }
    }
    EXPECT_TRUE(found);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 0);
}

TEST_F(Constructors, HexagonByVertexHasItsCornersOnTheCircumcircle)
{
    ASSERT_TRUE(MakeRegularPolygon(drawing, attributes, {2, 3}, 5, 6, false));
    ASSERT_EQ(drawing.Count, 6);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_NEAR(PointDistance({drawing[i].X1, drawing[i].Y1}, {2, 3}), 5, 1e-9);
        EXPECT_NEAR(PointDistance({drawing[i].X1, drawing[i].Y1}, {drawing[i].X2, drawing[i].Y2}), 5, 1e-9);
    }
}

TEST_F(Constructors, CircleThroughThreePoints)
{
    const auto circle = CircleThrough3Points({5, 0}, {0, 5}, {-5, 0});
    ASSERT_TRUE(circle);
    EXPECT_NEAR(circle->Centre.X, 0, 1e-12);
    EXPECT_NEAR(circle->Centre.Y, 0, 1e-12);
    EXPECT_NEAR(circle->Radius, 5, 1e-12);
    // Nearly collinear: a huge radius that the circle constructor refuses.
    EXPECT_FALSE(AppendCircleThrough3Points(drawing, attributes, {0, 0}, {1000, 1e-9}, {2000, 0}));
    EXPECT_EQ(dialogs.Messages, (std::vector<std::string>{"円弧最大値オーバー", "作図できません!"}));
    ASSERT_TRUE(CircleOn2Points(drawing, attributes, {0, 0}, {4, 0}));
    EXPECT_EQ(Last().Cx, 2);
    EXPECT_EQ(Last().R, 2);
}

TEST_F(Constructors, MiddleLineBisectsThePickedSides)
{
    const TCadData horizontal = [] {
        TCadData e{};
        e.Kind = kKindLine;
        e.X1 = -10;
        e.X2 = 10;
        return e;
    }();
    TCadData vertical = horizontal;
    vertical.X1 = vertical.X2 = 0;
    vertical.Y1 = -4;
    vertical.Y2 = 6;
    ASSERT_TRUE(MiddleLine(drawing, attributes, horizontal, {5, 0}, vertical, {0, 3}));
    const TCadData first = Last();
    EXPECT_NEAR(first.X1, 10 / std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(first.Y1, 10 / std::sqrt(2.0), 1e-9);
    EXPECT_EQ(first.X2, 0);
    EXPECT_EQ(first.Y2, 0);
    // The other order bisects the reflex angle: the same line, the other side, line 2's length.
    ASSERT_TRUE(MiddleLine(drawing, attributes, vertical, {0, 3}, horizontal, {5, 0}));
    EXPECT_NEAR(Last().X1, -6 / std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(Last().Y1, -6 / std::sqrt(2.0), 1e-9);

    TCadData parallel = horizontal;
    parallel.Y1 = parallel.Y2 = 4;
    parallel.X1 = 12;
    parallel.X2 = -8;
    ASSERT_TRUE(MiddleLine(drawing, attributes, horizontal, {0, 0}, parallel, {0, 4}));
    EXPECT_EQ(Last().X1, -9);
    EXPECT_EQ(Last().Y1, 2);
    EXPECT_EQ(Last().X2, 11);
}

TEST_F(Constructors, ArcBetweenTwoLinesRunsFromLineOneToLineTwo)
{
    TCadData line1{};
    line1.Kind = kKindLine;
    line1.X2 = 10;
    TCadData line2 = line1;
    line2.X2 = 0;
    line2.Y2 = 10;
    ASSERT_TRUE(ArcBetweenTwoLines(drawing, attributes, line1, {8, 0}, line2, {0, 8}, {0, 0}, 3));
    EXPECT_EQ(Last().X1, 3);
    EXPECT_NEAR(Last().Y2, 3, 1e-12);
    EXPECT_NEAR(Last().Angle, 90, 1e-9);
    ASSERT_TRUE(ArcBetweenTwoLines(drawing, attributes, line2, {0, 8}, line1, {8, 0}, {0, 0}, 3));
    EXPECT_NEAR(Last().Angle, 270, 1e-9);
    EXPECT_FALSE(ArcBetweenTwoLines(drawing, attributes, line1, {8, 0}, line2, {0, 8}, {0, 0}, 0.0005));
    EXPECT_EQ(drawing.Count, 2);
}

TEST_F(Constructors, IntersectionPointsOfTheInfiniteLinesAndFullCircles)
{
    TCadData horizontal{};
    horizontal.Kind = kKindLine;
    horizontal.X1 = 0;
    horizontal.X2 = 1;
    TCadData parallel = horizontal;
    parallel.Y1 = parallel.Y2 = 3;
    TCadData tangent = horizontal;
    tangent.Y1 = tangent.Y2 = 10;
    TCadData vertical{};
    vertical.Kind = kKindLine;
    vertical.X1 = vertical.X2 = 7;
    vertical.Y1 = 5;
    vertical.Y2 = 9;
    TCadData touching{};
    touching.Kind = kKindCircle;
    touching.Cx = 20;
    touching.Cy = 5;
    touching.R = 5;
    TCadData arc = touching;
    arc.Kind = kKindArc;
    arc.Cx = 28;
    arc.Cy = 5;
    TCadData text{};
    text.Kind = kKindText;
    struct Case {
        const char* name;
        const TCadData& first;
        const TCadData& second;
        int points;
    };
    const Case cases[] = {
        {"parallel lines", horizontal, parallel, 0},
        {"lines beyond their ends", horizontal, vertical, 1},
        {"a line touching a circle", touching, tangent, 1},
        {"a line through a circle", parallel, touching, 2},
        {"a circle and an arc's full circle", touching, arc, 2},
        {"a text", text, horizontal, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing d;
        EXPECT_EQ(MakeIntersectionPoints(d, attributes, c.first, c.second), c.points);
        EXPECT_EQ(d.Count, c.points);
        if (c.points > 0) {
            Undo(d);
            EXPECT_EQ(d.Count, 0) << "all points of one command are one step";
        }
    }
    Drawing d;
    MakeIntersectionPoints(d, attributes, horizontal, vertical);
    EXPECT_EQ(d[1].Kind, kKindPoint);
    EXPECT_EQ(d[1].Cx, 7);
    EXPECT_EQ(d[1].Cy, 0);
}

TEST_F(Constructors, CentreLinesOfALineAnArcAndACircle)
{
    TCadData line{};
    line.Kind = kKindLine;
    line.X2 = 10;
    ASSERT_TRUE(CenterLine(drawing, attributes, line));
    EXPECT_NEAR(Last().X1, 5, 1e-12);
    EXPECT_NEAR(Last().Y1, 10 * std::sqrt(3.0) / 2, 1e-12);
    EXPECT_NEAR(Last().Y2, -10 * std::sqrt(3.0) / 2, 1e-12);

    TCadData arc{};
    arc.Kind = kKindArc;
    arc.R = 2;
    arc.X1 = 2;
    arc.Y2 = 2;
    arc.Angle = 90;
    ASSERT_TRUE(CenterLine(drawing, attributes, arc));
    EXPECT_NEAR(Last().X1, 2 * std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(Last().Y1, 2 * std::sqrt(2.0), 1e-12);

    ASSERT_TRUE(AppendCenterCross(drawing, attributes, {1, 1}, 10));
    EXPECT_EQ(drawing.Count, 4);
    EXPECT_EQ(drawing[3].X1, -12);
    EXPECT_EQ(drawing[4].Y2, 14);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 2) << "both lines of the cross are one step";
}

}  // namespace
}  // namespace vantro
