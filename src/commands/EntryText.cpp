#include "commands/EntryText.h"

#include <charconv>
#include <cmath>

namespace vantro {

std::string FormatOptionalDecimals(double value)
{
    if (!std::isfinite(value)) return {};
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 5);
    if (error != std::errc()) return {};
    std::string text(buffer, end);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    const bool negative = text.front() == '-';
    const size_t digits = negative ? 1 : 0;
    if (text.compare(digits, std::string::npos, "0") == 0) return {};
    if (text.compare(digits, 2, "0.") == 0) text.erase(digits, 1);
    return text;
}

std::string FormatShortest(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

}  // namespace vantro
