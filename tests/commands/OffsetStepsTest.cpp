// The single offset, its Enter path, the chain offset and the offset on both sides.
#include "CommandFixture.h"

#include "document/ElementStore.h"

#include <cmath>

namespace vantro::testing {
namespace {

using namespace step;

const std::string kOffsetMessage = "オフセット値が不正です入力数値を確認して下さい！";

using OffsetSteps = CommandTest;

TEST_F(OffsetSteps, ALineToTheSideOfTheClickAndAgainByEnter)
{
    const int line = AddLine(drawing, 100, 100, 200, 100);
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    entries.R = "10";
    Start(kOffset);
    CommandContext& picked = ClickAt(150, 100);
    EXPECT_EQ(state.CommandMode, kOffsetSide);
    EXPECT_EQ(picked.Result.Prompt, " 方向を指定して下さい(オフセット)");
    CommandContext& side = ClickAt(150, 150);
    ASSERT_EQ(drawing.Count, 2);
    EXPECT_EQ(drawing[2].Y1, 110);
    EXPECT_EQ(drawing[2].Y2, 110);
    EXPECT_EQ(state.LastOffset, 10);
    EXPECT_EQ(state.CommandMode, kOffset);
    EXPECT_EQ(side.Result.Focus, EntryFocus::R);
    EXPECT_EQ(state.FirstPick, line) << "the pick stays for Enter";
    ExpectOneUndoRestores(before);
    ClickAt(150, 100);
    ClickAt(150, 150);

    entries.R = "20";
    entries.RShown = true;
    EnterIn(EntryField::R);
    ASSERT_EQ(drawing.Count, 3);
    EXPECT_EQ(drawing[3].Y1, 120);
    EXPECT_EQ(state.LastOffset, 20);
}

TEST_F(OffsetSteps, ADistanceEmptyZeroOrNotANumberIsRefused)
{
    AddLine(drawing, 100, 100, 200, 100);
    Start(kOffset);
    ClickAt(150, 100);
    for (const char* text : {"0", "", "abc", "-3"}) {
        SCOPED_TRACE(text);
        dialogs.Messages.clear();
        entries.R = text;
        ClickAt(150, 150);
        EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kOffsetMessage});
        EXPECT_EQ(drawing.Count, 1);
        EXPECT_EQ(state.CommandMode, kOffsetSide);
    }
}

TEST_F(OffsetSteps, ACircleOffsetInsideAndOutside)
{
    const int circle = AddCircle(drawing, 300, 300, 30);
    entries.R = "10";
    Start(kOffset);
    ClickAt(330, 300);
    ClickAt(310, 300);
    ClickAt(330, 300);
    ClickAt(400, 300);
    ASSERT_EQ(drawing.Count, 3);
    EXPECT_EQ(drawing[2].R, 20);
    EXPECT_EQ(drawing[3].R, 40);
    EXPECT_EQ(drawing[circle].R, 30);
}

class ChainOffsetSteps : public CommandTest {
protected:
    // A rectangle 100..200 by 100..180, drawn end to end.
    void SetUp() override
    {
        AddLine(drawing, 100, 100, 200, 100);
        AddLine(drawing, 200, 100, 200, 180);
        AddLine(drawing, 200, 180, 100, 180);
        AddLine(drawing, 100, 180, 100, 100);
        ClearUndo(drawing);
    }
};

TEST_F(ChainOffsetSteps, TheWholeRectangleOutwards)
{
    const std::vector<TCadData> before = ElementsOf(drawing);
    entries.R = "10";
    Start(kChainOffset);
    CommandContext& picked = ClickAt(150, 100);
    EXPECT_EQ(state.CommandMode, kChainOffsetSide);
    EXPECT_EQ(picked.Result.Prompt, " 方向を指定して下さい(連続線オフセット)");
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3, 4})) << "the chain is marked";
    CommandContext& done = ClickAt(150, 50);
    ASSERT_EQ(drawing.Count, 8);
    const double expected[4][4] = {{90, 90, 210, 90}, {210, 90, 210, 190}, {210, 190, 90, 190}, {90, 190, 90, 90}};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const TCadData& e = drawing[5 + k];
        EXPECT_NEAR(e.X1, expected[k][0], 1e-9);
        EXPECT_NEAR(e.Y1, expected[k][1], 1e-9);
        EXPECT_NEAR(e.X2, expected[k][2], 1e-9);
        EXPECT_NEAR(e.Y2, expected[k][3], 1e-9);
    }
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(state.CommandMode, kChainOffset);
    EXPECT_EQ(done.Result.Prompt, " 要素を選択して下さい(連続線オフセット)");
    ExpectOneUndoRestores(before);
}

TEST_F(ChainOffsetSteps, NoChainOrDuplicateEndsStopBeforeTheSide)
{
    Reset(drawing, nullptr);
    AddLine(drawing, 100, 300, 200, 300);
    // Walked from the third line: the first, then the second, whose far end leads back to the first.
    AddLine(drawing, 310, 100, 310, 200);
    AddLine(drawing, 310, 200, 310, 100);
    AddLine(drawing, 200, 100, 310, 100);
    entries.R = "10";
    Start(kChainOffset);
    ClickAt(150, 300);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"連続する要素が有りません！"});
    EXPECT_EQ(state.FirstPick, 0);
    EXPECT_EQ(state.CommandMode, kChainOffset);
    dialogs.Messages.clear();
    ClickAt(210, 100);
    EXPECT_EQ(dialogs.Messages,
              std::vector<std::string>{"連続線の中に重複する端点を含む要素が有るため続行できません！[中止］をクリックして下さい。"});
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(state.CommandMode, kChainOffset);
}

TEST_F(OffsetSteps, BothSidesAtOnceAndAgainByEnter)
{
    AddLine(drawing, 100, 100, 200, 100);
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    Start(kOffsetBothSides);
    ClickAt(150, 100);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"先にオフセット値を入力して下さい！"});
    EXPECT_EQ(drawing.Count, 1);
    entries.R = "5";
    ClickAt(150, 100);
    ASSERT_EQ(drawing.Count, 3);
    EXPECT_EQ(drawing[2].Y1 + drawing[3].Y1, 200);
    EXPECT_EQ(std::abs(drawing[2].Y1 - drawing[3].Y1), 10);
    EXPECT_EQ(state.CommandMode, kOffsetBothSides);
    entries.R = "8";
    EnterIn(EntryField::R);
    EXPECT_EQ(drawing.Count, 5);
    Undo(drawing);
    ExpectOneUndoRestores(before);
}

}  // namespace
}  // namespace vantro::testing
