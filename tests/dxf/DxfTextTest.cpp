#include "dxf/DxfImport.h"
#include "dxf/DxfMtext.h"
#include "dxf/DxfTextDecoder.h"
#include "dxf/DxfValues.h"

#include "dxf/DxfTestData.h"
#include "geometry/Primitives.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

// One TEXT in a file with the given header variables; returns the text element's bytes.
std::string ImportedText(std::string_view header, std::string_view value)
{
    const std::string text = std::string("0\nSECTION\n2\nHEADER\n")
                                 .append(testing::DxfLines(header))
                                 .append("0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nTEXT\n10\n0\n20\n0\n40\n3\n1\n")
                                 .append(value)
                                 .append("\n0\nENDSEC\n0\nEOF\n");
    Drawing drawing;
    ImportDxfText(text, drawing, DxfImportOptions{});
    return drawing.Count == 1 ? drawing[1].Text : "(none)";
}

TEST(DxfText, CodePagesAndVersionsBecomeCp932)
{
    const struct {
        const char* Header;
        std::string Value;
        std::string Cp932;
    } cases[] = {
        // No code page: the bytes are the program's own.
        {"", "\x93\xFA\x96\x7B", "\x93\xFA\x96\x7B"},
        {"9\n$DWGCODEPAGE\n3\nANSI_932\n", "\x83\x65\x83\x58\x83\x67", "\x83\x65\x83\x58\x83\x67"},
        {"9\n$DWGCODEPAGE\n3\ndos932\n", "\xB1\xB2", "\xB1\xB2"},  // half-width katakana
        {"9\n$ACADVER\n1\nAC1015\n9\n$DWGCODEPAGE\n3\nansi_1252\n", "caf\xE9 \xB1", "caf\x81\xAC \x81\x7D"},
        {"9\n$DWGCODEPAGE\n3\nANSI_936\n", "\xD6\xD0", "\x92\x86"},  // 中
        {"9\n$DWGCODEPAGE\n3\nANSI_1250\n", "\x8A", "\x81\xAC"},     // Š has no CP932 form
        // From AutoCAD 2007 on the text is UTF-8 whatever the code page says.
        {"9\n$ACADVER\n1\nAC1021\n9\n$DWGCODEPAGE\n3\nANSI_1252\n", "日本語", "\x93\xFA\x96\x7B\x8C\xEA"},
        {"9\n$ACADVER\n1\nAC1024\n", "\xFF" "A", "\x81\xAC" "A"},
        {"9\n$DWGCODEPAGE\n3\nANSI_1252\n", "\\U+65E5\\U+672C", "\x93\xFA\x96\x7B"},
        {"9\n$DWGCODEPAGE\n3\nANSI_1252\n", "\\U+05D0", "\x81\xAC"},  // Hebrew alef
        {"9\n$DWGCODEPAGE\n3\nANSI_1252\n", "\\U+12G4", "\\U+12G4"},  // not an escape
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Header);
        EXPECT_EQ(ImportedText(c.Header, c.Value), c.Cp932);
    }
}

TEST(DxfText, LayerNamesAreDecodedButMatchedByTheirBytes)
{
    const std::string text = testing::DxfLines("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1027\n0\nENDSEC\n"
                                               "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n"
                                               "0\nLAYER\n2\n寸法\n62\n5\n6\nCONTINUOUS\n0\nENDTAB\n0\nENDSEC\n"
                                               "0\nSECTION\n2\nENTITIES\n"
                                               "0\nPOINT\n8\n寸法\n10\n0\n20\n0\n0\nENDSEC\n0\nEOF\n");
    Drawing drawing;
    ImportDxfText(text, drawing, DxfImportOptions{});
    EXPECT_EQ(drawing.Layers.Name[0], "\x90\xA1\x96\x40");
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing[1].Layer, 1);
    EXPECT_EQ(drawing[1].Color, 0xFF0000u);
}

TEST(DxfText, CleaningRules)
{
    const struct {
        const char* Raw;
        const char* Clean;
    } cases[] = {
        {"{\\A1;abc}", "abc}"},
        {"x\\A2;y\\A0;z", "z"},
        {"%%c10 %%c20", "φ10 φ20"},
        {"90%%d", "90°"},
        {"30%%d15'", "30°15'"},
        {"1\\U+00B02", "1°2"},
        {"\\U+2300 12 \\U+2205 13", "φ 12 φ 13"},
        {"a %% b", "a %% b"},
        {"%%", "%%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Raw);
        EXPECT_EQ(CleanDxfText(c.Raw), c.Clean);
    }
    EXPECT_EQ(DecodeUnicodeEscapes("a\\U+00E9b\\U+D800"), "a\xC3\xA9" "b\\U+D800");
}

TEST(DxfText, MtextCodesGoAndParagraphsBecomeLines)
{
    using Lines = std::vector<std::string>;
    const struct {
        const char* Raw;
        Lines Expected;
    } cases[] = {
        {"plain", {"plain"}},
        {"one\\Ptwo\\Pthree", {"one", "two", "three"}},
        {"{\\C1;\\fArial|b1|i0;\\H1.4x;HEAD}LINE", {"HEADLINE"}},
        {"\\A1;\\W0.8;\\Q15;\\T1.1;x\\~y", {"x y"}},
        {"\\Lunder\\l \\Oover\\o \\Kgone\\k", {"under over gone"}},
        {"1\\S1#2;\" and \\S3/4;", {"11/2\" and 3/4"}},
        {"75\\S0^ -0.05;", {"75+0-0.05"}},
        {"x\\S2^;", {"x2"}},
        {"back\\\\slash \\{braces\\}", {"back\\slash {braces}"}},
        {"\\U+65E5\\N\\pxi0.5;col", {"日", "col"}},
        {"broken\\", {"broken\\"}},
        {"\\Hno end", {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Raw);
        EXPECT_EQ(MtextParagraphs(c.Raw), c.Expected);
    }
}

TEST(DxfText, CaretsStandForControlCharactersBothWays)
{
    std::string written;
    AppendDxfString(written, "a\nb^c\x83\x5E");  // the trail byte of a double-byte character is a caret
    EXPECT_EQ(written, "a^Jb^ c\x83\x5E");
    EXPECT_EQ(DecodeCarets("a^Jb^ c^I"), "a\nb^c\t");
    EXPECT_EQ(DecodeCarets("^"), "^");
}

// A UTF-8 file that names no version was read as CP932.
TEST(DxfText, Utf8TextInAFileWithoutAVersionIsReadAsUtf8)
{
    EXPECT_EQ(ImportedText("", "日本語"), "\x93\xFA\x96\x7B\x8C\xEA");
    EXPECT_EQ(ImportedText("", "\x93\xFA\x96\x7B"), "\x93\xFA\x96\x7B");
}

TEST(DxfText, LettersCp932CannotHoldAreCountedAndTold)
{
    const std::string text = testing::DxfLines("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1024\n0\nENDSEC\n"
                                               "0\nSECTION\n2\nENTITIES\n0\nTEXT\n10\n0\n20\n0\n40\n3\n1\n"
                                               "\xD7\x90\xD7\x91 \xC5\xA0\n0\nENDSEC\n0\nEOF\n");
    Drawing drawing;
    const DxfImportResult result = ImportDxfText(text, drawing, DxfImportOptions{});
    EXPECT_EQ(result.UnmappedCharacters, 3u);
    EXPECT_EQ(DxfImportNotes(result), std::vector<std::string>{"CP932にない文字を〓にしました: 3"});
}

// One TEXT, MTEXT or ATTRIB entity; the text elements it makes.
Drawing ImportedEntity(std::string_view entity)
{
    Drawing drawing;
    ImportDxfText(testing::DxfEntities(entity), drawing, DxfImportOptions{});
    return drawing;
}

// Alignment (groups 72 and 73 with the point 11/21) was ignored: texts started at their alignment
// point. A text element is half its height wide per byte; "ABCD" 2 high is 4 wide.
TEST(DxfText, AlignedTextsStartWhereTheirWidthPutsThem)
{
    const struct {
        const char* Name;
        const char* Groups;
        Point Start;
        double Height;
        double Degrees;
    } cases[] = {
        // Insertion (1, 1); the alignment point (10, 0), or for aligned and fitted texts their
        // second end (10, 1).
        {"left on the baseline", "11\n10\n21\n0\n", {1, 1}, 2, 0},
        {"centred", "72\n1\n11\n10\n21\n0\n", {8, 0}, 2, 0},
        {"right", "72\n2\n11\n10\n21\n0\n", {6, 0}, 2, 0},
        {"top right", "72\n2\n73\n3\n11\n10\n21\n0\n", {6, -2}, 2, 0},
        {"middle", "72\n4\n11\n10\n21\n0\n", {8, -1}, 2, 0},
        {"centred, turned 90°", "72\n1\n50\n90\n11\n10\n21\n0\n", {10, -2}, 2, 90},
        {"aligned: the height fills the points", "72\n3\n11\n10\n21\n1\n", {1, 1}, 4.5, 0},
        {"fitted: too long, so it shrinks", "72\n5\n40\n6\n11\n10\n21\n1\n", {1, 1}, 4.5, 0},
        {"fitted: short, so centred", "72\n5\n40\n1\n11\n10\n21\n1\n", {4.5, 1}, 1, 0},
        {"written backwards", "71\n2\n", {-3, 1}, 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const Drawing drawing = ImportedEntity(std::string("0\nTEXT\n10\n1\n20\n1\n40\n2\n1\nABCD\n") + c.Groups);
        ASSERT_EQ(drawing.Count, 1);
        EXPECT_NEAR(drawing[1].Cx, c.Start.X, 1e-5);
        EXPECT_NEAR(drawing[1].Cy, c.Start.Y, 1e-5);
        EXPECT_NEAR(drawing[1].R, c.Height, 1e-9);
        EXPECT_NEAR(drawing[1].Angle, DegToRad(c.Degrees), 1e-9);
    }
}

TEST(DxfText, AttributesShowTheirValueUnlessInvisible)
{
    const Drawing drawing = ImportedEntity("0\nATTRIB\n10\n10\n20\n0\n40\n2\n1\nAB\n2\nTAG\n72\n2\n11\n10\n21\n0\n74\n3\n"
                                           "0\nATTRIB\n10\n0\n20\n0\n40\n2\n1\nHIDDEN\n70\n1\n");
    ASSERT_EQ(drawing.Count, 1);
    EXPECT_EQ(drawing[1].Text, "AB");
    EXPECT_NEAR(drawing[1].Cx, 8, 1e-6);
    EXPECT_NEAR(drawing[1].Cy, -2, 1e-6);
}

// MTEXT showed its codes, and its embedded object's values moved and resized it.
TEST(DxfText, MtextParagraphsAreLinesPlacedByTheAttachmentPoint)
{
    const Drawing drawing = ImportedEntity("0\nMTEXT\n10\n0\n20\n0\n40\n2\n71\n5\n1\n{\\fArial;AB}\\PCDEF\n"
                                           "101\nEmbedded Object\n10\n100\n20\n100\n40\n50\n");
    ASSERT_EQ(drawing.Count, 2);
    EXPECT_EQ(drawing[1].Text, "AB");
    EXPECT_EQ(drawing[2].Text, "CDEF");
    // Middle centre: the two lines (5/3 of the height apart) are centred on the point.
    const double spacing = 2 * 5.0 / 3.0;
    const double top = (2 + spacing) / 2;
    EXPECT_NEAR(drawing[1].Cx, -1, 1e-6);
    EXPECT_NEAR(drawing[1].Cy, top - 2, 1e-6);
    EXPECT_NEAR(drawing[2].Cx, -2, 1e-6);
    EXPECT_NEAR(drawing[2].Cy, top - 2 - spacing, 1e-6);
    EXPECT_EQ(drawing[1].R, 2);
    EXPECT_GT(drawing[1].Group, 0);
    EXPECT_EQ(drawing[2].Group, drawing[1].Group);
}

TEST(DxfText, MtextTurnsByItsDirectionAndWrapsAtItsWidth)
{
    const Drawing drawing = ImportedEntity("0\nMTEXT\n10\n5\n20\n5\n40\n2\n41\n10\n11\n0\n21\n1\n"
                                           "1\none two three four\n");
    // 10 wide holds 10 bytes of a text 2 high.
    ASSERT_EQ(drawing.Count, 2);
    EXPECT_EQ(drawing[1].Text, "one two");
    EXPECT_EQ(drawing[2].Text, "three four");
    EXPECT_NEAR(drawing[1].Angle, kPi / 2, 1e-12);
    // Top left: the first line's top at the point, along the direction straight up.
    EXPECT_NEAR(drawing[1].Cx, 7, 1e-6);
    EXPECT_NEAR(drawing[1].Cy, 5, 1e-6);
}

}  // namespace
}  // namespace vantro
