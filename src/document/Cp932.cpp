#include "document/Cp932.h"

#include "document/Assert.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace vantro {
namespace {

// Length of the UTF-8 sequence that starts rest, at least 1 byte.
size_t Utf8SequenceLength(std::string_view rest)
{
    const auto lead = static_cast<unsigned char>(rest[0]);
    size_t length = 1;
    if (lead >= 0xF8) length = 1;
    else if (lead >= 0xF0) length = 4;
    else if (lead >= 0xE0) length = 3;
    else if (lead >= 0xC0) length = 2;
    // Stop at the first byte that is not a continuation byte, so a broken sequence costs one mark.
    size_t i = 1;
    while (i < length && i < rest.size() && (static_cast<unsigned char>(rest[i]) & 0xC0) == 0x80) ++i;
    return i;
}

}  // namespace

TextConverter::TextConverter(const char* to, const char* from)
    : handle_(iconv_open(to, from)), fromUtf8_(std::string_view(from) == "UTF-8")
{
    VANTRO_ASSERT(handle_ != reinterpret_cast<iconv_t>(-1));
}

TextConverter::~TextConverter() { iconv_close(static_cast<iconv_t>(handle_)); }

std::string TextConverter::Convert(std::string_view input, std::string_view replacement)
{
    const auto handle = static_cast<iconv_t>(handle_);
    std::string out;
    out.reserve(input.size() * 2);
    char buffer[1024];
    // iconv's interface takes a non-const pointer but does not write through it.
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(handle, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (result != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        out.append(replacement);
        ++replacements_;
        const std::string_view rest(in, inLeft);
        const size_t skip = std::min(inLeft, fromUtf8_ ? Utf8SequenceLength(rest) : size_t{1});
        in += skip;
        inLeft -= skip;
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

std::string Cp932ToUtf8(std::string_view cp932)
{
    TextConverter converter("UTF-8", "CP932");
    return converter.Convert(cp932, kUtf8Replacement);
}

std::string Utf8ToCp932(std::string_view utf8)
{
    TextConverter converter("CP932", "UTF-8");
    return converter.Convert(utf8, kCp932Replacement);
}

size_t Cp932PrefixLength(std::string_view text, size_t maxBytes)
{
    size_t length = 0;
    while (length < text.size()) {
        const size_t step = IsCp932LeadByte(static_cast<unsigned char>(text[length])) ? 2 : 1;
        if (length + step > maxBytes) break;
        length += step;
    }
    return std::min(length, text.size());
}

}  // namespace vantro
