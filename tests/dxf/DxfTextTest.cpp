#include "dxf/DxfImport.h"
#include "dxf/DxfTextDecoder.h"

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
    EXPECT_EQ(CleanDxfText("{\\A1;abc}"), "abc}");
    EXPECT_EQ(CleanDxfText("x\\A2;y\\A0;z"), "z");
    EXPECT_EQ(CleanDxfText("%%c10 %%c20"), "φ10 %%c20");
    EXPECT_EQ(CleanDxfText("90%%d"), "90°");
    EXPECT_EQ(CleanDxfText("1\\U+00B02"), "12°");
    EXPECT_EQ(DecodeUnicodeEscapes("a\\U+00E9b\\U+D800"), "a\xC3\xA9" "b\\U+D800");
}

}  // namespace
}  // namespace vantro
