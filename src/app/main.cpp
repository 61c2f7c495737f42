// Program entry: the main window, or a conversion or description without one.
#include "Version.h"
#include "app/CommandLine.h"
#include "app/Headless.h"
#include "app/ScriptRunner.h"
#include "app/WindowStart.h"
#include "desktop/DesktopRegistration.h"
#include "desktop/FirstRun.h"
#include "files/SettingsFile.h"
#include "subwindow/SecondaryWindow.h"
#include "ui/MainWindow.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QIcon>
#include <QUrl>

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

// Qt aborts when it cannot reach a display; say so plainly instead.
bool HasDisplay()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

std::filesystem::path ToPath(const QString& text) { return std::filesystem::path(text.toStdU16String()); }

std::filesystem::path ProgramFolderFor(const vantro::CommandLine& line)
{
    const std::filesystem::path overrideDir = line.ProgramFolder ? std::filesystem::path(*line.ProgramFolder) : std::filesystem::path();
    return vantro::ProgramFolder(ToPath(QCoreApplication::applicationDirPath()), overrideDir);
}

std::filesystem::path SettingsFileFor(const vantro::CommandLine& line)
{
    return vantro::SettingsFilePath(ProgramFolderFor(line));
}

int RunHeadless(int argc, char** argv, const vantro::CommandLine& line)
{
    // Painting texts needs the font machinery, but never a window or a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    vantro::Settings settings;
    const vantro::SettingsFileLoad loaded = vantro::LoadSettingsFile(SettingsFileFor(line), settings);
    if (!loaded.Message.empty()) std::cerr << "VantroCad: " << loaded.Message << '\n';
    if (line.What == vantro::CommandLine::Action::Info) return vantro::RunInfo(line, std::cout, std::cerr);
    return vantro::RunConvert(line, settings, std::cerr);
}

int RunWindow(int argc, char** argv, const vantro::CommandLine& line)
{
    if (!HasDisplay()) {
        std::cerr << "VantroCad: 画面（ディスプレイ）に接続できません。DISPLAY を設定して起動して下さい。\n";
        return 2;
    }
    QApplication application(argc, argv);
    vantro::InstallJapaneseTranslations(application);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vantrocad.png")));
    // Ties the windows to the menu entry, so the desktop shows the entry's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("vantrocad"));
    const std::filesystem::path settingsFile = SettingsFileFor(line);
    const bool firstRun = vantro::IsFirstRun(settingsFile);
    vantro::Settings settings;
    const vantro::SettingsFileLoad loaded = vantro::LoadSettingsFile(settingsFile, settings);
    // A settings file that could not be read is never written: the user is told once, here.
    vantro::TForm1 window(std::move(settings), loaded.Writable ? settingsFile : std::filesystem::path());
    std::unique_ptr<vantro::TFormCAD2> secondary;
    vantro::ConnectSecondaryWindow(window, settingsFile.parent_path(), secondary);
    window.show();
    // The frame is known once the window is shown; the window then fills the screen's work area.
    QCoreApplication::processEvents();
    window.FitToWorkArea();
    vantro::StartWindow(window, {.SettingsMessage = loaded.Message,
                                 .FirstRun = firstRun,
                                 .Executable = ToPath(QCoreApplication::applicationFilePath()),
                                 .Desktop = vantro::CurrentDesktopFolders(),
                                 .OpenReadme = [](const std::filesystem::path& file) {
                                     QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdU16String(file.u16string())));
                                 },
                                 .ProgramFolder = ProgramFolderFor(line),
                                 .Input = line.Input});
    return QApplication::exec();
}

// A script runs in the real window, shown on no screen; it never writes the settings file.
int RunScriptFile(int argc, char** argv, const vantro::CommandLine& line)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    vantro::InstallJapaneseTranslations(application);
    std::string reason;
    const auto lines = vantro::ReadScriptFile(line.Script, reason);
    if (!lines) {
        std::cerr << line.Script << ":0: " << reason << '\n';
        return 1;
    }
    vantro::Settings settings;
    const vantro::SettingsFileLoad loaded = vantro::LoadSettingsFile(SettingsFileFor(line), settings);
    if (!loaded.Message.empty()) std::cerr << "VantroCad: " << loaded.Message << '\n';
    vantro::TForm1 window(std::move(settings));
    std::unique_ptr<vantro::TFormCAD2> secondary;
    vantro::ConnectSecondaryWindow(window, std::filesystem::temp_directory_path(), secondary);
    window.show();
    QCoreApplication::processEvents();
    const auto failure = vantro::RunScript(window, line.Input, *lines, std::cerr);
    window.Document().Saved = true;
    if (!failure) return 0;
    std::cerr << line.Script << ':' << failure->Line << ": " << failure->Reason << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const vantro::CommandLine line = vantro::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!line.Error.empty()) {
        std::cerr << "VantroCad: " << line.Error << '\n' << vantro::UsageText();
        return 2;
    }
    switch (line.What) {
    case vantro::CommandLine::Action::Help:
        std::cout << "VantroCad " << VANTRO_VERSION << '\n' << vantro::UsageText();
        return 0;
    case vantro::CommandLine::Action::Convert:
    case vantro::CommandLine::Action::Info:
        return RunHeadless(argc, argv, line);
    case vantro::CommandLine::Action::Script:
        return RunScriptFile(argc, argv, line);
    default:
        return RunWindow(argc, argv, line);
    }
}
