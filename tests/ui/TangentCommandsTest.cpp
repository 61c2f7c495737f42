// The tangent constructions in the real window: circles and arcs of a typed radius tangent to two
// picks, circles tangent to three, the candidates they leave for a click, and the arc between two
// lines.
#include "MainWindowFixture.h"

#include "support/Fixtures.h"

#include <QCheckBox>

#include <cmath>

namespace vantro::testing {
namespace {

class TangentCommandsTest : public MainWindowTest {
protected:
    int Candidates() const { return window->Document().CandidateCount; }
    // Two lines from the origin along the axes, 100 long.
    void PutCorner()
    {
        AddLine(window->Document(), 0, 0, 100, 0);
        AddLine(window->Document(), 0, 0, 0, 100);
        window->RedrawAll(true);
    }
};

TEST_F(TangentCommandsTest, FourTangentCirclesWaitForTheClickThatKeepsOne)
{
    PutCorner();
    Press("SpeedButton32");
    Find<QLineEdit>("EditR")->setText("10");
    ClickAt(80, 0);
    EXPECT_EQ(Prompt(), " ２つ目の要素を選択して下さい(円-接円)");
    ClickAt(0, 80);
    ASSERT_EQ(Candidates(), 4) << "one in each quarter";
    EXPECT_EQ(Prompt(), " 確定する要素を選択して下さい(円-接円)");
    EXPECT_EQ(window->Command().FirstPick, 0) << "the picks are let go";
    ClickAt(300, 300);
    EXPECT_EQ(Candidates(), 4) << "a click beside them does nothing";
    ClickAt(20, 10);
    EXPECT_EQ(Candidates(), 0);
    ASSERT_EQ(Count(), 3);
    EXPECT_NEAR(Element(3).Cx, 10, 1e-9);
    EXPECT_NEAR(Element(3).Cy, 10, 1e-9);
    EXPECT_EQ(Element(3).R, 10);
    EXPECT_NE(Element(3).Id, 0);
    EXPECT_EQ(Element(3).Selected, 0);
    EXPECT_EQ(Mode(), 32);
    EXPECT_EQ(Prompt(), " 1つ目の要素を選択して下さい(円-接円)");
    EXPECT_EQ(window->Command().LastRadius, 10);
    Press("SpeedButtonUNDU");
    EXPECT_EQ(Count(), 2) << "the kept circle is one undo step";
}

TEST_F(TangentCommandsTest, NoSolutionSaysSoAndStartsAgain)
{
    AddLine(window->Document(), 0, 0, 100, 0);
    AddLine(window->Document(), 0, 10, 100, 10);
    window->RedrawAll(true);
    Press("SpeedButton32");
    Find<QLineEdit>("EditR")->setText("2");
    ClickAt(50, 0);
    ClickAt(50, 10);
    EXPECT_EQ(Count(), 2);
    EXPECT_EQ(Candidates(), 0);
    ASSERT_FALSE(dialogs.Messages.empty());
    EXPECT_EQ(dialogs.Messages.back(), "円弧計算エラー！");
    EXPECT_EQ(Mode(), 32);
    EXPECT_EQ(Prompt(), " 1つ目の要素を選択して下さい(円-接円)");
}

TEST_F(TangentCommandsTest, WithoutARadiusTheSecondPickAsksForOneAndEnterGoesOn)
{
    PutCorner();
    Press("SpeedButton32");
    Find<QLineEdit>("EditR")->clear();
    ClickAt(80, 0);
    ClickAt(0, 80);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "半径を入力して[Enter]キーを押して下さい");
    EXPECT_EQ(Mode(), 33);
    EnterIn("EditR", "abc");
    EXPECT_EQ(dialogs.Messages.back(), "円弧計算エラー！入力数値を確認して下さい。");
    EnterIn("EditR", "-3");
    EXPECT_EQ(dialogs.Messages.back(), "円弧半径エラー！入力数値を確認して下さい。");
    EXPECT_EQ(Mode(), 33) << "the picks wait for a usable radius";
    EnterIn("EditR", "5");
    EXPECT_EQ(Candidates(), 4);
    EXPECT_EQ(Element(3).R, 5);
}

TEST_F(TangentCommandsTest, TangentArcsOfferBothArcsAtEachCentre)
{
    PutCorner();
    Press("SpeedButton64");
    Find<QLineEdit>("EditR")->setText("10");
    ClickAt(80, 0);
    ClickAt(0, 80);
    ASSERT_EQ(Candidates(), 8);
    for (int i = 3; i <= Count(); ++i) EXPECT_EQ(Element(i).Kind, kKindArc) << i;
    // The short arc of the first quarter's circle, from (10, 0) to (0, 10), near (2.93, 2.93).
    const double nearCorner = 10 - 10 / std::sqrt(2.0);
    ClickAt(nearCorner, nearCorner);
    EXPECT_EQ(Candidates(), 0);
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(Element(3).Kind, kKindArc);
    EXPECT_NEAR(Element(3).Angle, 90, 1e-9);
    EXPECT_EQ(Mode(), 64);
}

TEST_F(TangentCommandsTest, ASnapPointStandsInForAPick)
{
    AddLine(window->Document(), 0, 0, 100, 0);
    AddLine(window->Document(), 50, 20, 80, 40);
    window->RedrawAll(true);
    Find<QCheckBox>("CheckBoxSnap1")->setChecked(true);
    Press("SpeedButton32");
    EXPECT_FALSE(Find<QCheckBox>("CheckBoxLock2")->isChecked()) << "the left button snaps";
    Find<QLineEdit>("EditR")->setText("15");
    ClickAt(20, 0);
    ClickAt(50, 20);
    ASSERT_EQ(Candidates(), 2) << "through the end point, touching the line";
    for (const int i : {3, 4}) {
        EXPECT_NEAR(Element(i).Cy, 15, 1e-9);
        EXPECT_NEAR(std::hypot(Element(i).Cx - 50, Element(i).Cy - 20), 15, 1e-9);
    }
    EXPECT_EQ(window->Document().Scratch[1].Kind, kKindEmpty) << "the stand-in point is gone";
}

TEST_F(TangentCommandsTest, TheIncircleAndExcirclesOfATriangle)
{
    PutCorner();
    AddLine(window->Document(), 100, 0, 0, 100);
    window->RedrawAll(true);
    Press("SpeedButton59");
    ClickAt(30, 0);
    EXPECT_EQ(Prompt(), "２つ目の要素を選択して下さい(3要素-接円)");
    ClickAt(0, 30);
    EXPECT_EQ(Prompt(), "３つ目の要素を選択して下さい(3要素-接円)");
    ClickAt(50, 50);
    ASSERT_EQ(Candidates(), 4);
    EXPECT_EQ(Prompt(), " 確定する要素を選択して下さい(円-接円)");
    const double r = (200 - 100 * std::sqrt(2.0)) / 2;
    ClickAt(r, 2 * r);
    ASSERT_EQ(Count(), 4);
    EXPECT_NEAR(Element(4).Cx, r, 1e-9);
    EXPECT_NEAR(Element(4).R, r, 1e-9);
    EXPECT_EQ(Prompt(), "1つ目の要素を選択して下さい(3要素-接円)");
}

TEST_F(TangentCommandsTest, TwoPointsOnEitherSideOfTheLineHaveNoTangentCircle)
{
    AddLine(window->Document(), 0, 0, 100, 0);
    TCadData point{};
    point.Kind = kKindPoint;
    point.Layer = 1;
    point.Cx = 50;
    point.Cy = 10;
    AddElement(window->Document(), point);
    point.Cy = -10;
    AddElement(window->Document(), point);
    window->RedrawAll(true);
    Press("SpeedButton59");
    ClickAt(20, 0);
    ClickAt(50, 10);
    ClickAt(50, -10);
    EXPECT_EQ(Count(), 3);
    ASSERT_FALSE(dialogs.Messages.empty());
    EXPECT_EQ(dialogs.Messages.back(), "作図できません!");
    EXPECT_EQ(Mode(), 59);
}

TEST_F(TangentCommandsTest, TheArcBetweenTwoLinesOfATypedRadius)
{
    PutCorner();
    Press("SpeedButton243");
    Find<QLineEdit>("EditR")->setText("20");
    ClickAt(80, 0);
    EXPECT_EQ(Prompt(), "2つ目の直線を選択して下さい(円弧-2直線と半径)");
    ClickAt(0, 80);
    ASSERT_EQ(Count(), 3);
    const TCadData& arc = Element(3);
    EXPECT_EQ(arc.Kind, kKindArc);
    EXPECT_NEAR(arc.X1, 20, 1e-9);
    EXPECT_NEAR(arc.Y2, 20, 1e-9);
    EXPECT_NEAR(arc.Angle, 90, 1e-9);
    EXPECT_EQ(Prompt(), "1つ目の直線を選択して下さい(円弧-2直線と半径)");
    EXPECT_EQ(window->Command().LastRadius, 20);
}

TEST_F(TangentCommandsTest, WithoutARadiusTheArcTakesAClickOrATypedOne)
{
    PutCorner();
    Press("SpeedButton243");
    Find<QLineEdit>("EditR")->clear();
    ClickAt(80, 0);
    ClickAt(0, 80);
    EXPECT_EQ(Mode(), 66);
    EXPECT_EQ(Prompt(), "半径を入力するかクリックして下さい(円弧-2直線と半径)");
    EXPECT_FALSE(Find<QCheckBox>("CheckBoxLock2")->isChecked()) << "the radius point may snap";
    ClickAt(30, 40);
    ASSERT_EQ(Count(), 3);
    const Point clicked = WorldOf(PixelOf(30, 40));
    EXPECT_NEAR(Element(3).R, std::hypot(clicked.X, clicked.Y), 0.0005);
    EXPECT_EQ(Mode(), 243);

    ClickAt(80, 0);
    Find<QLineEdit>("EditR")->clear();
    ClickAt(0, 80);
    EXPECT_EQ(FieldText("EditR").toDouble(), Element(3).R) << "the last radius is offered";
    EnterIn("EditR", "x");
    EXPECT_EQ(dialogs.Messages.back(), "オフセット値が不正です入力数値を確認して下さい！");
    EnterIn("EditR", "15");
    ASSERT_EQ(Count(), 4);
    EXPECT_EQ(Element(4).R, 15);
}

TEST_F(TangentCommandsTest, ParallelLinesHaveNoArcBetweenThem)
{
    AddLine(window->Document(), 0, 0, 100, 0);
    AddLine(window->Document(), 0, 10, 100, 10);
    window->RedrawAll(true);
    Press("SpeedButton243");
    ClickAt(50, 0);
    ClickAt(50, 10);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "2直線の交点が有りません！");
    EXPECT_EQ(Mode(), 244);
    EXPECT_EQ(window->Command().SecondPick, 0);
}

}  // namespace
}  // namespace vantro::testing
