// The inserted images' click steps: picking by the corner zone, placing, deleting and resizing.
#include "CommandFixture.h"

#include "commands/ImageSteps.h"

namespace vantro::testing {
namespace {

std::shared_ptr<const Bitmap> Blank(int width, int height)
{
    return std::make_shared<const Bitmap>(
        Bitmap{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height))});
}

class ImageStepsTest : public CommandTest {
protected:
    // Inserted image i with its top-left corner at the world point.
    void PutImage(int i, double x, double y, int width = 100, int height = 50)
    {
        ImageList& images = drawing.Images;
        images.Slots[static_cast<size_t>(i)] = {Blank(width, height), "image" + std::to_string(i) + ".bmp", x, y};
        images.ImageCount = static_cast<uint8_t>(std::max<int>(images.ImageCount, i));
    }

    // A click at a canvas pixel, as the window hands it to the step.
    CommandContext& ClickPixel(int x, int y)
    {
        state.CursorPixel = {x, y};
        CommandContext& ctx = Context();
        DispatchClick(ctx, {x, y, kLeftButton});
        return ctx;
    }

    const ImageSlot& Slot(int i) const { return drawing.Images.Slots[static_cast<size_t>(i)]; }
};

// The corner (100, 200) lies at pixel (100, 400): the zone reaches 49 pixels right and down from it,
// not 50, and nothing above or left of it, however large the image.
TEST_F(ImageStepsTest, TheCornerZonePicksAt49PixelsButNotAt50)
{
    PutImage(1, 100, 200, 1000, 1000);
    const struct {
        int X;
        int Y;
        int Found;
    } cases[] = {
        {149, 449, 1}, {101, 401, 1}, {150, 449, 0}, {149, 450, 0}, {100, 420, 0},
        {120, 400, 0}, {99, 420, 0},  {120, 399, 0}, {300, 600, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.X << "," << c.Y);
        EXPECT_EQ(FindImageAt(drawing.Images, view, c.X, c.Y), c.Found);
    }
}

TEST_F(ImageStepsTest, TheZoneWidensWithTheSquareOfTheScale)
{
    PutImage(1, 100, 200);
    view.Zoom = 2;
    const CanvasPoint corner = WorldToCanvas(view, 100, 200);
    // 50·s millimetres are 50·s² pixels: 200 at s = 2.
    EXPECT_EQ(FindImageAt(drawing.Images, view, corner.X + 199, corner.Y + 199), 1);
    EXPECT_EQ(FindImageAt(drawing.Images, view, corner.X + 200, corner.Y + 10), 0);
}

TEST_F(ImageStepsTest, TheFirstImageWhoseZoneHoldsTheClickIsTaken)
{
    PutImage(1, 100, 200);
    PutImage(2, 110, 190);
    EXPECT_EQ(FindImageAt(drawing.Images, view, 120, 420), 1);
    EXPECT_EQ(FindImageAt(drawing.Images, view, 155, 455), 2);
    drawing.Images.ImageCount = 1;
    EXPECT_EQ(FindImageAt(drawing.Images, view, 155, 455), 0) << "only the counted images";
}

TEST_F(ImageStepsTest, MovingPicksTheImageThenPlacesItsCornerAtTheClick)
{
    PutImage(1, 100, 200);
    state.CommandMode = step::kImagePick;
    ClickPixel(300, 300);
    EXPECT_EQ(state.CommandMode, step::kImagePick) << "no image there: the step waits";
    ClickPixel(120, 420);
    EXPECT_EQ(state.CommandMode, step::kImagePlace);
    EXPECT_EQ(state.SelectedImage, 1);
    EXPECT_EQ(state.AnchorPixel, (CanvasPoint{100, 400}));
    EXPECT_EQ(state.CursorPixel, (CanvasPoint{100, 400}));
    CommandContext& place = ClickPixel(10, 580);
    EXPECT_EQ(Slot(1).X, 10);
    EXPECT_EQ(Slot(1).Y, 20);
    EXPECT_EQ(state.SelectedImage, 0);
    EXPECT_TRUE(place.Result.Cancel);
    EXPECT_TRUE(place.Result.Repaint);
    EXPECT_FALSE(drawing.Saved);
}

// After inserting, the window enters the placing step with the new image selected: a click at the
// drawing point (10, 20) puts the image's corner there.
TEST_F(ImageStepsTest, ANewImageIsPlacedByAClick)
{
    PutImage(1, 0, 0);
    state.SelectedImage = 1;
    state.CommandMode = step::kImagePlace;
    view.Zoom = 2;
    view.OriginX = 40;
    const CanvasPoint at = WorldToCanvas(view, 10, 20);
    ClickPixel(at.X, at.Y);
    EXPECT_DOUBLE_EQ(Slot(1).X, 10);
    EXPECT_DOUBLE_EQ(Slot(1).Y, 20);
}

TEST_F(ImageStepsTest, DeletingImage2Of4ByAClick)
{
    for (int i = 1; i <= 4; ++i) PutImage(i, 100.0 * i, 500);
    state.CommandMode = step::kImageDelete;
    ClickPixel(50, 50);
    EXPECT_EQ(state.CommandMode, step::kImageDelete) << "no image there: the step waits";
    EXPECT_EQ(drawing.Images.ImageCount, 4);
    CommandContext& ctx = ClickPixel(210, 110);
    EXPECT_TRUE(ctx.Result.Cancel);
    ASSERT_EQ(drawing.Images.ImageCount, 3);
    EXPECT_EQ(Slot(1).Path, "image1.bmp");
    EXPECT_EQ(Slot(2).Path, "image3.bmp");
    EXPECT_EQ(Slot(2).X, 300);
    EXPECT_EQ(Slot(3).Path, "image4.bmp");
    EXPECT_EQ(Slot(4).Pixels, nullptr);
}

// The frame runs from the corner to the cursor, mirrored when the mouse is left of or above the
// corner; the pixels are resampled to the frame's size in millimetres.
TEST_F(ImageStepsTest, ResizingTakesTheFramesSizeInMillimetres)
{
    PutImage(1, 100, 200);
    view.Zoom = 2;
    const CanvasPoint corner = WorldToCanvas(view, 100, 200);
    state.CommandMode = step::kImageResizePick;
    ClickPixel(corner.X + 20, corner.Y + 20);
    ASSERT_EQ(state.CommandMode, step::kImageResize);
    EXPECT_EQ(state.AnchorPixel, corner);
    CommandContext& ctx = ClickPixel(corner.X - 60, corner.Y + 30);
    EXPECT_EQ(ImageWidth(Slot(1)), 30);
    EXPECT_EQ(ImageHeight(Slot(1)), 15);
    EXPECT_EQ(Slot(1).X, 100) << "the corner stays";
    EXPECT_EQ(Slot(1).Path, "image1.bmp");
    EXPECT_TRUE(ctx.Result.Cancel);
}

TEST_F(ImageStepsTest, AFrameWithoutAreaOrBeyondTheLimitsLeavesTheImageAsItWas)
{
    const struct {
        const char* Name;
        int Dx;
        int Dy;
        const char* Message;
    } cases[] = {
        {"no width", 0, 40, nullptr},
        {"no height", 40, 0, nullptr},
        {"too large", 200, 1, kImageTooLargeMessage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        dialogs.Messages.clear();
        PutImage(1, 100, 200);
        view.Zoom = c.Message != nullptr ? 0.01f : 1;
        const CanvasPoint corner = WorldToCanvas(view, 100, 200);
        state.CommandMode = step::kImageResize;
        state.SelectedImage = 1;
        state.AnchorPixel = corner;
        ClickPixel(corner.X + c.Dx, corner.Y + c.Dy);
        EXPECT_EQ(ImageWidth(Slot(1)), 100);
        EXPECT_EQ(ImageHeight(Slot(1)), 50);
        EXPECT_EQ(dialogs.Messages.size(), c.Message != nullptr ? 1u : 0u);
    }
}

}  // namespace
}  // namespace vantro::testing
