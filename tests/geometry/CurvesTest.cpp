#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/CurvePoints.h"
#include "geometry/CurvePolyline.h"
#include "geometry/Curves.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace vantro {
namespace {

using testing::ScriptedDialogs;

// Single-precision evaluation keeps the curve within this of its exact values here.
constexpr double kSingle = 1e-4;

double Cross(Point o, Point a, Point b) { return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X); }

double TurnDegrees(Point a, Point b, Point c)
{
    const double first = std::atan2(b.Y - a.Y, b.X - a.X);
    const double second = std::atan2(c.Y - b.Y, c.X - b.X);
    double turn = std::abs(second - first);
    if (turn > kPi) turn = 2 * kPi - turn;
    return RadToDeg(turn);
}

class Curves : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetEps(0.001f);
        drawing.Dialogs = &dialogs;
    }
    void TearDown() override { SetEps(kInitialEps); }

    int AddCurve(int8_t kind, const std::vector<Point>& points)
    {
        for (size_t i = 0; i < points.size(); ++i) AddCurvePoint(drawing, attributes, kind, points[i], i == 0);
        return drawing.Count;
    }

    Drawing drawing;
    ScriptedDialogs dialogs;
    CurrentAttributes attributes;
};

TEST(CurvePointText, FormatsEachNumberShortAndReadsBack)
{
    const struct {
        Point p;
        const char* text;
    } cases[] = {
        {{10, 5.5}, "10,5.5,"},
        {{-2.34567, 0.0004}, "-2.346,0,"},
        {{1234.125, -7}, "1234.125,-7,"},
    };
    std::string text;
    std::vector<Point> expected;
    for (const auto& c : cases) {
        EXPECT_EQ(FormatCurvePoint(c.p), c.text);
        text += FormatCurvePoint(c.p);
        expected.push_back(*ParseCurvePoints(c.text)->begin());
    }
    const auto read = ParseCurvePoints(text);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, expected);
    EXPECT_EQ(FormatCurvePoint((*read)[1]), "-2.346,0,");
}

TEST(CurvePolylines, TheSplinePassesThroughItsPointsWithFinenessSegmentsPerSpan)
{
    SetEps(0.001f);
    const std::vector<Point> points{{0, 0}, {10, 5}, {20, -3}, {30, 4}, {40, 0}};
    for (const int fineness : {1, 4, 10}) {
        SCOPED_TRACE(fineness);
        const std::vector<Point> polyline = SplineThroughPoints(points, fineness);
        ASSERT_EQ(polyline.size(), 4u * static_cast<size_t>(fineness) + 1);
        for (size_t k = 0; k < points.size(); ++k) {
            EXPECT_NEAR(polyline[k * static_cast<size_t>(fineness)].X, points[k].X, kSingle);
            EXPECT_NEAR(polyline[k * static_cast<size_t>(fineness)].Y, points[k].Y, kSingle);
        }
        EXPECT_EQ(polyline.front(), points.front());
        EXPECT_EQ(polyline.back(), points.back());
    }
    // Natural ends: the spline leaves the first point curving less than a cubic through it would,
    // and in between it stays smooth (no corner between neighbouring segments).
    const std::vector<Point> fine = SplineThroughPoints(points, 20);
    for (size_t i = 1; i + 1 < fine.size(); ++i) EXPECT_LT(TurnDegrees(fine[i - 1], fine[i], fine[i + 1]), 12) << i;
    SetEps(kInitialEps);
}

TEST(CurvePolylines, TwoPointsGiveTheStraightSegmentInEvenSteps)
{
    const std::vector<Point> polyline = SplineThroughPoints({{1, 1}, {11, 6}}, 10);
    ASSERT_EQ(polyline.size(), 11u);
    for (size_t k = 0; k < polyline.size(); ++k) {
        EXPECT_NEAR(polyline[k].X, 1 + static_cast<double>(k), kSingle);
        EXPECT_NEAR(polyline[k].Y, 1 + 0.5 * static_cast<double>(k), kSingle);
    }
}

TEST(CurvePolylines, AClosedCurveRunsSmoothlyThroughItsClosingPoint)
{
    SetEps(0.001f);
    const std::vector<Point> closed{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    EXPECT_TRUE(IsClosedCurve(closed));
    const std::vector<Point> polyline = SplineThroughPoints(closed, 10);
    ASSERT_EQ(polyline.size(), 41u);
    EXPECT_EQ(polyline.front(), polyline.back());
    const size_t n = polyline.size();
    EXPECT_LT(TurnDegrees(polyline[n - 2], polyline[0], polyline[1]), 12);
    // The same points read as an open curve make a corner there.
    const std::vector<Point> open = SplineThroughPoints({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0.01}}, 10);
    EXPECT_GT(TurnDegrees(open[open.size() - 2], open[0], open[1]), 45);

    EXPECT_FALSE(IsClosedCurve({{0, 0}, {10, 0}, {0, 0.0005}}));
    EXPECT_TRUE(IsClosedCurve({{0, 0}, {10, 0}, {5, 5}, {0, 0.0005}}));
    EXPECT_FALSE(IsClosedCurve({{0, 0}, {10, 0}, {5, 5}, {0, 0.002}}));
    SetEps(kInitialEps);
}

TEST(CurvePolylines, TheControlPointCurveStaysInsideItsControlPolygon)
{
    const std::vector<Point> p{{0, 0}, {10, 20}, {20, -5}, {30, 15}, {40, 0}};
    const int fineness = 8;
    const std::vector<Point> polyline = CurveByControlPoints(p, fineness);
    ASSERT_EQ(polyline.size(), 3u * fineness + 1);
    EXPECT_EQ(polyline.front(), MidPoint(p[0], p[1]));
    EXPECT_EQ(polyline.back(), MidPoint(p[3], p[4]));
    // Each piece lies in the triangle of its two edge midpoints and its control point.
    for (size_t j = 0; j < polyline.size(); ++j) {
        const size_t i = std::min<size_t>(j / fineness, 2) + 1;
        const Point m = MidPoint(p[i - 1], p[i]);
        const Point n = MidPoint(p[i], p[i + 1]);
        const double s1 = Cross(m, p[i], polyline[j]);
        const double s2 = Cross(p[i], n, polyline[j]);
        const double s3 = Cross(n, m, polyline[j]);
        const bool inside = (s1 >= -kSingle && s2 >= -kSingle && s3 >= -kSingle) ||
                            (s1 <= kSingle && s2 <= kSingle && s3 <= kSingle);
        EXPECT_TRUE(inside) << "vertex " << j;
    }
}

TEST(CurvePolylines, ThreeControlPointsMakeOneParabolicArcTangentToBothEdges)
{
    const std::vector<Point> p{{0, 0}, {10, 10}, {20, 0}};
    const std::vector<Point> polyline = CurveByControlPoints(p, 10);
    ASSERT_EQ(polyline.size(), 11u);
    EXPECT_EQ(polyline.front(), (Point{5, 5}));
    EXPECT_EQ(polyline.back(), (Point{15, 5}));
    EXPECT_NEAR(polyline[5].X, 10, kSingle);
    EXPECT_NEAR(polyline[5].Y, 7.5, kSingle);
    // Tangent to the control edges: with fine steps the end segments turn along them.
    const std::vector<Point> fine = CurveByControlPoints(p, 1000);
    EXPECT_LT(TurnDegrees(p[0], fine[0], fine[1]), 0.1);
    EXPECT_LT(TurnDegrees(fine[fine.size() - 2], fine.back(), p[2]), 0.1);
}

TEST_F(Curves, PointsExtendTheCurveUntilTheLimit)
{
    EXPECT_EQ(AddCurvePoint(drawing, attributes, kKindCurveThroughPoints, {1, 2}, true), CurvePointResult::Started);
    EXPECT_EQ(AddCurvePoint(drawing, attributes, kKindCurveThroughPoints, {5, 2.5}, false), CurvePointResult::Added);
    // Within Eps of the end point: nothing.
    EXPECT_EQ(AddCurvePoint(drawing, attributes, kKindCurveThroughPoints, {5.0005, 2.5}, false),
              CurvePointResult::Ignored);
    // Another kind does not extend it.
    EXPECT_EQ(AddCurvePoint(drawing, attributes, kKindCurveByControlPoints, {9, 9}, false), CurvePointResult::Ignored);
    ASSERT_EQ(drawing.Count, 1);
    const TCadData& curve = drawing[1];
    EXPECT_EQ(curve.Text, "1,2,5,2.5,");
    EXPECT_EQ(curve.X1, 1);
    EXPECT_EQ(curve.Y1, 2);
    EXPECT_EQ(curve.X2, 5);
    EXPECT_EQ(curve.Y2, 2.5);
    EXPECT_EQ(curve.Group, 0);
    EXPECT_EQ(drawing.History.UndoRecords.size(), 1u);

    for (int i = 3; i <= 50; ++i)
        ASSERT_EQ(AddCurvePoint(drawing, attributes, kKindCurveThroughPoints, {10.0 + i, 0}, false),
                  CurvePointResult::Added);
    EXPECT_EQ(AddCurvePoint(drawing, attributes, kKindCurveThroughPoints, {100, 0}, false), CurvePointResult::Refused);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"設定最大数(50ポイント)を超えました。新規に作図して下さい。"});
    EXPECT_EQ(ParseCurvePoints(drawing[1].Text)->size(), 50u);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 0);
}

TEST_F(Curves, AControlPointCurveStartsAtTheMiddleOfItsFirstEdge)
{
    const int index = AddCurve(kKindCurveByControlPoints, {{0, 0}, {10, 4}, {20, 0}});
    EXPECT_EQ(drawing[index].X1, 5);
    EXPECT_EQ(drawing[index].Y1, 2);
    EXPECT_EQ(drawing[index].X2, 20);
}

TEST_F(Curves, ConversionToLinesGivesOneGroupedLinePerSegmentInOneUndoStep)
{
    struct Case {
        int8_t kind;
        int lines;  // with fineness 10 and five points
    };
    for (const Case c : {Case{kKindCurveThroughPoints, 40}, Case{kKindCurveByControlPoints, 30}}) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        Drawing fresh;
        drawing = std::move(fresh);
        drawing.MaxGroup = 4;
        const int index = AddCurve(c.kind, {{0, 0}, {10, 5}, {20, -3}, {30, 4}, {40, 0}});
        const TCadData curve = drawing[index];
        EXPECT_EQ(CurveToLines(drawing, attributes, index, 10), c.lines);
        ASSERT_EQ(drawing.Count, c.lines);
        for (int i = 1; i <= drawing.Count; ++i) {
            EXPECT_EQ(drawing[i].Kind, kKindLine);
            EXPECT_EQ(drawing[i].Group, 5);
        }
        const auto polyline = CurvePolyline(curve, 10);
        EXPECT_NEAR(drawing[1].X1, polyline->front().X, 1e-9);
        EXPECT_NEAR(drawing[drawing.Count].X2, polyline->back().X, 1e-9);
        Undo(drawing);
        ASSERT_EQ(drawing.Count, 1);
        EXPECT_EQ(drawing[1].Text, curve.Text);
    }
}

TEST_F(Curves, TheCurveCommandEndsInLinesOnlyWithPejeChk)
{
    AddCurve(kKindCurveThroughPoints, {{0, 0}, {10, 5}, {20, 0}});
    EXPECT_EQ(FinishCurve(drawing, attributes, false, 10), 0);
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_EQ(FinishCurve(drawing, attributes, true, 10), 20);
    EXPECT_EQ(drawing.Count, 20);
}

TEST_F(Curves, ACurveWhoseTextCannotBeReadStaysAsItIs)
{
    TCadData broken{};
    broken.Kind = kKindCurveThroughPoints;
    broken.Text = "1,2,x,4,";
    Append(drawing, true);
    drawing[1] = broken;
    EXPECT_FALSE(CurvePolyline(broken, 10));
    EXPECT_EQ(CurveToLines(drawing, attributes, 1, 10), 0);
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing.MaxGroup, 0);
}

}  // namespace
}  // namespace vantro
