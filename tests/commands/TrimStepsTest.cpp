// Trim with one clicked boundary or a window of them, and the continuous trim, through the steps.
#include "CommandFixture.h"

#include "document/ElementStore.h"

namespace vantro::testing {
namespace {

using namespace step;

const std::string kPiecePrompt = " クリック=トリム、[Shift]+クリック=選択変更　(トリム）";
const std::string kBoundaryAgain = " 境界となる要素を選択するか範囲を作図して下さい。(トリム)";

using TrimSteps = CommandTest;

TEST_F(TrimSteps, AClickedBoundaryServesOneTrimOnItsWholeLine)
{
    const int line = AddLine(drawing, 50, 100, 150, 100);
    // The boundary does not reach the line: a single boundary cuts on its infinite line.
    const int boundary = AddLine(drawing, 100, 120, 100, 200);
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    Start(kTrimSelect);
    CommandContext& picked = ClickAt(100, 160);
    EXPECT_EQ(state.CommandMode, kTrimPiece);
    EXPECT_EQ(picked.Result.Prompt, kPiecePrompt);
    EXPECT_EQ(Selected(), std::vector<int>{boundary});
    CommandContext& trimmed = ClickAt(130, 100);
    EXPECT_EQ(drawing[line].X1, 50);
    EXPECT_EQ(drawing[line].X2, 100);
    EXPECT_EQ(state.CommandMode, kTrimSelect);
    EXPECT_EQ(trimmed.Result.Prompt, kBoundaryAgain);
    EXPECT_TRUE(Selected().empty());
    EXPECT_TRUE(trimmed.Result.RepaintEdited);
    ExpectOneUndoRestores(before);
}

TEST_F(TrimSteps, AWindowOfBoundariesStaysForSeveralTrims)
{
    const int first = AddLine(drawing, 50, 100, 250, 100);
    const int second = AddLine(drawing, 50, 200, 250, 200);
    const int left = AddLine(drawing, 100, 50, 100, 250);
    const int right = AddLine(drawing, 200, 50, 200, 250);
    Start(kTrimSelect);
    CommandContext& confirmed = ConfirmWindowOf({left, right});
    EXPECT_EQ(state.CommandMode, kTrimPiece);
    EXPECT_EQ(confirmed.Result.Prompt, kPiecePrompt);
    ClickAt(150, 100);
    EXPECT_EQ(state.CommandMode, kTrimPiece);
    ClickAt(150, 200);
    EXPECT_EQ(state.CommandMode, kTrimPiece);
    ASSERT_EQ(drawing.Count, 6);
    EXPECT_EQ(drawing[first].X2, 100);
    EXPECT_EQ(drawing[second].X2, 100);
    EXPECT_EQ(drawing[5].X1, 200);
    EXPECT_EQ(drawing[6].X1, 200);
    EXPECT_EQ(drawing[left].Selected, 1) << "the boundaries stay selected";
}

TEST_F(TrimSteps, ShiftTogglesABoundaryInsteadOfTrimming)
{
    const int line = AddLine(drawing, 50, 100, 150, 100);
    const int boundary = AddLine(drawing, 100, 50, 100, 150);
    Start(kTrimSelect);
    ClickAt(100, 140);
    ClickAt(60, 100, kShiftKey | kLeftButton);
    EXPECT_EQ(Selected(), (std::vector<int>{line, boundary}));
    ClickAt(100, 140, kShiftKey | kLeftButton);
    EXPECT_EQ(Selected(), std::vector<int>{line});
    EXPECT_EQ(drawing[line].X2, 150);
    EXPECT_EQ(state.CommandMode, kTrimPiece);
}

TEST_F(TrimSteps, ALineNoBoundaryCrossesIsDeletedByTheSetting)
{
    for (const bool trimDelete : {true, false}) {
        SCOPED_TRACE(trimDelete);
        Reset(drawing, nullptr);
        settings.Trimdelete = trimDelete;
        AddLine(drawing, 50, 100, 150, 100);
        AddLine(drawing, 50, 300, 150, 300);
        Start(kTrimSelect);
        ClickAt(100, 300);
        ClickAt(80, 100);
        EXPECT_EQ(drawing.Count, trimDelete ? 1 : 2);
        EXPECT_EQ(state.CommandMode, trimDelete ? kTrimSelect : kTrimPiece);
    }
}

TEST_F(TrimSteps, ContinuousTrimMakesCornerAfterCorner)
{
    const int a = AddLine(drawing, 100, 100, 220, 100);
    const int b = AddLine(drawing, 200, 80, 200, 220);
    const int c = AddLine(drawing, 220, 200, 80, 200);
    Start(kContinuousTrim);
    CommandContext& first = ClickAt(120, 100);
    EXPECT_EQ(state.CommandMode, kContinuousTrimNext);
    EXPECT_EQ(first.Result.Prompt, "次の要素を選択して下さい(連続トリム)");
    ClickAt(200, 180);
    EXPECT_EQ(drawing[a].X2, 200);
    EXPECT_EQ(drawing[b].Y1, 100);
    EXPECT_EQ(state.FirstPick, b) << "the new pick is the previous element of the next corner";
    const std::vector<TCadData> afterFirst = ElementsOf(drawing);
    CommandContext& second = ClickAt(150, 200);
    EXPECT_EQ(drawing[b].Y2, 200);
    EXPECT_EQ(drawing[c].X1, 200);
    EXPECT_EQ(drawing[c].X2, 80);
    EXPECT_EQ(state.CommandMode, kContinuousTrimNext);
    EXPECT_TRUE(second.Result.RepaintEdited);
    Undo(drawing);
    EXPECT_EQ(ElementsOf(drawing), afterFirst) << "each corner is one undo step";
}

}  // namespace
}  // namespace vantro::testing
