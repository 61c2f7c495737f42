#include "desktop/DesktopRegistration.h"

#include "desktop/DesktopEntries.h"
#include "desktop/DesktopTools.h"
#include "files/FileSystem.h"
#include "files/ProgramFiles.h"

#include <QStandardPaths>

namespace vantro {
namespace {

std::filesystem::path ToPath(const QString& text) { return std::filesystem::path(text.toStdString()); }

void Write(RegistrationReport& report, const std::filesystem::path& path, std::string_view bytes)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (WriteFileAtomically(path, bytes)) report.Written.push_back(path);
    else report.NotWritten.push_back(path);
}

void Run(RegistrationReport& report, const std::string& program, const std::vector<std::string>& arguments)
{
    switch (RunDesktopTool(program, arguments)) {
    case ToolOutcome::Ran: return;
    case ToolOutcome::Missing: report.MissingTools.push_back(program); return;
    case ToolOutcome::Failed: report.FailedTools.push_back(program); return;
    }
}

// The program's own icon file by its absolute path, which works before any icon theme knows it.
std::string IconFor(const std::filesystem::path& executable)
{
    const auto icon = FindProgramFile(executable.parent_path(), kIconFileName);
    return icon ? icon->string() : std::string(kIconName);
}

std::string ProgramEntryText(const std::filesystem::path& executable)
{
    return DesktopEntryText(ProgramEntry(executable.string(), executable.parent_path().string(), IconFor(executable)));
}

void WriteProgramEntry(RegistrationReport& report, const std::filesystem::path& executable,
                       const std::filesystem::path& applications)
{
    Write(report, applications / kProgramEntryFileName, ProgramEntryText(executable));
}

void CopyIconIntoTheme(RegistrationReport& report, const std::filesystem::path& executable,
                       const DesktopFolders& folders)
{
    const auto icon = FindProgramFile(executable.parent_path(), kIconFileName);
    std::string bytes;
    constexpr size_t kMaxIconBytes = 4 << 20;
    if (!icon || ReadWholeFile(*icon, kMaxIconBytes, bytes) != FileReadStatus::Read) return;
    const std::filesystem::path theme = folders.DataHome / "icons" / "hicolor" / "256x256" / "apps";
    Write(report, theme / (std::string(kIconName) + ".png"), bytes);
}

}  // namespace

DesktopFolders CurrentDesktopFolders()
{
    return {ToPath(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)),
            ToPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))};
}

RegistrationReport RegisterDesktopLauncher(const std::filesystem::path& executable, const DesktopFolders& folders)
{
    RegistrationReport report;
    const std::filesystem::path launcher = folders.Desktop / kLauncherFileName;
    Write(report, launcher, ProgramEntryText(executable));
    std::error_code error;
    using std::filesystem::perms;
    if (!report.Written.empty())
        std::filesystem::permissions(launcher, perms::owner_exec | perms::group_exec | perms::others_exec,
                                     std::filesystem::perm_options::add, error);
    // A launcher the desktop will not start is no launcher.
    if (error) {
        report.Written.clear();
        report.NotWritten.push_back(launcher);
    }
    return report;
}

RegistrationReport RegisterMenuEntries(const std::filesystem::path& executable, const DesktopFolders& folders)
{
    RegistrationReport report;
    const std::filesystem::path applications = folders.DataHome / "applications";
    WriteProgramEntry(report, executable, applications);
    if (const auto help = FindProgramFile(executable.parent_path(), kHtmlHelpFileName))
        Write(report, applications / kHelpEntryFileName, DesktopEntryText(HelpEntry(help->string(), IconFor(executable))));
    Run(report, "update-desktop-database", {applications.string()});
    return report;
}

RegistrationReport RegisterDrawingType(const std::filesystem::path& executable, const DesktopFolders& folders)
{
    RegistrationReport report;
    const std::filesystem::path mime = folders.DataHome / "mime";
    const std::filesystem::path applications = folders.DataHome / "applications";
    Write(report, mime / "packages" / kMimeFileName, MimeTypeXml());
    CopyIconIntoTheme(report, executable, folders);
    WriteProgramEntry(report, executable, applications);
    Run(report, "update-mime-database", {mime.string()});
    Run(report, "update-desktop-database", {applications.string()});
    Run(report, "xdg-mime", {"default", std::string(kProgramEntryFileName), std::string(kDrawingMimeType)});
    return report;
}

std::string ReportMessage(const RegistrationReport& report)
{
    std::vector<std::string> lines;
    for (const std::filesystem::path& path : report.NotWritten)
        lines.push_back("ファイルを書き込めませんでした: " + path.string());
    for (const std::string& tool : report.MissingTools)
        lines.push_back("ツール " + tool + " が見つからないため、デスクトップへの通知を省きました");
    for (const std::string& tool : report.FailedTools) lines.push_back("ツール " + tool + " が失敗しました");
    if (!report.MissingTools.empty())
        lines.emplace_back("(xdg-utils、desktop-file-utils、shared-mime-info のパッケージで入ります)");
    std::string message;
    for (const std::string& line : lines) message += (message.empty() ? "" : "\r\n") + line;
    return message;
}

}  // namespace vantro
