#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/EditElements.h"
#include "geometry/EditFixtures.h"
#include "geometry/Extend.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantro {
namespace {

using testing::ArcElement;
using testing::Circle;
using testing::ExpectGeometry;
using testing::Line;
using testing::Polar;

class Extending : public testing::EditTest {};

const Point kO{0, 0};

TCadData Circle10() { return Circle(0, 0, 10, 3); }

struct ValueCase {
    const char* Name;
    TCadData Element;
    Point Click;
    const char* Text;
    TCadData Expected;
};

TEST_F(Extending, ByValueAddsWithAnAtSignAndSetsTheTotalWithout)
{
    const ValueCase cases[] = {
        {"line end, added", Line(0, 0, 10, 0), {9, 0}, "@5", Line(0, 0, 15, 0)},
        {"line end, total from the start", Line(0, 0, 10, 0), {9, 0}, "5", Line(0, 0, 5, 0)},
        {"line start, added", Line(0, 0, 10, 0), {1, 0}, "@5", Line(-5, 0, 10, 0)},
        {"line start, total from the end", Line(0, 0, 10, 0), {1, 0}, "4", Line(6, 0, 10, 0)},
        {"line start, full-width at sign", Line(0, 0, 10, 0), {1, 0}, "＠2", Line(-2, 0, 10, 0)},
        {"line end, negative shortens", Line(0, 0, 10, 0), {9, 0}, "@-3", Line(0, 0, 7, 0)},
        {"arc end, added", ArcElement(kO, 10, 0, 90), Polar(kO, 10, 80), "@90", ArcElement(kO, 10, 0, 180)},
        {"arc end, total", ArcElement(kO, 10, 0, 90), Polar(kO, 10, 80), "45", ArcElement(kO, 10, 0, 45)},
        {"arc start, added", ArcElement(kO, 10, 0, 90), Polar(kO, 10, 10), "@30", ArcElement(kO, 10, 330, 90)},
        {"arc closed by the value", ArcElement(kO, 10, 0, 90), Polar(kO, 10, 80), "@270", Circle10()},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Put({c.Element});
        const std::vector<TCadData> before = Snapshot();
        ASSERT_TRUE(ExtendByText(drawing, 1, c.Click, c.Text));
        ExpectGeometry(drawing[1], c.Expected);
        ExpectUndoRestores(before);
    }
}

TEST_F(Extending, ByValueAsksWithTheCurrentLengthAndRefusesBadInput)
{
    Put({Line(0, 0, 10, 0)});
    dialogs.Inputs = {std::string("@2.5"), std::nullopt, std::string("abc"), std::string("0")};
    ASSERT_TRUE(ExtendByValue(drawing, 1, {9, 0}));
    EXPECT_EQ(dialogs.Questions.at(0), kExtendLinePrompt);
    EXPECT_DOUBLE_EQ(drawing[1].X2, 12.5);
    const std::vector<TCadData> before = Snapshot();
    EXPECT_FALSE(ExtendByValue(drawing, 1, {9, 0}));
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_FALSE(ExtendByValue(drawing, 1, {9, 0}));
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], kExtendBadNumberMessage);
    EXPECT_FALSE(ExtendByValue(drawing, 1, {9, 0}));  // a line of no length
    EXPECT_EQ(Snapshot(), before);
}

struct TargetCase {
    const char* Name;
    std::vector<TCadData> Elements;  // the element first, then the target
    Point Click;
    int Target;
    Point TargetClick;
    std::vector<DialogAnswer> Answers;
    std::vector<TCadData> Expected;  // the whole drawing afterwards
};

TEST_F(Extending, ToTargetMovesTheChosenEndAndMergesOnRequest)
{
    const TCadData arc = ArcElement(kO, 10, 0, 90);
    const TCadData arcBeyond = ArcElement(kO, 10, 120, 150);
    const TargetCase cases[] = {
        {"line to a line", {Line(0, 0, 5, 0), Line(10, -5, 10, 5)}, {4, 0}, 2, {10, 3}, {},
         {Line(0, 0, 10, 0), Line(10, -5, 10, 5)}},
        {"line start to a line", {Line(0, 0, 5, 0), Line(-3, -5, -3, 5)}, {1, 0}, 2, {-3, 3}, {},
         {Line(-3, 0, 5, 0), Line(-3, -5, -3, 5)}},
        {"line to the far side of a circle", {Line(0, 0, 5, 0), Circle(20, 0, 5, 3)}, {4, 0}, 2, {25, 1}, {},
         {Line(0, 0, 25, 0), Circle(20, 0, 5, 3)}},
        {"collinear lines merged", {Line(0, 0, 5, 0), Line(8, 0, 12, 0)}, {4, 0}, 2, {9, 0}, {DialogAnswer::Yes},
         {Line(0, 0, 12, 0)}},
        {"arc to a line", {arc, Line(-5, -20, -5, 20)}, Polar(kO, 10, 80), 2, {-5, 8}, {},
         {ArcElement(kO, 10, 0, 120), Line(-5, -20, -5, 20)}},
        {"arc start to a circle", {arc, Circle(10, -10, 10, 3)}, Polar(kO, 10, 10), 2, {0, -10}, {},
         {ArcElement(kO, 10, 270, 90), Circle(10, -10, 10, 3)}},
        {"arcs of one circle merged", {arc, arcBeyond}, Polar(kO, 10, 80), 2, Polar(kO, 10, 125), {DialogAnswer::Yes},
         {ArcElement(kO, 10, 0, 150)}},
        {"arcs of one circle joined without merging", {arc, arcBeyond}, Polar(kO, 10, 80), 2, Polar(kO, 10, 125),
         {DialogAnswer::No}, {ArcElement(kO, 10, 0, 120), arcBeyond}},
        {"arc whose ends meet becomes a circle", {ArcElement(kO, 10, 0, 270), Line(10, -5, 10, 5)},
         Polar(kO, 10, 260), 2, {10, 1}, {}, {Circle10(), Line(10, -5, 10, 5)}},
        {"line to a clicked position", {Line(0, 0, 10, 0)}, {9, 0}, 0, {20, 3}, {},
         {Line(0, 0, PointDistance({0, 0}, {20, 3}), 0)}},
        {"arc to a clicked position", {arc}, Polar(kO, 10, 80), 0, Polar(kO, 3, 135), {},
         {ArcElement(kO, 10, 0, 135)}},
    };
    for (const TargetCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Put(c.Elements);
        dialogs.Answers.assign(c.Answers.begin(), c.Answers.end());
        const std::vector<TCadData> before = Snapshot();
        ASSERT_TRUE(ExtendToTarget(drawing, 1, c.Click, c.Target, c.TargetClick));
        EXPECT_TRUE(dialogs.Answers.empty());
        ASSERT_EQ(drawing.Count, static_cast<int>(c.Expected.size()));
        for (size_t k = 0; k < c.Expected.size(); ++k) ExpectGeometry(drawing[static_cast<int>(k) + 1], c.Expected[k]);
        ExpectUndoRestores(before);
        EXPECT_FALSE(CanUndo(drawing));
    }
}

// Guards against a merge that deleted part of the target: the merged line ran to the target's end
// farther from where the target was clicked (or from a far-off crossing of slightly tilted lines),
// not to the end that lies beyond.
TEST_F(Extending, MergedLinesCoverBothLinesWhereverTheTargetWasClicked)
{
    struct Case {
        const char* Name;
        TCadData Target;
        Point Click;
        Point TargetClick;
        TCadData Expected;
    };
    const Case cases[] = {
        {"target clicked at its far end", Line(20, 0, 30, 0), {9.9, 0}, {29.9, 0}, Line(0, 0, 30, 0)},
        {"target clicked at its near end", Line(20, 0, 30, 0), {9.9, 0}, {20.1, 0}, Line(0, 0, 30, 0)},
        {"target drawn the other way", Line(30, 0, 20, 0), {9.9, 0}, {29.9, 0}, Line(0, 0, 30, 0)},
        // Crossing the element's line at x = 40, beyond the target.
        {"target slightly tilted", Line(20, 0.0002, 30, 0.0001), {9.9, 0}, {29.9, 0}, Line(0, 0, 30, 0.0001)},
        {"target behind the start", Line(-10, 0, -3, 0), {0.1, 0}, {-9.9, 0}, Line(-10, 0, 10, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Put({Line(0, 0, 10, 0), c.Target});
        dialogs.Answers = {DialogAnswer::Yes};
        const std::vector<TCadData> before = Snapshot();
        ASSERT_TRUE(ExtendToTarget(drawing, 1, c.Click, 2, c.TargetClick));
        EXPECT_EQ(dialogs.Questions.size(), 1u);
        ASSERT_EQ(drawing.Count, 1);
        ExpectGeometry(drawing[1], c.Expected);
        ExpectUndoRestores(before);
    }
}

// Guards against missing a merge when the two directions lie either side of 0°, so that their
// difference is nearly 360 rather than nearly 0 or 180.
TEST_F(Extending, DirectionsEitherSideOfZeroAreNearlyCollinear)
{
    // The element points at 0°, the target at 359.9995° (seen as the direction of its start).
    Put({Line(10, 0, 0, 0), Line(-10, -0.0000873, -20, 0)});
    dialogs.Answers = {DialogAnswer::Yes};
    ASSERT_TRUE(ExtendToTarget(drawing, 1, {0.1, 0}, 2, {-19.9, 0}));
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0], "指定した図形は開き角0.0005002度です。\r\n1本の直線に変更しますか?");
    ASSERT_EQ(drawing.Count, 1);
    ExpectGeometry(drawing[1], Line(10, 0, -20, 0));
}

// Guards against an arc shrunk by a value to nothing or below becoming its full circle, and a line
// of no length getting coordinates that are not numbers.
TEST_F(Extending, AValueThatLeavesNothingOrALineWithoutDirectionIsRefused)
{
    struct Case {
        const char* Name;
        TCadData Element;
        Point Click;
        const char* Text;
    };
    const Case cases[] = {
        {"arc, total 0", ArcElement(kO, 10, 0, 90), Polar(kO, 10, 80), "0"},
        {"arc, negative total", ArcElement(kO, 10, 0, 90), Polar(kO, 10, 80), "-30"},
        {"arc, shortened by its sweep", ArcElement(kO, 10, 0, 90), Polar(kO, 10, 80), "@-90"},
        {"arc, shortened past its start", ArcElement(kO, 10, 0, 90), Polar(kO, 10, 10), "@-100"},
        {"line of no length", Line(5, 5, 5, 5), {6, 5}, "@5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Put({c.Element});
        const std::vector<TCadData> before = Snapshot();
        EXPECT_FALSE(ExtendByText(drawing, 1, c.Click, c.Text));
        EXPECT_EQ(Snapshot(), before);
        EXPECT_FALSE(CanUndo(drawing));
    }
    Put({Line(5, 5, 5, 5), Line(10, -5, 10, 5)});
    const std::vector<TCadData> before = Snapshot();
    EXPECT_FALSE(ExtendToTarget(drawing, 1, {5, 5}, 0, {9, 5}));
    EXPECT_FALSE(ExtendToTarget(drawing, 1, {5, 5}, 2, {10, 3}));
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Extending, TheMergeQuestionNamesTheOpeningAngleOrTheOffset)
{
    struct Case {
        const char* Name;
        TCadData Target;
        const char* Lead;  // after "指定した図形は"
    };
    const Case cases[] = {
        {"collinear", Line(8, 0, 12, 0), "1本の直線に変更できます。"},
        {"parallel within Eps", Line(8, 0.0005, 12, 0.0005), "0.0005mmずれた平行線です。"},
        {"crossing at a tiny angle", Line(8, 0, 12, 0.00001), "開き角0.0001432度です。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Put({Line(0, 0, 5, 0), c.Target});
        dialogs.Answers = {DialogAnswer::No};
        ExtendToTarget(drawing, 1, {4, 0}, 2, {9, 0});
        ASSERT_EQ(dialogs.Questions.size(), 1u);
        const std::string expected = std::string("指定した図形は").append(c.Lead).append("\r\n1本の直線に変更しますか?");
        EXPECT_EQ(dialogs.Questions[0], expected);
    }
    EXPECT_EQ(FormatMergeNumber(0), "0.0");
    EXPECT_EQ(FormatMergeNumber(0.000143), "0.000143");
    EXPECT_EQ(FormatMergeNumber(12.5), "12.5");
}

// Guards against "merging" an arc about the same centre with another radius, which would leave the
// extended arc with an end point off its own circle.
TEST_F(Extending, ArcsAboutOneCentreWithDifferentRadiiAreNeverMerged)
{
    Put({ArcElement(kO, 10, 0, 90), ArcElement(kO, 12, 120, 150)});
    const std::vector<TCadData> before = Snapshot();
    EXPECT_FALSE(ExtendToTarget(drawing, 1, Polar(kO, 10, 80), 2, Polar(kO, 12, 125)));
    EXPECT_TRUE(dialogs.Questions.empty());
    EXPECT_EQ(Snapshot(), before);
    EXPECT_FALSE(CanUndo(drawing));
}

TEST_F(Extending, NothingChangesWithoutAnIntersectionOrAnAgreedMerge)
{
    Put({Line(0, 0, 5, 0), Circle(20, 10, 3, 3)});
    EXPECT_FALSE(ExtendToTarget(drawing, 1, {4, 0}, 2, {20, 13}));
    Put({Line(0, 0, 5, 0), Line(0, 3, 5, 3)});
    EXPECT_FALSE(ExtendToTarget(drawing, 1, {4, 0}, 2, {1, 3}));
    EXPECT_TRUE(dialogs.Questions.empty());
    Put({Line(0, 0, 5, 0), Line(8, 0, 12, 0)});
    const std::vector<TCadData> before = Snapshot();
    dialogs.Answers = {DialogAnswer::No};
    EXPECT_FALSE(ExtendToTarget(drawing, 1, {4, 0}, 2, {9, 0}));
    EXPECT_EQ(Snapshot(), before);
    EXPECT_FALSE(CanUndo(drawing));
}

TEST_F(Extending, RestoreEllipsePieceAndCloseArcAreOneStepEach)
{
    Put({testing::EllipsePiece(kO, 10, 0.5, 4, -2), ArcElement(kO, 10, 0, 90)});
    const std::vector<TCadData> before = Snapshot();
    ASSERT_TRUE(RestoreEllipsePiece(drawing, 1));
    EXPECT_EQ(drawing[1].X1, 10);
    EXPECT_EQ(drawing[1].X2, -10);
    ASSERT_TRUE(CloseArc(drawing, 2));
    ExpectGeometry(drawing[2], Circle10());
    EXPECT_FALSE(CloseArc(drawing, 1));
    EXPECT_FALSE(RestoreEllipsePiece(drawing, 2));
    Undo(drawing);
    ExpectUndoRestores(before);
}

}  // namespace
}  // namespace vantro
