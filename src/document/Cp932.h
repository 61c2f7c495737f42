// Conversion between the CP932 (Shift-JIS) bytes the drawing and its files hold and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace vantro {

// A conversion between two iconv code pages kept open: opening one costs far more than converting
// a short text, so a reader of many texts keeps its converters.
class TextConverter {
public:
    TextConverter(const char* to, const char* from);
    ~TextConverter();
    TextConverter(const TextConverter&) = delete;
    TextConverter& operator=(const TextConverter&) = delete;

    // Converts all of input; what cannot be converted becomes replacement, one per byte (one per
    // sequence when converting from UTF-8).
    std::string Convert(std::string_view input, std::string_view replacement);
    // How many replacements every conversion so far has made.
    size_t Replacements() const { return replacements_; }

private:
    void* handle_;
    bool fromUtf8_;
    size_t replacements_ = 0;
};

// Invalid or truncated CP932 sequences become U+FFFD, one per offending byte.
std::string Cp932ToUtf8(std::string_view cp932);

// Characters CP932 cannot hold, and invalid UTF-8 bytes, become the geta mark "〓" (0x81 0xAC).
std::string Utf8ToCp932(std::string_view utf8);

// First byte of a double-byte character. The byte after it may take any value, a backslash
// included, so byte scans for an ASCII character step over the pair.
inline bool IsCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Length of the longest prefix of text of at most maxBytes that does not split a double-byte
// character (a lead byte at the very end of text is taken whole).
size_t Cp932PrefixLength(std::string_view text, size_t maxBytes);

inline constexpr std::string_view kCp932Replacement = "\x81\xAC";
inline constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";

}  // namespace vantro
