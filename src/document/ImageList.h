// The background image and the inserted images of a drawing: each slot's pixels, the file they
// came from and where the image lies. Only the paths and positions are stored in drawing files;
// the pixels are always read from the image files again.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vantro {

// Slot 0 is the background image, slots 1..10 the inserted images.
inline constexpr int kImageSlotCount = 11;
inline constexpr int kMaxInsertedImages = 10;

// Images larger than this are refused when read and when resized: a hostile file or a wild drag
// must not make the program allocate without bound.
inline constexpr int kMaxImageSide = 10000;
inline constexpr int64_t kMaxImagePixels = 25'000'000;
inline constexpr const char* kImageTooLargeMessage = "画像が大きすぎます（一辺10000画素、2500万画素まで）";
inline constexpr const char* kTooManyImagesMessage =
    "読込み可能最大数は10個です。読込むためにはどれかを削除してください";

// Pixels as 0xFFRRGGBB, rows top to bottom; Pixels.size() == Width × Height.
struct Bitmap {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;
};

struct ImageSlot {
    std::shared_ptr<const Bitmap> Pixels;  // none when the slot holds no image
    std::string Path;                      // CP932, as the drawing file holds it; empty for no image
    double X = 0;                          // top-left corner in drawing millimetres (inserted images)
    double Y = 0;
};

struct ImageList {
    std::array<ImageSlot, kImageSlotCount> Slots{};
    // The inserted images are slots 1..ImageCount, in insertion order, without gaps.
    uint8_t ImageCount = 0;
};

// Within the limits above; a size that is not a number is not allowed.
bool ImageSizeAllowed(double width, double height);

// Whether the bitmap has an area and exactly its width × height pixels.
bool HasPixels(const Bitmap& bitmap);

// The slot's size in image pixels (one pixel per millimetre); 0 × 0 without pixels.
int ImageWidth(const ImageSlot& slot);
int ImageHeight(const ImageSlot& slot);

// What a reset of the drawing does: no inserted images, no background; every slot lets its pixels
// and path go and keeps its position.
void ClearImages(ImageList& images);

// Removes inserted image i (1..ImageCount): the later ones move down one slot with their pixels,
// paths and positions; the freed last slot keeps its position.
void DeleteImage(ImageList& images, int i);

// The bitmap stretched onto width × height pixels (nearest pixel); empty for a size of 0.
Bitmap Resampled(const Bitmap& bitmap, int width, int height);

}  // namespace vantro
