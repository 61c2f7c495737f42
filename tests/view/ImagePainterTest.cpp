#include "view/ImagePainter.h"

#include "view/QPainterSurface.h"
#include "view/RecordingSurface.h"

#include <QImage>

#include <gtest/gtest.h>

namespace vantro::testing {
namespace {

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;

std::shared_ptr<const Bitmap> Filled(int width, int height, uint32_t colour)
{
    return std::make_shared<const Bitmap>(
        Bitmap{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height), colour)});
}

ViewState View(float zoom, int originX, int originY)
{
    ViewState view;
    view.CanvasWidth = 100;
    view.CanvasHeight = 100;
    view.Zoom = zoom;
    view.OriginX = originX;
    view.OriginY = originY;
    return view;
}

std::vector<PixelPoint> Box(int x1, int y1, int x2, int y2) { return {{x1, y1}, {x2, y2}}; }

TEST(ImagePainter, AStretchedBackgroundCoversTheCanvasWhateverTheZoomAndPan)
{
    ImageList images;
    images.Slots[0].Pixels = Filled(7, 3, kRed);
    for (const ViewState& view : {View(1, 0, 100), View(4, -300, 20)}) {
        RecordingSurface canvas(100, 100);
        PaintImages(canvas, view, images, ImageDisplay{}, true, 0xC0C0C0);
        ASSERT_EQ(canvas.Calls.size(), 1u);
        EXPECT_EQ(canvas.Calls[0].Name, "StretchDraw");
        EXPECT_EQ(canvas.Calls[0].Points, Box(0, 0, 100, 100));
    }
}

TEST(ImagePainter, ATiledBackgroundRepeatsFromTheTopLeftCorner)
{
    ImageList images;
    images.Slots[0].Pixels = Filled(40, 30, kRed);
    RecordingSurface canvas(100, 100);
    PaintImages(canvas, View(1, 0, 100), images, ImageDisplay{.Stretched = false}, true, 0);
    // Trunc(100 / 40) + 2 = 4 columns, Trunc(100 / 30) + 2 = 5 rows.
    ASSERT_EQ(canvas.Count("StretchDraw"), 20);
    EXPECT_EQ(canvas.Calls[0].Points, Box(0, 0, 40, 30));
    EXPECT_EQ(canvas.Calls[19].Points, Box(120, 120, 160, 150));
}

// A one-pixel background would be drawn once per canvas pixel: it is repeated into a larger tile
// first, which looks the same.
TEST(ImagePainter, ATinyTiledBackgroundIsDrawnInFewCalls)
{
    ImageList images;
    images.Slots[0].Pixels = Filled(1, 1, kRed);
    RecordingSurface recorder(2000, 1500);
    PaintImages(recorder, View(1, 0, 100), images, ImageDisplay{.Stretched = false}, true, 0);
    EXPECT_LE(recorder.Count("StretchDraw"), 4096);
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainterSurface surface(image);
        PaintImages(surface, View(1, 0, 100), images, ImageDisplay{.Stretched = false}, true, 0);
    }
    EXPECT_EQ(image.pixel(0, 0), kRed);
    EXPECT_EQ(image.pixel(299, 199), kRed);
}

TEST(ImagePainter, WithoutABackgroundShownTheWindowColourIsPaintedOnlyWhenClearing)
{
    ImageList images;
    images.Slots[0].Pixels = Filled(4, 4, kRed);
    const struct {
        const char* Name;
        bool Loaded;
        bool Shown;
        bool Clear;
        int Rectangles;
        int Stretches;
    } cases[] = {
        {"none, clearing", false, true, true, 1, 0},
        {"none, not clearing", false, true, false, 0, 0},
        {"hidden, clearing", true, false, true, 1, 0},
        {"shown, not clearing", true, true, false, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ImageList list = images;
        if (!c.Loaded) list.Slots[0].Pixels.reset();
        RecordingSurface canvas(100, 100);
        PaintImages(canvas, View(1, 0, 100), list, ImageDisplay{.BackgroundShown = c.Shown}, c.Clear, 0xC0C0C0);
        EXPECT_EQ(canvas.Count("Rectangle"), c.Rectangles);
        EXPECT_EQ(canvas.Count("StretchDraw"), c.Stretches);
        if (c.Rectangles > 0) {
            EXPECT_EQ(canvas.Calls[0].Points, Box(-3, -3, 103, 103));
        }
    }
}

// A 100 × 50 image whose top-left corner lies at (10, 20) covers the drawing from (10, 20) to
// (110, −30): one image pixel a millimetre, so it grows with the zoom and moves with a pan.
TEST(ImagePainter, AnInsertedImageLiesOnTheDrawingAtOnePixelPerMillimetre)
{
    ImageList images;
    images.Slots[1] = {Filled(100, 50, kRed), "a.bmp", 10, 20};
    images.ImageCount = 1;
    const struct {
        ViewState View;
        std::vector<PixelPoint> Expected;
    } cases[] = {
        {View(1, 0, 100), Box(10, 80, 110, 130)},
        {View(2, 0, 100), Box(20, 60, 220, 160)},
        {View(1, 30, 90), Box(40, 70, 140, 120)},
    };
    for (const auto& c : cases) {
        RecordingSurface canvas(100, 100);
        PaintImages(canvas, c.View, images, ImageDisplay{}, false, 0);
        ASSERT_EQ(canvas.Count("StretchDraw"), 1);
        EXPECT_EQ(canvas.Calls[0].Points, c.Expected);
    }
}

TEST(ImagePainter, LaterImagesCoverEarlierOnesAndOnlyTheCountedOnesArePainted)
{
    ImageList images;
    images.Slots[1] = {Filled(50, 50, kRed), "red.bmp", 0, 100};
    images.Slots[2] = {Filled(20, 20, kBlue), "blue.bmp", 10, 90};
    images.Slots[3] = {Filled(100, 100, kRed), "beyond.bmp", 0, 100};
    images.ImageCount = 2;
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainterSurface surface(image);
        PaintImages(surface, View(1, 0, 100), images, ImageDisplay{}, false, 0);
    }
    EXPECT_EQ(image.pixel(5, 5), kRed);
    EXPECT_EQ(image.pixel(15, 15), kBlue);
    EXPECT_EQ(image.pixel(80, 80), 0xFFFFFFFF) << "slot 3 lies beyond the count";
}

// Zoomed a thousandfold, a two-pixel image is 2,000 canvas pixels wide: only the part over the
// canvas is drawn, and the border between its pixels stays where the zoom puts it.
TEST(ImagePainter, AHugelyZoomedImageShowsThePartOverTheCanvas)
{
    auto halves = std::make_shared<Bitmap>(Bitmap{2, 1, {kRed, kBlue}});
    ImageList images;
    images.Slots[1] = {halves, "halves.bmp", -1, 0.05};
    images.ImageCount = 1;
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainterSurface surface(image);
        PaintImages(surface, View(1000, 50, 50), images, ImageDisplay{}, false, 0);
    }
    EXPECT_EQ(image.pixel(49, 20), kRed);
    EXPECT_EQ(image.pixel(50, 20), kBlue);
}

}  // namespace
}  // namespace vantro::testing
