// Selection in the real window: picks, windows dragged with the mouse, PanelMulti and the chooser.
#include "MainWindowFixture.h"

#include "support/Fixtures.h"
#include "ui/CanvasWidget.h"
#include "ui/ChooserDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vantro::testing {
namespace {

class SelectionTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        window->SetChooserRunner([this](TFormGet& chooser) {
            ChooserCaptions.push_back(chooser.Caption());
            for (int i = 0; i < ChooserSteps; ++i) {
                chooser.Next();
                ChooserCaptions.push_back(chooser.Caption());
            }
            return ChooserConfirms;
        });
    }

    QWidget* MultiPanel() const { return Find("PanelMulti"); }

    // A small drawing about the origin: a line inside the window (0,0)-(100,100), one crossing its
    // right edge, and a horizontal dimension inside.
    void DrawScene()
    {
        Drawing& d = window->Document();
        AddLine(d, 10, 10, 50, 50);
        AddLine(d, 50, 60, 150, 60);
        TCadData dimension{};
        dimension.Kind = kKindDimX;
        dimension.Layer = 1;
        dimension.X1 = 20;
        dimension.Y1 = 20;
        dimension.X2 = 60;
        dimension.Y2 = 20;
        dimension.Cx = 40;
        dimension.Cy = 30;
        dimension.Value = 40;
        AddElement(d, dimension);
        window->RedrawAll(true);
    }

    std::vector<QString> ChooserCaptions;
    int ChooserSteps = 0;
    bool ChooserConfirms = true;
};

TEST_F(SelectionTest, WindowsEncloseLeftToRightAndCrossRightToLeft)
{
    DrawScene();
    const struct {
        const char* Name;
        const char* Button;
        bool RightToLeft;
        std::vector<int> Expected;
    } cases[] = {
        {"delete, enclosing", "SpeedButton300", false, {1, 3}},
        {"delete, crossing", "SpeedButton300", true, {1, 2, 3}},
        {"move takes dimensions", "SpeedButton100", false, {1, 3}},
        {"trim leaves dimensions out", "SpeedButton208", true, {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Press(c.Button);
        if (c.RightToLeft) Drag(100, 100, 0, 0);
        else Drag(0, 0, 100, 100);
        EXPECT_EQ(Selected(), c.Expected);
        EXPECT_TRUE(MultiPanel()->isVisible());
        EXPECT_EQ(Find<QGroupBox>("PanelMulti")->title(), QStringLiteral("多数図形選択"));
        EXPECT_TRUE(Find<QPushButton>("ButtonMulti")->hasFocus());
        QTest::keyClick(window.get(), Qt::Key_Escape);
        EXPECT_TRUE(Selected().empty()) << "cancelling clears the selection";
        EXPECT_FALSE(MultiPanel()->isVisible());
    }
}

TEST_F(SelectionTest, ASmallDragDoesNothingAndASecondWindowDeselects)
{
    DrawScene();
    Press("SpeedButton300");
    const QPoint start = PixelOf(0, 0);
    DragPixels(start, start + QPoint(9, -9));
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Mode(), 300);
    EXPECT_FALSE(MultiPanel()->isVisible());
    Drag(0, 0, 100, 100);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 3}));
    Drag(0, 0, 100, 100);
    EXPECT_TRUE(Selected().empty());
}

TEST_F(SelectionTest, ConfirmingGoesOnAndAnEmptyConfirmSaysSo)
{
    DrawScene();
    Press("SpeedButton100");
    Drag(0, 0, 100, 100);
    QTest::mouseClick(Find<QPushButton>("ButtonMulti"), Qt::LeftButton);
    EXPECT_EQ(Mode(), 102);
    EXPECT_FALSE(MultiPanel()->isVisible());

    Press("SpeedButton100");
    Drag(0, 0, 100, 100);
    Drag(0, 0, 100, 100);  // and away again
    QTest::mouseClick(Find<QPushButton>("ButtonMulti"), Qt::LeftButton);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"図形がありません"});
    EXPECT_EQ(Mode(), 100);
}

TEST_F(SelectionTest, ARightClickConfirmsWithTheSetting)
{
    for (const bool riteClick : {true, false}) {
        SCOPED_TRACE(riteClick);
        Settings settings;
        settings.RiteClick = riteClick;
        Open(settings);
        DrawScene();
        Press("SpeedButton100");
        Drag(0, 0, 100, 100);
        ClickCanvas(PixelOf(300, 300), Qt::RightButton);
        EXPECT_EQ(Mode(), riteClick ? 102 : 0);
    }
}

TEST_F(SelectionTest, InvertTogglesWhatTheCommandMayTake)
{
    DrawScene();
    Press("SpeedButton208");
    Drag(0, 0, 100, 100);
    ASSERT_EQ(Selected(), (std::vector<int>{1}));
    QTest::mouseClick(Find<QToolButton>("SpeedButton27"), Qt::LeftButton);
    EXPECT_EQ(Selected(), (std::vector<int>{2})) << "trim inverts only lines, arcs, circles, points and curves";
    QTest::keyClick(window.get(), Qt::Key_Escape);
    Press("SpeedButton300");
    Drag(0, 0, 100, 100);
    QTest::mouseClick(Find<QToolButton>("SpeedButton27"), Qt::LeftButton);
    EXPECT_EQ(Selected(), (std::vector<int>{2}));
}

TEST_F(SelectionTest, GroupPickingSelectsTheWholeRectangle)
{
    Drawing& d = window->Document();
    for (const auto& [x1, y1, x2, y2] : {std::array{0.0, 0.0, 80.0, 0.0}, std::array{0.0, 40.0, 80.0, 40.0},
                                        std::array{0.0, 0.0, 0.0, 40.0}, std::array{80.0, 0.0, 80.0, 40.0}})
        d[AddLine(d, x1, y1, x2, y2)].Group = 3;
    AddLine(d, 0, 60, 80, 60);
    window->RedrawAll(true);
    Find<QCheckBox>("CheckBoxGrp")->setChecked(true);
    Press("SpeedButton100");
    ClickAt(40, 0);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(Mode(), 102) << "a single pick moves on without a window";
}

TEST_F(SelectionTest, DeleteTakesAClickedGroupAtOnceAndAWindowOnConfirming)
{
    Drawing& d = window->Document();
    for (const auto& [x1, y1, x2, y2] : {std::array{0.0, 0.0, 80.0, 0.0}, std::array{0.0, 40.0, 80.0, 40.0}})
        d[AddLine(d, x1, y1, x2, y2)].Group = 3;
    AddLine(d, 0, 60, 80, 60);
    AddLine(d, 200, 60, 280, 60);
    window->RedrawAll(true);
    Find<QCheckBox>("CheckBoxGrp")->setChecked(true);
    Press("SpeedButton300");
    ClickAt(40, 0);
    EXPECT_EQ(d.Count, 2);
    EXPECT_EQ(Mode(), 300);
    Press("SpeedButtonUNDU");
    EXPECT_EQ(d.Count, 4) << "one undo brings the group back";
    Press("SpeedButton300");
    Drag(-10, 50, 100, 70);
    EXPECT_EQ(d.Count, 4) << "a window waits for 確定";
    QTest::mouseClick(Find<QPushButton>("ButtonMulti"), Qt::LeftButton);
    EXPECT_EQ(d.Count, 3);
    EXPECT_EQ(Mode(), 300);
    EXPECT_EQ(Prompt(), QStringLiteral(" 削除する図形を単独、又は範囲選択して下さい。(削除)"));
}

TEST_F(SelectionTest, PicksAreRefusedOnALockedLayer)
{
    Drawing& d = window->Document();
    AddLine(d, 0, 0, 80, 0, 2);
    d.Layers.Locked[1] = 1;
    window->RedrawAll(true);
    Press("SpeedButton100");
    ClickAt(40, 0);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Mode(), 100);
}

TEST_F(SelectionTest, TheChooserCyclesThroughOverlappingElements)
{
    Drawing& d = window->Document();
    AddLine(d, 0, 0, 80, 0);
    AddCircle(d, 40, 10, 10);
    window->RedrawAll(true);
    ChooserSteps = 2;
    Press("SpeedButton100");
    ClickAt(40, 0);
    EXPECT_EQ(ChooserCaptions, (std::vector<QString>{QStringLiteral("1 of (2)  直線"), QStringLiteral("2 of (2)  円"),
                                                     QStringLiteral("1 of (2)  直線")}));
    EXPECT_EQ(Selected(), (std::vector<int>{1})) << "確定 keeps the candidate shown";

    ChooserCaptions.clear();
    ChooserSteps = 1;
    ChooserConfirms = false;
    Press("SpeedButton100");
    ClickAt(40, 0);
    EXPECT_TRUE(Selected().empty()) << "中止 picks nothing";
    EXPECT_EQ(Mode(), 100);
}

TEST_F(SelectionTest, TheChooserHighlightsItsCandidateAndLeavesTheCanvasAsItWas)
{
    Drawing& d = window->Document();
    AddLine(d, 0, 0, 80, 0);
    AddCircle(d, 40, 10, 10);
    window->RedrawAll(true);
    QImage& canvas = Find<CanvasWidget>("PaintBox1")->Image();
    const QImage before = canvas.copy();
    std::vector<bool> changed;
    window->SetChooserRunner([&](TFormGet& chooser) {
        changed.push_back(canvas != before);
        chooser.Next();
        changed.push_back(canvas != before);
        return false;
    });
    Press("SpeedButton300");
    ClickAt(40, 0);
    EXPECT_EQ(changed, (std::vector<bool>{true, true}));
    EXPECT_EQ(canvas, before);
}

TEST_F(SelectionTest, FreeSelectionByTheMenuAndByAClickWhenTheMenuIsHidden)
{
    DrawScene();
    Find<QAction>("menuSentakuStert")->trigger();
    EXPECT_EQ(Mode(), 292);
    ClickAt(30, 30);
    EXPECT_EQ(Selected(), (std::vector<int>{1}));
    EXPECT_EQ(Prompt(), QStringLiteral("選択数1"));
    QTest::keyClick(window.get(), Qt::Key_Escape);

    Find<QAction>("menuSentakuStert")->setVisible(false);
    ClickAt(30, 30);
    EXPECT_EQ(Mode(), 292);
    EXPECT_EQ(Selected(), (std::vector<int>{1})) << "the first click already picks";
    Drag(-10, -10, 200, 100);
    EXPECT_EQ(Selected(), (std::vector<int>{2})) << "the window toggles both lines; dimensions stay out";
    EXPECT_EQ(Prompt(), QStringLiteral("選択数1"));
}

TEST_F(SelectionTest, AnIdleDragWithTheMenuShownIsAZoomWindow)
{
    DrawScene();
    const float zoom = window->View().Zoom;
    Drag(0, 0, 100, 100);
    EXPECT_GT(window->View().Zoom, zoom);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Mode(), 0);
}

}  // namespace
}  // namespace vantro::testing
