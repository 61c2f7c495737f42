// Conversions and descriptions of drawings without a window.
#pragma once

#include "app/CommandLine.h"
#include "files/Settings.h"

#include <ostream>

namespace vantro {

// Each returns the process exit code: 0 on success, 1 with a message on `errors` otherwise. No
// partial output file is ever left behind.
int RunConvert(const CommandLine& line, const Settings& settings, std::ostream& errors);
int RunInfo(const CommandLine& line, std::ostream& out, std::ostream& errors);

}  // namespace vantro
