// Lengthening and shortening lines and arcs: by a typed value, up to a target element or a clicked
// position, merging collinear lines and arcs of one circle on request; and the one-click forms that
// restore an ellipse half or close an arc. Each change is one undo step.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

#include <string>

namespace vantro {

inline constexpr const char* kExtendCaption = "延長値";
inline constexpr const char* kExtendLinePrompt = "延長する長さを入力して下さい\r\n＠ありは加算、無しは総長さ";
inline constexpr const char* kExtendArcPrompt = "延長する角度を入力して下さい\r\n＠ありは加算、無しは総角度";
inline constexpr const char* kExtendBadNumberMessage = "入力数値が不正です";
inline constexpr const char* kMergeLinesQuestion = "1本の直線に変更しますか?";
inline constexpr const char* kMergeArcsQuestion =
    "指定した図形は1本の円弧として連結できます。\r\n1本の円弧に変更しますか?";

// Asks for the value (the current length or sweep offered); "@" (or "＠") in front adds it, else it
// is the new total. The end nearer the click moves. False when cancelled, not a number (with the
// message) or when the line would shrink to nothing.
bool ExtendByValue(Drawing& drawing, int index, Point click);

// The same with the typed text given: the part of ExtendByValue after the input box.
bool ExtendByText(Drawing& drawing, int index, Point click, const std::string& text);

// Extends the line or arc at index (the end chosen by click) to the target element (target > 0,
// clicked at targetClick) or, with target 0, to the clicked position targetClick. Nearly collinear
// lines and arcs of the same circle (same centre and radius within Eps) are merged when the user
// agrees; the target is then deleted. Arcs about the same centre with another radius are refused.
bool ExtendToTarget(Drawing& drawing, int index, Point click, int target, Point targetClick);

// An ellipse piece back to its full half; an arc to its full circle.
bool RestoreEllipsePiece(Drawing& drawing, int index);
bool CloseArc(Drawing& drawing, int index);

// "0.0######": at least one and at most seven decimals.
std::string FormatMergeNumber(double value);

}  // namespace vantro
