// Rounding a corner between two lines, arcs or circles with a tangent arc; radius 0 makes a sharp
// corner. The clicks say which part of each element is kept. One undo step per fillet.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

namespace vantro {

inline constexpr const char* kInvalidNumberMessage = "入力数値が不正です。";
inline constexpr const char* kLineTooShortMessage = "直線距離が不足しています。";
inline constexpr const char* kArcErrorMessage = "円弧計算エラー";
inline constexpr const char* kRadiusInsufficientMessage = "円弧計算エラー。半径が不足しています";
inline constexpr const char* kBadSideOrRadiusMessage = "円弧計算エラー。指定方向又は半径が不正です";
inline constexpr const char* kNoTangentPointMessage = "円弧計算エラー。交点が計算できません";

// first and second are store indices, click1 and click2 the clicks on them, radius ≥ 0. The pair
// is put in the order line before arc before circle and the member for the kinds runs. False when
// nothing was made (a message says why, except for parallel lines and kinds that cannot be filleted).
bool Fillet(Drawing& drawing, const CurrentAttributes& attributes, int first, Point click1, int second, Point click2,
            double radius);

bool FilletLines(Drawing& drawing, const CurrentAttributes& attributes, int line1, Point click1, int line2,
                 Point click2, double radius);
// arc is an arc or a circle.
bool FilletLineArc(Drawing& drawing, const CurrentAttributes& attributes, int line, Point click1, int arc,
                   Point click2, double radius);
// Arcs or circles.
bool FilletArcs(Drawing& drawing, const CurrentAttributes& attributes, int arc1, Point click1, int arc2, Point click2,
                double radius);

}  // namespace vantro
