// What many drawing steps share: the first point of a command, points that must be snap points,
// radii taken by a click, and the picks a construction is done with.
#pragma once

#include "commands/CommandContext.h"

#include <optional>
#include <string_view>

namespace vantro {

// The first point of a command by click (the "SnapChk" rule, TakeClickPoint), then step next with
// EditX focused. False when the click was refused.
bool FirstPointClick(CommandContext& ctx, const ClickInput& click, uint16_t next);
// The same by Enter: the typed point anchors the rubber band and the pointer moves onto it.
bool FirstPointEnter(CommandContext& ctx, uint16_t next);
// EditX and EditY as InputPoint1, the rubber band's start; nothing (after the message) when either
// cannot be read.
std::optional<Point> TypedFirstPoint(CommandContext& ctx);

// The snap point when one was found (consumed), else the exact position of the click; "整数" does
// not round it.
Point SnapOrExactPoint(CommandContext& ctx, const ClickInput& click);

// The steps that take snap points only: the snap point (consumed), or nothing.
std::optional<Point> TakeSnapPoint(CommandContext& ctx);

// The distance from centre to the click as the circle commands take it: to the snap point; whole
// millimetres with "整数"; else rounded to what the entry field shows (FormatNumber).
double RadiusToClick(CommandContext& ctx, Point centre);

// The rubber band starts at a typed point; the pointer stays where it is.
void AnchorAt(CommandContext& ctx, Point p);

// A copy of a picked element: a construction appends to the store, which may move its records.
TCadData PickedElement(const CommandContext& ctx, int pick);

// The second pick of a construction from two picked elements: copies of both, and the picks
// dropped. False when nothing qualifying was clicked.
bool TakeBothPicks(CommandContext& ctx, const ClickInput& click, std::string_view kinds, TCadData& first,
                   TCadData& second);

// After a construction that leaves candidates: back at the start step, where a single solution is
// already kept and several wait for a click with the choose prompt. failed: the prompt when nothing
// came out (nullptr: the start step's own).
void AfterCandidates(CommandContext& ctx, uint16_t start, int made, const char* choose, const char* failed);

// Drops the picks (redrawn plainly) and the scratch points standing in for picks.
void DropPicks(CommandContext& ctx);

}  // namespace vantro
