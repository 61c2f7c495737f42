// Runs the desktop's own tools (update-desktop-database, update-mime-database, xdg-mime) with an
// argument list, never through a shell.
#pragma once

#include <string>
#include <vector>

namespace vantro {

enum class ToolOutcome { Ran, Missing, Failed };

// Waits for the tool to end; one that does not end within a minute counts as failed.
ToolOutcome RunDesktopTool(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace vantro
