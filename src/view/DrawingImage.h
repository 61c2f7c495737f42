// The drawing as a picture, without a window: fitted to its elements, on white, over its images.
#pragma once

#include "document/Drawing.h"
#include "view/PaintSettings.h"
#include "view/ViewState.h"

#include <QImage>

#include <filesystem>

namespace vantro {

// Paints with the real painters into a width × height image, fitted to the drawing with its texts
// and dimensions as painted; an empty drawing gives the blank sheet.
QImage RenderFitted(const Drawing& drawing, const PaintSettings& settings, int sheetIndex, int width, int height);

// Encodes the image in memory (format "BMP", "PNG") and writes it through a temporary file renamed
// over the target, so a failed write keeps the previous file. False on any failure.
bool SaveImageAtomically(const QImage& image, const std::filesystem::path& target, const char* format);

}  // namespace vantro
