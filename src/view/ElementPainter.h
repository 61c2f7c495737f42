// Painting elements of a drawing on any surface and view: the whole drawing in one pass, and single
// elements drawn, highlighted or erased after a change.
#pragma once

#include "document/Drawing.h"
#include "view/Surface.h"
#include "view/PaintSettings.h"
#include "view/ViewState.h"

#include <functional>

namespace vantro {

// What one painting pass reads. The secondary window and printing pass their own.
struct PaintTarget {
    Surface& Canvas;
    const ViewState& View;
    const Drawing& Document;
    const PaintSettings& Settings;
};

// The pen an element is drawn with: the highlight colour when selected or picked, the annotation
// colour for dimensions and texts, otherwise its own; width 1 above kind 5.
Pen ElementPen(const PaintSettings& settings, const TCadData& element, int index);

// A world segment, clipped to the circle through the canvas corners when it reaches far outside.
void DrawWorldLine(Surface& canvas, const ViewState& view, double x1, double y1, double x2, double y2);

// A world arc counter-clockwise from start through sweep degrees (previews, angle dimensions).
void DrawWorldArc(Surface& canvas, const ViewState& view, const PaintSettings& settings, double startX,
                  double startY, double endX, double endY, double cx, double cy, double r, double sweep);

// The element's shape with the pen already set (kinds 1..5, -2..-5; others are left to their own
// painters).
void DrawShape(const PaintTarget& target, const TCadData& element);

// Any element with the pen already set: shapes, dimensions and texts in full.
void DrawWithCurrentPen(const PaintTarget& target, const TCadData& element);

// One element (index >= 1, or -1/-2 for the scratch records), in copy or not mode.
void DrawElement(const PaintTarget& target, int index, bool copyMode);

// One element in the highlight colour merged over the canvas (the chooser's current candidate),
// with its own width and line style.
void DrawElementMerged(const PaintTarget& target, int index);

// A record outside the store (a preview's transformed copy), in copy or not mode.
void DrawRecord(const PaintTarget& target, const TCadData& element, bool copyMode);

// Paints the element in the background colour.
void EraseElement(const PaintTarget& target, int index);

// Whether the full repaint shows the element: a real kind on a visible layer and no unticked filter.
bool IsPainted(const Drawing& drawing, const TCadData& element);

// The whole drawing: grid, origin marker, fills (while fills are shown), filled rectangles, then
// every other shown element in drawing order.
// yieldTurn is called every few dozen elements and hands the event loop a turn when enough time
// has passed; when the view asks for a restart meanwhile, repaintBackground clears the canvas (through
// the pass's own surface, which holds the device) and
// the pass starts again with the new view.
void PaintDrawing(Surface& canvas, ViewState& view, const Drawing& drawing, const PaintSettings& settings,
                  const std::function<void()>& yieldTurn, const std::function<void(Surface&)>& repaintBackground);

}  // namespace vantro
