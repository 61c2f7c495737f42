// The partial delete with its question and armed click, and the break at crossings.
#include "CommandFixture.h"

namespace vantro::testing {
namespace {

using namespace step;

using BreakSteps = CommandTest;

TEST_F(BreakSteps, APartialDeleteSplitsAsksAndDeletesTheClickedPiece)
{
    const int line = AddLine(drawing, 100, 100, 200, 100);
    const int other = AddLine(drawing, 100, 200, 200, 200);
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    dialogs.Answers.push_back(DialogAnswer::Yes);
    Start(kPartialDelete);
    CommandContext& cut = ClickAt(150, 100);
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"分解した要素の片方を削除しますか"});
    // Without a snap point the cut is where the line leaves a circle of 3 pixels about the click.
    ASSERT_EQ(drawing.Count, 3);
    EXPECT_EQ(drawing[line].X2, 153);
    EXPECT_EQ(drawing[3].X1, 153);
    EXPECT_EQ(cut.Result.Markers, std::vector<Point>{(Point{153, 100})});
    const std::vector<TCadData> split = ElementsOf(drawing);

    ClickAt(150, 200);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"分解した図形ではありません！"});
    EXPECT_EQ(drawing[other].X1, 100);
    CommandContext& deleted = ClickAt(180, 100);
    ASSERT_EQ(drawing.Count, 2);
    EXPECT_EQ(drawing[line].X2, 153);
    EXPECT_TRUE(deleted.Result.RepaintEdited);
    EXPECT_EQ(state.Editing.ArmedSplit, 0);
    EXPECT_EQ(state.CommandMode, kPartialDelete);

    Undo(drawing);
    EXPECT_EQ(ElementsOf(drawing), split);
    ExpectOneUndoRestores(before);
}

TEST_F(BreakSteps, NoArmsNothingAndACircleIsOpenedWithoutAQuestion)
{
    const int line = AddLine(drawing, 100, 100, 200, 100);
    const int circle = AddCircle(drawing, 300, 300, 50);
    dialogs.Answers.push_back(DialogAnswer::No);
    Start(kPartialDelete);
    ClickAt(150, 100);
    EXPECT_EQ(state.Editing.ArmedSplit, 0);
    ClickAt(350, 300);
    EXPECT_EQ(drawing[circle].Kind, kKindArc);
    EXPECT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(drawing[line].X2, 153);
    EXPECT_EQ(drawing.Count, 3);
}

TEST_F(BreakSteps, APendingSnapPointIsWhereThePartialDeleteCuts)
{
    const int line = AddLine(drawing, 100, 100, 200, 100);
    dialogs.Answers.push_back(DialogAnswer::No);
    Start(kPartialDelete);
    state.SnapFound = true;
    state.SnapPoint = {120, 100};
    ClickAt(150, 100);
    EXPECT_EQ(drawing[line].X2, 120);
    EXPECT_FALSE(state.SnapFound) << "the snap point is used up";
}

TEST_F(BreakSteps, ABreakAtTheCrossingsWithASecondElement)
{
    const int line = AddLine(drawing, 100, 100, 200, 100);
    AddLine(drawing, 150, 50, 150, 150);
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    Start(kBreak);
    CommandContext& first = ClickAt(120, 100);
    EXPECT_EQ(state.CommandMode, kBreakBoundary);
    EXPECT_EQ(first.Result.Prompt, "境界となる要素を選択して下さい(図形分解)");
    CommandContext& broken = ClickAt(150, 130);
    ASSERT_EQ(drawing.Count, 3);
    EXPECT_EQ(drawing[line].X2, 150);
    EXPECT_EQ(drawing[3].X1, 150);
    EXPECT_EQ(drawing[3].X2, 200);
    EXPECT_EQ(broken.Result.Markers, std::vector<Point>{(Point{150, 100})});
    EXPECT_EQ(state.CommandMode, kBreak);
    EXPECT_EQ(broken.Result.Prompt, "分解する図形を選択して下さい(図形分解)");
    EXPECT_EQ(state.FirstPick, 0);
    ExpectOneUndoRestores(before);
}

TEST_F(BreakSteps, ElementsThatDoNotCrossAreNotBroken)
{
    AddLine(drawing, 100, 100, 200, 100);
    AddLine(drawing, 100, 200, 200, 200);
    Start(kBreak);
    ClickAt(150, 100);
    ClickAt(150, 200);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"指定した図形は交差しないため分解できません"});
    EXPECT_EQ(drawing.Count, 2);
    EXPECT_EQ(state.CommandMode, kBreak);
}

}  // namespace
}  // namespace vantro::testing
