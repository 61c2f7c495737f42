// Constructions that turn clicked or typed points and values into elements: circles through
// points, rectangles, regular polygons, the middle line, the arc between two lines and centre lines.
#pragma once

#include "geometry/Constructors.h"

#include <optional>
#include <vector>

namespace vantro {

inline constexpr const char* kCannotDrawMessage = "作図できません!";
inline constexpr const char* kDistanceTooSmallMessage = "距離が小さすぎます";
inline constexpr const char* kSideTooSmallMessage = "辺の長さが、小さすぎます。";
inline constexpr const char* kCornerCountMessage = "3以上255以下の角数を入力して下さい";

struct CircleGeometry {
    Point Centre;
    double Radius = 0;
};

struct ArcGeometry {
    Point Start;
    Point End;
    Point Centre;
    double Radius = 0;
    double Sweep = 0;  // degrees
};

// The circle on the diameter p1-p2, appended with messages; "作図できません!" when refused.
bool CircleOn2Points(Drawing& drawing, const CurrentAttributes& attributes, Point p1, Point p2);

// The circle through three points; nothing when two coincide or the three are collinear.
std::optional<CircleGeometry> CircleThrough3Points(Point p1, Point p2, Point p3);

// Appends the circle through three points, or says "作図できません!".
bool AppendCircleThrough3Points(Drawing& drawing, const CurrentAttributes& attributes, Point p1, Point p2,
                                Point p3);

// Four grouped lines in one undo step, or one filled rectangle. A side shorter than 0.0001 or Eps
// (whichever is larger) makes nothing and says "距離が小さすぎます".
bool MakeRectangle(Drawing& drawing, const CurrentAttributes& attributes, Point corner1, Point corner2, bool filled);

// cornerCount grouped sides in one undo step. size is the circumradius, or with bySide the distance
// from the centre to the middle of a side (the rightmost side then stands vertical).
bool MakeRegularPolygon(Drawing& drawing, const CurrentAttributes& attributes, Point centre, double size,
                        int cornerCount, bool bySide);
// The corners of that polygon in order, the first repeated at the end; empty below three corners.
std::vector<Point> RegularPolygonCorners(Point centre, double size, int cornerCount, bool bySide);

// Which end of the line a-b stands for the side on which it was picked, x being the crossing with
// the other line.
Point FarEndOnPickedSide(Point a, Point b, Point x, Point pick);

// The bisector of two lines from the picked sides, or the middle of two parallel lines.
bool MiddleLine(Drawing& drawing, const CurrentAttributes& attributes, const TCadData& line1, Point pick1,
                const TCadData& line2, Point pick2);

// The arc of radius r about the crossing x from line 1's picked side counter-clockwise to line 2's.
std::optional<ArcGeometry> ArcBetweenTwoLinesGeometry(const TCadData& line1, Point pick1, const TCadData& line2,
                                                      Point pick2, Point x, double radius);
bool ArcBetweenTwoLines(Drawing& drawing, const CurrentAttributes& attributes, const TCadData& line1, Point pick1,
                        const TCadData& line2, Point pick2, Point x, double radius);

// A point element at every crossing of the two elements' infinite lines and full circles (line and
// line, line and circle or arc, circle or arc and circle or arc), in one undo step. Returns how many.
int MakeIntersectionPoints(Drawing& drawing, const CurrentAttributes& attributes, const TCadData& first,
                           const TCadData& second);

// The perpendicular bisector of a line (√3 times its length), or the radius through the middle of an
// arc, reaching twice the radius.
bool CenterLine(Drawing& drawing, const CurrentAttributes& attributes, const TCadData& element);

}  // namespace vantro
