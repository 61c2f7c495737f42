// The real-world files of shared/dxf-corpus (beside the repository): each imports without a fault,
// creates the elements its entity counts imply, and reports what it skipped.
#include "dxf/DxfImport.h"

#include "dxf/DxfTestData.h"

#include <gtest/gtest.h>

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

// Skipped types also name what the counts leave out: ATTRIBs follow their INSERT, and the paper
// space's VIEWPORTs stand in the entities section.
// Lines count LINE, SOLID, polyline segments without bulge, spline lines and the lines of inserted
// blocks; arcs count ARC and bulged segments; texts count TEXT and MTEXT.
const CorpusCase kCases[] = {
    {"acad2000_ceco_architecture.dxf", {7341, 52, 18, 4, 12, 6, 0, 0, "HATCH:4"},
     "29 INSERTs place 6713 lines and 43 arcs of their blocks"},
    {"acad2000_jp_ucf201_ansi932.dxf", {98, 75, 7, 0, 3, 0, 0, 0, ""},
     "one ARC starts and ends at 28.592 degrees: an arc of no length creates nothing"},
    {"acad2004_cn_ansi936.dxf", {21, 2, 0, 0, 1, 4, 0, 1, "HATCH:2"},
     "SPLINE: one with fit points is a curve, one is 12 lines; DIMENSION: one of type 161 is not a listed type"},
    {"acad2007_clock_ansi1250.dxf", {7548, 0, 4, 0, 0, 0, 0, 0, ""},
     "1097 first-degree SPLINEs are their control polygons as lines"},
    {"acad2013_api_cw750_details.dxf", {4347, 1420, 58, 0, 113, 268, 0, 0, "3DSOLID:3 ATTRIB:52 HATCH:65 LEADER:11 MULTILEADER:58 VIEWPORT:3"},
     "130 INSERTs; DIMENSION types outside the listed ones (rotated linear, angular) create nothing"},
    {"acad2017_2dellipses.dxf", {30, 0, 0, 0, 0, 0, 6, 0, "ATTDEF:3 VIEWPORT:1"},
     "each full ELLIPSE is two halves; the 6 LWPOLYLINEs give 16 lines"},
    {"acad2017_empty_r12.dxf", {30, 0, 0, 0, 0, 0, 0, 0, "ATTDEF:3 VIEWPORT:1"}, "6 POLYLINEs give 16 lines"},
    {"acad_r12_acadsharp_sample.dxf", {1954, 21, 15, 6, 216, 0, 0, 0, "3DFACE:1 ATTRIB:4 SHAPE:1 VIEWPORT:2"},
     "45 INSERTs; the 11 DIMENSIONs are of rotated or angular types"},
    {"bricscad_mtext_inline_codes.dxf", {4, 0, 0, 0, 8, 0, 0, 0, ""}, ""},
    {"cadman_empty_handles.dxf", {8, 0, 0, 0, 0, 0, 0, 0, ""}, ""},
    {"dxflib_demo_r12_blocks.dxf", {816, 37, 60, 0, 0, 0, 0, 0, ""}, "all geometry comes from 21 INSERTs"},
    {"ezdxf_polyline_no_seqend.dxf", {2, 0, 0, 0, 0, 0, 0, 0, ""}, "the POLYLINE has no vertex"},
    {"ezdxf_text_alignments.dxf", {10, 0, 32, 0, 16, 0, 0, 0, ""}, ""},
    {"librecad_dim_sample.dxf", {12, 2, 3, 0, 0, 10, 0, 0, "LEADER:2"},
     "10 of the 20 DIMENSIONs have types outside the listed ones; the LWPOLYLINE gives 7 lines and 1 arc"},
    {"librecad_lwpolylines.dxf", {10, 0, 0, 0, 0, 0, 0, 0, ""}, ""},
    {"netdxf_sample_2018.dxf", {266, 2, 4, 1, 3, 2, 2, 0, "3DFACE:1 ACAD_TABLE:1 ARC_DIMENSION:1 ATTRIB:1 HATCH:3 IMAGE:1 LEADER:1 MESH:1 MLINE:2 PDFUNDERLAY:1 RAY:1 SHAPE:1 VIEWPORT:2 WIPEOUT:1 XLINE:1"},
     "INSERT and SPLINE lines; a circle of the inserted block"},
    {"openjscad_circle10_noheader.dxf", {32, 0, 0, 0, 0, 0, 0, 0, ""}, "one closed LWPOLYLINE of 32 vertices"},
    {"qcad_example01_dims.dxf", {77, 1, 0, 0, 7, 11, 0, 0, "HATCH:1 LEADER:1"}, "5 INSERTs with texts"},
    {"qcad_point000.dxf", {0, 0, 0, 4, 0, 0, 0, 0, ""}, ""},
    {"qcad_text018_multiscript_utf8.dxf", {1307, 1428, 0, 0, 17, 0, 0, 0, "VIEWPORT:1"},
     "the paper space's VIEWPORT is in the entities section"},
    {"r12_gear_polylines.dxf", {2313, 510, 0, 0, 0, 0, 0, 0, ""}, ""},
    {"r12_poli_all210.dxf", {54, 31, 0, 0, 0, 0, 0, 0, "3DFACE:1"}, "polyface face records are not vertices"},
    {"r12_trash_beyond_eof.dxf", {0, 0, 1, 0, 0, 0, 0, 0, ""}, "nothing after EOF is read"},
    {"r13_small_dos932.dxf", {25, 0, 0, 0, 0, 0, 0, 0, ""}, ""},
};

TEST(DxfCorpus, EveryFileImportsWithTheExpectedElements)
{
    if (!std::filesystem::exists(testing::DxfCorpusDir())) GTEST_SKIP() << "no corpus at " << testing::DxfCorpusDir();
    for (const CorpusCase& c : kCases) {
        SCOPED_TRACE(c.File);
        Drawing drawing;
        drawing.Capacity = kMaxCapacity;
        const DxfImportResult result = ImportDxf(testing::DxfCorpusDir() / c.File, drawing, DxfImportOptions{});
        ASSERT_TRUE(result.Ok) << result.Message;
        EXPECT_FALSE(result.StoppedAtCapacity);
        EXPECT_EQ(result.Abandoned, 0);
        EXPECT_EQ(CountsOf(drawing, result), c.Expected) << c.Why;
        EXPECT_EQ(result.Warning.empty(), result.Skipped.empty());
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
