// The "Papファイル" submenu: pap files read into a new drawing and written from its lines, arcs
// and circles.
#include "ui/MainWindow.h"

#include "document/Maintenance.h"
#include "files/FileSystem.h"
#include "files/PapFile.h"
#include "ui/LayerPanel.h"
#include "ui/WaitCursor.h"

#include <QAction>
#include <QMenu>

namespace vantro {

void TForm1::AddPapMenu(QMenu* file)
{
    QMenu* pap = file->addMenu(QStringLiteral("Papファイル"));
    pap->setObjectName(QStringLiteral("MenuPap"));
    connect(AddAction(pap, QStringLiteral("MenuPapOpen"), QStringLiteral("開く")), &QAction::triggered, this, [this] {
        CancelCommand();
        PapOpenCommand();
    });
    connect(AddAction(pap, QStringLiteral("MenuPapSave"), QStringLiteral("保存")), &QAction::triggered, this,
            [this] { PapSaveCommand(); });
}

bool TForm1::PapOpenCommand()
{
    if (!MayReplaceDrawing(drawing_, *dialogs_, false)) return false;
    const auto chosen = dialogs_->ChooseOpenFile(settings_.CadFolder, kPapFileFilter);
    return chosen && OpenPapFile(*chosen);
}

bool TForm1::OpenPapFile(const std::string& path)
{
    PapReadResult result;
    {
        const WaitCursor wait;
        result = ReadPapFile(PathFromUtf8(path), drawing_, &settings_.LayerNames);
    }
    layerPanel_->Refresh();
    layerPanel_->SetTab(0);
    RedrawAll(true);
    if (!result.Ok) dialogs_->ShowMessage(result.Message);
    if (result.Skipped > 0) dialogs_->ShowMessage(SkippedPapRecordsMessage(result.Skipped));
    return result.Ok;
}

bool TForm1::PapSaveCommand()
{
    const auto chosen = dialogs_->ChooseSaveFile(settings_.CadFolder, kPapFileFilter);
    if (!chosen) return false;
    const std::filesystem::path path = WithPapExtension(PathFromUtf8(*chosen));
    std::error_code error;
    if (std::filesystem::exists(path, error) &&
        !IsAffirmative(dialogs_->Ask(OverwriteQuestion(Utf8FromPath(path)), QuestionButtons::YesCancel)))
        return false;
    WriteResult result;
    {
        const WaitCursor wait;
        result = WritePapFile(path, drawing_);
    }
    if (!result.Ok) dialogs_->ShowMessage(result.Message);
    return result.Ok;
}

}  // namespace vantro
