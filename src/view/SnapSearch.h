// The snap search run on every mouse move while a command waits for a point (the window calls it
// for the steps that snap, when no candidates are pending and no selection window is dragged),
// and the square marker drawn on the point found.
#pragma once

#include "view/ElementIndex.h"
#include "view/SnapKinds.h"
#include "view/Surface.h"

#include <array>
#include <cstdint>

namespace vantro {

// The snap kinds, valued as the cursor each one shows (1..8); the centre on the circumference shares
// cursor 4 and the grid keeps the default cursor.
enum class SnapKind : uint8_t {
    None = 0,
    Intersection = 1,
    EndPoint = 2,
    MidPoint = 3,
    Centre = 4,
    Point = 5,
    Nearest = 6,
    Perpendicular = 7,
    Quadrant = 8,
    CentreOnCircumference = 9,
    Grid = 10,
};

struct SnapOptions {
    std::array<bool, 9> Kinds{};      // CheckBoxSnap1..9
    bool Locked = false;              // CheckBoxLock2
    int PickAperture = 6;             // "Pick", pixels
    bool FillsShown = false;          // ButtonBrushOnOff
    int Fineness = kDefaultFineness;  // "Bunkatu"
};

// The mouse and what the running command contributes.
struct SnapInput {
    int MouseX = 0;  // canvas pixel
    int MouseY = 0;
    int Shift = 0;  // mouse shift state: 1 Shift, 4 Ctrl, 8 left button, ...
    SnapConstraint Constraint = SnapConstraint::None;
    Point InputPoint1;
    std::optional<double> LineAngle;  // EditR in degrees, read by the window in the angle-line command
};

struct SnapResult {
    bool Found = false;
    Point Position;  // mm
    SnapKind Kind = SnapKind::None;
    int Cursor = 0;  // 1..8; 0 keeps the default cursor
};

// Runs the whole search: the centre check, then element by element near the cursor in index order,
// then the grid. The index is brought up to date with the drawing first.
SnapResult SearchSnap(const Drawing& drawing, const ViewState& view, const SnapOptions& options, const SnapInput& input,
                      ElementIndex& index);

// The pieces of the search, for callers that scan the elements some other way.
SnapContext MakeSnapContext(const ViewState& view, const SnapOptions& options, const SnapInput& input);
// Element snaps are off while locked, while Ctrl alone is held, and when nothing can be hit.
bool ElementSnapsAllowed(const SnapOptions& options, const SnapContext& context);
SnapResult CentreSnap(const TCadData& arcOrCircle);
// Element h with its partner n (0 for none): the enabled kinds in the order point, end point,
// intersection, midpoint, quadrant, perpendicular, centre on circumference, nearest.
bool SnapAtElement(const Drawing& drawing, const SnapContext& context, const SnapOptions& options, int h, int n,
                   SnapResult& result);
bool SnapToGrid(const ViewState& view, const SnapContext& context, SnapResult& result);

// The marker: the outline square of half-size "Pick2" about the pixel, width 3 in not mode, so a
// second call at the same pixel erases it. The pen mode goes back to copy with the previous pen.
void DrawSnapMarker(Surface& surface, CanvasPoint pixel, int halfSize);

}  // namespace vantro
