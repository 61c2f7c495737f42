// Writing a drawing as a DXF text file (AutoCAD 2000 form, code page 932) that other programs open:
// lines, arcs, circles, points, ellipses, free curves, filled rectangles, circles with centre
// cross, texts and dimensions, each dimension both as an anonymous block of its drawn parts and
// as a DIMENSION entity. What DXF cannot say about an element rides along in extended data, so
// the file reads back as the same drawing.
#pragma once

#include "document/Drawing.h"
#include "files/Settings.h"

#include <filesystem>
#include <string>

namespace vantro {

inline constexpr const char* kDxfReadOnlyMessage = "指定されたファイルは読み取り専用です";
inline constexpr const char* kDxfWriteFailedMessage = "DXFファイルの書き込みに失敗しました。";
inline constexpr const char* kDxfNotWrittenSuffix = "個の図形はDXFに書き出せませんでした。";
inline constexpr const char* kDxfExtension = ".dxf";
inline constexpr const char* kDxfFileFilter = "DXF files (*.dxf)|*.dxf";

// The whole file. visibleOnly leaves out the elements of hidden layers (the layer table still
// lists every layer that holds an element). notWritten, when given, receives how many exported
// elements have no DXF form (reserved dimension kinds, curves whose points cannot be read).
std::string DxfText(const Drawing& drawing, const Settings& settings, bool visibleOnly, int* notWritten = nullptr);

struct DxfExportResult {
    bool Ok = false;
    std::string Message;  // UTF-8: why nothing was written, or (when Ok) what was left out
    int NotWritten = 0;
};

// Writes the file through a temporary file renamed over the target when complete. A read-only
// target is refused and left as it was.
DxfExportResult ExportDxf(const std::filesystem::path& path, const Drawing& drawing, const Settings& settings,
                          bool visibleOnly);

}  // namespace vantro
