// The offset of a whole chain of lines and arcs: each piece offset to the same side of the walk,
// neighbours joined at their crossing or by an arc about the chain corner.
#pragma once

#include "document/Drawing.h"
#include "geometry/Primitives.h"

namespace vantro {

inline constexpr const char* kStartArcOffsetMessage = "開始指定の円弧をオフセットできません";
inline constexpr const char* kChainWithEllipseMessage =
    "楕円を含む連続線は処理出来ません。必要な場合は直線変換して下さい";
inline constexpr const char* kChainJoinFailedMessage = "オフセット計算で連続線を作成できませんでした！";
inline constexpr const char* kChainOverlapMessage = "オフセット計算で重なり合う図形が作成されました！";
inline constexpr const char* kChainReversedMessage = "オフセット計算で方向が反転した図形がありました！";

// Settings of section "Cad".
struct ChainOffsetSettings {
    bool OfsetPatern = true;  // join pieces that do not meet by an arc about the chain corner
    bool OfsetErr1 = true;    // report new pieces that cross each other
    bool OfsetErr2 = true;    // report offset lines reversed by the corner trimming
    bool GroupCheck = false;  // "ｸﾞﾙｰﾌﾟﾁｪｯｸ": a grouped start element chains only within its group
};

// The chain from the start element (walked away from its end nearer to startClick) offset by d
// towards side. New pieces take the current attributes and form one undo step; they stay even
// when a check fails. Returns how many were made, 0 when the start line cannot be offset, or −1
// after an error message (a distance AcceptOffsetDistance refuses among them). Highlights are
// cleared.
int ChainOffset(Drawing& drawing, const CurrentAttributes& attributes, int start, Point startClick, double d,
                Point side, const ChainOffsetSettings& settings);

}  // namespace vantro
