// The three registrations of the settings menu's "ショートカットの登録": a launcher on the desktop,
// the program and its help in the desktop's menu, and .dca drawings opened by the program. They
// write freedesktop files under the user's XDG folders and tell the desktop with its own tools.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vantro {

struct RegistrationReport {
    std::vector<std::filesystem::path> Written;
    std::vector<std::filesystem::path> NotWritten;
    std::vector<std::string> MissingTools;  // not installed: the files are there, the desktop learns later
    std::vector<std::string> FailedTools;
};

// The folders the registrations write to, from the environment as the desktop sees it.
struct DesktopFolders {
    std::filesystem::path Desktop;   // $XDG_DESKTOP_DIR (user-dirs.dirs), else ~/Desktop
    std::filesystem::path DataHome;  // $XDG_DATA_HOME, else ~/.local/share
};
DesktopFolders CurrentDesktopFolders();

// executable: the running program's absolute path; its folder is the working folder and where
// the icon and the help are looked up (ProgramFiles.h).
// "VantroCad.desktop" on the desktop, marked executable so that the desktop starts it.
RegistrationReport RegisterDesktopLauncher(const std::filesystem::path& executable, const DesktopFolders& folders);
// "vantrocad.desktop" and, when the HTML help is there, "vantrocad-help.desktop" in the menu.
RegistrationReport RegisterMenuEntries(const std::filesystem::path& executable, const DesktopFolders& folders);
// The MIME type of *.dca with the program's icon, the program's menu entry, and the program as the
// type's default application.
RegistrationReport RegisterDrawingType(const std::filesystem::path& executable, const DesktopFolders& folders);

// What the user is told: files that could not be written, tools missing or failed. Empty when all
// went well.
std::string ReportMessage(const RegistrationReport& report);

}  // namespace vantro
