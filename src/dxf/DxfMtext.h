// The plain text of DXF text values (UTF-8 in, UTF-8 out): MTEXT's formatting codes removed and
// its paragraphs split, and the "%%" sign codes of TEXT and MTEXT turned into their characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantro {

// Paragraph breaks (\P, the column and line breaks \N and \X, a line feed) start a new line;
// font, height, width, colour, alignment, tracking and oblique codes and the braces that group
// them go; a stacked fraction \Sa/b; becomes "a/b", a stacked tolerance \S+a^-b; "+a-b"; \~ is
// a blank; \\, \{ and \} are the characters; \U+XXXX is the character it names. Always at
// least one line.
std::vector<std::string> MtextParagraphs(std::string_view text);

// %%c "φ", %%d "°", %%p "±", %%% "%", %%nnn the character of that code; the underline, overline
// and strike-through switches %%u, %%o, %%k go. Every occurrence, in place.
std::string ReplacePercentCodes(std::string_view text);

// "\U+XXXX" escapes as the characters they name.
std::string DecodeUnicodeEscapes(std::string_view text);

// Characters CP932 lacks by ones it has: the diameter signs (U+2205 empty set, U+2300 diameter,
// and the letter Ø that drafting programs write for it) as "φ", the bullet as "・", the no-break
// space as a blank.
std::string Cp932Substitutes(std::string text);

}  // namespace vantro
