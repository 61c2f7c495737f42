#include "ui/LayerPanel.h"

#include "document/UndoHistory.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace vantro {
namespace {

using testing::AddLine;
using testing::ScriptedDialogs;

const std::string kOutline = "\x8A\x4F\x8C\x60";  // 外形 in CP932

// What the panel reported to the window.
struct Reports {
    int layersChanged = 0;
    int drawingChanged = 0;
    std::vector<QString> captions;
    std::vector<int> previews;
    std::vector<LayerNames> savedNames;
    std::vector<bool> nameEditing;
    int closed = 0;
};

class LayerPanelTest : public ::testing::Test {
protected:
    LayerPanelTest()
    {
        drawing.Dialogs = &dialogs;
        panel.resize(panel.sizeHint());
        panel.show();
    }

    template <typename Widget = QWidget> Widget* Child(const QString& name)
    {
        auto* widget = panel.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QAbstractButton* Box(int number) { return Child<QAbstractButton>(QStringLiteral("CheckBoxR%1").arg(number)); }
    QLineEdit* Edit(int row) { return Child<QLineEdit>(QStringLiteral("Edit%1").arg(row)); }

    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center()); }
    void Click(const QString& name) { Click(Child(name)); }
    void ClickTab(int tab)
    {
        auto* tabs = Child<QTabBar>(QStringLiteral("TabControlRey"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        ASSERT_EQ(panel.Tab(), tab);
    }
    void ClickRadio(int row) { Click(QStringLiteral("RadioButton%1").arg(row)); }
    // Japanese text arrives from the input method as committed strings, not as key presses.
    static void Commit(QWidget* widget, const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(widget, &event);
    }
    void Trigger(int row, const char* action)
    {
        auto* item = panel.NameMenu(row)->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(item, nullptr) << action;
        item->trigger();
    }

    int HiddenLayers() const
    {
        int hidden = 0;
        for (int layer = 1; layer <= kLayerCount; ++layer) hidden += IsLayerVisible(drawing.Layers, layer) ? 0 : 1;
        return hidden;
    }

    LayerPanelCallbacks Callbacks()
    {
        LayerPanelCallbacks c;
        c.LayersChanged = [this] { ++reports.layersChanged; };
        c.DrawingChanged = [this] { ++reports.drawingChanged; };
        c.ActiveLayerChanged = [this](const QString& caption) { reports.captions.push_back(caption); };
        c.PreviewLayer = [this](int layer) { reports.previews.push_back(layer); };
        c.SaveNames = [this](const LayerNames& names) { reports.savedNames.push_back(names); };
        c.NameEditing = [this](bool editing) { reports.nameEditing.push_back(editing); };
        c.Closed = [this] { ++reports.closed; };
        return c;
    }

    Drawing drawing;
    ScriptedDialogs dialogs;
    Reports reports;
    LayerPanel panel{drawing, dialogs, Callbacks()};
};

TEST_F(LayerPanelTest, RowFiveOfTabThreeMakesLayerThirtySevenActive)
{
    drawing.Layers.Name[36] = kOutline;
    SetLayerVisible(drawing.Layers, 37, false);
    SetLayerLocked(drawing.Layers, 37, true);
    panel.Refresh();
    ClickTab(2);
    EXPECT_EQ(Child<QLabel>(QStringLiteral("LabelRey5"))->text(), QStringLiteral("37"));
    EXPECT_EQ(Edit(5)->text(), QStringLiteral("外形"));

    ClickRadio(5);
    EXPECT_EQ(drawing.Layers.ActiveLayer, 37);
    ASSERT_EQ(reports.captions.size(), 1u);
    EXPECT_EQ(reports.captions.back(), QStringLiteral("37:外形"));
    EXPECT_TRUE(IsLayerVisible(drawing.Layers, 37));
    EXPECT_FALSE(IsLayerLocked(drawing.Layers, 37));
    EXPECT_TRUE(Box(5)->isChecked());
    EXPECT_FALSE(Box(25)->isChecked());
    EXPECT_GE(reports.layersChanged, 1);

    ClickTab(0);
    EXPECT_FALSE(Child<QRadioButton>(QStringLiteral("RadioButton1"))->isChecked()) << "layer 1 is no longer active";
    ClickTab(2);
    EXPECT_TRUE(Child<QRadioButton>(QStringLiteral("RadioButton5"))->isChecked());
}

TEST_F(LayerPanelTest, TheActiveLayersBoxesSnapBackOnEveryTabWhileOthersFollow)
{
    for (int tab = 0; tab < kLayerTabs; ++tab) {
        SCOPED_TRACE(tab);
        ClickTab(tab);
        ClickRadio(3);
        const int active = LayerOfRow(tab, 3);
        ASSERT_EQ(drawing.Layers.ActiveLayer, active);

        // Each box is checked straight after its own click: the next click re-reads every row.
        Click(Box(3));  // visible
        EXPECT_TRUE(Box(3)->isChecked());
        EXPECT_TRUE(IsLayerVisible(drawing.Layers, active));
        Click(Box(23));  // locked
        EXPECT_FALSE(Box(23)->isChecked());
        EXPECT_FALSE(IsLayerLocked(drawing.Layers, active));

        Click(Box(4));
        EXPECT_FALSE(Box(4)->isChecked());
        EXPECT_FALSE(IsLayerVisible(drawing.Layers, active + 1));
        Click(Box(24));
        EXPECT_TRUE(Box(24)->isChecked());
        EXPECT_TRUE(IsLayerLocked(drawing.Layers, active + 1));
    }
}

TEST_F(LayerPanelTest, HideTabHidesTheOtherFifteenOfThatTabOnlyAndShowTabBringsThemBack)
{
    ClickTab(2);
    ClickRadio(5);
    Click(QStringLiteral("Button7"));
    EXPECT_EQ(HiddenLayers(), 15);
    for (int row = 1; row <= kLayersPerTab; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(IsLayerVisible(drawing.Layers, LayerOfRow(2, row)), row == 5);
        EXPECT_EQ(Box(row)->isChecked(), row == 5);
    }
    EXPECT_TRUE(IsLayerVisible(drawing.Layers, 32));
    EXPECT_TRUE(IsLayerVisible(drawing.Layers, 49));

    Click(QStringLiteral("Button6"));
    EXPECT_EQ(HiddenLayers(), 0);
    EXPECT_TRUE(Box(1)->isChecked());
}

TEST_F(LayerPanelTest, HideOthersFollowsANewActiveLayerUntilShowAllReleasesIt)
{
    auto* hideOthers = Child<QToolButton>(QStringLiteral("SpeedButtonReyHide"));
    Click(hideOthers);
    ASSERT_TRUE(hideOthers->isChecked());
    EXPECT_EQ(HiddenLayers(), kLayerCount - 1);
    EXPECT_FALSE(Box(2)->isChecked());

    ClickTab(1);
    ClickRadio(4);
    EXPECT_EQ(drawing.Layers.ActiveLayer, 20);
    EXPECT_EQ(HiddenLayers(), kLayerCount - 1);
    EXPECT_TRUE(IsLayerVisible(drawing.Layers, 20));
    EXPECT_TRUE(Box(4)->isChecked());
    EXPECT_FALSE(Box(5)->isChecked());

    Click(QStringLiteral("Button5"));
    EXPECT_FALSE(hideOthers->isChecked());
    EXPECT_EQ(HiddenLayers(), 0);
    EXPECT_TRUE(Box(5)->isChecked());

    ClickRadio(6);  // released: nothing else is hidden now
    EXPECT_EQ(HiddenLayers(), 0);
}

TEST_F(LayerPanelTest, EachKindFilterBoxSetsItsOwnFilterOnly)
{
    struct Case {
        const char* box;
        bool KindFilters::*flag;
    };
    const Case cases[] = {
        {"CheckBox_Li", &KindFilters::Lines},      {"CheckBox_Ri", &KindFilters::Arcs},
        {"CheckBox_Po", &KindFilters::Points},     {"CheckBox_Dm", &KindFilters::Dimensions},
        {"CheckBox_Tx", &KindFilters::Texts},      {"CheckBox_Gr", &KindFilters::Groups},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        const int changesBefore = reports.layersChanged;
        Click(QString::fromLatin1(c.box));
        for (const Case& other : cases) EXPECT_EQ(drawing.Layers.Filters.*other.flag, other.flag != c.flag);
        EXPECT_EQ(reports.layersChanged, changesBefore + 1);
        Click(QString::fromLatin1(c.box));
        EXPECT_TRUE(drawing.Layers.Filters.*c.flag);
    }
}

TEST_F(LayerPanelTest, RefreshRereadsRowsAndFiltersFromTheTables)
{
    drawing.Layers.Name[17] = kOutline;
    drawing.Layers.Filters.Texts = false;
    SelectActiveLayer(drawing.Layers, 20, false);
    SetLayerVisible(drawing.Layers, 19, false);
    SetLayerLocked(drawing.Layers, 21, true);
    panel.Refresh();
    panel.SetTab(1);
    EXPECT_EQ(Edit(2)->text(), QStringLiteral("外形"));
    EXPECT_FALSE(Child<QCheckBox>(QStringLiteral("CheckBox_Tx"))->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(QStringLiteral("CheckBox_Li"))->isChecked());
    EXPECT_TRUE(Child<QRadioButton>(QStringLiteral("RadioButton4"))->isChecked());
    EXPECT_FALSE(Box(3)->isChecked());
    EXPECT_TRUE(Box(25)->isChecked());
    EXPECT_EQ(Child<QLabel>(QStringLiteral("LabelRey16"))->text(), QStringLiteral("32"));
}

TEST_F(LayerPanelTest, TypedNamesReachTheTableAsCp932AndTheActiveNameTheCaption)
{
    Click(Edit(2));
    Commit(Edit(2), QStringLiteral("外形"));
    QTest::keyClicks(Edit(2), QStringLiteral("A"));
    EXPECT_EQ(drawing.Layers.Name[1], kOutline + "A");
    EXPECT_TRUE(reports.captions.empty()) << "layer 2 is not active";

    Edit(1)->selectAll();
    QTest::keyClick(Edit(1), Qt::Key_Delete);
    EXPECT_EQ(drawing.Layers.Name[0], "");
    Commit(Edit(1), QStringLiteral("基準"));
    EXPECT_EQ(drawing.Layers.Name[0], "\x8A\xEE\x8F\x80");
    ASSERT_FALSE(reports.captions.empty());
    EXPECT_EQ(reports.captions.back(), QStringLiteral("1:基準"));
}

// Layer edits are kept in the drawing file but did not mark the drawing changed, so closing
// lost them without a question.
TEST_F(LayerPanelTest, EditsOfWhatTheFileKeepsChangeTheDrawing)
{
    struct Case {
        const char* name;
        std::function<void()> edit;
        bool changes;
    };
    const Case cases[] = {
        {"name", [this] {
             Click(Edit(3));
             Commit(Edit(3), QStringLiteral("外形"));
         }, true},
        {"visible", [this] { Click(Box(3)); }, true},
        {"locked", [this] { Click(Box(23)); }, true},
        {"active layer", [this] { ClickRadio(4); }, true},
        {"タ消", [this] { Click(QStringLiteral("Button7")); }, true},
        {"the active layer's boxes, which snap back", [this] {
             Click(Box(1));
             Click(Box(21));
         }, false},
        {"the active row again", [this] { ClickRadio(1); }, false},
        {"全表 with every layer shown", [this] { Click(QStringLiteral("Button5")); }, false},
        {"タ表 with every layer shown", [this] { Click(QStringLiteral("Button6")); }, false},
        {"a kind filter", [this] { Click(QStringLiteral("CheckBox_Li")); }, false},
        {"全消", [this] { Click(QStringLiteral("SpeedButtonReyHide")); }, true},  // last: it stays down
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset(drawing, nullptr);
        panel.Refresh();
        reports = Reports{};
        c.edit();
        EXPECT_EQ(reports.drawingChanged, c.changes ? 1 : 0);
        EXPECT_GE(reports.layersChanged, 1) << "every edit repaints";
    }
}

TEST_F(LayerPanelTest, OnlyNameEditsReportTheirFocusForTheWindowsShortcuts)
{
    const auto focus = [this](const QString& name, QEvent::Type type) {
        QFocusEvent event(type, Qt::MouseFocusReason);
        QApplication::sendEvent(Child(name), &event);
    };
    focus(QStringLiteral("Edit3"), QEvent::FocusIn);
    focus(QStringLiteral("Edit3"), QEvent::FocusOut);
    focus(QStringLiteral("CheckBoxR3"), QEvent::FocusIn);
    focus(QStringLiteral("CheckBoxR3"), QEvent::FocusOut);
    EXPECT_EQ(reports.nameEditing, (std::vector<bool>{true, false}));
}

TEST_F(LayerPanelTest, CopyFromThePopUpGoesToTheNextNameClicked)
{
    for (int i = 0; i < 3; ++i) AddLine(drawing, i, 0, i, 10, 2);
    drawing.Layers.Name[4] = kOutline;
    panel.Refresh();
    dialogs.Answers = {DialogAnswer::Ok};
    Trigger(2, "MenuLayerCopy");
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0], "レイヤー2  をコピーします。コピー先をクリックして下さい。");
    ASSERT_TRUE(panel.Pending().has_value());
    EXPECT_EQ(drawing.Count, 3);

    Click(Edit(5));
    EXPECT_EQ(drawing.Count, 6);
    EXPECT_EQ(CountOnLayer(drawing, 5), 3);
    EXPECT_EQ(CountOnLayer(drawing, 2), 3);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "対象レイヤーを5 外形 にコピーしました");
    EXPECT_EQ(reports.drawingChanged, 1);
    EXPECT_FALSE(panel.Pending().has_value());

    Click(Edit(6));  // the source was forgotten
    EXPECT_EQ(drawing.Count, 6);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 3);
}

TEST_F(LayerPanelTest, CopyOntoItsOwnLayerIsRefusedAndForgotten)
{
    AddLine(drawing, 0, 0, 10, 0, 2);
    dialogs.Answers = {DialogAnswer::Ok};
    Trigger(2, "MenuLayerCopy");
    Click(Edit(2));
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"同一レイヤーにはコピーできません！コピーを中止します"});
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_EQ(reports.drawingChanged, 0);
    EXPECT_FALSE(panel.Pending().has_value());
}

TEST_F(LayerPanelTest, CancelledOrEmptyCopyAndMoveLeaveNoSource)
{
    struct Case {
        const char* action;
        std::deque<DialogAnswer> answers;
        int elementsOnRow;
        const char* message;
    };
    const Case cases[] = {
        {"MenuLayerCopy", {DialogAnswer::Cancel}, 1, nullptr},
        {"MenuLayerMove", {DialogAnswer::Cancel}, 1, nullptr},
        {"MenuLayerCopy", {}, 0, "レイヤー3 　は,コピーする図形がありません"},
        {"MenuLayerMove", {}, 0, "レイヤー3 　は,移動する図形がありません"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        Reset(drawing, nullptr);
        dialogs.Messages.clear();
        for (int i = 0; i < c.elementsOnRow; ++i) AddLine(drawing, 0, i, 10, i, 3);
        dialogs.Answers = c.answers;
        Trigger(3, c.action);
        EXPECT_FALSE(panel.Pending().has_value());
        const std::vector<std::string> expected = c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{};
        EXPECT_EQ(dialogs.Messages, expected);
        Click(Edit(4));
        EXPECT_EQ(CountOnLayer(drawing, 4), 0);
    }
}

TEST_F(LayerPanelTest, MoveFromTheRightClickMenuUsesTheRowsLayerOnTheCurrentTab)
{
    ClickTab(1);
    AddLine(drawing, 0, 0, 10, 0, 19);
    AddLine(drawing, 0, 5, 10, 5, 19);
    dialogs.Answers = {DialogAnswer::Ok};
    QLineEdit* edit = Edit(3);
    QContextMenuEvent request(QContextMenuEvent::Mouse, edit->rect().center(), edit->mapToGlobal(edit->rect().center()));
    QApplication::sendEvent(edit, &request);
    QMenu* menu = Child<QMenu>(QStringLiteral("PopupMenuRey"));
    ASSERT_TRUE(menu->isVisible());
    menu->findChild<QAction*>(QStringLiteral("MenuLayerMove"))->trigger();
    menu->hide();
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"レイヤー19  を移動します。移動先をクリックして下さい。"});

    Click(Edit(7));
    EXPECT_EQ(CountOnLayer(drawing, 19), 0);
    EXPECT_EQ(CountOnLayer(drawing, 23), 2);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"対象レイヤーを23  に移動しました"});
    EXPECT_EQ(reports.drawingChanged, 1);
}

TEST_F(LayerPanelTest, MoveOntoItsOwnLayerChangesNothing)
{
    AddLine(drawing, 0, 0, 10, 0, 8);
    dialogs.Answers = {DialogAnswer::Ok};
    Trigger(8, "MenuLayerMove");
    Click(Edit(8));
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"移動先は同一レイヤーです！移動を中止します"});
    EXPECT_EQ(CountOnLayer(drawing, 8), 1);
    EXPECT_EQ(reports.drawingChanged, 0);
}

TEST_F(LayerPanelTest, DeleteFromThePopUpRemovesTheLayersElementsOnYes)
{
    AddLine(drawing, 0, 0, 10, 0, 6);
    AddLine(drawing, 0, 0, 10, 0, 7);
    dialogs.Answers = {DialogAnswer::Cancel, DialogAnswer::Yes, DialogAnswer::Yes};
    Trigger(6, "MenuLayerDelete");
    EXPECT_EQ(drawing.Count, 2);
    Trigger(6, "MenuLayerDelete");
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_EQ(CountOnLayer(drawing, 7), 1);
    EXPECT_EQ(reports.drawingChanged, 1);

    Trigger(6, "MenuLayerDelete");  // nothing left on it
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"レイヤー6 　は,削除する図形がありません"});
    EXPECT_EQ(reports.drawingChanged, 1);
}

TEST_F(LayerPanelTest, SaveAsksAndWritesTheNamesOnlyOnYes)
{
    drawing.Layers.Name[95] = kOutline;
    const struct {
        DialogAnswer answer;
        size_t saves;
    } cases[] = {{DialogAnswer::No, 0}, {DialogAnswer::Yes, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.saves);
        dialogs.Answers = {c.answer};
        Click(QStringLiteral("ButtonSave"));
        EXPECT_EQ(dialogs.Questions.back(), "現在のレイヤー名を新規作成時のデフォルトとして登録しますか?");
        ASSERT_EQ(reports.savedNames.size(), c.saves);
    }
    EXPECT_EQ(reports.savedNames[0][0], "Default");
    EXPECT_EQ(reports.savedNames[0][95], kOutline);
}

TEST_F(LayerPanelTest, CloseHidesThePanelAndReports)
{
    Click(QStringLiteral("ButtonClose"));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(reports.closed, 1);
}

TEST_F(LayerPanelTest, EnteringARowOfAnotherLayerPreviewsItOnce)
{
    const auto enter = [this](const QString& name) {
        QWidget* widget = Child(name);
        QEnterEvent event(widget->rect().center(), widget->rect().center(), widget->mapToGlobal(widget->rect().center()));
        QApplication::sendEvent(widget, &event);
    };
    enter(QStringLiteral("Edit3"));
    enter(QStringLiteral("CheckBoxR23"));  // same row, same layer
    enter(QStringLiteral("LabelRey4"));
    panel.SetTab(1);
    enter(QStringLiteral("RadioButton4"));
    EXPECT_EQ(reports.previews, (std::vector<int>{3, 4, 20}));
}

TEST_F(LayerPanelTest, RightPressOnTheBackgroundHidesAndLeftDragMovesThePanel)
{
    QWidget window;
    window.resize(800, 800);
    auto* floating = new LayerPanel(drawing, dialogs, Callbacks(), &window);
    floating->move(50, 40);
    window.show();
    const QPoint background(3, 3);
    ASSERT_EQ(floating->childAt(background), nullptr);

    QTest::mousePress(floating, Qt::LeftButton, {}, background);
    QTest::mouseMove(floating, background + QPoint(30, 20));
    QTest::mouseRelease(floating, Qt::LeftButton, {}, background + QPoint(30, 20));
    EXPECT_EQ(floating->pos(), QPoint(80, 60));

    QTest::mouseClick(floating, Qt::RightButton, {}, background);
    EXPECT_FALSE(floating->isVisible());
    EXPECT_EQ(reports.closed, 0) << "only 閉じる reports";
}

}  // namespace
}  // namespace vantro
