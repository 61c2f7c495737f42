// The main window as a drafter meets it: dialogs and panels where they belong, the window on the
// screen's work area, Japanese buttons, the usual shortcuts.
#include "MainWindowFixture.h"

#include "commands/StepTable.h"
#include "commands/ToolButtonTable.h"
#include "support/Fixtures.h"
#include "ui/CanvasWidget.h"
#include "ui/LayerPanel.h"
#include "ui/QtDialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>

#include <algorithm>

namespace vantro::testing {
namespace {

QRect GlobalRect(const QWidget* widget) { return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()); }

TEST_F(MainWindowTest, TheTextDialogOpensBesideTheToolPanelInsideTheWindow)
{
    for (const QSize size : {QSize(1600, 1000), QSize(1280, 800)}) {
        SCOPED_TRACE(size.width());
        Open(Settings{}, size);
        std::optional<QRect> placed;
        window->SetTextDialogRunner([&](TTextDialog& dialog) {
            placed = QRect(dialog.pos(), dialog.size());
            return false;
        });
        Press("SpeedButton296");
        ASSERT_TRUE(placed);
        const QWidget* tools = Find("PanelCad");
        EXPECT_EQ(placed->topLeft(), tools->mapToGlobal(QPoint(tools->width(), 0)));
        EXPECT_TRUE(GlobalRect(window.get()).contains(placed->topLeft()));
    }
}

TEST_F(MainWindowTest, TheDimensionPanelsSitInTheEntryRowAndOnTheCanvasCorner)
{
    Press("SpeedButton150");
    QWidget* panelDim = Find("PanelDim");
    QWidget* panelDim2 = Find("PanelDim2");
    ASSERT_TRUE(panelDim->isVisible());
    ASSERT_TRUE(panelDim2->isVisible());
    const QRect dim = GlobalRect(panelDim);
    EXPECT_GE(dim.top(), GlobalRect(window->menuBar()).bottom()) << "never over the menus";
    EXPECT_TRUE(GlobalRect(Find("PanelEntry")).contains(dim)) << "in the entry fields' row";
    EXPECT_LE(dim.left() - GlobalRect(window.get()).left(), GlobalRect(Find("PanelCad")).right() + 8);
    for (const char* control : {"ComboBoxBy", "CheckBoxD", "CheckBoxR", "EditKousa", "EditCome"}) {
        SCOPED_TRACE(control);
        QWidget* widget = Find(control);
        EXPECT_TRUE(widget->isVisible());
        EXPECT_GE(widget->width(), 16);
        EXPECT_TRUE(dim.contains(GlobalRect(widget)));
    }
    const QRect canvas = GlobalRect(Canvas());
    EXPECT_EQ(GlobalRect(panelDim2).topLeft(), canvas.topLeft());
    EXPECT_TRUE(canvas.contains(GlobalRect(panelDim2)));
    EXPECT_TRUE(panelDim2->autoFillBackground()) << "the drawing must not show through its buttons";
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(panelDim->isVisible());
    EXPECT_FALSE(panelDim2->isVisible());
}

TEST_F(MainWindowTest, TheEntryRowKeepsItsHeightAndLabelsFollowTheirFields)
{
    const QRect canvasBefore = GlobalRect(Canvas());
    const struct {
        const char* Button;
        bool X;
        bool Y;
        bool R;
    } cases[] = {{"SpeedButton17", true, true, false}, {"SpeedButton15", false, true, false},
                 {"SpeedButton30", true, true, true},  {"SpeedButton150", false, false, false},
                 {"SpeedButton0", false, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Button);
        Press(c.Button);
        EXPECT_EQ(GlobalRect(Canvas()), canvasBefore) << "the canvas does not move";
        EXPECT_EQ(Find<QLabel>("LabelR")->isVisible(), c.R);
        EXPECT_EQ(Find<QLineEdit>("EditX")->isVisible(), c.X);
        EXPECT_EQ(Find<QLineEdit>("EditY")->isVisible(), c.Y);
    }
    const auto labels = Find("PanelEntry")->findChildren<QLabel*>();
    for (QLabel* label : labels)
        EXPECT_FALSE(label->isVisible() && (label->text() == "X" || label->text() == "Y")) << "no label without its field";
}

TEST_F(MainWindowTest, LeavingTheLayerPanelsPreviewRepaintsTheWholeDrawing)
{
    AddLine(window->Document(), 0, 0, 100, 50, 1);
    AddLine(window->Document(), 0, 50, 100, 0, 2);
    window->RedrawAll(true);
    QImage& image = Find<CanvasWidget>("PaintBox1")->Image();
    const QImage whole = image.copy();
    QTest::mouseClick(Find("LabelRayer"), Qt::LeftButton);
    auto* layers = window->findChild<LayerPanel*>();
    ASSERT_NE(layers, nullptr);
    QWidget* row = layers->findChild<QWidget*>(QStringLiteral("LabelRey2"));
    QEnterEvent enter(row->rect().center(), row->rect().center(), row->mapToGlobal(row->rect().center()));
    QApplication::sendEvent(row, &enter);
    EXPECT_NE(image, whole) << "hovering a row shows only its layer";
    QTest::mouseMove(Canvas(), {20, 20});
    EXPECT_EQ(image, whole) << "back on the canvas, the drawing is whole again";
}

TEST_F(MainWindowTest, TheWindowFillsTheScreensWorkArea)
{
    window->FitToWorkArea();
    QApplication::processEvents();
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    EXPECT_EQ(frame.topLeft(), area.topLeft());
    EXPECT_EQ(frame.height(), area.height());
    // A screen narrower than the tool panel, entry row and status bar need leaves the window at that
    // minimum (the test screen is 800 pixels wide).
    if (window->layout()->totalMinimumSize().width() < area.width()) EXPECT_EQ(frame.width(), area.width());
    else EXPECT_GE(frame.width(), area.width());
}

TEST_F(MainWindowTest, ResizingKeepsTheSheetFittedOrTheUsersView)
{
    const float fit = window->View().FitScale;
    window->resize(1600, 1000);
    QApplication::processEvents();
    EXPECT_GT(window->View().FitScale, fit) << "an untouched sheet is fitted to the larger canvas";
    Press("SpeedButton10");  // zoom ×2: now the user's view
    double x = 0;
    double y = 0;
    const QWidget* canvas = Canvas();
    CanvasToWorld(window->View(), canvas->width() / 2, canvas->height() / 2, x, y);
    const float scale = ViewScale(window->View());
    window->resize(1280, 800);
    QApplication::processEvents();
    EXPECT_EQ(ViewScale(window->View()), scale);
    double x2 = 0;
    double y2 = 0;
    CanvasToWorld(window->View(), canvas->width() / 2, canvas->height() / 2, x2, y2);
    EXPECT_NEAR(x2, x, 1 / scale);
    EXPECT_NEAR(y2, y, 1 / scale);
}

TEST_F(MainWindowTest, ReadoutsHoldTheirLongestTextAndLongPromptsAreElided)
{
    for (const int panel : {1, 2}) {
        auto* label = Find<QLabel>(QStringLiteral("StatusPanel%1").arg(panel).toLatin1().constData());
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(QStringLiteral("@X-100000.000")));
    }
    Press("SpeedButton41");  // the longest prompt
    auto* prompt = Find<QLabel>("StatusPanel4");
    EXPECT_EQ(prompt->toolTip(), prompt->text());
    EXPECT_LE(GlobalRect(window->statusBar()).right(), GlobalRect(window.get()).right());
    window->resize(700, 600);
    QApplication::processEvents();
    EXPECT_LE(GlobalRect(prompt).right(), GlobalRect(window.get()).right()) << "the prompt gives way";
}

TEST(QtDialogsButtons, QuestionsAndMessagesHaveJapaneseButtons)
{
    const struct {
        std::optional<QuestionButtons> Buttons;
        QStringList Texts;
    } cases[] = {
        {std::nullopt, {"OK"}},
        {QuestionButtons::YesNo, {"はい", "いいえ"}},
        {QuestionButtons::YesNoCancel, {"はい", "いいえ", "キャンセル"}},
        {QuestionButtons::OkCancel, {"OK", "キャンセル"}},
        {QuestionButtons::YesCancel, {"はい", "キャンセル"}},
    };
    for (const auto& c : cases) {
        const auto box = MakeMessageBox(nullptr, "CADデータは変更されています保存しますか？", c.Buttons);
        QStringList texts;
        for (QAbstractButton* button : box->buttons()) texts << button->text();
        texts.sort();
        QStringList expected = c.Texts;
        expected.sort();
        EXPECT_EQ(texts, expected);
    }
}

TEST(QtDialogsFilters, FileFiltersKeepTheirCaptionAndOfferEveryPattern)
{
    const struct {
        const char* Filter;
        const char* Qt;
    } cases[] = {
        {"VantroCAD ファイル(*.dca)|*.dca", "VantroCAD ファイル(*.dca)"},
        {"作図ファイル (*.pap)|*.pap", "作図ファイル (*.pap)"},
        {"VantroCADファイル、部品ファイル (*.dpa)(*.dca)|*.dpa;*.dca", "VantroCADファイル、部品ファイル (*.dpa *.dca)"},
        {"no bar", "no bar"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Filter);
        EXPECT_EQ(QtFileFilter(c.Filter).toStdString(), c.Qt);
    }
}

TEST_F(MainWindowTest, TheUsualShortcutsAreInTheMenus)
{
    const struct {
        const char* Action;
        QKeySequence Key;
    } cases[] = {
        {"menuUndo", QKeySequence(Qt::CTRL | Qt::Key_Z)}, {"menuRedo", QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {"CADsave2", QKeySequence::Save},                 {"CADOpen", QKeySequence::Open},
        {"New1", QKeySequence::New},                      {"menuDel", QKeySequence(Qt::Key_Delete)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Action);
        EXPECT_EQ(Find<QAction>(c.Action)->shortcut(), c.Key);
    }
    AddLine(window->Document(), 0, 0, 50, 0);
    Press("SpeedButton17");
    ClickCanvas({300, 200});
    ClickCanvas({400, 260});
    ASSERT_EQ(window->Document().Count, 2);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->Document().Count, 1);
    QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window->Document().Count, 2);
}

TEST_F(MainWindowTest, DeleteRemovesTheFreeSelection)
{
    AddLine(window->Document(), 0, 0, 50, 0);
    AddLine(window->Document(), 0, 30, 50, 30);
    window->RedrawAll(true);
    Find<QAction>("menuSentakuStert")->trigger();
    const CanvasPoint on = WorldToCanvas(window->View(), 25, 0);
    ClickCanvas({on.X, on.Y});
    ASSERT_EQ(window->Command().SelectionCount, 1);
    QTest::keyClick(window.get(), Qt::Key_Delete);
    ASSERT_EQ(window->Document().Count, 1);
    EXPECT_EQ(window->Document()[1].Y1, 30);
    EXPECT_EQ(window->Command().SelectionCount, 0);
    Press("SpeedButtonUNDU");
    EXPECT_EQ(window->Document().Count, 2);
}

TEST_F(MainWindowTest, ACommandNotBuiltYetSaysSo)
{
    const auto rows = ToolButtonRows();
    const auto unbuilt = std::find_if(rows.begin(), rows.end(), [](const ToolButtonRow& row) {
        const StepRow* step = FindStep(row.Start);
        return step != nullptr && step->Click == nullptr && step->Enter == nullptr && row.Preset == ToolPreset::None;
    });
    if (unbuilt == rows.end()) GTEST_SKIP() << "every tool button's command is built";
    Press(unbuilt->Name);
    EXPECT_TRUE(Prompt().endsWith(QStringLiteral("※この機能は準備中です")));
    Press("SpeedButton17");
    EXPECT_FALSE(Prompt().contains(QStringLiteral("準備中")));
}

}  // namespace
}  // namespace vantro::testing
