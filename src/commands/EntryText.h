// Numbers as the entry fields show them.
#pragma once

#include <string>

namespace vantro {

// The pattern "#.#####": up to five decimals, no trailing zeros, no leading zero before the point,
// and an empty text for zero.
std::string FormatOptionalDecimals(double value);

// The pattern "0.#####": up to five decimals, no trailing zeros, "0" for zero.
std::string FormatFiveDecimals(double value);

// The shortest text that reads back as the same double.
std::string FormatShortest(double value);

}  // namespace vantro
