// Commands driven through the command layer alone: no window, no widget.
#include "CommandFixture.h"

#include "commands/Dispatch.h"
#include "commands/Selection.h"
#include "commands/SelectionSteps.h"
#include "document/Layers.h"
#include "support/CapacityRefusal.h"
#include "support/Fixtures.h"

#include <random>

namespace vantro::testing {
namespace {

const std::string kFirstPrompt = " 1点目を指定して下さい(直線-2点)";
const std::string kSecondPrompt = " 2点目を指定して下さい(直線-2点)";

TEST_F(CommandTest, TheTwoPointLineByClicks)
{
    BeginCommandState(drawing, state, step::kLineFirstPoint);
    DispatchClick(Context(), At(100, 100));
    EXPECT_EQ(state.CommandMode, step::kLineSecondPoint);
    state.CursorPixel = {300, 400};
    CommandContext& second = Context();
    DispatchClick(second, {300, 400, kLeftButton});
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing[1].X1, 100);
    EXPECT_EQ(drawing[1].Y1, 100);
    EXPECT_EQ(drawing[1].X2, 300);
    EXPECT_EQ(drawing[1].Y2, 200);
    EXPECT_EQ(state.CommandMode, step::kLineFirstPoint);
    EXPECT_EQ(second.Result.Prompt, kFirstPrompt);
    EXPECT_EQ(second.Result.X, "300");
    EXPECT_EQ(second.Result.Y, "200");
    EXPECT_EQ(second.Result.Focus, EntryFocus::X);
}

// A refused append cancels its command, whose candidates' removal makes room; the next command
// used to fail in silence until something else changed the store.
TEST_F(CommandTest, TheNextCommandDrawsAgainAfterACapacityRefusal)
{
    const CancellingListener listener(drawing);
    RefuseAfterTwoCandidates(drawing);

    BeginCommandState(drawing, state, step::kLineFirstPoint);
    DispatchClick(Context(), At(100, 100));
    state.CursorPixel = {300, 400};
    DispatchClick(Context(), {300, 400, kLeftButton});
    EXPECT_EQ(drawing.Count, 100);
    EXPECT_EQ(drawing[100].Kind, 1);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kCapacityMessage});
}

TEST_F(CommandTest, TheFirstClickShowsItsPointAndTheSecondPrompt)
{
    BeginCommandState(drawing, state, step::kLineFirstPoint);
    CommandContext& ctx = Context();
    DispatchClick(ctx, At(12, 34));
    EXPECT_EQ(ctx.Result.Prompt, kSecondPrompt);
    EXPECT_EQ(ctx.Result.X, "12");
    EXPECT_EQ(ctx.Result.Y, "34");
    EXPECT_EQ(state.AnchorPixel, (CanvasPoint{12, 566}));
    EXPECT_EQ(state.LastPoint.X, 12);
}

TEST_F(CommandTest, TheTwoPointLineByTypedPointsWithARelativeEnd)
{
    BeginCommandState(drawing, state, step::kLineFirstPoint);
    entries.X = "10";
    entries.Y = "20";
    entries.XShown = entries.YShown = true;
    CommandContext& first = Context();
    PressEnter(first, EntryField::X);
    EXPECT_EQ(state.CommandMode, step::kLineSecondPoint);
    EXPECT_EQ(first.Result.WarpTo->X, 10);
    entries.X = "@30";
    entries.Y = "-5.5";
    CommandContext& second = Context();
    PressEnter(second, EntryField::Y);
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing[1].X1, 10);
    EXPECT_EQ(drawing[1].Y1, 20);
    EXPECT_EQ(drawing[1].X2, 40);
    EXPECT_EQ(drawing[1].Y2, -5.5);
    EXPECT_EQ(second.Result.X, "@30") << "the offset is offered again for the next Enter";
    EXPECT_EQ(state.CommandMode, step::kLineFirstPoint);
}

TEST_F(CommandTest, AnUnreadableTypedPointKeepsTheStep)
{
    BeginCommandState(drawing, state, step::kLineFirstPoint);
    entries.X = "1O";
    entries.Y = "2";
    entries.XShown = entries.YShown = true;
    PressEnter(Context(), EntryField::X);
    EXPECT_EQ(state.CommandMode, step::kLineFirstPoint);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "入力数値を確認して下さい！");
}

TEST_F(CommandTest, ShiftMakesTheLineHorizontalOrVertical)
{
    BeginCommandState(drawing, state, step::kLineFirstPoint);
    DispatchClick(Context(), At(100, 100));
    state.CursorPixel = {300, 480};  // 200 across, 20 up: horizontal
    DispatchClick(Context(), {300, 480, kShiftKey | kLeftButton});
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing[1].Y2, 100);
    EXPECT_EQ(drawing[1].X2, 300);
}

TEST_F(CommandTest, TheSnapRuleRefusesAPlainClickWithoutASnapPoint)
{
    settings.SnapChk = true;
    BeginCommandState(drawing, state, step::kLineFirstPoint);
    DispatchClick(Context(), At(100, 100));
    EXPECT_EQ(state.CommandMode, step::kLineFirstPoint);
    DispatchClick(Context(), At(100, 100, kCtrlKey | kLeftButton));
    EXPECT_EQ(state.CommandMode, step::kLineSecondPoint);
}

// The window selection of the delete command, by the steps alone: a click on empty canvas begins
// the window, the mouse-up selects.
class WindowSelection : public CommandTest {
protected:
    void SetUp() override
    {
        inside = AddLine(drawing, 110, 110, 150, 150);
        crossing = AddLine(drawing, 150, 150, 250, 150);
        circle = AddCircle(drawing, 130, 170, 10);
        TCadData dimension{};
        dimension.Kind = kKindDimX;
        dimension.Layer = 1;
        dimension.X1 = 120;
        dimension.Y1 = 120;
        dimension.X2 = 160;
        dimension.Y2 = 120;
        dimension.Cx = 140;
        dimension.Cy = 130;
        dimension.Value = 40;
        annotation = AddElement(drawing, dimension);
    }

    int inside = 0;
    int crossing = 0;
    int circle = 0;
    int annotation = 0;
};

TEST_F(WindowSelection, EnclosingLeftToRightCrossingRightToLeft)
{
    const struct {
        const char* Name;
        uint16_t Command;
        bool RightToLeft;
        std::vector<int> Expected;
    } cases[] = {
        {"delete, enclosing", step::kDeleteSelect, false, {1, 3, 4}},
        {"delete, crossing", step::kDeleteSelect, true, {1, 2, 3, 4}},
        {"move, enclosing", step::kMoveSelect, false, {1, 3, 4}},
        {"trim, enclosing: no dimensions", step::kTrimSelect, false, {1, 3}},
        {"trim, crossing", step::kTrimSelect, true, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ClearSelection(drawing, false);
        BeginCommandState(drawing, state, c.Command);
        if (c.RightToLeft) Drag(200, 200, 100, 100);
        else Drag(100, 100, 200, 200);
        EXPECT_EQ(Selected(), c.Expected);
        EXPECT_EQ(state.CommandMode, c.Command) << "back at the selection step";
        EXPECT_TRUE(state.MultiSelectPending);
        EXPECT_FALSE(state.WindowDragActive);
    }
}

TEST_F(WindowSelection, ASecondWindowDeselectsAndASmallDragIsNoWindow)
{
    BeginCommandState(drawing, state, step::kDeleteSelect);
    Drag(100, 100, 200, 200);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 3, 4}));
    Drag(100, 100, 200, 200);
    EXPECT_TRUE(Selected().empty());
    CommandContext& ctx = Context();
    DispatchClick(ctx, At(300, 300));
    FinishWindowDrag(ctx, 309, 291);  // 9 pixels both ways, below "Mado" 10
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(state.CommandMode, step::kDeleteSelect);
    EXPECT_FALSE(ctx.Result.MultiPanel.has_value());
}

TEST_F(WindowSelection, ConfirmingRunsTheStepAfterTheWindowAndAnEmptyOneSaysSo)
{
    BeginCommandState(drawing, state, step::kMoveSelect);
    Drag(100, 100, 200, 200);
    CommandContext& confirm = Context();
    ConfirmSelection(confirm);
    EXPECT_FALSE(state.MultiSelectPending);
    EXPECT_EQ(state.CommandMode, step::kMoveBase);
    EXPECT_EQ(confirm.Result.MultiPanel, false);

    BeginCommandState(drawing, state, step::kMoveSelect);
    ConfirmSelection(Context());
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "図形がありません");
    EXPECT_EQ(state.CommandMode, step::kMoveSelect);
}

TEST_F(WindowSelection, TrimRefusesMoreThanFiftyBoundaries)
{
    for (int i = 0; i < 51; ++i) AddLine(drawing, 300 + i, 300, 300 + i, 310);
    BeginCommandState(drawing, state, step::kTrimSelect);
    Drag(290, 290, 400, 320);
    ASSERT_EQ(Selected().size(), 51u);
    ConfirmSelection(Context());
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "トリムで一度に選択できる要素数は50までです！再度選択しなおしてください。");
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(state.CommandMode, step::kTrimSelect);
}

TEST_F(WindowSelection, LockedLayersAreLeftOutButForTheTrimBoundaries)
{
    drawing[inside].Layer = 2;
    drawing.Layers.Locked[1] = 1;
    BeginCommandState(drawing, state, step::kDeleteSelect);
    Drag(100, 100, 200, 200);
    EXPECT_EQ(Selected(), (std::vector<int>{3, 4}));
    ClearSelection(drawing, false);
    state.CommandMode = step::kTrimWindow;
    state.WindowDragActive = true;
    state.AnchorPixel = {100, 500};
    FinishWindowDrag(Context(), 200, 400);
    EXPECT_EQ(Selected(), (std::vector<int>{1, 3}));
}

TEST_F(WindowSelection, FreeSelectionCountsWhatIsSelected)
{
    state.CommandMode = step::kFreeSelection;
    CommandContext& click = Context();
    DispatchClick(click, At(130, 130));
    EXPECT_EQ(Selected(), (std::vector<int>{inside}));
    EXPECT_EQ(click.Result.Prompt, "選択数1");
    Drag(100, 100, 200, 200);
    EXPECT_EQ(Selected(), (std::vector<int>{circle})) << "the window toggles; annotations are not taken";
    EXPECT_EQ(state.SelectionCount, 1);
    EXPECT_EQ(state.CommandMode, step::kFreeSelection);
}

TEST_F(CommandTest, ASinglePickMovesOnAndGroupPickingTakesTheWholeGroup)
{
    const int a = AddLine(drawing, 0, 0, 100, 0);
    const int b = AddLine(drawing, 0, 50, 100, 50);
    AddLine(drawing, 0, 100, 100, 100);
    drawing[a].Group = drawing[b].Group = 7;
    BeginCommandState(drawing, state, step::kMoveSelect);
    entries.GroupPick = true;
    CommandContext& ctx = Context();
    DispatchClick(ctx, At(50, 0));
    EXPECT_EQ(drawing[a].Selected, 1);
    EXPECT_EQ(drawing[b].Selected, 1);
    EXPECT_EQ(drawing[3].Selected, 0);
    EXPECT_EQ(state.CommandMode, step::kMoveBase);
    EXPECT_EQ(ctx.Result.Prompt, "基点をクリックするか移動距離を入力して下さい(移動)");
}

TEST_F(CommandTest, APickOnALockedLayerCountsAsNothing)
{
    AddLine(drawing, 0, 0, 100, 0, 3);
    drawing.Layers.Locked[2] = 1;
    BeginCommandState(drawing, state, step::kDeleteSelect);
    DispatchClick(Context(), At(50, 0));
    EXPECT_EQ(drawing[1].Selected, 0);
    EXPECT_TRUE(state.WindowDragActive) << "a locked element is like empty canvas: a window begins";
    state.CommandMode = step::kFillet;
    state.WindowDragActive = false;
    EXPECT_EQ(TakeFirstPick(Context(), At(50, 0), "134", true), 0);
    EXPECT_EQ(TakeFirstPick(Context(), At(50, 0), "134", false), 1);
}

TEST_F(CommandTest, OverlappingElementsGoToTheChooser)
{
    AddLine(drawing, 0, 0, 100, 0);
    AddCircle(drawing, 50, 10, 10);
    AddLine(drawing, 50, -20, 50, 20);
    Choices = {3};
    EXPECT_EQ(PickElement(Context(), At(50, 0).X, At(50, 0).Y, "0"), 3);
    ASSERT_EQ(Offered.size(), 1u);
    EXPECT_EQ(Offered[0], (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(PickElement(Context(), At(50, 0).X, At(50, 0).Y, "4"), 2) << "one left after the filter";
    EXPECT_EQ(PickElement(Context(), At(50, 0).X, At(50, 0).Y, "0"), -1) << "cancelled";
    EXPECT_EQ(PickElement(Context(), At(300, 300).X, At(300, 300).Y, "0"), 0);
}

TEST_F(CommandTest, TheSecondPickRefusesTheFirst)
{
    AddLine(drawing, 0, 0, 100, 0);
    AddLine(drawing, 0, 0, 0, 100);
    EXPECT_EQ(TakeFirstPick(Context(), At(50, 0), "1", true), 1);
    EXPECT_EQ(state.FirstPick, 1);
    EXPECT_EQ(TakeSecondPick(Context(), At(50, 0), "1", true), 0);
    EXPECT_EQ(TakeSecondPick(Context(), At(0, 50), "1", true), 2);
    EXPECT_EQ(state.SecondPick, 2);
    EXPECT_EQ(state.InputPoint2.Y, 50);
}

TEST(KindFilter, WholeKindsAreMatched)
{
    const struct {
        int8_t Kind;
        const char* Filter;
        bool Accepted;
    } cases[] = {
        {1, "1345", true},   {2, "1345", false}, {4, "1345", true},  {13, "1345", false}, {12, "12345", false},
        {7, "0", true},      {30, "0", true},    {-4, "-4-5", true}, {-5, "-4-5", true},  {4, "-4-5", false},
        {5, "-4-5", false},  {3, "1,3", true},   {1, "3,4", false},  {-2, "1234", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << int{c.Kind} << " in " << c.Filter);
        EXPECT_EQ(KindAccepted(c.Kind, c.Filter), c.Accepted);
    }
}

TEST(Chooser, CaptionNamesTheKind)
{
    EXPECT_EQ(ChooserCaption(1, 2, kKindLine), "1 of (2)  直線");
    EXPECT_EQ(ChooserCaption(2, 3, kKindArc), "2 of (3)  円弧");
    EXPECT_EQ(ChooserCaption(1, 2, kKindDimAligned), "1 of (2)  直線寸法");
    EXPECT_EQ(ChooserCaption(1, 2, kKindCurveByControlPoints), "1 of (2)  曲線");
    EXPECT_EQ(ChooserCaption(2, 2, kKindText), "2 of (2)  ");
}

TEST(WindowTakes, EachKindByItsRule)
{
    const SelectionWindow enclosing{0, 100, 0, 100, false};
    const SelectionWindow crossing{0, 100, 0, 100, true};
    TCadData arc{};
    arc.Kind = kKindArc;
    arc.Cx = 50;
    arc.Cy = 120;
    arc.R = 30;
    arc.X1 = 80;
    arc.Y1 = 120;
    arc.X2 = 20;
    arc.Y2 = 120;
    arc.Angle = 180;  // the upper half, wholly above the window
    EXPECT_FALSE(WindowTakes(arc, crossing, false, 180));
    arc.Angle = 180;
    arc.X1 = 20;
    arc.X2 = 80;  // the lower half dips into the window
    EXPECT_TRUE(WindowTakes(arc, crossing, false, 180));
    EXPECT_FALSE(WindowTakes(arc, enclosing, false, 180));

    TCadData rect{};
    rect.Kind = kKindFilledRect;
    rect.X1 = 10;
    rect.Y1 = 10;
    rect.X2 = 20;
    rect.Y2 = 20;
    rect.Cx = rect.Cy = -500;  // unused by the kind
    EXPECT_TRUE(WindowTakes(rect, enclosing, true, 180));
    EXPECT_FALSE(WindowTakes(rect, enclosing, false, 180));

    TCadData ellipse{};
    ellipse.Kind = kKindEllipse;
    ellipse.Cx = 50;
    ellipse.Cy = 50;
    ellipse.R = 40;
    ellipse.Y1 = 0.5;
    ellipse.X1 = 40;
    ellipse.X2 = -40;
    EXPECT_TRUE(WindowTakes(ellipse, enclosing, false, 180));
    ellipse.R = 60;
    ellipse.X1 = 60;
    ellipse.X2 = -60;
    EXPECT_FALSE(WindowTakes(ellipse, enclosing, false, 180));
    EXPECT_TRUE(WindowTakes(ellipse, crossing, false, 180));
}

}  // namespace
}  // namespace vantro::testing

namespace vantro::testing {
namespace {

// The indexed window against every element tested in turn, on random drawings of every kind and
// windows from a detail to the whole sheet, both ways.
TEST(WindowSelectionIndex, TakesExactlyWhatAPlainScanTakes)
{
    std::mt19937 random(17);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int round = 0; round < 40; ++round) {
        Drawing drawing;
        drawing.Capacity = kMaxCapacity;
        const int count = round % 2 == 0 ? 300 : 3000;
        for (int n = 0; n < count; ++n) {
            TCadData e{};
            e.Layer = 1;
            e.Width = 1;
            const double x = 800 * unit(random) - 400;
            const double y = 400 * unit(random) - 200;
            const double size = 30 * unit(random);
            const int8_t kinds[] = {kKindLine, kKindArc, kKindCircle, kKindPoint, kKindEllipse, kKindDimX, kKindText};
            e.Kind = kinds[n % 7];
            e.X1 = x;
            e.Y1 = y;
            e.X2 = x + size * (unit(random) - 0.5);
            e.Y2 = y + size * (unit(random) - 0.5);
            e.Cx = x + size * (unit(random) - 0.5);
            e.Cy = y + size * (unit(random) - 0.5);
            e.R = size / 2 + 0.1;
            e.Angle = e.Kind == kKindEllipse ? 6 * unit(random) : 360 * unit(random);
            if (e.Kind == kKindEllipse) {
                e.Y1 = 0.1 + unit(random);
                e.X1 = e.R;
                e.X2 = -e.R;
            }
            PutElement(drawing, e);
        }
        const double w = round % 4 < 2 ? 60 : 900;
        const double left = 800 * unit(random) - 450;
        const double bottom = 400 * unit(random) - 250;
        const SelectionWindow window{left, left + w * unit(random) + 1, bottom, bottom + w * unit(random) / 2 + 1,
                                     round % 3 == 0};
        const WindowRules rules{round % 5 != 0, false, 36};
        std::vector<int> expected;
        for (int i = 1; i <= drawing.Count; ++i)
            if (WindowTakes(drawing[i], window, rules.Annotations, rules.Fineness)) expected.push_back(i);
        ElementIndex index;
        SelectInWindow(drawing, index, window, rules);
        std::vector<int> taken;
        for (int i = 1; i <= drawing.Count; ++i)
            if (drawing[i].Selected == 1) taken.push_back(i);
        ASSERT_EQ(taken, expected) << round;
    }
}

}  // namespace
}  // namespace vantro::testing
