#include "view/BitmapFiles.h"

#include "files/ScratchFolder.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstring>

namespace vantro::testing {
namespace {

// A BMP file of the given size, every pixel red.
std::string WriteBmp(const ScratchFolder& folder, const char* name, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    const std::string path = (folder / name).string();
    EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP"));
    return path;
}

// The 54-byte header of a 24-bit BMP that claims the given size, with no pixels after it.
std::string HostileBmpHeader(int32_t width, int32_t height)
{
    std::string bytes(54, '\0');
    const auto put32 = [&bytes](size_t at, uint32_t value) {
        for (int k = 0; k < 4; ++k) bytes[at + static_cast<size_t>(k)] = static_cast<char>((value >> (8 * k)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 54);                             // file size as claimed
    put32(10, 54);                            // pixels start here
    put32(14, 40);                            // BITMAPINFOHEADER
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    bytes[26] = 1;                            // planes
    bytes[28] = 24;                           // bits per pixel
    return bytes;
}

TEST(BitmapFiles, ABmpFileIsReadIntoPixels)
{
    const ScratchFolder folder;
    const BitmapLoad load = LoadBitmapFile(WriteBmp(folder, "red.bmp", 7, 3));
    ASSERT_NE(load.Pixels, nullptr) << load.Error;
    EXPECT_TRUE(load.Error.empty());
    EXPECT_EQ(load.Pixels->Width, 7);
    EXPECT_EQ(load.Pixels->Height, 3);
    ASSERT_TRUE(HasPixels(*load.Pixels));
    EXPECT_EQ(load.Pixels->Pixels[20], 0xFFFF0000u);
}

// A header may claim any size: the reader refuses one beyond the limits before decoding, so a
// hostile file cannot make the program allocate gigabytes.
TEST(BitmapFiles, HostileSizesAndFilesThatAreNoImagesAreRefusedWithAReason)
{
    const ScratchFolder folder;
    WriteBytes(folder / "huge.bmp", HostileBmpHeader(60000, 60000));
    WriteBytes(folder / "wide.bmp", HostileBmpHeader(kMaxImageSide + 1, 1));
    WriteBytes(folder / "text.bmp", "this is no bitmap");
    WriteBytes(folder / "empty.bmp", "");
    std::filesystem::create_directory(folder / "folder.bmp");
    // Qt's reader itself already refuses the largest sizes with a reason of its own.
    const struct {
        const char* Name;
        bool TooLarge;
    } cases[] = {
        {"huge.bmp", false}, {"wide.bmp", true}, {"text.bmp", false},
        {"empty.bmp", false}, {"folder.bmp", false}, {"missing.bmp", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const BitmapLoad load = LoadBitmapFile((folder / c.Name).string());
        EXPECT_EQ(load.Pixels, nullptr);
        EXPECT_FALSE(load.Error.empty());
        if (c.TooLarge) {
            EXPECT_EQ(load.Error, kImageTooLargeMessage);
        }
    }
}

// An image whose file cannot be read keeps its entry: a repaint or a save never drops it.
TEST(BitmapFiles, TheImageListOfADrawingFileKeepsEntriesWhoseFilesAreMissing)
{
    const ScratchFolder folder;
    const std::string red = WriteBmp(folder, "red.bmp", 4, 2);
    const std::vector<ImageEntry> entries{
        {"", 0, 0}, {red, 10, 20}, {(folder / "gone.bmp").string(), 30, 40}, {red, -5, 5}};
    ImageList images;
    LoadImageEntries(images, entries);
    EXPECT_EQ(images.ImageCount, 3);
    EXPECT_EQ(images.Slots[0].Pixels, nullptr);
    EXPECT_EQ(ImageWidth(images.Slots[1]), 4);
    EXPECT_EQ(images.Slots[2].Pixels, nullptr);
    EXPECT_EQ(images.Slots[2].X, 30);
    EXPECT_EQ(ImageHeight(images.Slots[3]), 2);
    EXPECT_EQ(ImageEntries(images), entries);
}

TEST(BitmapFiles, TheBackgroundEntryIsWrittenEvenWithoutAnyImage)
{
    const ImageList images;
    EXPECT_EQ(ImageEntries(images), (std::vector<ImageEntry>{{"", 0, 0}}));
    ImageList loaded;
    loaded.ImageCount = 5;
    LoadImageEntries(loaded, {});
    EXPECT_EQ(loaded.ImageCount, 0);
}

}  // namespace
}  // namespace vantro::testing
