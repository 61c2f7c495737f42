// Cutting elements: at a clicked point, or at their crossings with another element. New pieces are
// copies of the element (its attributes and group) with new ids; each cut is one undo step.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

#include <optional>
#include <vector>

namespace vantro {

inline constexpr const char* kNoCrossingToBreakMessage = "指定した図形は交差しないため分解できません";

struct BreakResult {
    int Pieces = 0;  // 0 nothing was cut; 1 the element was opened or shortened; 2 it was split
    Point At;        // the break point, for the marker
};

// Cuts the element at the snap point when one is given, otherwise where it passes within aperture
// (mm: 3 pixels of the current view) of the click. A line or arc is split in two, a circle opened
// with a gap of 0.01 radian clockwise of the point, an ellipse piece shortened at the point. A
// point that is not on the drawn part, or at an end, cuts nothing.
BreakResult BreakAtPoint(Drawing& drawing, int index, Point click, std::optional<Point> snap, double aperture);

// Splits the element at its crossings with other: a line or arc into two or three pieces, a circle
// into two arcs, an ellipse piece on its values. No crossing, or one at an end of the element,
// shows the message and changes nothing. Returns the crossings used (for the markers).
std::vector<Point> BreakElement(Drawing& drawing, int index, int other);

}  // namespace vantro
