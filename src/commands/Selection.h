// Picking elements by a click and selecting them by a window: the routines take the drawing, its
// view and its element index as parameters, so every drawing window shares them.
#pragma once

#include "commands/CommandContext.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantro {

// The hit test's view of the cursor at canvas pixel (x, y).
PickContext PickContextAt(const ViewState& view, const Settings& settings, bool fillsShown, int x, int y);

// Whether a kind filter accepts the kind: "0" takes every kind, otherwise the kind written in
// decimal must occur in the filter ("1345" lines, arcs, circles and points; "-4-5" free curves).
bool KindAccepted(int8_t kind, std::string_view kinds);

// Every element from index start on that the cursor hits and the filter accepts, ascending.
std::vector<int> ElementsUnder(const Drawing& drawing, ElementIndex& index, const PickContext& pick, int start,
                               std::string_view kinds, bool skipLocked);

// The element under the click: 0 for none, -1 when the chooser was cancelled. Pending candidates
// are looked at first; several hits go to the chooser.
int PickElement(CommandContext& ctx, int x, int y, std::string_view kinds);

// The picks of drawing and editing commands, for kinds 1..5 only. Each gives 0 when nothing
// qualifies; lockedCheck leaves elements on locked layers out. The pick is highlighted.
int TakeFirstPick(CommandContext& ctx, const ClickInput& click, std::string_view kinds, bool lockedCheck);
// Looks from index 1 and refuses FirstPick.
int TakeSecondPick(CommandContext& ctx, const ClickInput& click, std::string_view kinds, bool lockedCheck);
// For kinds 1, 3, 4, 5; InputPoint1 is left as it is.
int TakeTargetPick(CommandContext& ctx, const ClickInput& click, std::string_view kinds, bool lockedCheck);

// A selection window in world millimetres; dragged right to left it takes what it crosses.
struct SelectionWindow {
    double Left = 0;
    double Right = 0;
    double Bottom = 0;
    double Top = 0;
    bool Crossing = false;
};

// The window between the anchor and the mouse pixels.
SelectionWindow WindowBetween(const ViewState& view, CanvasPoint anchor, CanvasPoint mouse);

// What a window may take besides lines, ellipses, arcs, circles, points and free curves.
struct WindowRules {
    bool Annotations = false;  // dimensions, texts and filled rectangles
    bool Locked = false;       // elements on locked layers
    int Fineness = 180;        // ellipse samples per half turn
};

// Whether the window takes the element by its shape alone (layers and filters aside).
bool WindowTakes(const TCadData& element, const SelectionWindow& window, bool annotations, int fineness);

// Toggles the selected flag of every element the window takes, redrawing each through the drawing's
// listener. Returns how many were toggled.
int SelectInWindow(Drawing& drawing, ElementIndex& index, const SelectionWindow& window, const WindowRules& rules);

// "反転": toggles every visible, pickable element; lines, ellipses, arcs, circles, points and curves
// only unless allKinds. The caller repaints.
void InvertSelection(Drawing& drawing, bool allKinds, bool locked);

int CountSelected(const Drawing& drawing);

// The chooser's label for its current candidate: "1 of (2)  直線".
std::string ChooserCaption(int current, int count, int8_t kind);

// Toggles an element, and with groupWide (or for a circle with centre cross) its whole group to
// the element's new value, members on locked layers left out; each changed element is redrawn.
void ToggleSelected(Drawing& drawing, int index, bool groupWide);

// Clears every selected flag, redrawing each element (unless the caller repaints anyway).
void ClearSelection(Drawing& drawing, bool redraw);

}  // namespace vantro
