// What a dimension draws, in world millimetres: its lines, arrow barbs, point marks and arc, and
// where and in which direction its value text goes. The screen, printer and secondary window paint
// this; it knows nothing of pixels.
#pragma once

#include "document/CadData.h"
#include "geometry/Primitives.h"

#include <array>
#include <vector>

namespace vantro {

struct DimensionStyle {
    double ArrowLength = 2;  // "ArrowLength": barb length, mm
    double ArrowHeight = 1;  // "ArrowHeight": extension beyond the dimension line, mm
    bool RadiusToCentre = true;  // "DimRChk"
};

// Angle between an arrowhead's barbs and its shaft, radians.
inline constexpr double kBarbAngle = 0.32;

struct DimensionArc {
    Point Start;
    Point End;
    Point Centre;
    double Radius = 0;
    double Sweep = 0;  // degrees, counter-clockwise from Start
};

enum class TextPlacement {
    Centred,   // centred over the text point, above the line
    Leader,    // continuing a leader: beside the text point, vertically centred
};

struct DimensionLayout {
    std::vector<std::array<Point, 2>> Segments;
    std::vector<Point> Dots;  // point marks of arrow styles 2 and 4
    bool HasArc = false;
    DimensionArc Arc;
    Point TextAt;
    double TextDegrees = 0;  // already turned to read upright
    // Kinds whose text may continue the leader; LeaderDirection is the leader's direction, radians.
    bool LeaderCapable = false;
    bool LeaderAlways = false;
    double LeaderDirection = 0;
};

// Whether a leader text goes to the right of its leader's end (the leader direction, radians, lies
// outside the leftward range); otherwise the text ends at the leader.
bool LeaderPointsRight(double leaderDirection);

// Text directions between 95 and 275 degrees are turned half a turn so the text reads upright.
double UprightDegrees(double degrees);

// The drawn parts of a dimension of kinds 6..17; kinds 18..29 and others give an empty layout.
DimensionLayout LayOutDimension(const TCadData& dimension, const DimensionStyle& style);

}  // namespace vantro
