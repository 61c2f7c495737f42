#include "document/ImageList.h"

namespace vantro {

bool ImageSizeAllowed(double width, double height)
{
    return width >= 0 && height >= 0 && width <= kMaxImageSide && height <= kMaxImageSide &&
           width * height <= static_cast<double>(kMaxImagePixels);
}

bool HasPixels(const Bitmap& bitmap)
{
    return bitmap.Width > 0 && bitmap.Height > 0 &&
           bitmap.Pixels.size() == static_cast<size_t>(bitmap.Width) * static_cast<size_t>(bitmap.Height);
}

int ImageWidth(const ImageSlot& slot) { return slot.Pixels ? slot.Pixels->Width : 0; }

int ImageHeight(const ImageSlot& slot) { return slot.Pixels ? slot.Pixels->Height : 0; }

void ClearImages(ImageList& images)
{
    images.ImageCount = 0;
    for (ImageSlot& slot : images.Slots) {
        slot.Pixels.reset();
        slot.Path.clear();
    }
}

void DeleteImage(ImageList& images, int i)
{
    const int count = images.ImageCount;
    if (i < 1 || i > count) return;
    for (int j = i; j < count; ++j) images.Slots[static_cast<size_t>(j)] = images.Slots[static_cast<size_t>(j + 1)];
    ImageSlot& last = images.Slots[static_cast<size_t>(count)];
    last.Pixels.reset();
    last.Path.clear();
    images.ImageCount = static_cast<uint8_t>(count - 1);
}

Bitmap Resampled(const Bitmap& bitmap, int width, int height)
{
    Bitmap result;
    if (width <= 0 || height <= 0 || !HasPixels(bitmap)) return result;
    result.Width = width;
    result.Height = height;
    result.Pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    // Each target pixel takes the source pixel under its centre.
    for (int y = 0; y < height; ++y) {
        const int64_t sy = (2 * int64_t{y} + 1) * bitmap.Height / (2 * int64_t{height});
        const uint32_t* row = bitmap.Pixels.data() + sy * bitmap.Width;
        uint32_t* out = result.Pixels.data() + int64_t{y} * width;
        for (int x = 0; x < width; ++x) out[x] = row[(2 * int64_t{x} + 1) * bitmap.Width / (2 * int64_t{width})];
    }
    return result;
}

}  // namespace vantro
