// Points, crossing points and centre lines in the real window.
#include "MainWindowFixture.h"

#include "commands/ToolButtonTable.h"
#include "support/Fixtures.h"

#include <cmath>

namespace vantro::testing {
namespace {

using PointCommandsTest = MainWindowTest;

TEST_F(PointCommandsTest, PointsByClickAndByTypedCoordinates)
{
    Press("SpeedButton21");
    ClickAt(12, 34);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Element(1).Kind, kKindPoint);
    const Point clicked = WorldOf(PixelOf(12, 34));
    EXPECT_EQ(Element(1).Cx, clicked.X);
    EXPECT_EQ(Element(1).Cy, clicked.Y);
    EXPECT_EQ(FieldText("EditX"), QString::fromStdString(FormatNumber(clicked.X)));
    Find<QLineEdit>("EditY")->setText("-4");
    EnterIn("EditX", "7.25");
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Element(2).Cx, 7.25);
    EXPECT_EQ(Element(2).Cy, -4);
    EXPECT_EQ(Mode(), 21);
}

TEST_F(PointCommandsTest, CrossingPointsOfALineAndACircle)
{
    AddLine(window->Document(), -100, 0, 100, 0);
    AddCircle(window->Document(), 0, 0, 50);
    window->RedrawAll(true);
    Press("SpeedButton21", Qt::RightButton);
    EXPECT_EQ(Mode(), 247);
    ClickAt(-80, 0);
    EXPECT_EQ(Prompt(), "もう1個の要素を選択して下さい（点)");
    ClickAt(0, 50);
    ASSERT_EQ(Count(), 4);
    EXPECT_EQ(Element(3).Kind, kKindPoint);
    EXPECT_NEAR(std::abs(Element(3).Cx), 50, 1e-9);
    EXPECT_NEAR(Element(3).Cx + Element(4).Cx, 0, 1e-9);
    EXPECT_EQ(Mode(), 247);
    EXPECT_EQ(Prompt(), "交点を求める1個めの図形をクリックして下さい(点)");
    EXPECT_EQ(window->Command().FirstPick, 0);
    Press("SpeedButtonUNDU");
    EXPECT_EQ(Count(), 2) << "the crossing points are one undo step";
}

TEST_F(PointCommandsTest, TheCentreLineOfALineAndOfAnArc)
{
    AddLine(window->Document(), 0, 0, 100, 0);
    TCadData arc{};
    arc.Kind = kKindArc;
    arc.Layer = 1;
    arc.Cx = 200;
    arc.R = 50;
    arc.X1 = 250;
    arc.Y2 = 50;
    arc.X2 = 200;
    arc.Angle = 90;
    AddElement(window->Document(), arc);
    window->RedrawAll(true);
    Press("SpeedButton235");
    ClickAt(30, 0);
    ASSERT_EQ(Count(), 3);
    EXPECT_NEAR(Element(3).X1, 50, 1e-9);
    EXPECT_NEAR(Element(3).Y1, 50 * std::sqrt(3.0), 1e-9);
    EXPECT_NEAR(Element(3).Y2, -50 * std::sqrt(3.0), 1e-9);
    EXPECT_EQ(Mode(), 235);
    ClickAt(200 + 50 / std::sqrt(2.0), 50 / std::sqrt(2.0));
    ASSERT_EQ(Count(), 4);
    EXPECT_NEAR(Element(4).X1, 200 + 100 / std::sqrt(2.0), 1e-9) << "twice the radius out along the middle";
    EXPECT_EQ(Element(4).X2, 200);
}

TEST_F(PointCommandsTest, TheCentreLinesOfACircle)
{
    AddCircle(window->Document(), 10, 20, 30);
    window->RedrawAll(true);
    window->PressToolButton(*FindToolButton(232), false);
    EXPECT_EQ(Mode(), 232);
    ClickAt(40, 20);
    ASSERT_EQ(Count(), 3);
    EXPECT_NEAR(Element(2).X1, 10 - 39, 1e-4);
    EXPECT_NEAR(Element(2).X2, 10 + 39, 1e-4);
    EXPECT_NEAR(Element(3).Y1, 20 - 39, 1e-4);
    EXPECT_EQ(Mode(), 232);
}

}  // namespace
}  // namespace vantro::testing
