#include "view/ImagePainter.h"

#include <algorithm>
#include <cmath>

namespace vantro {
namespace {

// Tiles are drawn at most this many times; a smaller bitmap is first repeated into a larger tile
// that looks the same, so a one-pixel image does not cost a drawing call per pixel.
constexpr int64_t kMostTiles = 4096;
constexpr int kLargeTileSide = 256;

// Inserted images whose box reaches beyond this are not painted: no canvas shows them.
constexpr double kLargestPixel = 2.0e9;

// The bitmap repeated side by side and one under another until the tile is at least
// kLargeTileSide pixels each way (or as large as it was).
Bitmap RepeatedTile(const Bitmap& bitmap)
{
    const int across = std::max(1, (kLargeTileSide + bitmap.Width - 1) / bitmap.Width);
    const int down = std::max(1, (kLargeTileSide + bitmap.Height - 1) / bitmap.Height);
    Bitmap tile;
    tile.Width = bitmap.Width * across;
    tile.Height = bitmap.Height * down;
    tile.Pixels.resize(static_cast<size_t>(tile.Width) * static_cast<size_t>(tile.Height));
    for (int y = 0; y < tile.Height; ++y) {
        const uint32_t* row = bitmap.Pixels.data() + static_cast<size_t>(y % bitmap.Height) * bitmap.Width;
        uint32_t* out = tile.Pixels.data() + static_cast<size_t>(y) * tile.Width;
        for (int x = 0; x < tile.Width; ++x) out[x] = row[x % bitmap.Width];
    }
    return tile;
}

void Tile(Surface& canvas, const Bitmap& bitmap)
{
    const int64_t columns = canvas.Width() / bitmap.Width + 2;
    const int64_t rows = canvas.Height() / bitmap.Height + 2;
    if (columns * rows > kMostTiles) {
        const Bitmap larger = RepeatedTile(bitmap);
        if (larger.Width > bitmap.Width || larger.Height > bitmap.Height) {
            Tile(canvas, larger);
            return;
        }
    }
    for (int64_t c = 0; c < columns; ++c) {
        for (int64_t r = 0; r < rows; ++r) {
            const auto x = static_cast<int>(c * bitmap.Width);
            const auto y = static_cast<int>(r * bitmap.Height);
            canvas.StretchDraw(x, y, x + bitmap.Width, y + bitmap.Height, bitmap);
        }
    }
}

void PaintBackground(Surface& canvas, const ImageList& images, const ImageDisplay& display, bool clear,
                     uint32_t windowColour)
{
    const std::shared_ptr<const Bitmap>& background = images.Slots[0].Pixels;
    if (background && display.BackgroundShown && HasPixels(*background)) {
        if (display.Stretched) canvas.StretchDraw(0, 0, canvas.Width(), canvas.Height(), *background);
        else Tile(canvas, *background);
        return;
    }
    if (!clear) return;
    canvas.SetPen({windowColour, 1, 0, PenMode::Copy});
    canvas.SetBrush({true, windowColour});
    canvas.Rectangle(-3, -3, canvas.Width() + 3, canvas.Height() + 3);
}

int RoundPixel(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

void PaintImages(Surface& canvas, const ViewState& view, const ImageList& images, const ImageDisplay& display,
                 bool clear, uint32_t windowColour)
{
    PaintBackground(canvas, images, display, clear, windowColour);
    const double s = ViewScale(view);
    for (int i = 1; i <= images.ImageCount && i < kImageSlotCount; ++i) {
        const ImageSlot& slot = images.Slots[static_cast<size_t>(i)];
        if (!slot.Pixels || !HasPixels(*slot.Pixels)) continue;
        const double left = std::nearbyint(slot.X * s + view.OriginX);
        const double top = std::nearbyint(view.OriginY - slot.Y * s);
        const double right = std::nearbyint(left + slot.Pixels->Width * s);
        const double bottom = std::nearbyint(top + slot.Pixels->Height * s);
        const double largest = std::max({std::abs(left), std::abs(top), std::abs(right), std::abs(bottom)});
        if (!(largest < kLargestPixel)) continue;
        canvas.StretchDraw(RoundPixel(left), RoundPixel(top), RoundPixel(right), RoundPixel(bottom), *slot.Pixels);
    }
    canvas.SetBrush({});
}

}  // namespace vantro
