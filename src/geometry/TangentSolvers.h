// The ruler-and-compass solvers behind the tangent circle constructions. Each gives the circles
// through given points and tangent to given lines and circles; a degenerate case (parallel lines,
// a vanishing determinant, a root of a negative number) means no solution.
#pragma once

#include "geometry/Constructions.h"
#include "geometry/Primitives.h"

#include <array>

namespace vantro {

// Only the first Count circles are meaningful.
struct SolutionRecord {
    int Count = 0;
    std::array<CircleGeometry, 2> Circles{};
};

// An infinite line through two points.
struct InfiniteLine {
    Point A;
    Point B;
};

// Circles through p1 and p2 tangent to the line.
SolutionRecord TwoPointsLine(InfiniteLine line, Point p1, Point p2);

// Circles through p1 and p2 tangent to the circle (centre, radius).
SolutionRecord TwoPointsCircle(Point p1, Point p2, Point centre, double radius);

// Circles through p tangent to both lines.
SolutionRecord TwoLinesPoint(InfiniteLine line1, InfiniteLine line2, Point p);

// Circles through p tangent to the line and the circle, by one of four constructions (variant 1..4).
SolutionRecord LineCirclePoint(int variant, InfiniteLine line, Point centre, double radius, Point p);

// Circles through p tangent to both circles: variant 1 touches both alike, variant 2 touches one
// from outside and encloses the other.
SolutionRecord TwoCirclesPoint(int variant, Point c1, double r1, Point c2, double r2, Point p);

// Helpers shared with the constructions.
double DistanceToLine(InfiniteLine line, Point p);
// The middle parallel of two parallel lines.
InfiniteLine MiddleParallel(InfiniteLine line1, InfiniteLine line2);
// The line moved by d towards side; nothing when side lies on the line.
bool ShiftLine(InfiniteLine line, double d, Point side, InfiniteLine& result);

}  // namespace vantro
