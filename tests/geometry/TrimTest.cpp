#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/EditElements.h"
#include "geometry/EditFixtures.h"
#include "geometry/Trim.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace vantro {
namespace {

using testing::ArcElement;
using testing::Circle;
using testing::EllipsePiece;
using testing::ExpectGeometry;
using testing::Line;
using testing::Polar;

const Point kO{0, 0};

class Trimming : public testing::EditTest {
protected:
    // The element to trim first, then the cutting edges (selected).
    void Put(const std::vector<TCadData>& elements)
    {
        EditTest::Put(elements);
        for (int i = 2; i <= drawing.Count; ++i) drawing[i].Selected = 1;
    }
};

struct TrimCase {
    const char* Name;
    std::vector<TCadData> Elements;
    Point Click;
    bool Quick;
    TrimOutcome Outcome;
    TCadData Expected;
    std::optional<TCadData> NewPiece;  // appended last, selected, a copy of the element
};

TEST_F(Trimming, TheClickedPieceBetweenTheNearestCutsIsRemoved)
{
    const TCadData horizontal = Line(0, 0, 10, 0);
    const std::vector<TCadData> twoEdges = {horizontal, Line(3, -5, 3, 5), Line(7, -5, 7, 5)};
    const TCadData halfEllipse = EllipsePiece(kO, 10, 0.5, 10, -10);
    // Halves of equal shape whose centres lie 10 apart cross where both polylines have a vertex (60
    // and 120 degrees), so the cut's key is exactly the projection 5 on the major axis.
    const TCadData rightHalf = EllipsePiece({10, 0}, 10, 0.5, 10, -10);
    TCadData rightLowerHalf = rightHalf;
    rightLowerHalf.Angle = kPi;
    const TrimCase cases[] = {
        {"line between two edges is split", twoEdges, {5, 0}, false, TrimOutcome::Trimmed, Line(0, 0, 3, 0),
         Line(7, 0, 10, 0)},
        {"line before the first cut", twoEdges, {1, 0}, false, TrimOutcome::Trimmed, Line(3, 0, 10, 0), std::nullopt},
        {"line after the last cut", twoEdges, {9, 0}, false, TrimOutcome::Trimmed, Line(0, 0, 7, 0), std::nullopt},
        {"quick mode cuts on the edge's infinite line", {horizontal, Line(4, 2, 4, 5)}, {8, 0}, true,
         TrimOutcome::Trimmed, Line(0, 0, 4, 0), std::nullopt},
        {"the same edge away from the line does not cut without quick mode", {horizontal, Line(4, 2, 4, 5)}, {8, 0},
         false, TrimOutcome::Deleted, TCadData{}, std::nullopt},
        {"arc crossed once, click before the cut", {ArcElement(kO, 10, 0, 180), Line(0, -20, 0, 20)},
         Polar(kO, 10, 45), false, TrimOutcome::Trimmed, ArcElement(kO, 10, 90, 180), std::nullopt},
        {"arc split by two edges", {ArcElement(kO, 10, 0, 180), Line(5, 0, 5, 20), Line(-5, 0, -5, 20)},
         Polar(kO, 10, 90), false, TrimOutcome::Trimmed, ArcElement(kO, 10, 0, 60), ArcElement(kO, 10, 120, 180)},
        {"circle crossed twice, click between", {Circle(0, 0, 10, 3), Line(-20, 5, 20, 5)}, {0, 10}, false,
         TrimOutcome::Trimmed, ArcElement(kO, 10, 150, 30), std::nullopt},
        {"circle crossed twice, click after the last cut", {Circle(0, 0, 10, 3), Line(-20, 5, 20, 5)}, {0, -10}, false,
         TrimOutcome::Trimmed, ArcElement(kO, 10, 30, 150), std::nullopt},
        {"ellipse piece, highest interval", {halfEllipse, Line(0, -20, 0, 20)}, {6, 4}, false, TrimOutcome::Trimmed,
         EllipsePiece(kO, 10, 0.5, 0, -10), std::nullopt},
        {"ellipse piece, lowest interval", {halfEllipse, Line(0, -20, 0, 20)}, {-6, 4}, false, TrimOutcome::Trimmed,
         EllipsePiece(kO, 10, 0.5, 10, 0), std::nullopt},
        {"ellipse piece split", {halfEllipse, Line(-5, -20, -5, 20), Line(5, -20, 5, 20)}, {0, 5}, false,
         TrimOutcome::Trimmed, EllipsePiece(kO, 10, 0.5, 10, 5), EllipsePiece(kO, 10, 0.5, -5, -10)},
        {"ellipse piece cut by an ellipse, highest interval", {halfEllipse, rightHalf}, {8, 3}, false,
         TrimOutcome::Trimmed, EllipsePiece(kO, 10, 0.5, 5, -10), std::nullopt},
        {"ellipse piece cut by an ellipse, lowest interval", {halfEllipse, rightHalf}, {0, 5}, false,
         TrimOutcome::Trimmed, EllipsePiece(kO, 10, 0.5, 10, 5), std::nullopt},
        {"ellipse piece split between two ellipses", {halfEllipse, rightHalf, EllipsePiece({-10, 0}, 10, 0.5, 10, -10)},
         {0, 5}, false, TrimOutcome::Trimmed, EllipsePiece(kO, 10, 0.5, 10, 5), EllipsePiece(kO, 10, 0.5, -5, -10)},
        {"the other half of an ellipse edge does not cut", {halfEllipse, rightLowerHalf}, {8, 3}, false,
         TrimOutcome::Deleted, TCadData{}, std::nullopt},
    };
    for (const TrimCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Put(c.Elements);
        const std::vector<TCadData> before = Snapshot();
        const int edges = drawing.Count - 1;
        EXPECT_EQ(TrimElement(drawing, 1, c.Click, c.Quick, true), c.Outcome);
        if (c.Outcome == TrimOutcome::Deleted) {
            EXPECT_EQ(drawing.Count, edges);
        } else {
            ExpectGeometry(drawing[1], c.Expected);
            EXPECT_EQ(drawing[1].Layer, c.Expected.Layer);
            ASSERT_EQ(drawing.Count, edges + 1 + (c.NewPiece ? 1 : 0));
        }
        if (c.NewPiece) {
            const TCadData& piece = drawing[drawing.Count];
            ExpectGeometry(piece, *c.NewPiece);
            EXPECT_EQ(piece.Selected, 1);
            EXPECT_EQ(piece.Layer, c.Elements[0].Layer);
            EXPECT_EQ(piece.Color, c.Elements[0].Color);
            EXPECT_NE(piece.Id, drawing[1].Id);
        }
        ExpectUndoRestores(before);
        EXPECT_FALSE(CanUndo(drawing));
    }
}

// Guards against a split's new piece taking the current layer and width: it moved part of the
// element to another layer.
TEST_F(Trimming, ASplitsNewPieceIsACopyOfTheElement)
{
    TCadData e = Line(0, 0, 10, 0, 7);
    e.Width = 3;
    e.LineStyle = kStyleDashDot;
    e.Color = 0x0000FF;
    e.Group = 5;
    Put({e, Line(3, -5, 3, 5), Line(7, -5, 7, 5)});
    ASSERT_EQ(TrimElement(drawing, 1, {5, 0}, false, true), TrimOutcome::Trimmed);
    ASSERT_EQ(drawing.Count, 4);
    const TCadData& piece = drawing[4];
    ExpectGeometry(piece, Line(7, 0, 10, 0));
    EXPECT_EQ(piece.Layer, 7);
    EXPECT_EQ(piece.Width, 3);
    EXPECT_EQ(piece.LineStyle, kStyleDashDot);
    EXPECT_EQ(piece.Color, 0x0000FFu);
    EXPECT_EQ(piece.Group, 5);
}

// Guards against cutting where an arc edge never reaches: a touching point was tested against the
// trimmed element's sweep only, and an ellipse met the edge's full circle.
TEST_F(Trimming, AnArcEdgeCutsOnlyWhereItsDrawnPartReaches)
{
    const TCadData upperArc = ArcElement(kO, 10, 0, 180);
    const TCadData halfEllipse = EllipsePiece(kO, 10, 0.5, 10, -10);
    struct Case {
        const char* Name;
        TCadData Element;
        TCadData Edge;
        Point Click;
        std::optional<TCadData> Expected;  // none: unchanged
    };
    const Case cases[] = {
        {"touching point beyond the edge's sweep", upperArc, ArcElement({0, 20}, 10, 0, 180), Polar(kO, 10, 60),
         std::nullopt},
        {"touching point on the edge's sweep", upperArc, ArcElement({0, 20}, 10, 180, 360), Polar(kO, 10, 60),
         ArcElement(kO, 10, 90, 180)},
        {"ellipse crossing the edge's circle off its sweep", halfEllipse, ArcElement(kO, 8, 200, 340), {0, 5},
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Put({c.Element, c.Edge});
        const std::vector<TCadData> before = Snapshot();
        EXPECT_EQ(TrimElement(drawing, 1, c.Click, false, false),
                  c.Expected ? TrimOutcome::Trimmed : TrimOutcome::Unchanged);
        if (c.Expected) ExpectGeometry(drawing[1], *c.Expected);
        else EXPECT_EQ(Snapshot(), before);
    }
}

TEST_F(Trimming, AnUncrossedLineIsDeletedOnlyWithTrimdelete)
{
    Put({Line(0, 0, 10, 0), Line(0, 3, 10, 3)});
    EXPECT_EQ(TrimElement(drawing, 1, {5, 0}, false, false), TrimOutcome::Unchanged);
    EXPECT_EQ(drawing.Count, 2);
    EXPECT_FALSE(CanUndo(drawing));
    const std::vector<TCadData> before = Snapshot();
    EXPECT_EQ(TrimElement(drawing, 1, {5, 0}, false, true), TrimOutcome::Deleted);
    EXPECT_EQ(drawing.Count, 1);
    ExpectUndoRestores(before);
}

TEST_F(Trimming, ACrossingAtAnEndIsNotEnteredTwice)
{
    // The edge meets the line only at its end point, which is already in the cut list.
    Put({Line(0, 0, 10, 0), Line(10, -5, 10, 5)});
    EXPECT_EQ(TrimElement(drawing, 1, {5, 0}, false, false), TrimOutcome::Unchanged);
    EXPECT_EQ(TrimElement(drawing, 1, {5, 0}, false, true), TrimOutcome::Deleted);
}

TEST_F(Trimming, ACircleCrossedOnceIsLeftAlone)
{
    Put({Circle(0, 0, 10, 3), Line(10, -5, 10, 5)});
    EXPECT_EQ(TrimElement(drawing, 1, {0, 10}, false, true), TrimOutcome::Unchanged);
    EXPECT_EQ(drawing[1].Kind, kKindCircle);
    EXPECT_FALSE(CanUndo(drawing));
}

TEST_F(Trimming, MoreThanFiftyCutsAreRefusedAndTheSelectionCleared)
{
    std::vector<TCadData> elements = {Line(0, 0, 100, 0)};
    for (int k = 1; k <= 51; ++k) elements.push_back(Line(k * 1.5, -1, k * 1.5, 1));
    Put(elements);
    const std::vector<TCadData> before = Snapshot();
    EXPECT_EQ(TrimElement(drawing, 1, {0.5, 0}, false, true), TrimOutcome::TooManyCuts);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], kTooManyTrimCutsMessage);
    for (int i = 1; i <= drawing.Count; ++i) EXPECT_EQ(drawing[i].Selected, 0);
    ExpectGeometry(drawing[1], before[0]);
    EXPECT_FALSE(CanUndo(drawing));
}

TEST_F(Trimming, FiftyCutPointsIncludingTheEndsAreStillAccepted)
{
    std::vector<TCadData> elements = {Line(0, 0, 100, 0)};
    for (int k = 1; k <= 48; ++k) elements.push_back(Line(k * 1.5, -1, k * 1.5, 1));
    Put(elements);
    EXPECT_EQ(TrimElement(drawing, 1, {0.5, 0}, false, true), TrimOutcome::Trimmed);
    EXPECT_NEAR(drawing[1].X1, 1.5, 1e-12);
}

}  // namespace
}  // namespace vantro
