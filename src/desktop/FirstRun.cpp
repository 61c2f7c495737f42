#include "desktop/FirstRun.h"

#include "desktop/DesktopRegistration.h"
#include "files/ProgramFiles.h"

namespace vantro {

bool IsFirstRun(const std::filesystem::path& settingsFile)
{
    std::error_code error;
    return !std::filesystem::exists(settingsFile, error) && !error;
}

void GreetFirstRun(UserDialogs& dialogs, const std::filesystem::path& executable, const DesktopFolders& folders,
                   const std::function<void(const std::filesystem::path&)>& openFile)
{
    if (dialogs.Ask(kFirstRunQuestion, QuestionButtons::YesNo) != DialogAnswer::Yes) return;
    const RegistrationReport report = RegisterDesktopLauncher(executable, folders);
    // The greeting says the launcher is there only when it is.
    dialogs.ShowMessage(report.NotWritten.empty() ? kFirstRunGreeting : kFirstRunGreetingWithoutLauncher);
    if (const std::string problems = ReportMessage(report); !problems.empty()) dialogs.ShowMessage(problems);
    // As on the desktop the program comes from, a readme that cannot be opened is not reported.
    if (const auto readme = FindProgramFile(executable.parent_path(), kReadmeFileName)) openFile(*readme);
}

}  // namespace vantro
