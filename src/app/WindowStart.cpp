#include "app/WindowStart.h"

#include "desktop/FirstRun.h"
#include "subwindow/SecondaryWindow.h"
#include "ui/MainWindow.h"

#include <QTimer>

namespace vantro {

bool StartWindow(TForm1& window, const WindowStart& start)
{
    if (!start.SettingsMessage.empty()) window.Dialogs().ShowMessage(start.SettingsMessage);
    // The settings file written when the window closes makes the next start an ordinary one.
    if (start.FirstRun) GreetFirstRun(window.Dialogs(), start.Executable, start.Desktop, start.OpenReadme);
    // Work a killed program left in its backup comes first; when it is taken up, it stands in for
    // the drawing named on the command line.
    const bool recovered = window.StartAutoSave(start.ProgramFolder);
    if (recovered || !start.Input.ends_with(".dca")) return false;
    QTimer::singleShot(0, &window, [&window, input = start.Input] { window.OpenDrawing(input); });
    return true;
}

void ConnectSecondaryWindow(TForm1& window, const std::filesystem::path& undoFolder,
                            std::unique_ptr<TFormCAD2>& secondary)
{
    window.SetSecondaryWindowOpener([&window, undoFolder, &secondary] {
        if (!secondary) secondary = std::make_unique<TFormCAD2>(window, undoFolder);
        secondary->show();
        secondary->raise();
    });
}

}  // namespace vantro
