// The texts of a DXF file turned into the CP932 bytes the drawing holds: the file's code page
// ($DWGCODEPAGE, or UTF-8 from AutoCAD 2007 files on, or UTF-8 text in a file that names no
// version), caret-escaped control characters, "\U+XXXX" escapes, the sign codes and MTEXT's
// formatting. What CP932 cannot hold becomes the geta mark, and is counted.
#pragma once

#include "document/Cp932.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
    // The value of a TEXT or ATTRIB, cleaned, in CP932.
    std::string Text(std::string_view raw);
    // A text kept exactly as written (extended data): only the code page and the carets.
    std::string Verbatim(std::string_view raw);
    // The value of an MTEXT (or a dimension's text): its paragraphs as plain CP932 lines.
    std::vector<std::string> Paragraphs(std::string_view raw);

    // Characters CP932 could not hold in every text so far.
    size_t Unmapped() const { return fromUtf8_.Replacements(); }

private:
    std::string ToUtf8(std::string_view raw);
    std::string ToCp932(const std::string& utf8);

    bool utf8_ = false;
    bool versionKnown_ = false;
    std::string codePage_ = "CP932";
    std::unique_ptr<TextConverter> toUtf8_;
    TextConverter fromUtf8_;
};

// The cleaning of TEXT values on UTF-8 text: after "\A0;", "\A1;" or "\A2;" only, then the
// "\U+XXXX" escapes, the sign codes (ReplacePercentCodes) and the characters CP932 lacks
// (Cp932Substitutes).
std::string CleanDxfText(std::string text);

}  // namespace vantro
