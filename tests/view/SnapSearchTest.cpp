// The pick rules, the per-kind snaps, their order, the grid and the marker, as tables of cases.
#include "SnapFixtures.h"
#include "document/Layers.h"
#include "document/UndoHistory.h"
#include "view/QPainterSurface.h"
#include "view/SnapSearch.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace vantro {
namespace {

using namespace vantro::testing;

class SnapSearchTestBase : public ::testing::Test {
protected:
    void SetUp() override { SetEps(0.001f); }
};
using SnapSearchPick = SnapSearchTestBase;
using SnapSearchKinds = SnapSearchTestBase;
using SnapSearchOrder = SnapSearchTestBase;
using SnapSearchGrid = SnapSearchTestBase;
using SnapSearchIndex = SnapSearchTestBase;

TCadData Filled(TCadData e)
{
    e.Kind = kKindFilledRect;
    return e;
}

TCadData Grouped(TCadData e)
{
    e.Group = 1;
    return e;
}

TCadData OtherHalf(TCadData e)
{
    e.Y2 = -1;
    return e;
}

TCadData WithField(TCadData e, double TCadData::*field, double value)
{
    e.*field = value;
    return e;
}

struct PickCase {
    const char* Name;
    TCadData Element;
    Point Cursor;
    double Aperture;
    bool Hit;
    bool FillsShown = false;
};

TEST_F(SnapSearchPick, RulesByKind)
{
    const TCadData diagonal = Line(0, 0, 10, 10);
    const TCadData quarter = ArcElement(0, 0, 10, 0, 90);
    const TCadData acrossZero = ArcElement(0, 0, 10, 350, 20);
    const TCadData ellipse = EllipseElement(0, 0, 10, 0.5, 0);
    const TCadData text = BoxElement(kKindText, 0, 0, 20, 5, 5);
    const TCadData thinText = BoxElement(kKindText, 0, 0, 1, 5, 5);
    const TCadData dimension = DimensionElement(kKindDimAligned, {50, 50}, {0, 0}, {10, 0});
    const TCadData angle = DimensionElement(kKindDimAngle, {0, 0}, {10, 0}, {0, 0}, 5, kPi / 2);
    const TCadData curve = BoxElement(kKindCurveThroughPoints, 100, 100, 110, 110);
    const auto polar = [](double r, double degrees) { return RotatePointDeg({r, 0}, {0, 0}, degrees); };
    const std::vector<PickCase> cases = {
        {"line: the horizontal arm of the cross meets it", diagonal, {5, 5.5}, 1, true},
        {"line: a cross, not a distance (0.85 away, both arms miss)", diagonal, {5, 6.2}, 1, false},
        {"line: near end point 1 where the cross misses", Line(0, 0, 10, 0), {-0.6, 0.6}, 1, true},
        {"line: an end point just beyond t", Line(0, 0, 10, 0), {-0.7, 0.8}, 1, false},
        {"arc: on the ring inside the sweep", quarter, polar(10.5, 45), 1, true},
        {"arc: on the ring outside the sweep", quarter, polar(10, 135), 1, false},
        {"arc: near end point 1 just outside the sweep", quarter, {10.5, -0.2}, 1, true},
        {"arc across 0°: just above 0°", acrossZero, polar(10, 5), 0.5, true},
        {"arc across 0°: below 360°", acrossZero, polar(10, 355), 0.5, true},
        {"arc across 0°: past the end", acrossZero, polar(10, 15), 0.5, false},
        {"circle: within t of the ring", Circle(0, 0, 10), {0, -10.9}, 1, true},
        {"circle: t off the ring", Circle(0, 0, 10), {0, -11}, 1, false},
        {"circle marker: as a circle", RoundElement(kKindCrossCircle, 0, 0, 10), {7.1, 7.1}, 1, true},
        {"point: within t", PointElement(3, 4), {3.5, 4.5}, 1, true},
        {"point: outside t", PointElement(3, 4), {3.8, 4.8}, 1, false},
        {"ellipse: its drawn half", ellipse, {0, 5.2}, 0.5, true},
        {"ellipse: the half it does not draw", ellipse, {0, -5}, 0.5, false},
        {"ellipse: end-point-2 y negative puts it half a turn on", OtherHalf(ellipse), {0, -5}, 0.5, true},
        {"ellipse: ... and away from the first half", OtherHalf(ellipse), {0, 5}, 0.5, false},
        {"ellipse: radius 0 is skipped", WithField(ellipse, &TCadData::R, 0), {0, 0}, 1, false},
        {"ellipse: an end value beyond the radius is skipped", WithField(ellipse, &TCadData::X1, 11), {0, 5}, 1, false},
        {"filled rectangle: inside with fills shown", Filled(Line(0, 0, 10, 5)), {5, 2}, 1, true, true},
        {"filled rectangle: inside with fills hidden", Filled(Line(0, 0, 10, 5)), {5, 2}, 1, false, false},
        {"filled rectangle: on its edge", Filled(Line(0, 0, 10, 5)), {10, 2}, 1, false, true},
        {"text: inside its box", text, {10, 2}, 1, true},
        {"text: beside its box", text, {21, 2}, 1, false},
        {"text: a box thinner than h/2 is widened by h/2", thinText, {3, 2}, 1, true},
        {"dimension: near the position", dimension, {51.5, 51.5}, 1, true},
        {"dimension: the cross meets the dimension line", dimension, {46, 50.5}, 1, true},
        {"dimension: past the dimension line", dimension, {56.5, 50.5}, 1, false},
        {"angle dimension: near its reference point", angle, {0.5, 5.5}, 1, true},
        {"angle dimension: not at its position", angle, {0, 0}, 1, false},
        {"free curve: near an end point", curve, {100.3, 100.3}, 1, true},
        {"free curve: never at the origin (its position fields are 0)", curve, {0, 0}, 1, false},
        {"empty kind", Element(kKindEmpty), {0, 0}, 1, false},
    };
    LayerTable layers;
    ResetLayers(layers, nullptr);
    for (const PickCase& c : cases) {
        SCOPED_TRACE(c.Name);
        PickContext pick = PickAt(c.Cursor.X, c.Cursor.Y, c.Aperture);
        pick.FillsShown = c.FillsShown;
        EXPECT_EQ(IsElementNear(layers, c.Element, pick), c.Hit);
        EXPECT_TRUE(!c.Hit || IsInside(ElementPickBox(c.Element), c.Cursor, PickReach(pick)));
    }
}

struct FilterCase {
    const char* Name;
    TCadData Element;
    bool KindFilters::*Filter;  // unticked for the case; null: none
    bool HideLayer;
};

TEST_F(SnapSearchPick, LayersAndKindFilters)
{
    const std::vector<FilterCase> cases = {
        {"lines filtered", Line(-5, 0, 5, 0), &KindFilters::Lines, false},
        {"arcs filtered", ArcElement(0, -5, 5, 0, 180), &KindFilters::Arcs, false},
        {"circles filtered with the arcs", Circle(0, -5, 5), &KindFilters::Arcs, false},
        {"points filtered", PointElement(0, 0), &KindFilters::Points, false},
        {"dimensions filtered", DimensionElement(kKindDimX, {0, 0}, {-5, 0}, {5, 0}), &KindFilters::Dimensions, false},
        {"texts filtered", BoxElement(kKindText, -5, -1, 5, 1, 2), &KindFilters::Texts, false},
        {"grouped elements filtered", Grouped(Line(-5, 0, 5, 0)), &KindFilters::Groups, false},
        {"hidden layer", Line(-5, 0, 5, 0), nullptr, true},
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TCadData element = c.Element;
        element.Layer = 2;
        LayerTable layers;
        ResetLayers(layers, nullptr);
        const PickContext pick = PickAt(0, 0, 1);
        ASSERT_TRUE(IsElementNear(layers, element, pick));
        if (c.Filter != nullptr) layers.Filters.*c.Filter = false;
        if (c.HideLayer) SetLayerVisible(layers, 2, false);
        EXPECT_FALSE(IsElementNear(layers, element, pick));
    }
}

TEST_F(SnapSearchPick, FindsTheFirstHitFromStart)
{
    Drawing drawing;
    PutElement(drawing, EllipseElement(0, 0, 0, 0.5, 0));  // malformed: skipped
    PutElement(drawing, Line(100, 100, 110, 110));
    PutElement(drawing, Line(-5, 0, 5, 0));
    PutElement(drawing, Circle(0, 5, 5));
    ElementIndex index;
    const PickContext pick = PickAt(0, 0.2, 1);
    EXPECT_EQ(FindElementNear(drawing, index, pick, 1), 3);
    EXPECT_EQ(FindElementNear(drawing, index, pick, 4), 4);
    EXPECT_EQ(FindElementNear(drawing, index, pick, 5), 0);
    EXPECT_EQ(ElementsNear(drawing, index, pick, 1), (std::vector<int>{3, 4}));
    EXPECT_EQ(FindElementNear(drawing, index, PickAt(0, 0.2, 0), 1), 0);
}

enum class Op { Point, EndPoint, Intersection, MidPoint, Quadrant, Perpendicular, CentreOnCircumference, Nearest };

bool RunOp(Op op, const TCadData& e, const TCadData& partner, const SnapContext& context, Point& out)
{
    switch (op) {
    case Op::Point: return SnapPoint(e, context, out);
    case Op::EndPoint: return SnapEndPoint(e, context, out);
    case Op::Intersection: return SnapIntersection(e, partner, context, out);
    case Op::MidPoint: return SnapMidPoint(e, context, out);
    case Op::Quadrant: return SnapQuadrant(e, context, out);
    case Op::Perpendicular: return SnapPerpendicular(e, context, out);
    case Op::CentreOnCircumference: return SnapCentreOnCircumference(e, context, out);
    case Op::Nearest: return SnapNearest(e, context, out);
    }
    return false;
}

struct KindCase {
    const char* Name;
    Op Operation;
    TCadData Element;
    Point Cursor;
    bool Found;
    Point Expected{};
    TCadData Partner{};
    SnapConstraint Constraint = SnapConstraint::None;
    int Shift = 0;
    Point Reference{};
    std::optional<double> LineAngle{};
};

TEST_F(SnapSearchKinds, PointsByKind)
{
    const TCadData horizontal = Line(0, 0, 10, 0);
    const TCadData vertical = Line(5, -5, 5, 5);
    const TCadData circle = Circle(0, 0, 10);
    const TCadData tiny = Circle(0, 0, 0.3);
    const TCadData quarter = ArcElement(0, 0, 10, 0, 90);
    const double h = 10 * std::sqrt(0.5);
    const double tangentY = std::sqrt(75.0);
    const std::vector<KindCase> cases = {
        {"point: within t", Op::Point, PointElement(1, 1), {1.5, 1.5}, true, {1, 1}},
        {"point: other kinds give none", Op::Point, Circle(1, 1, 0), {1, 1}, false},
        {"end point: end 1 first", Op::EndPoint, Line(0, 0, 0.5, 0), {0.2, 0}, true, {0, 0}},
        {"end point: end 2", Op::EndPoint, horizontal, {9.5, 0.5}, true, {10, 0}},
        {"end point: an arc's end 2", Op::EndPoint, quarter, {0.5, 9.5}, true, {quarter.X2, quarter.Y2}},
        {"end point: an ellipse piece's far end", Op::EndPoint, EllipseElement(0, 0, 10, 0.5, 0), {-9.5, 0}, true,
         {-10, 0}},
        {"end point: a circle has none", Op::EndPoint, circle, {10, 0}, false},
        {"intersection: two lines", Op::Intersection, horizontal, {5.5, 0.5}, true, {5, 0}, vertical},
        {"intersection: line and circle, the crossing nearer the cursor", Op::Intersection, Line(-20, 0, 20, 0),
         {-9.5, 0.5}, true, {-10, 0}, circle},
        {"intersection: circle and line, either order", Op::Intersection, circle, {9.5, 0.5}, true, {10, 0},
         Line(-20, 0, 20, 0)},
        {"intersection: an arc counts as its full circle", Op::Intersection, quarter, {-9.5, 0.5}, true, {-10, 0},
         Line(-20, 0, 20, 0)},
        {"intersection: two circles", Op::Intersection, circle, {6, 8.5}, true, {6, 8}, Circle(12, 0, 10)},
        {"intersection: farther than t", Op::Intersection, horizontal, {5, 1.2}, false, {}, vertical},
        {"intersection: a point has none", Op::Intersection, PointElement(5, 0), {5, 0}, false, {}, vertical},
        {"midpoint: a line", Op::MidPoint, horizontal, {5.5, 0.5}, true, {5, 0}},
        {"midpoint: an arc, on the bisector of its chord", Op::MidPoint, quarter, {h, h + 0.5}, true, {h, h}},
        {"midpoint: a half circle, whose chord passes through the centre", Op::MidPoint, ArcElement(0, 0, 10, 0, 180),
         {0.3, 9.6}, true, {0, 10}},
        {"midpoint: both points within t gives the second", Op::MidPoint, ArcElement(0, 0, 0.3, 0, 90), {0, 0}, true,
         {-0.3 * std::sqrt(0.5), -0.3 * std::sqrt(0.5)}},
        {"midpoint: a circle has none", Op::MidPoint, circle, {10, 0}, false},
        {"quadrant: right, left, top, bottom in that order", Op::Quadrant, tiny, {0, 0}, true, {0.3, 0}},
        {"quadrant: the bottom", Op::Quadrant, circle, {0.5, -9.5}, true, {0, -10}},
        {"perpendicular: foot on a line within 2t", Op::Perpendicular, horizontal, {5.9, 1.5}, true, {5, 0}, {}, SnapConstraint::None, 0,
         {5, 5}},
        {"perpendicular: foot beyond 2t", Op::Perpendicular, horizontal, {7.1, 0}, false, {}, {}, SnapConstraint::None, 0, {5, 5}},
        {"perpendicular: circle on the line through the centre", Op::Perpendicular, circle, {10.5, 0.5}, true, {10, 0},
         {}, SnapConstraint::None, 0, {20, 0}},
        {"perpendicular: else a tangent point", Op::Perpendicular, circle, {5.5, -tangentY}, true, {5, -tangentY}, {},
         SnapConstraint::None, 0, {20, 0}},
        {"perpendicular: horizontal-line command, the top", Op::Perpendicular, circle, {1.5, 9}, true, {0, 10}, {}, SnapConstraint::HorizontalLine},
        {"perpendicular: horizontal-line command, else the bottom", Op::Perpendicular, circle, {1.5, -9}, true,
         {0, -10}, {}, SnapConstraint::HorizontalLine},
        {"perpendicular: vertical-line command, the left", Op::Perpendicular, circle, {-9, 1}, true, {-10, 0}, {}, SnapConstraint::VerticalLine},
        {"perpendicular: angle-line command, touching at angle + 90°", Op::Perpendicular, circle, {-1, 9.5}, true,
         {0, 10}, {}, SnapConstraint::AngleLine, 0, {}, 0.0},
        {"perpendicular: angle-line command without a readable angle", Op::Perpendicular, circle, {0, 10}, false, {},
         {}, SnapConstraint::AngleLine},
        {"perpendicular: Shift constrains through the reference, no aperture", Op::Perpendicular, vertical, {10.3, 3},
         true, {5, 0}, {}, SnapConstraint::None, 1},
        {"perpendicular: Shift with the left button on a circle", Op::Perpendicular, circle, {3, 30}, true, {0, 10}, {}, SnapConstraint::None, 9},
        {"centre on circumference", Op::CentreOnCircumference, quarter, {10, 0}, true, {0, 0}},
        {"centre on circumference: not for a line", Op::CentreOnCircumference, horizontal, {10, 0}, false},
        {"nearest: where the cross meets a line", Op::Nearest, horizontal, {3, 0.4}, true, {3, 0}},
        {"nearest: a circle, towards the cursor", Op::Nearest, circle, {0, 10.4}, true, {0, 10}},
        {"nearest: a point has none", Op::Nearest, PointElement(0, 0), {0, 0}, false},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.Name);
        SnapContext context;
        context.Pick = PickAt(c.Cursor.X, c.Cursor.Y, 1);
        context.Constraint = c.Constraint;
        context.Shift = c.Shift;
        context.Reference = c.Reference;
        context.LineAngle = c.LineAngle;
        Point out{12345, 12345};
        ASSERT_EQ(RunOp(c.Operation, c.Element, c.Partner, context, out), c.Found);
        if (!c.Found) continue;
        EXPECT_NEAR(out.X, c.Expected.X, 1e-9);
        EXPECT_NEAR(out.Y, c.Expected.Y, 1e-9);
    }
}

// Each kind enabled alone, then all of them: the first enabled kind in the fixed order wins.
struct OrderCase {
    const char* Name;
    std::vector<int> Boxes;  // CheckBoxSnap numbers ticked
    Point Cursor;
    SnapKind Kind;
    int Cursor_;
    Point Expected;
};

TEST_F(SnapSearchOrder, FirstEnabledKindWins)
{
    // Two lines crossing at (2, 0), and an upper half circle about (2, 5) clear of them.
    Drawing drawing;
    PutElement(drawing, Line(0, 0, 4, 0));
    PutElement(drawing, Line(2, -3, 2, 2));
    PutElement(drawing, ArcElement(2, 5, 1.5, 0, 180));
    const ViewState view = ScaledView(10);  // t = 0.6 mm
    const std::vector<OrderCase> cases = {
        {"end point", {1}, {0.1, 0.1}, SnapKind::EndPoint, 2, {0, 0}},
        {"intersection", {2}, {2.1, 0.1}, SnapKind::Intersection, 1, {2, 0}},
        {"midpoint", {3}, {2.1, 0.1}, SnapKind::MidPoint, 3, {2, 0}},
        {"centre near the cursor", {4}, {2.3, 5.2}, SnapKind::Centre, 4, {2, 5}},
        {"quadrant of the arc", {6}, {0.6, 5.1}, SnapKind::Quadrant, 8, {0.5, 5}},
        {"nearest", {8}, {1, 0.3}, SnapKind::Nearest, 6, {1, 0}},
        {"centre from the circumference", {9}, {2, 6.6}, SnapKind::CentreOnCircumference, 4, {2, 5}},
        {"point element: none here", {5}, {1, 0.3}, SnapKind::None, 0, {}},
        {"end point before intersection", {1, 2}, {0.1, 0.1}, SnapKind::EndPoint, 2, {0, 0}},
        {"intersection before midpoint", {2, 3}, {2.1, 0.1}, SnapKind::Intersection, 1, {2, 0}},
        {"centre check before everything", {1, 2, 3, 4, 5, 6, 7, 8, 9}, {2.1, 5.1}, SnapKind::Centre, 4, {2, 5}},
        {"quadrant before nearest", {6, 8}, {0.6, 5.1}, SnapKind::Quadrant, 8, {0.5, 5}},
        {"centre on circumference before nearest", {8, 9}, {2, 6.6}, SnapKind::CentreOnCircumference, 4, {2, 5}},
        {"each element tries every kind before the next: the line's nearest point", {6, 8}, {0.6, 0.1},
         SnapKind::Nearest, 6, {0.6, 0}},
    };
    ElementIndex index;
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.Name);
        SnapOptions options;
        for (int box : c.Boxes) options.Kinds[static_cast<size_t>(box - 1)] = true;
        const SnapResult result = SearchSnap(drawing, view, options, MouseAt(view, c.Cursor.X, c.Cursor.Y), index);
        EXPECT_EQ(result.Found, c.Kind != SnapKind::None);
        EXPECT_EQ(result.Kind, c.Kind);
        EXPECT_EQ(result.Cursor, c.Cursor_);
        if (!result.Found) continue;
        EXPECT_NEAR(result.Position.X, c.Expected.X, 1e-9);
        EXPECT_NEAR(result.Position.Y, c.Expected.Y, 1e-9);
    }
}

SnapOptions OnlyKinds(std::initializer_list<int> boxes)
{
    SnapOptions options;
    for (int box : boxes) options.Kinds[static_cast<size_t>(box - 1)] = true;
    return options;
}

TEST_F(SnapSearchOrder, EndPointBeatsANearbyCrossing)
{
    Drawing drawing;
    PutElement(drawing, Line(0, 0, 10, 0));
    PutElement(drawing, Line(0.3, -5, 0.3, 5));
    const ViewState view = ScaledView(10);
    ElementIndex index;
    const SnapResult result = SearchSnap(drawing, view, OnlyKinds({1, 2}), MouseAt(view, 0.2, 0.1), index);
    EXPECT_EQ(result.Kind, SnapKind::EndPoint);
    EXPECT_EQ(result.Position, (Point{0, 0}));
}

TEST_F(SnapSearchOrder, IntersectionPartnerIsTheNextElementHit)
{
    const ViewState view = ScaledView(10);
    const SnapOptions options = OnlyKinds({2});
    {
        SCOPED_TRACE("(1, 2) do not cross, (2, 3) do: found on the second round");
        Drawing drawing;
        PutElement(drawing, Line(-5, 0.3, 5, 0.3));
        PutElement(drawing, Line(-5, 0.2, 5, 0.2));
        PutElement(drawing, Line(0, -5, 0, 5));
        ElementIndex index;
        const SnapResult result = SearchSnap(drawing, view, options, MouseAt(view, 0, 0.2), index);
        EXPECT_EQ(result.Kind, SnapKind::Intersection);
        EXPECT_NEAR(result.Position.X, 0, 1e-12);
        EXPECT_NEAR(result.Position.Y, 0.2, 1e-12);
    }
    {
        SCOPED_TRACE("1 crosses 3 only, and 2 stands between them");
        Drawing drawing;
        PutElement(drawing, Line(-5, 0, 5, 0));
        PutElement(drawing, PointElement(0.3, 0.6));
        PutElement(drawing, Line(0, -5, 0, 5));
        ElementIndex index;
        EXPECT_FALSE(SearchSnap(drawing, view, options, MouseAt(view, 0.3, 0.3), index).Found);
    }
}

TEST_F(SnapSearchOrder, QuadrantOfAnArcOutsideItsSweep)
{
    Drawing drawing;
    PutElement(drawing, ArcElement(0, 0, 10, 5, 80));  // found near its end 1, at 5°
    const ViewState view = ScaledView(10);
    ElementIndex index;
    const SnapResult result = SearchSnap(drawing, view, OnlyKinds({6}), MouseAt(view, 10, 0.5), index);
    EXPECT_EQ(result.Kind, SnapKind::Quadrant);
    EXPECT_EQ(result.Position, (Point{10, 0}));
}

TEST_F(SnapSearchOrder, CtrlAndTheLockTurnElementSnapsOffButNotTheGrid)
{
    Drawing drawing;
    PutElement(drawing, PointElement(0, 0));
    ViewState view = ScaledView(10);
    ElementIndex index;
    SnapOptions options = OnlyKinds({5});
    SnapInput input = MouseAt(view, 0.1, 0.1);
    ASSERT_EQ(SearchSnap(drawing, view, options, input, index).Kind, SnapKind::Point);
    input.Shift = 4;  // Ctrl alone
    EXPECT_FALSE(SearchSnap(drawing, view, options, input, index).Found);
    input.Shift = 4 | 8;  // Ctrl with a button held snaps
    EXPECT_TRUE(SearchSnap(drawing, view, options, input, index).Found);
    input.Shift = 0;
    options.Locked = true;
    EXPECT_FALSE(SearchSnap(drawing, view, options, input, index).Found);
    view.Grid.Pattern = GridPattern::Dots;
    UpdateGridOrigin(view);
    EXPECT_EQ(SearchSnap(drawing, view, options, input, index).Kind, SnapKind::Grid);
}

TEST_F(SnapSearchOrder, CentreCheckSkipsHiddenLayersAndFilteredArcs)
{
    Drawing drawing;
    PutElement(drawing, Circle(0, 0, 5));
    drawing[1].Layer = 2;
    const ViewState view = ScaledView(10);
    ElementIndex index;
    const SnapOptions options = OnlyKinds({4});
    const SnapInput input = MouseAt(view, 0.3, -0.3);
    ASSERT_EQ(SearchSnap(drawing, view, options, input, index).Kind, SnapKind::Centre);
    drawing.Layers.Filters.Arcs = false;
    EXPECT_FALSE(SearchSnap(drawing, view, options, input, index).Found);
    drawing.Layers.Filters.Arcs = true;
    SetLayerVisible(drawing.Layers, 2, false);
    EXPECT_FALSE(SearchSnap(drawing, view, options, input, index).Found);
}

struct GridCase {
    const char* Name;
    int Pick;
    Point Cursor;
    bool Found;
    Point Expected;
};

TEST_F(SnapSearchGrid, FirstGridPointOnTheCanvas)
{
    // Pitch 10, 20 × 20 points about the origin (position 4): -100 .. 100 in x and y.
    ViewState view = ScaledView(2);  // the canvas shows x -250..250, y -150..150
    view.Grid.Pattern = GridPattern::Lines;
    UpdateGridOrigin(view);
    const std::vector<GridCase> cases = {
        {"the nearest point", 6, {-49, 31}, true, {-50, 30}},
        {"beyond t in x", 6, {-46, 30}, false, {}},
        {"a wide aperture takes the first column and row that fit", 60, {0, 0}, true, {-20, -20}},
        {"outside the grid", 6, {120, 0}, false, {}},
    };
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.Name);
        SnapOptions options;
        options.PickAperture = c.Pick;
        SnapResult result;
        const SnapContext context = MakeSnapContext(view, options, MouseAt(view, c.Cursor.X, c.Cursor.Y));
        ASSERT_EQ(SnapToGrid(view, context, result), c.Found);
        if (!c.Found) continue;
        EXPECT_EQ(result.Position, c.Expected);
        EXPECT_EQ(result.Kind, SnapKind::Grid);
        EXPECT_EQ(result.Cursor, 0);
    }
    SCOPED_TRACE("points off the canvas are not offered");
    view.OriginX = 20;  // x = -10 now lies at pixel 0
    SnapOptions options;
    options.PickAperture = 60;
    SnapResult result;
    ASSERT_TRUE(SnapToGrid(view, MakeSnapContext(view, options, MouseAt(view, -10, 0)), result));
    EXPECT_EQ(result.Position.X, 0);
    view.Grid.Pattern = GridPattern::None;
    EXPECT_FALSE(SnapToGrid(view, MakeSnapContext(view, options, MouseAt(view, 0, 0)), result));
}

TEST(SnapSearchMarker, DrawnTwiceRestoresTheCanvas)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    const QImage before = image;
    {
        QPainterSurface surface(image);
        surface.SetPen({0x123456, 1, kStyleDash, PenMode::Copy});
        DrawSnapMarker(surface, {20, 20}, 6);
        EXPECT_EQ(surface.CurrentPen(), (Pen{0x123456, 1, kStyleDash, PenMode::Copy}));
    }
    EXPECT_NE(image.pixel(14, 20), before.pixel(14, 20));  // on the outline
    EXPECT_EQ(image.pixel(20, 20), before.pixel(20, 20));  // inside stays
    {
        QPainterSurface surface(image);
        DrawSnapMarker(surface, {20, 20}, 6);
    }
    EXPECT_EQ(image, before);
}

TEST_F(SnapSearchIndex, FollowsEveryChangeOfTheDrawing)
{
    Drawing drawing;
    ElementIndex index;
    const PickContext pick = PickAt(0, 0, 1);
    EXPECT_EQ(FindElementNear(drawing, index, pick, 1), 0);
    PutElement(drawing, Line(-5, 0, 5, 0));
    EXPECT_EQ(FindElementNear(drawing, index, pick, 1), 1);
    RecordUndo(drawing, BeginUndoStep(drawing), kActionModified, 1);
    drawing[1].Y1 = drawing[1].Y2 = 20;
    EXPECT_EQ(FindElementNear(drawing, index, pick, 1), 0);
    Undo(drawing);
    EXPECT_EQ(FindElementNear(drawing, index, pick, 1), 1);
    Redo(drawing);
    EXPECT_EQ(FindElementNear(drawing, index, PickAt(0, 20, 1), 1), 1);
    Delete(drawing, 1, true);
    EXPECT_EQ(FindElementNear(drawing, index, PickAt(0, 20, 1), 1), 0);
    SCOPED_TRACE("another drawing through the same index");
    Drawing other;
    PutElement(other, PointElement(0, 0));
    EXPECT_EQ(FindElementNear(other, index, pick, 1), 1);
    EXPECT_EQ(FindElementNear(drawing, index, pick, 1), 0);
}

}  // namespace
}  // namespace vantro
