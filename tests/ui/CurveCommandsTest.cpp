// Free curves and ellipses in the real window, by clicks and by the entry fields.
#include "MainWindowFixture.h"

#include "geometry/CurvePoints.h"

#include <cmath>

namespace vantro::testing {
namespace {

class CurveCommandsTest : public MainWindowTest {
protected:
    size_t CurvePoints(int index) const
    {
        const auto points = ParseCurvePoints(Element(index).Text);
        return points ? points->size() : 0;
    }
};

TEST_F(CurveCommandsTest, EachClickAddsAPointToTheCurve)
{
    const struct {
        Qt::MouseButton Button;
        int8_t Kind;
    } cases[] = {{Qt::LeftButton, kKindCurveThroughPoints}, {Qt::RightButton, kKindCurveByControlPoints}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Kind));
        window->Document().Count = 0;
        Press("SpeedButton47", c.Button);
        ClickAt(0, 0);
        EXPECT_EQ(Mode(), 48);
        ClickAt(20, 10);
        ClickAt(40, 0);
        ASSERT_EQ(Count(), 1);
        EXPECT_EQ(Element(1).Kind, c.Kind);
        EXPECT_EQ(CurvePoints(1), 3u);
        QTest::keyClick(window.get(), Qt::Key_Escape);
        ASSERT_EQ(Count(), 1) << "without PejeChk the curve stays a curve";
        EXPECT_EQ(Element(1).Kind, c.Kind);
    }
}

TEST_F(CurveCommandsTest, WithPejeChkCancellingTurnsTheCurveIntoLines)
{
    Settings settings;
    settings.PejeChk = true;
    Open(settings);
    Press("SpeedButton47");
    TypePoint(0, 0);
    TypePoint(30, 20);
    TypePoint(60, 0);
    ASSERT_EQ(Count(), 1);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    ASSERT_GT(Count(), 2);
    for (int i = 1; i <= Count(); ++i) {
        EXPECT_EQ(Element(i).Kind, kKindLine) << i;
        EXPECT_EQ(Element(i).Group, Element(1).Group) << i;
    }
    EXPECT_NE(Element(1).Group, 0);
    EXPECT_EQ(Element(1).X1, 0);
    EXPECT_EQ(Element(Count()).X2, 60);
}

TEST_F(CurveCommandsTest, TheFiftyFirstPointEndsTheCommand)
{
    Press("SpeedButton47");
    for (int i = 0; i < 50; ++i) TypePoint(i, i % 2);
    ASSERT_EQ(CurvePoints(1), 50u);
    EXPECT_TRUE(dialogs.Messages.empty());
    TypePoint(50, 0);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "設定最大数(50ポイント)を超えました。新規に作図して下さい。");
    EXPECT_EQ(Mode(), 0);
    EXPECT_EQ(CurvePoints(1), 50u);
}

TEST_F(CurveCommandsTest, AnEllipseByTheEndsOfItsAxisAndAHeightPoint)
{
    Press("SpeedButton49");
    ClickAt(0, 0);
    EXPECT_EQ(Prompt(), "対角線上の点を入力するかクリックして下さい(楕円作図)");
    ClickAt(60, 0);
    EXPECT_EQ(Prompt(), "高さを示す点をクリックするか扁平率を入力して下さい(楕円作図)");
    EXPECT_TRUE(Find<QLineEdit>("EditR")->isVisible());
    ClickAt(30, 15);
    ASSERT_EQ(Count(), 2) << "two halves";
    const Point a = WorldOf(PixelOf(0, 0));
    const Point b = WorldOf(PixelOf(60, 0));
    const Point h = WorldOf(PixelOf(30, 15));
    for (const int i : {1, 2}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Element(i).Kind, kKindEllipse);
        EXPECT_NEAR(Element(i).Cx, (a.X + b.X) / 2, 1e-9);
        EXPECT_NEAR(Element(i).R, PointDistance(a, b) / 2, 1e-9);
        EXPECT_NEAR(Element(i).Y1, (h.Y - a.Y) / (PointDistance(a, b) / 2), 1e-9);
    }
    EXPECT_EQ(Element(1).Group, Element(2).Group);
    EXPECT_NE(Element(1).Group, 0);
    EXPECT_EQ(Mode(), 49);
    EXPECT_EQ(Prompt(), "基点(端点)を入力するかクリックして下さい(楕円作図)");
    EXPECT_EQ(window->Command().LastFlattening, Element(1).Y1);
}

TEST_F(CurveCommandsTest, AnEllipseByItsCentreAndATypedRatio)
{
    Press("SpeedButton52");
    TypePoint(10, 10);
    EXPECT_EQ(Prompt(), "傾きと半径を確定する座標を入力するかクリックして下さい(楕円作図)");
    TypePoint(10, 40);
    EXPECT_EQ(Mode(), 54);
    EXPECT_TRUE(Find<QLineEdit>("EditR")->hasFocus());
    EnterIn("EditR", "0");
    EXPECT_EQ(dialogs.Messages.back(), "0より大きい値で入力してください！");
    EnterIn("EditR", "0.5");
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Element(1).Cx, 10);
    EXPECT_EQ(Element(1).Cy, 10);
    EXPECT_EQ(Element(1).R, 30);
    EXPECT_EQ(Element(1).Y1, 0.5);
    EXPECT_NEAR(Element(1).Angle, 1.5 * kPi, 1e-12) << "measured from the upper end of a vertical axis";
    EXPECT_EQ(Mode(), 52);
    EXPECT_EQ(Prompt(), "中心点を入力するかクリックして下さい(楕円作図)");
    TypePoint(100, 0);
    TypePoint(130, 0);
    EXPECT_EQ(FieldText("EditR"), ".5") << "the last ratio is offered";
}

TEST_F(CurveCommandsTest, AnAxisWithoutLengthIsRefused)
{
    Press("SpeedButton52");
    TypePoint(10, 10);
    TypePoint(10, 10);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "半径長さが不正です");
    EXPECT_EQ(Mode(), 53);
}

TEST_F(CurveCommandsTest, WithDaenChkTheEllipseIsMadeOfLines)
{
    Settings settings;
    settings.DaenChk = true;
    Open(settings);
    Press("SpeedButton49");
    TypePoint(0, 0);
    TypePoint(40, 0);
    EnterIn("EditR", "0.5");
    ASSERT_EQ(Count(), 2 * settings.PejeValue);
    for (int i = 1; i <= Count(); ++i) EXPECT_EQ(Element(i).Kind, kKindLine) << i;
}

}  // namespace
}  // namespace vantro::testing
