// The group-code/value pairs of a DXF text held in memory. The current pair stays in the reader
// between calls, so an entity reader stops on the "0" pair that starts the next entity and its
// caller looks at that pair next (one pair of look-ahead).
#pragma once

#include <string_view>

namespace vantro {

class DxfPairReader {
public:
    explicit DxfPairReader(std::string_view text) : text_(text) {}

    // Reads the next pair; false at the end of the text. A code line that is not an integer costs
    // one more line, so the pairing is found again.
    bool Next();

    int Code() const { return code_; }
    // The value line as read, without its line end.
    std::string_view Value() const { return value_; }
    bool Is(int code, std::string_view value) const { return code_ == code && value_ == value; }
    bool AtEnd() const { return atEnd_; }

private:
    bool NextLine(std::string_view& line);

    std::string_view text_;
    size_t position_ = 0;
    int code_ = -1;
    std::string_view value_;
    bool atEnd_ = false;
};

}  // namespace vantro
