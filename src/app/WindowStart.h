// What the main window does once it is on screen: the settings file's complaint, the first-run
// greeting, the backup a killed program left, and the drawing named on the command line, in that
// order; and the secondary window behind its tool button.
#pragma once

#include "desktop/DesktopRegistration.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace vantro {

class TForm1;
class TFormCAD2;

struct WindowStart {
    std::string SettingsMessage;          // why the settings file could not be read, or empty
    bool FirstRun = false;                // no settings file yet
    std::filesystem::path Executable;     // the running program, for the desktop launcher
    DesktopFolders Desktop;
    std::function<void(const std::filesystem::path&)> OpenReadme;
    std::filesystem::path ProgramFolder;  // where the auto-save backup is kept
    std::string Input;                    // the file named on the command line
};

// Returns whether the drawing named on the command line will be opened: once the event loop runs,
// and only a ".dca" that no recovered backup stands in for.
bool StartWindow(TForm1& window, const WindowStart& start);

// SpeedButton20: the secondary drawing window, made on its first use and kept in secondary.
void ConnectSecondaryWindow(TForm1& window, const std::filesystem::path& undoFolder,
                            std::unique_ptr<TFormCAD2>& secondary);

}  // namespace vantro
