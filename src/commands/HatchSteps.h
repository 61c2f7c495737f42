// The hatch command: clicked points, picked chains and circles build a boundary polygon; "確定"
// (or a chain that closes, or a circle) hatches it with lines of a new group.
#pragma once

#include "commands/CommandContext.h"

#include <optional>
#include <string_view>

namespace vantro {

inline constexpr const char* kBadPitchMessage = "ピッチの入力数値が不正です";
inline constexpr const char* kFillDisplayPausedMessage = "共有メモリー使用のため、塗りつぶし表示を一時解除します";
inline constexpr const char* kFollowChainQuestion = "この要素の端点には接続した図形があります。全て認識しますか?";
inline constexpr const char* kCircleFirstOnlyMessage = "円の指定は１回目のみ有効です。中止して再指定して下さい！";

// The dialog's "ピッチ": a positive number in single precision, or nothing (kBadPitchMessage).
std::optional<float> ReadHatchPitch(std::string_view text);

// A click: the snap point, else a picked line, ellipse, arc or circle, else the clicked point.
void HatchClick(CommandContext& ctx, const ClickInput& click);

// "確定": "図形がありません" when nothing at all was taken, else the hatch of the boundary.
void ConfirmHatch(CommandContext& ctx);

// Forgets the boundary and its trace lines (a command starts or ends). True when trace lines were
// shown, which the canvas must lose.
bool DropHatchBoundary(CommandState& state);

}  // namespace vantro
