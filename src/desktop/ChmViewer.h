// "Cadhelp.chm" opened with a CHM viewer installed on the desktop, at a help context where the
// viewer takes one; and the choice between it, the help built into the program and the message
// that there is no help.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantro {

struct ChmViewer {
    std::string Program;           // absolute path
    bool TakesContext = false;     // opens a file at a context number
};

// The first of the known viewers found on the PATH.
std::optional<ChmViewer> FindChmViewer();

std::vector<std::string> ChmViewerArguments(const ChmViewer& viewer, const std::filesystem::path& file, int context);

// Starts the viewer and returns at once; false when it could not be started.
bool StartChmViewer(const ChmViewer& viewer, const std::filesystem::path& file, int context);

enum class HelpRoute { ChmViewer, BuiltIn, Missing };

// The help file with a viewer first; else the built-in help when it has the context's entry;
// the missing-file message only when neither is there.
HelpRoute ChooseHelpRoute(bool helpFileFound, bool viewerFound, bool builtInHasEntry);

}  // namespace vantro
