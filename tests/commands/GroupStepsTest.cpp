// The group commands, the chain check and the property command's selection.
#include "CommandFixture.h"

#include "document/ElementStore.h"

namespace vantro::testing {
namespace {

using namespace step;

class GroupSteps : public CommandTest {
protected:
    void SetUp() override
    {
        first = AddLine(drawing, 100, 100, 200, 100);
        second = AddLine(drawing, 100, 200, 200, 200);
        loose = AddLine(drawing, 100, 300, 200, 300);
    }
    void GroupFirstTwo()
    {
        drawing[first].Group = drawing[second].Group = 5;
        drawing.MaxGroup = 5;
        ClearUndo(drawing);
    }
    int first = 0;
    int second = 0;
    int loose = 0;
};

TEST_F(GroupSteps, AGroupFromTheConfirmedSelection)
{
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    Start(kGroupCreate);
    CommandContext& click = ClickAt(150, 100);
    EXPECT_EQ(click.Result.MultiPanel, true) << "every pick waits for 確定";
    EXPECT_EQ(state.CommandMode, kGroupCreate);
    ClickAt(150, 200);
    CommandContext& confirmed = Context();
    ConfirmSelection(confirmed);
    EXPECT_EQ(drawing[first].Group, 1);
    EXPECT_EQ(drawing[second].Group, 1);
    EXPECT_EQ(drawing[loose].Group, 0);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(confirmed.Result.Transient, "グループ1番に登録しました。");
    EXPECT_EQ(state.CommandMode, kGroupCreate);
    ExpectOneUndoRestores(before);
}

TEST_F(GroupSteps, ADissolveAnsweredCancelEndsTheCommandAndYesDissolves)
{
    GroupFirstTwo();
    const std::vector<TCadData> before = ElementsOf(drawing);
    dialogs.Answers = {DialogAnswer::Cancel, DialogAnswer::Yes};
    Start(kGroupDissolve);
    CommandContext& cancelled = ClickAt(150, 100);
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"要素数2個のグループを解除しますか？"});
    EXPECT_TRUE(cancelled.Result.Cancel);
    EXPECT_EQ(ElementsOf(drawing), before);
    EXPECT_FALSE(CanUndo(drawing));

    Start(kGroupDissolve);
    ClickAt(150, 200);
    EXPECT_EQ(drawing[first].Group, 0);
    EXPECT_EQ(drawing[second].Group, 0);
    EXPECT_EQ(state.CommandMode, kGroupDissolve);
    ExpectOneUndoRestores(before);
}

TEST_F(GroupSteps, AnElementOutsideAGroupIsNotAGroup)
{
    for (const uint16_t code : {kGroupDissolve, kGroupAdd, kGroupRemove}) {
        SCOPED_TRACE(code);
        dialogs.Messages.clear();
        Start(code);
        ClickAt(150, 300);
        EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"選択した要素はグループではありません！"});
        EXPECT_EQ(state.CommandMode, code);
    }
}

TEST_F(GroupSteps, AddingToAndRemovingFromAGroup)
{
    GroupFirstTwo();
    Start(kGroupAdd);
    CommandContext& source = ClickAt(150, 100);
    EXPECT_EQ(state.CommandMode, kGroupAddMember);
    EXPECT_EQ(source.Result.Prompt, "グループに追加する図形をクリックして下さい(グループ追加)");
    ClickAt(150, 200);
    EXPECT_FALSE(CanUndo(drawing)) << "a member of the group is left as it is";
    CommandContext& added = ClickAt(150, 300);
    EXPECT_EQ(drawing[loose].Group, 5);
    EXPECT_EQ(added.Result.Transient, "グループ5番に登録しました。");
    EXPECT_EQ(state.CommandMode, kGroupAddMember);

    Start(kGroupRemove);
    CommandContext& removed = ClickAt(150, 200);
    EXPECT_EQ(drawing[second].Group, 0);
    EXPECT_EQ(removed.Result.Transient, "グループ除外しました。");
    Undo(drawing);
    EXPECT_EQ(drawing[second].Group, 5);
}

TEST_F(GroupSteps, TheChainCheckCountsAndGroupsOnYes)
{
    Reset(drawing, nullptr);
    AddLine(drawing, 100, 100, 200, 100);
    AddLine(drawing, 200, 100, 200, 180);
    AddLine(drawing, 200, 180, 100, 180);
    AddLine(drawing, 300, 300, 400, 300);
    dialogs.Answers = {DialogAnswer::No, DialogAnswer::Yes};
    Start(kChainCheck);
    ClickAt(150, 100);
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"連続する要素は 3 個です\r\nグループに登録しますか？"});
    EXPECT_EQ(drawing[1].Group, 0);
    EXPECT_TRUE(Selected().empty());
    ClickAt(150, 100);
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(drawing[i].Group, 1);
    EXPECT_EQ(drawing[4].Group, 0);
    EXPECT_TRUE(Selected().empty());
    ClickAt(350, 300);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"連続する要素が有りません！"});
    EXPECT_EQ(state.CommandMode, kChainCheck);
}

TEST_F(GroupSteps, ThePropertyCommandOpensItsDialogOnAPickOrAConfirmedWindow)
{
    Start(kPropertiesSelect);
    CommandContext& picked = ClickAt(150, 100);
    EXPECT_TRUE(picked.Result.OpenProperties);
    EXPECT_EQ(Selected(), std::vector<int>{first});
    EXPECT_EQ(state.CommandMode, kPropertiesSelect);
    drawing[first].Selected = 0;
    CommandContext& confirmed = ConfirmWindowOf({first, second});
    EXPECT_TRUE(confirmed.Result.OpenProperties);
    EXPECT_EQ(state.CommandMode, kPropertiesSelect);
}

}  // namespace
}  // namespace vantro::testing
