// Part files from the main window: "部分保存(&H)" starts the selection that saves them, and
// "追加読込(&B)" merges a part file, or the elements of a drawing file, into the drawing.
#include "ui/MainWindow.h"

#include "commands/StepTable.h"
#include "document/UndoHistory.h"
#include "files/FileSystem.h"
#include "files/PartFile.h"
#include "ui/WaitCursor.h"

#include <QAction>
#include <QMenu>

namespace vantro {

void TForm1::AddPartItems(QMenu* file)
{
    connect(AddAction(file, QStringLiteral("LoadPart"), QStringLiteral("追加読込(&B)")), &QAction::triggered, this,
            [this] {
                CancelCommand();
                LoadPartCommand();
            });
    connect(AddAction(file, QStringLiteral("SavePart"), QStringLiteral("部分保存(&H)")), &QAction::triggered, this,
            [this] { StartPartSave(); });
}

void TForm1::StartPartSave()
{
    const StepRow& row = *FindStep(step::kPartSaveSelect);
    StartCommand(row.Code, row.Layout);
    SetPrompt(QString::fromUtf8(EntryPrompt(row, false)));
}

bool TForm1::LoadPartCommand()
{
    const auto chosen = dialogs_->ChooseOpenFile(settings_.CadFolder, kMergeFileFilter);
    return chosen && MergeFile(*chosen);
}

bool TForm1::MergeFile(const std::string& path)
{
    MergeResult result;
    {
        const WaitCursor wait;
        result = MergeElementFile(PathFromUtf8(path), drawing_);
    }
    // The merged elements carry no undo records; a redo could no longer find its elements.
    if (result.Added > 0) ClearRedo(drawing_);
    RedrawAll(true);
    if (!result.Ok) dialogs_->ShowMessage(result.Message);
    if (result.Skipped > 0) dialogs_->ShowMessage(SkippedMergeMessage(result.Skipped));
    return result.Ok;
}

}  // namespace vantro
