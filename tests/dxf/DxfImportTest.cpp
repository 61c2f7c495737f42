#include "dxf/DxfImport.h"

#include "document/TextLimit.h"
#include "document/UndoHistory.h"
#include "dxf/DxfTestData.h"
#include "geometry/Primitives.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vantro {
namespace {

using testing::CountKind;
using testing::DxfLines;

std::string Entities(std::string_view body) { return testing::DxfEntities(body); }

DxfImportResult Import(std::string_view text, Drawing& drawing)
{
    return ImportDxfText(text, drawing, DxfImportOptions{});
}

void ExpectPoint(double x, double y, Point expected)
{
    EXPECT_NEAR(x, expected.X, 1e-9);
    EXPECT_NEAR(y, expected.Y, 1e-9);
}

// This program's own record may say a LINE is a free curve and carry its points as text; points that
// no drawing file could hold would be cut into another curve by the next save, so the entity is
// read as the plain line it also is. A record of a kind without text brings no text.
TEST(DxfImport, AnOwnRecordsTextIsKeptOnlyWhereADrawingFileCanHoldIt)
{
    const auto lineWithOwnRecord = [](int kind, const std::string& text) {
        std::string body = "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n10\n21\n0\n1001\nVANTROCAD\n1000\nELEMENT\n1070\n" +
                           std::to_string(kind) + "\n1071\n0\n1070\n1\n";
        for (const double value : {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0}) body += "1040\n" + std::to_string(value) + "\n";
        for (size_t at = 0; at < text.size(); at += 100) body += "1000\n" + text.substr(at, 100) + "\n";
        return Entities(body);
    };
    std::string points;
    while (points.size() <= kMaxTextBytes) points += "1.5,2.5,";
    const struct {
        const char* name;
        int kind;
        std::string text;
        int8_t readKind;
        size_t textBytes;
    } cases[] = {
        {"a curve whose points a file holds", kKindCurveThroughPoints, "0,0,5,5,10,0", kKindCurveThroughPoints, 12},
        {"a curve with more", kKindCurveThroughPoints, points, kKindLine, 0},
        {"a line with a text", kKindLine, "stray", kKindLine, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Drawing drawing;
        ASSERT_TRUE(Import(lineWithOwnRecord(c.kind, c.text), drawing).Ok);
        ASSERT_EQ(drawing.Count, 1);
        EXPECT_EQ(drawing[1].Kind, c.readKind);
        EXPECT_EQ(drawing[1].Text.size(), c.textBytes);
    }
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
    ASSERT_EQ(drawing.Count, 7);
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
    // A triangular SOLID (an arrowhead) is its outline, in one group.
    for (int i = 5; i <= 7; ++i) {
        EXPECT_EQ(drawing[i].Kind, kKindLine);
        EXPECT_EQ(drawing[i].Group, drawing[5].Group);
    }
    EXPECT_GT(drawing[5].Group, 0);
    ExpectPoint(drawing[5].X2, drawing[5].Y2, {0, 5});
    ExpectPoint(drawing[6].X2, drawing[6].Y2, {5, 5});
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
}

// A lightweight polyline's own colour and line type were ignored for its layer's.
TEST(DxfImport, LightweightPolylinesKeepTheirOwnColourAndLineType)
{
    Drawing drawing;
    Import(Entities("0\nLWPOLYLINE\n8\n0\n6\nDASHED\n62\n1\n90\n2\n10\n0\n20\n0\n10\n10\n20\n0\n"), drawing);
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing[1].Color, 0x0000FFu);
    EXPECT_EQ(drawing[1].LineStyle, kStyleDash);
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
        // Heights as read (they were cut to whole millimetres); below 0.5 the element's least.
        {"%%c20", "2.7", "\x83\xD3" "20", 2.7},
        {"45%%d", "0.8", "45\x81\x8B", 0.8},
        {"tiny", "0.2", "tiny", 0.5},
        // Every sign code where it stands (the degree sign was moved to the end).
        {"30%%d15'", "10", "30\x81\x8B" "15'", 10},
        {"%%c10 %%C20", "3", "\x83\xD3" "10 \x83\xD3" "20", 3},
        {"\\A1;12\\U+2205", "3", "12\x83\xD3", 3},
        {"%%p0.1", "3", "\x81\x7D" "0.1", 3},
        {"%%uUnder%%u 100%%%", "3", "Under 100%", 3},
        {"caf%%233", "3", "caf\x81\xAC", 3},
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
    EXPECT_EQ(drawing[3].Color, 0u);  // layer 1's colour 7 is the foreground, black on a light sheet
    EXPECT_EQ(drawing[4].Color, 0u);  // colour 8 is black
}

TEST(DxfImport, UnsupportedTypesAreToldOnceWithTheirCountsAndTheRestIsRead)
{
    Drawing drawing;
    testing::ScriptedDialogs dialogs;
    drawing.Dialogs = &dialogs;
    const DxfImportResult result =
        Import(Entities("0\nXLINE\n8\n0\n10\n0\n20\n0\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n"
                        "0\nXLINE\n10\n0\n0\nRAY\n10\n0\n0\nCIRCLE\n10\n0\n20\n0\n40\n1\n"),
               drawing);
    EXPECT_EQ(drawing.Count, 2);
    EXPECT_EQ(result.Warning, "XLINEの読み込みは対応していません。");
    EXPECT_EQ(result.Skipped, (std::map<std::string, int>{{"RAY", 1}, {"XLINE", 2}}));
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"RAYの読み込みは対応していません。 (1)\n"
                                                         "XLINEの読み込みは対応していません。 (2)"});
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
                    "10\n0\n20\n0\n10\n1\n20\n2\n10\n2\n20\n0\n"
                    "0\nSPLINE\n71\n2\n72\n6\n73\n3\n40\n0\n40\n0\n40\n0\n40\n1\n40\n1\n40\n1\n"
                    "10\n0\n20\n0\n41\n1\n10\n1\n20\n2\n41\n1\n10\n2\n20\n0\n41\n1.5\n"),
           drawing);
    ASSERT_GE(drawing.Count, 5);
    EXPECT_EQ(drawing[1].Kind, kKindCurveThroughPoints);
    EXPECT_EQ(drawing[1].Text, "0,0,5,5,10,0,");
    ExpectPoint(drawing[1].X2, drawing[1].Y2, {10, 0});
    EXPECT_EQ(drawing[2].Kind, kKindLine);
    ExpectPoint(drawing[2].X2, drawing[2].Y2, {3, 4});
    // The quadratic Bézier from (0,0) over (1,2) to (2,0) is this program's curve by control
    // points, whose curve runs between the midpoints of its polygon's first and last edges.
    EXPECT_EQ(drawing[3].Kind, kKindCurveByControlPoints);
    EXPECT_EQ(drawing[3].Text, "-1,-2,1,2,3,-2,");
    // With weights it is a rational curve, brought in as lines in one group.
    const int32_t group = drawing[4].Group;
    EXPECT_GT(group, 0);
    for (int i = 4; i <= drawing.Count; ++i) {
        EXPECT_EQ(drawing[i].Kind, kKindLine);
        EXPECT_EQ(drawing[i].Group, group);
    }
    ExpectPoint(drawing[drawing.Count].X2, drawing[drawing.Count].Y2, {2, 0});
}

TEST(DxfImport, InsertScalesTurnsAndMovesTheBlock)
{
    Drawing drawing;
    const std::string text = DxfLines("0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB1\n10\n0\n20\n0\n"
                                      "0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n"
                                      "0\nPOINT\n10\n0\n20\n0\n"
                                      "0\nPOINT\n8\nDefpoints\n10\n0\n20\n0\n"
                                      "0\nXLINE\n10\n0\n"
                                      "0\nENDBLK\n"
                                      "0\nBLOCK\n2\nOUTER\n0\nINSERT\n2\nB1\n10\n5\n20\n0\n0\nENDBLK\n"
                                      "0\nENDSEC\n"
                                      "0\nSECTION\n2\nENTITIES\n"
                                      "0\nINSERT\n2\nB1\n10\n10\n20\n10\n41\n2\n42\n2\n50\n90\n"
                                      "0\nINSERT\n2\nOUTER\n10\n0\n20\n100\n"
                                      "0\nINSERT\n2\nMISSING\n10\n0\n20\n0\n"
                                      "0\nENDSEC\n0\nEOF\n");
    const DxfImportResult result = Import(text, drawing);
    EXPECT_EQ(result.SkippedInBlocks, (std::map<std::string, int>{{"XLINE", 1}}));
    EXPECT_TRUE(result.Warning.empty());
    // The point on DEFPOINTS is a definition point and is never drawn; the other one is.
    ASSERT_EQ(drawing.Count, 4);
    ExpectPoint(drawing[1].X1, drawing[1].Y1, {10, 10});
    ExpectPoint(drawing[1].X2, drawing[1].Y2, {10, 12});
    EXPECT_NEAR(drawing[1].Angle, 90, 1e-9);
    EXPECT_GT(drawing[1].Id, 0);
    EXPECT_EQ(drawing[1].Group, 0);
    EXPECT_EQ(drawing[2].Kind, kKindPoint);
    ExpectPoint(drawing[2].Cx, drawing[2].Cy, {10, 10});
    // A block inserted into a block is placed by the inner insert, then by the outer one.
    ExpectPoint(drawing[3].X1, drawing[3].Y1, {5, 100});
    ExpectPoint(drawing[3].X2, drawing[3].Y2, {6, 100});
    EXPECT_FALSE(CanUndo(drawing));  // placed elements are not recorded
}

// A block's entities were placed as if its base point were the origin; "by block" colours and
// layer 0 take the insert's.
TEST(DxfImport, InsertPlacesTheBasePointAndPassesOnItsColourAndLayer)
{
    Drawing drawing;
    const std::string text = DxfLines("0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n"
                                      "0\nLAYER\n2\n0\n62\n7\n6\nCONTINUOUS\n0\nLAYER\n2\nParts\n62\n3\n6\nCONTINUOUS\n"
                                      "0\nENDTAB\n0\nENDSEC\n"
                                      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n10\n1\n20\n1\n"
                                      "0\nLINE\n8\n0\n62\n0\n10\n1\n20\n1\n11\n2\n21\n1\n"
                                      "0\nLINE\n8\n0\n10\n1\n20\n1\n11\n1\n21\n2\n"
                                      "0\nLINE\n8\nParts\n62\n5\n10\n1\n20\n1\n11\n2\n21\n2\n"
                                      "0\nENDBLK\n0\nENDSEC\n"
                                      "0\nSECTION\n2\nENTITIES\n"
                                      "0\nINSERT\n8\nParts\n62\n1\n2\nB\n10\n10\n20\n20\n"
                                      "0\nENDSEC\n0\nEOF\n");
    Import(text, drawing);
    ASSERT_EQ(drawing.Count, 3);
    ExpectPoint(drawing[1].X1, drawing[1].Y1, {10, 20});
    ExpectPoint(drawing[1].X2, drawing[1].Y2, {11, 20});
    EXPECT_EQ(drawing[1].Color, 0x0000FFu);  // by block: the insert's red
    EXPECT_EQ(drawing[1].Layer, 2);
    EXPECT_EQ(drawing[2].Color, 0x0000FFu);  // layer 0, by layer: the insert's
    EXPECT_EQ(drawing[2].Layer, 2);
    EXPECT_EQ(drawing[3].Color, 0xFF0000u);  // its own blue on its own layer
}

// 5,000 inserts of a large block at an overflowing scale walked the whole block each time.
TEST(DxfImport, InsertsThatWouldOverflowAreRefusedBeforeTheirBlockIsWalked)
{
    std::string blocks = "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nBIG\n10\n0\n20\n0\n";
    for (int i = 0; i < 2000; ++i)
        blocks.append("0\nLINE\n10\n0\n20\n").append(std::to_string(i)).append("\n11\n1\n21\n0\n");
    blocks.append("0\nENDBLK\n0\nENDSEC\n");
    std::string entities = "0\nSECTION\n2\nENTITIES\n";
    for (int i = 0; i < 5000; ++i) entities.append("0\nINSERT\n2\nBIG\n10\n0\n20\n0\n41\n1e300\n42\n1e300\n");
    entities.append("0\nINSERT\n2\nBIG\n10\n0\n20\n0\n41\n0\n42\n0\n0\nENDSEC\n0\nEOF\n");
    Drawing drawing;
    drawing.Capacity = kMaxCapacity;
    const DxfImportResult result = Import(DxfLines(blocks + entities), drawing);
    EXPECT_EQ(result.RefusedInserts, 5001);
    EXPECT_EQ(drawing.Count, 0);
    EXPECT_FALSE(result.WorkLimitReached);
}

TEST(DxfImport, AnArrayOfAnEmptyOrMissingBlockCostsNothing)
{
    Drawing drawing;
    const DxfImportResult result =
        Import(DxfLines("0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nEMPTY\n0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
                        "0\nINSERT\n2\nEMPTY\n10\n0\n20\n0\n70\n2000000000\n71\n2000000000\n"
                        "0\nINSERT\n2\nMISSING\n10\n0\n20\n0\n70\n2000000000\n71\n2000000000\n0\nENDSEC\n0\nEOF\n"),
               drawing);
    EXPECT_TRUE(result.Ok);
    EXPECT_EQ(drawing.Count, 0);
}

TEST(DxfImport, ArrayInsertsPlaceEveryRowAndColumn)
{
    Drawing drawing;
    const std::string text = DxfLines("0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\nPOINT\n10\n0\n20\n0\n0\nENDBLK\n0\nENDSEC\n"
                                      "0\nSECTION\n2\nENTITIES\n"
                                      "0\nINSERT\n2\nB\n10\n1\n20\n1\n70\n3\n71\n2\n44\n10\n45\n5\n"
                                      "0\nENDSEC\n0\nEOF\n");
    Import(text, drawing);
    ASSERT_EQ(drawing.Count, 6);
    ExpectPoint(drawing[6].Cx, drawing[6].Cy, {21, 6});
}

// One DIMENSION (with its block, if any); the counts of lost and part-built dimensions.
struct DimensionImport {
    Drawing Read;
    DxfImportResult Result;
};

DimensionImport ImportDimension(std::string_view dimension, std::string_view block = {})
{
    std::string text = "0\nSECTION\n2\nBLOCKS\n";
    if (!block.empty()) text.append("0\nBLOCK\n2\n*D1\n").append(block).append("0\nENDBLK\n");
    text.append("0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nDIMENSION\n2\n*D1\n").append(dimension);
    text.append("0\nENDSEC\n0\nEOF\n");
    DimensionImport imported;
    imported.Result = Import(DxfLines(text), imported.Read);
    return imported;
}

// Only some types and rotations were kept, and the rest were dropped without a word.
TEST(DxfImport, DimensionsOfEachTypeAndRotationBecomeDimensions)
{
    const struct {
        const char* Name;
        const char* Pairs;
        int8_t Kind;
        double Value;
    } cases[] = {
        {"horizontal", "10\n0\n20\n10\n11\n20\n21\n10\n70\n32\n13\n0\n23\n0\n14\n40\n24\n0\n50\n0\n", kKindDimX, 40},
        {"horizontal at 180", "10\n0\n20\n10\n11\n20\n21\n10\n70\n0\n13\n0\n23\n0\n14\n40\n24\n3\n50\n180\n", kKindDimX, 40},
        {"vertical", "10\n-10\n20\n0\n11\n-10\n21\n15\n70\n160\n13\n0\n23\n0\n14\n0\n24\n30\n50\n90\n", kKindDimY, 30},
        {"vertical at 270", "10\n-10\n20\n0\n11\n-10\n21\n15\n70\n32\n13\n0\n23\n0\n14\n2\n24\n30\n50\n270\n", kKindDimY, 30},
        {"rotated along its points", "10\n0\n20\n0\n11\n0\n21\n0\n70\n32\n13\n0\n23\n0\n14\n5\n24\n5\n50\n45\n", kKindDimAligned, std::sqrt(50.0)},
        {"aligned", "10\n-3\n20\n4\n11\n0\n21\n0\n70\n33\n13\n0\n23\n0\n14\n8\n24\n6\n", kKindDimAligned, 10},
        {"radius", "10\n0\n20\n0\n11\n20\n21\n0\n70\n36\n15\n10\n25\n0\n", kKindDimRadius, 10},
        {"diameter", "10\n-10\n20\n0\n11\n20\n21\n0\n70\n35\n15\n10\n25\n0\n", kKindDimDiameter, 20},
        {"angle by three points", "10\n5\n20\n5\n11\n6\n21\n6\n70\n37\n13\n10\n23\n0\n14\n0\n24\n10\n15\n0\n25\n0\n", kKindDimAngle, 90},
        {"angle of two lines", "10\n0\n20\n10\n11\n6\n21\n6\n70\n34\n13\n0\n23\n0\n14\n10\n24\n0\n15\n0\n25\n0\n16\n5\n26\n5\n", kKindDimAngle, 90},
        {"ordinate", "10\n0\n20\n0\n11\n20\n21\n7\n70\n38\n13\n5\n23\n7\n14\n15\n24\n7\n", kKindDimRunning, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const DimensionImport imported = ImportDimension(c.Pairs);
        ASSERT_EQ(imported.Read.Count, 1);
        EXPECT_EQ(imported.Read[1].Kind, c.Kind);
        EXPECT_NEAR(imported.Read[1].Value, c.Value, 1e-9);
        EXPECT_EQ(imported.Result.DimensionsLost, 0);
    }
}

TEST(DxfImport, ADimensionShowsWhatTheFileShows)
{
    const char* horizontal = "10\n0\n20\n10\n11\n20\n21\n10\n70\n32\n13\n0\n23\n0\n14\n40\n24\n0\n50\n0\n";
    const struct {
        const char* Name;
        std::string Own;    // the DIMENSION's own text
        std::string Block;  // its block's text
        std::string Field;  // CP932
    } cases[] = {
        {"the value", "", "40", ""},
        {"the value with the diameter sign", "", "%%c40", "D"},
        {"with a stacked tolerance", "", "\\A1;40{\\S+0.1^-0.05;}", "+0.1-0.05"},
        {"another text", "(18)", "", "=(18))"},
        {"the value in a text", "<> max", "", "=40 max)"},
        {"a value rounded otherwise", "", "40.0", "=40.0)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::string own = c.Own.empty() ? "" : "1\n" + c.Own + "\n";
        const std::string block = c.Block.empty() ? "" : "0\nMTEXT\n10\n0\n20\n0\n40\n2\n1\n" + c.Block + "\n";
        const DimensionImport imported = ImportDimension(horizontal + own, block);
        ASSERT_EQ(imported.Read.Count, 1);
        EXPECT_EQ(imported.Read[1].Text, c.Field);
    }
}

TEST(DxfImport, ADimensionsTextPointLiesUnderTheMiddleOfItsText)
{
    const DimensionImport imported =
        ImportDimension("10\n0\n20\n10\n11\n20\n21\n11.875\n70\n32\n13\n0\n23\n0\n14\n40\n24\n0\n50\n0\n");
    ASSERT_EQ(imported.Read.Count, 1);
    // The header's default style: text 2.5 high, 0.625 above its line.
    ExpectPoint(imported.Read[1].Cx, imported.Read[1].Cy, {20, 10});
}

TEST(DxfImport, DimensionsNoKindDrawsComeInAsTheirBlocksPartsAndNoneIsDroppedSilently)
{
    const char* rotated = "8\n0\n62\n3\n10\n0\n20\n10\n11\n5\n21\n10\n70\n32\n13\n0\n23\n0\n14\n10\n24\n0\n50\n30\n";
    const DimensionImport parts = ImportDimension(rotated, "0\nLINE\n62\n0\n10\n0\n20\n0\n11\n5\n21\n3\n"
                                                           "0\nSOLID\n10\n5\n20\n3\n11\n4\n21\n3\n12\n5\n22\n2\n"
                                                           "0\nTEXT\n10\n1\n20\n4\n40\n2\n1\n8.66\n");
    EXPECT_EQ(parts.Result.DimensionsAsParts, 1);
    ASSERT_EQ(parts.Read.Count, 5);  // a line, the arrowhead's three edges, the text
    for (int i = 1; i <= parts.Read.Count; ++i) {
        EXPECT_EQ(parts.Read[i].Group, parts.Read[1].Group);
        EXPECT_FALSE(IsDimension(parts.Read[i].Kind));
    }
    EXPECT_GT(parts.Read[1].Group, 0);
    EXPECT_EQ(parts.Read[1].Color, 0x00FF00u);  // by block: the dimension's green
    EXPECT_EQ(parts.Read[5].Text, "8.66");
    const DimensionImport lost = ImportDimension(rotated);
    EXPECT_EQ(lost.Read.Count, 0);
    EXPECT_EQ(lost.Result.DimensionsLost, 1);
    EXPECT_FALSE(DxfImportNotes(lost.Result).empty());
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
    EXPECT_EQ(result.DimensionsLost, 1);  // it measures nothing and has no block
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

// Colour 7 was imported as white and painted on a white sheet: whole drawings rendered blank.
TEST(DxfImport, ColourSevenAndWhiteAreTheForegroundOfTheSheet)
{
    const struct {
        const char* Name;
        const char* Colour;
        uint32_t Background;
        uint32_t Expected;
    } cases[] = {
        {"colour 7 on a light sheet", "62\n7\n", 0xC0C0C0, 0x000000},
        {"colour 7 on a dark sheet", "62\n7\n", 0x202020, 0xFFFFFF},
        {"true white", "62\n7\n420\n16777215\n", 0xFFFFFF, 0x000000},
        {"a true colour", "62\n7\n420\n16711680\n", 0xFFFFFF, 0x0000FF},
        {"by layer", "62\n256\n", 0xFFFFFF, 0x0000FF},
        {"by block outside a block", "62\n0\n", 0xFFFFFF, 0x000000},
        {"a palette colour", "62\n30\n", 0xFFFFFF, 0x007FFF},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Drawing drawing;
        DxfImportOptions options;
        options.BackgroundColour = c.Background;
        ImportDxfText(DxfLines(std::string("0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nRed\n62\n1\n"
                                           "6\nCONTINUOUS\n0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
                                           "0\nLINE\n8\nRed\n")
                                   .append(c.Colour)
                                   .append("10\n0\n20\n0\n11\n1\n21\n0\n0\nENDSEC\n0\nEOF\n")),
                      drawing, options);
        ASSERT_EQ(drawing.Count, 1);
        EXPECT_EQ(drawing[1].Color, c.Expected);
    }
}

// Arcs, circles, polylines, inserts and texts drawn against −Z landed on the wrong side.
TEST(DxfImport, AnExtrusionAlongMinusZMirrorsThePlane)
{
    Drawing drawing;
    Import(DxfLines("0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n0\nENDBLK\n0\nENDSEC\n"
                    "0\nSECTION\n2\nENTITIES\n"
                    "0\nARC\n10\n10\n20\n0\n40\n5\n50\n0\n51\n90\n230\n-1\n"
                    "0\nCIRCLE\n10\n10\n20\n5\n40\n1\n230\n-1\n"
                    "0\nLWPOLYLINE\n90\n2\n10\n0\n20\n0\n42\n1\n10\n10\n20\n0\n230\n-1\n"
                    "0\nINSERT\n2\nB\n10\n5\n20\n5\n230\n-1\n"
                    "0\nTEXT\n10\n10\n20\n0\n40\n2\n1\nAB\n230\n-1\n"
                    "0\nENDSEC\n0\nEOF\n"),
           drawing);
    ASSERT_EQ(drawing.Count, 5);
    const TCadData& arc = drawing[1];
    ExpectPoint(arc.Cx, arc.Cy, {-10, 0});
    ExpectPoint(arc.X1, arc.Y1, {-10, 5});  // counter-clockwise from 90° to 180°
    ExpectPoint(arc.X2, arc.Y2, {-15, 0});
    ExpectPoint(drawing[2].Cx, drawing[2].Cy, {-10, 5});
    const TCadData& bulge = drawing[3];  // the half circle below the chord stays below it
    ExpectPoint(bulge.Cx, bulge.Cy, {-5, 0});
    ExpectPoint(bulge.X1, bulge.Y1, {-10, 0});
    ExpectPoint(bulge.X2, bulge.Y2, {0, 0});
    ExpectPoint(drawing[4].X1, drawing[4].Y1, {-5, 5});
    ExpectPoint(drawing[4].X2, drawing[4].Y2, {-6, 5});
    // The mirrored text is kept readable over the same place: it ends at its insertion point.
    ExpectPoint(drawing[5].Cx, drawing[5].Cy, {-12, 0});
    EXPECT_NEAR(drawing[5].Angle, 0, 1e-12);
}

TEST(DxfImport, PolylinesOfATiltedPlaneAreSeenFromAbove)
{
    Drawing drawing;
    // The plane turned 60° about the x axis: its y is squeezed to half.
    Import(Entities("0\nLWPOLYLINE\n90\n2\n10\n0\n20\n0\n10\n0\n20\n10\n210\n0\n220\n-0.8660254037844386\n230\n0.5\n"),
           drawing);
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_NEAR(PointDistance({drawing[1].X1, drawing[1].Y1}, {drawing[1].X2, drawing[1].Y2}), 5, 1e-9);
}

// Paper-space entities were merged into the model.
TEST(DxfImport, PaperSpaceIsLeftOutAndTold)
{
    Drawing drawing;
    const DxfImportResult result =
        Import(Entities("0\nLINE\n67\n1\n10\n0\n20\n0\n11\n1\n21\n0\n0\nVIEWPORT\n67\n1\n10\n0\n"
                        "0\nPOLYLINE\n67\n1\n0\nVERTEX\n10\n0\n20\n0\n0\nVERTEX\n10\n1\n20\n1\n0\nSEQEND\n"
                        "0\nCIRCLE\n10\n0\n20\n0\n40\n1\n"),
               drawing);
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing[1].Kind, kKindCircle);
    EXPECT_EQ(result.PaperSpace, 3);
    EXPECT_TRUE(result.Skipped.empty());
    EXPECT_EQ(DxfImportNotes(result), std::vector<std::string>{"ペーパー空間の図形は読み込みません: 3"});
}

TEST(DxfImport, HatchBoundariesAndLeaderPathsComeInAsLinesAndArcs)
{
    Drawing drawing;
    Import(Entities("0\nHATCH\n10\n0\n20\n0\n30\n0\n2\nSOLID\n70\n1\n71\n0\n91\n2\n"
                    "92\n2\n72\n0\n73\n1\n93\n4\n10\n0\n20\n0\n10\n10\n20\n0\n10\n10\n20\n10\n10\n0\n20\n10\n97\n0\n"
                    "92\n1\n93\n2\n72\n1\n10\n20\n20\n0\n11\n30\n21\n0\n"
                    "72\n2\n10\n25\n20\n0\n40\n5\n50\n0\n51\n180\n73\n0\n97\n1\n330\n1F\n"
                    "75\n0\n76\n1\n98\n1\n10\n5\n20\n5\n"
                    "0\nLEADER\n3\nSTANDARD\n71\n1\n72\n0\n76\n3\n10\n0\n20\n0\n30\n0\n10\n10\n20\n10\n30\n0\n"
                    "10\n20\n20\n10\n30\n0\n"),
           drawing);
    ASSERT_EQ(drawing.Count, 10);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(drawing[i].Group, drawing[1].Group);
    EXPECT_EQ(CountKind(drawing, kKindArc), 1);
    // The clockwise edge from 0° to 180° is the lower half circle.
    const TCadData& arc = drawing[6];
    EXPECT_EQ(arc.Kind, kKindArc);
    ExpectPoint(arc.X1, arc.Y1, {20, 0});
    ExpectPoint(arc.X2, arc.Y2, {30, 0});
    for (int i = 7; i <= 10; ++i) {
        EXPECT_EQ(drawing[i].Kind, kKindLine);
        EXPECT_EQ(drawing[i].Group, drawing[7].Group);
    }
    EXPECT_NE(drawing[7].Group, drawing[1].Group);
}

// An empty file, random bytes or a web page imported as an empty drawing, reported as success.
TEST(DxfImport, WhatIsNoDxfAtAllIsRefusedAndTheDrawingKept)
{
    const std::string cases[] = {"", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
                                 "<!DOCTYPE html>\n<html><body>404</body></html>\n", "0\nSECTIONS\n"};
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        Drawing drawing;
        testing::PutElement(drawing, testing::Line(0, 0, 1, 1));
        const DxfImportResult result = Import(text, drawing);
        EXPECT_FALSE(result.Ok);
        EXPECT_EQ(result.Message, kDxfNotDxfMessage);
        EXPECT_EQ(drawing.Count, 1);
    }
}

TEST(DxfImport, EntitiesWithoutAnySectionAreRead)
{
    Drawing drawing;
    const DxfImportResult result = Import(DxfLines("0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n0\nEOF\n"), drawing);
    EXPECT_TRUE(result.Ok);
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_FALSE(result.MissingEnd);
}

TEST(DxfImport, AFileCutShortIsTold)
{
    Drawing drawing;
    const DxfImportResult result =
        Import(DxfLines("0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n0\nCIRCLE\n10\n0\n20"), drawing);
    EXPECT_TRUE(result.Ok);
    EXPECT_EQ(drawing.Count, 1);
    EXPECT_TRUE(result.MissingEnd);
    EXPECT_EQ(DxfImportNotes(result),
              std::vector<std::string>{"ファイルの終わり(EOF)がありません。途中で切れたファイルかもしれません。"});
}

// Dimension texts took the settings' height, not the file's, and covered small parts.
TEST(DxfImport, TheDimensionStyleMostDimensionsUseIsTheDrawingsOwn)
{
    const std::string dimension = "0\nDIMENSION\n10\n0\n20\n10\n11\n20\n21\n10\n70\n32\n13\n0\n23\n0\n14\n40\n24\n0\n3\n";
    Drawing drawing;
    const DxfImportResult result = Import(
        DxfLines("0\nSECTION\n2\nHEADER\n9\n$DIMTXT\n40\n3.5\n9\n$DIMSCALE\n40\n2\n9\n$DIMASZ\n40\n1\n9\n$DIMGAP\n40\n0.5\n"
                 "9\n$DIMEXE\n40\n0.25\n9\n$DIMDEC\n70\n2\n0\nENDSEC\n"
                 "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nDIMSTYLE\n0\nDIMSTYLE\n2\nISO-25\n140\n2.5\n40\n1\n0\nENDTAB\n0\nENDSEC\n"
                 "0\nSECTION\n2\nENTITIES\n" +
                 dimension + "ISO-25\n" + dimension + "iso-25\n" + dimension + "STANDARD\n0\nENDSEC\n0\nEOF\n"),
        drawing);
    ASSERT_TRUE(result.DimensionStyle.has_value());
    EXPECT_EQ(*result.DimensionStyle, (DxfDimensionStyle{2.5, 1, 0.25, 0.5, 2}));
    DrawingFileSettings file;
    TakeDxfDimensionStyle(*result.DimensionStyle, file);
    EXPECT_EQ(file.TextHeight, 2.5f);
    EXPECT_EQ(file.ArrowLength, 1.0f);
    EXPECT_EQ(file.ArrowHeight, 0.25f);
    EXPECT_EQ(file.ArrowOffset, 0.5f);
    EXPECT_EQ(file.Precision, 2);
    Drawing plain;
    EXPECT_FALSE(Import(Entities("0\nLINE\n10\n0\n20\n0\n11\n1\n21\n0\n"), plain).DimensionStyle.has_value());
}

}  // namespace
}  // namespace vantro
