#include "document/ElementStore.h"
#include "document/Layers.h"
#include "geometry/Primitives.h"
#include "view/ElementPainter.h"
#include "view/QPainterSurface.h"
#include "view/RecordingSurface.h"
#include "view/SnapFixtures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <optional>

namespace vantro {
namespace {

constexpr QRgb kBackground = 0xFFC0C0C0;

// A canvas image with one pixel per millimetre and the world origin at the given pixel.
class Painter : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetEps(0.001f);
        Resize(100, 100);
    }
    void TearDown() override { SetEps(kInitialEps); }

    void Resize(int width, int height)
    {
        image = QImage(width, height, QImage::Format_RGB32);
        image.fill(kBackground);
        view.CanvasWidth = width;
        view.CanvasHeight = height;
        view.Zoom = 1;
        view.FitScale = 1;
        view.OriginX = 0;
        view.OriginY = height;  // world (0,0) at the bottom-left corner
    }

    int Add(TCadData e)
    {
        e.Layer = e.Layer == 0 ? 1 : e.Layer;
        e.Width = e.Width == 0 ? 1 : e.Width;
        Append(drawing, true);
        const int32_t id = drawing[drawing.Count].Id;
        drawing[drawing.Count] = e;
        drawing[drawing.Count].Id = id;
        return drawing.Count;
    }

    void PaintAll()
    {
        QPainterSurface surface(image);
        PaintDrawing(surface, view, drawing, settings, [] {}, [](Surface&) {});
    }

    void Draw(int index, bool copyMode)
    {
        QPainterSurface surface(image);
        DrawElement({surface, view, drawing, settings}, index, copyMode);
    }

    bool Painted(int x, int y) const { return image.pixel(x, y) != kBackground; }

    int PaintedCount() const
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += Painted(x, y) ? 1 : 0;
        return n;
    }

    QImage image;
    ViewState view;
    Drawing drawing;
    PaintSettings settings;
};

using testing::Circle;
using testing::Line;

TCadData Arc(double cx, double cy, double r, double startDeg, double sweep)
{
    return testing::ArcElement(cx, cy, r, startDeg, sweep);
}

TEST_F(Painter, AHorizontalLineLandsOnItsPixelsInItsColour)
{
    TCadData line = Line(10, 50, 60, 50);
    line.Color = 0x0000FF;  // red as 0x00BBGGRR
    Add(line);
    PaintAll();
    for (int x = 10; x < 60; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(image.pixel(x, 50), 0xFFFF0000u);
    }
    EXPECT_FALSE(Painted(30, 49));
    EXPECT_FALSE(Painted(30, 51));
    EXPECT_FALSE(Painted(70, 50));
}

TEST_F(Painter, AnArcLandsOnItsCircleAndOnlyWithinItsSweep)
{
    settings.ArcMode = 98;
    Add(Arc(50, 50, 30, 0, 90));  // upper-right quarter
    PaintAll();
    int onArc = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            // Column 0 holds the origin marker's vertical arm.
            if (x == 0 || !Painted(x, y)) continue;
            const double distance = std::hypot(x - 50.0, (100 - y) - 50.0);
            EXPECT_NEAR(distance, 30, 1.5) << x << "," << y;
            EXPECT_GE(x, 50) << "painted left of the centre";
            EXPECT_LE(y, 50) << "painted below the centre";
            ++onArc;
        }
    }
    EXPECT_GT(onArc, 30);
}

TEST_F(Painter, ArcModesDrawTheSameQuarter)
{
    for (const int mode : {98, 2000}) {
        SCOPED_TRACE(mode);
        testing::RecordingSurface recorder(100, 100);
        settings.ArcMode = mode;
        const TCadData arc = Arc(50, 50, 30, 0, 90);
        recorder.SetPen({});
        DrawShape({recorder, view, drawing, settings}, arc);
        if (mode == 2000) {
            ASSERT_EQ(recorder.Count("Arc"), 1);
            EXPECT_EQ(recorder.Count("LineTo"), 0);
        } else {
            EXPECT_EQ(recorder.Count("Arc"), 0);
            EXPECT_GT(recorder.Count("LineTo"), 5);
        }
    }
}

TEST_F(Painter, ArcsWhoseEndsShareAPixelAreDecidedByTheirSweep)
{
    // A nearly full arc whose ends fell within a pixel was once not drawn at all in Arc mode; a
    // dimension's tiny arc was drawn as a whole circle.
    settings.ArcMode = 2000;
    const struct {
        double Sweep;
        bool Dimension;  // through the dimension painters' world arc
        int Arcs;
    } cases[] = {{359.99, false, 1}, {0.01, false, 0}, {359.99, true, 1}, {0.01, true, 0}, {90, true, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.Sweep << (c.Dimension ? " dimension" : " element"));
        testing::RecordingSurface recorder(100, 100);
        recorder.SetPen({});
        const TCadData arc = Arc(50, 50, 30, 10, c.Sweep);
        if (c.Dimension) DrawWorldArc(recorder, view, settings, arc.X1, arc.Y1, arc.X2, arc.Y2, 50, 50, 30, c.Sweep);
        else DrawShape({recorder, view, drawing, settings}, arc);
        EXPECT_EQ(recorder.Count("Arc"), c.Arcs);
        EXPECT_EQ(recorder.Calls.size(), static_cast<size_t>(c.Arcs));
        if (recorder.Count("Arc") == 1 && c.Sweep > 180) {
            const auto& rays = recorder.Calls[0].Points;
            EXPECT_EQ(rays[2], rays[3]) << "equal rays draw the whole circle";
        }
    }
}

TEST_F(Painter, DashStylesDifferFromSolid)
{
    auto paintedWith = [&](uint8_t style) {
        image.fill(kBackground);
        drawing = Drawing();
        TCadData line = Line(0, 50, 100, 50);
        line.LineStyle = style;
        Add(line);
        PaintAll();
        std::vector<bool> row;
        for (int x = 0; x < 100; ++x) row.push_back(Painted(x, 50));
        return row;
    };
    const auto solid = paintedWith(kStyleSolid);
    EXPECT_EQ(std::count(solid.begin(), solid.end(), true), 100);
    std::vector<std::vector<bool>> rows{solid};
    for (const uint8_t style : {kStyleDash, kStyleDot, kStyleDashDot, kStyleDashDotDot}) {
        SCOPED_TRACE(static_cast<int>(style));
        const auto row = paintedWith(style);
        const auto painted = std::count(row.begin(), row.end(), true);
        EXPECT_GT(painted, 20);
        EXPECT_LT(painted, 90);
        for (const auto& other : rows) EXPECT_NE(row, other);
        rows.push_back(row);
    }
}

TEST_F(Painter, ThickLinesAreWider)
{
    TCadData line = Line(0, 50, 100, 50);
    line.Width = 3;
    Add(line);
    PaintAll();
    int rows = 0;
    for (int y = 45; y <= 55; ++y) rows += Painted(50, y) ? 1 : 0;
    EXPECT_EQ(rows, 3);
}

TEST_F(Painter, HiddenLayersAndUntickedFiltersAreNotPainted)
{
    struct Case {
        const char* name;
        std::function<void(Drawing&)> hide;
    };
    const Case cases[] = {
        {"hidden layer", [](Drawing& d) { d.Layers.Visible[4] = 0; }},
        {"line filter", [](Drawing& d) { d.Layers.Filters.Lines = false; }},
        {"group filter", [](Drawing& d) { d.Layers.Filters.Groups = false; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        image.fill(kBackground);
        drawing = Drawing();
        TCadData line = Line(10, 20, 90, 20);
        line.Layer = 5;
        line.Group = 2;
        Add(line);
        c.hide(drawing);
        PaintAll();
        EXPECT_FALSE(Painted(50, 80));
    }
}

TEST_F(Painter, DrawingAnyFigureTwiceInNotModeRestoresTheImage)
{
    TCadData dashed = Line(-50, 10, 150, 90);
    dashed.LineStyle = kStyleDashDot;
    TCadData thick = Line(5, 5, 95, 60);
    thick.Width = 3;
    TCadData point{};
    point.Kind = kKindPoint;
    point.Cx = 40;
    point.Cy = 40;
    TCadData cross = Circle(50, 50, 10);
    cross.Kind = kKindCrossCircle;
    TCadData ellipse{};
    ellipse.Kind = kKindEllipse;
    ellipse.Cx = 50;
    ellipse.Cy = 50;
    ellipse.R = 40;
    ellipse.Y1 = 0.5;
    ellipse.X1 = 40;
    ellipse.X2 = -40;
    ellipse.Angle = 0.3;
    TCadData curve{};
    curve.Kind = kKindCurveThroughPoints;
    curve.Text = "10,10,40,80,70,20,90,90,";
    TCadData controls = curve;
    controls.Kind = kKindCurveByControlPoints;
    const TCadData figures[] = {Line(10, 10, 90, 70), dashed, thick, Arc(50, 50, 30, 20, 250), Circle(50, 50, 20),
                                Circle(50, -350, 400), point, cross, ellipse, curve, controls};
    // A busy background, so that an inversion that is not undone shows.
    TCadData backdrop = Line(0, 0, 100, 100);
    backdrop.Width = 3;
    for (const int mode : {98, 2000}) {
        settings.ArcMode = mode;
        for (const TCadData& figure : figures) {
            SCOPED_TRACE(::testing::Message() << "kind " << static_cast<int>(figure.Kind) << " mode " << mode);
            image.fill(kBackground);
            drawing = Drawing();
            Add(backdrop);
            PaintAll();
            const QImage before = image;
            const int index = Add(figure);
            Draw(index, false);
            EXPECT_NE(image, before) << "the figure was drawn";
            Draw(index, false);
            EXPECT_EQ(image, before);
        }
    }
}

TEST_F(Painter, ArcWithEqualRaysDrawsTheWholeEllipse)
{
    QPainterSurface surface(image);
    surface.SetPen({});
    surface.Arc(10, 20, 90, 80, 95, 50, 99, 50);
    // Points at the four extremes of the inscribed ellipse are painted.
    EXPECT_TRUE(Painted(10, 50) || Painted(11, 50));
    EXPECT_TRUE(Painted(89, 50) || Painted(90, 50));
    EXPECT_TRUE(Painted(50, 20) || Painted(50, 21));
    EXPECT_TRUE(Painted(50, 79) || Painted(50, 80));
}

TEST_F(Painter, SurfaceArcRunsCounterClockwiseOnTheScreen)
{
    QPainterSurface surface(image);
    surface.SetPen({});
    // From the ray to the right (3 o'clock) to the ray upwards (12 o'clock): the upper-right quarter.
    surface.Arc(20, 20, 80, 80, 90, 50, 50, 0);
    EXPECT_TRUE(Painted(50 + 21, 50 - 21) || Painted(50 + 21, 50 - 22) || Painted(50 + 22, 50 - 21));
    int lowerHalf = 0;
    for (int y = 55; y < 100; ++y)
        for (int x = 0; x < 100; ++x) lowerHalf += Painted(x, y) ? 1 : 0;
    EXPECT_EQ(lowerHalf, 0);
}

TEST_F(Painter, ALineFarOutsideIsClippedToTheChordOrNotDrawnAtAll)
{
    testing::RecordingSurface recorder(100, 100);
    DrawWorldLine(recorder, view, -1e7, 50, 1e7, 50);
    ASSERT_EQ(recorder.Count("LineTo"), 1);
    const auto& move = recorder.Calls[0].Points[0];
    const auto& to = recorder.Calls[1].Points[0];
    EXPECT_NEAR(std::abs(move.X - to.X), 2 * std::hypot(50, 50), 1.5) << "the chord of the corner circle";
    recorder.Calls.clear();
    DrawWorldLine(recorder, view, -1e7, 1e6, 1e7, 1e6);
    EXPECT_TRUE(recorder.Calls.empty());
}

// The clip circle through the corners reaches far above and below a wide canvas: segments that end
// there must still show their visible part.
TEST_F(Painter, WideCanvasesKeepSegmentsThatReachBeyondTheBox)
{
    Resize(1000, 100);
    struct Case {
        const char* name;
        double y1;  // world y of the far end, canvas y = 100 − y
    };
    const Case cases[] = {
        {"far end inside the corner circle", -150},
        {"far end outside the circle but nearer than the width", -600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        image.fill(kBackground);
        drawing = Drawing();
        Add(Line(500, c.y1, 500, 50));
        PaintAll();
        for (int y = 52; y < 100; ++y) EXPECT_TRUE(Painted(500, y)) << y;
    }
}

TEST_F(Painter, HugeCirclesAndArcsDrawOnlyWhatCrossesTheCanvas)
{
    for (const int mode : {98, 2000}) {
        SCOPED_TRACE(mode);
        settings.ArcMode = mode;
        testing::RecordingSurface recorder(100, 100);
        recorder.SetPen({});
        // Centre far below, outline crossing the canvas.
        DrawShape({recorder, view, drawing, settings}, Circle(50, -1e7 + 50, 1e7));
        EXPECT_GT(recorder.Calls.size(), 0u);
        for (const auto& call : recorder.Calls)
            for (const PixelPoint& p : call.Points) {
                EXPECT_LT(std::abs(p.X), 1000);
                EXPECT_LT(std::abs(p.Y), 1000);
            }
        recorder.Calls.clear();
        DrawShape({recorder, view, drawing, settings}, Arc(50, -1e9, 1e9 + 50, 80, 20));
        for (const auto& call : recorder.Calls)
            for (const PixelPoint& p : call.Points) EXPECT_LT(std::abs(p.X), 1000000);
        recorder.Calls.clear();
        DrawShape({recorder, view, drawing, settings}, Circle(1e6, 1e6, 10));
        EXPECT_TRUE(recorder.Calls.empty()) << "a circle that cannot reach the canvas";
    }
}

TEST_F(Painter, PointsOnTheLeftEdgeAndEllipsesOutOfRangeAreNotDrawn)
{
    testing::RecordingSurface recorder(100, 100);
    TCadData point{};
    point.Kind = kKindPoint;
    point.Cx = 0;
    point.Cy = 50;
    DrawShape({recorder, view, drawing, settings}, point);
    EXPECT_TRUE(recorder.Calls.empty());
    TCadData ellipse{};
    ellipse.Kind = kKindEllipse;
    ellipse.Cx = 50;
    ellipse.Cy = 50;
    ellipse.R = 10;
    ellipse.Y1 = 0.5;
    ellipse.X1 = 11;
    ellipse.X2 = -10;
    DrawShape({recorder, view, drawing, settings}, ellipse);
    EXPECT_TRUE(recorder.Calls.empty());
}

TEST_F(Painter, PensFollowSelectionKindAndPicks)
{
    TCadData line = Line(0, 0, 1, 1);
    line.Color = 0x123456;
    line.Width = 2;
    line.LineStyle = kStyleDash;
    EXPECT_EQ(ElementPen(settings, line, 3), (Pen{0x123456, 2, kStyleDash, PenMode::Copy}));
    settings.FirstPick = 3;
    EXPECT_EQ(ElementPen(settings, line, 3).Colour, settings.HighlightColour);
    settings.FirstPick = 0;
    line.Selected = 1;
    EXPECT_EQ(ElementPen(settings, line, 3).Colour, settings.HighlightColour);
    TCadData dimension = line;
    dimension.Selected = 0;
    dimension.Kind = kKindDimX;
    dimension.Width = 3;  // the arrow pattern, not a pen width
    EXPECT_EQ(ElementPen(settings, dimension, 4), (Pen{settings.AnnotationColour, 1, kStyleDash, PenMode::Copy}));
}

TEST_F(Painter, EraseUsesTheBackgroundColour)
{
    settings.BackgroundColour = 0xC0C0C0;
    const int index = Add(Line(10, 50, 90, 50));
    PaintAll();
    EXPECT_TRUE(Painted(50, 50));
    QPainterSurface surface(image);
    EraseElement({surface, view, drawing, settings}, index);
    EXPECT_FALSE(Painted(50, 50));
}

// Filled rectangles were painted only while fill display was on, yet snaps found them with it off:
// they are now painted in every repaint, in their colour, under the other elements.
TEST_F(Painter, FilledRectanglesArePaintedWhetherFillsAreShownOrNot)
{
    TCadData filled = Line(20, 20, 60, 40);
    filled.Kind = kKindFilledRect;
    filled.Color = 0x0000FF;
    Add(filled);
    Add(Line(10, 30, 90, 30));
    for (const bool fills : {false, true}) {
        SCOPED_TRACE(fills);
        settings.FillsShown = fills;
        image.fill(kBackground);
        PaintAll();
        EXPECT_EQ(image.pixel(40, 75), 0xFFFF0000) << "inside the rectangle: red";
        EXPECT_TRUE(Painted(40, 70));
        EXPECT_NE(image.pixel(40, 70), 0xFFFF0000) << "the line stays over it";
        EXPECT_FALSE(Painted(70, 75));
    }
}

TEST_F(Painter, AnEmptyDrawingWithoutGridShowsOnlyTheOriginMarker)
{
    view.OriginX = 50;
    view.OriginY = 50;
    testing::RecordingSurface recorder(100, 100);
    PaintDrawing(recorder, view, drawing, settings, [] {}, [](Surface&) {});
    EXPECT_EQ(recorder.Count("LineTo"), 2);
    EXPECT_EQ(view.Repaint, RepaintState::Idle);
}

TEST_F(Painter, AViewChangeDuringTheRepaintRestartsIt)
{
    for (int i = 0; i < 1000; ++i) Add(Circle(50, 50, 1 + i % 40));
    int backgrounds = 0;
    int turns = 0;
    QPainterSurface surface(image);
    PaintDrawing(
        surface, view, drawing, settings,
        [&] {
            if (++turns == 1) view.Repaint = RepaintState::RestartRequested;
        },
        [&](Surface& background) {
            ++backgrounds;
            // The pass's own surface holds the image: a second painter on it would draw nothing.
            EXPECT_EQ(&background, &surface);
            background.SetBrush({true, 0x00FF00});
            background.Rectangle(0, 0, 5, 5);
            background.SetBrush({});
        });
    EXPECT_EQ(backgrounds, 1) << "restarted once after the first turn";
    surface.Flush();
    EXPECT_EQ(image.pixel(1, 1), 0xFF00FF00u) << "the background was painted";
    EXPECT_GT(turns, 1000 / 64) << "the restarted pass went through the whole drawing";
    EXPECT_EQ(view.Repaint, RepaintState::Idle);
}

}  // namespace
}  // namespace vantro
