// The program's command line: start the window (optionally with a drawing), or convert and
// describe drawings without one.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantro {

struct CommandLine {
    enum class Action { Window, Help, Convert, Info, Script };
    Action What = Action::Window;
    std::string Input;   // --convert IN, --info FILE, or the drawing the window or a script opens
    std::string Script;  // --script SCRIPT
    std::string Output;  // --convert OUT
    bool VisibleOnly = false;  // --visible-only: a DXF output leaves out hidden layers
    int Width = 1600;    // --size WxH for pictures
    int Height = 1200;
    double Scale = 1;          // --scale F: a PDF prints F times actual size
    std::string Paper = "A4";  // --paper A1..A5, B4, B5
    bool Landscape = false;    // --landscape
    std::optional<std::string> ProgramFolder;  // --program-folder DIR
    std::string Error;                         // UTF-8; set when the arguments make no sense
};

// Options may come in any order.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();

}  // namespace vantro
