// The hit test that says whether the cursor is on an element: the search behind snapping and the
// single-element pick. Each rule comes with a box that holds every cursor position it can accept,
// so an index over the boxes finds exactly the elements a scan of the whole drawing would.
#pragma once

#include "document/Drawing.h"
#include "geometry/EllipsePolyline.h"
#include "geometry/Primitives.h"
#include "view/ViewState.h"

namespace vantro {

// What a hit test reads besides the element.
struct PickContext {
    Point Cursor;                     // mm
    double Aperture = 0;              // t: the "Pick" pixels in mm
    bool FillsShown = false;          // ButtonBrushOnOff: filled rectangles can be hit
    int Fineness = kDefaultFineness;  // "Bunkatu": ellipse steps per half turn
};

// Lines, arcs and free curves carry their ends in the end-point fields and are hit near them.
inline bool CarriesEndPoints(int8_t kind)
{
    return kind == kKindLine || kind == kKindArc || kind == kKindCurveThroughPoints ||
           kind == kKindCurveByControlPoints;
}

// t = pickPixels / s; 0 when the view has no usable scale (nothing can be hit then).
double ApertureMm(const ViewState& view, int pickPixels);

// The layer panel's filters, then the element's own rule: "+" cross for lines, ellipse chords and
// dimension lines, the ring |d − r| < t for arcs and circles, the text box, and so on.
bool IsElementNear(const LayerTable& layers, const TCadData& element, const PickContext& pick);

// The centre check of the snap search: an arc or circle on a visible layer, arcs ticked in the
// kind filter, its centre within t of the cursor in x and in y.
bool IsCentreNear(const LayerTable& layers, const TCadData& element, const PickContext& pick);

struct PickBox {
    double MinX = 0;
    double MinY = 0;
    double MaxX = 0;
    double MaxY = 0;
    bool Empty = true;   // the element can never be hit
    bool Finite = true;  // false: a field is not finite and every cursor must be tested
};

// Holds every cursor position IsElementNear can accept, once widened by PickReach.
PickBox ElementPickBox(const TCadData& element);
// Holds every point a selection window looks at: the pick box, and the two points and the position
// of dimensions, texts and filled rectangles.
PickBox ElementWindowBox(const TCadData& element);

// How far beyond an element's box a hit can lie for this aperture: twice t (the dimension rules)
// plus the tolerances IntersectSegments grants the cross.
double PickReach(const PickContext& pick);

bool IsInside(const PickBox& box, Point p, double reach);

// False only when the cursor lies too far from the whole ellipse for any chord of it to be hit, which
// spares most ellipses near the cursor the chord test.
bool MayBeNearEllipse(const TCadData& ellipse, const PickContext& pick);

// The vertices of an ellipse piece as it is picked and selected: a piece whose end-point-2 y is
// negative lies half a turn on. Empty for a malformed ellipse.
std::vector<Point> EllipsePiecePolyline(const TCadData& ellipse, int fineness);

// The reference point of an angle dimension (kind 14), where it is picked.
Point AngleDimensionReference(const TCadData& element);

}  // namespace vantro
