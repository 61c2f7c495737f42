#include "view/ImagePainter.h"

#include <algorithm>
#include <cmath>

namespace vantro {
namespace {

// Tiles are drawn at most this many times; a smaller bitmap is first repeated into a larger tile
// that looks the same, so a one-pixel image does not cost a drawing call per pixel.
constexpr int64_t kMostTiles = 4096;
constexpr int kLargeTileSide = 256;

// Boxes reaching beyond this are not painted: no surface shows them.
constexpr double kLargestPixel = 2.0e9;

// The bitmap repeated side by side and one under another until the tile is at least
// kLargeTileSide pixels each way (or as large as it was).
Bitmap RepeatedTile(const Bitmap& bitmap, int& across, int& down)
{
    across = std::max(1, (kLargeTileSide + bitmap.Width - 1) / bitmap.Width);
    down = std::max(1, (kLargeTileSide + bitmap.Height - 1) / bitmap.Height);
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

int RoundPixel(double v) { return static_cast<int>(std::nearbyint(v)); }

void PaintBackground(Surface& canvas, const ImageList& images, const ImageDisplay& display, bool clear,
                     uint32_t windowColour)
{
    const std::shared_ptr<const Bitmap>& background = images.Slots[0].Pixels;
    if (background && display.BackgroundShown && HasPixels(*background)) {
        if (display.Stretched) canvas.StretchDraw(0, 0, canvas.Width(), canvas.Height(), *background);
        else TileBitmap(canvas, *background, background->Width, background->Height);
        return;
    }
    if (!clear) return;
    canvas.SetPen({windowColour, 1, 0, PenMode::Copy});
    canvas.SetBrush({true, windowColour});
    canvas.Rectangle(-3, -3, canvas.Width() + 3, canvas.Height() + 3);
}

}  // namespace

void TileBitmap(Surface& canvas, const Bitmap& bitmap, int tileWidth, int tileHeight)
{
    if (!HasPixels(bitmap) || tileWidth <= 0 || tileHeight <= 0) return;
    const int64_t columns = canvas.Width() / tileWidth + 2;
    const int64_t rows = canvas.Height() / tileHeight + 2;
    if (columns * rows > kMostTiles) {
        int across = 1;
        int down = 1;
        const Bitmap larger = RepeatedTile(bitmap, across, down);
        if (across > 1 || down > 1) {
            TileBitmap(canvas, larger, tileWidth * across, tileHeight * down);
            return;
        }
    }
    for (int64_t c = 0; c < columns; ++c) {
        for (int64_t r = 0; r < rows; ++r) {
            const int64_t x = c * tileWidth;
            const int64_t y = r * tileHeight;
            canvas.StretchDraw(static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + tileWidth),
                               static_cast<int>(y + tileHeight), bitmap);
        }
    }
}

void StretchBitmap(Surface& canvas, const Bitmap& bitmap, double left, double top, double width, double height)
{
    if (!HasPixels(bitmap)) return;
    const double l = std::nearbyint(left);
    const double t = std::nearbyint(top);
    const double r = std::nearbyint(l + width);
    const double b = std::nearbyint(t + height);
    const double largest = std::max({std::abs(l), std::abs(t), std::abs(r), std::abs(b)});
    if (!(largest < kLargestPixel)) return;
    canvas.StretchDraw(RoundPixel(l), RoundPixel(t), RoundPixel(r), RoundPixel(b), bitmap);
}

void PaintImages(Surface& canvas, const ViewState& view, const ImageList& images, const ImageDisplay& display,
                 bool clear, uint32_t windowColour)
{
    PaintBackground(canvas, images, display, clear, windowColour);
    const double s = ViewScale(view);
    for (int i = 1; i <= images.ImageCount && i < kImageSlotCount; ++i) {
        const ImageSlot& slot = images.Slots[static_cast<size_t>(i)];
        if (!slot.Pixels) continue;
        StretchBitmap(canvas, *slot.Pixels, slot.X * s + view.OriginX, view.OriginY - slot.Y * s,
                      slot.Pixels->Width * s, slot.Pixels->Height * s);
    }
    canvas.SetBrush({});
}

}  // namespace vantro
