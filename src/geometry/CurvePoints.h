// The point list of a free curve: decimal x and y values, each followed by one comma.
#pragma once

#include "geometry/Primitives.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vantro {

// Nothing when a number cannot be read or the values do not pair up.
std::optional<std::vector<Point>> ParseCurvePoints(std::string_view text);

}  // namespace vantro
