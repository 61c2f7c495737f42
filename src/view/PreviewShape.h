// The shapes a command step shows under the mouse, and what drawing one reads. The command layer
// names the shape of each step; the view never sees a step code.
#pragma once

#include "geometry/Primitives.h"
#include "view/ViewState.h"

#include <optional>

namespace vantro {

enum class PreviewShape {
    None,
    RubberLine,               // from the anchor pixel to the mouse
    TypedCircle,              // a circle of the typed radius about the mouse
    CircleByRadius,           // about the anchor through the mouse; shows the radius
    CircleOn2Points,          // the anchor and the mouse as a diameter
    CircleThrough3Points,
    Rectangle,
    PolygonBySide,
    PolygonByVertex,
    LineFromLastPoint,
    EllipseAxisByEnds,        // the axis drawn, with the circle on it as a diameter
    EllipseAxisFromCentre,    // the half axis from the centre, with the circle about the centre
    EllipseHeightByEnds,
    EllipseHeightFromCentre,
    ArcBetweenLines,          // shows the radius
    HorizontalDimension,
    VerticalDimension,
    AlignedDimension,
    LeaderShoulder,
    RelativeValueLine,
    RadiusLeader,
    DiameterLeader,
    AngleArc,
    SelectionMoved,
    SelectionMirrored,
    SelectionRotated,         // shows the angle
    TextPlacement,            // the text dialog's lines at the mouse, drawn by the window
    ImageOutline,             // the selected image's frame with its top-left corner at the mouse
    ImageFrame,               // from the image's corner (the anchor) as far right and down as the mouse is away
};

// Whether the value a shape shows in the entry field is a radius (else an angle).
inline bool ShowsRadius(PreviewShape shape)
{
    return shape == PreviewShape::CircleByRadius || shape == PreviewShape::ArcBetweenLines;
}

// What the steps read besides the mouse: the last taken point (LastPoint), and the earlier point of
// two-point steps in InputPoint1 (dimension extension lines 152..158, leaders 161..259: the pointed
// point) or InputPoint2 (ellipse steps 51, 54: the first axis point); step 66 the two picks' click
// points in InputPoint1/2 and the lines' crossing in InputPoint3.
struct PreviewInput {
    PreviewShape Shape = PreviewShape::None;
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
    int SelectedImage = 0;              // steps 133, 136: the inserted image's slot
};

}  // namespace vantro
