#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/Candidates.h"
#include "geometry/Constructions.h"
#include "geometry/TangentConstructions.h"
#include "geometry/TangentSolvers.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace vantro {
namespace {

using testing::ScriptedDialogs;

TangentObject LineObject(Point a, Point b, Point pick)
{
    TangentObject o;
    o.Type = TangentObjectType::Line;
    o.A = a;
    o.B = b;
    o.Pick = pick;
    return o;
}

TangentObject LineObject(Point a, Point b) { return LineObject(a, b, MidPoint(a, b)); }

TangentObject CircleObject(Point c, double r)
{
    TangentObject o;
    o.Type = TangentObjectType::Circle;
    o.A = c;
    o.Radius = r;
    o.Pick = {c.X + r, c.Y};
    return o;
}

// Whether p lies on the line, on the circle, or is the point.
bool OnObject(const TangentObject& o, Point p)
{
    switch (o.Type) {
    case TangentObjectType::Line: return DistanceToLine({o.A, o.B}, p) < 1e-9;
    case TangentObjectType::Circle: return std::abs(PointDistance(o.A, p) - o.Radius) < 1e-9;
    default: return PointDistance(o.A, p) < 1e-9;
    }
}

class Tangents : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetEps(0.001f);
        drawing.Dialogs = &dialogs;
        attributes.LineStyle = kStyleDash;
        attributes.Width = 3;
    }
    void TearDown() override { SetEps(kInitialEps); }

    // An empty drawing for the next case of a table; the messages shown so far are kept.
    void Restart()
    {
        drawing = Drawing();
        drawing.Dialogs = &dialogs;
    }

    std::vector<TCadData> Candidates() const
    {
        std::vector<TCadData> result;
        for (int i = drawing.Count - drawing.CandidateCount + 1; i <= drawing.Count; ++i) result.push_back(drawing[i]);
        return result;
    }

    // Every circle made (candidate or kept) touches every line and circle object and passes
    // through every point.
    void ExpectAllTangent(const std::vector<TangentObject>& objects) const
    {
        for (int i = 1; i <= drawing.Count; ++i) {
            const TCadData& c = drawing[i];
            SCOPED_TRACE(::testing::Message() << "candidate at (" << c.Cx << ", " << c.Cy << ") r " << c.R);
            EXPECT_TRUE(TouchesAll({c.Cx, c.Cy}, c.R, objects.data(), static_cast<int>(objects.size())));
            for (const TangentObject& o : objects) {
                if (o.Type != TangentObjectType::Point) continue;
                EXPECT_NEAR(PointDistance({c.Cx, c.Cy}, o.A), c.R, Eps());
            }
        }
    }

    std::vector<double> SortedRadii() const
    {
        std::vector<double> radii;
        for (const TCadData& c : Candidates()) radii.push_back(c.R);
        std::sort(radii.begin(), radii.end());
        return radii;
    }

    Drawing drawing;
    ScriptedDialogs dialogs;
    CurrentAttributes attributes;
};

TEST_F(Tangents, ATriangleGivesItsInscribedAndThreeEscribedCirclesAsHighlightedCandidates)
{
    const std::vector<TangentObject> sides{LineObject({0, 0}, {4, 0}), LineObject({4, 0}, {0, 3}),
                                           LineObject({0, 3}, {0, 0})};
    EXPECT_EQ(CircleTangentTo3(drawing, attributes, sides[0], sides[1], sides[2]), 4);
    EXPECT_EQ(drawing.CandidateCount, 4);
    ExpectAllTangent(sides);
    // The 3-4-5 triangle: inradius 1, exradii area / (s − side) = 2, 3 and 6.
    const std::vector<double> radii = SortedRadii();
    ASSERT_EQ(radii.size(), 4u);
    for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(radii[i], (std::array{1.0, 2.0, 3.0, 6.0})[i], 1e-9);
    for (const TCadData& c : Candidates()) {
        EXPECT_EQ(c.Id, 0);
        EXPECT_EQ(c.Selected, 1);
        EXPECT_EQ(c.LineStyle, kStyleSolid);
        EXPECT_EQ(c.Width, 2);
    }
    EXPECT_TRUE(drawing.History.UndoRecords.empty());
}

TEST_F(Tangents, ChoosingACandidateKeepsItAsANormalElementAndDropsTheOthers)
{
    const TangentObject a = LineObject({0, 0}, {4, 0});
    const TangentObject b = LineObject({4, 0}, {0, 3});
    const TangentObject c = LineObject({0, 3}, {0, 0});
    CircleTangentTo3(drawing, attributes, a, b, c);
    int incircle = 0;
    for (int i = 1; i <= drawing.Count; ++i)
        if (std::abs(drawing[i].R - 1) < 1e-9) incircle = i;
    ASSERT_NE(incircle, 0);

    // Undo and redo do nothing while the choice is pending.
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 4);
    EXPECT_FALSE(ChooseCandidate(drawing, attributes, 0));

    ASSERT_TRUE(ChooseCandidate(drawing, attributes, incircle));
    EXPECT_EQ(drawing.CandidateCount, 0);
    ASSERT_EQ(drawing.Count, 1);
    const TCadData& kept = drawing[1];
    EXPECT_NEAR(kept.Cx, 1, 1e-9);
    EXPECT_NEAR(kept.Cy, 1, 1e-9);
    EXPECT_EQ(kept.Id, 1);
    EXPECT_EQ(kept.Selected, 0);
    EXPECT_EQ(kept.LineStyle, kStyleDash);
    EXPECT_EQ(kept.Width, 3);
    EXPECT_EQ(FindIndexOfId(drawing, 1), 1);
    ASSERT_EQ(drawing.History.UndoRecords.size(), 1u);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 0);
}

TEST_F(Tangents, ThreeLinesThroughOnePointAreRefused)
{
    EXPECT_EQ(CircleTangentTo3(drawing, attributes, LineObject({-1, 0}, {1, 0}), LineObject({0, -1}, {0, 1}),
                               LineObject({-1, -1}, {1, 1})),
              0);
    EXPECT_EQ(drawing.Count, 0);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"エラー＝3直線が同一点で交わってます。"});
}

TEST_F(Tangents, TwoParallelsAndACrossingLineGiveTheTwoCirclesBetweenTheParallels)
{
    const std::vector<TangentObject> lines{LineObject({0, 0}, {10, 0}), LineObject({5, -5}, {5, 20}),
                                           LineObject({10, 10}, {0, 10})};
    EXPECT_EQ(CircleTangentTo3(drawing, attributes, lines[0], lines[1], lines[2]), 2);
    ExpectAllTangent(lines);
    std::vector<double> xs;
    for (const TCadData& c : Candidates()) {
        EXPECT_NEAR(c.R, 5, 1e-9);
        EXPECT_NEAR(c.Cy, 5, 1e-9);
        xs.push_back(c.Cx);
    }
    std::sort(xs.begin(), xs.end());
    ASSERT_EQ(xs.size(), 2u);
    EXPECT_NEAR(xs[0], 0, 1e-9);
    EXPECT_NEAR(xs[1], 10, 1e-9);
}

TEST_F(Tangents, EveryMixOfObjectsGivesOnlyTangentCandidates)
{
    struct Case {
        const char* name;
        std::vector<TangentObject> objects;
        int expected;  // the classical number of solutions in this position
    };
    const Point p{3, 4};
    const std::vector<Case> cases{
        {"line, point, point", {LineObject({-30, 0}, {30, 0}), TangentObjectAt({-2, 3}), TangentObjectAt({3, 5})}, 2},
        {"circle, point, point", {CircleObject({0, 0}, 2), TangentObjectAt({5, 1}), TangentObjectAt({4, 6})}, 2},
        {"line, line, point", {LineObject({0, 0}, {10, 0}), LineObject({0, 0}, {0, 10}), TangentObjectAt(p)}, 2},
        {"line, circle, point", {LineObject({-20, 0}, {20, 0}), CircleObject({0, 10}, 3), TangentObjectAt({8, 4})}, 4},
        {"circle, circle, point", {CircleObject({0, 0}, 2), CircleObject({10, 0}, 3), TangentObjectAt({5, 6})}, 4},
        {"line, line, circle", {LineObject({0, 0}, {30, 0}, {10, 0}), LineObject({0, 0}, {0, 30}, {0, 10}),
                                CircleObject({8, 9}, 2)}, 4},
        // One of the eight sign choices has no circle here. A circle near the largest that crosses
        // the second circle by 0.006 must not pass for an eighth.
        {"line, circle, circle",
         {LineObject({-30, 0}, {30, 0}), CircleObject({-5, 4}, 1.5), CircleObject({6, 5}, 2.5)}, 7},
        {"line and two equal circles",
         {LineObject({-30, 0}, {30, 0}), CircleObject({-4, 5}, 2), CircleObject({5, 4}, 2)}, 8},
        {"circle, circle, circle", {CircleObject({0, 0}, 1), CircleObject({10, 0}, 2), CircleObject({4, 9}, 1.5)}, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        EXPECT_EQ(CircleTangentTo3(drawing, attributes, c.objects[0], c.objects[1], c.objects[2]), c.expected);
        EXPECT_EQ(drawing.CandidateCount, c.expected);
        ExpectAllTangent(c.objects);
        // The picking order does not change the outcome.
        Drawing reversed;
        reversed.Dialogs = &dialogs;
        CircleTangentTo3(reversed, attributes, c.objects[2], c.objects[1], c.objects[0]);
        EXPECT_EQ(reversed.CandidateCount, c.expected);
    }
    EXPECT_TRUE(dialogs.Messages.empty());
}

// The gap between the candidate and each line or circle object, measured directly.
double TouchingGap(const TangentObject& o, const TCadData& c)
{
    const Point centre{c.Cx, c.Cy};
    if (o.Type == TangentObjectType::Line) return std::abs(DistanceToLine({o.A, o.B}, centre) - c.R);
    const double apart = PointDistance(o.A, centre);
    return std::min(std::abs(apart - (c.R + o.Radius)), std::abs(apart - std::abs(c.R - o.Radius)));
}

// Guards against twin candidates: a circle crossing an object by far more than Eps passing the
// touching test where a large circle's arc is flat, and two solvers reaching one solution by
// ill-conditioned ways that part by more than Eps.
TEST_F(Tangents, EachSolutionIsOfferedOnceAndTouchesEveryObjectWithinEps)
{
    struct Case {
        const char* name;
        std::array<TangentObject, 3> objects;
        int expected;  // from the eight sign choices of the line-circle-circle problem solved apart
    };
    const TangentObject line = LineObject({-50, 0}, {50, 0});
    const Case cases[] = {
        {"a large circle crossing the second circle", {line, CircleObject({16.84, 2.67}, 2.62),
                                                        CircleObject({19.45, 11.74}, 3.64)}, 8},
        {"a far larger one missing the first", {line, CircleObject({-12.82, 14.29}, 7.68),
                                                  CircleObject({1.89, 7.59}, 1.13)}, 8},
        {"two solvers' versions of one large circle", {line, CircleObject({17.6, 9.2}, 5.75),
                                                          CircleObject({-10, 7.7}, 6.3)}, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        EXPECT_EQ(CircleTangentTo3(drawing, attributes, c.objects[0], c.objects[1], c.objects[2]), c.expected);
        for (const TCadData& candidate : Candidates()) {
            SCOPED_TRACE(::testing::Message() << "r " << candidate.R);
            for (const TangentObject& o : c.objects) EXPECT_LT(TouchingGap(o, candidate), Eps());
        }
    }
}

// Guards against accepting a circle that cuts the line (its segment was met once) and against
// refusing the true one whose touching point lies beyond the drawn segment.
TEST_F(Tangents, TwoPointsAndALineOrCircleTouchItOrSayThereIsNoSuchCircle)
{
    struct Case {
        const char* name;
        TangentObject object;
        Point p1;
        Point p2;
        std::vector<CircleGeometry> circles;  // kept at once when there is one
    };
    const Case cases[] = {
        {"points on either side of the line", LineObject({0, 0}, {5, 0}), {2, 3}, {8, -3}, {}},
        {"touching beyond the segment", LineObject({0, 0}, {10, 0}), {20, 5}, {30, 5}, {{{25, 5}, 5}}},
        {"one point inside the circle, one outside", CircleObject({0, 0}, 5), {1, 0}, {10, 0}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        dialogs.Messages.clear();
        const int made = CircleTangentTo3(drawing, attributes, c.object, TangentObjectAt(c.p1), TangentObjectAt(c.p2));
        EXPECT_EQ(made, static_cast<int>(c.circles.size()));
        ASSERT_EQ(drawing.Count, static_cast<int>(c.circles.size()));
        for (size_t i = 0; i < c.circles.size(); ++i) {
            const TCadData& kept = drawing[static_cast<int>(i) + 1];
            EXPECT_NEAR(kept.Cx, c.circles[i].Centre.X, 1e-9);
            EXPECT_NEAR(kept.Cy, c.circles[i].Centre.Y, 1e-9);
            EXPECT_NEAR(kept.R, c.circles[i].Radius, 1e-9);
        }
        EXPECT_EQ(dialogs.Messages,
                  c.circles.empty() ? std::vector<std::string>{kCannotDrawMessage} : std::vector<std::string>{});
    }
}

// Guards against losing every solution when the line runs through the circle's centre: the
// diameter square to the line was sought from the centre towards its foot on the line.
TEST_F(Tangents, ALineThroughTheCircleCentreStillGivesTheCirclesThroughThePoint)
{
    const std::vector<TangentObject> objects{LineObject({-20, 0}, {20, 0}), CircleObject({0, 0}, 10),
                                             TangentObjectAt({0, 5})};
    EXPECT_EQ(CircleTangentTo3(drawing, attributes, objects[0], objects[1], objects[2]), 2);
    ExpectAllTangent(objects);
    // Inside the circle above the line: x² = 100 − 20r and x² = 10r − 25 give r = 25/6.
    std::vector<double> xs;
    for (const TCadData& c : Candidates()) {
        EXPECT_NEAR(c.R, 25.0 / 6, 1e-9);
        EXPECT_NEAR(c.Cy, 25.0 / 6, 1e-9);
        xs.push_back(c.Cx);
    }
    std::sort(xs.begin(), xs.end());
    ASSERT_EQ(xs.size(), 2u);
    EXPECT_NEAR(xs[0], -std::sqrt(100 - 20 * 25.0 / 6), 1e-9);
    EXPECT_NEAR(xs[1], std::sqrt(100 - 20 * 25.0 / 6), 1e-9);
}

TEST_F(Tangents, ParallelLinesDrawnInOppositeDirectionsAreAConstructionError)
{
    for (const TangentObject& third : {TangentObjectAt({3, 4}), CircleObject({3, 5}, 1)}) {
        dialogs.Messages.clear();
        const TangentObject bottom = LineObject({0, 0}, {10, 0});
        EXPECT_EQ(CircleTangentTo3(drawing, attributes, bottom, LineObject({10, 10}, {0, 10}), third), 0);
        EXPECT_EQ(drawing.Count, 0);
        EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"接円作図エラー"});
    }
    // Drawn the same way they give the circles between them.
    EXPECT_EQ(CircleTangentTo3(drawing, attributes, LineObject({0, 0}, {10, 0}), LineObject({0, 10}, {10, 10}),
                               TangentObjectAt({3, 4})),
              2);
}

TEST_F(Tangents, ThreePointsMakeTheirCircleDirectlyOrSayTheyCannot)
{
    EXPECT_EQ(CircleTangentTo3(drawing, attributes, TangentObjectAt({1, 0}), TangentObjectAt({0, 1}),
                               TangentObjectAt({-1, 0})),
              1);
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing.CandidateCount, 0);
    EXPECT_NEAR(drawing[1].R, 1, 1e-12);
    EXPECT_EQ(drawing[1].Id, 1);
    EXPECT_EQ(CircleTangentTo3(drawing, attributes, TangentObjectAt({0, 0}), TangentObjectAt({1, 1}),
                               TangentObjectAt({2, 2})),
              0);
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"作図できません!"});
}

TEST_F(Tangents, ASingleCandidateIsKeptAtOnce)
{
    // The points lie on a parallel to the line: one circle only.
    const TangentObject line = LineObject({-10, 0}, {10, 0});
    EXPECT_EQ(CircleTangentTo3(drawing, attributes, line, TangentObjectAt({-2, 4}), TangentObjectAt({2, 4})), 1);
    EXPECT_EQ(drawing.CandidateCount, 0);
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_NE(drawing[1].Id, 0);
    EXPECT_EQ(drawing[1].Selected, 0);
    EXPECT_EQ(drawing[1].LineStyle, kStyleDash);
    EXPECT_EQ(drawing.History.UndoRecords.size(), 1u);
    // Circle through (±2, 4) touching y = 0 at the origin: centre (0, 2.5), radius 2.5.
    EXPECT_NEAR(drawing[1].Cy, 2.5, 1e-9);
    EXPECT_NEAR(drawing[1].R, 2.5, 1e-9);
}

TEST_F(Tangents, ACandidateEqualToAPendingOneIsShownOnce)
{
    EXPECT_TRUE(AppendCandidateCircle(drawing, attributes, {1, 1}, 2));
    EXPECT_FALSE(AppendCandidateCircle(drawing, attributes, {1.0004, 1}, 2.0004));
    EXPECT_TRUE(AppendCandidateArc(drawing, attributes, {3, 1}, {1, 3}, {1, 1}, 2));
    EXPECT_FALSE(AppendCandidateArc(drawing, attributes, {3, 1.0002}, {1, 3}, {1, 1}, 2));
    EXPECT_TRUE(AppendCandidateArc(drawing, attributes, {1, 3}, {3, 1}, {1, 1}, 2));
    EXPECT_EQ(drawing.CandidateCount, 3);
    RemoveCandidates(drawing);
    EXPECT_EQ(drawing.Count, 0);
}

TEST(TangentSolvers, APointOnTheBisectorOfARightAngleGivesTheTwoKnownCircles)
{
    SetEps(0.001f);
    const double d = 10;
    const Point p{d / std::sqrt(2.0), d / std::sqrt(2.0)};
    for (const bool swapped : {false, true}) {
        SCOPED_TRACE(swapped);
        const InfiniteLine xAxis{{0, 0}, {1, 0}};
        const InfiniteLine yAxis{{0, 0}, {0, 1}};
        const SolutionRecord found = swapped ? TwoLinesPoint(yAxis, xAxis, p) : TwoLinesPoint(xAxis, yAxis, p);
        ASSERT_EQ(found.Count, 2);
        const double s = std::sin(kPi / 4);
        // The touching points lie at the radius from the crossing, as the centres sit on the bisector.
        EXPECT_NEAR(found.Circles[0].Radius, d / (1 - s) * s, 1e-9);
        EXPECT_NEAR(found.Circles[1].Radius, d / (1 + s) * s, 1e-9);
        for (const CircleGeometry& g : found.Circles) {
            EXPECT_NEAR(g.Centre.X, g.Radius, 1e-9);
            EXPECT_NEAR(g.Centre.Y, g.Radius, 1e-9);
        }
    }
    SetEps(kInitialEps);
}

TEST(TangentSolvers, TheReducedProblemsHaveTheirKnownSolutions)
{
    SetEps(0.001f);
    // Points on a parallel to the line: exactly one circle.
    EXPECT_EQ(TwoPointsLine({{0, 0}, {10, 0}}, {2, 3}, {6, 3}).Count, 1);
    // A point at the centre of a circle of radius 10, the other circle outside it: radius 5.
    const SolutionRecord half = TwoCirclesPoint(1, {0, 0}, 10, {12, 0}, 4, {0, 0});
    ASSERT_EQ(half.Count, 2);
    for (int i = 0; i < half.Count; ++i) EXPECT_NEAR(half.Circles[static_cast<size_t>(i)].Radius, 5, 1e-9);
    // Two points outside a circle: two circles through them touching it.
    const SolutionRecord touching = TwoPointsCircle({5, 1}, {4, 6}, {0, 0}, 2);
    ASSERT_EQ(touching.Count, 2);
    for (const CircleGeometry& g : touching.Circles) {
        EXPECT_NEAR(PointDistance(g.Centre, {5, 1}), g.Radius, 1e-9);
        EXPECT_EQ(IntersectCircles(g.Centre, g.Radius, {0, 0}, 2).Count, 1);
    }
    SetEps(kInitialEps);
}

TEST_F(Tangents, CirclesOfAGivenRadiusTangentToTwoObjects)
{
    struct Case {
        const char* name;
        TangentObject first;
        TangentObject second;
        double radius;
        int circles;
    };
    const Case cases[] = {
        {"two crossing lines", LineObject({-10, 0}, {10, 0}), LineObject({0, -10}, {0, 10}), 5, 4},
        {"two circles apart", CircleObject({0, 0}, 5), CircleObject({20, 0}, 5), 10, 4},
        {"a circle and a line (picked second)", CircleObject({0, 5}, 2), LineObject({-20, 0}, {20, 0}), 10, 4},
        {"a line and a point", LineObject({-20, 0}, {20, 0}), TangentObjectAt({0, 4}), 5, 2},
        {"a circle and a point", CircleObject({0, 0}, 3), TangentObjectAt({6, 0}), 2, 2},
        {"two points", TangentObjectAt({0, 0}), TangentObjectAt({6, 0}), 5, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool arcMode : {false, true}) {
            Drawing fresh;
            fresh.Dialogs = &dialogs;
            EXPECT_EQ(CircleTangentTo2WithRadius(fresh, attributes, c.first, c.second, c.radius, arcMode),
                      arcMode ? 2 * c.circles : c.circles);
            for (int i = 1; i <= fresh.Count; ++i) {
                const TCadData& e = fresh[i];
                EXPECT_EQ(e.Kind, arcMode ? kKindArc : kKindCircle);
                EXPECT_NEAR(e.R, c.radius, 1e-9);
                const TangentObject objects[] = {c.first, c.second};
                EXPECT_TRUE(TouchesAll({e.Cx, e.Cy}, e.R, objects, 2));
                if (!arcMode) continue;
                // Each arc runs between the touching points on the two objects.
                EXPECT_NEAR(PointDistance({e.Cx, e.Cy}, {e.X1, e.Y1}), c.radius, 1e-9);
                EXPECT_NEAR(PointDistance({e.Cx, e.Cy}, {e.X2, e.Y2}), c.radius, 1e-9);
                const bool startOnFirst = OnObject(c.first, {e.X1, e.Y1}) && OnObject(c.second, {e.X2, e.Y2});
                const bool startOnSecond = OnObject(c.second, {e.X1, e.Y1}) && OnObject(c.first, {e.X2, e.Y2});
                EXPECT_TRUE(startOnFirst || startOnSecond);
            }
        }
    }
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(Tangents, ARadiusThatIsNoNumberOrNotPositiveOrFitsNothingIsRefused)
{
    const TangentObject a = TangentObjectAt({0, 0});
    const TangentObject b = TangentObjectAt({30, 0});
    const struct {
        double radius;
        const char* message;
    } cases[] = {
        {std::numeric_limits<double>::quiet_NaN(), "円弧計算エラー！入力数値を確認して下さい。"},
        {0, "円弧半径エラー！入力数値を確認して下さい。"},
        {-2, "円弧半径エラー！入力数値を確認して下さい。"},
        {5, "円弧計算エラー！"},
    };
    for (const auto& c : cases) {
        dialogs.Messages.clear();
        EXPECT_EQ(CircleTangentTo2WithRadius(drawing, attributes, a, b, c.radius, false), 0);
        EXPECT_EQ(drawing.Count, 0);
        EXPECT_EQ(dialogs.Messages, std::vector<std::string>{c.message});
    }
}

TEST_F(Tangents, TangentLinesOfTwoCircles)
{
    TCadData left{};
    left.Kind = kKindCircle;
    left.R = 3;
    TCadData right = left;
    struct Case {
        double x;
        double r;
        int lines;
    };
    for (const Case c : {Case{20, 2, 4}, Case{4, 2, 2}, Case{0.5, 1, 0}}) {
        SCOPED_TRACE(c.x);
        Drawing fresh;
        fresh.Dialogs = &dialogs;
        dialogs.Messages.clear();
        right.Cx = c.x;
        right.R = c.r;
        EXPECT_EQ(TangentLinesOf2Circles(fresh, attributes, left, right), c.lines);
        EXPECT_EQ(fresh.CandidateCount, c.lines);
        for (int i = 1; i <= fresh.Count; ++i) {
            const TCadData& line = fresh[i];
            // From the larger circle to the smaller, touching both.
            EXPECT_NEAR(PointDistance({line.X1, line.Y1}, {0, 0}), 3, 1e-9);
            EXPECT_NEAR(PointDistance({line.X2, line.Y2}, {c.x, 0}), c.r, 1e-9);
            EXPECT_EQ(IntersectLineCircle({line.X1, line.Y1}, {line.X2, line.Y2}, {c.x, 0}, c.r).Count, 1);
        }
        EXPECT_EQ(dialogs.Messages, c.lines == 0 ? std::vector<std::string>{"接線がありません"} : std::vector<std::string>{});
    }
}

// Guards against circles that touch having no tangent offered: inside one another the outer
// tangents both shrink onto the touching point, and the common tangent there was never made.
TEST_F(Tangents, TouchingCirclesOfferTheirCommonTangentAtTheTouchingPoint)
{
    struct Case {
        const char* name;
        TCadData second;
        int lines;
    };
    const Case cases[] = {
        {"inside, kept at once", testing::Circle(5, 0, 5), 1},
        {"outside, beside the two outer tangents", testing::Circle(15, 0, 5), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing fresh;
        fresh.Dialogs = &dialogs;
        dialogs.Messages.clear();
        EXPECT_EQ(TangentLinesOf2Circles(fresh, attributes, testing::Circle(0, 0, 10), c.second), c.lines);
        EXPECT_TRUE(dialogs.Messages.empty());
        ASSERT_EQ(fresh.Count, c.lines);
        // The common tangent x = 10, through the touching point (10, 0).
        int common = 0;
        for (int i = 1; i <= fresh.Count; ++i) {
            const TCadData& line = fresh[i];
            if (std::abs(line.X1 - 10) > 1e-9 || std::abs(line.X2 - 10) > 1e-9) continue;
            ++common;
            EXPECT_NEAR(line.Y1 + line.Y2, 0, 1e-9);
            EXPECT_GT(std::abs(line.Y1 - line.Y2), Eps());
        }
        EXPECT_EQ(common, 1);
    }
}

}  // namespace
}  // namespace vantro
