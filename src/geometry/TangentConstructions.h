// The tangent constructions: circles tangent to (or through) three objects, circles or arcs of a
// given radius tangent to two, and the lines tangent to two circles. Their solutions become
// candidates (Candidates.h); a single candidate is kept at once.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

namespace vantro {

inline constexpr const char* kThreeLinesMeetMessage = "エラー＝3直線が同一点で交わってます。";
inline constexpr const char* kTangentCircleErrorMessage = "接円作図エラー";
inline constexpr const char* kArcInputErrorMessage = "円弧計算エラー！入力数値を確認して下さい。";
inline constexpr const char* kArcRadiusErrorMessage = "円弧半径エラー！入力数値を確認して下さい。";
inline constexpr const char* kArcComputationErrorMessage = "円弧計算エラー！";
inline constexpr const char* kNoTangentLineMessage = "接線がありません";
// Prompts the command shows while candidates wait for a choice.
inline constexpr const char* kChooseTangentCirclePrompt = " 確定する要素を選択して下さい(円-接円)";
inline constexpr const char* kChooseTangentLinePrompt = "確定する要素を選択して下さい(直線-接円)";

enum class TangentObjectType { Point, Line, Circle };

// A picked line (infinite), circle or arc (its full circle) or point element, or a clicked
// position. Pick is where the user clicked (for a clicked position, the position itself).
struct TangentObject {
    TangentObjectType Type = TangentObjectType::Point;
    Point A;  // point; line start; circle centre
    Point B;  // line end
    double Radius = 0;
    Point Pick;
};

// From the element picked at pick: kinds 1, 3, 4 and 5; any other kind reads as the click itself.
TangentObject TangentObjectOf(const TCadData& element, Point pick);
TangentObject TangentObjectAt(Point click);

// Whether the circle touches every line and circle among the objects (one crossing each).
bool TouchesAll(Point centre, double radius, const TangentObject* objects, int count);

// Returns the number of candidates made (a single one is kept at once, leaving CandidateCount 0).
// Three points append the circle through them directly, numbered and recorded. Two points on
// either side of the line (or one inside the circle, one outside) have no circle: "作図できません!".
// A solution reached twice (touching every object within Eps of where a candidate does) shows once.
int CircleTangentTo3(Drawing& drawing, const CurrentAttributes& attributes, const TangentObject& first,
                     const TangentObject& second, const TangentObject& third);

// radius as typed (NaN when the text is not a number). arcMode offers both arcs between the
// touching points at every centre. "円弧計算エラー！" when nothing comes out.
int CircleTangentTo2WithRadius(Drawing& drawing, const CurrentAttributes& attributes, const TangentObject& first,
                               const TangentObject& second, double radius, bool arcMode);

// Circles or arcs (taken as full circles): the outer tangents, and the inner ones when the circles
// lie apart, each from its point on the larger circle to its point on the smaller. Touching circles
// add their common tangent at the touching point (inside one another it is the only one).
// "接線がありません" when there is none.
int TangentLinesOf2Circles(Drawing& drawing, const CurrentAttributes& attributes, const TCadData& first,
                           const TCadData& second);

}  // namespace vantro
