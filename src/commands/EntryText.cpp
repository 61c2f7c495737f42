#include "commands/EntryText.h"

#include <charconv>
#include <cmath>

namespace vantro {

namespace {

// Five decimals with the trailing zeros dropped ("0.#####" before its sign rule); empty when the
// value is not finite.
std::string TrimmedFiveDecimals(double value)
{
    if (!std::isfinite(value)) return {};
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 5);
    if (error != std::errc()) return {};
    std::string text(buffer, end);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

}  // namespace

std::string FormatOptionalDecimals(double value)
{
    std::string text = TrimmedFiveDecimals(value);
    if (text.empty()) return text;
    const bool negative = text.front() == '-';
    const size_t digits = negative ? 1 : 0;
    if (text.compare(digits, std::string::npos, "0") == 0) return {};
    if (text.compare(digits, 2, "0.") == 0) text.erase(digits, 1);
    return text;
}

std::string FormatFiveDecimals(double value)
{
    const std::string text = TrimmedFiveDecimals(value);
    return text == "-0" ? "0" : text;
}

std::string FormatShortest(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

}  // namespace vantro
