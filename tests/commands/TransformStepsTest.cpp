// Move, mirror, rotate and scale with their copies, and the origin change, through the steps alone.
#include "CommandFixture.h"

namespace vantro::testing {
namespace {

using namespace step;

const std::string kMoveAgain = "移動する要素を選択するか範囲を作図して下さい(移動)";
const std::string kRotateAgain = "回転する要素を選択するか範囲を作図して下さい(回転)";

using TransformSteps = CommandTest;

TEST_F(TransformSteps, AMoveByAPickAndTwoClicks)
{
    const int line = AddLine(drawing, 10, 10, 50, 10);
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    Start(kMoveSelect);
    CommandContext& pick = ClickAt(30, 10);
    EXPECT_EQ(state.CommandMode, kMoveBase);
    EXPECT_EQ(pick.Result.Prompt, "基点をクリックするか移動距離を入力して下さい(移動)");
    EXPECT_EQ(pick.Result.X, "");
    EXPECT_EQ(pick.Result.ShowX, true);
    EXPECT_EQ(pick.Result.ShowY, true);
    EXPECT_EQ(pick.Result.SnapLock, false) << "base points may snap";
    CommandContext& base = ClickAt(30, 10);
    EXPECT_EQ(state.CommandMode, kMoveDestination);
    EXPECT_EQ(base.Result.Prompt, "移動点をクリックするか、移動距離を入力して下さい(移動)");
    CommandContext& moved = ClickAt(130, 60);
    EXPECT_EQ(drawing[line].X1, 110);
    EXPECT_EQ(drawing[line].Y1, 60);
    EXPECT_EQ(drawing[line].X2, 150);
    EXPECT_EQ(drawing[line].Selected, 0);
    EXPECT_EQ(moved.Result.X, "100");
    EXPECT_EQ(moved.Result.Y, "50");
    EXPECT_EQ(moved.Result.ShowX, false);
    EXPECT_EQ(moved.Result.SnapLock, true);
    EXPECT_TRUE(moved.Result.RepaintEdited);
    EXPECT_EQ(state.CommandMode, kMoveSelect);
    EXPECT_EQ(moved.Result.Prompt, kMoveAgain);
    ExpectOneUndoRestores(before);
}

TEST_F(TransformSteps, AZeroMoveIsRefusedAndKeepsTheStep)
{
    AddLine(drawing, 10, 10, 50, 10);
    Start(kMoveSelect);
    ClickAt(30, 10);
    ClickAt(30, 10);
    const std::vector<TCadData> before = ElementsOf(drawing);
    ClickAt(30, 10);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"エラー　移動量=0"});
    EXPECT_EQ(state.CommandMode, kMoveDestination);
    EXPECT_EQ(ElementsOf(drawing), before);
}

TEST_F(TransformSteps, TypedAtTheBasePointTheFieldsAreTheDisplacement)
{
    const int line = AddLine(drawing, 10, 10, 50, 10);
    Start(kMoveSelect);
    ClickAt(30, 10);
    entries.X = "5";
    entries.Y = "-3";
    entries.XShown = entries.YShown = true;
    EnterIn(EntryField::X);
    EXPECT_EQ(drawing[line].X1, 15);
    EXPECT_EQ(drawing[line].Y1, 7);
    EXPECT_EQ(state.CommandMode, kMoveSelect);

    ClickAt(20, 7);
    entries.X = "0";
    entries.Y = "0";
    EnterIn(EntryField::Y);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"エラー　移動量=0"});
    EXPECT_EQ(state.CommandMode, kMoveBase);
}

TEST_F(TransformSteps, MoveCopiesAfterAConfirmedWindowGoOnTheActiveLayer)
{
    const int line = AddLine(drawing, 10, 10, 50, 10, 2);
    attributes.Layer = 7;
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    Start(kMoveCopySelect);
    CommandContext& confirmed = ConfirmWindowOf({line});
    EXPECT_EQ(state.CommandMode, kMoveCopyBase);
    EXPECT_EQ(confirmed.Result.Prompt, "基点をクリックするか移動距離を入力して下さい。(移動)");
    EXPECT_EQ(confirmed.Result.R, "1");
    EXPECT_EQ(confirmed.Result.LabelR, "N");
    ClickAt(10, 10);
    CommandContext& destination = ClickAt(20, 30);
    EXPECT_EQ(state.CommandMode, kMoveCopyCount);
    EXPECT_EQ(destination.Result.R, "1");
    EXPECT_EQ(destination.Result.Focus, EntryFocus::R);
    EXPECT_EQ(drawing.Count, 1) << "the copies wait for their count";

    entries.X = *destination.Result.X;
    entries.Y = *destination.Result.Y;
    entries.R = "2.5";
    entries.RShown = true;
    EnterIn(EntryField::R);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"コピー数が不正です"});
    entries.R = "3";
    CommandContext& copied = EnterIn(EntryField::R);
    ASSERT_EQ(drawing.Count, 4);
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(drawing[1 + k].X1, 10 + 10 * k);
        EXPECT_EQ(drawing[1 + k].Y1, 10 + 20 * k);
        EXPECT_EQ(drawing[1 + k].Layer, 7);
    }
    EXPECT_EQ(drawing[line].Selected, 0);
    EXPECT_EQ(state.CommandMode, kMoveCopySelect);
    EXPECT_EQ(copied.Result.Prompt, kMoveAgain);
    ExpectOneUndoRestores(before);
}

TEST_F(TransformSteps, MoveCopyTypedAtTheBasePointAsksForTheCount)
{
    AddLine(drawing, 10, 10, 50, 10);
    Start(kMoveCopySelect);
    ClickAt(30, 10);
    entries.X = "0";
    entries.Y = "20";
    entries.XShown = entries.YShown = true;
    CommandContext& typed = EnterIn(EntryField::X);
    EXPECT_EQ(state.CommandMode, kMoveCopyCount);
    EXPECT_EQ(typed.Result.ShowX, false);
    EXPECT_EQ(typed.Result.R, "1");
    entries.XShown = entries.YShown = false;
    entries.R = "2";
    EnterIn(EntryField::R);
    ASSERT_EQ(drawing.Count, 3);
    EXPECT_EQ(drawing[3].Y1, 50);
}

TEST_F(TransformSteps, TheMoveThatPlacesAPasteEndsTheCommand)
{
    const int line = AddLine(drawing, 10, 10, 50, 10);
    drawing[line].Selected = 1;
    state.Editing.PasteReposition = true;
    state.CommandMode = kMoveWindow;
    DispatchClick(Context(), {});
    EXPECT_EQ(state.CommandMode, kMoveBase);
    ClickAt(10, 10);
    CommandContext& placed = ClickAt(110, 10);
    EXPECT_EQ(drawing[line].X1, 110);
    EXPECT_TRUE(placed.Result.Cancel);
    EXPECT_FALSE(state.Editing.PasteReposition);

    // An ordinary move afterwards keeps running.
    Start(kMoveSelect);
    ClickAt(130, 10);
    ClickAt(130, 10);
    EXPECT_FALSE(ClickAt(140, 10).Result.Cancel);
    EXPECT_EQ(state.CommandMode, kMoveSelect);
}

TEST_F(TransformSteps, MirrorCopyAboutATypedAxis)
{
    const int line = AddLine(drawing, 110, 10, 150, 30);
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    Start(kMirrorCopySelect);
    CommandContext& pick = ClickAt(130, 20);
    EXPECT_EQ(state.CommandMode, kMirrorCopyAxisStart);
    EXPECT_EQ(pick.Result.Prompt, "軸の基点をクリックするか入力して下さい(ミラー)");
    entries.X = "100";
    entries.Y = "0";
    entries.XShown = entries.YShown = true;
    CommandContext& start = EnterIn(EntryField::X);
    EXPECT_EQ(state.CommandMode, kMirrorCopyAxisEnd);
    EXPECT_EQ(start.Result.Prompt, "軸の終点をクリックするか入力して下さい(ミラー)");
    EXPECT_EQ(start.Result.WarpTo, (Point{100, 0}));
    entries.Y = "100";
    CommandContext& end = EnterIn(EntryField::Y);
    ASSERT_EQ(drawing.Count, 2);
    EXPECT_EQ(drawing[line].X1, 110) << "the source stays";
    EXPECT_NEAR(drawing[2].X1, 90, 1e-9);
    EXPECT_NEAR(drawing[2].X2, 50, 1e-9);
    EXPECT_NEAR(drawing[2].Y2, 30, 1e-9);
    EXPECT_EQ(state.CommandMode, kMirrorCopySelect);
    EXPECT_EQ(end.Result.Prompt, "ミラーイメージする要素を選択するか範囲を作図して下さい(ミラー)");
    EXPECT_EQ(end.Result.SnapLock, true);
    ExpectOneUndoRestores(before);
}

// The plain mirror replaces its elements; an arc keeps running counter-clockwise, so its ends swap.
TEST_F(TransformSteps, MirrorReplacesTheElementsAndTurnsArcsAround)
{
    AddLine(drawing, 110, 10, 150, 30);
    AddElement(drawing, ArcElement({130, 20}, 10, 0, 90));
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    Start(kMirrorSelect);
    ConfirmWindowOf({1, 2});
    ASSERT_EQ(state.CommandMode, kMirrorAxisStart);
    ClickAt(100, 0);
    ClickAt(100, 100);
    ASSERT_EQ(drawing.Count, 2) << "no copies";
    EXPECT_NEAR(drawing[1].X1, 90, 1e-9);
    EXPECT_NEAR(drawing[1].Y1, 10, 1e-9);
    EXPECT_NEAR(drawing[1].X2, 50, 1e-9);
    const TCadData& arc = drawing[2];
    EXPECT_NEAR(arc.Cx, 70, 1e-9);
    EXPECT_NEAR(arc.Cy, 20, 1e-9);
    EXPECT_NEAR(arc.X1, 70, 1e-9) << "the end at 90° becomes the start at 90°";
    EXPECT_NEAR(arc.Y1, 30, 1e-9);
    EXPECT_NEAR(arc.X2, 60, 1e-9);
    EXPECT_NEAR(arc.Y2, 20, 1e-9);
    EXPECT_NEAR(arc.Angle, 90, 1e-9);
    EXPECT_EQ(state.CommandMode, kMirrorSelect);
    ExpectOneUndoRestores(before);
}

TEST_F(TransformSteps, AMirrorAxisOfNoLengthIsRefused)
{
    AddLine(drawing, 110, 10, 150, 30);
    Start(kMirrorSelect);
    ConfirmWindowOf({1});
    EXPECT_EQ(state.CommandMode, kMirrorAxisStart);
    ClickAt(200, 200);
    ClickAt(200, 200);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"エラー　ミラー軸=0"});
    EXPECT_EQ(state.CommandMode, kMirrorAxisEnd);
    EXPECT_EQ(drawing[1].X1, 110);
}

TEST_F(TransformSteps, ARotationByAClickedDirection)
{
    const int line = AddLine(drawing, 110, 100, 150, 100);
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    Start(kRotateSelect);
    ClickAt(130, 100);
    EXPECT_EQ(state.CommandMode, kRotateCentre);
    CommandContext& centre = ClickAt(100, 100);
    EXPECT_EQ(state.CommandMode, kRotateAngle);
    EXPECT_EQ(centre.Result.X, "100");
    EXPECT_EQ(centre.Result.LabelR, "Q");
    EXPECT_EQ(centre.Result.ShowR, true);
    EXPECT_EQ(centre.Result.Prompt, "回転角度を入力して下さい(回転)");

    ClickAt(300, 100);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"エラー　回転角度=0"});
    EXPECT_EQ(state.CommandMode, kRotateAngle);

    CommandContext& turned = ClickAt(100, 300);
    EXPECT_NEAR(drawing[line].X1, 100, 1e-9);
    EXPECT_NEAR(drawing[line].Y1, 110, 1e-9);
    EXPECT_NEAR(drawing[line].Y2, 150, 1e-9);
    EXPECT_EQ(state.CommandMode, kRotateSelect);
    EXPECT_EQ(turned.Result.Prompt, kRotateAgain);
    ExpectOneUndoRestores(before);
}

TEST_F(TransformSteps, ARotationByATypedAngle)
{
    const int line = AddLine(drawing, 110, 100, 150, 100);
    Start(kRotateSelect);
    ClickAt(130, 100);
    ClickAt(100, 100);
    entries.R = "0";
    EnterIn(EntryField::R);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"エラー　回転角度=0"});
    entries.R = "-90";
    EnterIn(EntryField::R);
    EXPECT_NEAR(drawing[line].X1, 100, 1e-9);
    EXPECT_NEAR(drawing[line].Y1, 90, 1e-9);
    EXPECT_EQ(state.CommandMode, kRotateSelect);
}

TEST_F(TransformSteps, RotateCopiesByTypedAngleAndCount)
{
    const int line = AddLine(drawing, 110, 100, 150, 100);
    Start(kRotateCopySelect);
    CommandContext& confirmed = ConfirmWindowOf({line});
    EXPECT_EQ(confirmed.Result.Prompt, "回転中心をクリックするか入力して下さい。[Shift]+クリック=選択変更　(ミラー範囲)");
    EXPECT_EQ(confirmed.Result.LabelR, "Q");
    entries.X = "100";
    entries.Y = "100";
    entries.XShown = entries.YShown = true;
    CommandContext& centre = EnterIn(EntryField::X);
    EXPECT_EQ(state.CommandMode, kRotateCopyAngle);
    EXPECT_EQ(centre.Result.Focus, EntryFocus::R);
    entries.R = "x";
    EnterIn(EntryField::R);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"入力数値(角度)を確認して下さい"});
    entries.R = "90";
    CommandContext& angle = EnterIn(EntryField::R);
    EXPECT_EQ(state.CommandMode, kRotateCopyCount);
    EXPECT_EQ(angle.Result.LabelR, "N");
    EXPECT_EQ(angle.Result.R, "");
    EXPECT_EQ(angle.Result.Prompt, "コピー個数を入力して下さい(回転)");
    entries.R = "3";
    EnterIn(EntryField::R);
    ASSERT_EQ(drawing.Count, 4);
    const Point expectedStarts[] = {{100, 110}, {90, 100}, {100, 90}};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(drawing[2 + k].X1, expectedStarts[k].X, 1e-9);
        EXPECT_NEAR(drawing[2 + k].Y1, expectedStarts[k].Y, 1e-9);
    }
    EXPECT_EQ(drawing[line].Selected, 0);
    EXPECT_EQ(state.CommandMode, kRotateCopySelect);
}

TEST_F(TransformSteps, ScaleAboutATypedBaseByTheFactorInEditR)
{
    const int circle = AddCircle(drawing, 200, 200, 10);
    ClearUndo(drawing);
    const std::vector<TCadData> before = ElementsOf(drawing);
    Start(kScaleSelect);
    ClickAt(210, 200);
    EXPECT_EQ(state.CommandMode, kScaleBase);
    entries.X = "200";
    entries.Y = "200";
    entries.XShown = entries.YShown = true;
    CommandContext& base = EnterIn(EntryField::X);
    EXPECT_EQ(state.CommandMode, kScaleFactor);
    EXPECT_EQ(base.Result.R, "");
    EXPECT_EQ(base.Result.Focus, EntryFocus::R);
    EXPECT_EQ(base.Result.Prompt, "倍率を入力して下さい(倍率変更)");
    entries.R = "0";
    EnterIn(EntryField::R);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"入力数値を確認して下さい！"});
    EXPECT_EQ(drawing[circle].R, 10);
    entries.R = "0.5";
    ClickAt(50, 50);  // a click runs what Enter does
    EXPECT_EQ(drawing[circle].R, 5);
    EXPECT_EQ(drawing[circle].Cx, 200);
    EXPECT_EQ(state.CommandMode, kScaleSelect);
    ExpectOneUndoRestores(before);
}

TEST_F(TransformSteps, TheOriginMovesToASnappedPointOnly)
{
    const int line = AddLine(drawing, 30, 20, 80, 20);
    Start(kOriginChange);
    CommandContext& unsnapped = ClickAt(30, 20);
    EXPECT_EQ(drawing[line].X1, 30);
    EXPECT_FALSE(unsnapped.Result.Cancel);
    state.SnapFound = true;
    state.SnapPoint = {30, 20};
    CommandContext& moved = ClickAt(32, 22);
    EXPECT_EQ(drawing[line].X1, 0);
    EXPECT_EQ(drawing[line].Y1, 0);
    EXPECT_EQ(drawing[line].X2, 50);
    ASSERT_TRUE(moved.Result.ViewOrigin);
    EXPECT_EQ(*moved.Result.ViewOrigin, (CanvasPoint{30, 580})) << "the snapped point's pixel, not the click's";
    EXPECT_TRUE(moved.Result.Cancel);
    EXPECT_FALSE(state.SnapFound);
}

}  // namespace
}  // namespace vantro::testing
