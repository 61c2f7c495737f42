// Plane geometry on which every construction rests. Pure functions of their arguments and of the
// global tolerance Eps; failure is a false flag or a count of 0, never a message.
#pragma once

#include "document/CadData.h"
#include "document/Tolerance.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vantro {

struct Point {
    double X = 0;
    double Y = 0;
    bool operator==(const Point&) const = default;
};

// Only the first Count points are meaningful.
struct IntersectionResult {
    uint8_t Count = 0;
    std::array<Point, 2> Points{};
};

// Count 0, 4 or 8: pairs of end points of up to four tangent lines, the first of each pair on the
// larger circle.
struct TangentLinesResult {
    uint8_t Count = 0;
    std::array<Point, 8> Points{};
};

inline constexpr double kPi = 3.14159265358979323846;
// Fixed tolerance of line intersection, concentric circles and arc start comparison.
inline constexpr double kFixedTolerance = 1e-6;

// Degree/radian conversion in extended precision.
double DegToRad(double degrees);
double RadToDeg(double radians);

bool NearlyEqual(double a, double b);
double PointDistance(Point p, Point q);
// Direction of p seen from c, radians in [0, 2π); directions within (Eps × 0.1)° of 0 read as 0.
double DirectionAngle(Point p, Point c);
// Counter-clockwise angle from the direction of s to that of e about c: (0, 360] and (0, 2π].
double SweepAngleDeg(Point s, Point e, Point c);
double SweepAngleRad(Point s, Point e, Point c);
Point MidPoint(Point p, Point q);
Point RotatePointDeg(Point p, Point c, double degrees);
Point RotatePointRad(Point p, Point c, double radians);
// Leaves result untouched and returns false when a = b exactly.
bool MirrorPoint(Point a, Point b, Point p, Point& result);
bool PerpendicularFoot(Point a, Point b, Point p, Point& foot);
bool IsPointOnSegment(Point a, Point b, Point p);
// r is carried for symmetry with the callers but not used.
bool IsPointOnArc(Point s, Point e, Point c, double r, Point p);
// Parallel (false) when the sine of the angle between the lines is below the fixed tolerance.
bool IntersectLines(Point a1, Point a2, Point b1, Point b2, Point& result);
bool IntersectSegments(Point a1, Point a2, Point b1, Point b2, Point& result);
// Two points: the first is the one farther along a→b.
IntersectionResult IntersectLineCircle(Point a, Point b, Point c, double r);
IntersectionResult IntersectSegmentCircle(Point a, Point b, Point c, double r);
// Of two points the one nearer to pick, the first on a tie.
bool NearestLineCircle(Point a, Point b, Point c, double r, Point pick, Point& result);
// Of two points the one nearer to pick, the second on a tie (also the next two).
IntersectionResult NearestSegmentArc(Point a, Point b, Point s, Point e, Point c, double r, Point pick);
// One point when the gap between the circles is within Eps, else none or the two crossings, the
// one left of the way from the larger centre to the smaller first.
IntersectionResult IntersectCircles(Point c1, double r1, Point c2, double r2);
IntersectionResult NearestCircleCircle(Point c1, double r1, Point c2, double r2, Point pick);
IntersectionResult IntersectArcs(Point s1, Point e1, Point s2, Point e2, Point c1, double r1, Point c2, double r2,
                                 Point pick);
TangentLinesResult CircleTangentLines(Point c1, double r1, Point c2, double r2);
IntersectionResult TangentPointsFromPoint(Point p, Point c, double r);
// For an arc element: degrees in [0, 360) from its start direction to the direction of p.
double AngleFromArcStart(const TCadData& arc, Point p);
// Whether the direction of p lies within the element's sweep (360 for a circle).
bool IsWithinArcSweep(const TCadData& arc, Point p);

double TanLength(double degrees, double length);
double RoundTo5(double value);
double RoundTo10(double value);
// "0.0##" with small values written "0" and a trailing ".0" dropped.
std::string FormatNumber(double value);
// Always with '.' as the decimal separator, whatever the locale.
double ParseFloatOr(std::string_view text, double fallback);
uint32_t InvertRgb(uint32_t colour);
// 1-based position of the last occurrence, 0 when absent.
int LastPos(std::string_view needle, std::string_view text);
std::string ReverseText(std::string_view text);

}  // namespace vantro
