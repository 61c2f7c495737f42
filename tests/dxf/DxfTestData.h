// Paths of the DXF test data and small helpers shared by the DXF tests.
#pragma once

#include "document/Drawing.h"
#include "files/ScratchFolder.h"
#include "geometry/Primitives.h"

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

// An ENTITIES section around the given pairs (lines joined with "\n"), as a whole file.
inline std::string DxfEntities(std::string_view body)
{
    return DxfLines(std::string("0\nSECTION\n2\nENTITIES\n").append(body).append("0\nENDSEC\n0\nEOF\n"));
}

// A record of the given kind on layer 1 with its points P1, P2 and T and its numbers.
inline TCadData DxfRecord(int8_t kind, Point p1, Point p2, Point t, double r = 0, double angle = 0, double value = 0)
{
    TCadData e{};
    e.Kind = kind;
    e.Layer = 1;
    e.Width = 1;
    e.X1 = p1.X;
    e.Y1 = p1.Y;
    e.X2 = p2.X;
    e.Y2 = p2.Y;
    e.Cx = t.X;
    e.Cy = t.Y;
    e.R = r;
    e.Angle = angle;
    e.Value = value;
    return e;
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
