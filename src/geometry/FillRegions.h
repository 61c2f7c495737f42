// Fills: each line of the fill memo names a group and a colour; the group's closed chain (or its
// circle) is the region painted. Resolving a line finds that region or says what is wrong with it.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantro {

inline constexpr const char* kFillDataErrorMessage = "選択したグループ図形のデータに異常がある為、指定を解除しました。";
inline constexpr const char* kFillNotClosedMessage = "選択したグループ図形は閉じていない為、指定を解除しました。";
inline constexpr const char* kFillDisplayFailedMessage =
    "予期せぬエラーにより塗りつぶし表示を有効に出来ません。塗りつぶし編集でデータを確認してください";

enum class FillProblem {
    None,
    EmptyLine,    // deleted without a word
    BadGroup,     // the group number cannot be read
    NoSuchGroup,  // no element has the group number
    NotClosed,    // the group's chain is open, or its first element is no line, arc or ellipse
    BadColour,    // the colour cannot be read: fill display goes off, the line stays
};

struct FillRegion {
    FillProblem Problem = FillProblem::None;
    std::string GroupText;  // the memo's text before the comma, as the messages name it
    uint32_t Colour = 0;    // 0x00BBGGRR
    int First = 0;          // the group's first element
    bool IsCircle = false;  // the circle First is filled
    std::vector<Point> Outline;  // otherwise the closed chain's vertices
};

// Group number → its elements in index order.
using GroupMembers = std::unordered_map<int32_t, std::vector<int>>;
GroupMembers IndexGroups(const Drawing& drawing);

// One memo line: "group,colour", both decimal integers.
FillRegion ResolveFill(const Drawing& drawing, const GroupMembers& groups, std::string_view line, int fineness);
// Every memo line, in memo order.
std::vector<FillRegion> ResolveFills(const Drawing& drawing, int fineness);

// What the user is told when the line is deleted; empty for no message.
std::string FillProblemMessage(const FillRegion& region);

// Whether the problem deletes the memo line.
bool DeletesLine(FillProblem problem);

// The repaint's pass over the memo: every line whose fill cannot be painted is deleted, and the
// user told why. Returns false when a colour could not be read: fill display must go off (with
// kFillDisplayFailedMessage, the caller's part) and that line stays.
bool DropBrokenFills(Drawing& drawing, int fineness);

}  // namespace vantro
