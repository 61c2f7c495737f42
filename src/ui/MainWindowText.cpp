// The text command: the dialog takes the lines, the mouse shows them where a click will put them,
// the click stores them, and the dialog comes back for the next text.
#include "ui/MainWindow.h"

#include "commands/StepTable.h"
#include "files/SettingsFile.h"
#include "ui/CanvasWidget.h"
#include "ui/TextDialog.h"
#include "view/QPainterSurface.h"
#include "view/QtText.h"

#include <QPainter>

#include <cmath>

namespace vantro {

void TForm1::SetTextDialogRunner(std::function<bool(TTextDialog&)> runner) { runTextDialog_ = std::move(runner); }

void TForm1::StartTextCommand()
{
    textBacking_ = canvas_->Image().copy();
    if (!textDialog_) textDialog_ = std::make_unique<TTextDialog>(settings_, *dialogs_, this);
    ShowTextDialog();
}

void TForm1::ShowTextDialog()
{
    // Beside the tool panel, at its top: over the canvas's corner, never off the window.
    textDialog_->move(panelCad_->mapToGlobal(QPoint(panelCad_->width(), 0)));
    textDialog_->Activate(settings_.FormColor);
    const bool accepted = runTextDialog_ ? runTextDialog_(*textDialog_) : textDialog_->exec() == QDialog::Accepted;
    if (!textDialog_->ChosenFace().empty() && textDialog_->ChosenFace() != settings_.TextName) {
        settings_.TextName = textDialog_->ChosenFace();
        StoreSettings(WriteSettings);
    }
    if (!accepted) CancelCommand();
}

void TForm1::EndTextDialog()
{
    if (!textDialog_) return;
    textDialog_->Remember(settings_);
    StoreSettings(WriteTextDialogSettings);
    textDialog_.reset();
}

TextEntry TForm1::TextContent() const
{
    if (!textDialog_) return {};
    return {textDialog_->Lines(), static_cast<double>(textDialog_->TextHeight()), textDialog_->TextColour()};
}

bool TForm1::ShowsTextPlacement(uint16_t mode) const
{
    const StepRow* row = FindStep(mode);
    return row != nullptr && row->Preview == PreviewShape::TextPlacement;
}

// The canvas as it was before the lines followed the mouse.
void TForm1::RestoreTextBacking()
{
    if (textBacking_.size() != canvas_->Image().size()) return;
    QPainter painter(&canvas_->Image());
    painter.drawImage(0, 0, textBacking_);
    canvas_->update();
}

void TForm1::DrawTextPlacement(CanvasPoint mouse)
{
    if (!textDialog_) return;
    const int f = static_cast<int>(std::nearbyint(std::abs(textDialog_->TextHeight() * ViewScale(view_))));
    if (f == 0) return;
    RestoreTextBacking();
    QPainterSurface surface(canvas_->Image());
    surface.SetFont({ToQString(settings_.TextName), f, 0, textDialog_->TextColour()});
    const int step = static_cast<int>(std::nearbyint(1.1 * f));
    int y = mouse.Y;
    for (const std::string& line : textDialog_->Lines()) {
        surface.TextOut(mouse.X, y, ToQString(line));
        y += step;
    }
    surface.Flush();
    drawnPreview_.Shape = PreviewShape::TextPlacement;
    previewOn_ = true;
    canvas_->update();
}

}  // namespace vantro
