#include "dxf/DxfValues.h"

#include "geometry/Primitives.h"

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

uint32_t ColourOfNumber(int number)
{
    if (number < 1 || number > static_cast<int>(kNumberedColours.size())) return 0;
    return kNumberedColours[static_cast<size_t>(number - 1)];
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

double TextRotationDegrees(double radians)
{
    const double degrees = RadToDeg(radians);
    return degrees > 95 && degrees < 275 ? degrees + 180 : degrees;
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

}  // namespace vantro
