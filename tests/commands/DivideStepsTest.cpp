// Division through the input boxes, halving, and curves turned into lines.
#include "CommandFixture.h"

#include "geometry/Curves.h"

namespace vantro::testing {
namespace {

using namespace step;

using DivideSteps = CommandTest;

TEST_F(DivideSteps, ALineIntoFourParts)
{
    const int line = AddLine(drawing, 100, 100, 200, 100);
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    dialogs.Inputs.push_back("4");
    Start(kDivide);
    CommandContext& divided = ClickAt(130, 100);
    ASSERT_EQ(drawing.Count, 4);
    EXPECT_EQ(drawing[line].X2, 125);
    EXPECT_EQ(drawing[4].X1, 175);
    EXPECT_EQ(divided.Result.Markers.size(), 3u);
    EXPECT_EQ(state.CommandMode, kDivide);
    ExpectOneUndoRestores(before);
}

TEST_F(DivideSteps, ACircleAsksForItsBaseAngleFirst)
{
    const int circle = AddCircle(drawing, 300, 300, 50);
    dialogs.Inputs = {"45", "4"};
    Start(kDivide);
    ClickAt(350, 300);
    ASSERT_EQ(drawing.Count, 4);
    EXPECT_EQ(drawing[circle].Kind, kKindArc);
    const Point start = Polar({300, 300}, 50, 45);
    EXPECT_NEAR(drawing[circle].X1, start.X, 1e-9);
    EXPECT_NEAR(drawing[circle].Y1, start.Y, 1e-9);
    EXPECT_TRUE(dialogs.Inputs.empty());
}

TEST_F(DivideSteps, WrongAnswersAreRefusedWithTheirMessages)
{
    AddLine(drawing, 100, 100, 200, 100);
    AddCircle(drawing, 300, 300, 50);
    const struct {
        const char* Name;
        Point Click;
        std::deque<std::optional<std::string>> Inputs;
        const char* Message;
    } cases[] = {
        {"above 100 parts", {150, 100}, {"101"}, "等分割は最大100等分までです"},
        {"not a whole number", {150, 100}, {"2.5"}, "整数値を入力して下さい"},
        {"a base angle that is not a number", {350, 300}, {"abc"}, "数値を入力して下さい"},
    };
    Start(kDivide);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        dialogs.Messages.clear();
        dialogs.Inputs = c.Inputs;
        ClickAt(c.Click.X, c.Click.Y);
        EXPECT_EQ(dialogs.Messages, std::vector<std::string>{c.Message});
        EXPECT_EQ(drawing.Count, 2);
    }
}

TEST_F(DivideSteps, HalvingAndCurvesToLines)
{
    const int circle = AddCircle(drawing, 300, 300, 50);
    Start(kHalve);
    ClickAt(350, 300);
    ASSERT_EQ(drawing.Count, 2);
    EXPECT_EQ(drawing[circle].X1, 350) << "clicked at least as far across as up: base angle 0";
    EXPECT_EQ(drawing[circle].Angle, 180);

    for (const Point p : {Point{100, 500}, Point{150, 520}, Point{200, 500}})
        AddCurvePoint(drawing, attributes, kKindCurveThroughPoints, p, p.X == 100);
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    Start(kCurveToLines);
    ClickAt(100, 500);
    EXPECT_GT(drawing.Count, 3);
    for (int i = 3; i <= drawing.Count; ++i) EXPECT_EQ(drawing[i].Kind, kKindLine);
    EXPECT_EQ(drawing[drawing.Count].Group, drawing[3].Group);
    EXPECT_GE(drawing[3].Group, 1);
    ExpectOneUndoRestores(before);
}

}  // namespace
}  // namespace vantro::testing
