#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/BreakJoin.h"
#include "geometry/Divide.h"
#include "geometry/EditElements.h"
#include "geometry/EditFixtures.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
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

// A half ellipse with axes 8 and 4 turned half a turn, about (0, 2√3 + √84): its walk runs from
// the left down and back up to the right, and its polyline vertices at 60° and 120° lie on the
// circle of radius 10 about the origin, at (-4, √84) and then (4, √84).
TCadData DownwardEllipse()
{
    TCadData e = EllipsePiece({0, 2 * std::sqrt(3.0) + std::sqrt(84.0)}, 8, 0.5, 8, -8);
    e.Angle = kPi;
    return e;
}
const double kNearCrossing = RadToDeg(std::atan2(std::sqrt(84.0), 4));
const double kFarCrossing = 180 - kNearCrossing;

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
        // The crossings come ordered along the circle: (10, 0) first, the one nearer the line's end;
        // the middle piece still runs the line's way.
        {"line crossed twice by a circle", Line(-20, 0, 20, 0), Circle(0, 0, 10),
         {Line(10, 0, 20, 0), Line(-10, 0, 10, 0), Line(-20, 0, -10, 0)}},
        {"line crossed twice by a circle, start first", Line(20, 0, -20, 0), Circle(0, 0, 10),
         {Line(20, 0, 10, 0), Line(10, 0, -10, 0), Line(-10, 0, -20, 0)}},
        {"arc crossed by a line", ArcElement(o, 10, 0, 180), Line(0, -20, 0, 20),
         {ArcElement(o, 10, 0, 90), ArcElement(o, 10, 90, 180)}},
        {"circle crossed by a circle", Circle(0, 0, 10), Circle(10, 0, 10),
         {ArcElement(o, 10, 60, 300), ArcElement(o, 10, 300, 60)}},
        {"ellipse piece crossed by a line", EllipsePiece(o, 10, 0.5, 10, -10), Line(0, -10, 0, 10),
         {EllipsePiece(o, 10, 0.5, 10, 0), EllipsePiece(o, 10, 0.5, 0, -10)}},
        // The ellipse's walk meets the crossing at 113.6° before the one at 66.4°; the pieces still
        // follow the arc, the middle one from 66.4° to 113.6° (not round the rest of the circle).
        {"arc crossed twice by an ellipse against its walk", ArcElement(o, 10, 0, 180), DownwardEllipse(),
         {ArcElement(o, 10, kFarCrossing, 180), ArcElement(o, 10, kNearCrossing, kFarCrossing),
          ArcElement(o, 10, 0, kNearCrossing)}},
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

// Guards against breaking where the other element never reaches: an ellipse was met on the
// arc's full circle, and a touching arc was tested against the broken element's sweep only.
TEST_F(Cutting, BreakElementRefusesCrossingsOffTheOtherElementsDrawnPart)
{
    const std::pair<const char*, std::pair<TCadData, TCadData>> cases[] = {
        {"an ellipse crossing only the arc's circle", {ArcElement({0, 0}, 10, 180, 360), DownwardEllipse()}},
        {"an arc touching only the other arc's circle",
         {ArcElement({0, 0}, 10, 0, 180), ArcElement({0, 20}, 10, 0, 180)}},
    };
    for (const auto& [name, pair] : cases) {
        SCOPED_TRACE(name);
        Put({pair.first, pair.second});
        const std::vector<TCadData> before = Snapshot();
        EXPECT_TRUE(BreakElement(drawing, 1, 2).empty());
        EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kNoCrossingToBreakMessage});
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

// Guards against pieces that meet off the element: a snap point off an arc's circle left both
// pieces with its radius and ends off it, and a circle broken at its centre became an arc from
// the centre to the centre.
TEST_F(Cutting, BreakAtPointPutsASnapPointOntoTheElementOrRefusesIt)
{
    const Point o{0, 0};
    struct Case {
        const char* Name;
        TCadData Element;
        Point Snap;
        std::optional<Point> At;  // none: refused
    };
    const Case cases[] = {
        {"arc, snap point off its circle", ArcElement(o, 10, 0, 180), {0, 12}, std::nullopt},
        {"arc, snap point within Eps of it", ArcElement(o, 10, 0, 180), {0, 10.0005}, Point{0, 10}},
        {"circle, snap point at its centre", Circle(0, 0, 10), {0, 0}, std::nullopt},
        {"circle, snap point within Eps of it", Circle(0, 0, 10), {0, -9.9995}, Point{0, -10}},
        {"line, snap point within Eps of it", Line(0, 0, 10, 0), {3, 0.0004}, Point{3, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Put({c.Element});
        const std::vector<TCadData> before = Snapshot();
        const BreakResult result = BreakAtPoint(drawing, 1, c.Snap, c.Snap, 0.1);
        if (!c.At) {
            EXPECT_EQ(result.Pieces, 0);
            EXPECT_EQ(Snapshot(), before);
            continue;
        }
        ASSERT_NE(result.Pieces, 0);
        EXPECT_LT(PointDistance(result.At, *c.At), 1e-12);
        for (int i = 1; i <= drawing.Count; ++i) {
            const TCadData& piece = drawing[i];
            const Point ends[] = {{piece.X1, piece.Y1}, {piece.X2, piece.Y2}};
            if (piece.Kind != kKindLine) {
                EXPECT_NEAR(PointDistance(ends[0], {piece.Cx, piece.Cy}), piece.R, 1e-12);
                EXPECT_NEAR(PointDistance(ends[1], {piece.Cx, piece.Cy}), piece.R, 1e-12);
            }
            EXPECT_TRUE(PointDistance(ends[0], *c.At) < 1e-12 || PointDistance(ends[1], *c.At) < 1e-12);
        }
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
