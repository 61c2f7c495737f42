#include "dxf/DxfMtext.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

namespace vantro {
namespace {

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

// The code point of "\U+XXXX" at text[at], or nothing (surrogates are no characters).
bool UnicodeEscapeAt(std::string_view text, size_t at, char32_t& code)
{
    if (text.compare(at, 3, "\\U+") != 0 || at + 7 > text.size()) return false;
    uint32_t value = 0;
    const char* begin = text.data() + at + 3;
    const auto [end, error] = std::from_chars(begin, begin + 4, value, 16);
    if (error != std::errc() || end != begin + 4 || (value >= 0xD800 && value <= 0xDFFF)) return false;
    code = value;
    return true;
}

// Codes that run up to their semicolon and change only how the text looks.
bool IsFormatCode(char code) { return std::string_view("AHWQTCcfFp").find(code) != std::string_view::npos; }
// One-letter switches: underline, overline, strike-through.
bool IsSwitchCode(char code) { return std::string_view("LlOoKk").find(code) != std::string_view::npos; }

std::string Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

bool IsNumber(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("+-.0123456789") == std::string_view::npos;
}

std::string Signed(std::string text, char sign) { return text[0] == '+' || text[0] == '-' ? text : sign + text; }

// "\Sa^b;" from the S on, at moved past the semicolon: a tolerance (two numbers over each other)
// as the two signed numbers "+a-b"; any other stack as the fraction "a/b".
std::string StackedFraction(std::string_view text, size_t& at)
{
    const size_t end = std::min(text.find(';', at), text.size());
    const std::string_view stack = text.substr(at + 1, end - at - 1);
    at = end + 1;
    const size_t split = stack.find_first_of("^/#");
    if (split == std::string_view::npos) return Trimmed(stack);
    const std::string upper = Trimmed(stack.substr(0, split));
    const std::string lower = Trimmed(stack.substr(split + 1));
    if (stack[split] == '^' && IsNumber(upper) && IsNumber(lower)) return Signed(upper, '+') + Signed(lower, '-');
    if (upper.empty() || lower.empty()) return upper + lower;
    return upper + "/" + lower;
}

}  // namespace

std::vector<std::string> MtextParagraphs(std::string_view text)
{
    std::vector<std::string> lines(1);
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        char32_t code = 0;
        if (c == '{' || c == '}' || c == '\r') {
            ++i;
        } else if (c == '\n') {
            lines.emplace_back();
            ++i;
        } else if (UnicodeEscapeAt(text, i, code)) {
            AppendUtf8(lines.back(), code);
            i += 7;
        } else if (c != '\\' || i + 1 == text.size()) {
            lines.back().push_back(c);
            ++i;
        } else {
            const char letter = text[i + 1];
            i += 2;
            if (letter == 'P' || letter == 'N' || letter == 'X') lines.emplace_back();
            else if (letter == '~') lines.back().push_back(' ');
            else if (letter == 'S') lines.back().append(StackedFraction(text, --i));
            else if (IsFormatCode(letter)) i = std::min(text.find(';', i), text.size() - 1) + 1;
            else if (!IsSwitchCode(letter)) lines.back().push_back(letter);
        }
    }
    return lines;
}

std::string ReplacePercentCodes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, 2, "%%") != 0 || i + 2 >= text.size()) {
            out.push_back(text[i++]);
            continue;
        }
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 2])));
        unsigned number = 0;
        const char* digits = text.data() + i + 2;
        const bool numbered = i + 5 <= text.size() &&
                              std::from_chars(digits, digits + 3, number).ptr == digits + 3 && number >= 32 &&
                              number <= 255;
        if (letter == 'c') out.append("φ");
        else if (letter == 'd') out.append("°");
        else if (letter == 'p') out.append("±");
        else if (letter == '%') out.push_back('%');
        else if (numbered) AppendUtf8(out, number);
        else if (letter != 'u' && letter != 'o' && letter != 'k') out.append(text.substr(i, 3));
        i += numbered ? 5 : 3;
    }
    return out;
}

std::string DecodeUnicodeEscapes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        char32_t code = 0;
        if (UnicodeEscapeAt(text, i, code)) {
            AppendUtf8(out, code);
            i += 7;
        } else {
            out.push_back(text[i++]);
        }
    }
    return out;
}

std::string Cp932Substitutes(std::string text)
{
    static constexpr std::pair<std::string_view, std::string_view> kSubstitutes[] = {
        {"\u2205", "φ"}, {"\u2300", "φ"}, {"\u00D8", "φ"}, {"\u00F8", "φ"}, {"\u2022", "・"}, {"\u00A0", " "}};
    for (const auto& [missing, present] : kSubstitutes) {
        for (size_t at = text.find(missing); at != std::string::npos; at = text.find(missing, at + present.size()))
            text.replace(at, missing.size(), present);
    }
    return text;
}

}  // namespace vantro
