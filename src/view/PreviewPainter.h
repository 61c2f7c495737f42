// What the canvas shows while a command waits for its next click: the shape that click would make,
// drawn with the inverting pen so that drawing it again removes it. Keyed by the step code.
#pragma once

#include "view/ElementPainter.h"

#include <optional>

namespace vantro {

// What the steps read besides the mouse: the last taken point (LastPoint), and the earlier point of
// two-point steps in InputPoint1 (dimension extension lines 152..158, leaders 161..259: the pointed
// point) or InputPoint2 (ellipse steps 51, 54: the first axis point); step 66 the two picks' click
// points in InputPoint1/2 and the lines' crossing in InputPoint3.
struct PreviewInput {
    int Mode = 0;             // the command's step code
    CanvasPoint Anchor;       // the pixel of the last taken point
    CanvasPoint Cursor;       // the mouse, already constrained by Shift
    Point LastPoint;
    Point InputPoint1;
    Point InputPoint2;
    Point InputPoint3;
    int FirstPick = 0;        // picked elements
    int SecondPick = 0;
    std::optional<double> TypedRadius;  // step 30: the radius typed into the entry field, mm
    bool DiameterVariant = false;       // step 30: the typed value is a diameter
    bool RadiusLocked = false;          // CheckBoxLock
    int Corners = 0;                    // steps 43, 46
    int Hani = 50;                      // selections above this show their bounding rectangle
};

// Draws the step's preview for the mouse position (pen mode and width are the caller's). Returns
// the value the step shows in the entry field while the mouse moves (a radius, an angle), if any.
std::optional<double> DrawPreviewShape(const PaintTarget& target, const PreviewInput& input);

// Whether the step has a preview of its own (the others show nothing).
bool HasPreview(int mode);

}  // namespace vantro
