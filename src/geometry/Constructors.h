// The one place where new lines, arcs, circles, points and filled rectangles enter the store, with
// their validity checks and coordinate snapping. Each appends at most one element and says whether
// it did; a record whose numbers come out non-finite never enters the store.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

namespace vantro {

inline constexpr const char* kRadiusTooSmallMessage = "半径が小さすぎます";
inline constexpr const char* kRadiusTooLargeMessage = "円弧最大値オーバー";
inline constexpr const char* kLineDistanceTooSmallMessage = "直線距離が小さすぎます";
inline constexpr const char* kBadInputMessage = "不正な入力がありました。";
inline constexpr double kMaxCircleRadius = 999999;

// Appends a fully computed record with the current attributes: numbered and recorded when asked
// (and not in batch mode), drawn when asked. A record with a non-finite number is refused as bad
// input, with the message unless tellBadInput is false.
bool AppendRecord(Drawing& drawing, const CurrentAttributes& attributes, TCadData element, bool draw, bool record,
                  bool tellBadInput = true);

// draw: paint the new element at once; record: give it a new id and one undo record (both are
// skipped while the store is in batch mode).
bool AppendLine(Drawing& drawing, const CurrentAttributes& attributes, bool draw, bool record, Point start,
                Point end);
bool AppendArc(Drawing& drawing, const CurrentAttributes& attributes, bool draw, bool record, Point start,
               Point end, Point centre, double radius);
// messageAndRecord: show the refusal messages, number the circle and record it. Always drawn.
bool AppendCircle(Drawing& drawing, const CurrentAttributes& attributes, bool messageAndRecord, Point centre,
                  double radius);
bool AppendPoint(Drawing& drawing, const CurrentAttributes& attributes, Point point);
bool AppendFilledRectangle(Drawing& drawing, const CurrentAttributes& attributes, Point corner1, Point corner2);
// Two lines 2.6 r long through the centre, one undo step.
bool AppendCenterCross(Drawing& drawing, const CurrentAttributes& attributes, Point centre, double radius);

}  // namespace vantro
