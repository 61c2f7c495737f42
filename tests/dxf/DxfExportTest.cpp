#include "dxf/DxfExport.h"

#include "document/ElementStore.h"
#include "dxf/DxfTestData.h"
#include "dxf/DxfValues.h"
#include "geometry/Primitives.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <set>
#include <vector>

namespace vantro {
namespace {

using testing::DxfDataDir;
using testing::PutElement;
using testing::ReadBytes;

TCadData Element(int8_t kind, Point p1, Point p2, Point t) { return testing::DxfRecord(kind, p1, p2, t); }

TCadData WithText(TCadData e, const std::string& text)
{
    e.Text = text;
    return e;
}

TCadData WithNumbers(TCadData e, double r, double angle, double value)
{
    e.R = r;
    e.Angle = angle;
    e.Value = value;
    return e;
}

struct GoldenCase {
    const char* File;
    TCadData Element;
};

std::vector<GoldenCase> GoldenCases()
{
    TCadData line = testing::Line(10, 20, 30, 40);
    line.Color = 0x0000FF;
    line.LineStyle = kStyleDash;
    TCadData arc = WithNumbers(Element(kKindArc, {10 * std::cos(DegToRad(350)), 10 * std::sin(DegToRad(350))},
                                       {10 * std::cos(DegToRad(10)), 10 * std::sin(DegToRad(10))}, {0, 0}),
                               10, 20, 0);
    arc.Color = 0xFFFFFF;
    TCadData text = WithNumbers(Element(kKindText, {3, 4}, {10.5, 9}, {3, 4}), 5, DegToRad(100), 0);
    text.Text = "ABC\x93\xFA\x96\x7B";  // "ABC日本" in CP932
    TCadData aligned = WithNumbers(Element(kKindDimAligned, {0, 0}, {30, 40}, {7, 26}), 7, 26, 50);
    return {
        {"line.dxf", line},
        {"arc.dxf", arc},
        {"circle.dxf", WithNumbers(Element(kKindCircle, {}, {}, {5, 5}), 2.5, 360, 0)},
        {"point.dxf", Element(kKindPoint, {}, {}, {1, 2})},
        {"text.dxf", text},
        {"dim_horizontal.dxf", WithNumbers(Element(kKindDimX, {0, 0}, {40, 0}, {20, 10}), 20, 10, 40)},
        {"dim_vertical.dxf", WithNumbers(Element(kKindDimY, {0, 0}, {0, 30}, {-10, 15}), -10, 15, 30)},
        {"dim_aligned.dxf", aligned},
        {"dim_radius.dxf", WithNumbers(Element(kKindDimRadius, {0, 0}, {10, 0}, {15, 0}), 0, 0, 10)},
        {"dim_jogged_radius.dxf", WithNumbers(Element(kKindDimJoggedRadius, {10, 0}, {15, 5}, {25, 5}), 0, 0, 10)},
        {"dim_diameter.dxf", WithNumbers(Element(kKindDimDiameter, {-10, 0}, {10, 0}, {15, 0}), 0, 0, 20)},
        {"dim_angle.dxf", WithNumbers(Element(kKindDimAngle, {10, 0}, {0, 10}, {0, 0}), 5, kPi / 4, 90)},
        {"dim_running.dxf", WithNumbers(Element(kKindDimRunning, {0, 0}, {20, 5}, {20, 5}), 0, 0, 20)},
        {"ellipse.dxf", WithNumbers(Element(kKindEllipse, {5, 0.5}, {-5, 0}, {0, 0}), 5, 0, 0)},
        {"filled_rectangle.dxf", Element(kKindFilledRect, {-5, -5}, {5, 10}, {})},
        {"cross_circle.dxf", WithNumbers(Element(kKindCrossCircle, {}, {}, {5, 5}), 2.5, 360, 1)},
        {"curve_through_points.dxf", WithText(Element(kKindCurveThroughPoints, {0, 0}, {20, 0}, {}), "0,0,10,5,20,0,")},
        {"curve_by_control_points.dxf", WithText(Element(kKindCurveByControlPoints, {0, 0}, {20, 0}, {}), "0,0,10,10,20,0,")},
        {"leader.dxf", WithText(Element(kKindLeader, {3, 4}, {8, 9}, {20, 9}), "=\x83\x4C\x83\x8A")},  // =キリ
    };
}

void ExpectGolden(const std::string& actual, const std::string& file)
{
    const std::string expected = ReadBytes(DxfDataDir() / file);
    if (actual == expected) return;
    const std::filesystem::path written = std::filesystem::path(::testing::TempDir()) / file;
    std::ofstream(written, std::ios::binary) << actual;
    ADD_FAILURE() << file << " differs; the output is in " << written;
}

Drawing NamedDrawing()
{
    Drawing drawing;
    drawing.Layers.Name[0] = "Default";
    return drawing;
}

TEST(DxfExport, EmptyDrawingMatchesGolden)
{
    ExpectGolden(DxfText(NamedDrawing(), Settings{}, false), "empty.dxf");
}

TEST(DxfExport, EachKindMatchesGolden)
{
    for (const GoldenCase& c : GoldenCases()) {
        SCOPED_TRACE(c.File);
        Drawing drawing = NamedDrawing();
        PutElement(drawing, c.Element);
        ExpectGolden(DxfText(drawing, Settings{}, false), c.File);
    }
}

// The value lines that follow each occurrence of a group code line, in order.
std::vector<std::string> ValuesOf(const std::string& dxf, std::string_view code)
{
    std::vector<std::string> values;
    const std::string marker = std::string("\r\n").append(code).append("\r\n");
    for (size_t at = dxf.find(marker); at != std::string::npos; at = dxf.find(marker, at + 1)) {
        const size_t begin = at + marker.size();
        values.push_back(dxf.substr(begin, dxf.find("\r\n", begin) - begin));
    }
    return values;
}

TEST(DxfExport, EveryLineEndsWithCrLfAndPairsAlternate)
{
    Drawing drawing = NamedDrawing();
    for (const GoldenCase& c : GoldenCases()) PutElement(drawing, c.Element);
    const std::string dxf = DxfText(drawing, Settings{}, false);
    ASSERT_TRUE(dxf.ends_with("  0\r\nEOF\r\n"));
    size_t lines = 0;
    for (size_t at = 0; at < dxf.size(); ++at) {
        if (dxf[at] != '\n') continue;
        ASSERT_EQ(dxf[at - 1], '\r');
        ++lines;
    }
    EXPECT_EQ(lines % 2, 0u);
}

TEST(DxfExport, UnnamedLayerIsWrittenByNumber)
{
    Drawing drawing = NamedDrawing();
    PutElement(drawing, testing::Line(0, 0, 1, 1, 5));
    const std::string dxf = DxfText(drawing, Settings{}, false);
    const std::vector<std::string> names = ValuesOf(dxf, "  8");
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0], "5");
    EXPECT_NE(dxf.find("AcDbLayerTableRecord\r\n  2\r\n5\r\n 70\r\n  0\r\n 62\r\n 7\r\n  6\r\nCONTINUOUS\r\n"),
              std::string::npos);
    EXPECT_EQ(dxf.find("Default"), std::string::npos);  // layer 1 holds nothing, so it is not listed
}

TEST(DxfExport, VisibleOnlyLeavesOutHiddenLayersButListsThem)
{
    Drawing drawing = NamedDrawing();
    drawing.Layers.Name[1] = "Hidden";
    drawing.Layers.Visible[1] = 0;
    PutElement(drawing, testing::Line(0, 0, 1, 1, 1));
    PutElement(drawing, testing::Line(0, 0, 2, 2, 2));
    PutElement(drawing, WithNumbers(Element(kKindDimX, {0, 0}, {40, 0}, {20, 10}), 20, 10, 40));
    TCadData hiddenDimension = WithNumbers(Element(kKindDimX, {0, 0}, {40, 0}, {20, 10}), 20, 10, 40);
    hiddenDimension.Layer = 2;
    PutElement(drawing, hiddenDimension);

    const std::string all = DxfText(drawing, Settings{}, false);
    const std::string visible = DxfText(drawing, Settings{}, true);
    EXPECT_EQ(ValuesOf(all, "  0").size() - ValuesOf(visible, "  0").size(), 1u + 1u + 10u)
        << "the line, the DIMENSION, and the block: BLOCK, eight entities, ENDBLK";
    for (const std::string& dxf : {all, visible}) {
        EXPECT_NE(dxf.find("AcDbLayerTableRecord\r\n  2\r\nHidden\r\n"), std::string::npos);
    }
    const std::vector<std::string> visibleLayers = ValuesOf(visible, "  8");
    EXPECT_EQ(std::count(visibleLayers.begin(), visibleLayers.end(), "Hidden"), 0);
    EXPECT_EQ(ValuesOf(visible, "  2").back(), "*D1");
}

TEST(DxfExport, ColourNumbersOfEntities)
{
    Drawing drawing = NamedDrawing();
    for (const uint32_t colour : {0x0000FFu, 0x000000u, 0xFFFFFFu}) {
        TCadData line = testing::Line(0, 0, 1, 1);
        line.Color = colour;
        PutElement(drawing, line);
    }
    const std::vector<std::string> colours = ValuesOf(DxfText(drawing, Settings{}, false), " 62");
    // The layer record's " 7" comes first.
    EXPECT_EQ(colours, (std::vector<std::string>{" 7", "1", "8", "7"}));
}

TEST(DxfExport, ArcAcrossZeroDegreesWrapsItsEnd)
{
    Drawing drawing = NamedDrawing();
    PutElement(drawing, GoldenCases()[1].Element);
    const std::string all = DxfText(drawing, Settings{}, false);
    const std::string dxf = all.substr(all.find("ENTITIES"));
    EXPECT_EQ(ValuesOf(dxf, " 50"), std::vector<std::string>{" 3.50000000000000E+0002"});
    const std::vector<std::string> end = ValuesOf(dxf, " 51");
    ASSERT_EQ(end.size(), 1u);
    double degrees = 0;
    ASSERT_TRUE(ParseDxfNumber(end[0], degrees));
    EXPECT_NEAR(degrees, 10, 1e-9);
}

TEST(DxfExport, DimensionBlocksAndEntitiesAreNumberedInStoreOrder)
{
    Drawing drawing = NamedDrawing();
    PutElement(drawing, WithNumbers(Element(kKindDimX, {0, 0}, {40, 0}, {20, 10}), 20, 10, 40));
    PutElement(drawing, testing::Line(0, 0, 1, 1));
    PutElement(drawing, WithNumbers(Element(kKindDimRadius, {0, 0}, {10, 0}, {15, 0}), 0, 0, 10));
    const std::string dxf = DxfText(drawing, Settings{}, false);
    const size_t entities = dxf.find("ENTITIES");
    const size_t blocksStart = dxf.find("BLOCKS");
    const std::string blocks = dxf.substr(blocksStart, entities - blocksStart);
    const std::string body = dxf.substr(entities);
    EXPECT_EQ(ValuesOf(blocks, "  3"), (std::vector<std::string>{"*D1", "*D2"}));
    EXPECT_LT(blocks.find("  2\r\n*D1"), blocks.find("  2\r\n*D2"));
    EXPECT_EQ(ValuesOf(body, "  2"), (std::vector<std::string>{"*D1", "*D2"}));
    EXPECT_LT(body.find("*D1"), body.find("LINE"));
    EXPECT_LT(body.find("LINE"), body.find("*D2"));
}

TEST(DxfExport, LinearDimensionWhosePointIsTheMidpointStaysFinite)
{
    Drawing drawing = NamedDrawing();
    PutElement(drawing, WithNumbers(Element(kKindDimX, {0, 0}, {10, 0}, {5, 0}), 5, 0, 10));
    const std::string dxf = DxfText(drawing, Settings{}, false);
    const std::vector<std::string> xs = ValuesOf(dxf.substr(dxf.find("DIMENSION")), " 10");
    ASSERT_EQ(xs.size(), 1u);
    double x = 0;
    ASSERT_TRUE(ParseDxfNumber(xs[0], x));
    // The line through the midpoint takes the default side: it runs the whole width, from P1.
    EXPECT_NEAR(x, 0, 1e-9);
    EXPECT_EQ(dxf.find("nan"), std::string::npos);
}

TEST(DxfExport, WritesTheFileAndRefusesReadOnlyTargets)
{
    testing::ScratchFolder folder;
    Drawing drawing = NamedDrawing();
    PutElement(drawing, testing::Line(0, 0, 1, 1));
    const std::filesystem::path target = folder.Path() / "out.dxf";
    ASSERT_TRUE(ExportDxf(target, drawing, Settings{}, false).Ok);
    EXPECT_EQ(ReadBytes(target), DxfText(drawing, Settings{}, false));

    std::ofstream(folder.Path() / "locked.dxf") << "old";
    std::filesystem::permissions(folder.Path() / "locked.dxf", std::filesystem::perms::owner_read);
    const DxfExportResult refused = ExportDxf(folder.Path() / "locked.dxf", drawing, Settings{}, false);
    EXPECT_FALSE(refused.Ok);
    EXPECT_EQ(refused.Message, kDxfReadOnlyMessage);
    EXPECT_EQ(ReadBytes(folder.Path() / "locked.dxf"), "old");
}

// Without $ACADVER common readers refused the file or read its Japanese as Latin-1.
TEST(DxfExport, TheHeaderNamesTheVersionAndCodePage)
{
    const std::string dxf = DxfText(NamedDrawing(), Settings{}, false);
    EXPECT_TRUE(dxf.starts_with("  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1015\r\n"
                                "  9\r\n$DWGCODEPAGE\r\n  3\r\nANSI_932\r\n"));
}

TEST(DxfExport, EveryHandleIsUniqueAndBelowTheSeed)
{
    Drawing drawing = NamedDrawing();
    for (const GoldenCase& c : GoldenCases()) PutElement(drawing, c.Element);
    const std::string dxf = DxfText(drawing, Settings{}, false);
    const std::string tables = dxf.substr(dxf.find("TABLES"));
    std::vector<std::string> handles = ValuesOf(tables, "  5");
    for (const std::string& handle : ValuesOf(tables, "105")) handles.push_back(handle);
    std::set<uint32_t> seen;
    for (const std::string& handle : handles) {
        SCOPED_TRACE(handle);
        uint32_t value = 0;
        ASSERT_EQ(std::from_chars(handle.data(), handle.data() + handle.size(), value, 16).ec, std::errc());
        EXPECT_TRUE(seen.insert(value).second);
    }
    const std::string seed = dxf.substr(dxf.find("$HANDSEED\r\n  5\r\n") + 16, 8);
    EXPECT_LT(*seen.rbegin(), std::stoul(seed, nullptr, 16));
}

// A text or layer name with a line break wrote a value over two lines: a malformed file.
TEST(DxfExport, LineBreaksNeverReachAValue)
{
    Drawing drawing = NamedDrawing();
    drawing.Layers.Name[1] = "Two\r\nlines";
    drawing.Layers.Name[2] = "Two\r\nlines";
    drawing.Layers.Name[3] = "a<b>c";
    TCadData text = WithNumbers(Element(kKindText, {0, 0}, {5, 5}, {0, 0}), 5, 0, 0);
    text.Text = "one\ntwo^";
    for (const uint8_t layer : {2, 3, 4}) {
        text.Layer = layer;
        PutElement(drawing, text);
    }
    const std::string dxf = DxfText(drawing, Settings{}, false);
    for (size_t at = dxf.find('\n'); at != std::string::npos; at = dxf.find('\n', at + 1)) ASSERT_EQ(dxf[at - 1], '\r');
    EXPECT_EQ(ValuesOf(dxf, "  1").back(), "one^Jtwo^ ");
    // Names other programs refuse are mended, and two layers never share one.
    EXPECT_EQ(ValuesOf(dxf, "  8"), (std::vector<std::string>{"Two__lines", "Two__lines_3", "a_b_c"}));
}

TEST(DxfExport, TextsKeepTheirRotation)
{
    // Texts turned between 95° and 275° were written half a turn round, about their corner.
    Drawing drawing = NamedDrawing();
    PutElement(drawing, WithNumbers(Element(kKindText, {0, 0}, {5, 5}, {0, 0}), 5, DegToRad(150), 0));
    const std::string dxf = DxfText(drawing, Settings{}, false);
    const std::vector<std::string> angles = ValuesOf(dxf.substr(dxf.find("ENTITIES")), " 50");
    ASSERT_EQ(angles.size(), 1u);
    double degrees = 0;
    ASSERT_TRUE(ParseDxfNumber(angles[0], degrees));
    EXPECT_NEAR(degrees, 150, 1e-9);
}

}  // namespace
}  // namespace vantro
