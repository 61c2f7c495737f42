// Small helpers that put elements into a drawing for tests.
#pragma once

#include "document/Drawing.h"

namespace vantro::testing {

// Appends with a new id and undo action 0 under its own step, as a drawing command does.
int AddLine(Drawing& drawing, double x1, double y1, double x2, double y2, uint8_t layer = 1);
int AddCircle(Drawing& drawing, double cx, double cy, double r, uint8_t layer = 1);
int AddElement(Drawing& drawing, const TCadData& element);

// Appends without any undo record (building a drawing as a file read does).
int PutElement(Drawing& drawing, const TCadData& element);

TCadData Line(double x1, double y1, double x2, double y2, uint8_t layer = 1);
TCadData Circle(double cx, double cy, double r, uint8_t layer = 1);

}  // namespace vantro::testing
