#include "dxf/DxfPairs.h"

#include "dxf/DxfValues.h"

#include <cstring>

namespace vantro {

bool DxfPairReader::NextLine(std::string_view& line)
{
    if (position_ >= text_.size()) return false;
    const char* begin = text_.data() + position_;
    const size_t left = text_.size() - position_;
    const auto* newline = static_cast<const char*>(std::memchr(begin, '\n', left));
    size_t length = newline != nullptr ? static_cast<size_t>(newline - begin) : left;
    position_ += newline != nullptr ? length + 1 : length;
    if (length > 0 && begin[length - 1] == '\r') --length;
    line = std::string_view(begin, length);
    return true;
}

bool DxfPairReader::Next()
{
    std::string_view codeLine;
    if (atEnd_ || !NextLine(codeLine)) {
        atEnd_ = true;
        code_ = -1;
        value_ = {};
        return false;
    }
    std::string_view valueLine;
    for (;;) {
        if (!NextLine(valueLine)) {
            atEnd_ = true;
            code_ = -1;
            value_ = {};
            return false;
        }
        if (ParseDxfInteger(codeLine, code_) && codeLine.find('.') == std::string_view::npos) break;
        codeLine = valueLine;
    }
    value_ = valueLine;
    return true;
}

}  // namespace vantro
