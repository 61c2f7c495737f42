#include "dxf/DxfValues.h"

#include "document/Cp932.h"
#include "geometry/Primitives.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vantro {
namespace {

constexpr std::array<uint32_t, 8> kReferenceColours{0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00,
                                                    0xFF0000, 0xFF00FF, 0xFFFFFF, 0x000000};

constexpr std::array<uint32_t, 15> kNumberedColours{0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000,
                                                    0xFF00FF, 0xFFFFFF, 0x000000, 0x000080, 0x008080,
                                                    0x008000, 0xF0CAA6, 0x800000, 0x800080, 0x808080};

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

void AppendFixedNumber(std::string& out, double value)
{
    if (!std::isfinite(value)) value = 0;
    char digits[40];
    // to_chars gives "d.dddddddddddddde+XX"; the exponent is rewritten with four digits.
    const auto result = std::to_chars(digits, digits + sizeof digits, std::abs(value),
                                      std::chars_format::scientific, 14);
    const char* e = digits + 16;
    out.push_back(value < 0 ? '-' : ' ');
    out.append(digits, 16);
    out.push_back('E');
    out.push_back(e[1]);
    const std::string_view exponent(e + 2, static_cast<size_t>(result.ptr - (e + 2)));
    out.append(4 - exponent.size(), '0');
    out.append(exponent);
}

std::string FixedNumber(double value)
{
    std::string out;
    AppendFixedNumber(out, value);
    return out;
}

std::string GeneralNumber(double value)
{
    if (!std::isfinite(value) || value == 0) return "0";
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    // "1e-05" is written "1E-5", as general number forms of Pascal heritage do.
    const size_t e = text.find('e');
    if (e == std::string::npos) return text;
    std::string mantissa = text.substr(0, e);
    const int exponent = std::atoi(text.c_str() + e + 1);
    return mantissa.append("E").append(exponent < 0 ? "-" : "").append(std::to_string(std::abs(exponent)));
}

int ColourNumber(uint32_t colour)
{
    const auto distance = [colour](uint32_t reference) {
        return std::abs(static_cast<int64_t>(colour & 0xFFFFFF) - static_cast<int64_t>(reference));
    };
    int best = 1;
    for (int k = 2; k <= 8; ++k)
        if (distance(kReferenceColours[static_cast<size_t>(k - 1)]) <=
            distance(kReferenceColours[static_cast<size_t>(best - 1)]))
            best = k;
    return best;
}

namespace {

// AutoCAD's palette from 16 on: 24 hues 15° apart, each in five shades (full, 80 %, 60 %, 50 %,
// 30 %) and each shade also half saturated; then six greys.
uint32_t PaletteColour(int number)
{
    static constexpr std::array<int, 5> kShades{255, 204, 153, 127, 76};
    static constexpr std::array<int, 6> kGreys{51, 80, 105, 130, 190, 255};
    if (number >= 250) {
        const auto grey = static_cast<uint32_t>(kGreys[static_cast<size_t>(number - 250)]);
        return grey | grey << 8 | grey << 16;
    }
    const double hue = (number / 10 - 1) * 15.0;
    const int shade = kShades[static_cast<size_t>(number % 10 / 2)];
    const bool pale = number % 2 == 1;
    // Hue to RGB at full saturation, then mixed half way towards white of the same shade.
    const auto channel = [&](double offset) {
        const double h = std::fmod(hue + offset, 360.0);
        const double level = std::clamp(std::abs(h - 180.0) / 60.0 - 1.0, 0.0, 1.0);
        const double value = pale ? 0.5 + level / 2 : level;
        return static_cast<uint32_t>(std::floor(value * shade));
    };
    return channel(0) | channel(240) << 8 | channel(120) << 16;
}

}  // namespace

uint32_t ColourOfNumber(int number)
{
    if (number >= 1 && number <= static_cast<int>(kNumberedColours.size()))
        return kNumberedColours[static_cast<size_t>(number - 1)];
    return number > static_cast<int>(kNumberedColours.size()) && number <= 255 ? PaletteColour(number) : 0;
}

uint32_t ColourOfTrueColour(int32_t rgb)
{
    const auto value = static_cast<uint32_t>(rgb);
    return (value >> 16 & 0xFF) | (value & 0xFF00) | (value & 0xFF) << 16;
}

const char* LineTypeName(uint8_t lineStyle)
{
    switch (lineStyle) {
    case kStyleDash: return "DASHED";
    case kStyleDot: return "DASHED2";
    case kStyleDashDot: return "CENTER2";
    case kStyleDashDotDot: return "PHANTOM2";
    default: return "CONTINUOUS";
    }
}

uint8_t LineStyleOfName(std::string_view name)
{
    struct Entry {
        std::string_view Name;
        uint8_t Style;
    };
    static constexpr Entry kNames[] = {
        {"DASHED", kStyleDash},      {"HIDDEN", kStyleDash},       {"DASHEDX2", kStyleDash},
        {"HIDDENX2", kStyleDash},    {"DASHED2", kStyleDot},       {"HIDDEN2", kStyleDot},
        {"DOT", kStyleDot},          {"DOT2", kStyleDot},          {"DOTX2", kStyleDot},
        {"CENTER", kStyleDashDot},   {"CENTER2", kStyleDashDot},   {"CENTERX2", kStyleDashDot},
        {"PHANTOM", kStyleDashDotDot}, {"PHANTOM2", kStyleDashDotDot}, {"PHANTOMX2", kStyleDashDotDot},
    };
    for (const Entry& entry : kNames)
        if (entry.Name == name) return entry.Style;
    return kStyleSolid;
}

double ReadableDegrees(double radians)
{
    double degrees = RadToDeg(radians);
    if (degrees > 95 && degrees < 180) degrees += 180;
    else if (degrees >= 180 && degrees <= 360) degrees -= 180;
    else if (degrees > 360) degrees -= 360;
    if (std::abs(degrees - 360) < 0.0001) degrees = 0;
    return degrees;
}

bool ParseDxfNumber(std::string_view text, double& value)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

bool ParseDxfInteger(std::string_view text, int& value)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && end == text.data() + text.size()) return true;
    // Some writers give integer groups with a fraction ("1.0").
    double real = 0;
    if (!ParseDxfNumber(text, real) || std::abs(real) > std::numeric_limits<int>::max()) return false;
    value = static_cast<int>(real);
    return true;
}

void AppendDxfString(std::string& out, std::string_view cp932)
{
    for (size_t i = 0; i < cp932.size(); ++i) {
        const auto byte = static_cast<unsigned char>(cp932[i]);
        // A trail byte is 0x40 or above; a broken pair never lets a control character through.
        if (IsCp932LeadByte(byte) && i + 1 < cp932.size() && static_cast<unsigned char>(cp932[i + 1]) >= 0x40) {
            out.append(cp932.substr(i, 2));
            ++i;
        } else if (byte < 0x20) {
            out.push_back('^');
            out.push_back(static_cast<char>(byte + 0x40));
        } else if (byte == '^') {
            out.append("^ ");
        } else {
            out.push_back(static_cast<char>(byte));
        }
    }
}

std::string DecodeCarets(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const char next = i + 1 < utf8.size() ? utf8[i + 1] : '\0';
        if (utf8[i] == '^' && next == ' ') {
            out.push_back('^');
            ++i;
        } else if (utf8[i] == '^' && next >= '@' && next <= '_') {
            out.push_back(static_cast<char>(next - 0x40));
            ++i;
        } else {
            out.push_back(utf8[i]);
        }
    }
    return out;
}

}  // namespace vantro
