// Parallel copies of lines, arcs, circles and ellipse pieces at a distance, on the side of a
// clicked point or on both sides.
#pragma once

#include "document/Drawing.h"
#include "geometry/Ellipses.h"
#include "geometry/Primitives.h"

#include <array>

namespace vantro {

inline constexpr const char* kOffsetValueMessage = "オフセット値が不正です入力数値を確認して下さい！";

// Count 0 (nothing) or 2 with the new start and end; Radius for arcs and circles.
struct OffsetResult {
    int Count = 0;
    Point Start;
    Point End;
    double Radius = 0;
};

// The parallel of the line start-end at distance d on the side of p, keeping its direction;
// count 0 when p lies on the line.
OffsetResult OffsetLine(Point start, Point end, double d, Point side);

// The two parallels at distance d, to the right and to the left of start→end.
std::array<OffsetResult, 2> ParallelsOfLine(Point start, Point end, double d);

// Radius + d when p is at least the radius away from the centre, else radius − d; count 0 when
// that is negative. The ends keep their directions from the centre.
OffsetResult OffsetArc(const TCadData& arc, double d, Point side);
OffsetResult OffsetArcBySide(const TCadData& arc, bool outward, double d);

// The piece of a similar ellipse with major radius a ± d (not a true parallel curve); bounds at the
// ends of the major axis move with it, others are kept. Nothing unless the line from the centre
// through side crosses the piece exactly once, or when the new piece would not be valid.
// fineness: "Bunkatu".
bool OffsetEllipse(const TCadData& ellipse, double d, Point side, int fineness, EllipseValues& result);

// Whether d can be offset by: a distance that is not a number, or not above Eps, is refused with
// kOffsetValueMessage (0 would lay a copy over the element, a negative one put it on the other side
// of the click).
bool AcceptOffsetDistance(const Drawing& drawing, double d);

// "ｵﾌｾｯﾄ": the element at index offset by d towards side, appended with the current attributes as
// one undo step. The distance must pass AcceptOffsetDistance.
bool OffsetElement(Drawing& drawing, const CurrentAttributes& attributes, int index, double d, Point side,
                   int fineness);

// "オフセットW": both sides at once, one undo step; the same distance check. Returns how many
// elements were made.
int OffsetElementBothSides(Drawing& drawing, const CurrentAttributes& attributes, int index, double d, int fineness);

}  // namespace vantro
