// The longest text a drawing file can hold, and cutting texts to it where they enter the drawing.
#pragma once

#include "document/Drawing.h"

#include <cstddef>
#include <string>

namespace vantro {

// A text with its terminator fits in 2551 bytes of a drawing file.
inline constexpr size_t kMaxTextBytes = 2550;

// Cuts text to at most kMaxTextBytes without splitting a double-byte character. True when it cut.
bool CutToTextLimit(std::string& text);

// Cuts the over-long texts of the elements first..Count: texts and dimension texts. A free curve's
// point list is left whole, as a cut one would no longer be a curve. Returns how many were cut.
// Whatever adds elements from outside (DXF import, paste) calls it for what it added.
int CutLongTexts(Drawing& drawing, int first);

// Told where a drafter types a line longer than kMaxTextBytes, while it can still be shortened.
inline constexpr const char* kTextTooLongMessage = "1行の文字が長すぎます！2550バイト(半角2550文字)までにして下さい。";

// Told after CutLongTexts cut some: the count, then this.
inline constexpr const char* kLongTextsCutSuffix = "個のテキストが長すぎるため、2550バイトまでに切り詰めました。";

}  // namespace vantro
