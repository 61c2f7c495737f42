#include "geometry/CurvePoints.h"

#include <array>
#include <charconv>

namespace vantro {

std::optional<std::vector<Point>> ParseCurvePoints(std::string_view text)
{
    std::vector<double> values;
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view field = text.substr(0, comma);
        double value = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (field.empty() || error != std::errc() || end != field.data() + field.size()) return std::nullopt;
        values.push_back(value);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
    }
    if (values.size() % 2 != 0) return std::nullopt;
    std::vector<Point> points;
    points.reserve(values.size() / 2);
    for (size_t i = 0; i < values.size(); i += 2) points.push_back({values[i], values[i + 1]});
    return points;
}

std::string FormatCurvePoint(Point p) { return FormatNumber(p.X).append(",").append(FormatNumber(p.Y)).append(","); }

std::string FormatCurvePoints(const std::vector<Point>& points)
{
    std::string text;
    std::array<char, 32> buffer{};
    for (const Point& p : points) {
        for (const double value : {p.X, p.Y}) {
            const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                              std::chars_format::general, 15);
            text.append(buffer.data(), result.ptr);
            text.push_back(',');
        }
    }
    return text;
}

}  // namespace vantro
