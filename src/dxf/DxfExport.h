// Writing a drawing as a DXF text file: lines, arcs, circles, points, texts and dimensions, each
// dimension both as an anonymous block of its drawn parts and as a DIMENSION entity.
#pragma once

#include "document/Drawing.h"
#include "files/Settings.h"

#include <filesystem>
#include <string>

namespace vantro {

inline constexpr const char* kDxfReadOnlyMessage = "指定されたファイルは読み取り専用です";
inline constexpr const char* kDxfWriteFailedMessage = "DXFファイルの書き込みに失敗しました。";
inline constexpr const char* kDxfExtension = ".dxf";
inline constexpr const char* kDxfFileFilter = "DXF files (*.dxf)|*.dxf";

// The whole file. visibleOnly leaves out the elements of hidden layers (the layer table still
// lists every layer that holds an element).
std::string DxfText(const Drawing& drawing, const Settings& settings, bool visibleOnly);

struct DxfExportResult {
    bool Ok = false;
    std::string Message;  // UTF-8, for the user when not Ok
};

// Writes the file through a temporary file renamed over the target when complete. A read-only
// target is refused and left as it was.
DxfExportResult ExportDxf(const std::filesystem::path& path, const Drawing& drawing, const Settings& settings,
                          bool visibleOnly);

}  // namespace vantro
