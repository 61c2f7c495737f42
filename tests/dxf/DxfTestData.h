// Paths of the DXF test data and small helpers shared by the DXF tests.
#pragma once

#include "document/Drawing.h"
#include "files/ScratchFolder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace vantro::testing {

inline std::filesystem::path DxfDataDir() { return std::filesystem::path(VANTRO_TEST_DATA_DIR) / "dxf"; }
inline std::filesystem::path DxfCorpusDir() { return VANTRO_DXF_CORPUS_DIR; }

// DXF text from lines written with "\n": the file format ends lines with CR LF.
inline std::string DxfLines(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n') out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

inline int CountKind(const Drawing& drawing, int8_t kind)
{
    int count = 0;
    for (int i = 1; i <= drawing.Count; ++i) count += drawing[i].Kind == kind ? 1 : 0;
    return count;
}

inline int CountDimensions(const Drawing& drawing)
{
    int count = 0;
    for (int i = 1; i <= drawing.Count; ++i) count += IsDimension(drawing[i].Kind) ? 1 : 0;
    return count;
}

}  // namespace vantro::testing
