// The texts of a DXF file turned into the CP932 bytes the drawing holds: the file's code page
// ($DWGCODEPAGE, or UTF-8 from AutoCAD 2007 files on), "\U+XXXX" escapes, and the cleaning of
// text values (stacking codes, %% sign codes). What CP932 cannot hold becomes the geta mark.
#pragma once

#include "document/Cp932.h"

#include <memory>
#include <string>
#include <string_view>

namespace vantro {

class DxfTextDecoder {
public:
    DxfTextDecoder();
    ~DxfTextDecoder();
    DxfTextDecoder(const DxfTextDecoder&) = delete;
    DxfTextDecoder& operator=(const DxfTextDecoder&) = delete;

    // "$ACADVER" and "$DWGCODEPAGE" values, as the header gives them.
    void SetVersion(std::string_view acadVersion);
    void SetCodePage(std::string_view dwgCodePage);

    // A name (layer, block) in CP932.
    std::string Name(std::string_view raw);
    // The value of a TEXT or MTEXT, cleaned, in CP932.
    std::string Text(std::string_view raw);

private:
    std::string ToUtf8(std::string_view raw);
    std::string ToCp932(std::string_view raw, bool clean);

    bool utf8_ = false;
    std::string codePage_ = "CP932";
    std::unique_ptr<TextConverter> toUtf8_;
    TextConverter fromUtf8_;
};

// The cleaning of text values on UTF-8 text: after "\A0;", "\A1;" or "\A2;" only; the first "%%c"
// becomes "φ", the first "%%p" "±"; the first "%%d" moves to the end as "°"; likewise the first
// "\U+2205" and "\U+00B0".
std::string CleanDxfText(std::string text);
// "\U+XXXX" escapes as the characters they name (UTF-8 in, UTF-8 out).
std::string DecodeUnicodeEscapes(std::string_view text);

}  // namespace vantro
