// Fillet and chamfer with the value read from EditR.
#include "CommandFixture.h"

#include <cmath>

namespace vantro::testing {
namespace {

using namespace step;

class CornerSteps : public CommandTest {
protected:
    // Two lines meeting at (100, 100), one to the right and one upwards.
    void SetUp() override
    {
        right = AddLine(drawing, 100, 100, 200, 100);
        up = AddLine(drawing, 100, 100, 100, 200);
        ClearUndo(drawing);
    }
    int right = 0;
    int up = 0;
};

TEST_F(CornerSteps, AFilletOfRadiusTenWithTheRadiusKept)
{
    const std::vector<TCadData> before = ElementsOf(drawing);
    entries.R = "10";
    Start(kFillet);
    CommandContext& first = ClickAt(180, 100);
    EXPECT_EQ(state.CommandMode, kFilletSecond);
    EXPECT_EQ(first.Result.Prompt, "２つ目の要素を選択して下さい(角丸め)");
    CommandContext& done = ClickAt(100, 180);
    ASSERT_EQ(drawing.Count, 3);
    EXPECT_NEAR(drawing[right].X1, 110, 1e-9);
    EXPECT_NEAR(drawing[up].Y1, 110, 1e-9);
    EXPECT_EQ(drawing[3].Kind, kKindArc);
    EXPECT_NEAR(drawing[3].Cx, 110, 1e-9);
    EXPECT_NEAR(drawing[3].R, 10, 1e-9);
    EXPECT_EQ(state.LastFilletRadius, 10);
    EXPECT_EQ(state.CommandMode, kFillet);
    EXPECT_EQ(done.Result.Prompt, "半径を入力して、1つ目の要素を選択して下さい(角丸め)");
    EXPECT_EQ(state.FirstPick, 0);
    ExpectOneUndoRestores(before);
}

TEST_F(CornerSteps, AValueThatIsNotANumberIsRefusedAndDropsThePicks)
{
    const struct {
        uint16_t Start;
        const char* Value;
    } cases[] = {{kFillet, "abc"}, {kFillet, "-1"}, {kFillet, ""}, {kChamfer, "x2"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Start) + " " + c.Value);
        dialogs.Messages.clear();
        entries.R = c.Value;
        Start(c.Start);
        ClickAt(180, 100);
        ClickAt(100, 180);
        EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"入力数値が不正です。"});
        EXPECT_EQ(drawing.Count, 2);
        EXPECT_EQ(drawing[right].X1, 100);
        EXPECT_EQ(state.CommandMode, c.Start);
        EXPECT_EQ(state.FirstPick, 0);
        EXPECT_EQ(state.SecondPick, 0);
    }
}

TEST_F(CornerSteps, AChamferOfLengthTwo)
{
    const std::vector<TCadData> before = ElementsOf(drawing);
    entries.R = "2";
    Start(kChamfer);
    CommandContext& first = ClickAt(180, 100);
    EXPECT_EQ(first.Result.Prompt, "2つ目の直線を選択して下さい(面取り)");
    CommandContext& done = ClickAt(100, 180);
    ASSERT_EQ(drawing.Count, 3);
    EXPECT_NEAR(drawing[right].X1, 102, 1e-9);
    EXPECT_NEAR(drawing[up].Y1, 102, 1e-9);
    EXPECT_NEAR(std::hypot(drawing[3].X2 - drawing[3].X1, drawing[3].Y2 - drawing[3].Y1), 2 * std::sqrt(2.0), 1e-9);
    EXPECT_EQ(done.Result.Prompt, "面長さを入力して、1つ目の直線を選択して下さい(面取り)");
    ExpectOneUndoRestores(before);
}

}  // namespace
}  // namespace vantro::testing
