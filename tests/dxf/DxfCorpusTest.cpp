// The real-world files of shared/dxf-corpus (beside the repository): each imports without a fault,
// creates the elements its entity counts imply, and reports what it skipped.
#include "dxf/DxfImport.h"

#include "dxf/DxfTestData.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vantro {
namespace {

struct Counts {
    int Lines = 0;
    int Arcs = 0;
    int Circles = 0;
    int Points = 0;
    int Texts = 0;
    int Dimensions = 0;
    int Ellipses = 0;
    int Curves = 0;
    std::string Skipped;  // "TYPE:count" in type order

    bool operator==(const Counts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Counts& c)
{
    return out << "{" << c.Lines << ", " << c.Arcs << ", " << c.Circles << ", " << c.Points << ", " << c.Texts << ", "
               << c.Dimensions << ", " << c.Ellipses << ", " << c.Curves << ", \"" << c.Skipped << "\"}";
}

Counts CountsOf(const Drawing& drawing, const DxfImportResult& result)
{
    using testing::CountKind;
    Counts c{CountKind(drawing, kKindLine),  CountKind(drawing, kKindArc),  CountKind(drawing, kKindCircle),
             CountKind(drawing, kKindPoint), CountKind(drawing, kKindText), testing::CountDimensions(drawing),
             CountKind(drawing, kKindEllipse),
             CountKind(drawing, kKindCurveThroughPoints) + CountKind(drawing, kKindCurveByControlPoints),
             {}};
    std::ostringstream skipped;
    for (const auto& [type, count] : result.Skipped) skipped << (skipped.tellp() > 0 ? " " : "") << type << ':' << count;
    c.Skipped = skipped.str();
    return c;
}

struct CorpusCase {
    const char* File;
    Counts Expected;
    // How the counts follow from the file's entity counts (MANIFEST.tsv) where they differ.
    const char* Why;
};

// Skipped types name what the counts leave out; paper-space entities are left out and counted.
// Lines count LINE, SOLID and 3DFACE edges, polyline segments without bulge (and bulged ones of
// tilted planes), spline lines, hatch and leader lines and the lines of inserted blocks; arcs count
// ARC and bulged segments; texts count TEXT, ATTRIB and every line of an MTEXT.
const CorpusCase kCases[] = {
    {"acad2000_ceco_architecture.dxf", {7403, 55, 18, 4, 15, 6, 0, 0, ""},
     "29 INSERTs place 6713 lines and 43 arcs of their blocks; the 4 HATCHes' boundaries"},
    {"acad2000_jp_ucf201_ansi932.dxf", {98, 75, 7, 0, 3, 0, 0, 0, ""},
     "one ARC starts and ends at 28.592 degrees: an arc of no length creates nothing"},
    {"acad2004_cn_ansi936.dxf", {58, 2, 0, 0, 1, 5, 0, 1, ""},
     "SPLINE: one with fit points is a curve, one is 12 lines; the HATCH boundaries"},
    {"acad2007_clock_ansi1250.dxf", {7548, 0, 4, 0, 0, 0, 0, 0, ""},
     "1097 first-degree SPLINEs are their control polygons as lines"},
    {"acad2013_api_cw750_details.dxf", {5326, 1880, 58, 0, 129, 293, 0, 0, "3DSOLID:3 MULTILEADER:58"},
     "130 INSERTs with their ATTRIBs; every DIMENSION becomes a dimension"},
    {"acad2017_2dellipses.dxf", {30, 0, 0, 0, 0, 0, 6, 0, "ATTDEF:3"},
     "each full ELLIPSE is two halves; the 6 LWPOLYLINEs give 16 lines"},
    {"acad2017_empty_r12.dxf", {30, 0, 0, 0, 0, 0, 0, 0, "ATTDEF:3"}, "6 POLYLINEs give 16 lines"},
    {"acad_r12_acadsharp_sample.dxf", {2960, 21, 15, 6, 220, 10, 0, 0, "SHAPE:1"},
     "45 INSERTs; of the 11 DIMENSIONs the one rotated against its points is its block's lines"},
    {"bricscad_mtext_inline_codes.dxf", {4, 0, 0, 0, 368, 0, 0, 0, ""}, "8 MTEXTs of many lines"},
    {"cadman_empty_handles.dxf", {8, 0, 0, 0, 0, 0, 0, 0, ""}, ""},
    {"dxflib_demo_r12_blocks.dxf", {816, 37, 60, 0, 0, 0, 0, 0, ""}, "all geometry comes from 21 INSERTs"},
    {"ezdxf_polyline_no_seqend.dxf", {2, 0, 0, 0, 0, 0, 0, 0, ""}, "the POLYLINE has no vertex"},
    {"ezdxf_text_alignments.dxf", {10, 0, 32, 0, 16, 0, 0, 0, ""}, ""},
    {"librecad_dim_sample.dxf", {12, 2, 3, 0, 0, 20, 0, 0, ""},
     "every DIMENSION becomes a dimension; the LWPOLYLINE gives 7 lines and 1 arc, the LEADERs 5"},
    {"librecad_lwpolylines.dxf", {10, 0, 0, 0, 0, 0, 0, 0, ""}, ""},
    {"netdxf_sample_2018.dxf", {307, 4, 4, 1, 9, 7, 2, 0,
                                "ACAD_TABLE:1 IMAGE:1 MESH:1 MLINE:2 PDFUNDERLAY:1 RAY:1 SHAPE:1 WIPEOUT:1 XLINE:1"},
     "INSERT and SPLINE lines; the rotated DIMENSION and the ARC_DIMENSION are their blocks' parts"},
    {"openjscad_circle10_noheader.dxf", {32, 0, 0, 0, 0, 0, 0, 0, ""}, "one closed LWPOLYLINE of 32 vertices"},
    {"qcad_example01_dims.dxf", {98, 1, 0, 0, 7, 13, 0, 0, ""}, "5 INSERTs with texts"},
    {"qcad_point000.dxf", {0, 0, 0, 4, 0, 0, 0, 0, ""}, ""},
    {"qcad_text018_multiscript_utf8.dxf", {1307, 1428, 0, 0, 17, 0, 0, 0, ""}, ""},
    {"r12_gear_polylines.dxf", {2313, 510, 0, 0, 0, 0, 0, 0, ""}, ""},
    {"r12_poli_all210.dxf", {772, 0, 0, 0, 0, 0, 0, 0, ""},
     "the polylines lie in a tilted plane: their arcs are lines in plan view; the 3DFACE's edges"},
    {"r12_trash_beyond_eof.dxf", {0, 0, 1, 0, 0, 0, 0, 0, ""}, "nothing after EOF is read"},
    {"r13_small_dos932.dxf", {25, 0, 0, 0, 0, 0, 0, 0, ""}, ""},
};

// The manifest's field of a file, or nothing.
std::string ManifestField(const std::string& file, const std::string& column)
{
    std::ifstream manifest(testing::DxfCorpusDir() / "MANIFEST.tsv");
    std::string line;
    std::getline(manifest, line);
    std::vector<std::string> header;
    std::istringstream names(line);
    for (std::string name; std::getline(names, name, '\t');) header.push_back(name);
    while (std::getline(manifest, line)) {
        std::istringstream fields(line);
        std::vector<std::string> values;
        for (std::string value; std::getline(fields, value, '\t');) values.push_back(value);
        if (values.empty() || values[0] != file) continue;
        for (size_t i = 0; i < header.size() && i < values.size(); ++i)
            if (header[i] == column) return values[i];
    }
    return {};
}

// The model space's DIMENSION and ARC_DIMENSION entities as ezdxf counted them (-1: not listed).
int ListedDimensions(const std::string& file)
{
    const std::string dimensions = ManifestField(file, "DIMENSION");
    if (dimensions.empty()) return -1;
    const std::string others = ManifestField(file, "other_types");
    const size_t arc = others.find("ARC_DIMENSION:");
    return std::stoi(dimensions) + (arc == std::string::npos ? 0 : std::stoi(others.substr(arc + 14)));
}

DxfImportResult ImportCorpusFile(const char* file, Drawing& drawing)
{
    drawing.Capacity = kMaxCapacity;
    return ImportDxf(testing::DxfCorpusDir() / file, drawing, DxfImportOptions{});
}

TEST(DxfCorpus, EveryFileImportsWithTheExpectedElements)
{
    if (!std::filesystem::exists(testing::DxfCorpusDir())) GTEST_SKIP() << "no corpus at " << testing::DxfCorpusDir();
    for (const CorpusCase& c : kCases) {
        SCOPED_TRACE(c.File);
        Drawing drawing;
        const DxfImportResult result = ImportCorpusFile(c.File, drawing);
        ASSERT_TRUE(result.Ok) << result.Message;
        EXPECT_FALSE(result.StoppedAtCapacity);
        EXPECT_EQ(result.Abandoned, 0);
        EXPECT_EQ(CountsOf(drawing, result), c.Expected) << c.Why;
    }
}

// Every skipped type and every other loss is in what the user is told; no dimension is lost.
TEST(DxfCorpus, WhatIsLeftOutIsToldAndNoDimensionIsLost)
{
    if (!std::filesystem::exists(testing::DxfCorpusDir())) GTEST_SKIP() << "no corpus at " << testing::DxfCorpusDir();
    for (const CorpusCase& c : kCases) {
        SCOPED_TRACE(c.File);
        Drawing drawing;
        const DxfImportResult result = ImportCorpusFile(c.File, drawing);
        std::string told;
        for (const std::string& note : DxfImportNotes(result)) told.append(note).append("\n");
        for (const auto& [type, count] : result.Skipped)
            EXPECT_NE(told.find(type + kDxfUnsupportedSuffix + " (" + std::to_string(count) + ")"), std::string::npos);
        EXPECT_EQ(result.Warning.empty(), result.Skipped.empty());
        if (result.PaperSpace > 0) {
            EXPECT_NE(told.find("ペーパー空間"), std::string::npos);
        }
        EXPECT_EQ(result.DimensionsLost, 0);
        // The model space's dimensions are dimensions here, or their blocks' parts.
        const int listed = ListedDimensions(c.File);
        if (listed >= 0) {
            EXPECT_EQ(testing::CountDimensions(drawing) + result.DimensionsAsParts, listed);
        }
    }
}

TEST(DxfCorpus, JapaneseTextsAreReadFromEachEncoding)
{
    if (!std::filesystem::exists(testing::DxfCorpusDir())) GTEST_SKIP() << "no corpus at " << testing::DxfCorpusDir();
    const struct {
        const char* File;
        const char* Cp932;  // a text the drawing must hold
    } cases[] = {
        {"acad2000_jp_ucf201_ansi932.dxf", "\x82\x74\x82\x62\x82\x65\x82\x51\x82\x4F\x82\x50"},  // ＵＣＦ２０１
        {"qcad_text018_multiscript_utf8.dxf", "\x93\xFA\x96\x7B\x8C\xEA"},                          // 日本語
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        Drawing drawing;
        ImportDxf(testing::DxfCorpusDir() / c.File, drawing, DxfImportOptions{});
        bool found = false;
        for (int i = 1; i <= drawing.Count; ++i)
            found = found || (drawing[i].Kind == kKindText && drawing[i].Text.find(c.Cp932) != std::string::npos);
        EXPECT_TRUE(found);
    }
}

}  // namespace
}  // namespace vantro
