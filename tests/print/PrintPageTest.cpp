// Printed pages measured: PDF files printed at 600 dpi and rendered back at the same resolution,
// and the painter's calls on a recorded page.
#include "geometry/Dimensions.h"
#include "print/PrintJob.h"
#include "print/PrintPainter.h"
#include "support/Fixtures.h"
#include "view/RecordingSurface.h"

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace vantro {
namespace {

using testing::ElementsOf;
using testing::Line;
using testing::PutElement;

constexpr int kDpi = 600;
constexpr double kMmPerPixel = 25.4 / kDpi;

bool IsInk(QColor c) { return c.red() < 200 || c.green() < 200 || c.blue() < 200; }

// Ink pixels between the page's corners, not counting the page itself.
struct InkBox {
    int Left = INT_MAX, Top = INT_MAX, Right = -1, Bottom = -1;
    int Width() const { return Right - Left + 1; }
    int Height() const { return Bottom - Top + 1; }
};

InkBox InkOf(const QImage& page)
{
    InkBox box;
    for (int y = 0; y < page.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            if (!IsInk(QColor::fromRgb(row[x]))) continue;
            box.Left = std::min(box.Left, x);
            box.Right = std::max(box.Right, x);
            box.Top = std::min(box.Top, y);
            box.Bottom = std::max(box.Bottom, y);
        }
    }
    return box;
}

class PrintedPage : public ::testing::Test {
protected:
    PrintedPage()
    {
        options.Op1 = false;
        // A 600 dpi A4 page is about 140 MB as 32-bit pixels.
        QImageReader::setAllocationLimit(512);
        paint.Annotations.TextFace = QString::fromUtf8("ＭＳ ゴシック");
        paint.Annotations.DimensionFace = paint.Annotations.TextFace;
    }

    // Prints to a PDF at 600 dpi and renders its page back at 600 dpi without smoothing.
    QImage Print(const PdfRequest& request = {})
    {
        const QString pdf = folder.filePath("page.pdf");
        std::ostringstream errors;
        EXPECT_TRUE(PrintToPdf(pdf.toStdString(), drawing, paint, options, request, "page", errors)) << errors.str();
        if (!folder.isValid()) return {};
        QProcess render;
        render.start("pdftoppm", {"-r", QString::number(kDpi), "-aa", "no", "-aaVector", "no", "-png", "-singlefile",
                                  pdf, folder.filePath("page")});
        if (!render.waitForFinished(60000) || render.exitCode() != 0) {
            ADD_FAILURE() << "pdftoppm failed";
            return {};
        }
        return QImage(folder.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
    }

    // The thickest run of ink across a horizontal line, over the middle of the page's width.
    static int ThicknessOfHorizontalLine(const QImage& page)
    {
        int thickest = 0;
        for (int x = page.width() / 2 - 200; x < page.width() / 2 + 200; ++x) {
            int run = 0;
            for (int y = 0; y < page.height(); ++y) {
                run = IsInk(page.pixelColor(x, y)) ? run + 1 : 0;
                thickest = std::max(thickest, run);
            }
        }
        return thickest;
    }

    QTemporaryDir folder;
    Drawing drawing;
    PaintSettings paint;
    PrintOptions options;
};

TEST_F(PrintedPage, A100MillimetreLineAtActualSizeOnA4PortraitMeasures100Millimetres)
{
    struct Case {
        const char* name;
        TCadData line;
        bool horizontal;
    };
    const Case cases[] = {
        {"horizontal", Line(-50, 0, 50, 0), true},
        {"vertical", Line(0, -50, 0, 50), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        drawing = Drawing{};
        PutElement(drawing, c.line);
        const QImage page = Print();
        ASSERT_FALSE(page.isNull());
        EXPECT_NEAR(page.width() * kMmPerPixel, 210, 0.1);
        EXPECT_NEAR(page.height() * kMmPerPixel, 297, 0.1);
        const InkBox ink = InkOf(page);
        EXPECT_NEAR((c.horizontal ? ink.Width() : ink.Height()) * kMmPerPixel, 100, 0.1);
    }
}

TEST_F(PrintedPage, ATypedFactorPrintsTheDrawingThatManyTimesLarger)
{
    PutElement(drawing, Line(-20, 0, 20, 0));
    PdfRequest request;
    request.Factor = 2.5;
    const InkBox ink = InkOf(Print(request));
    // The paper shrinks to Round(297 / 2.5) = 119 mm of world over the page's height.
    EXPECT_NEAR(ink.Width() * kMmPerPixel, 40 * 297.0 / 119, 0.1);
}

TEST_F(PrintedPage, LineWidthsAreDevicePixels)
{
    struct Case {
        const char* name;
        bool lineWidth;
        uint8_t style;
        uint8_t width;
        int pixels;
    };
    const Case cases[] = {
        {"thin solid, emphasis on", true, kStyleSolid, 1, 9},
        {"dotted, emphasis on", true, 2, 1, 1},
        {"thin solid, emphasis off", false, kStyleSolid, 1, 3},
        {"thick solid, emphasis off", false, kStyleSolid, 3, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        drawing = Drawing{};
        TCadData line = Line(-50, 0, 50, 0);
        line.LineStyle = c.style;
        line.Width = c.width;
        PutElement(drawing, line);
        options.LineWidth = c.lineWidth;
        options.LineWid = 3;
        EXPECT_EQ(ThicknessOfHorizontalLine(Print()), c.pixels);
    }
}

TEST_F(PrintedPage, ColoursBlackAndWhiteInversionAndWhiteOnPaper)
{
    struct Case {
        const char* name;
        uint32_t colour;  // 0x00BBGGRR
        int colorChk;
        bool colorNox;
        QColor printed;
    };
    const Case cases[] = {
        {"red in colour", 0x0000FF, 0, false, QColor(255, 0, 0)},
        {"red in black and white", 0x0000FF, 1, false, QColor(0, 0, 0)},
        {"red inverted", 0x0000FF, 0, true, QColor(0, 255, 255)},
        {"white prints black", 0xFFFFFF, 0, false, QColor(0, 0, 0)},
        {"white inverted prints black", 0xFFFFFF, 0, true, QColor(0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        drawing = Drawing{};
        TCadData line = Line(-50, 0, 50, 0);
        line.Color = c.colour;
        PutElement(drawing, line);
        options.ColorChk = c.colorChk;
        options.ColorNox = c.colorNox;
        const QImage page = Print();
        const InkBox ink = InkOf(page);
        ASSERT_GE(ink.Right, 0);
        EXPECT_EQ(page.pixelColor((ink.Left + ink.Right) / 2, (ink.Top + ink.Bottom) / 2), c.printed);
    }
}

TEST_F(PrintedPage, SelectedElementsPrintInTheirOwnColourNotTheHighlight)
{
    TCadData line = Line(-50, 0, 50, 0);
    line.Color = 0x0000FF;
    line.Selected = 1;
    PutElement(drawing, line);
    const QImage page = Print();
    const InkBox ink = InkOf(page);
    ASSERT_GE(ink.Right, 0);
    EXPECT_EQ(page.pixelColor((ink.Left + ink.Right) / 2, (ink.Top + ink.Bottom) / 2), QColor(255, 0, 0));
}

TEST_F(PrintedPage, PrintingWithFillsShownLeavesTheDrawingAsItWas)
{
    // Printing the fills once deleted fill lines from the drawing's fill list.
    PutElement(drawing, Line(-50, 0, 50, 0));
    drawing.MemoBrush = {"1,255", "7,65280"};
    paint.FillsShown = true;
    const std::vector<TCadData> before = ElementsOf(drawing);
    Print();
    EXPECT_EQ(drawing.MemoBrush, (std::vector<std::string>{"1,255", "7,65280"}));
    const std::vector<TCadData> after = ElementsOf(drawing);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(std::memcmp(&after[0], &before[0], sizeof(double) * 4), 0);
}

TEST_F(PrintedPage, AnEmptyDrawingIsRefusedWithoutWritingAFile)
{
    const QString pdf = folder.filePath("empty.pdf");
    std::ostringstream errors;
    EXPECT_FALSE(PrintToPdf(pdf.toStdString(), drawing, paint, options, {}, "empty", errors));
    EXPECT_NE(errors.str().find("印刷するデータがありません"), std::string::npos);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(PrintPainter, DimensionTextsOfHeight12AtActualSizeOn600DpiAre200PixelsHigh)
{
    Drawing drawing;
    CurrentAttributes attributes;
    ASSERT_TRUE(AppendLinearDimension(drawing, attributes, DimensionOptions{}, kKindDimX, {0, 0}, {30, 10}, {15, 20}));
    PaintSettings paint;
    paint.Annotations.TextHeight = 12;
    PrintOptions options;
    options.Op1 = false;
    const PrintPage page{4961, 7016, 7016, false};
    testing::RecordingSurface surface(page.Width, page.Height);
    PrintElements(surface, ActualSizeTransform(page, 297, 15, 15, options), drawing, paint, options, PrintHeader{});
    ASSERT_FALSE(surface.Fonts.empty());
    EXPECT_EQ(surface.Fonts.front().Height, 200);  // 12 mm would be 283
    EXPECT_EQ(surface.Count("TextOut"), 1);
}

TEST(PrintPainter, TheHeaderPrintsTheCaptionAndTheDate)
{
    Drawing drawing;
    PutElement(drawing, Line(0, 0, 10, 0));
    PrintOptions options;
    testing::RecordingSurface surface(4961, 7016);
    const PrintHeader header{"plan.dca", "2026/12/10", 100};
    PrintElements(surface, ActualSizeTransform({4961, 7016, 7016, false}, 297, 0, 0, options), drawing,
                  PaintSettings{}, options, header);
    ASSERT_GE(surface.Calls.size(), 2u);
    EXPECT_EQ(surface.Calls[0].Name, "TextOut");
    EXPECT_EQ(surface.Calls[0].Points.front(), (PixelPoint{10, 10}));
    EXPECT_EQ(surface.Calls[1].Points.front(), (PixelPoint{10, 115}));
    options.Op1 = false;
    testing::RecordingSurface without(4961, 7016);
    PrintElements(without, ActualSizeTransform({4961, 7016, 7016, false}, 297, 0, 0, options), drawing,
                  PaintSettings{}, options, header);
    EXPECT_EQ(without.Count("TextOut"), 0);
}

// The images print first: the background over the whole page, each inserted image with its corner
// where the correction factors put it and its size at the print scale alone.
TEST(PrintPainter, ImagesPrintUnderTheDrawingWithTheirCornersCorrected)
{
    Drawing drawing;
    PutElement(drawing, Line(0, 0, 10, 0));
    const auto pixels = std::make_shared<const Bitmap>(Bitmap{100, 50, std::vector<uint32_t>(5000, 0xFF00FF00)});
    drawing.Images.Slots[0].Pixels = pixels;
    drawing.Images.Slots[1] = {pixels, "green.bmp", 10, 20};
    drawing.Images.ImageCount = 1;
    PrintOptions options;
    options.Op1 = false;
    const PrintTransform transform{10, 100, 2000, 1.1f, 0.9f};
    PaintSettings paint;
    testing::RecordingSurface page(3000, 4000);
    PrintElements(page, transform, drawing, paint, options, PrintHeader{});
    ASSERT_EQ(page.Count("StretchDraw"), 2);
    EXPECT_EQ(page.Calls[0].Points, (std::vector<PixelPoint>{{0, 0}, {3000, 4000}}));
    // left = Round(100 + 1.1 × 10 × 10) = 210, top = Round(2000 − 10 × 20 × 0.9) = 1820.
    EXPECT_EQ(page.Calls[1].Points, (std::vector<PixelPoint>{{210, 1820}, {1210, 2320}}));
    EXPECT_EQ(page.Calls[2].Name, "MoveTo") << "the elements come after";

    paint.Images.BackgroundShown = false;
    testing::RecordingSurface hidden(3000, 4000);
    PrintElements(hidden, transform, drawing, paint, options, PrintHeader{});
    EXPECT_EQ(hidden.Count("StretchDraw"), 1);
    paint.Images = {true, false};
    testing::RecordingSurface tiled(3000, 4000);
    PrintElements(tiled, transform, drawing, paint, options, PrintHeader{});
    // Tiles of 1,000 × 500 device pixels: Trunc(3000 / 1000) + 2 columns, Trunc(4000 / 500) + 2 rows.
    EXPECT_EQ(tiled.Count("StretchDraw"), 5 * 10 + 1);
    EXPECT_EQ(tiled.Calls[1].Points, (std::vector<PixelPoint>{{0, 500}, {1000, 1000}}));
}

// The fills printed with the fill switch on, the filled rectangles whatever it is, as the screen
// shows them.
TEST(PrintPainter, FillsPrintWhileShownAndFilledRectanglesAlways)
{
    Drawing drawing;
    for (TCadData line : {Line(0, 0, 100, 0), Line(100, 0, 100, 50), Line(100, 50, 0, 0)}) {
        line.Group = 1;
        PutElement(drawing, line);
    }
    TCadData filled = Line(200, 0, 250, 30);
    filled.Kind = kKindFilledRect;
    PutElement(drawing, filled);
    drawing.MemoBrush = {"1,255"};
    PrintOptions options;
    options.Op1 = false;
    const PrintTransform transform{10, 100, 2000, 1, 1};
    for (const bool shown : {false, true}) {
        SCOPED_TRACE(shown);
        PaintSettings paint;
        paint.FillsShown = shown;
        testing::RecordingSurface page(3000, 4000);
        PrintElements(page, transform, drawing, paint, options, PrintHeader{});
        EXPECT_EQ(page.Count("Polygon"), shown ? 1 : 0);
        EXPECT_EQ(page.Count("Rectangle"), 1);
    }
    EXPECT_EQ(drawing.MemoBrush, std::vector<std::string>{"1,255"});
}

}  // namespace
}  // namespace vantro
