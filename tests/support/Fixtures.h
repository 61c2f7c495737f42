// Small helpers that put elements into a drawing for tests.
#pragma once

#include "document/Drawing.h"

#include <string>

namespace vantro::testing {

// Appends with a new id and undo action 0 under its own step, as a drawing command does.
int AddLine(Drawing& drawing, double x1, double y1, double x2, double y2, uint8_t layer = 1);
int AddCircle(Drawing& drawing, double cx, double cy, double r, uint8_t layer = 1);
int AddElement(Drawing& drawing, const TCadData& element);

// Appends without any undo record (building a drawing as a file read does).
int PutElement(Drawing& drawing, const TCadData& element);

// The drawing with its elements a second time after them, as a file would hold them (no new ids).
Drawing Twice(const Drawing& drawing);

TCadData Line(double x1, double y1, double x2, double y2, uint8_t layer = 1);
TCadData Circle(double cx, double cy, double r, uint8_t layer = 1);
// Counter-clockwise about (cx, cy) from (x1, y1) to (x2, y2), its sweep computed.
TCadData ArcBetween(double cx, double cy, double r, double x1, double y1, double x2, double y2);
// A text element of the given height with its lower left corner at (x, y).
TCadData TextElement(double x, double y, double height, const std::string& text);

}  // namespace vantro::testing
