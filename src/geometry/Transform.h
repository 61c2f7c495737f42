// Moving, mirroring, rotating and scaling elements, in place or as copies, and moving the origin.
// Every operation is one undo step; copies take a new id and the given layer.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

namespace vantro {

inline constexpr const char* kZeroMirrorAxisMessage = "反転軸の長さが0の為、計算できません！";

enum class TransformMode { Move, Mirror, Rotate, Scale };

// One point mapping: Move adds Offset; Mirror reflects across AxisA-AxisB; Rotate turns by Degrees
// about Centre; Scale multiplies the distance from Centre by Factor.
struct Transformation {
    TransformMode Mode = TransformMode::Move;
    Point Offset;
    Point AxisA;
    Point AxisB;
    Point Centre;
    double Degrees = 0;
    double Factor = 1;
};

Transformation MoveBy(Point offset);
Transformation MirrorAcross(Point a, Point b);
Transformation RotateAbout(Point centre, double degrees);
Transformation ScaleAbout(Point base, double factor);

Point TransformPoint(const Transformation& t, Point p);

// Transforms every field of the record that its kind makes a point, a length or an angle. inPlace
// says whether the record stays where it is (texts then re-sort their box) or is a copy.
void TransformElement(TCadData& e, const Transformation& t, bool inPlace);

// Rewrites the point list of a curve with every point transformed; false (text untouched) when the
// list cannot be read.
bool TransformCurvePoints(TCadData& curve, const Transformation& t);

// The selected elements moved by v, or with copies > 0 that many copies, the k-th moved by k·v.
// Returns the number of elements changed or appended.
int MoveElements(Drawing& drawing, uint8_t copyLayer, int copies, Point v);

// The selected elements mirrored across a-b, in place or as one copy each. Refused with a message
// (result -1) when the axis is shorter than Eps.
int MirrorElements(Drawing& drawing, uint8_t copyLayer, bool copy, Point a, Point b);

// The selected elements turned by degrees about centre, or copies, the k-th turned by k·degrees.
int RotateElements(Drawing& drawing, uint8_t copyLayer, int copies, Point centre, double degrees);

// The selected elements scaled by factor about base; a factor that is not positive changes nothing.
int ScaleElements(Drawing& drawing, Point base, double factor);

// Every element moved by -origin, so that origin becomes (0, 0).
int MoveOrigin(Drawing& drawing, Point origin);

}  // namespace vantro
