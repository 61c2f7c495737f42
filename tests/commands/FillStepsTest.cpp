// The fill command: a click on a grouped element or a circle adds a fill memo line.
#include "CommandFixture.h"

#include "commands/FillSteps.h"
#include "document/Groups.h"
#include "document/Layers.h"
#include "geometry/FillRegions.h"

namespace vantro::testing {
namespace {

class FillStepsTest : public CommandTest {
protected:
    void SetUp() override
    {
        Start(step::kFill);
        attributes.Color = 0x0000FF;
    }

    // Four lines in a new group, corners (x1, y1) and (x2, y2), as the rectangle command makes them.
    int32_t PutRectangle(double x1, double y1, double x2, double y2)
    {
        const int32_t group = NewGroupNumber(drawing);
        for (TCadData line : {Line(x1, y1, x2, y1), Line(x2, y1, x2, y2), Line(x2, y2, x1, y2), Line(x1, y2, x1, y1)}) {
            line.Group = group;
            PutElement(drawing, line);
        }
        return group;
    }
};

TEST_F(FillStepsTest, AClickOnAGroupedRectangleFillsItRed)
{
    const int32_t group = PutRectangle(100, 100, 200, 150);
    CommandContext& ctx = ClickAt(150, 100);
    EXPECT_EQ(drawing.MemoBrush, std::vector<std::string>{std::to_string(group) + ",255"});
    ASSERT_TRUE(ctx.Result.PaintFill.has_value());
    EXPECT_EQ(*ctx.Result.PaintFill, 0u);
    EXPECT_EQ(state.CommandMode, step::kFill) << "the command waits for the next pick";
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(FillStepsTest, ACircleWithoutAGroupGetsANewGroupNumberAndIsFilled)
{
    PutRectangle(300, 300, 400, 400);
    const int circle = PutElement(drawing, Circle(100, 100, 50));
    ASSERT_EQ(drawing[circle].Group, 0);
    const int32_t highest = drawing.MaxGroup;
    CommandContext& ctx = ClickAt(150, 100);
    EXPECT_EQ(drawing[circle].Group, highest + 1);
    EXPECT_EQ(drawing.MemoBrush, std::vector<std::string>{std::to_string(highest + 1) + ",255"});
    EXPECT_TRUE(ctx.Result.PaintFill.has_value());
}

TEST_F(FillStepsTest, AnUngroupedLineIsNoGroup)
{
    PutElement(drawing, Line(100, 100, 200, 100));
    CommandContext& ctx = ClickAt(150, 100);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kNotAGroupMessage});
    EXPECT_TRUE(drawing.MemoBrush.empty());
    EXPECT_FALSE(ctx.Result.PaintFill.has_value());
}

TEST_F(FillStepsTest, AGroupOnALockedLayerIsLeftAlone)
{
    PutRectangle(100, 100, 200, 150);
    for (int i = 1; i <= drawing.Count; ++i) drawing[i].Layer = 2;
    SetLayerLocked(drawing.Layers, 2, true);
    ASSERT_TRUE(IsLayerLocked(drawing.Layers, 2));
    ClickAt(150, 100);
    EXPECT_TRUE(drawing.MemoBrush.empty());
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(FillStepsTest, AnOpenGroupIsRefusedWithTheFillersMessageAndLeavesNoLine)
{
    const int32_t group = NewGroupNumber(drawing);
    for (TCadData line : {Line(100, 100, 200, 100), Line(200, 100, 200, 150)}) {
        line.Group = group;
        PutElement(drawing, line);
    }
    ClickAt(150, 100);
    EXPECT_TRUE(drawing.MemoBrush.empty());
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kFillNotClosedMessage});
}

TEST_F(FillStepsTest, AClickOnNothingDoesNothing)
{
    PutRectangle(100, 100, 200, 150);
    CommandContext& ctx = ClickAt(500, 500);
    EXPECT_TRUE(drawing.MemoBrush.empty());
    EXPECT_FALSE(ctx.Result.PaintFill.has_value());
}

}  // namespace
}  // namespace vantro::testing
