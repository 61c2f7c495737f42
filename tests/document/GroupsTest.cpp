#include "document/Groups.h"
#include "document/UndoHistory.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantro {
namespace {

using testing::PutElement;
using testing::ScriptedDialogs;

class Groups : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < 4; ++i) PutElement(drawing, testing::Line(i, 0, i, 1));
        PutElement(drawing, testing::Circle(0, 0, 5));
    }
    Drawing drawing;
    ScriptedDialogs dialogs;
};

TEST_F(Groups, TwoGroupsInARowGetConsecutiveNumbers)
{
    drawing[1].Selected = drawing[2].Selected = 1;
    EXPECT_EQ(FormGroup(drawing, dialogs), 1);
    EXPECT_EQ(drawing[1].Group, 1);
    EXPECT_EQ(drawing[1].Selected, 0);
    drawing[3].Selected = 1;
    EXPECT_EQ(FormGroup(drawing, dialogs), 2);
    EXPECT_EQ(GroupRegisteredText(2), "グループ2番に登録しました。");
    Undo(drawing);
    EXPECT_EQ(drawing[3].Group, 0);
    EXPECT_EQ(drawing[1].Group, 1);
}

TEST_F(Groups, FormingWithNothingSelectedUsesNoNumberAndNoStep)
{
    EXPECT_EQ(FormGroup(drawing, dialogs), 0);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"図形が選択されていません。"});
    EXPECT_EQ(drawing.MaxGroup, 0);
    EXPECT_EQ(drawing.History.UndoStep, 0);
}

TEST_F(Groups, TheNextGroupAfterReadingFollowsTheHighestFound)
{
    drawing[2].Group = 7;
    UpdateMaxGroup(drawing);
    EXPECT_EQ(NewGroupNumber(drawing), 8);
}

// A group number at the top of the range made the next new group overflow.
TEST_F(Groups, NumbersBeyondTheLimitAreRenumberedInOrderWithTheirFills)
{
    const int32_t top = std::numeric_limits<int32_t>::max();
    drawing[1].Group = top;
    drawing[2].Group = 7;
    drawing[3].Group = -4;  // below 1: no group
    drawing[4].Group = 2'000'000'000;
    drawing[5].Group = 7;
    drawing.MemoBrush = {"2147483647,255", "7,65280", "x,1", "5,16711680", "", "2000000000"};
    UpdateMaxGroup(drawing);
    EXPECT_TRUE(KeepGroupNumbersInRange(drawing));
    // 5 (named by a fill only), 7, 2000000000 and the top become 1 to 4.
    EXPECT_EQ(drawing[1].Group, 4);
    EXPECT_EQ(drawing[2].Group, 2);
    EXPECT_EQ(drawing[3].Group, -4);
    EXPECT_EQ(drawing[4].Group, 3);
    EXPECT_EQ(drawing[5].Group, 2);
    EXPECT_EQ(drawing.MemoBrush, (std::vector<std::string>{"4,255", "2,65280", "x,1", "1,16711680", "", "3"}));
    EXPECT_EQ(drawing.MaxGroup, 4);
    drawing[1].Selected = 1;
    EXPECT_EQ(FormGroup(drawing, dialogs), 5);
}

TEST_F(Groups, NumbersUpToTheLimitAreKept)
{
    drawing[1].Group = kMaxGroupNumber;
    drawing.MemoBrush = {"2147483647,255"};
    UpdateMaxGroup(drawing);
    EXPECT_FALSE(KeepGroupNumbersInRange(drawing));
    EXPECT_EQ(drawing[1].Group, kMaxGroupNumber);
    EXPECT_EQ(drawing.MemoBrush[0], "2147483647,255");
    EXPECT_EQ(NewGroupNumber(drawing), kMaxGroupNumber + 1);
}

TEST_F(Groups, DissolvingAsksWithTheMemberCountAndTurnsCrossCirclesPlain)
{
    drawing[1].Group = drawing[5].Group = 3;
    drawing[5].Kind = kKindCrossCircle;
    drawing[5].Value = 1;
    dialogs.Answers = {DialogAnswer::Cancel, DialogAnswer::Yes};
    EXPECT_FALSE(DissolveGroupCommand(drawing, dialogs, 1));
    EXPECT_EQ(dialogs.Questions.back(), "要素数2個のグループを解除しますか？");
    EXPECT_EQ(drawing[5].Selected, 0) << "cancel clears the selection";
    EXPECT_EQ(drawing[5].Group, 3);

    EXPECT_TRUE(DissolveGroupCommand(drawing, dialogs, 5));
    EXPECT_EQ(drawing[1].Group, 0);
    EXPECT_EQ(drawing[5].Kind, kKindCircle);
    EXPECT_EQ(drawing[5].Value, 0);
    Undo(drawing);
    EXPECT_EQ(drawing[5].Kind, kKindCrossCircle);
    EXPECT_EQ(drawing[1].Group, 3);
}

TEST_F(Groups, PickingAnUngroupedElementToDissolveIsRefused)
{
    EXPECT_FALSE(DissolveGroupCommand(drawing, dialogs, 2));
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"選択した要素はグループではありません！"});
}

TEST_F(Groups, AddingToACrossCircleGroupTurnsOnlyCirclesIntoCrossCircles)
{
    PutElement(drawing, testing::Circle(9, 9, 2));
    TCadData dimension{};
    dimension.Kind = kKindDimX;
    dimension.Value = 42;
    dimension.Layer = 1;
    PutElement(drawing, dimension);
    drawing[5].Group = 4;
    drawing[5].Kind = kKindCrossCircle;
    drawing[5].Value = 1;

    AddToGroup(drawing, 5, 6);
    EXPECT_EQ(drawing[6].Group, 4);
    EXPECT_EQ(drawing[6].Kind, kKindCrossCircle);
    EXPECT_EQ(drawing[6].Value, 1);

    AddToGroup(drawing, 5, 7);
    EXPECT_EQ(drawing[7].Group, 4);
    EXPECT_EQ(drawing[7].Kind, kKindDimX);
    EXPECT_EQ(drawing[7].Value, 42) << "a dimension keeps its measured value";

    AddToGroup(drawing, 5, 1);
    EXPECT_EQ(drawing[1].Kind, kKindLine);
    Undo(drawing);
    EXPECT_EQ(drawing[1].Group, 0);
}

TEST_F(Groups, RemovingFromAGroupIsOneStep)
{
    drawing[5].Group = 2;
    drawing[5].Kind = kKindCrossCircle;
    RemoveFromGroup(drawing, 5);
    EXPECT_EQ(drawing[5].Group, 0);
    EXPECT_EQ(drawing[5].Kind, kKindCircle);
    Undo(drawing);
    EXPECT_EQ(drawing[5].Group, 2);
    EXPECT_EQ(drawing[5].Kind, kKindCrossCircle);
}

}  // namespace
}  // namespace vantro
