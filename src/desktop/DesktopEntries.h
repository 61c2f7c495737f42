// The texts of the freedesktop files that stand in for the Windows shortcuts and the registry's
// file association: desktop entries and the MIME type of drawing files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantro {

inline constexpr std::string_view kDrawingMimeType = "application/x-vantrocad-drawing";
inline constexpr std::string_view kIconName = "vantrocad";
// The desktop ID of the program's menu entry, which the file association names.
inline constexpr std::string_view kProgramEntryFileName = "vantrocad.desktop";
inline constexpr std::string_view kHelpEntryFileName = "vantrocad-help.desktop";
// The shortcut on the desktop.
inline constexpr std::string_view kLauncherFileName = "VantroCad.desktop";
inline constexpr std::string_view kMimeFileName = "vantrocad.xml";

struct DesktopEntry {
    std::string Name;
    std::string Comment;
    std::vector<std::string> Exec;  // program and arguments, written quoted
    bool OpensDrawings = false;     // the program takes a drawing file (%f) and is offered for .dca
    std::string Path;               // working folder; empty for none
    std::string Icon;               // a theme name or an absolute path
};

// The program's entry; program is an absolute path, or the bare name for an installed copy found
// on the PATH.
DesktopEntry ProgramEntry(const std::string& program, const std::string& folder, const std::string& icon);
// "CADヘルプ": the HTML help opened with the desktop's browser.
DesktopEntry HelpEntry(const std::string& helpFile, const std::string& icon);

std::string DesktopEntryText(const DesktopEntry& entry);

// The Exec key's value: each argument quoted when it holds a reserved character, then escaped as
// a string value.
std::string ExecValue(const std::vector<std::string>& arguments);

std::string MimeTypeXml();

}  // namespace vantro
