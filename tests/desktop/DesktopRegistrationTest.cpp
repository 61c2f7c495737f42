#include "desktop/DesktopEntries.h"
#include "desktop/DesktopRegistration.h"
#include "support/TemporaryDesktop.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace vantro {
namespace {

using testing::ReadBytes;
using testing::ScopedEnvironment;
using testing::ScratchFolder;
using testing::TemporaryDesktop;
using testing::WriteBytes;

// What a tool prints, with the test's environment.
std::string ToolOutput(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60'000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed().toStdString();
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class DesktopRegistration : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktop.AddProgramFile("vantrocad.png", "\x89PNG icon");
        desktop.AddProgramFile("cad_help.htm", "<html></html>");
    }
    DesktopFolders Folders() const { return CurrentDesktopFolders(); }

    TemporaryDesktop desktop;
};

TEST_F(DesktopRegistration, FoldersFollowTheEnvironment)
{
    EXPECT_EQ(Folders().Desktop, desktop.Home() / "Desktop");
    EXPECT_EQ(Folders().DataHome, desktop.DataHome());
    // A desktop folder of another name, as a localised desktop names it.
    std::filesystem::create_directories(desktop.ConfigHome());
    WriteBytes(desktop.ConfigHome() / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/デスクトップ\"\n");
    EXPECT_EQ(Folders().Desktop, desktop.Home() / "デスクトップ");
}

TEST_F(DesktopRegistration, TheLauncherIsAnExecutableEntryOnTheDesktop)
{
    const RegistrationReport report = RegisterDesktopLauncher(desktop.Executable(), Folders());
    const std::filesystem::path launcher = desktop.Home() / "Desktop" / "VantroCad.desktop";
    ASSERT_EQ(report.Written, std::vector{launcher});
    EXPECT_TRUE(report.NotWritten.empty());
    const std::string text = ReadBytes(launcher);
    EXPECT_TRUE(Contains(text, "\nExec=\"" + desktop.Executable().string() + "\" %f\n")) << text;
    EXPECT_TRUE(Contains(text, "\nPath=" + desktop.ProgramFolder().string() + "\n"));
    EXPECT_TRUE(Contains(text, "\nIcon=" + (desktop.ProgramFolder() / "vantrocad.png").string() + "\n"));
    const auto permissions = std::filesystem::status(launcher).permissions();
    EXPECT_NE(permissions & std::filesystem::perms::owner_exec, std::filesystem::perms::none);
    EXPECT_EQ(ReportMessage(report), "");
}

TEST_F(DesktopRegistration, TheMenuGetsTheProgramAndItsHelp)
{
    const RegistrationReport report = RegisterMenuEntries(desktop.Executable(), Folders());
    const std::filesystem::path applications = desktop.DataHome() / "applications";
    EXPECT_TRUE(report.MissingTools.empty());
    EXPECT_TRUE(report.FailedTools.empty());
    EXPECT_TRUE(Contains(ReadBytes(applications / "vantrocad.desktop"), "\nName=VantroCad\n"));
    const std::string help = ReadBytes(applications / "vantrocad-help.desktop");
    EXPECT_TRUE(Contains(help, "\nExec=xdg-open \"" + (desktop.ProgramFolder() / "cad_help.htm").string() + "\"\n"))
        << help;
    // update-desktop-database ran over the folder.
    EXPECT_TRUE(Contains(ReadBytes(applications / "mimeinfo.cache"), "application/x-vantrocad-drawing=vantrocad.desktop;"));

    // Without the HTML help there is no help entry to make.
    std::filesystem::remove(desktop.ProgramFolder() / "cad_help.htm");
    std::filesystem::remove(applications / "vantrocad-help.desktop");
    EXPECT_EQ(RegisterMenuEntries(desktop.Executable(), Folders()).Written,
              std::vector{applications / "vantrocad.desktop"});
}

TEST_F(DesktopRegistration, DrawingsOpenWithTheProgram)
{
    const RegistrationReport report = RegisterDrawingType(desktop.Executable(), Folders());
    EXPECT_TRUE(report.NotWritten.empty());
    EXPECT_TRUE(report.MissingTools.empty());
    EXPECT_TRUE(report.FailedTools.empty());
    EXPECT_EQ(ReadBytes(desktop.DataHome() / "mime" / "packages" / "vantrocad.xml"), MimeTypeXml());
    // Case-sensitive, as the program opens only a ".dca" named at start-up: "X.DCA" is not offered to it.
    EXPECT_TRUE(Contains(ReadBytes(desktop.DataHome() / "mime" / "globs2"), "application/x-vantrocad-drawing:*.dca:cs"));
    EXPECT_EQ(ReadBytes(desktop.DataHome() / "icons" / "hicolor" / "256x256" / "apps" / "vantrocad.png"), "\x89PNG icon");
    EXPECT_TRUE(Contains(ReadBytes(desktop.ConfigHome() / "mimeapps.list"),
                         "application/x-vantrocad-drawing=vantrocad.desktop"));
    EXPECT_EQ(ToolOutput("xdg-mime", {"query", "default", "application/x-vantrocad-drawing"}), "vantrocad.desktop");
}

TEST_F(DesktopRegistration, AMissingToolIsReportedAndTheFilesAreWrittenAllTheSame)
{
    ScratchFolder noTools;
    ScopedEnvironment path("PATH", noTools.Path().string());
    const RegistrationReport report = RegisterDrawingType(desktop.Executable(), Folders());
    EXPECT_EQ(report.MissingTools, (std::vector<std::string>{"update-mime-database", "update-desktop-database", "xdg-mime"}));
    EXPECT_TRUE(report.NotWritten.empty());
    EXPECT_TRUE(std::filesystem::exists(desktop.DataHome() / "applications" / "vantrocad.desktop"));
    EXPECT_TRUE(std::filesystem::exists(desktop.DataHome() / "mime" / "packages" / "vantrocad.xml"));
    const std::string message = ReportMessage(report);
    EXPECT_TRUE(Contains(message, "ツール xdg-mime が見つからないため")) << message;
    EXPECT_TRUE(Contains(message, "xdg-utils")) << message;
}

TEST_F(DesktopRegistration, AFileThatCannotBeWrittenIsReported)
{
    // A file where the desktop folder should be.
    WriteBytes(desktop.Home() / "Desktop", "not a folder");
    const RegistrationReport report = RegisterDesktopLauncher(desktop.Executable(), Folders());
    EXPECT_TRUE(report.Written.empty());
    ASSERT_EQ(report.NotWritten.size(), 1u);
    EXPECT_TRUE(Contains(ReportMessage(report), "ファイルを書き込めませんでした: " + report.NotWritten.front().string()));
}

}  // namespace
}  // namespace vantro
