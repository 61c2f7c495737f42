// Small helpers that put elements into a drawing for tests.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

#include <vector>

#include <string>

namespace vantro::testing {

// Appends with a new id and undo action 0 under its own step, as a drawing command does.
int AddLine(Drawing& drawing, double x1, double y1, double x2, double y2, uint8_t layer = 1);
int AddCircle(Drawing& drawing, double cx, double cy, double r, uint8_t layer = 1);
int AddElement(Drawing& drawing, const TCadData& element);

// Appends without any undo record (building a drawing as a file read does).
int PutElement(Drawing& drawing, const TCadData& element);

// The elements 1..Count as they stand.
std::vector<TCadData> ElementsOf(const Drawing& drawing);

// The same elements in the order of their ids: undo puts deleted elements back at the end.
std::vector<TCadData> SortedById(std::vector<TCadData> elements);

// The drawing with its elements a second time after them, as a file would hold them (no new ids).
Drawing Twice(const Drawing& drawing);

TCadData Line(double x1, double y1, double x2, double y2, uint8_t layer = 1);
TCadData Circle(double cx, double cy, double r, uint8_t layer = 1);
// Counter-clockwise about (cx, cy) from (x1, y1) to (x2, y2), its sweep computed.
TCadData ArcBetween(double cx, double cy, double r, double x1, double y1, double x2, double y2);
// A text element of the given height with its lower left corner at (x, y).
TCadData TextElement(double x, double y, double height, const std::string& text);

// The arc about c from fromDeg counter-clockwise to toDeg (layer 3).
TCadData ArcElement(Point c, double r, double fromDeg, double toDeg);

// An ellipse piece about c with major radius r, flattening k, inclination 0 and values s > e (layer 3).
TCadData EllipsePiece(Point c, double r, double k, double s, double e);

TCadData PointElement(Point p);

Point Polar(Point c, double r, double degrees);

}  // namespace vantro::testing
