// The line emitter of the DXF writer: every pair is a group-code line and a value line, each ended
// by CR LF. Group codes are the fixed strings of the format, named here with their line end.
#pragma once

#include "dxf/DxfValues.h"
#include "geometry/Primitives.h"

#include <cctype>
#include <charconv>
#include <cmath>
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
inline constexpr std::string_view kHorizontalAlignment = " 72\r\n";
inline constexpr std::string_view kVerticalAlignment = " 73\r\n";
inline constexpr std::string_view kMeasurement = " 42\r\n";
inline constexpr std::string_view kDashCount = " 73\r\n";
inline constexpr std::string_view kStyleName = "  7\r\n";
inline constexpr std::string_view kBigFont = "  4\r\n";
// The text style of every text written.
inline constexpr std::string_view kTextStyle = "kst32b";
inline constexpr std::string_view kSecondHeight = " 41\r\n";  // width factor, ellipse start, scale
inline constexpr std::string_view kSplineDegree = " 71\r\n";
inline constexpr std::string_view kKnotCount = " 72\r\n";
inline constexpr std::string_view kControlCount = " 73\r\n";
inline constexpr std::string_view kFitCount = " 74\r\n";
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
inline constexpr PointCodes kNormal{"210\r\n", "220\r\n", "230\r\n"};

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

    // A name or text (CP932): control characters and carets escaped, so a value is one line.
    void Text(std::string_view code, std::string_view cp932)
    {
        out_.append(code);
        AppendDxfString(out_, cp932);
        out_.append("\r\n");
    }
    // The next handle ("  5" and a hexadecimal number); the numbers below kFirstHandle are the
    // line-type table's own.
    void Handle(std::string_view code = kHandleCode) { Hex(code, nextHandle_++); }
    void Hex(std::string_view code, uint32_t value)
    {
        char digits[16];
        char* const end = std::to_chars(digits, digits + sizeof digits, value, 16).ptr;
        for (char* c = digits; c != end; ++c) *c = static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
        Pair(code, std::string_view(digits, static_cast<size_t>(end - digits)));
    }
    uint32_t NextHandle() const { return nextHandle_; }
    // The shortest form that reads back as the same double.
    void Exact(std::string_view code, double value)
    {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, std::isfinite(value) ? value : 0).ptr;
        Pair(code, std::string_view(digits, static_cast<size_t>(end - digits)));
    }
    // A hexadecimal value written now and filled in later (the handle seed), eight digits wide.
    size_t HexPlaceholder(std::string_view code)
    {
        out_.append(code);
        const size_t at = out_.size();
        out_.append("00000000\r\n");
        return at;
    }
    void FillHex(size_t at, uint32_t value)
    {
        for (int digit = 7; digit >= 0; --digit, value >>= 4)
            out_[at + static_cast<size_t>(digit)] = "0123456789ABCDEF"[value & 0xF];
    }

    static constexpr uint32_t kFirstHandle = 0x30;
    static constexpr std::string_view kHandleCode = "  5\r\n";

private:
    std::string& out_;
    uint32_t nextHandle_ = kFirstHandle;
};

// "  0" type, a handle, the entity subclass, layer, line type (none when empty) and colour number.
inline void EntityStart(DxfOutput& out, std::string_view type, std::string_view layer, std::string_view lineType,
                        int colour, std::string_view typeCode = kEntityType)
{
    out.Pair(typeCode, type);
    out.Handle();
    out.Pair(kSubclass, "AcDbEntity");
    out.Pair(kLayer, layer);
    if (!lineType.empty()) out.Pair(kLineType, lineType);
    out.Integer(kColour, colour);
}

}  // namespace vantro::dxf
