// The drawing element record: one flat record serves every kind; the kind code says how the
// generic fields are read.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vantro {

// Kind codes (signed byte in files).
inline constexpr int8_t kKindEmpty = 0;
inline constexpr int8_t kKindLine = 1;
inline constexpr int8_t kKindEllipse = 2;
inline constexpr int8_t kKindArc = 3;
inline constexpr int8_t kKindCircle = 4;
inline constexpr int8_t kKindPoint = 5;
inline constexpr int8_t kKindDimX = 6;
inline constexpr int8_t kKindDimY = 7;
inline constexpr int8_t kKindDimAligned = 8;
inline constexpr int8_t kKindDimRadius = 9;
inline constexpr int8_t kKindDimJoggedRadius = 10;
inline constexpr int8_t kKindDimDiameter = 11;
inline constexpr int8_t kKindDimJoggedDiameter = 12;
inline constexpr int8_t kKindDimCoordinate = 13;
inline constexpr int8_t kKindDimAngle = 14;
inline constexpr int8_t kKindDimRunning = 15;
inline constexpr int8_t kKindDimRelativeCoordinate = 16;
inline constexpr int8_t kKindLeader = 17;
inline constexpr int8_t kKindLastDimension = 29;
inline constexpr int8_t kKindText = 30;
inline constexpr int8_t kKindFilledRect = -2;
inline constexpr int8_t kKindCrossCircle = -3;
inline constexpr int8_t kKindCurveThroughPoints = -4;
inline constexpr int8_t kKindCurveByControlPoints = -5;

// Pen styles.
inline constexpr uint8_t kStyleSolid = 0;
inline constexpr uint8_t kStyleDash = 1;
inline constexpr uint8_t kStyleDot = 2;
inline constexpr uint8_t kStyleDashDot = 3;
inline constexpr uint8_t kStyleDashDotDot = 4;

inline constexpr int kLayerCount = 96;

// Lengths in millimetres, Y up. Angle units depend on the kind (degrees for line inclination and
// arc sweep, radians for text rotation, ellipse inclination and the angle dimension).
struct TCadData {
    int32_t Id = 0;
    int32_t Group = 0;
    uint32_t Color = 0;  // 0x00BBGGRR
    uint8_t LineStyle = 0;
    int8_t Kind = kKindEmpty;
    uint8_t Width = 0;
    uint8_t Layer = 0;
    double Cx = 0;
    double Cy = 0;
    double R = 0;
    double Angle = 0;
    double Value = 0;
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
    uint8_t Selected = 0;
    std::string Text;  // CP932 bytes

    bool operator==(const TCadData&) const = default;
};

// A code of the kind table: 1 to 5, the dimensions 6 to 29, text 30, and -2 to -5. Any other code,
// 0 among them, makes an invalid element.
inline bool IsKnownKind(int8_t kind)
{
    return (kind >= kKindLine && kind <= kKindText) || (kind <= kKindFilledRect && kind >= kKindCurveByControlPoints);
}
inline bool CarriesText(int8_t kind) { return kind > 5 || kind < -3; }
inline bool IsDimension(int8_t kind) { return kind >= kKindDimX && kind <= kKindLastDimension; }
inline bool IsSimpleGeometry(int8_t kind) { return kind < 6; }
inline bool IsCurve(int8_t kind)
{
    return kind == kKindCurveThroughPoints || kind == kKindCurveByControlPoints;
}

// The seven line types offered to the user, in combo-box order.
struct LineTypeChoice {
    const char* Caption;  // UTF-8
    uint8_t Style;
    uint8_t Width;
};

inline constexpr std::array<LineTypeChoice, 7> kLineTypeChoices{{
    {"実線（細）", kStyleSolid, 1},
    {"実線（中）", kStyleSolid, 2},
    {"実線（太）", kStyleSolid, 3},
    {"点線（細）", kStyleDot, 1},
    {"点線（荒）", kStyleDash, 1},
    {"1点鎖線", kStyleDashDot, 1},
    {"2点鎖線", kStyleDashDotDot, 1},
}};

// The attributes a command gives to the elements it creates.
struct CurrentAttributes {
    uint32_t Color = 0;
    uint8_t LineStyle = kStyleSolid;
    uint8_t Width = 1;
    uint8_t Layer = 1;
};

// Fills the attribute fields of a freshly appended record; dimensions and texts always use style 0.
void ApplyNewElementDefaults(TCadData& element, const CurrentAttributes& attributes);

// Whether every number of the record is finite; no other record may enter the store.
bool IsFiniteRecord(const TCadData& element);

// A text height below this is stored as exactly this (at creation and when loading).
inline constexpr double kMinTextHeight = 0.5;

}  // namespace vantro
