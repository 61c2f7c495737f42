// The letter keys that start commands from anywhere in the main window, either case.
#pragma once

#include "commands/StepCodes.h"

#include <cstdint>

namespace vantro {

struct LetterCommand {
    char Letter;     // upper case
    uint16_t Start;  // the command's start code; a right-button start presses its button's right button
};

inline constexpr LetterCommand kLetterCommands[] = {
    {'A', step::kAngleLine},          {'D', step::kCircleCentre},        {'E', step::kContinuousLineFirst},
    {'F', step::kCircle2PointsFirst}, {'G', step::kCircle3PointsFirst},  {'Q', step::kIntersectionPoints},
    {'R', step::kHorizontalLine},     {'S', step::kAngleLineBase},       {'T', step::kVerticalLine},
    {'W', step::kLineFirstPoint},
};

}  // namespace vantro
