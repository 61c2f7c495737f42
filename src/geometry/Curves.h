// Free curves in the store: built point by point, and replaced by lines.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

namespace vantro {

inline constexpr const char* kTooManyCurvePointsMessage =
    "設定最大数(50ポイント)を超えました。新規に作図して下さい。";

enum class CurvePointResult {
    Started,  // a new curve element was appended
    Added,    // the last curve gained the point
    Ignored,  // the point repeats the curve's end point, or there is no curve to extend
    Refused,  // the curve already holds the most points; the message was shown
};

// kind: kKindCurveThroughPoints or kKindCurveByControlPoints. The first point appends a new curve
// (one undo record); later points extend the last element of the store when it is a curve of that
// kind.
CurvePointResult AddCurvePoint(Drawing& drawing, const CurrentAttributes& attributes, int8_t kind, Point p,
                               bool first);

// One line per polyline segment in one new group, and the curve deleted, as one undo step.
// Returns the lines made; 0 (and nothing changed) when the curve's text cannot be read.
int CurveToLines(Drawing& drawing, const CurrentAttributes& attributes, int index, int curveFineness);

// The end of the curve command: with "PejeChk" on, the last curve becomes lines. Returns the lines
// made.
int FinishCurve(Drawing& drawing, const CurrentAttributes& attributes, bool pejeChk, int curveFineness);

}  // namespace vantro
