// The hatch command: the boundary from picked chains, circles and clicked points, and the hatch
// lines it gives.
#include "CommandFixture.h"

#include "commands/HatchSteps.h"
#include "geometry/Hatch.h"

#include <cmath>
#include <set>

namespace vantro::testing {
namespace {

class HatchStepsTest : public CommandTest {
protected:
    void SetUp() override { Start(step::kHatch); }

    // Four lines, corners (100, 100) and (200, 150).
    void PutRectangle()
    {
        for (const TCadData& line : {Line(100, 100, 200, 100), Line(200, 100, 200, 150), Line(200, 150, 100, 150),
                                     Line(100, 150, 100, 100)})
            PutElement(drawing, line);
    }

    // The elements after the first count, which the hatch appended.
    std::vector<TCadData> Appended(int before) const
    {
        std::vector<TCadData> lines;
        for (int i = before + 1; i <= drawing.Count; ++i) lines.push_back(drawing[i]);
        return lines;
    }
};

TEST(HatchPitch, OnlyAPositiveNumberIsAPitch)
{
    const struct {
        const char* Text;
        std::optional<float> Pitch;
    } cases[] = {
        {"10", 10.0f}, {"2.5", 2.5f}, {" 3 ", 3.0f}, {"0", std::nullopt}, {"-1", std::nullopt},
        {"abc", std::nullopt}, {"", std::nullopt}, {"1e40", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ReadHatchPitch(c.Text), c.Pitch);
    }
}

// The rectangle's chain closes on the first line: the hatch runs at once, with the lines of the
// plain 100 × 50 rectangle at pitch 10 in one new group and one undo step.
TEST_F(HatchStepsTest, APickedClosedChainIsHatchedAtOnce)
{
    PutRectangle();
    dialogs.Answers = {DialogAnswer::Yes};
    CommandContext& ctx = ClickAt(110, 100);
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{kFollowChainQuestion});
    const std::vector<TCadData> lines = Appended(4);
    ASSERT_EQ(lines.size(), 13u);
    std::set<int32_t> groups;
    for (const TCadData& line : lines) {
        EXPECT_EQ(line.Kind, kKindLine);
        groups.insert(line.Group);
        EXPECT_GE(std::min(line.X1, line.X2), 100 - 1e-9);
        EXPECT_LE(std::max(line.Y1, line.Y2), 150 + 1e-9);
    }
    EXPECT_EQ(groups, std::set<int32_t>{drawing.MaxGroup});
    EXPECT_NEAR(lines[0].X1, 200, 1e-9);
    EXPECT_NEAR(lines[0].Y1, 106, 1e-9);
    EXPECT_NEAR(lines[0].X2, 196.25, 1e-9);
    EXPECT_NEAR(lines[0].Y2, 100, 1e-9);
    EXPECT_TRUE(ctx.Result.Cancel) << "the command ends";
    EXPECT_TRUE(ctx.Result.Repaint);
    EXPECT_TRUE(state.HatchBoundary.empty());
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 4) << "one undo takes every hatch line back";
}

TEST_F(HatchStepsTest, DecliningTheChainTakesOnlyThePickedLine)
{
    PutRectangle();
    dialogs.Answers = {DialogAnswer::No};
    CommandContext& ctx = ClickAt(110, 100);
    EXPECT_EQ(drawing.Count, 4);
    // Taken from its end nearer to the click.
    EXPECT_EQ(state.HatchBoundary, (std::vector<Point>{{100, 100}, {200, 100}}));
    EXPECT_EQ(drawing[1].Selected, 1) << "the picked line is highlighted";
    EXPECT_EQ(drawing[2].Selected, 0);
    EXPECT_FALSE(ctx.Result.Cancel) << "the command waits for more of the boundary";
}

TEST_F(HatchStepsTest, ALineTakenFromItsFarEndRunsBackwards)
{
    PutElement(drawing, Line(100, 100, 200, 100));
    ClickAt(190, 100);
    EXPECT_EQ(state.HatchBoundary, (std::vector<Point>{{200, 100}, {100, 100}}));
    EXPECT_TRUE(dialogs.Questions.empty()) << "nothing is connected";
}

TEST_F(HatchStepsTest, ACirclePickedFirstIsHatchedAtOnceAndRefusedLater)
{
    PutElement(drawing, Circle(300, 300, 50));
    PutElement(drawing, Circle(600, 300, 50));
    CommandContext& first = ClickAt(350, 300);
    EXPECT_TRUE(first.Result.Cancel);
    const std::vector<TCadData> lines = Appended(2);
    ASSERT_FALSE(lines.empty());
    // The boundary's vertices are held rounded as the entry fields write numbers.
    for (const TCadData& line : lines) {
        EXPECT_LE(std::hypot(line.X1 - 300, line.Y1 - 300), 50 + 1e-3);
        EXPECT_LE(std::hypot(line.X2 - 300, line.Y2 - 300), 50 + 1e-3);
    }

    const int count = drawing.Count;
    Start(step::kHatch);
    ClickAt(10, 10);
    ClickAt(650, 300);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kCircleFirstOnlyMessage});
    EXPECT_EQ(drawing.Count, count);
    EXPECT_EQ(state.HatchBoundary.size(), 1u) << "the circle is ignored";
}

// The lines joining clicked points show the boundary while it is built; they never enter the
// store, so "上書き保存" during the command cannot save them.
TEST_F(HatchStepsTest, ClickedPointsAreJoinedByTraceLinesOutsideTheStore)
{
    ClickAt(100, 100);
    EXPECT_TRUE(state.HatchTrace.empty());
    CommandContext& second = ClickAt(200, 100);
    EXPECT_TRUE(second.Result.DrawHatchTrace);
    ClickAt(150, 180);
    EXPECT_EQ(drawing.Count, 0);
    ASSERT_EQ(state.HatchTrace.size(), 2u);
    EXPECT_EQ(state.HatchTrace[0].X1, 100);
    EXPECT_EQ(state.HatchTrace[0].X2, 200);
    EXPECT_EQ(state.HatchTrace[1].Y2, 180);
    EXPECT_EQ(state.HatchBoundary.size(), 3u);

    CommandContext& confirm = Context();
    ConfirmSelection(confirm);
    EXPECT_GT(drawing.Count, 0);
    EXPECT_TRUE(state.HatchTrace.empty());
    EXPECT_TRUE(confirm.Result.Cancel);
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(HatchStepsTest, StartingAnotherCommandDropsTheBoundary)
{
    ClickAt(100, 100);
    ClickAt(200, 100);
    EXPECT_TRUE(BeginCommandState(drawing, state, step::kLineFirstPoint)) << "the trace lines must go from the canvas";
    EXPECT_TRUE(state.HatchBoundary.empty());
    EXPECT_TRUE(state.HatchTrace.empty());
}

TEST_F(HatchStepsTest, ConfirmingWithNothingTakenSaysSo)
{
    CommandContext& ctx = Context();
    ConfirmSelection(ctx);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"図形がありません"});
    EXPECT_EQ(drawing.Count, 0);
}

TEST_F(HatchStepsTest, ASnappedPointIsTakenExactly)
{
    state.SnapFound = true;
    state.SnapPoint = {12.25, 34.5};
    ClickAt(15, 30);
    EXPECT_EQ(state.HatchBoundary, (std::vector<Point>{{12.25, 34.5}}));
    EXPECT_FALSE(state.SnapFound);
}

TEST_F(HatchStepsTest, AFallingHatchAndAPitchFromTheDialog)
{
    PutRectangle();
    state.HatchPitch = 25;
    state.HatchFalling = true;
    dialogs.Answers = {DialogAnswer::Yes};
    ClickAt(110, 100);
    const std::vector<TCadData> lines = Appended(4);
    ASSERT_FALSE(lines.empty());
    EXPECT_LE(lines.size(), 6u);  // Trunc(150 / 25) sweeps
    for (const TCadData& line : lines) EXPECT_LT((line.X2 - line.X1) * (line.Y2 - line.Y1), 0) << "falling";
}

// A pitch so small that the region would need more lines than the limit is refused with a
// message, and nothing is added.
TEST_F(HatchStepsTest, ATinyPitchIsRefusedWithAMessage)
{
    PutRectangle();
    state.HatchPitch = 1e-6f;
    dialogs.Answers = {DialogAnswer::Yes};
    CommandContext& ctx = ClickAt(110, 100);
    EXPECT_EQ(drawing.Count, 4);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kTooManyHatchLinesMessage});
    EXPECT_TRUE(ctx.Result.Cancel);
}

}  // namespace
}  // namespace vantro::testing
