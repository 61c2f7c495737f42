#include "view/BitmapFiles.h"

#include "document/Cp932.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace vantro {
namespace {

Bitmap FromImage(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Bitmap bitmap;
    bitmap.Width = rgb.width();
    bitmap.Height = rgb.height();
    bitmap.Pixels.resize(static_cast<size_t>(bitmap.Width) * static_cast<size_t>(bitmap.Height));
    for (int y = 0; y < bitmap.Height; ++y)
        std::memcpy(bitmap.Pixels.data() + static_cast<size_t>(y) * bitmap.Width, rgb.constScanLine(y),
                    static_cast<size_t>(bitmap.Width) * sizeof(uint32_t));
    return bitmap;
}

}  // namespace

BitmapLoad LoadBitmapFile(const std::string& path)
{
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return {nullptr, "ファイルが見つかりません: " + path};
    QImageReader reader(QString::fromStdString(path));
    const QSize size = reader.size();
    if (size.isValid() && !ImageSizeAllowed(size.width(), size.height())) return {nullptr, kImageTooLargeMessage};
    const QImage image = reader.read();
    if (image.isNull()) return {nullptr, reader.errorString().toStdString()};
    if (!ImageSizeAllowed(image.width(), image.height())) return {nullptr, kImageTooLargeMessage};
    return {std::make_shared<const Bitmap>(FromImage(image)), {}};
}

void LoadImageEntries(ImageList& images, const std::vector<ImageEntry>& entries)
{
    ClearImages(images);
    const size_t count = std::min<size_t>(entries.size(), kImageSlotCount);
    for (size_t k = 0; k < count; ++k) {
        ImageSlot& slot = images.Slots[k];
        slot.Path = entries[k].Path;
        slot.X = entries[k].X;
        slot.Y = entries[k].Y;
        slot.Pixels = slot.Path.empty() ? nullptr : LoadBitmapFile(Cp932ToUtf8(slot.Path)).Pixels;
    }
    images.ImageCount = static_cast<uint8_t>(count > 0 ? count - 1 : 0);
}

std::vector<ImageEntry> ImageEntries(const ImageList& images)
{
    std::vector<ImageEntry> entries;
    for (int k = 0; k <= images.ImageCount && k < kImageSlotCount; ++k) {
        const ImageSlot& slot = images.Slots[static_cast<size_t>(k)];
        entries.push_back({slot.Path, slot.X, slot.Y});
    }
    return entries;
}

}  // namespace vantro
