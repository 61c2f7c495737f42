// The dimension constructors: each builds one dimension element from the points a dimension
// command collected, appends it with a new id, draws it and records it as one undo step. On
// failure nothing is left behind.
#pragma once

#include "document/DimensionText.h"
#include "document/Drawing.h"
#include "geometry/Primitives.h"

#include <string>

namespace vantro {

// A dimension of the kind with its measured points and text point; every other field 0.
TCadData DimensionRecord(int8_t kind, Point p1, Point p2, Point textAt);

// The measured length scaled by the ratio of ComboBoxBy; out-of-range indices keep it.
double ApplyRatio(double length, int ratioIndex);
// The dimension-line coordinate of kinds 6 and 7 rounded by the ComboBoxDim1 choice.
double SnapLinePosition(double value, int linePitch);

// Kind 6 (horizontal) or 7 (vertical) between p1 and p2, the dimension line through the click.
bool AppendLinearDimension(Drawing& drawing, const CurrentAttributes& attributes, const DimensionOptions& options,
                           int kind, Point p1, Point p2, Point click);
// Kind 8: parallel to p1-p2 through the click. Refused when p1 and p2 coincide.
bool AppendAlignedDimension(Drawing& drawing, const CurrentAttributes& attributes, const DimensionOptions& options,
                            Point p1, Point p2, Point click);
// Kind 9 (radius) or 11 (diameter) of the circle, towards the click.
bool AppendRadiusDimension(Drawing& drawing, const CurrentAttributes& attributes, const DimensionOptions& options,
                           int kind, Point centre, double radius, Point click);
// Kind 10 or 12: the arrow on the circle, the knee, the shoulder to the click's column.
bool AppendJoggedRadiusDimension(Drawing& drawing, const CurrentAttributes& attributes,
                                 const DimensionOptions& options, int kind, double radius, Point arrow, Point knee,
                                 double clickX);
// Kind 13 (coordinates of the pointed point) on a bent leader.
bool AppendCoordinateDimension(Drawing& drawing, const CurrentAttributes& attributes, Point pointed, Point knee,
                               double clickX);
// Kind 16: coordinates relative to base.
bool AppendRelativeCoordinateDimension(Drawing& drawing, const CurrentAttributes& attributes, Point base,
                                       Point pointed, Point knee, double clickX);
// Kind 17: text (CP932) on a bent leader.
bool AppendLeaderText(Drawing& drawing, const CurrentAttributes& attributes, const std::string& text, Point pointed,
                      Point knee, double clickX);
// Kind 14 between the lines a1-a2 and b1-b2, the arc through the click's sector at the click's distance.
bool AppendAngleDimension(Drawing& drawing, const CurrentAttributes& attributes, const DimensionOptions& options,
                          Point a1, Point a2, Point b1, Point b2, Point click);
// The vertex of the two lines and the points of the two legs bounding the click's sector, leg A first
// counter-clockwise. False for parallel lines or a click on the vertex.
bool AngleDimensionLegs(Point a1, Point a2, Point b1, Point b2, Point click, Point& vertex, Point& legA, Point& legB);
// Kind 15: the distance of point from base along the display line through display (horizontal
// leaders when display lies more sideways than up or down from base: they show y distances).
bool AppendRelativeValueDimension(Drawing& drawing, const CurrentAttributes& attributes, const DimensionOptions& options,
                            Point base, Point display, Point point);

// The direction of the dimension line of kinds 6..8, radians: a quarter turn clockwise from the
// side of the points it lies on. A line through their midpoint lies above them (right of vertical ones).
double LinearDimensionDirection(const TCadData& dimension);
// The ends of the dimension line of kinds 6..8: d1 beside P1, d2 beside P2.
void LinearDimensionEnds(const TCadData& dimension, Point& d1, Point& d2);
// The dimension line of kind 8 through the click: false when the extension lines do not meet it.
bool AlignedDimensionLine(Point p1, Point p2, Point click, Point& f1, Point& f2);

}  // namespace vantro
