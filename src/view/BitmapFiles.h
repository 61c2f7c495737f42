// Image files read for the background and inserted images, and the image list of drawing files.
#pragma once

#include "document/ImageList.h"
#include "files/DrawingFile.h"

#include <memory>
#include <string>
#include <vector>

namespace vantro {

inline constexpr const char* kBitmapFileFilter = "BMPファイル(*.bmp)|*.bmp";

struct BitmapLoad {
    std::shared_ptr<const Bitmap> Pixels;  // none on failure
    std::string Error;                     // the reason (UTF-8), empty on success
};

// Reads an image file (UTF-8 path) with Qt's image reader. Only regular files are read, and an
// image whose header names a size beyond the limits is refused before its pixels are decoded.
BitmapLoad LoadBitmapFile(const std::string& path);

// The image list of a drawing file into the slots: each entry keeps its path and position, and
// its pixels are read from its file when they can be; an entry whose file cannot be read stays
// in the list (painted as nothing), so that saving keeps it.
void LoadImageEntries(ImageList& images, const std::vector<ImageEntry>& entries);

// What a drawing file stores: the background slot and the inserted images 1..ImageCount.
std::vector<ImageEntry> ImageEntries(const ImageList& images);

}  // namespace vantro
