// Extend to a target, to a position, by a typed value; the ellipse restore and the closed arc.
#include "CommandFixture.h"

#include <cmath>

namespace vantro::testing {
namespace {

using namespace step;

using ExtendSteps = CommandTest;

TEST_F(ExtendSteps, ALineUpToATargetLine)
{
    const int line = AddLine(drawing, 100, 100, 150, 100);
    AddLine(drawing, 200, 50, 200, 150);
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    Start(kExtend);
    CommandContext& picked = ClickAt(140, 100);
    EXPECT_EQ(state.CommandMode, kExtendTarget);
    EXPECT_EQ(picked.Result.Prompt, "延長先の図形又は位置をクリックして下さい(延長)");
    EXPECT_EQ(state.SecondPick, line);
    CommandContext& extended = ClickAt(200, 130);
    EXPECT_EQ(drawing[line].X2, 200);
    EXPECT_EQ(state.CommandMode, kExtend);
    EXPECT_EQ(extended.Result.Prompt, "延長する直線又は円弧を選択して下さい(延長)");
    EXPECT_EQ(state.SecondPick, 0);
    ExpectOneUndoRestores(before);
}

TEST_F(ExtendSteps, ToAPositionAndWithTheSnapRuleOnlyByCtrl)
{
    const int line = AddLine(drawing, 100, 100, 150, 100);
    settings.SnapChk = true;
    Start(kExtend);
    ClickAt(140, 100);
    ClickAt(180, 130);
    EXPECT_EQ(drawing[line].X2, 150) << "a plain click on no element is refused with SnapChk";
    EXPECT_EQ(state.CommandMode, kExtendTarget);
    ClickAt(180, 130, kCtrlKey | kLeftButton);
    EXPECT_NEAR(drawing[line].X2, 100 + std::hypot(80.0, 30.0), 1e-9);
    EXPECT_EQ(drawing[line].Y2, 100);
}

TEST_F(ExtendSteps, TheRightButtonVariantAsksForTheValueAtOnce)
{
    const int line = AddLine(drawing, 100, 100, 150, 100);
    dialogs.Inputs.push_back("@5");
    Start(kExtend, true);
    ClickAt(145, 100);
    EXPECT_EQ(drawing[line].X2, 155);
    EXPECT_EQ(state.CommandMode, kExtend);
}

TEST_F(ExtendSteps, AnEllipsePieceIsRestoredAndShiftClosesAnArc)
{
    const int piece = AddElement(drawing, EllipsePiece({200, 200}, 50, 0.5, 30, -20));
    const int arc = AddElement(drawing, ArcElement({400, 200}, 30, 0, 90));
    Start(kExtend);
    ClickAt(200, 225);
    EXPECT_EQ(drawing[piece].X1, 50);
    EXPECT_EQ(drawing[piece].X2, -50);
    EXPECT_EQ(state.CommandMode, kExtend);
    const Point on = Polar({400, 200}, 30, 45);
    ClickAt(on.X, on.Y, kShiftKey | kLeftButton);
    EXPECT_EQ(drawing[arc].Kind, kKindCircle);
    EXPECT_EQ(drawing[arc].Angle, 360);
    EXPECT_EQ(state.CommandMode, kExtend);
}

TEST_F(ExtendSteps, AnElementOnALockedLayerIsNotTaken)
{
    AddLine(drawing, 100, 100, 150, 100, 2);
    drawing.Layers.Locked[1] = 1;
    Start(kExtend);
    ClickAt(140, 100);
    EXPECT_EQ(state.CommandMode, kExtend);
    EXPECT_EQ(state.SecondPick, 0);
}

}  // namespace
}  // namespace vantro::testing
