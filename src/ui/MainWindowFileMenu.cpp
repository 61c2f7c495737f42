// The file menu's recently used drawing files (file7..file12) and the tool panel's file buttons.
#include "ui/MainWindow.h"

#include "document/Maintenance.h"
#include "files/FileSystem.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace vantro {

void TForm1::AddRecentFileItems(QMenu* file)
{
    file->addSeparator();
    for (size_t slot = 0; slot < recentFileItems_.size(); ++slot) {
        QAction* item = AddAction(file, QStringLiteral("file%1").arg(slot + 7), QString());
        connect(item, &QAction::triggered, this, [this, slot] { OpenRecentFile(slot); });
        recentFileItems_[slot] = item;
    }
    RefreshRecentFileItems();
}

void TForm1::ConnectFileButtons(QAction* open, QAction* saveAs, QAction* save)
{
    for (const auto& [name, action] : {std::pair{"SpeedButtonOpen", open}, std::pair{"SpeedButtonSave", saveAs},
                                       std::pair{"SpeedButtonSave2", save}})
        connect(toolButtons_[QString::fromUtf8(name)], &QToolButton::clicked, action, &QAction::trigger);
}

void TForm1::RefreshRecentFileItems()
{
    for (size_t slot = 0; slot < recentFileItems_.size(); ++slot) {
        const QString path = QString::fromStdString(settings_.RecentFiles[slot]);
        // An "&" in a path is shown as itself, not as a mnemonic.
        recentFileItems_[slot]->setText(QString(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
        recentFileItems_[slot]->setVisible(!path.isEmpty());
    }
}

void TForm1::RememberRecentFile(const std::string& path)
{
    // A path given relative to the working folder (on the command line) would not be found from
    // the next start's.
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(PathFromUtf8(path), error).lexically_normal();
    AddRecentFile(settings_.RecentFiles, error ? path : Utf8FromPath(full));
    RefreshRecentFileItems();
}

void TForm1::OpenRecentFile(size_t slot)
{
    const std::string path = settings_.RecentFiles[slot];
    if (path.empty()) return;
    CancelCommand();
    std::error_code error;
    if (!std::filesystem::exists(PathFromUtf8(path), error)) {
        dialogs_->ShowMessage(kRecentFileMissingMessage);
        RemoveRecentFile(settings_.RecentFiles, path);
        RefreshRecentFileItems();
        return;
    }
    // Reopening asks even about a saved drawing: the choice may have been a slip.
    if (MayReplaceDrawing(drawing_, *dialogs_, true)) OpenDrawing(path);
}

}  // namespace vantro
