// The group commands, the chain check from its menu item and the property command, in the real window.
#include "MainWindowFixture.h"

#include <QAction>
#include <QLabel>

namespace vantro::testing {
namespace {

using GroupCommandsTest = MainWindowTest;

TEST_F(GroupCommandsTest, AGroupIsMadeOnConfirmingAndSaysItsNumber)
{
    const std::vector<TCadData> before = Drawn({Line(0, 0, 80, 0), Line(0, 40, 80, 40), Line(0, 80, 80, 80)});
    Press("SpeedButton220");
    ClickAt(40, 0);
    EXPECT_TRUE(Find("PanelMulti")->isVisible()) << "a single pick waits for 確定 too";
    ClickAt(40, 40);
    PressButtonMulti();
    EXPECT_EQ(Doc()[1].Group, 1);
    EXPECT_EQ(Doc()[2].Group, 1);
    EXPECT_EQ(Doc()[3].Group, 0);
    EXPECT_TRUE(Find("PanelMsg")->isVisible());
    EXPECT_EQ(Find<QLabel>("PanelMsg")->text(), QStringLiteral("グループ1番に登録しました。"));
    EXPECT_EQ(Mode(), 220);
    ExpectOneUndoRestores(before);
}

TEST_F(GroupCommandsTest, ADissolveAnsweredCancelEndsTheCommand)
{
    TCadData a = Line(0, 0, 80, 0);
    TCadData b = Line(0, 40, 80, 40);
    a.Group = b.Group = 2;
    const std::vector<TCadData> before = Drawn({a, b});
    dialogs.Answers.push_back(DialogAnswer::Cancel);
    Press("SpeedButton220", Qt::RightButton);
    EXPECT_EQ(Prompt(), QStringLiteral("グループ解除する図形の一つを選択して下さい。"));
    ClickAt(40, 0);
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"要素数2個のグループを解除しますか？"});
    EXPECT_EQ(Mode(), 0);
    EXPECT_EQ(ElementsOf(Doc()), before);
    EXPECT_TRUE(Selected().empty());

    dialogs.Answers.push_back(DialogAnswer::Yes);
    Press("SpeedButton220", Qt::RightButton);
    ClickAt(40, 40);
    EXPECT_EQ(Doc()[1].Group, 0);
    EXPECT_EQ(Doc()[2].Group, 0);
    ExpectOneUndoRestores(before);
}

TEST_F(GroupCommandsTest, AddAndRemoveByTheTwoButtonsOfOneToolButton)
{
    TCadData a = Line(0, 0, 80, 0);
    a.Group = 4;
    Drawn({a, Line(0, 40, 80, 40)});
    Press("SpeedButton224");
    ClickAt(40, 0);
    EXPECT_EQ(Prompt(), QStringLiteral("グループに追加する図形をクリックして下さい(グループ追加)"));
    ClickAt(40, 40);
    EXPECT_EQ(Doc()[2].Group, 4);
    EXPECT_EQ(Find<QLabel>("PanelMsg")->text(), QStringLiteral("グループ4番に登録しました。"));
    Press("SpeedButton224", Qt::RightButton);
    ClickAt(40, 0);
    EXPECT_EQ(Doc()[1].Group, 0);
    EXPECT_EQ(Find<QLabel>("PanelMsg")->text(), QStringLiteral("グループ除外しました。"));
}

TEST_F(GroupCommandsTest, TheChainCheckStartsFromItsMenuAndRepeatsByARightClick)
{
    Drawn({Line(0, 0, 80, 0), Line(80, 0, 80, 40), Line(80, 40, 0, 40), Line(0, 40, 0, 0)});
    Find<QAction>("N33Renzoku")->trigger();
    EXPECT_EQ(Mode(), 249);
    EXPECT_EQ(Prompt(), QStringLiteral("確認する図形を選択して下さい(連続要素確認)"));
    dialogs.Answers.push_back(DialogAnswer::Yes);
    ClickAt(40, 0);
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"連続する要素は 4 個です\r\nグループに登録しますか？"});
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(Doc()[i].Group, 1);
    EXPECT_TRUE(Selected().empty());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    ClickCanvas(PixelOf(200, 200), Qt::RightButton);
    EXPECT_EQ(Mode(), 249) << "a right click when idle repeats the chain check";
}

TEST_F(GroupCommandsTest, ThePropertyCommandSelectsAndHandsOverToItsDialog)
{
    Drawn({Line(0, 0, 80, 0)});
    Press("SpeedButton297");
    ClickAt(40, 0);
    EXPECT_EQ(Mode(), 297);
    EXPECT_TRUE(Selected().empty()) << "the dialog's stand-in lets the selection go as its 中止 does";
}

}  // namespace
}  // namespace vantro::testing
