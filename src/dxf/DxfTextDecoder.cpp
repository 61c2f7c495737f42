#include "dxf/DxfTextDecoder.h"

#include "dxf/DxfMtext.h"
#include "dxf/DxfValues.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vantro {
namespace {

struct CodePageName {
    std::string_view Dxf;    // upper case
    const char* Iconv;
};

// The code pages DXF writers name, as iconv knows them. ASCII files may hold Latin-1 bytes.
constexpr std::array<CodePageName, 19> kCodePages{{
    {"ANSI_932", "CP932"},   {"DOS932", "CP932"},     {"ANSI_936", "CP936"},   {"ANSI_949", "CP949"},
    {"ANSI_950", "CP950"},   {"ANSI_874", "CP874"},   {"ANSI_1250", "CP1250"}, {"ANSI_1251", "CP1251"},
    {"ANSI_1252", "CP1252"}, {"ANSI_1253", "CP1253"}, {"ANSI_1254", "CP1254"}, {"ANSI_1255", "CP1255"},
    {"ANSI_1256", "CP1256"}, {"ANSI_1257", "CP1257"}, {"ANSI_1258", "CP1258"}, {"ASCII", "CP1252"},
    {"DOS437", "CP437"},     {"DOS850", "CP850"},     {"UTF-8", "UTF-8"},
}};

std::string Upper(std::string_view text)
{
    std::string out;
    for (const char c : text)
        if (c != ' ' && c != '\r' && c != '\t') out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return out;
}

// Nothing that any cleaning, escape or code page would change.
bool IsPlainAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte < 0x7F && c != '\\' && c != '%' && c != '^' && c != '{' && c != '}';
    });
}

// Well-formed UTF-8 with at least one character beyond ASCII. CP932 text almost never is: its
// lead bytes 0x81..0x9F cannot start a UTF-8 sequence.
bool IsUtf8Text(std::string_view text)
{
    bool wide = false;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                                               : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        wide = wide || length > 1;
        i += length;
    }
    return wide;
}

}  // namespace

std::string CleanDxfText(std::string text)
{
    for (const std::string_view stacking : {"\\A0;", "\\A1;", "\\A2;"}) {
        const size_t at = text.find(stacking);
        if (at == std::string::npos) continue;
        text.erase(0, at + stacking.size());
        break;
    }
    return Cp932Substitutes(ReplacePercentCodes(DecodeUnicodeEscapes(text)));
}

DxfTextDecoder::DxfTextDecoder() : fromUtf8_("CP932", "UTF-8") {}
DxfTextDecoder::~DxfTextDecoder() = default;

void DxfTextDecoder::SetVersion(std::string_view acadVersion)
{
    // From AC1021 (AutoCAD 2007) on, texts are UTF-8 whatever the code page says.
    const std::string version = Upper(acadVersion);
    utf8_ = version.size() == 6 && version.starts_with("AC") && version >= "AC1021";
    versionKnown_ = true;
    toUtf8_.reset();
}

void DxfTextDecoder::SetCodePage(std::string_view dwgCodePage)
{
    const std::string name = Upper(dwgCodePage);
    for (const CodePageName& page : kCodePages) {
        if (page.Dxf != name) continue;
        if (codePage_ != page.Iconv) toUtf8_.reset();
        codePage_ = page.Iconv;
        return;
    }
}

std::string DxfTextDecoder::ToUtf8(std::string_view raw)
{
    // A file that names no version may come from a writer that only knows UTF-8.
    if (!versionKnown_ && IsUtf8Text(raw)) return std::string(raw);
    // UTF-8 input goes through the converter too, so broken sequences show as replacements.
    if (!toUtf8_) toUtf8_ = std::make_unique<TextConverter>("UTF-8", utf8_ ? "UTF-8" : codePage_.c_str());
    return toUtf8_->Convert(raw, kUtf8Replacement);
}

std::string DxfTextDecoder::ToCp932(const std::string& utf8) { return fromUtf8_.Convert(utf8, kCp932Replacement); }

std::string DxfTextDecoder::Name(std::string_view raw)
{
    const bool nativeBytes = !utf8_ && codePage_ == "CP932" && (versionKnown_ || !IsUtf8Text(raw));
    if (IsPlainAscii(raw) || (nativeBytes && raw.find("\\U+") == std::string_view::npos)) return std::string(raw);
    return ToCp932(DecodeUnicodeEscapes(ToUtf8(raw)));
}

std::string DxfTextDecoder::Text(std::string_view raw)
{
    if (IsPlainAscii(raw)) return std::string(raw);
    return ToCp932(CleanDxfText(DecodeCarets(ToUtf8(raw))));
}

std::string DxfTextDecoder::Verbatim(std::string_view raw)
{
    if (IsPlainAscii(raw)) return std::string(raw);
    return ToCp932(DecodeCarets(ToUtf8(raw)));
}

std::vector<std::string> DxfTextDecoder::Paragraphs(std::string_view raw)
{
    if (IsPlainAscii(raw)) return {std::string(raw)};
    std::vector<std::string> lines = MtextParagraphs(DecodeCarets(ToUtf8(raw)));
    for (std::string& line : lines) line = ToCp932(Cp932Substitutes(ReplacePercentCodes(line)));
    return lines;
}

}  // namespace vantro
