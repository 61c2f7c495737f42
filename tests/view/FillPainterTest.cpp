#include "view/FillPainter.h"

#include "document/ElementStore.h"
#include "geometry/EllipsePolyline.h"
#include "support/Fixtures.h"
#include "view/ElementPainter.h"
#include "view/QPainterSurface.h"
#include "view/RecordingSurface.h"

#include <QImage>

#include <gtest/gtest.h>

namespace vantro::testing {
namespace {

constexpr QRgb kBackground = 0xFFC0C0C0;
constexpr QRgb kRed = 0xFFFF0000;

// A 100 × 100 canvas, one pixel per millimetre, the world origin at its bottom-left corner.
class FillPainter : public ::testing::Test {
protected:
    void SetUp() override
    {
        image = QImage(100, 100, QImage::Format_RGB32);
        image.fill(kBackground);
        view.CanvasWidth = view.CanvasHeight = 100;
        view.OriginY = 100;
    }

    void PutRectangle(double x1, double y1, double x2, double y2, int32_t group)
    {
        for (TCadData line : {Line(x1, y1, x2, y1), Line(x2, y1, x2, y2), Line(x2, y2, x1, y2), Line(x1, y2, x1, y1)}) {
            line.Group = group;
            PutElement(drawing, line);
        }
    }

    void PaintMemo()
    {
        QPainterSurface surface(image);
        PaintFills(surface, view, drawing, kDefaultFineness);
    }

    QImage image;
    ViewState view;
    Drawing drawing;
};

TEST_F(FillPainter, AGroupedRectangleIsFilledRed)
{
    PutRectangle(20, 20, 60, 40, 5);
    drawing.MemoBrush = {"5,255"};
    PaintMemo();
    EXPECT_EQ(image.pixel(40, 70), kRed);  // world (40, 30)
    EXPECT_EQ(image.pixel(10, 70), kBackground);
    EXPECT_EQ(image.pixel(40, 50), kBackground);
}

TEST_F(FillPainter, ACircleOfItsOwnGroupIsFilled)
{
    TCadData circle = Circle(50, 50, 10);
    circle.Group = 3;
    PutElement(drawing, circle);
    drawing.MemoBrush = {"3,65280"};
    PaintMemo();
    EXPECT_EQ(image.pixel(50, 50), 0xFF00FF00);
    EXPECT_EQ(image.pixel(50, 30), kBackground);
}

TEST_F(FillPainter, BrokenLinesPaintNothing)
{
    PutRectangle(20, 20, 60, 40, 5);
    Delete(drawing, 1, false);
    drawing.MemoBrush = {"5,255", "9,255", "x", ""};
    RecordingSurface recorder(100, 100);
    PaintFills(recorder, view, drawing, kDefaultFineness);
    EXPECT_EQ(recorder.Count("Polygon") + recorder.Count("Ellipse"), 0);
    EXPECT_EQ(drawing.MemoBrush.size(), 4u) << "painting never edits the memo";
}

// Zoomed in far, the region's corners lie millions of pixels away: the part over the canvas is
// still filled, and nothing beyond the surface's range reaches it.
TEST_F(FillPainter, AHugelyZoomedRegionFillsTheCanvas)
{
    PutRectangle(-1e6, -1e6, 1e6, 1e6, 5);
    drawing.MemoBrush = {"5,255"};
    view.Zoom = 1000;
    view.OriginX = 50;
    view.OriginY = 50;
    RecordingSurface recorder(100, 100);
    PaintFills(recorder, view, drawing, kDefaultFineness);
    ASSERT_EQ(recorder.Count("Polygon"), 1);
    for (const PixelPoint& p : recorder.Calls.front().Points) {
        EXPECT_GE(p.X, -16);
        EXPECT_LE(p.X, 116);
    }
    PaintMemo();
    EXPECT_EQ(image.pixel(0, 0), kRed);
    EXPECT_EQ(image.pixel(99, 99), kRed);
}

TEST_F(FillPainter, TheRepaintPutsFillsUnderTheElementsOnlyWhileFillsAreShown)
{
    PutRectangle(20, 20, 60, 40, 5);
    PutElement(drawing, Line(10, 30, 90, 30));
    drawing.MemoBrush = {"5,255"};
    PaintSettings settings;
    for (const bool shown : {false, true}) {
        SCOPED_TRACE(shown);
        settings.FillsShown = shown;
        image.fill(kBackground);
        {
            QPainterSurface surface(image);
            PaintDrawing(surface, view, drawing, settings, [] {}, [](Surface&) {});
        }
        EXPECT_EQ(image.pixel(40, 75) == kRed, shown);
        EXPECT_NE(image.pixel(40, 70), kRed) << "the line crossing the region is drawn over the fill";
    }
}

}  // namespace
}  // namespace vantro::testing
