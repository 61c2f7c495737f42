// The per-kind snap operations: each looks at one element (two for the intersection) near the
// cursor and gives the characteristic point it offers there. "Within" means strictly nearer.
#pragma once

#include "view/ElementPick.h"

#include <optional>

namespace vantro {

// The line the running command is about to draw: the perpendicular snap then offers the points
// where such a line touches a circle.
enum class SnapConstraint { None, HorizontalLine, VerticalLine, AngleLine };

// What the snap operations read besides the elements.
struct SnapContext {
    PickContext Pick;   // cursor (mm), aperture t and the display switches
    int Shift = 0;      // mouse shift state: 1 Shift, 4 Ctrl, 8 left button, ...
    SnapConstraint Constraint = SnapConstraint::None;
    Point Reference;    // InputPoint1, the base of the perpendicular snap ((0,0) before any)
    // EditR read as degrees in the angle-line command; nothing when it cannot be read.
    std::optional<double> LineAngle;
};

// A point element within t.
bool SnapPoint(const TCadData& e, const SnapContext& context, Point& out);
// End 1, else end 2, within t; an ellipse piece's two ends.
bool SnapEndPoint(const TCadData& e, const SnapContext& context, Point& out);
// The crossing of h and its partner n nearest the cursor (the second on a tie), within t.
bool SnapIntersection(const TCadData& h, const TCadData& n, const SnapContext& context, Point& out);
// A line's midpoint; an arc's points on the bisector of its chord (the second when both are within t).
bool SnapMidPoint(const TCadData& e, const SnapContext& context, Point& out);
// The first of right, left, top and bottom of an arc's or circle's circle within t.
bool SnapQuadrant(const TCadData& e, const SnapContext& context, Point& out);
// Perpendicular foot or tangent point from the reference point, within 2t; with Shift, the crossing
// of the constrained rubber band; in the horizontal, vertical and angle-line commands, the points
// where such a line touches a circle.
bool SnapPerpendicular(const TCadData& e, const SnapContext& context, Point& out);
// The centre of an arc or circle found near its circumference.
bool SnapCentreOnCircumference(const TCadData& e, const SnapContext& context, Point& out);
// Where the cursor's cross meets a line; the circle point nearest the cursor.
bool SnapNearest(const TCadData& e, const SnapContext& context, Point& out);

}  // namespace vantro
