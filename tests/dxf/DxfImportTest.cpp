#include "dxf/DxfImport.h"

#include "document/UndoHistory.h"
#include "dxf/DxfTestData.h"
#include "geometry/Primitives.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantro {
namespace {

using testing::CountKind;
using testing::DxfLines;

// An ENTITIES section around the given pairs (lines joined with "\n").
std::string Entities(std::string_view body)
{
    return DxfLines(std::string("0\nSECTION\n2\nENTITIES\n").append(body).append("0\nENDSEC\n0\nEOF\n"));
}

DxfImportResult Import(std::string_view text, Drawing& drawing)
{
    return ImportDxfText(text, drawing, DxfImportOptions{});
}

void ExpectPoint(double x, double y, Point expected)
{
    EXPECT_NEAR(x, expected.X, 1e-9);
    EXPECT_NEAR(y, expected.Y, 1e-9);
}

TEST(DxfImport, LinesArcsCirclesPointsWithTheirAttributes)
{
    Drawing drawing;
    const DxfImportResult result = Import(Entities("0\nLINE\n8\n0\n62\n1\n6\nDASHED\n10\n1\n20\n2\n11\n3\n21\n4\n"
                                                   "0\nARC\n10\n0\n20\n0\n40\n10\n50\n0\n51\n90\n"
                                                   "0\nCIRCLE\n10\n5\n20\n6\n40\n2.5\n"
                                                   "0\nPOINT\n10\n7\n20\n8\n"
                                                   "0\nSOLID\n10\n0\n20\n0\n11\n0\n21\n5\n12\n5\n22\n5\n"),
                                          drawing);
    ASSERT_TRUE(result.Ok);
    ASSERT_EQ(drawing.Count, 5);
    const TCadData& line = drawing[1];
    EXPECT_EQ(line.Kind, kKindLine);
    EXPECT_EQ(line.Color, 0x0000FFu);
    EXPECT_EQ(line.LineStyle, kStyleDash);
    EXPECT_EQ(line.Width, 1);
    EXPECT_EQ(line.Layer, 1);
    ExpectPoint(line.X1, line.Y1, {1, 2});
    ExpectPoint(line.X2, line.Y2, {3, 4});
    const TCadData& arc = drawing[2];
    EXPECT_EQ(arc.Kind, kKindArc);
    ExpectPoint(arc.X1, arc.Y1, {10, 0});
    ExpectPoint(arc.X2, arc.Y2, {0, 10});
    EXPECT_NEAR(arc.Angle, 90, 1e-9);
    EXPECT_EQ(drawing[3].Kind, kKindCircle);
    EXPECT_EQ(drawing[3].R, 2.5);
    EXPECT_EQ(drawing[4].Kind, kKindPoint);
    ExpectPoint(drawing[4].Cx, drawing[4].Cy, {7, 8});
    EXPECT_EQ(drawing[5].Kind, kKindLine);  // a SOLID's first edge
    ExpectPoint(drawing[5].X2, drawing[5].Y2, {0, 5});
    EXPECT_TRUE(result.Warning.empty());
}

TEST(DxfImport, ZeroSizedEntitiesCreateNothing)
{
    Drawing drawing;
    Import(Entities("0\nLINE\n10\n1\n20\n1\n11\n1\n21\n1\n0\nCIRCLE\n10\n1\n20\n1\n40\n0\n"
                    "0\nARC\n10\n1\n20\n1\n40\n0\n50\n0\n51\n90\n"),
           drawing);
    EXPECT_EQ(drawing.Count, 0);
}

TEST(DxfImport, ClosedPolylineWithBulgeMakesLineHalfCircleAndClosingLineInOneGroup)
{
    Drawing drawing;
    Import(Entities("0\nPOLYLINE\n8\n0\n66\n1\n70\n1\n"
                    "0\nVERTEX\n10\n0\n20\n0\n"
                    "0\nVERTEX\n10\n10\n20\n0\n42\n1\n"
                    "0\nVERTEX\n10\n10\n20\n10\n"
                    "0\nSEQEND\n"
                    "0\nPOLYLINE\n66\n1\n0\nVERTEX\n10\n0\n20\n0\n0\nVERTEX\n10\n-5\n20\n0\n0\nSEQEND\n"),
           drawing);
    ASSERT_EQ(drawing.Count, 4);
    EXPECT_EQ(drawing[1].Kind, kKindLine);
    EXPECT_EQ(drawing[2].Kind, kKindArc);
    EXPECT_EQ(drawing[3].Kind, kKindLine);
    const TCadData& arc = drawing[2];
    ExpectPoint(arc.Cx, arc.Cy, {10, 5});
    EXPECT_NEAR(arc.R, 5, 1e-9);
    EXPECT_NEAR(arc.Angle, 180, 1e-9);
    ExpectPoint(arc.X1, arc.Y1, {10, 0});  // counter-clockwise from the second vertex
    ExpectPoint(drawing[3].X1, drawing[3].Y1, {10, 10});
    ExpectPoint(drawing[3].X2, drawing[3].Y2, {0, 0});
    EXPECT_EQ(drawing[1].Group, 1);
    EXPECT_EQ(drawing[2].Group, 1);
    EXPECT_EQ(drawing[3].Group, 1);
    EXPECT_EQ(drawing[4].Group, 2);  // the next polyline gets a new group
    EXPECT_EQ(drawing.MaxGroup, 2);
}

TEST(DxfImport, NegativeBulgeIsStoredAsTheCounterClockwiseArcBackwards)
{
    Drawing drawing;
    Import(Entities("0\nLWPOLYLINE\n90\n2\n70\n0\n10\n0\n20\n0\n42\n-1\n10\n10\n20\n0\n"), drawing);
    ASSERT_EQ(drawing.Count, 1);
    const TCadData& arc = drawing[1];
    ExpectPoint(arc.Cx, arc.Cy, {5, 0});
    ExpectPoint(arc.X1, arc.Y1, {10, 0});
    ExpectPoint(arc.X2, arc.Y2, {0, 0});
    EXPECT_NEAR(arc.Angle, 180, 1e-9);
}

TEST(DxfImport, ClosedLightweightPolylineKeepsTheBulgeOfItsClosingSegment)
{
    // A circle drawn as two half arcs: the second bulge belongs to the closing segment.
    Drawing drawing;
    Import(Entities("0\nLWPOLYLINE\n8\n0\n62\n1\n90\n2\n70\n1\n10\n0\n20\n0\n42\n1\n10\n10\n20\n0\n42\n1\n"), drawing);
    ASSERT_EQ(drawing.Count, 2);
    EXPECT_EQ(CountKind(drawing, kKindArc), 2);
    EXPECT_EQ(drawing[1].Color, 0u);  // only the layer's colour counts
}

TEST(DxfImport, PolylineWithoutSeqendEndsAtTheNextEntity)
{
    Drawing drawing;
    Import(Entities("0\nPOLYLINE\n66\n1\n70\n0\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n1\n"), drawing);
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing[1].Kind, kKindLine);
}

TEST(DxfImport, TextSignCodesAndHeights)
{
    const struct {
        const char* Value;
        const char* Height;
        const char* Cp932;
        double StoredHeight;
    } cases[] = {
        {"%%c20", "2.7", "\x83\xD3" "20", 2},
        {"45%%d", "0.8", "45\x81\x8B", 0.5},
        {"30%%d15'", "10", "3015'\x81\x8B", 10},
        {"\\A1;12\\U+2205", "3", "12\x83\xD3", 3},
        {"%%p0.1", "3", "\x81\x7D" "0.1", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Value);
        Drawing drawing;
        Import(Entities(std::string("0\nTEXT\n10\n1\n20\n2\n40\n").append(c.Height).append("\n1\n").append(c.Value)
                            .append("\n")),
               drawing);
        ASSERT_EQ(drawing.Count, 1);
        EXPECT_EQ(drawing[1].Text, c.Cp932);
        EXPECT_EQ(drawing[1].R, c.StoredHeight);
        EXPECT_EQ(drawing[1].Angle, 0);
    }
}

TEST(DxfImport, TextRotationAndLongMultilineText)
{
    Drawing drawing;
    Import(Entities("0\nTEXT\n10\n1\n20\n2\n40\n3\n50\n90\n1\nA\n"
                    "0\nMTEXT\n10\n1\n20\n2\n40\n3\n3\nfirst part \n1\nlast part\n"),
           drawing);
    ASSERT_EQ(drawing.Count, 2);
    EXPECT_NEAR(drawing[1].Angle, kPi / 2, 1e-12);
    EXPECT_EQ(drawing[2].Text, "first part last part");
}

// Texts longer than a drawing file holds were cut, without a word, only when the drawing was saved.
TEST(DxfImport, TextsTooLongForADrawingFileAreCutAndTheUserIsTold)
{
    const std::string fits(2550, 'a');
    const std::string twoByte = "\x82\xa0";  // あ
    const std::string text = DxfLines(
        "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\n*D1\n0\nTEXT\n10\n0\n20\n0\n40\n2\n1\n" + fits +
        "\n0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
        "0\nTEXT\n10\n0\n20\n0\n40\n3\n1\n" + fits + "\n"
        "0\nTEXT\n10\n0\n20\n0\n40\n3\n1\n" + std::string(3000, 'b') + "\n"
        "0\nMTEXT\n10\n0\n20\n0\n40\n3\n3\n" + std::string(2000, 'c') + "\n1\n" + std::string(549, 'c') +
        twoByte + "\n"
        "0\nDIMENSION\n2\n*D1\n8\n0\n10\n0\n20\n10\n11\n20\n21\n10\n70\n32\n13\n0\n23\n0\n14\n40\n24\n0\n50\n0\n"
        "0\nENDSEC\n0\nEOF\n");
    Drawing drawing;
    testing::ScriptedDialogs dialogs;
    drawing.Dialogs = &dialogs;
    const DxfImportResult result = Import(text, drawing);
    ASSERT_EQ(drawing.Count, 4);
    EXPECT_EQ(drawing[1].Text, fits);
    EXPECT_EQ(drawing[2].Text, std::string(2550, 'b'));
    EXPECT_EQ(drawing[3].Text, std::string(2549, 'c')) << "a double-byte character is not split";
    EXPECT_EQ(drawing[4].Kind, kKindDimX);
    EXPECT_EQ(drawing[4].Text, "=" + std::string(2549, 'a'));
    EXPECT_EQ(result.CutTexts, 3);
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"3個のテキストが長すぎるため、2550バイトまでに切り詰めました。"});
}

TEST(DxfImport, LayerTableNamesColoursAndUnknownLayers)
{
    Drawing drawing;
    const std::string text = DxfLines("0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n70\n2\n"
                                      "0\nLAYER\n2\n0\n70\n0\n62\n7\n6\nCONTINUOUS\n"
                                      "0\nLAYER\n2\nWalls\n70\n0\n62\n1\n6\nCENTER\n"
                                      "0\nENDTAB\n0\nENDSEC\n"
                                      "0\nSECTION\n2\nENTITIES\n"
                                      "0\nLINE\n8\nWalls\n10\n0\n20\n0\n11\n1\n21\n0\n"
                                      "0\nLINE\n8\nWalls\n62\n3\n10\n0\n20\n0\n11\n1\n21\n0\n"
                                      "0\nLINE\n8\nNowhere\n10\n0\n20\n0\n11\n1\n21\n0\n"
                                      "0\nLINE\n8\n0\n62\n8\n10\n0\n20\n0\n11\n1\n21\n0\n"
                                      "0\nENDSEC\n0\nEOF\n");
    Import(text, drawing);
    ASSERT_EQ(drawing.Count, 4);
    EXPECT_EQ(drawing.Layers.Name[0], "0");
    EXPECT_EQ(drawing.Layers.Name[1], "Walls");
    EXPECT_EQ(drawing[1].Layer, 2);
    EXPECT_EQ(drawing[1].Color, 0x0000FFu);
    EXPECT_EQ(drawing[1].LineStyle, kStyleDashDot);
    EXPECT_EQ(drawing[2].Color, 0x00FF00u);
    EXPECT_EQ(drawing[3].Layer, 1);
    EXPECT_EQ(drawing[3].Color, 0xFFFFFFu);  // layer 1's colour 7
    EXPECT_EQ(drawing[4].Color, 0u);         // colour 8 is black
}

TEST(DxfImport, UnsupportedTypesWarnOnceAndTheRestIsRead)
{
    Drawing drawing;
    testing::ScriptedDialogs dialogs;
    drawing.Dialogs = &dialogs;
    const DxfImportResult result =
        Import(Entities("0\nHATCH\n8\n0\n10\n0\n20\n0\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n"
                        "0\nHATCH\n10\n0\n0\nXLINE\n10\n0\n0\nCIRCLE\n10\n0\n20\n0\n40\n1\n"),
               drawing);
    EXPECT_EQ(drawing.Count, 2);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "HATCHの読み込みは対応していません。");
    EXPECT_EQ(result.Warning, dialogs.Messages[0]);
    EXPECT_EQ(result.Skipped, (std::map<std::string, int>{{"HATCH", 2}, {"XLINE", 1}}));
}

TEST(DxfImport, EllipsesAreImportedAsHalvesInOneGroup)
{
    Drawing drawing;
    testing::ScriptedDialogs dialogs;
    drawing.Dialogs = &dialogs;
    const DxfImportResult result =
        Import(Entities("0\nELLIPSE\n10\n1\n20\n2\n11\n10\n21\n0\n40\n0.5\n41\n0\n42\n6.283185307179586\n"
                        "0\nELLIPSE\n10\n0\n20\n0\n11\n0\n21\n4\n40\n0.5\n41\n0.5\n42\n2\n"),
               drawing);
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_TRUE(result.Skipped.empty());
    ASSERT_EQ(drawing.Count, 3);
    for (int i = 1; i <= 2; ++i) {
        const TCadData& half = drawing[i];
        EXPECT_EQ(half.Kind, kKindEllipse);
        ExpectPoint(half.Cx, half.Cy, {1, 2});
        EXPECT_EQ(half.R, 10);
        EXPECT_EQ(half.Y1, 0.5);
        EXPECT_NEAR(half.X1, 10, 1e-12);
        EXPECT_NEAR(half.X2, -10, 1e-12);
        EXPECT_EQ(half.Group, 1);
    }
    EXPECT_NEAR(drawing[1].Angle, 0, 1e-12);
    EXPECT_NEAR(drawing[2].Angle, kPi, 1e-12);
    const TCadData& piece = drawing[3];
    EXPECT_NEAR(piece.Angle, kPi / 2, 1e-12);
    EXPECT_NEAR(piece.X1, 4 * std::cos(0.5), 1e-12);
    EXPECT_NEAR(piece.X2, 4 * std::cos(2.0), 1e-12);
    EXPECT_EQ(piece.Group, 2);
}

TEST(DxfImport, SplinesBecomeCurvesOrLines)
{
    Drawing drawing;
    Import(Entities("0\nSPLINE\n70\n8\n71\n3\n74\n3\n11\n0\n21\n0\n11\n5\n21\n5\n11\n10\n21\n0\n"
                    "0\nSPLINE\n70\n8\n71\n1\n72\n4\n73\n2\n40\n0\n40\n0\n40\n1\n40\n1\n10\n0\n20\n0\n10\n3\n20\n4\n"
                    "0\nSPLINE\n71\n2\n72\n6\n73\n3\n40\n0\n40\n0\n40\n0\n40\n1\n40\n1\n40\n1\n"
                    "10\n0\n20\n0\n10\n1\n20\n2\n10\n2\n20\n0\n"),
           drawing);
    ASSERT_GE(drawing.Count, 4);
    EXPECT_EQ(drawing[1].Kind, kKindCurveThroughPoints);
    EXPECT_EQ(drawing[1].Text, "0,0,5,5,10,0,");
    ExpectPoint(drawing[1].X2, drawing[1].Y2, {10, 0});
    EXPECT_EQ(drawing[2].Kind, kKindLine);
    ExpectPoint(drawing[2].X2, drawing[2].Y2, {3, 4});
    // The quadratic Bézier from (0,0) over (1,2) to (2,0): its lines share a group and meet it.
    const int32_t group = drawing[3].Group;
    EXPECT_GT(group, 0);
    for (int i = 3; i <= drawing.Count; ++i) {
        EXPECT_EQ(drawing[i].Group, group);
        const double t = drawing[i].X2 / 2;
        EXPECT_NEAR(drawing[i].Y2, 4 * t * (1 - t), 1e-9);
    }
    ExpectPoint(drawing[drawing.Count].X2, drawing[drawing.Count].Y2, {2, 0});
}

TEST(DxfImport, InsertScalesTurnsAndMovesTheBlock)
{
    Drawing drawing;
    const std::string text = DxfLines("0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB1\n10\n0\n20\n0\n"
                                      "0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n"
                                      "0\nPOINT\n10\n0\n20\n0\n"
                                      "0\nHATCH\n10\n0\n"
                                      "0\nENDBLK\n"
                                      "0\nBLOCK\n2\nOUTER\n0\nINSERT\n2\nB1\n10\n5\n20\n0\n0\nENDBLK\n"
                                      "0\nENDSEC\n"
                                      "0\nSECTION\n2\nENTITIES\n"
                                      "0\nINSERT\n2\nB1\n10\n10\n20\n10\n41\n2\n42\n2\n50\n90\n"
                                      "0\nINSERT\n2\nOUTER\n10\n0\n20\n100\n"
                                      "0\nINSERT\n2\nMISSING\n10\n0\n20\n0\n"
                                      "0\nENDSEC\n0\nEOF\n");
    const DxfImportResult result = Import(text, drawing);
    EXPECT_EQ(result.SkippedInBlocks, (std::map<std::string, int>{{"HATCH", 1}}));
    EXPECT_TRUE(result.Warning.empty());
    ASSERT_EQ(drawing.Count, 2);
    ExpectPoint(drawing[1].X1, drawing[1].Y1, {10, 10});
    ExpectPoint(drawing[1].X2, drawing[1].Y2, {10, 12});
    EXPECT_NEAR(drawing[1].Angle, 90, 1e-9);
    EXPECT_GT(drawing[1].Id, 0);
    EXPECT_EQ(drawing[1].Group, 0);
    // A block inserted into a block is placed by the inner insert, then by the outer one.
    ExpectPoint(drawing[2].X1, drawing[2].Y1, {5, 100});
    ExpectPoint(drawing[2].X2, drawing[2].Y2, {6, 100});
    EXPECT_FALSE(CanUndo(drawing));  // placed elements are not recorded
}

TEST(DxfImport, DimensionsByTypeWithTheirBlockText)
{
    Drawing drawing;
    const std::string text = DxfLines(
        "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\n*D1\n0\nTEXT\n10\n0\n20\n0\n40\n2\n1\n%%c40\n0\nENDBLK\n0\nENDSEC\n"
        "0\nSECTION\n2\nENTITIES\n"
        "0\nDIMENSION\n2\n*D1\n8\n0\n10\n0\n20\n10\n11\n20\n21\n10\n70\n32\n13\n0\n23\n0\n14\n40\n24\n0\n50\n0\n"
        "0\nDIMENSION\n10\n0\n20\n0\n11\n-10\n21\n15\n70\n160\n13\n0\n23\n0\n14\n0\n24\n30\n50\n90\n"
        "0\nDIMENSION\n10\n0\n20\n0\n11\n0\n21\n0\n70\n32\n13\n0\n23\n0\n14\n5\n24\n5\n50\n45\n"
        "0\nDIMENSION\n10\n0\n20\n0\n11\n20\n21\n0\n70\n36\n15\n10\n25\n0\n"
        "0\nDIMENSION\n10\n-10\n20\n0\n11\n20\n21\n0\n70\n35\n15\n10\n25\n0\n"
        "0\nDIMENSION\n10\n0\n20\n0\n11\n3\n21\n3\n70\n37\n13\n1\n23\n0\n14\n0\n24\n1\n15\n0\n25\n0\n"
        "0\nENDSEC\n0\nEOF\n");
    DxfImportOptions options;
    options.Dimensions.LinePitch = 0;
    options.Dimensions.Tolerance = "+0.1";
    ImportDxfText(text, drawing, options);
    ASSERT_EQ(drawing.Count, 4);
    EXPECT_EQ(drawing[1].Kind, kKindDimX);
    EXPECT_EQ(drawing[1].Text, "=\x83\xD3" "40");
    EXPECT_EQ(drawing[1].Value, 40);
    EXPECT_EQ(drawing[2].Kind, kKindDimY);
    EXPECT_EQ(drawing[2].Value, 30);
    EXPECT_EQ(drawing[2].Text, "");  // the window's tolerance is not used
    EXPECT_EQ(drawing[3].Kind, kKindDimRadius);
    EXPECT_NEAR(drawing[3].Value, 10, 1e-12);
    EXPECT_EQ(drawing[4].Kind, kKindDimDiameter);
    EXPECT_NEAR(drawing[4].Value, 20, 1e-12);
}

TEST(DxfImport, EveryCreatedElementIsItsOwnUndoStep)
{
    Drawing drawing;
    Import(Entities("0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n0\nCIRCLE\n10\n0\n20\n0\n40\n1\n"), drawing);
    ASSERT_EQ(drawing.Count, 2);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 1);
    Undo(drawing);
    EXPECT_EQ(drawing.Count, 0);
}

TEST(DxfImport, CapacityStopsTheImportAndKeepsWhatWasRead)
{
    Drawing drawing;
    drawing.Capacity = kMinCapacity;
    std::string body;
    for (int i = 0; i < 300; ++i) body.append("0\nPOINT\n10\n").append(std::to_string(i)).append("\n20\n0\n");
    const DxfImportResult result = Import(Entities(body), drawing);
    EXPECT_TRUE(result.StoppedAtCapacity);
    EXPECT_FALSE(drawing.AppendFailed);
    EXPECT_EQ(drawing.Count, kMinCapacity + 1);
    EXPECT_EQ(result.Created, drawing.Count);
}

TEST(DxfImport, BrokenValuesAbandonOnlyTheirEntity)
{
    Drawing drawing;
    const DxfImportResult result =
        Import(Entities("0\nLINE\n10\nabc\n20\n0\n11\n1\n21\n0\n"
                        "zz\n0\nLINE\n10\n0\n20\n0\n11\n1e999\n21\n0\n"
                        "0\nCIRCLE\n10\n0\n20\n0\n40\n1\n"),
               drawing);
    EXPECT_EQ(result.Abandoned, 2);
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing[1].Kind, kKindCircle);
}

// Found by fuzzing: flags and types beyond the integers were converted with undefined behaviour.
TEST(DxfImport, FlagsBeyondTheIntegersReadAsZero)
{
    Drawing drawing;
    const DxfImportResult result =
        Import(Entities("0\nPOLYLINE\n70\n1e300\n0\nVERTEX\n10\n0\n20\n0\n70\n7.441e15\n0\nVERTEX\n10\n1\n20\n0\n"
                        "0\nSEQEND\n0\nDIMENSION\n70\n-1e300\n0\nLWPOLYLINE\n70\n1e20\n10\n0\n20\n0\n10\n1\n20\n1\n"),
               drawing);
    EXPECT_EQ(result.Abandoned, 1);  // the LWPOLYLINE's flags are no integer at all
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing[1].Kind, kKindLine);
}

TEST(DxfImport, MissingFileLeavesTheDrawingAlone)
{
    Drawing drawing;
    Import(Entities("0\nPOINT\n10\n0\n20\n0\n"), drawing);
    const DxfImportResult result = ImportDxf("/nonexistent/folder/x.dxf", drawing, DxfImportOptions{});
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.Message, kDxfMissingMessage);
    EXPECT_EQ(drawing.Count, 1);
}

}  // namespace
}  // namespace vantro
