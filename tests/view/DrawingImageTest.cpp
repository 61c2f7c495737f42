#include "document/ElementStore.h"
#include "support/Fixtures.h"
#include "view/DrawingImage.h"
#include "view/ElementExtents.h"
#include "view/PaintPreferences.h"
#include "view/PaintedExtents.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace vantro {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
const std::string kLongText = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

TCadData Text(double x, double y, double height, double radians)
{
    TCadData e{};
    e.Kind = kKindText;
    e.Layer = 1;
    e.Width = 1;
    e.Cx = e.X1 = x;
    e.Cy = e.Y1 = y;
    e.R = height;
    e.Angle = radians;
    e.Text = kLongText;
    return e;
}

TCadData Leader(double x, double y)
{
    TCadData e{};
    e.Kind = kKindLeader;
    e.Layer = 1;
    e.Width = 1;
    e.X1 = x;
    e.Y1 = y;
    e.X2 = x + 10;
    e.Y2 = y + 10;
    e.Cx = x + 30;
    e.Cy = y + 10;
    e.Text = "=" + kLongText;
    return e;
}

bool Painted(const QImage& image, int x, int y) { return image.pixel(x, y) != kWhite; }

TEST(DrawingImage, AFittedPictureHoldsEveryTextWhole)
{
    // The fit took a text or a dimension as its reference point ± 20 mm, so a long text ran off
    // the picture ("4-φ24 キリ" of the sample part lost its start).
    // Far from the origin, whose marker is no part of the drawing.
    const double x = 1000;
    const double y = 500;
    const struct {
        const char* Name;
        TCadData Annotation;
    } cases[] = {
        {"a long text past the line's end", Text(x + 100, y, 10, 0)},
        {"a long text reading upwards", Text(x, y, 10, std::acos(-1.0) / 2)},
        {"a long text ending left of the line", Text(x - 300, y + 20, 10, 0)},
        {"a leader's long text", Leader(x + 100, y)},
    };
    const PaintSettings settings = PaintSettingsFrom(Settings{});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Drawing drawing;
        testing::PutElement(drawing, testing::Line(x, y, x + 100, y));
        testing::PutElement(drawing, c.Annotation);
        const QImage image = RenderFitted(drawing, settings, kDefaultSheetIndex, 400, 300);
        int border = 0;
        for (int x = 0; x < image.width(); ++x) border += Painted(image, x, 0) + Painted(image, x, image.height() - 1);
        for (int y = 0; y < image.height(); ++y) border += Painted(image, 0, y) + Painted(image, image.width() - 1, y);
        EXPECT_EQ(border, 0) << "something runs off the picture";
        int painted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) painted += Painted(image, x, y);
        EXPECT_GT(painted, 200) << "the line and the text are there";
    }
}

TEST(DrawingImage, PaintedExtentsFollowTheTextsDrawnWidthAndTurn)
{
    ViewState view;
    view.CanvasWidth = 400;
    view.CanvasHeight = 300;
    view.FitScale = 2;
    view.OriginX = 200;
    view.OriginY = 150;
    const PaintSettings settings = PaintSettingsFrom(Settings{});
    const struct {
        const char* Name;
        TCadData Element;
        std::function<void(const ExtentBox&)> Check;
    } cases[] = {
        {"along x", Text(10, 5, 10, 0),
         [](const ExtentBox& b) {
             EXPECT_NEAR(b.MinX, 10, 1.5);
             EXPECT_NEAR(b.MinY, 5, 3);
             EXPECT_NEAR(b.MaxY, 15, 3);
             EXPECT_GT(b.MaxX, 10 + 0.4 * 10 * kLongText.size()) << "about half the height per character";
         }},
        {"reading upwards", Text(10, 5, 10, std::acos(-1.0) / 2),
         [](const ExtentBox& b) {
             EXPECT_NEAR(b.MaxX, 10, 1.5);
             EXPECT_NEAR(b.MinY, 5, 1.5);
             EXPECT_GT(b.MaxY, 5 + 0.4 * 10 * kLongText.size());
         }},
        {"far outside the view", Text(10000, 5, 10, 0), [](const ExtentBox& b) { EXPECT_TRUE(b.Empty); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Drawing drawing;
        testing::PutElement(drawing, testing::Line(0, 0, 1, 1));  // not a text: not measured
        testing::PutElement(drawing, c.Element);
        const ExtentBox box = PaintedAnnotationExtents(drawing, view, settings);
        c.Check(box);
    }
}

// A picture fitted to the elements alone cut off an inserted image lying beside them: the fit
// takes the images in too, and a drawing of images alone is fitted to them.
TEST(DrawingImage, AFittedPictureHoldsItsInsertedImages)
{
    const PaintSettings settings = PaintSettingsFrom(Settings{});
    const auto green = std::make_shared<const Bitmap>(Bitmap{40, 20, std::vector<uint32_t>(800, 0xFF00FF00)});
    for (const bool withLine : {true, false}) {
        SCOPED_TRACE(withLine);
        Drawing drawing;
        if (withLine) testing::PutElement(drawing, testing::Line(0, 0, 100, 50));
        drawing.Images.Slots[1] = {green, "green.bmp", 300, -100};
        drawing.Images.ImageCount = 1;
        const QImage image = RenderFitted(drawing, settings, kDefaultSheetIndex, 400, 300);
        int shown = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) shown += image.pixel(x, y) == 0xFF00FF00 ? 1 : 0;
        EXPECT_GT(shown, 100);
        EXPECT_NE(image.pixel(image.width() - 1, image.height() / 2), 0xFF00FF00) << "with a margin";
    }
}

}  // namespace
}  // namespace vantro
