#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/ContinuousTrim.h"
#include "geometry/EditElements.h"
#include "geometry/EditFixtures.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vantro {
namespace {

using testing::ArcElement;
using testing::Circle;
using testing::ExpectGeometry;
using testing::Line;
using testing::Polar;

const Point kO{0, 0};
const double kRoot75 = std::sqrt(75.0);  // a line at 5 from the centre meets radius 10 here

struct StepCase {
    const char* Name;
    TCadData Previous;
    Point Reference;
    bool First;
    TCadData Next;
    Point Click;
    TCadData PreviousAfter;
    TCadData NextAfter;
    Point NextReference;
};

class ContinuousTrim : public testing::EditTest {};

TEST_F(ContinuousTrim, EachStepMakesTheCornerOfThePreviousAndTheNextElement)
{
    TCadData upperHalf = ArcElement(kO, 10, 0, 180);
    upperHalf.Layer = 1;
    const TCadData quarter = ArcElement(kO, 10, 0, 90);
    const TCadData vertical = Line(5, -20, 5, 20);
    const TCadData across = Line(-20, 5, 20, 5);
    const StepCase cases[] = {
        {"first step: line extended up to a line", Line(0, 0, 10, 0), {2, 0}, true, Line(5, 3, 5, 10), {5, 8},
         Line(0, 0, 5, 0), Line(5, 0, 5, 10), {5, 0}},
        {"later step: the end away from the previous corner moves", Line(5, 0, 5, 10), {5, 0}, false,
         Line(0, 7, 10, 7), {8, 7}, Line(5, 0, 5, 7), Line(5, 7, 10, 7), {5, 7}},
        {"circle after a line keeps the arc holding the click", Line(-20, 0, 20, 0), {-15, 0}, true,
         Circle(0, 0, 10, 1), {0, 10}, Line(-20, 0, -10, 0), upperHalf, {-10, 0}},
        {"a circle picked first is never changed", Circle(0, 0, 10, 1), {0, 10}, true, Line(-20, 0, -5, 0), {-15, 0},
         Circle(0, 0, 10, 1), Line(-20, 0, -10, 0), {-10, 0}},
        {"arc clicked near its start keeps its start", ArcElement(kO, 10, 0, 90), Polar(kO, 10, 5), true,
         Line(5, -20, 5, 20), {5, 15}, ArcElement(kO, 10, 0, 60), Line(5, kRoot75, 5, 20), {5, kRoot75}},
        {"arc after a line: the end beyond the click moves", Line(-20, 5, 20, 5), {-15, 5}, true,
         ArcElement(kO, 10, 0, 180), Polar(kO, 10, 120), Line(-20, 5, -kRoot75, 5), ArcElement(kO, 10, 0, 150),
         {-kRoot75, 5}},
        // The branches few drawings reach: touching figures, crossings off the next arc's sweep, one
        // crossing on it, clicks outside both crossings, and a corner beyond the previous line.
        {"line after an arc, click before both crossings: its end goes to the nearer", upperHalf,
         Polar(kO, 10, 170), true, across, {-15, 5}, ArcElement(kO, 10, 150, 180), Line(-20, 5, -kRoot75, 5),
         {-kRoot75, 5}},
        {"line after an arc, click beyond both crossings: its start goes to the farther", upperHalf,
         Polar(kO, 10, 10), true, across, {15, 5}, ArcElement(kO, 10, 0, 30), Line(kRoot75, 5, 20, 5), {kRoot75, 5}},
        {"line touching the arc's circle", upperHalf, Polar(kO, 10, 10), true, Line(-20, 10, 20, 10), {-15, 10},
         ArcElement(kO, 10, 0, 90), Line(-20, 10, 0, 10), {0, 10}},
        {"circle touched by the line becomes the half on the click's side", Line(-20, 10, 20, 10), {-15, 10}, true,
         Circle(0, 0, 10, 1), Polar(kO, 10, 60), Line(-20, 10, 0, 10), ArcElement(kO, 10, 270, 90), {0, 10}},
        {"arc missed on its sweep: the end nearer the click reaches the full circle", across, {-15, 5}, true,
         ArcElement(kO, 10, 200, 340), Polar(kO, 10, 330), Line(-20, 5, kRoot75, 5), ArcElement(kO, 10, 200, 30),
         {kRoot75, 5}},
        {"arc crossed once, click nearest the crossing", vertical, {5, -15}, true, quarter, Polar(kO, 10, 50),
         Line(5, -20, 5, kRoot75), ArcElement(kO, 10, 0, 60), {5, kRoot75}},
        {"arc crossed once, click nearest its start: the start goes to the other crossing", vertical, {5, -15}, true,
         quarter, Polar(kO, 10, 5), Line(5, -20, 5, -kRoot75), ArcElement(kO, 10, 300, 90), {5, -kRoot75}},
        {"arc crossed once, click nearest its end: the end goes to the other crossing", vertical, {5, -15}, true,
         quarter, Polar(kO, 10, 88), Line(5, -20, 5, -kRoot75), ArcElement(kO, 10, 0, 300), {5, -kRoot75}},
        {"arc crossed twice, click before both", across, {-15, 5}, true, upperHalf, Polar(kO, 10, 10),
         Line(-20, 5, kRoot75, 5), ArcElement(kO, 10, 0, 30), {kRoot75, 5}},
        {"arc crossed twice, click beyond both", across, {-15, 5}, true, upperHalf, Polar(kO, 10, 170),
         Line(-20, 5, -kRoot75, 5), ArcElement(kO, 10, 150, 180), {-kRoot75, 5}},
        {"first step with the corner beyond the previous line: its nearer end reaches out", Line(0, 0, 10, 0), {2, 0},
         true, Line(20, -5, 20, 5), {20, 3}, Line(0, 0, 20, 0), Line(20, 0, 20, 5), {20, 0}},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Put({c.Previous, c.Next});
        const std::vector<TCadData> before = Snapshot();
        const ContinuousTrimResult result = ContinuousTrimStep(drawing, 1, 2, c.Reference, c.First, c.Click);
        EXPECT_TRUE(result.Changed);
        ExpectGeometry(drawing[1], c.PreviousAfter);
        ExpectGeometry(drawing[2], c.NextAfter);
        EXPECT_LT(PointDistance(result.NextReference, c.NextReference), Eps());
        ExpectUndoRestores(before);
        EXPECT_FALSE(CanUndo(drawing));
    }
}

TEST_F(ContinuousTrim, AStepWithoutACornerChangesNothingAndFollowsTheKeepFlag)
{
    Put({Line(0, 0, 10, 0), Line(0, 5, 10, 5)});
    const std::vector<TCadData> before = Snapshot();
    // The reference lies nearer the previous line's start: the next reference is the next start.
    const ContinuousTrimResult result = ContinuousTrimStep(drawing, 1, 2, {1, 0}, false, {5, 5});
    EXPECT_FALSE(result.Changed);
    EXPECT_EQ(result.NextReference, (Point{0, 5}));
    EXPECT_EQ(Snapshot(), before);
    EXPECT_FALSE(CanUndo(drawing));
}

TEST_F(ContinuousTrim, AChainOfStepsClosesARectangle)
{
    Put({Line(-1, 0, 12, 0), Line(10, -2, 10, 12), Line(12, 10, -2, 10), Line(0, 13, 0, -3)});
    Point reference{2, 0};
    for (int k = 1; k <= 3; ++k) {
        const Point clicks[] = {{10, 5}, {5, 10}, {0, 5}};
        reference = ContinuousTrimStep(drawing, k, k + 1, reference, k == 1, clicks[k - 1]).NextReference;
    }
    ExpectGeometry(drawing[1], Line(-1, 0, 10, 0));
    ExpectGeometry(drawing[2], Line(10, 0, 10, 10));
    ExpectGeometry(drawing[3], Line(10, 10, 0, 10));
    TCadData last = Line(0, 10, 0, -3);
    last.Angle = 270;  // the store keeps inclinations in [0, 360)
    ExpectGeometry(drawing[4], last);
    EXPECT_EQ(reference, (Point{0, 10}));
}

}  // namespace
}  // namespace vantro
