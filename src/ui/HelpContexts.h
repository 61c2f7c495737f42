// Which help topic F1 opens in each command step.
#pragma once

namespace vantro {

// The help context of a command mode, or 0 when the step has none.
int HelpContextFor(int mode);

}  // namespace vantro
