// Move, mirror, rotate and scale with their copies, and the origin change, in the real window.
#include "MainWindowFixture.h"

#include "ui/CanvasWidget.h"

#include <QCheckBox>
#include <QLabel>

namespace vantro::testing {
namespace {

class TransformCommandsTest : public MainWindowTest {
protected:
    QCheckBox* SnapLock() const { return Find<QCheckBox>("CheckBoxLock2"); }
    // The mouse comes near the world point, so that the snap search may take it, and clicks there.
    void SnapClickNear(double x, double y)
    {
        const QPoint near = PixelOf(x, y) + QPoint(2, -1);
        QTest::mouseMove(Canvas(), near);
        ASSERT_TRUE(window->Command().SnapFound);
        ClickCanvas(near);
    }
};

TEST_F(TransformCommandsTest, AWindowMovedByTwoSnappedClicks)
{
    const std::vector<TCadData> before = Drawn({Line(-100, 0, -20, 0), Line(50, 50, 90, 50)});
    Find<QCheckBox>("CheckBoxSnap1")->setChecked(true);
    Press("SpeedButton100");
    EXPECT_TRUE(SnapLock()->isChecked()) << "the selection does not snap";
    Drag(-110, -10, -10, 10);
    PressButtonMulti();
    EXPECT_EQ(Mode(), 102);
    EXPECT_EQ(Prompt(), QStringLiteral("基点をクリックするか移動距離を入力して下さい。(移動)"));
    EXPECT_TRUE(Find<QLineEdit>("EditX")->isVisible());
    EXPECT_FALSE(SnapLock()->isChecked()) << "base points snap";
    SnapClickNear(-100, 0);
    EXPECT_EQ(Prompt(), QStringLiteral("移動点をクリックするか、移動距離を入力して下さい(移動)"));
    SnapClickNear(50, 50);
    EXPECT_EQ(Doc()[1].X1, 50);
    EXPECT_EQ(Doc()[1].Y1, 50);
    EXPECT_EQ(Doc()[1].X2, 130);
    EXPECT_EQ(Mode(), 100);
    EXPECT_EQ(Prompt(), QStringLiteral("移動する要素を選択するか範囲を作図して下さい(移動)"));
    EXPECT_FALSE(Find<QLineEdit>("EditX")->isVisible());
    EXPECT_TRUE(SnapLock()->isChecked());
    const QImage& canvas = Find<CanvasWidget>("PaintBox1")->Image();
    EXPECT_NE(canvas.pixelColor(PixelOf(-53, 0)), QColor(Qt::black)) << "gone from where it was";
    EXPECT_EQ(canvas.pixelColor(PixelOf(103, 50)), QColor(Qt::black)) << "drawn where it went";
    ExpectOneUndoRestores(before);
}

TEST_F(TransformCommandsTest, AZeroMoveSaysSoAndMoveCopiesAreCountedInEditR)
{
    Drawn({Line(-100, 0, -20, 0)});
    Press("SpeedButton100");
    ClickAt(-60, 0);
    ClickAt(0, 0);
    ClickAt(0, 0);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"エラー　移動量=0"});
    EXPECT_EQ(Mode(), 103);

    Press("SpeedButton100", Qt::RightButton);
    EXPECT_EQ(Mode(), 104);
    ClickAt(-60, 0);
    EXPECT_EQ(Mode(), 106);
    Find<QLineEdit>("EditY")->setText("30");
    EnterIn("EditX", "0");
    EXPECT_EQ(Mode(), 99);
    EXPECT_FALSE(Find<QLineEdit>("EditX")->isVisible());
    EXPECT_TRUE(Find<QLineEdit>("EditR")->isVisible());
    EXPECT_EQ(FieldText("EditR"), QStringLiteral("1"));
    EXPECT_EQ(Find<QLabel>("LabelR")->text(), QStringLiteral("N"));
    EnterIn("EditR", "2");
    ASSERT_EQ(Doc().Count, 3);
    EXPECT_EQ(Doc()[2].Y1, 30);
    EXPECT_EQ(Doc()[3].Y1, 60);
    EXPECT_EQ(Mode(), 104);
}

TEST_F(TransformCommandsTest, RotateRefusesADirectionOfZeroAndTurnsByAClick)
{
    const std::vector<TCadData> before = Drawn({Line(20, 0, 60, 0)});
    Press("SpeedButton116");
    ClickAt(40, 0);
    EXPECT_EQ(Prompt(), QStringLiteral("回転中心をクリックするか入力して下さい(回転)"));
    const QPoint centre = PixelOf(0, 0);
    ClickCanvas(centre);
    EXPECT_EQ(Find<QLabel>("LabelR")->text(), QStringLiteral("Q"));
    EXPECT_EQ(Prompt(), QStringLiteral("回転角度を入力して下さい(回転)"));
    ClickCanvas(centre + QPoint(80, 0));
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"エラー　回転角度=0"});
    EXPECT_EQ(Mode(), 119);
    ClickCanvas(centre - QPoint(0, 80));
    EXPECT_NEAR(Doc()[1].X1, 0, 1e-9);
    EXPECT_NEAR(Doc()[1].Y1, 20, 1e-9);
    EXPECT_EQ(Mode(), 116);
    ExpectOneUndoRestores(before);
}

TEST_F(TransformCommandsTest, RotateCopiesAndMirrorCopiesByTypedValues)
{
    const std::vector<TCadData> before = Drawn({Circle(50, 0, 10)});
    Press("SpeedButton116", Qt::RightButton);
    ClickAt(60, 0);
    Find<QLineEdit>("EditY")->setText("0");
    EnterIn("EditX", "0");
    EXPECT_EQ(Mode(), 123);
    EnterIn("EditR", "90");
    EXPECT_EQ(Prompt(), QStringLiteral("コピー個数を入力して下さい(回転)"));
    EXPECT_EQ(Find<QLabel>("LabelR")->text(), QStringLiteral("N"));
    EnterIn("EditR", "3");
    ASSERT_EQ(Doc().Count, 4);
    EXPECT_NEAR(Doc()[2].Cy, 50, 1e-9);
    EXPECT_NEAR(Doc()[3].Cx, -50, 1e-9);
    EXPECT_NEAR(Doc()[4].Cy, -50, 1e-9);
    EXPECT_EQ(Mode(), 120);
    ExpectOneUndoRestores(before);

    Press("SpeedButton108", Qt::RightButton);
    ClickAt(60, 0);
    EXPECT_EQ(Prompt(), QStringLiteral("軸の基点をクリックするか入力して下さい(ミラー)"));
    Find<QLineEdit>("EditY")->setText("0");
    EnterIn("EditX", "100");
    Find<QLineEdit>("EditY")->setText("10");
    EnterIn("EditX", "100");
    ASSERT_EQ(Doc().Count, 2);
    EXPECT_NEAR(Doc()[2].Cx, 150, 1e-9);
    EXPECT_EQ(Mode(), 112);
}

TEST_F(TransformCommandsTest, ScaleByTheFactorTypedInEditR)
{
    const std::vector<TCadData> before = Drawn({Circle(50, 0, 10)});
    Press("SpeedButton125");
    ClickAt(60, 0);
    Find<QLineEdit>("EditY")->setText("0");
    EnterIn("EditX", "50");
    EXPECT_EQ(Prompt(), QStringLiteral("倍率を入力して下さい(倍率変更)"));
    EXPECT_TRUE(Find<QLineEdit>("EditR")->hasFocus());
    EnterIn("EditR", "2.5");
    EXPECT_EQ(Doc()[1].R, 25);
    EXPECT_EQ(Doc()[1].Cx, 50);
    EXPECT_EQ(Prompt(), QStringLiteral("図形を選択するか範囲を作図して下さい(倍率変換)"));
    ExpectOneUndoRestores(before);
}

TEST_F(TransformCommandsTest, TheOriginChangeKeepsTheDrawingInPlace)
{
    Drawn({Line(-100, 20, -20, 20)});
    Find<QCheckBox>("CheckBoxSnap1")->setChecked(true);
    const QPoint endPixel = PixelOf(-100, 20);
    Press("SpeedButton166");
    SnapClickNear(-100, 20);
    EXPECT_EQ(Doc()[1].X1, 0);
    EXPECT_EQ(Doc()[1].Y1, 0);
    EXPECT_EQ(Doc()[1].X2, 80);
    EXPECT_EQ(PixelOf(0, 0), endPixel) << "the new origin lies where the end point was on the screen";
    EXPECT_EQ(Mode(), 0);
}

}  // namespace
}  // namespace vantro::testing
