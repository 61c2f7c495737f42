// The point list of a free curve: decimal x and y values, each followed by one comma.
#pragma once

#include "geometry/Primitives.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantro {

// Nothing when a number cannot be read or the values do not pair up.
std::optional<std::vector<Point>> ParseCurvePoints(std::string_view text);

// One point as the list stores it: x, comma, y, comma, each number written with FormatNumber.
std::string FormatCurvePoint(Point p);

// The list as a transformation writes it: general format, up to 15 significant digits, '.' always.
std::string FormatCurvePoints(const std::vector<Point>& points);

}  // namespace vantro
