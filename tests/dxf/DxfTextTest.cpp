#include "dxf/DxfImport.h"
#include "dxf/DxfMtext.h"
#include "dxf/DxfTextDecoder.h"
#include "dxf/DxfValues.h"

#include "dxf/DxfTestData.h"

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

}  // namespace
}  // namespace vantro
