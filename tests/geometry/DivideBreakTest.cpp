#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/BreakJoin.h"
#include "geometry/Divide.h"
#include "geometry/EditElements.h"
#include "geometry/EditFixtures.h"
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

class Cutting : public testing::EditTest {
protected:
    // Every element coloured and grouped, so that the pieces can be seen to keep both.
    void Put(std::vector<TCadData> elements)
    {
        for (TCadData& e : elements) {
            e.Color = 0x123456;
            e.Group = 7;
        }
        EditTest::Put(elements);
    }
    // The pieces (the element itself first), each keeping the element's attributes.
    void ExpectPieces(const std::vector<TCadData>& expected, int firstPiece = 1)
    {
        ASSERT_EQ(drawing.Count, firstPiece + static_cast<int>(expected.size()) - 1);
        for (size_t k = 0; k < expected.size(); ++k) {
            SCOPED_TRACE(k);
            const TCadData& piece = drawing[firstPiece + static_cast<int>(k)];
            ExpectGeometry(piece, expected[k]);
            EXPECT_EQ(piece.Color, 0x123456u);
            EXPECT_EQ(piece.Group, 7);
            EXPECT_EQ(piece.Layer, expected[k].Layer);
        }
    }
};

struct DivideCase {
    const char* Name;
    TCadData Element;
    int Parts;
    double Base;
    std::vector<TCadData> Pieces;
    std::vector<Point> Marks;
};

TEST_F(Cutting, DivideSplitsIntoEqualPiecesInOneUndoStep)
{
    const Point o{0, 0};
    const DivideCase cases[] = {
        {"line in three", Line(0, 0, 12, 0), 3, 0, {Line(0, 0, 4, 0), Line(4, 0, 8, 0), Line(8, 0, 12, 0)},
         {{4, 0}, {8, 0}}},
        {"arc in two", ArcElement(o, 10, 0, 90), 2, 0, {ArcElement(o, 10, 0, 45), ArcElement(o, 10, 45, 90)},
         {Polar(o, 10, 45)}},
        {"circle in four from 45 degrees", Circle(0, 0, 10), 4, 45,
         {ArcElement(o, 10, 45, 135), ArcElement(o, 10, 135, 225), ArcElement(o, 10, 225, 315),
          ArcElement(o, 10, 315, 45)},
         {Polar(o, 10, 45), Polar(o, 10, 135), Polar(o, 10, 225), Polar(o, 10, 315)}},
    };
    for (const DivideCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Put({c.Element});
        const std::vector<TCadData> before = Snapshot();
        const std::vector<Point> marks = DivideElement(drawing, 1, c.Parts, c.Base);
        std::vector<TCadData> expected = c.Pieces;
        for (TCadData& piece : expected) piece.Layer = c.Element.Layer;
        ExpectPieces(expected);
        ASSERT_EQ(marks.size(), c.Marks.size());
        for (size_t k = 0; k < marks.size(); ++k) EXPECT_LT(PointDistance(marks[k], c.Marks[k]), Eps());
        ExpectUndoRestores(before);
        EXPECT_FALSE(CanUndo(drawing));
    }
}

TEST_F(Cutting, HalvingACircleStartsAtTheTopWhenTheClickIsMoreAboveThanBeside)
{
    auto arc = [](double from, double to) {
        TCadData e = ArcElement({0, 0}, 10, from, to);
        e.Layer = 1;
        return e;
    };
    Put({Circle(0, 0, 10)});
    HalveElement(drawing, 1, {1, 5});
    ExpectPieces({arc(90, 270), arc(270, 90)});
    Put({Circle(0, 0, 10)});
    HalveElement(drawing, 1, {5, 5});
    ExpectPieces({arc(0, 180), arc(180, 0)});
}

TEST_F(Cutting, DivideRefusesMoreThanAHundredPartsAndOtherKinds)
{
    Put({Line(0, 0, 12, 0), testing::PointElement({1, 1})});
    const std::vector<TCadData> before = Snapshot();
    EXPECT_TRUE(DivideElement(drawing, 1, 101, 0).empty());
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], kTooManyPartsMessage);
    EXPECT_TRUE(DivideElement(drawing, 1, 1, 0).empty());
    EXPECT_TRUE(DivideElement(drawing, 2, 3, 0).empty());
    EXPECT_EQ(Snapshot(), before);
    EXPECT_FALSE(CanUndo(drawing));
}

struct BreakCase {
    const char* Name;
    TCadData Element;
    TCadData Other;
    std::vector<TCadData> Pieces;
};

TEST_F(Cutting, BreakElementSplitsAtTheCrossings)
{
    const Point o{0, 0};
    const BreakCase cases[] = {
        {"line crossed once", Line(0, 0, 10, 0), Line(5, -5, 5, 5), {Line(0, 0, 5, 0), Line(5, 0, 10, 0)}},
        // The crossings come ordered along the circle: (10, 0) first, the one nearer the line's end.
        {"line crossed twice by a circle", Line(-20, 0, 20, 0), Circle(0, 0, 10),
         {Line(10, 0, 20, 0), Line(10, 0, -10, 0), Line(-20, 0, -10, 0)}},
        {"line crossed twice by a circle, start first", Line(20, 0, -20, 0), Circle(0, 0, 10),
         {Line(20, 0, 10, 0), Line(10, 0, -10, 0), Line(-10, 0, -20, 0)}},
        {"arc crossed by a line", ArcElement(o, 10, 0, 180), Line(0, -20, 0, 20),
         {ArcElement(o, 10, 0, 90), ArcElement(o, 10, 90, 180)}},
        {"circle crossed by a circle", Circle(0, 0, 10), Circle(10, 0, 10),
         {ArcElement(o, 10, 60, 300), ArcElement(o, 10, 300, 60)}},
        {"ellipse piece crossed by a line", EllipsePiece(o, 10, 0.5, 10, -10), Line(0, -10, 0, 10),
         {EllipsePiece(o, 10, 0.5, 10, 0), EllipsePiece(o, 10, 0.5, 0, -10)}},
    };
    for (const BreakCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Put({c.Element, c.Other});
        const std::vector<TCadData> before = Snapshot();
        const std::vector<Point> marks = BreakElement(drawing, 1, 2);
        EXPECT_TRUE(dialogs.Messages.empty());
        EXPECT_EQ(marks.size(), c.Pieces.size() == 3 ? 2u : c.Element.Kind == kKindCircle ? 2u : 1u);
        std::vector<TCadData> expected = c.Pieces;
        for (TCadData& piece : expected) piece.Layer = c.Element.Layer;
        ExpectGeometry(drawing[1], expected[0]);
        expected.erase(expected.begin());
        ExpectPieces(expected, 3);
        ExpectUndoRestores(before);
    }
}

TEST_F(Cutting, BreakElementRefusesWithoutACrossingAwayFromTheEnds)
{
    const std::pair<TCadData, TCadData> cases[] = {
        {Line(0, 0, 10, 0), Line(10, -5, 10, 5)},
        {Line(0, 0, 10, 0), Line(0, 5, 10, 5)},
        {Circle(0, 0, 10), Line(10, -5, 10, 5)},
        {ArcElement({0, 0}, 10, 0, 90), Circle(0, 0, 10)},
    };
    for (const auto& [element, other] : cases) {
        Put({element, other});
        const std::vector<TCadData> before = Snapshot();
        EXPECT_TRUE(BreakElement(drawing, 1, 2).empty());
        ASSERT_EQ(dialogs.Messages.size(), 1u);
        EXPECT_EQ(dialogs.Messages[0], kNoCrossingToBreakMessage);
        EXPECT_EQ(Snapshot(), before);
        EXPECT_FALSE(CanUndo(drawing));
    }
}

TEST_F(Cutting, BreakAtPointSplitsLinesAndArcsOpensCirclesAndShortensEllipses)
{
    const Point o{0, 0};
    struct Case {
        const char* Name;
        TCadData Element;
        Point Click;
        std::optional<Point> Snap;
        int Pieces;
        std::vector<TCadData> Result;
    };
    TCadData opened = ArcElement(o, 10, 0, 360 - RadToDeg(0.01));
    const Case cases[] = {
        {"line at the snap point", Line(0, 0, 10, 0), {0, 0}, Point{3, 0}, 2, {Line(0, 0, 3, 0), Line(3, 0, 10, 0)}},
        {"arc near the click", ArcElement(o, 10, 0, 180), Polar(o, 10.05, 90), std::nullopt, 2, {}},
        {"circle towards the click", Circle(0, 0, 10), {20, 0}, std::nullopt, 1, {opened}},
        {"ellipse piece at a positive value", EllipsePiece(o, 10, 0.5, 10, -10), {0, 0}, Point{6, 4}, 1,
         {EllipsePiece(o, 10, 0.5, 6, -10)}},
        {"ellipse piece at a negative value", EllipsePiece(o, 10, 0.5, 10, -10), {0, 0}, Point{-6, 4}, 1,
         {EllipsePiece(o, 10, 0.5, 10, -6)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Put({c.Element});
        const std::vector<TCadData> before = Snapshot();
        const BreakResult result = BreakAtPoint(drawing, 1, c.Click, c.Snap, 0.1);
        EXPECT_EQ(result.Pieces, c.Pieces);
        ASSERT_EQ(drawing.Count, c.Pieces);
        for (size_t k = 0; k < c.Result.size(); ++k) {
            TCadData expected = c.Result[k];
            expected.Layer = c.Element.Layer;
            ExpectGeometry(drawing[static_cast<int>(k) + 1], expected);
        }
        if (c.Pieces == 2) {
            EXPECT_LT(PointDistance({drawing[1].X2, drawing[1].Y2}, result.At), 1e-9);
            EXPECT_LT(PointDistance({drawing[2].X1, drawing[2].Y1}, result.At), 1e-9);
            EXPECT_LT(PointDistance(result.At, c.Snap.value_or(c.Click)), 0.1 + Eps());
        }
        ExpectUndoRestores(before);
    }
}

TEST_F(Cutting, BreakAtPointAtAnEndOrAwayFromTheElementCutsNothing)
{
    Put({Line(0, 0, 10, 0)});
    EXPECT_EQ(BreakAtPoint(drawing, 1, {0, 0}, Point{10, 0}, 0.1).Pieces, 0);
    EXPECT_EQ(BreakAtPoint(drawing, 1, {5, 3}, std::nullopt, 0.1).Pieces, 0);
    Put({ArcElement({0, 0}, 10, 0, 90)});
    EXPECT_EQ(BreakAtPoint(drawing, 1, {0, -10}, std::nullopt, 0.1).Pieces, 0);
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_FALSE(CanUndo(drawing));
}

}  // namespace
}  // namespace vantro
