// The steps that move, mirror, rotate and scale share: from the selection to the base point, and
// back to the selection after the transformation.
#pragma once

#include "commands/CommandContext.h"

#include <optional>

namespace vantro {

inline constexpr const char* kCheckTypedPointMessage = "入力数値を確認して下さい";

// The base-point step: EditX and EditY shown empty and snapping unlocked, so that base points can
// snap; the step's own prompt, or prompt when given.
void EnterBasePoint(CommandContext& ctx, uint16_t code, const char* prompt = nullptr);

// EditX and EditY as the step's point, with kCheckTypedPointMessage when either is not a number.
std::optional<Point> ReadTypedPoint(CommandContext& ctx);

// After the transformation: snapping locked again, the drawing repainted, back to the selection.
void ReturnToSelection(CommandContext& ctx, uint16_t code);

}  // namespace vantro
