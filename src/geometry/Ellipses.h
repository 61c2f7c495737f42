// Ellipses as pairs of half pieces: appending pieces, and the whole ellipse turned into lines.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

#include <optional>

namespace vantro {

inline constexpr const char* kEllipseRadiusMessage = "半径長さが不正です";

enum class EllipseHalves { Both, FirstOnly, SecondOnly };

// A piece's own values: centre, major radius a, flattening k, inclination θ (radians) and the
// bounds s (X1) and e (X2) along the major axis, −a ≤ e < s ≤ a.
struct EllipseValues {
    Point Centre;
    double Major = 0;
    double Flattening = 0;
    double Inclination = 0;
    double Start = 0;
    double End = 0;
};

// The first half has inclination θ, the second θ + π. Both halves form one new group; a single
// half belongs to no group. One undo step. Nothing when s < Eps. Returns the pieces appended.
int AppendEllipse(Drawing& drawing, const CurrentAttributes& attributes, EllipseHalves halves,
                  const EllipseValues& values);

// 2·curveFineness lines around the whole ellipse ("PejeValue" segments per half turn), one new
// group, one undo step; segments shorter than Eps are skipped. Returns the lines appended.
int EllipseToLines(Drawing& drawing, const CurrentAttributes& attributes, Point centre, double major,
                   double flattening, double inclination, int curveFineness);

// The ellipse command's end: a whole ellipse (s = a, e = −a), or its lines when "DaenChk" is on.
// A major radius below Eps is refused with kEllipseRadiusMessage. Returns the elements appended.
int MakeEllipse(Drawing& drawing, const CurrentAttributes& attributes, Point centre, double major, double flattening,
                double inclination, bool daenChk, int curveFineness);

// The whole ellipse the ellipse commands make from the axis p1-p2 and a height point: about the
// axis's middle with half its length as major radius, or with aboutP1 about p1 with its whole
// length; the inclination is the axis's direction from its end with the smaller x (with equal x,
// from the upper end); the flattening is the height point's distance from the axis over the major
// radius. Nothing when the axis has no length.
std::optional<EllipseValues> EllipseFromAxis(Point p1, Point p2, Point height, bool aboutP1);

}  // namespace vantro
