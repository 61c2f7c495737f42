// Runs a command script in the main window: each line becomes the mouse, key or button input a user
// would give, through the same window and command code.
#pragma once

#include "ui/MainWindow.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vantro {

struct ScriptFailure {
    int Line = 0;        // 1-based
    std::string Reason;  // UTF-8
};

// Opens the drawing first when one is named (a failure is line 0), then performs the lines. Messages
// the program shows are written to `messages`. Nothing is returned when every line ran.
std::optional<ScriptFailure> RunScript(TForm1& window, const std::string& drawing, const std::vector<std::string>& lines,
                                       std::ostream& messages);

// The lines of a script file; a reason when it cannot be read (not a regular file, too large).
std::optional<std::vector<std::string>> ReadScriptFile(const std::string& path, std::string& reason);

}  // namespace vantro
