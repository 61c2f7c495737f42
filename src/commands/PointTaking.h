// How a step turns a click or the typed coordinates into a world point.
#pragma once

#include "commands/CommandContext.h"
#include "commands/EntryCalculator.h"

#include <optional>

namespace vantro {

// The canvas pixel in millimetres.
Point PixelToWorld(const ViewState& view, CanvasPoint pixel);

// "SnapChk": a plain left click without a snap point is not taken.
bool SnapRuleRefuses(const CommandContext& ctx, int shift);

// The first point of a step: the snap point (consumed), else the click, rounded to whole
// millimetres with "整数". Anchors the rubber band there, shows the point in EditX and EditY, and
// makes it the last point; with advance the step moves on by one.
void TakeClickPoint(CommandContext& ctx, int x, int y, bool advance);

// A later point at CursorPixel: the snap point (consumed), whole millimetres with "整数", with
// ortho and Shift+left the horizontal or vertical through InputPoint1, else the exact pixel.
Point ClickPoint(CommandContext& ctx, int shift, bool ortho);

// EditX and EditY as a point, which becomes the last point; the message (by default
// "入力数値を確認して下さい！") when either is not a number.
std::optional<Point> ReadEntryPoint(CommandContext& ctx, const char* message = kBadEntryMessage);

// The step's point taken by Enter: anchors the rubber band and moves the screen pointer there.
void AnchorAtTypedPoint(CommandContext& ctx, Point p);

}  // namespace vantro
