#include "document/Cp932.h"
#include "document/UndoHistory.h"
#include "geometry/Constructors.h"
#include "geometry/DimensionLayout.h"
#include "geometry/Dimensions.h"
#include "geometry/TextElements.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vantro {
namespace {

using testing::ScriptedDialogs;

class Dimensions : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetEps(0.001f);
        drawing.Dialogs = &dialogs;
        attributes.Color = 0x00FF00;
        attributes.LineStyle = kStyleDash;
        attributes.Width = 3;
        attributes.Layer = 5;
    }
    void TearDown() override { SetEps(kInitialEps); }

    const TCadData& Last() const { return drawing[drawing.Count]; }

    Drawing drawing;
    ScriptedDialogs dialogs;
    CurrentAttributes attributes;
    DimensionOptions options;
};

struct Fields {
    double Cx, Cy, R, Angle, Value, X1, Y1, X2, Y2;
};

void ExpectFields(const TCadData& e, const Fields& f)
{
    EXPECT_NEAR(e.Cx, f.Cx, 1e-9);
    EXPECT_NEAR(e.Cy, f.Cy, 1e-9);
    EXPECT_NEAR(e.R, f.R, 1e-9);
    EXPECT_NEAR(e.Angle, f.Angle, 1e-9);
    EXPECT_NEAR(e.Value, f.Value, 1e-9);
    EXPECT_NEAR(e.X1, f.X1, 1e-9);
    EXPECT_NEAR(e.Y1, f.Y1, 1e-9);
    EXPECT_NEAR(e.X2, f.X2, 1e-9);
    EXPECT_NEAR(e.Y2, f.Y2, 1e-9);
}

TEST_F(Dimensions, EachConstructorStoresTheFieldsOfItsKind)
{
    const double s = std::sqrt(0.5);
    struct Case {
        const char* Name;
        std::function<bool()> Build;
        int8_t Kind;
        uint8_t Width;
        Fields Expected;
    };
    options.ArrowStyle = 2;
    const Case cases[] = {
        {"horizontal, line y rounded to 5", [&] { return AppendLinearDimension(drawing, attributes, options, kKindDimX, {0, 0}, {30, 10}, {7, 21.7}); },
         kKindDimX, 3, {15, 20, 15, 20, 30, 0, 0, 30, 10}},
        {"vertical", [&] { return AppendLinearDimension(drawing, attributes, options, kKindDimY, {0, 0}, {30, 10}, {41, 3}); },
         kKindDimY, 3, {40, 5, 40, 5, 10, 0, 0, 30, 10}},
        {"aligned at 45 degrees", [&] { return AppendAlignedDimension(drawing, attributes, options, {0, 0}, {10, 10}, {0, 10}); },
         kKindDimAligned, 3, {0, 10, 0, 10, std::hypot(10, 10), 0, 0, 10, 10}},
        {"radius", [&] { return AppendRadiusDimension(drawing, attributes, options, kKindDimRadius, {0, 0}, 5, {10, 10}); },
         kKindDimRadius, 1, {10, 10, 0, 45, 5, 0, 0, 5 * s, 5 * s}},
        {"diameter", [&] { return AppendRadiusDimension(drawing, attributes, options, kKindDimDiameter, {0, 0}, 5, {0, -8}); },
         kKindDimDiameter, 1, {0, -8, 0, 270, 10, 0, 5, 0, -5}},
        {"jogged radius", [&] { return AppendJoggedRadiusDimension(drawing, attributes, options, kKindDimJoggedRadius, 5, {5, 0}, {12, 6}, 30); },
         kKindDimJoggedRadius, 1, {30, 6, 0, 0, 5, 5, 0, 12, 6}},
        {"coordinate", [&] { return AppendCoordinateDimension(drawing, attributes, {3, 4}, {10, 12}, 25); },
         kKindDimCoordinate, 1, {25, 12, 0, 0, 0, 3, 4, 10, 12}},
        {"relative coordinate", [&] { return AppendRelativeCoordinateDimension(drawing, attributes, {1, 2}, {3, 4}, {10, 12}, 25); },
         kKindDimRelativeCoordinate, 1, {25, 12, 1, 2, 0, 3, 4, 10, 12}},
        {"angle of a right corner", [&] { return AppendAngleDimension(drawing, attributes, options, {0, 0}, {20, 0}, {0, 0}, {0, 20}, {10, 10}); },
         kKindDimAngle, 1, {0, 0, std::hypot(10, 10), kPi / 4, 90, 20, 0, 0, 20}},
        {"relative value, vertical display line", [&] { return AppendRelativeValueDimension(drawing, attributes, options, {0, 0}, {1, 30}, {12, 5}); },
         kKindDimRunning, 1, {12, 30, 0, 0, 12, 12, 5, 12, 30}},
    };
    options.LinePitch = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const int before = drawing.Count;
        ASSERT_TRUE(c.Build());
        ASSERT_EQ(drawing.Count, before + 1);
        const TCadData& e = Last();
        EXPECT_EQ(e.Kind, c.Kind);
        EXPECT_EQ(e.Width, c.Width);
        EXPECT_EQ(e.LineStyle, kStyleSolid);
        EXPECT_EQ(e.Layer, 5);
        EXPECT_EQ(e.Color, 0x00FF00u);
        EXPECT_GT(e.Id, 0);
        ExpectFields(e, c.Expected);
    }
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(Dimensions, TheRatioScalesLengthsButNeverAngles)
{
    const struct {
        int Index;
        double Shown;
    } ratios[] = {{0, 6}, {1, 7.5}, {2, 10}, {3, 15}, {4, 30}, {5, 45}, {6, 60}, {7, 90}, {8, 120}, {9, 150}, {10, 300}};
    for (const auto& r : ratios) EXPECT_DOUBLE_EQ(ApplyRatio(30, r.Index), r.Shown) << r.Index;
    options.RatioIndex = 3;
    ASSERT_TRUE(AppendAngleDimension(drawing, attributes, options, {0, 0}, {20, 0}, {0, 0}, {0, 20}, {5, 5}));
    EXPECT_DOUBLE_EQ(Last().Value, 90);
}

TEST_F(Dimensions, TheAngleDimensionMeasuresTheSectorOfTheClick)
{
    // Two lines crossing at the origin at 0 and 60 degrees; each sector is clicked once.
    const Point a1{-10, 0}, a2{10, 0};
    const Point b1{-5, -5 * std::sqrt(3.0)}, b2{5, 5 * std::sqrt(3.0)};
    const struct {
        Point Click;
        double Sweep;
    } cases[] = {{{5, 1}, 60}, {{-1, 5}, 120}, {{-5, -1}, 60}, {{1, -5}, 120}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Click.X);
        ASSERT_TRUE(AppendAngleDimension(drawing, attributes, options, a1, a2, b1, b2, c.Click));
        const TCadData& e = Last();
        EXPECT_NEAR(e.Value, c.Sweep, 1e-9);
        EXPECT_NEAR(e.Angle, DegToRad(c.Sweep) / 2, 1e-9);
        // The click lies inside the counter-clockwise sweep from leg 1 to leg 2.
        EXPECT_LE(SweepAngleDeg({e.X1, e.Y1}, c.Click, {0, 0}), e.Value);
    }
    EXPECT_FALSE(AppendAngleDimension(drawing, attributes, options, {0, 0}, {1, 0}, {0, 1}, {1, 1}, {0.5, 0.5}));
}

TEST_F(Dimensions, CentringAndThePitchChooseTheTextPoint)
{
    options.CentreText = false;
    options.LinePitch = 0;
    ASSERT_TRUE(AppendLinearDimension(drawing, attributes, options, kKindDimX, {0, 0}, {30, 10}, {7, 21.7}));
    EXPECT_DOUBLE_EQ(Last().Cx, 7);
    EXPECT_DOUBLE_EQ(Last().Angle, 21.7);
    ASSERT_TRUE(AppendAlignedDimension(drawing, attributes, options, {0, 0}, {10, 0}, {4, -3}));
    EXPECT_DOUBLE_EQ(Last().Cx, 4);
    EXPECT_DOUBLE_EQ(Last().Cy, -3);
    EXPECT_DOUBLE_EQ(Last().R, 5);
}

TEST_F(Dimensions, FailuresLeaveNothingBehindAndOnlyTheHorizontalOneTellsTheUser)
{
    const uint32_t lastId = drawing.LastId;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(AppendAlignedDimension(drawing, attributes, options, {1, 1}, {1, 1}, {4, 4}));
    EXPECT_FALSE(AppendLinearDimension(drawing, attributes, options, kKindDimY, {nan, 0}, {1, 1}, {4, 4}));
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_FALSE(AppendLinearDimension(drawing, attributes, options, kKindDimX, {nan, 0}, {1, 1}, {4, 4}));
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kBadInputMessage});
    EXPECT_EQ(drawing.Count, 0);
    EXPECT_EQ(drawing.LastId, lastId);
}

TEST_F(Dimensions, ADimensionIsOneUndoStep)
{
    ASSERT_TRUE(AppendLinearDimension(drawing, attributes, options, kKindDimX, {0, 0}, {30, 10}, {7, 20}));
    ASSERT_TRUE(AppendLeaderText(drawing, attributes, Utf8ToCp932("面取り"), {0, 0}, {5, 5}, 20));
    EXPECT_EQ(Last().Text, "=" + Utf8ToCp932("面取り"));
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 1);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 0);
}

TEST_F(Dimensions, TextLinesGoDownFromTheClickAndFormOneStep)
{
    attributes.Color = 0x123456;
    ASSERT_EQ(AppendTextLines(drawing, attributes, 10, {"AB", "CD"}, {100, 50}), 2);
    EXPECT_EQ(drawing[1].Kind, kKindText);
    EXPECT_DOUBLE_EQ(drawing[1].Cy, 40);
    EXPECT_DOUBLE_EQ(drawing[2].Cy, 29);
    EXPECT_EQ(drawing[1].Color, 0x123456u);
    EXPECT_EQ(drawing[1].Width, 1);
    EXPECT_EQ(drawing[1].Angle, 0);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 0);
}

TEST_F(Dimensions, TheTextBoxCountsBytesAndTheHeightHasAFloor)
{
    const struct {
        const char* Utf8;
        double Height;
        double StoredHeight;
        double BoxWidth;
    } cases[] = {
        {"ABC", 10, 10, 15},
        {"日本", 10, 10, 20},
        {"A日本B", 4, 4, 12},
        {"AB", 0, 0.5, 0},
        {"AB", 0.3, 0.5, 0.3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Utf8);
        ASSERT_TRUE(AppendTextElement(drawing, attributes, c.Height, Utf8ToCp932(c.Utf8), {1.1, 2}));
        const TCadData& e = Last();
        EXPECT_DOUBLE_EQ(e.R, c.StoredHeight);
        EXPECT_DOUBLE_EQ(e.Cx, static_cast<float>(1.1));
        EXPECT_DOUBLE_EQ(e.X1, e.Cx);
        EXPECT_DOUBLE_EQ(e.X2 - e.X1, c.BoxWidth);
        EXPECT_DOUBLE_EQ(e.Y2 - e.Y1, c.Height);
    }
}

TEST(DimensionLayoutTest, TextDirectionsReadUpright)
{
    const struct {
        double In;
        double Out;
    } cases[] = {{180, 360}, {270, 450}, {95, 95}, {275, 275}, {-90, -90}, {0, 0}, {96, 276}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(UprightDegrees(c.In), c.Out) << c.In;
}

TEST(DimensionLayoutTest, AngleTextsReadUprightAlsoWhenTheArcCrossesZeroDegrees)
{
    // A leg at 330° and one at 60° once gave the text direction 465°, which the upright test
    // missed: the text stood upside down.
    const struct {
        double LegA;
        double LegB;
        double Degrees;
    } cases[] = {{330, 60, 285}, {30, 120, 345}, {300, 350, 55}, {200, 280, 330}, {350, 10, 90}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.LegA);
        const double sweep = c.LegB > c.LegA ? c.LegB - c.LegA : c.LegB + 360 - c.LegA;
        TCadData e{};
        e.Kind = kKindDimAngle;
        e.R = 10;
        e.X1 = 20 * std::cos(DegToRad(c.LegA));
        e.Y1 = 20 * std::sin(DegToRad(c.LegA));
        e.X2 = 20 * std::cos(DegToRad(c.LegB));
        e.Y2 = 20 * std::sin(DegToRad(c.LegB));
        e.Value = sweep;
        e.Angle = DegToRad(sweep / 2);
        const DimensionLayout layout = LayOutDimension(e, {2, 1, true});
        EXPECT_NEAR(layout.TextDegrees, c.Degrees, 1e-9);
    }
}

TEST(DimensionLayoutTest, ALinearDimensionLineThroughTheMidpointTakesTheDefaultSide)
{
    // A dimension line through the midpoint of its points (as 5 mm rounding often makes it) once
    // gave a dimension line of length zero and a vertical value.
    const struct {
        int8_t Kind;
        Point P1, P2, M;
        Point D1, D2;
        double Degrees;
    } cases[] = {
        {kKindDimX, {0, 0}, {30, 0}, {15, 0}, {0, 0}, {30, 0}, 0},
        {kKindDimX, {0, 0}, {30, 10}, {15, 5}, {0, 5}, {30, 5}, 0},
        {kKindDimX, {30, 0}, {0, 0}, {15, 0}, {30, 0}, {0, 0}, 0},
        {kKindDimY, {0, 0}, {0, 30}, {0, 15}, {0, 0}, {0, 30}, -90},
        {kKindDimAligned, {0, 0}, {30, 30}, {15, 15}, {0, 0}, {30, 30}, 45},
        {kKindDimAligned, {30, 30}, {0, 0}, {15, 15}, {30, 30}, {0, 0}, 45},
        {kKindDimAligned, {0, 0}, {30, -30}, {15, -15}, {0, 0}, {30, -30}, -45},
        {kKindDimAligned, {0, 0}, {0, 30}, {0, 15}, {0, 0}, {0, 30}, -90},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.Kind) << " " << c.P2.X << "," << c.P2.Y);
        TCadData e{};
        e.Kind = c.Kind;
        e.Width = 1;
        e.X1 = c.P1.X;
        e.Y1 = c.P1.Y;
        e.X2 = c.P2.X;
        e.Y2 = c.P2.Y;
        e.R = c.M.X;
        e.Angle = c.M.Y;
        const DimensionLayout layout = LayOutDimension(e, {2, 1, true});
        ASSERT_GE(layout.Segments.size(), 3u);
        const auto& line = layout.Segments[2];
        EXPECT_NEAR(line[0].X, c.D1.X, 1e-9);
        EXPECT_NEAR(line[0].Y, c.D1.Y, 1e-9);
        EXPECT_NEAR(line[1].X, c.D2.X, 1e-9);
        EXPECT_NEAR(line[1].Y, c.D2.Y, 1e-9);
        EXPECT_NEAR(layout.TextDegrees, c.Degrees, 1e-9);
    }
}

TEST(DimensionLayoutTest, AHorizontalDimensionHasExtensionsLineAndOutwardArrows)
{
    SetEps(0.001f);
    TCadData e{};
    e.Kind = kKindDimX;
    e.Width = 1;
    e.X2 = 30;
    e.Y2 = 10;
    e.R = 15;
    e.Angle = 20;
    e.Cx = 15;
    e.Cy = 20;
    const DimensionLayout layout = LayOutDimension(e, {2, 1, true});
    ASSERT_EQ(layout.Segments.size(), 7u);
    auto expectSegment = [&](size_t i, Point a, Point b) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(layout.Segments[i][0].X, a.X, 1e-9);
        EXPECT_NEAR(layout.Segments[i][0].Y, a.Y, 1e-9);
        EXPECT_NEAR(layout.Segments[i][1].X, b.X, 1e-9);
        EXPECT_NEAR(layout.Segments[i][1].Y, b.Y, 1e-9);
    };
    expectSegment(0, {0, 0}, {0, 21});
    expectSegment(1, {30, 10}, {30, 21});
    expectSegment(2, {0, 20}, {30, 20});
    // Barbs at the left end reach back to the right, 2.1 long, 0.32 rad off the line.
    expectSegment(3, {0, 20}, {2.1 * std::cos(-0.32), 20 + 2.1 * std::sin(-0.32)});
    expectSegment(5, {30, 20}, {30 - 2.1 * std::cos(0.32), 20 + 2.1 * std::sin(0.32)});
    EXPECT_DOUBLE_EQ(layout.TextDegrees, 0);
    SetEps(kInitialEps);
}

TEST(DimensionLayoutTest, EachArrowStyleHasItsBarbsDotsAndTails)
{
    TCadData e{};
    e.Kind = kKindDimX;
    e.X2 = 30;
    e.R = 15;
    e.Angle = 10;
    const struct {
        uint8_t Style;
        size_t Segments;
        size_t Dots;
    } cases[] = {{1, 7, 0}, {2, 5, 1}, {3, 9, 0}, {4, 6, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Style));
        e.Width = c.Style;
        const DimensionLayout layout = LayOutDimension(e, {2, 1, true});
        EXPECT_EQ(layout.Segments.size(), c.Segments);
        ASSERT_EQ(layout.Dots.size(), c.Dots);
        if (c.Dots == 1) {
            EXPECT_EQ(layout.Dots[0], (Point{0, 10}));
        }
    }
    // Style 3: the tail runs outwards from the left end, twice the arrow length.
    e.Width = 3;
    const DimensionLayout inward = LayOutDimension(e, {2, 1, true});
    const auto& tail = inward.Segments[5];
    EXPECT_NEAR(tail[1].X, -4, 1e-9);
    EXPECT_NEAR(tail[1].Y, 10, 1e-9);
}

TEST(DimensionLayoutTest, LeaderKindsNameTheirLeaderDirection)
{
    TCadData e{};
    e.Kind = kKindLeader;
    e.X1 = 0;
    e.Y1 = 0;
    e.X2 = 10;
    e.Y2 = 10;
    e.Cx = 30;
    e.Cy = 10;
    const DimensionLayout right = LayOutDimension(e, {});
    EXPECT_TRUE(right.LeaderAlways);
    EXPECT_NEAR(right.LeaderDirection, 0, 1e-12);
    EXPECT_DOUBLE_EQ(right.TextDegrees, 360) << "the shoulder seen from the text point, turned upright";
    e.Kind = kKindDimCoordinate;
    e.Cx = -10;
    const DimensionLayout left = LayOutDimension(e, {});
    EXPECT_TRUE(left.LeaderCapable);
    EXPECT_FALSE(left.LeaderAlways);
    EXPECT_NEAR(left.LeaderDirection, kPi, 1e-12);
    EXPECT_DOUBLE_EQ(left.TextDegrees, 0);
}

}  // namespace
}  // namespace vantro
