#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/Chamfer.h"
#include "geometry/EditElements.h"
#include "geometry/EditFixtures.h"
#include "geometry/Fillet.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace vantro {
namespace {

using testing::ArcElement;
using testing::Circle;
using testing::ExpectGeometry;
using testing::PointElement;
using testing::Line;

Point Polar(double r, double degrees) { return testing::Polar({0, 0}, r, degrees); }

bool SamePoint(Point a, Point b) { return PointDistance(a, b) < Eps(); }

// The fillet arc touches the element: a line at distance r from the arc's centre, a circle at the
// sum or difference of the radii; and the element now ends at one of the arc's ends.
void ExpectTangentAndJoined(const TCadData& fillet, const TCadData& e)
{
    const Point f{fillet.Cx, fillet.Cy};
    if (e.Kind == kKindLine) {
        Point foot;
        ASSERT_TRUE(PerpendicularFoot({e.X1, e.Y1}, {e.X2, e.Y2}, f, foot));
        EXPECT_NEAR(PointDistance(foot, f), fillet.R, Eps());
    } else {
        const double d = PointDistance(f, {e.Cx, e.Cy});
        EXPECT_LT(std::min(std::abs(d - e.R - fillet.R), std::abs(d - std::abs(e.R - fillet.R))), Eps());
    }
    const Point ends[] = {{fillet.X1, fillet.Y1}, {fillet.X2, fillet.Y2}};
    bool joined = false;
    for (const Point end : ends) joined = joined || SamePoint(end, {e.X1, e.Y1}) || SamePoint(end, {e.X2, e.Y2});
    EXPECT_TRUE(joined);
}

struct FilletCase {
    const char* Name;
    TCadData First;
    Point Click1;
    TCadData Second;
    Point Click2;
    double Radius;
    TCadData ExpectedFirst;
    TCadData ExpectedSecond;
    Point FilletCentre;
};

class FilletAndChamfer : public testing::EditTest {};

TEST_F(FilletAndChamfer, FilletsTrimBothElementsAndAppendATangentMinorArc)
{
    SetEps(0.001f);
    const double t30 = 2 / std::tan(DegToRad(15));  // tangent length of radius 2 in a 30° corner
    const Point dir30 = Polar(1, 30);
    const Point t2 = Polar(10, DirectionAngle({12, 5}, {0, 0}) * 180 / kPi);
    const double touch2 = RadToDeg(DirectionAngle(t2, {0, 0}));
    const double touchBetween = RadToDeg(std::atan2(8.2915619758885, 12.5));  // fillet centre (12.5, 8.29)
    const Point t3 = Polar(10, DirectionAngle({11.61895003862225, 3}, {0, 0}) * 180 / kPi);
    TCadData circleAfter = ArcElement({0, 0}, 10, 150, RadToDeg(DirectionAngle(t3, {0, 0})));
    circleAfter.Layer = 1;
    const FilletCase cases[] = {
        {"lines at 90 degrees", Line(-10, 0, 20, 0), {15, 0}, Line(0, -10, 0, 20), {0, 15}, 5, Line(5, 0, 20, 0),
         Line(0, 5, 0, 20), {5, 5}},
        {"lines at 30 degrees", Line(0, 0, 20, 0), {15, 0}, Line(0, 0, 20 * dir30.X, 20 * dir30.Y),
         {15 * dir30.X, 15 * dir30.Y}, 2, Line(t30, 0, 20, 0),
         Line(t30 * dir30.X, t30 * dir30.Y, 20 * dir30.X, 20 * dir30.Y), {t30, 2}},
        {"line and arc that do not meet", Line(15, -20, 15, 20), {15, 10}, ArcElement({0, 0}, 10, 0, 180),
         Polar(10, 45), 3, Line(15, 5, 15, 20), ArcElement({0, 0}, 10, touch2, 180), {12, 5}},
        {"arc picked before a line", ArcElement({0, 0}, 10, 0, 180), Polar(10, 45), Line(15, -20, 15, 20), {15, 10}, 3,
         ArcElement({0, 0}, 10, touch2, 180), Line(15, 5, 15, 20), {12, 5}},
        {"two arcs", ArcElement({0, 0}, 10, 0, 180), Polar(10, 45), ArcElement({25, 0}, 10, 0, 180),
         {25 - 7.0710678, 7.0710678}, 5, ArcElement({0, 0}, 10, touchBetween, 180),
         ArcElement({25, 0}, 10, 0, 180 - touchBetween), {12.5, 8.2915619758885}},
        {"line crossing a circle", Line(-20, 5, 20, 5), {15, 5}, Circle(0, 0, 10), {0, -10}, 2,
         Line(11.61895003862225, 5, 20, 5), circleAfter, {11.61895003862225, 3}},
    };
    for (const FilletCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Put({c.First, c.Second});
        drawing[1].Selected = drawing[2].Selected = 1;  // the command highlights its picks
        const std::vector<TCadData> before = Snapshot();
        ASSERT_TRUE(Fillet(drawing, attributes, 1, c.Click1, 2, c.Click2, c.Radius));
        EXPECT_EQ(drawing[1].Selected, 0);
        EXPECT_EQ(drawing[2].Selected, 0);
        EXPECT_TRUE(dialogs.Messages.empty());
        ASSERT_EQ(drawing.Count, 3);
        ExpectGeometry(drawing[1], c.ExpectedFirst);
        ExpectGeometry(drawing[2], c.ExpectedSecond);
        const TCadData& fillet = drawing[3];
        EXPECT_EQ(fillet.Kind, kKindArc);
        EXPECT_EQ(fillet.Layer, attributes.Layer);
        EXPECT_EQ(fillet.Color, attributes.Color);
        EXPECT_NEAR(fillet.Cx, c.FilletCentre.X, Eps());
        EXPECT_NEAR(fillet.Cy, c.FilletCentre.Y, Eps());
        EXPECT_NEAR(fillet.R, c.Radius, 1e-12);
        EXPECT_LE(fillet.Angle, 180);
        ExpectTangentAndJoined(fillet, drawing[1]);
        ExpectTangentAndJoined(fillet, drawing[2]);
        ExpectUndoRestores(before);
        EXPECT_FALSE(CanUndo(drawing));
    }
}

TEST_F(FilletAndChamfer, TheQuarterFilletIsStoredAsTheMinorArcFromTheSecondTangentPoint)
{
    Put({Line(-10, 0, 20, 0), Line(0, -10, 0, 20)});
    ASSERT_TRUE(Fillet(drawing, attributes, 1, {15, 0}, 2, {0, 15}, 5));
    const TCadData& fillet = drawing[3];
    EXPECT_NEAR(fillet.X1, 0, 1e-9);
    EXPECT_NEAR(fillet.Y1, 5, 1e-9);
    EXPECT_NEAR(fillet.X2, 5, 1e-9);
    EXPECT_NEAR(fillet.Y2, 0, 1e-9);
    EXPECT_NEAR(fillet.Angle, 90, 1e-9);
}

TEST_F(FilletAndChamfer, RadiusZeroMakesTheSharpCornerWithoutAnArc)
{
    Put({Line(-10, 0, 20, 0), Line(0, -10, 0, 20)});
    const std::vector<TCadData> before = Snapshot();
    ASSERT_TRUE(Fillet(drawing, attributes, 1, {15, 0}, 2, {0, 15}, 0));
    ASSERT_EQ(drawing.Count, 2);
    ExpectGeometry(drawing[1], Line(0, 0, 20, 0));
    ExpectGeometry(drawing[2], Line(0, 0, 0, 20));
    ExpectUndoRestores(before);
}

TEST_F(FilletAndChamfer, RefusalsLeaveTheDrawingAsItWas)
{
    struct Case {
        const char* Name;
        TCadData First;
        Point Click1;
        TCadData Second;
        Point Click2;
        double Radius;
        const char* Message;  // nullptr: refused silently
    };
    const Case cases[] = {
        {"parallel lines", Line(0, 0, 10, 0), {5, 0}, Line(0, 5, 10, 5), {5, 5}, 2, nullptr},
        {"tangent point beyond a short line", Line(0, 0, 3, 0), {2, 0}, Line(0, 0, 0, 20), {0, 15}, 5,
         kLineTooShortMessage},
        {"offset circles that do not meet", Line(15, -20, 15, 20), {15, 10}, ArcElement({0, 0}, 10, 0, 180),
         Polar(10, 45), 2, kRadiusInsufficientMessage},
        {"a circle offset inwards past its centre", Circle(0, 0, 3), {1, 0}, Circle(10, 0, 2), {0, 0}, 5,
         kBadSideOrRadiusMessage},
        {"a point cannot be filleted", Line(0, 0, 10, 0), {5, 0}, PointElement({0, 0}), {0, 0}, 1,
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Put({c.First, c.Second});
        const std::vector<TCadData> before = Snapshot();
        EXPECT_FALSE(Fillet(drawing, attributes, 1, c.Click1, 2, c.Click2, c.Radius));
        EXPECT_EQ(Snapshot(), before);
        EXPECT_FALSE(CanUndo(drawing));
        if (c.Message == nullptr) {
            EXPECT_TRUE(dialogs.Messages.empty());
        } else {
            ASSERT_EQ(dialogs.Messages.size(), 1u);
            EXPECT_EQ(dialogs.Messages[0], c.Message);
        }
    }
}

TEST_F(FilletAndChamfer, ALineThatWouldShrinkToNothingIsDeleted)
{
    // The tangent point lands exactly on the kept end of the first line.
    Put({Line(0, 0, 5, 0), Line(0, -10, 0, 20)});
    const std::vector<TCadData> before = Snapshot();
    ASSERT_TRUE(Fillet(drawing, attributes, 1, {4, 0}, 2, {0, 15}, 5));
    ASSERT_EQ(drawing.Count, 2);
    ExpectGeometry(drawing[1], Line(0, 5, 0, 20));
    EXPECT_EQ(drawing[2].Kind, kKindArc);
    ExpectUndoRestores(before);
}

struct ChamferCase {
    const char* Name;
    TCadData First;
    Point Click1;
    TCadData Second;
    Point Click2;
    double Length;
    TCadData ExpectedFirst;
    TCadData ExpectedSecond;
};

TEST_F(FilletAndChamfer, ChamfersCutBothLinesAndJoinThemWithALine)
{
    const ChamferCase cases[] = {
        {"perpendicular lines crossing", Line(-10, 0, 20, 0), {15, 0}, Line(0, -10, 0, 20), {0, 15}, 2,
         Line(2, 0, 20, 0), Line(0, 2, 0, 20)},
        {"lines that must be extended to the corner", Line(5, 0, 20, 0), {15, 0}, Line(0, 5, 0, 20), {0, 15}, 3,
         Line(3, 0, 20, 0), Line(0, 3, 0, 20)},
        {"clicks on the start sides", Line(-10, 0, 20, 0), {-5, 0}, Line(0, -10, 0, 20), {0, -5}, 2,
         Line(-10, 0, -2, 0), Line(0, -10, 0, -2)},
        {"length zero meets at the corner", Line(-10, 0, 20, 0), {15, 0}, Line(0, -10, 0, 20), {0, 15}, 0,
         Line(0, 0, 20, 0), Line(0, 0, 0, 20)},
    };
    for (const ChamferCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Put({c.First, c.Second});
        const std::vector<TCadData> before = Snapshot();
        ASSERT_TRUE(Chamfer(drawing, attributes, 1, c.Click1, 2, c.Click2, c.Length));
        ExpectGeometry(drawing[1], c.ExpectedFirst);
        ExpectGeometry(drawing[2], c.ExpectedSecond);
        if (c.Length > 0) {
            ASSERT_EQ(drawing.Count, 3);
            const TCadData& cut = drawing[3];
            EXPECT_NEAR(PointDistance({cut.X1, cut.Y1}, {cut.X2, cut.Y2}), c.Length * std::numbers::sqrt2, Eps());
            EXPECT_TRUE(SamePoint({cut.X1, cut.Y1}, {c.ExpectedFirst.X1, c.ExpectedFirst.Y1}) ||
                        SamePoint({cut.X1, cut.Y1}, {c.ExpectedFirst.X2, c.ExpectedFirst.Y2}));
        } else {
            EXPECT_EQ(drawing.Count, 2);
        }
        ExpectUndoRestores(before);
    }
}

TEST_F(FilletAndChamfer, ChamferRefusesParallelLinesAndOtherKindsSilentlyAndShortLinesWithTheMessage)
{
    Put({Line(0, 0, 10, 0), Line(0, 5, 10, 5)});
    EXPECT_FALSE(Chamfer(drawing, attributes, 1, {5, 0}, 2, {5, 5}, 1));
    EXPECT_TRUE(dialogs.Messages.empty());
    Put({Line(0, 0, 10, 0), Circle(5, 5, 3)});
    EXPECT_FALSE(Chamfer(drawing, attributes, 1, {5, 0}, 2, {5, 2}, 1));
    EXPECT_FALSE(Chamfer(drawing, attributes, 1, {5, 0}, 1, {6, 0}, 1));
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_FALSE(CanUndo(drawing));
    Put({Line(0, 0, 1, 0), Line(0, 0, 0, 20)});
    const std::vector<TCadData> before = Snapshot();
    EXPECT_FALSE(Chamfer(drawing, attributes, 1, {0.5, 0}, 2, {0, 15}, 2));
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], kLineTooShortMessage);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_FALSE(CanUndo(drawing));
}

}  // namespace
}  // namespace vantro
