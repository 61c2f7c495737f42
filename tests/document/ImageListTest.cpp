#include "document/ImageList.h"

#include "document/ElementStore.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

// A bitmap whose every pixel holds its own number, so that a move or a resample can be traced.
std::shared_ptr<const Bitmap> Numbered(int width, int height)
{
    Bitmap bitmap{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height))};
    for (size_t k = 0; k < bitmap.Pixels.size(); ++k) bitmap.Pixels[k] = static_cast<uint32_t>(k);
    return std::make_shared<const Bitmap>(std::move(bitmap));
}

ImageList FourImages()
{
    ImageList images;
    for (int i = 1; i <= 4; ++i) {
        ImageSlot& slot = images.Slots[static_cast<size_t>(i)];
        slot.Pixels = Numbered(i, 1);
        slot.Path = "image" + std::to_string(i) + ".bmp";
        slot.X = 10.0 * i;
        slot.Y = -5.0 * i;
    }
    images.ImageCount = 4;
    return images;
}

TEST(ImageList, DeletingImage2Of4LeavesImages134InOrderWithTheirPositionsAndPaths)
{
    ImageList images = FourImages();
    DeleteImage(images, 2);
    ASSERT_EQ(images.ImageCount, 3);
    const int kept[] = {1, 3, 4};
    for (int slot = 1; slot <= 3; ++slot) {
        const int original = kept[slot - 1];
        SCOPED_TRACE(slot);
        const ImageSlot& s = images.Slots[static_cast<size_t>(slot)];
        EXPECT_EQ(s.Path, "image" + std::to_string(original) + ".bmp");
        EXPECT_EQ(s.X, 10.0 * original);
        EXPECT_EQ(s.Y, -5.0 * original);
        EXPECT_EQ(ImageWidth(s), original);
    }
    // The freed slot holds no image and keeps the position it had.
    EXPECT_EQ(images.Slots[4].Pixels, nullptr);
    EXPECT_TRUE(images.Slots[4].Path.empty());
    EXPECT_EQ(images.Slots[4].X, 40);
}

TEST(ImageList, DeletingOutsideTheListChangesNothing)
{
    for (const int i : {0, 5, -1, 11}) {
        SCOPED_TRACE(i);
        ImageList images = FourImages();
        DeleteImage(images, i);
        EXPECT_EQ(images.ImageCount, 4);
        EXPECT_EQ(images.Slots[1].Path, "image1.bmp");
    }
}

TEST(ImageList, AResetOfTheDrawingDropsEveryImageAndTheBackground)
{
    Drawing drawing;
    drawing.Images = FourImages();
    drawing.Images.Slots[0].Pixels = Numbered(2, 2);
    drawing.Images.Slots[0].Path = "back.bmp";
    Reset(drawing, nullptr);
    EXPECT_EQ(drawing.Images.ImageCount, 0);
    for (const ImageSlot& slot : drawing.Images.Slots) {
        EXPECT_EQ(slot.Pixels, nullptr);
        EXPECT_TRUE(slot.Path.empty());
    }
    EXPECT_EQ(drawing.Images.Slots[3].X, 30) << "a slot keeps its position";
}

TEST(ImageList, ResamplingTakesThePixelUnderEachTargetPixelsCentre)
{
    const std::shared_ptr<const Bitmap> source = Numbered(4, 2);  // 0 1 2 3 / 4 5 6 7
    const Bitmap halved = Resampled(*source, 2, 1);
    EXPECT_EQ(halved.Pixels, (std::vector<uint32_t>{5, 7}));
    const Bitmap doubled = Resampled(*source, 8, 4);
    ASSERT_TRUE(HasPixels(doubled));
    EXPECT_EQ(doubled.Pixels[0], 0u);
    EXPECT_EQ(doubled.Pixels[1], 0u);
    EXPECT_EQ(doubled.Pixels[2], 1u);
    EXPECT_EQ(doubled.Pixels[8 * 3 + 7], 7u);
    EXPECT_FALSE(HasPixels(Resampled(*source, 0, 3)));
    EXPECT_FALSE(HasPixels(Resampled(Bitmap{}, 3, 3)));
}

TEST(ImageList, SizesBeyondTheLimitsAreRefused)
{
    EXPECT_TRUE(ImageSizeAllowed(kMaxImageSide, kMaxImagePixels / kMaxImageSide));
    EXPECT_FALSE(ImageSizeAllowed(kMaxImageSide + 1, 1));
    EXPECT_FALSE(ImageSizeAllowed(kMaxImageSide, kMaxImageSide));
    EXPECT_FALSE(ImageSizeAllowed(-1, 10));
    EXPECT_FALSE(HasPixels(Bitmap{2, 2, std::vector<uint32_t>(3)})) << "fewer pixels than its size says";
}

}  // namespace
}  // namespace vantro
