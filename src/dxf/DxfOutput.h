// The line emitter of the DXF writer: every pair is a group-code line and a value line, each ended
// by CR LF. Group codes are the fixed strings of the format, named here with their line end.
#pragma once

#include "dxf/DxfValues.h"
#include "geometry/Primitives.h"

#include <charconv>
#include <string>
#include <string_view>

namespace vantro::dxf {

inline constexpr std::string_view kEntityType = "  0\r\n";
inline constexpr std::string_view kPrimaryText = "  1\r\n";
inline constexpr std::string_view kName = "  2\r\n";
inline constexpr std::string_view kOtherName = "  3\r\n";
inline constexpr std::string_view kHandle = "  5\r\n";
inline constexpr std::string_view kLineType = "  6\r\n";
inline constexpr std::string_view kLayer = "  8\r\n";
inline constexpr std::string_view kVariable = "  9\r\n";
inline constexpr std::string_view kHeight = " 40\r\n";
inline constexpr std::string_view kDashLength = " 49\r\n";
inline constexpr std::string_view kAngle = " 50\r\n";
inline constexpr std::string_view kEndAngle = " 51\r\n";
inline constexpr std::string_view kColour = " 62\r\n";
inline constexpr std::string_view kFlags = " 70\r\n";
inline constexpr std::string_view kAlignment = " 72\r\n";
inline constexpr std::string_view kDashCount = " 73\r\n";
inline constexpr std::string_view kSubclass = "100\r\n";
inline constexpr std::string_view kZero = "0.0";

// The X, Y and Z codes of the points 10..15 (" 10", " 20", " 30" for point 0).
struct PointCodes {
    std::string_view X;
    std::string_view Y;
    std::string_view Z;
};
inline constexpr PointCodes kPoint0{" 10\r\n", " 20\r\n", " 30\r\n"};
inline constexpr PointCodes kPoint1{" 11\r\n", " 21\r\n", " 31\r\n"};
inline constexpr PointCodes kPoint2{" 12\r\n", " 22\r\n", " 32\r\n"};
inline constexpr PointCodes kPoint3{" 13\r\n", " 23\r\n", " 33\r\n"};
inline constexpr PointCodes kPoint4{" 14\r\n", " 24\r\n", " 34\r\n"};
inline constexpr PointCodes kPoint5{" 15\r\n", " 25\r\n", " 35\r\n"};

class DxfOutput {
public:
    explicit DxfOutput(std::string& out) : out_(out) {}

    void Pair(std::string_view code, std::string_view value)
    {
        out_.append(code).append(value).append("\r\n");
    }
    // A coordinate, radius, height or angle in the 23-character form.
    void Fixed(std::string_view code, double value)
    {
        out_.append(code);
        AppendFixedNumber(out_, value);
        out_.append("\r\n");
    }
    void General(std::string_view code, double value) { Pair(code, GeneralNumber(value)); }
    void Integer(std::string_view code, int value)
    {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        Pair(code, std::string_view(digits, static_cast<size_t>(end - digits)));
    }
    // X and Y in the 23-character form, Z as "0.0".
    void FixedPoint(const PointCodes& codes, Point p)
    {
        Fixed(codes.X, p.X);
        Fixed(codes.Y, p.Y);
        Pair(codes.Z, kZero);
    }
    void GeneralPoint(const PointCodes& codes, Point p)
    {
        General(codes.X, p.X);
        General(codes.Y, p.Y);
        Pair(codes.Z, kZero);
    }

private:
    std::string& out_;
};

}  // namespace vantro::dxf
