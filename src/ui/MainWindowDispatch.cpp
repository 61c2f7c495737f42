// The translation between the widgets and the command steps: a snapshot of the entry fields and
// option boxes goes in, and what the step asks for comes back out into the widgets.
#include "ui/MainWindow.h"

#include "commands/Dispatch.h"
#include "commands/SelectionSteps.h"
#include "commands/ToolButtonTable.h"
#include "ui/CanvasWidget.h"
#include "ui/ChooserDialog.h"
#include "ui/DimensionControls.h"
#include "ui/TextDialog.h"
#include "view/ElementPainter.h"
#include "view/QPainterSurface.h"

#include <QCheckBox>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace vantro {
namespace {

std::string TextOf(const QLineEdit* field) { return field->text().toStdString(); }

}  // namespace

EntrySnapshot TForm1::Snapshot() const
{
    EntrySnapshot entries;
    entries.X = TextOf(editX_);
    entries.Y = TextOf(editY_);
    entries.R = TextOf(editR_);
    entries.XShown = editX_->isVisibleTo(this);
    entries.YShown = editY_->isVisibleTo(this);
    entries.RShown = editR_->isVisibleTo(this);
    entries.Integer = checkBoxInt_->isChecked();
    entries.RadiusLocked = checkBoxLock_->isChecked();
    entries.SnapLocked = checkBoxLock2_->isChecked();
    entries.CentreCross = checkBoxCrCenter_->isChecked();
    entries.GroupPick = checkBoxGrp_->isChecked();
    entries.Dimension = dimensionControls_->Options();
    return entries;
}

CommandContext TForm1::MakeContext()
{
    return CommandContext{.Document = drawing_,
                          .State = command_,
                          .View = view_,
                          .Dialogs = *dialogs_,
                          .Index = *elementIndex_,
                          .Preferences = settings_,
                          .FillsShown = fillsShown_,
                          .Attributes = Attributes(),
                          .Entries = Snapshot(),
                          .Text = TextContent(),
                          .Choose = [this](const std::vector<int>& candidates) { return ChooseElement(candidates); },
                          .Result = {}};
}

void TForm1::ApplyStepResult(const StepResult& result)
{
    if (result.Prompt) SetPrompt(QString::fromStdString(*result.Prompt));
    const std::pair<QLineEdit*, const std::optional<std::string>*> texts[] = {
        {editX_, &result.X}, {editY_, &result.Y}, {editR_, &result.R}};
    for (const auto& [field, text] : texts)
        if (*text) field->setText(QString::fromStdString(**text));
    const std::pair<QLineEdit*, const std::optional<bool>*> shown[] = {
        {editX_, &result.ShowX}, {editY_, &result.ShowY}, {editR_, &result.ShowR}};
    for (const auto& [field, visible] : shown)
        if (*visible) field->setVisible(**visible);
    if (result.LabelR) labelR_->setText(QString::fromStdString(*result.LabelR));
    if (result.SnapLock) checkBoxLock2_->setChecked(*result.SnapLock);
    if (result.MultiPanel) {
        panelMulti_->setVisible(*result.MultiPanel);
        if (*result.MultiPanel) {
            panelMulti_->raise();
            buttonMulti_->setFocus();
        }
    }
    if (result.Transient) ShowTransientMessage(QString::fromStdString(*result.Transient));
    switch (result.Focus) {
    case EntryFocus::Keep: break;
    case EntryFocus::Canvas: panelCad2_->setFocus(); break;
    case EntryFocus::X: FocusEntry(editX_); break;
    case EntryFocus::Y: FocusEntry(editY_); break;
    case EntryFocus::R: FocusEntry(editR_); break;
    }
    if (result.WarpTo) MovePointerTo(*result.WarpTo);
    if (result.PressButtonOf != 0) {
        if (const ToolButtonRow* row = FindToolButton(result.PressButtonOf))
            toolButtons_[QString::fromUtf8(row->Name)]->setChecked(true);
    }
    if (result.ViewOrigin) Pan(view_, result.ViewOrigin->X - view_.OriginX, result.ViewOrigin->Y - view_.OriginY);
    if (result.PaintFill) PaintFillLine(*result.PaintFill);
    if (result.DrawHatchTrace) DrawHatchTrace();
    if (result.Repaint) RedrawAll(true);
    else if (result.RepaintEdited) RedrawAll(settings_.ClsChk == 1);
    DrawMarkers(result.Markers);
    if (result.Cancel) CancelCommand();
    else if (result.ReopenTextDialog) ShowTextDialog();
    else if (result.OpenProperties) ShowProperties();
    UpdateEditActions();
}

void TForm1::DispatchClick(int x, int y, int shift)
{
    // The step may draw where the rubber band is; the band must go first or its next erase would
    // invert what the step drew.
    ErasePreview();
    CommandContext ctx = MakeContext();
    vantro::DispatchClick(ctx, {x, y, shift});
    ApplyStepResult(ctx.Result);
}

void TForm1::DispatchEnter()
{
    CommandContext ctx = MakeContext();
    vantro::DispatchEnter(ctx);
    ApplyStepResult(ctx.Result);
}

void TForm1::EnterPressed(QLineEdit* field)
{
    ErasePreview();
    CommandContext ctx = MakeContext();
    PressEnter(ctx, field == editX_ ? EntryField::X : field == editY_ ? EntryField::Y : EntryField::R);
    ApplyStepResult(ctx.Result);
}

void TForm1::ConfirmSelection()
{
    CommandContext ctx = MakeContext();
    vantro::ConfirmSelection(ctx);
    ApplyStepResult(ctx.Result);
}

void TForm1::InvertSelection()
{
    CommandContext ctx = MakeContext();
    InvertSelectionStep(ctx);
    ApplyStepResult(ctx.Result);
}

void TForm1::MovePointerTo(Point world)
{
    const CanvasPoint pixel = WorldToCanvas(view_, world.X, world.Y);
    QCursor::setPos(canvas_->mapToGlobal(QPoint(pixel.X, pixel.Y)));
}

void TForm1::SetChooserRunner(std::function<bool(TFormGet&)> runner) { runChooser_ = std::move(runner); }

int TForm1::ChooseElement(const std::vector<int>& candidates)
{
    TFormGet chooser(drawing_, [this](int index, bool highlighted) { DrawCandidate(index, highlighted); }, this);
    chooser.move(canvas_->mapToGlobal(QPoint(0, 0)));
    chooser.Begin(candidates);
    const bool chosen = runChooser_ ? runChooser_(chooser) : chooser.exec() == QDialog::Accepted;
    chooser.End();
    if (chosen) return chooser.CurrentIndex();
    RedrawAll(true);
    return -1;
}

// The chooser's current candidate: the selection colour merged over the canvas, or drawn as usual.
void TForm1::DrawCandidate(int index, bool highlighted)
{
    if (!highlighted) {
        DrawElement(index);
        return;
    }
    QPainterSurface surface(canvas_->Image());
    const PaintSettings settings = CurrentPaintSettings();
    DrawElementMerged({surface, view_, drawing_, settings}, index);
    canvas_->update();
}

}  // namespace vantro
