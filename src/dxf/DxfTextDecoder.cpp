#include "dxf/DxfTextDecoder.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

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

bool IsPlainAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte < 0x7F && c != '\\' && c != '%';
    });
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

// Replaces the first occurrence of code; true when there was one.
bool ReplaceFirst(std::string& text, std::string_view code, std::string_view by)
{
    const size_t at = text.find(code);
    if (at == std::string::npos) return false;
    text.replace(at, code.size(), by);
    return true;
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
    ReplaceFirst(text, "%%c", "φ");
    ReplaceFirst(text, "%%p", "±");
    if (ReplaceFirst(text, "%%d", "")) text.append("°");
    ReplaceFirst(text, "\\U+2205", "φ");
    if (ReplaceFirst(text, "\\U+00B0", "")) text.append("°");
    return text;
}

std::string DecodeUnicodeEscapes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        uint32_t code = 0;
        const bool escape = text.compare(i, 3, "\\U+") == 0 && i + 7 <= text.size();
        if (escape) {
            const char* begin = text.data() + i + 3;
            const auto [end, error] = std::from_chars(begin, begin + 4, code, 16);
            if (error == std::errc() && end == begin + 4 && (code < 0xD800 || code > 0xDFFF)) {
                AppendUtf8(out, code);
                i += 7;
                continue;
            }
        }
        out.push_back(text[i]);
        ++i;
    }
    return out;
}

DxfTextDecoder::DxfTextDecoder() : fromUtf8_("CP932", "UTF-8") {}
DxfTextDecoder::~DxfTextDecoder() = default;

void DxfTextDecoder::SetVersion(std::string_view acadVersion)
{
    // From AC1021 (AutoCAD 2007) on, texts are UTF-8 whatever the code page says.
    const std::string version = Upper(acadVersion);
    utf8_ = version.size() == 6 && version.starts_with("AC") && version >= "AC1021";
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
    // UTF-8 input goes through the converter too, so broken sequences show as replacements.
    if (!toUtf8_) toUtf8_ = std::make_unique<TextConverter>("UTF-8", utf8_ ? "UTF-8" : codePage_.c_str());
    return toUtf8_->Convert(raw, kUtf8Replacement);
}

std::string DxfTextDecoder::ToCp932(std::string_view raw, bool clean)
{
    const bool nativeBytes = !utf8_ && codePage_ == "CP932";
    if (IsPlainAscii(raw) || (nativeBytes && !clean && raw.find("\\U+") == std::string_view::npos))
        return std::string(raw);
    std::string text = ToUtf8(raw);
    if (clean) text = CleanDxfText(std::move(text));
    return fromUtf8_.Convert(DecodeUnicodeEscapes(text), kCp932Replacement);
}

std::string DxfTextDecoder::Name(std::string_view raw) { return ToCp932(raw, false); }
std::string DxfTextDecoder::Text(std::string_view raw) { return ToCp932(raw, true); }

}  // namespace vantro
