// The editing commands that cut, lengthen, round and offset elements, in the real window: tool
// buttons, clicks on the canvas and typed values.
#include "MainWindowFixture.h"

#include "document/ElementStore.h"
#include "ui/CanvasWidget.h"

#include <QCheckBox>
#include <QLabel>

#include <cmath>

namespace vantro::testing {
namespace {

using EditCommandsTest = MainWindowTest;

TEST_F(EditCommandsTest, DeleteTakesAGroupInOneClickAndOneUndo)
{
    TCadData grouped = Line(0, 0, 80, 0);
    grouped.Group = 3;
    TCadData other = Line(0, 40, 80, 40);
    other.Group = 3;
    const std::vector<TCadData> before = Drawn({grouped, other, Line(0, 80, 80, 80)});
    Find<QCheckBox>("CheckBoxGrp")->setChecked(true);
    Press("SpeedButton300");
    ClickAt(40, 0);
    ASSERT_EQ(Doc().Count, 1);
    EXPECT_EQ(Doc()[1].Y1, 80);
    ExpectOneUndoRestores(before);
}

TEST_F(EditCommandsTest, TrimWithOneBoundaryThenWithAWindowOfBoundaries)
{
    const std::vector<TCadData> before =
        Drawn({Line(-100, 0, 100, 0), Line(-100, 60, 100, 60), Line(-40, -30, -40, 90), Line(40, -30, 40, 90)});
    Press("SpeedButton208");
    EXPECT_EQ(Prompt(), QStringLiteral(" 境界となる図形を単独、又は範囲選択して下さい。(トリム)"));
    ClickAt(40, 80);
    EXPECT_EQ(Prompt(), QStringLiteral(" クリック=トリム、[Shift]+クリック=選択変更　(トリム）"));
    ClickAt(70, 0);
    EXPECT_EQ(Doc()[1].X2, 40);
    EXPECT_EQ(Mode(), 208);
    EXPECT_EQ(Prompt(), QStringLiteral(" 境界となる要素を選択するか範囲を作図して下さい。(トリム)"));
    EXPECT_TRUE(Selected().empty());
    ExpectOneUndoRestores(before);

    Press("SpeedButton208");
    Drag(-50, -40, 50, 100);  // encloses both boundaries, not the two long lines
    EXPECT_EQ(Selected(), (std::vector<int>{3, 4}));
    PressButtonMulti();
    EXPECT_EQ(Mode(), 210);
    ClickAt(0, 0);
    ClickAt(0, 60);
    EXPECT_EQ(Mode(), 210) << "window boundaries stay for more trims";
    ASSERT_EQ(Doc().Count, 6);
    EXPECT_EQ(Doc()[1].X2, -40);
    EXPECT_EQ(Doc()[2].X2, -40);
    EXPECT_EQ(Doc()[5].X1, 40);
    EXPECT_EQ(Doc()[6].X1, 40);
}

TEST_F(EditCommandsTest, ExtendToATargetAndCloseAnArcWithShift)
{
    const std::vector<TCadData> before = Drawn({Line(-100, 0, -20, 0), Line(60, -50, 60, 50)});
    Press("SpeedButton206");
    ClickAt(-30, 0);
    EXPECT_EQ(Prompt(), QStringLiteral("延長先の図形又は位置をクリックして下さい(延長)"));
    ClickAt(60, 30);
    EXPECT_EQ(Doc()[1].X2, 60);
    EXPECT_EQ(Prompt(), QStringLiteral("延長する直線又は円弧を選択して下さい(延長)"));
    ExpectOneUndoRestores(before);

    AddElement(Doc(), ArcElement({0, 100}, 40, 0, 90));
    window->RedrawAll(true);
    const Point on = Polar({0, 100}, 40, 45);
    ClickAt(on.X, on.Y, Qt::ShiftModifier);
    EXPECT_EQ(Doc()[3].Kind, kKindCircle);
}

TEST_F(EditCommandsTest, FilletAndChamferReadEditR)
{
    const std::vector<TCadData> before = Drawn({Line(0, 0, 100, 0), Line(0, 0, 0, 100)});
    Press("SpeedButton211");
    EXPECT_EQ(FieldText("EditR"), QStringLiteral("0")) << "no fillet radius yet";
    Find<QLineEdit>("EditR")->setText("abc");
    ClickAt(80, 0);
    EXPECT_EQ(Prompt(), QStringLiteral("２つ目の要素を選択して下さい(角丸め)"));
    ClickAt(0, 80);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"入力数値が不正です。"});
    EXPECT_EQ(Doc().Count, 2);
    Find<QLineEdit>("EditR")->setText("10");
    ClickAt(80, 0);
    ClickAt(0, 80);
    ASSERT_EQ(Doc().Count, 3);
    EXPECT_NEAR(Doc()[1].X1, 10, 1e-9);
    EXPECT_NEAR(Doc()[2].Y1, 10, 1e-9);
    EXPECT_EQ(Doc()[3].Kind, kKindArc);
    EXPECT_EQ(Prompt(), QStringLiteral("半径を入力して、1つ目の要素を選択して下さい(角丸め)"));
    ExpectOneUndoRestores(before);
    Press("SpeedButton211");
    EXPECT_EQ(FieldText("EditR"), QStringLiteral("10")) << "the last radius is offered";

    Press("SpeedButton213");
    Find<QLineEdit>("EditR")->setText("5");
    ClickAt(80, 0);
    ClickAt(0, 80);
    ASSERT_EQ(Doc().Count, 3);
    EXPECT_NEAR(Doc()[1].X1, 5, 1e-9);
    EXPECT_EQ(Doc()[3].Kind, kKindLine);
    ExpectOneUndoRestores(before);
}

TEST_F(EditCommandsTest, BreakAndPartialDeleteWithItsQuestion)
{
    const std::vector<TCadData> before = Drawn({Line(-100, 0, 100, 0), Line(0, -50, 0, 50)});
    Press("SpeedButton215");
    ClickAt(-60, 0);
    EXPECT_EQ(Prompt(), QStringLiteral("境界となる要素を選択して下さい(図形分解)"));
    ClickAt(0, 30);
    ASSERT_EQ(Doc().Count, 3);
    EXPECT_EQ(Doc()[1].X2, 0);
    EXPECT_EQ(Doc()[3].X1, 0);
    EXPECT_EQ(Prompt(), QStringLiteral("分解する図形を選択して下さい(図形分解)"));
    ExpectOneUndoRestores(before);

    dialogs.Answers.push_back(DialogAnswer::Yes);
    Press("SpeedButton199");
    ClickAt(-50, 0);
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"分解した要素の片方を削除しますか"});
    ASSERT_EQ(Doc().Count, 3);
    ClickAt(0, 40);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"分解した図形ではありません！"});
    ClickAt(-90, 0);
    ASSERT_EQ(Doc().Count, 2);
    EXPECT_EQ(Doc()[2].X2, 100) << "the piece towards the start is gone";
    EXPECT_GT(Doc()[2].X1, -50);
}

TEST_F(EditCommandsTest, OffsetsRefuseZeroAndMakeParallels)
{
    const std::vector<TCadData> before = Drawn({Line(-100, 0, 100, 0)});
    Press("SpeedButton200");
    EXPECT_EQ(Find<QLabel>("LabelR")->text(), QStringLiteral("W"));
    Find<QLineEdit>("EditR")->setText("0");
    ClickAt(0, 0);
    EXPECT_EQ(Prompt(), QStringLiteral(" 方向を指定して下さい(オフセット)"));
    ClickAt(0, 50);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"オフセット値が不正です入力数値を確認して下さい！"});
    EXPECT_EQ(Doc().Count, 1);
    Find<QLineEdit>("EditR")->setText("15");
    ClickAt(0, 50);
    ASSERT_EQ(Doc().Count, 2);
    EXPECT_EQ(Doc()[2].Y1, 15);
    EXPECT_EQ(Mode(), 200);
    ExpectOneUndoRestores(before);

    Press("SpeedButton231");
    EXPECT_EQ(FieldText("EditR"), QStringLiteral("15")) << "the last offset is offered";
    ClickAt(0, 0);
    ASSERT_EQ(Doc().Count, 3);
    EXPECT_EQ(std::abs(Doc()[2].Y1), 15);
    EXPECT_EQ(Doc()[2].Y1 + Doc()[3].Y1, 0);
    ExpectOneUndoRestores(before);
}

TEST_F(EditCommandsTest, ChainOffsetOfARectangle)
{
    const std::vector<TCadData> before =
        Drawn({Line(-50, -30, 50, -30), Line(50, -30, 50, 30), Line(50, 30, -50, 30), Line(-50, 30, -50, -30)});
    Press("SpeedButton229");
    Find<QLineEdit>("EditR")->setText("10");
    ClickAt(0, -30);
    EXPECT_EQ(Prompt(), QStringLiteral(" 方向を指定して下さい(連続線オフセット)"));
    EXPECT_EQ(Selected().size(), 4u);
    ClickAt(0, -80);
    ASSERT_EQ(Doc().Count, 8);
    EXPECT_NEAR(Doc()[5].X1, -60, 1e-9);
    EXPECT_NEAR(Doc()[5].Y1, -40, 1e-9);
    EXPECT_NEAR(Doc()[7].Y1, 40, 1e-9);
    EXPECT_EQ(Prompt(), QStringLiteral(" 要素を選択して下さい(連続線オフセット)"));
    ExpectOneUndoRestores(before);
}

TEST_F(EditCommandsTest, DivisionThroughTheInputBoxesAndHalving)
{
    const std::vector<TCadData> before = Drawn({Line(-100, 0, 100, 0), Circle(0, 100, 40)});
    Press("SpeedButton246");
    dialogs.Inputs.push_back("101");
    ClickAt(-50, 0);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"等分割は最大100等分までです"});
    EXPECT_EQ(ElementsOf(Doc()), before);
    dialogs.Inputs.push_back("5");
    ClickAt(-50, 0);
    ASSERT_EQ(Doc().Count, 6);
    EXPECT_EQ(Doc()[1].X2, -60);
    ExpectOneUndoRestores(before);

    Press("SpeedButton234");
    ClickAt(0, 140);
    ASSERT_EQ(Doc().Count, 3);
    EXPECT_EQ(Doc()[2].Kind, kKindArc);
    EXPECT_NEAR(Doc()[2].Angle, 180, 1e-9);
    EXPECT_NEAR(Doc()[2].X1, 0, 1e-9) << "clicked above the centre: the halves part at 90 degrees";
}

// The canvas shows an edit whether it is cleared first or painted over.
TEST_F(EditCommandsTest, TheCanvasShowsTheEditWithEitherRepaint)
{
    for (const int clsChk : {0, 1}) {
        SCOPED_TRACE(clsChk);
        Settings settings;
        settings.ClsChk = clsChk;
        Open(settings);
        Drawn({Line(-100, 0, 100, 0), Line(-100, 50, 100, 50)});
        const QImage& canvas = Find<CanvasWidget>("PaintBox1")->Image();
        const QPoint onFirst = PixelOf(33, 0);
        ASSERT_EQ(canvas.pixelColor(onFirst), QColor(Qt::black));
        Press("SpeedButton300");
        ClickAt(-50, 0);
        EXPECT_NE(canvas.pixelColor(onFirst), QColor(Qt::black));
        EXPECT_EQ(canvas.pixelColor(PixelOf(33, 50)), QColor(Qt::black));
    }
}

}  // namespace
}  // namespace vantro::testing
