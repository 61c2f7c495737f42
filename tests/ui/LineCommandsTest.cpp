// The line commands in the real window: lines across the view, continuous lines, lines at an angle,
// the tangents of two circles and the middle line, by clicks and by the entry fields.
#include "MainWindowFixture.h"

#include "support/Fixtures.h"

#include <QCheckBox>
#include <QLabel>

#include <cmath>

namespace vantro::testing {
namespace {

class LineCommandsTest : public MainWindowTest {
protected:
    double Scale() const { return ViewScale(window->View()); }
};

TEST_F(LineCommandsTest, HorizontalAndVerticalLinesCrossTheVisibleCanvas)
{
    const ViewState& v = window->View();
    Press("SpeedButton15");
    const QPoint at = PixelOf(10, 20);
    ClickAt(10, 20);
    ASSERT_EQ(Count(), 1);
    EXPECT_NEAR(Element(1).X1, -v.OriginX / Scale(), 1e-9);
    EXPECT_NEAR(Element(1).X2, (v.CanvasWidth - v.OriginX) / Scale(), 1e-9);
    EXPECT_DOUBLE_EQ(Element(1).Y1, WorldOf(at).Y);
    EXPECT_DOUBLE_EQ(Element(1).Y2, WorldOf(at).Y);
    EXPECT_EQ(Mode(), 15);
    EnterIn("EditY", "30");
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Element(2).Y1, 30);
    EXPECT_EQ(Element(2).X1, std::nearbyint(-v.OriginX / Scale())) << "typed lines end on whole millimetres";

    Press("SpeedButton16");
    EnterIn("EditX", "-12.5");
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(Element(3).X1, -12.5);
    EXPECT_EQ(Element(3).X2, -12.5);
    EXPECT_EQ(Element(3).Y1, std::nearbyint(v.OriginY / Scale())) << "from the top";
    EXPECT_EQ(Element(3).Y2, std::nearbyint(-(v.CanvasHeight - v.OriginY) / Scale()));
}

TEST_F(LineCommandsTest, IntegerBoxRoundsTheLineAcrossToWholeMillimetres)
{
    Find<QCheckBox>("CheckBox_Int")->setChecked(true);
    Press("SpeedButton15");
    ClickAt(10.4, 20.4);
    ASSERT_EQ(Count(), 1);
    const ViewState& v = window->View();
    EXPECT_EQ(Element(1).Y1, std::nearbyint(WorldOf(PixelOf(10.4, 20.4)).Y));
    EXPECT_EQ(Element(1).X2, std::nearbyint((v.CanvasWidth - v.OriginX) / Scale()) + 1)
        << "the right end one more, so the rounded line still reaches the edge";
}

TEST_F(LineCommandsTest, TheContinuousLineChainsItsSegments)
{
    Press("SpeedButton19");
    ClickAt(0, 0);
    EXPECT_EQ(Mode(), 20);
    EXPECT_EQ(Prompt(), " 次の点を指定して下さい(直線-連続)");
    ClickAt(50, 0);
    ClickAt(50, 30);
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Element(2).X1, Element(1).X2) << "each segment starts where the last one ended";
    EXPECT_EQ(Element(2).Y1, Element(1).Y2);
    EXPECT_EQ(FieldText("EditX").toDouble(), std::round(Element(2).X2 * 1000) / 1000);
    EXPECT_EQ(Mode(), 20);
}

TEST_F(LineCommandsTest, ARelativeOffsetTypedOnceDrawsAChainOfEqualSteps)
{
    Press("SpeedButton19");
    Find<QLineEdit>("EditY")->setText("5");
    EnterIn("EditX", "0");
    Find<QLineEdit>("EditY")->setText("5");
    EnterIn("EditX", "@10");
    EXPECT_EQ(FieldText("EditX"), "@10");
    QTest::keyClick(Find<QLineEdit>("EditX"), Qt::Key_Return);
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Element(1).X1, 0);
    EXPECT_EQ(Element(1).X2, 10);
    EXPECT_EQ(Element(2).X1, 10);
    EXPECT_EQ(Element(2).X2, 20);
    EXPECT_EQ(Element(2).Y2, 5);
}

TEST_F(LineCommandsTest, TheAngleLineRunsThroughItsPointAtTheTypedAngle)
{
    const struct {
        const char* Typed;
        double Degrees;
    } cases[] = {{"30", 30}, {"30,30", 30.5}, {"-45", 315}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        window->Document().Count = 0;
        Press("SpeedButton22");
        Find<QLineEdit>("EditX")->setText("10");
        Find<QLineEdit>("EditY")->setText("20");
        EnterIn("EditR", c.Typed);
        ASSERT_EQ(Count(), 1);
        const TCadData& line = Element(1);
        EXPECT_NEAR((line.X1 + line.X2) / 2, 10, 1e-9);
        EXPECT_NEAR((line.Y1 + line.Y2) / 2, 20, 1e-9);
        EXPECT_NEAR(line.Angle, c.Degrees, 1e-9);
        EXPECT_NEAR(std::hypot(line.X2 - line.X1, line.Y2 - line.Y1), 2 * window->View().CanvasWidth / Scale(), 1e-3);
        EXPECT_EQ(Mode(), 22);
    }
    Press("SpeedButton22");
    EXPECT_EQ(FieldText("EditR"), "-45") << "the last angle is offered again";
    Find<QLineEdit>("EditX")->setText("0");
    Find<QLineEdit>("EditY")->setText("0");
    EnterIn("EditR", "400");
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(dialogs.Messages.back(), "角度は-360～360度の範囲で入力して下さい");
}

TEST_F(LineCommandsTest, AClickWithoutAnAngleAsksForIt)
{
    Press("SpeedButton22");
    Find<QLineEdit>("EditR")->clear();
    ClickAt(0, 0);
    EXPECT_EQ(Count(), 0);
    EXPECT_TRUE(Find<QLineEdit>("EditR")->hasFocus());
}

TEST_F(LineCommandsTest, TwoPointsAndARelativeAngle)
{
    Press("SpeedButton23");
    ClickAt(0, 0);
    EXPECT_EQ(Prompt(), " ２点目を指定して下さい(直線-２点と角度)");
    ClickAt(40, 0, Qt::ShiftModifier);
    EXPECT_EQ(Prompt(), " 相対角度を入力して下さい(直線-２点と角度)");
    EXPECT_TRUE(Find<QLineEdit>("EditR")->isVisible());
    EXPECT_EQ(Find<QLabel>("LabelR")->text(), "Q");
    EnterIn("EditR", "90");
    ASSERT_EQ(Count(), 1);
    const Point base = WorldOf(PixelOf(0, 0));
    EXPECT_NEAR(Element(1).X1, base.X, 1e-6) << "perpendicular to the two points, through the base";
    EXPECT_NEAR(Element(1).X2, base.X, 1e-6);
    EXPECT_EQ(Prompt(), "  基点をクリックして下さい(直線-２点と角度)");
    EXPECT_EQ(Mode(), 23);
    EXPECT_EQ(window->Command().LastAngle, 90);
}

TEST_F(LineCommandsTest, TheTangentsOfTwoCirclesWaitUntilOneIsClicked)
{
    AddCircle(window->Document(), 0, 0, 40);
    AddCircle(window->Document(), 200, 0, 20);
    window->RedrawAll(true);
    Press("SpeedButton202");
    ClickAt(0, 40);
    EXPECT_EQ(Prompt(), "２つ目の要素を選択して下さい(直線-接円)");
    ClickAt(200, 20);
    ASSERT_EQ(window->Document().CandidateCount, 4) << "two outer and two inner tangents";
    EXPECT_EQ(Prompt(), "確定する要素を選択して下さい(直線-接円)");
    ClickAt(100, -200);
    EXPECT_EQ(window->Document().CandidateCount, 4) << "a click beside them does nothing";
    const TCadData outer = Element(3);
    ClickAt((outer.X1 + outer.X2) / 2, (outer.Y1 + outer.Y2) / 2);
    EXPECT_EQ(window->Document().CandidateCount, 0);
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(Element(3).X1, outer.X1);
    EXPECT_EQ(Element(3).Selected, 0);
    EXPECT_EQ(Prompt(), " 1つ目の要素を選択して下さい(直線-外接円)");
    Press("SpeedButtonUNDU");
    EXPECT_EQ(Count(), 2) << "the kept tangent is one undo step";
}

TEST_F(LineCommandsTest, CirclesOneInsideTheOtherHaveNoTangent)
{
    AddCircle(window->Document(), 0, 0, 60);
    AddCircle(window->Document(), 5, 0, 20);
    window->RedrawAll(true);
    Press("SpeedButton202");
    ClickAt(-60, 0);
    ClickAt(25, 0);
    EXPECT_EQ(Count(), 2);
    ASSERT_FALSE(dialogs.Messages.empty());
    EXPECT_EQ(dialogs.Messages.back(), "接線がありません");
    EXPECT_EQ(Prompt(), " 1つ目の要素を選択して下さい(直線-接円)");
    EXPECT_EQ(Mode(), 202);
}

TEST_F(LineCommandsTest, TheMiddleLineBisectsThePickedSides)
{
    AddLine(window->Document(), 0, 0, 100, 0);
    AddLine(window->Document(), 0, 0, 0, 100);
    window->RedrawAll(true);
    Press("SpeedButton241");
    ClickAt(80, 0);
    EXPECT_EQ(Prompt(), "2つ目の直線を選択して下さい(直線-2直線の中間線)");
    ClickAt(0, 80);
    ASSERT_EQ(Count(), 3);
    EXPECT_NEAR(Element(3).X1, 100 / std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(Element(3).Y1, 100 / std::sqrt(2.0), 1e-9);
    EXPECT_EQ(Element(3).X2, 0);
    EXPECT_EQ(window->Command().FirstPick, 0);
    EXPECT_EQ(Prompt(), "1つ目の直線を選択して下さい(直線-2直線の中間線)");
}

}  // namespace
}  // namespace vantro::testing
