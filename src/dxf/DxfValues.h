// The value forms of DXF group values shared by the writer and the reader: number texts, colour
// numbers, line-type names and the angles that keep texts readable.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantro {

// " 1.25000000000000E+0002": sign or blank, 15 significant digits, a four-digit exponent.
void AppendFixedNumber(std::string& out, double value);
std::string FixedNumber(double value);
// Shortest general form with up to 15 significant digits: 90 → "90", 12.5 → "12.5".
std::string GeneralNumber(double value);

// Nearest of the eight reference colours by the distance of the 24-bit integers; later wins ties.
int ColourNumber(uint32_t colour);
// Colour of an AutoCAD colour number: 1..15 from the program's table (7 is white), 16..255 from
// AutoCAD's palette; every other number is black.
uint32_t ColourOfNumber(int number);
// A true colour (group 420, 0x00RRGGBB) as 0x00BBGGRR.
uint32_t ColourOfTrueColour(int32_t rgb);

// Line-type name written for a pen style, and the pen style read for a line-type name.
const char* LineTypeName(uint8_t lineStyle);
uint8_t LineStyleOfName(std::string_view name);

// Degrees that keep a text upright: (95, 180) turns by 180, [180, 360] back by 180, above 360
// wraps; a result within 0.0001 of 360 is 0.
double ReadableDegrees(double radians);

// Numbers as DXF files write them: optional blanks around a decimal; false for anything else,
// also for values that do not fit a double.
bool ParseDxfNumber(std::string_view text, double& value);
bool ParseDxfInteger(std::string_view text, int& value);

// A string value as DXF writes it: control characters as "^" and the letter 64 above ("^J" for a
// line feed), a caret as "^ ", so no value ever holds a line break. Steps over double-byte CP932
// characters, whose second byte may be a caret.
void AppendDxfString(std::string& out, std::string_view cp932);
// The reverse, on UTF-8 text.
std::string DecodeCarets(std::string_view utf8);

}  // namespace vantro
