// The edit menu's clipboard commands, the element information dialog and the real-time display.
#include "ui/MainWindow.h"

#include "commands/Clipboard.h"
#include "commands/Dispatch.h"
#include "commands/ElementProperties.h"
#include "commands/Selection.h"
#include "document/ElementStore.h"
#include "document/TextLimit.h"
#include "document/UndoHistory.h"
#include "ui/CanvasWidget.h"
#include "ui/PropertyDialog.h"
#include "view/ElementIndex.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

namespace vantro {

void TForm1::UpdateEditActions()
{
    const bool selection = command_.SelectionCount != 0;
    const bool buffered = !clipboard_.Records.empty();
    for (const auto& [name, enabled] : {std::pair{"menuCut", selection}, std::pair{"menuCopy", selection},
                                        std::pair{"menuDel", selection}, std::pair{"menuPest1", buffered},
                                        std::pair{"menuPest2", buffered}})
        editActions_[QString::fromUtf8(name)]->setEnabled(enabled);
}

void TForm1::CopySelectionToClipboard()
{
    CopySelection(drawing_, clipboard_, true);
    command_.SelectionCount = 0;
    SetPrompt(QString());
    RedrawAll(true);
    UpdateEditActions();
}

void TForm1::CutSelectionToClipboard()
{
    CopySelection(drawing_, clipboard_, false);
    DeleteSelection();
    UpdateEditActions();
}

void TForm1::PasteFromClipboard(bool keepLayers)
{
    if (clipboard_.Records.empty()) return;
    CancelCommand();
    ClearRedo(drawing_);
    EndRefusal(drawing_);
    const std::optional<uint8_t> layer = keepLayers ? std::nullopt : std::optional(drawing_.Layers.ActiveLayer);
    const PasteResult pasted = PasteClipboard(drawing_, clipboard_, layer);
    RedrawAll(true);
    if (pasted.CutTexts > 0) dialogs_->ShowMessage(std::to_string(pasted.CutTexts) + kLongTextsCutSuffix);
    if (pasted.Indices.empty() ||
        dialogs_->Ask("貼り付けた図形の位置を修正しますか?", QuestionButtons::YesNo) != DialogAnswer::Yes)
        return;
    // The pasted elements go on as a confirmed window of the move command; it ends itself afterwards.
    command_.Editing.PasteReposition = true;
    for (const int index : pasted.Indices) {
        drawing_[index].Selected = 1;
        DrawElement(index);
    }
    command_.CommandMode = step::kMoveWindow;
    DispatchClick(0, 0, 0);
}

void TForm1::SetPropertyRunner(std::function<bool(TFormPropaty&)> runner) { runProperties_ = std::move(runner); }

void TForm1::ShowProperties()
{
    const PropertySummary summary = SummariseSelection(drawing_);
    if (summary.Seen == 0) return;
    TFormPropaty dialog(summary, drawing_.Layers, *dialogs_, this);
    const bool accepted = runProperties_ ? runProperties_(dialog) : dialog.exec() == QDialog::Accepted;
    if (accepted) {
        ApplyProperties(drawing_, *dialogs_, summary, dialog.Changes());
        RedrawAll(true);
    } else {
        CancelProperties(drawing_, summary);
        RedrawAll(false);
    }
    command_.SelectionCount = 0;
}

void TForm1::ShowRealTimeProperties(int x, int y)
{
    const PickContext pick = PickContextAt(view_, settings_, fillsShown_, x, y);
    const int h = FindElementNear(drawing_, *elementIndex_, pick, 1);
    const RealTimeText text = RealTimeProperties(h > 0 ? &drawing_[h] : nullptr);
    const auto lines = [](const std::string& joined) {
        return QString::fromStdString(joined).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    };
    labelRial_[0]->setText(lines(text.Captions));
    labelRial_[1]->setText(lines(text.Values));
    labelRial_[2]->setText(QString::fromStdString(text.Kind));
}

}  // namespace vantro
