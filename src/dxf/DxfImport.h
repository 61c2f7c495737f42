// Reading a DXF text file into a drawing: the layer table, block definitions, and the entities
// LINE, SOLID, ARC, CIRCLE, POINT, POLYLINE, LWPOLYLINE, TEXT, MTEXT, INSERT, DIMENSION, ELLIPSE
// and SPLINE. Other entity types are skipped with one warning. Every element is created through the
// store's creation operations (painted and recorded for undo), except those INSERT places.
#pragma once

#include "document/DimensionText.h"
#include "document/Drawing.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace vantro {

inline constexpr const char* kDxfUnsupportedSuffix = "の読み込みは対応していません。";
inline constexpr const char* kDxfMissingMessage = "DXFファイルが見つかりません。";
inline constexpr const char* kDxfUnreadableMessage = "DXFファイルを読み込めませんでした。";
inline constexpr const char* kDxfTooLargeMessage = "DXFファイルが大きすぎます。";

struct DxfImportOptions {
    // The dimension controls of the window; the tolerance and the memo are not used.
    DimensionOptions Dimensions;
    // The window's background: a colour value that is not a number gives its inverse.
    uint32_t BackgroundColour = 0xFFFFFF;
    size_t MaxFileBytes = size_t{1} << 30;
};

struct DxfImportResult {
    bool Ok = false;        // false: the file was not read and the drawing is untouched
    std::string Message;    // UTF-8, why the file was not read
    std::string Warning;    // UTF-8, the one warning shown for skipped entity types; empty when none
    std::map<std::string, int> Skipped;  // entity type → how many were skipped
    std::map<std::string, int> SkippedInBlocks;  // the same inside block definitions (no warning)
    int Abandoned = 0;      // entities left out because a value could not be read
    bool StoppedAtCapacity = false;
    int Created = 0;        // elements in the drawing afterwards
    int CutTexts = 0;       // texts too long for a drawing file, cut (and the user told)
};

// Replaces the drawing with the file's content. The drawing's dialogs (if any) show the warning.
// Afterwards the caller fits the view to the drawing and refreshes the layer panel.
DxfImportResult ImportDxf(const std::filesystem::path& path, Drawing& drawing, const DxfImportOptions& options);
DxfImportResult ImportDxfText(std::string_view text, Drawing& drawing, const DxfImportOptions& options);

}  // namespace vantro
