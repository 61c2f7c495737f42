// The rubber band that follows the mouse: each move takes back the shape drawn for the previous
// position and draws the one for the new position, with the inverting pen.
#include "ui/MainWindow.h"

#include "commands/StepTable.h"
#include "geometry/Primitives.h"
#include "ui/CanvasWidget.h"
#include "view/PreviewPainter.h"
#include "view/QPainterSurface.h"

#include <QCheckBox>
#include <QLineEdit>

#include <cmath>

namespace vantro {
namespace {

constexpr const char* kBadRadiusMessage = "半径の数値が不正です。入力しなおして下さい！";

// The angle the rotation steps show: "0.######".
QString AngleText(double degrees)
{
    QString text = QString::number(degrees, 'f', 6);
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}

}  // namespace

PreviewInput TForm1::CurrentPreviewInput(CanvasPoint cursor)
{
    PreviewInput in;
    const StepRow* row = FindStep(command_.CommandMode);
    in.Shape = row != nullptr ? row->Preview : PreviewShape::None;
    in.Anchor = command_.AnchorPixel;
    in.Cursor = cursor;
    in.LastPoint = command_.LastPoint;
    in.InputPoint1 = command_.InputPoint1;
    in.InputPoint2 = command_.InputPoint2;
    in.InputPoint3 = command_.InputPoint3;
    in.FirstPick = command_.FirstPick;
    in.SecondPick = command_.SecondPick;
    in.DiameterVariant = command_.AltVariant;
    in.RadiusLocked = checkBoxLock_->isChecked();
    in.Corners = command_.LastCorners;
    in.Hani = settings_.Hani;
    in.SelectedImage = command_.SelectedImage;
    if (in.Shape == PreviewShape::TypedCircle && in.RadiusLocked && !editR_->text().isEmpty()) {
        const double typed = ParseFloatOr(editR_->text().toStdString(), std::nan(""));
        if (std::isfinite(typed)) {
            in.TypedRadius = typed;
        } else {
            editR_->clear();
            dialogs_->ShowMessage(kBadRadiusMessage);
        }
    }
    return in;
}

std::optional<double> TForm1::DrawPreviewInput(const PreviewInput& input, const Pen& pen)
{
    QPainterSurface surface(canvas_->Image());
    surface.SetPen(pen);
    const PaintSettings settings = CurrentPaintSettings();
    const std::optional<double> shown = DrawPreviewShape({surface, view_, drawing_, settings}, input);
    surface.SetPen({});
    canvas_->update();
    return shown;
}

void TForm1::ShowPreview(CanvasPoint cursor)
{
    if (ShowsTextPlacement(command_.CommandMode)) {
        command_.CursorPixel = cursor;
        DrawTextPlacement(cursor);
        return;
    }
    ErasePreview();
    const StepRow* row = FindStep(command_.CommandMode);
    if (row == nullptr || row->Preview == PreviewShape::None) return;
    command_.CursorPixel = cursor;
    const PreviewInput input = CurrentPreviewInput(cursor);
    // Line previews follow the chosen thickness; the others are drawn thin.
    const Pen pen{0, row->ThinPreview ? 1 : attributes_.Width, kStyleSolid, PenMode::Not};
    const std::optional<double> shown = DrawPreviewInput(input, pen);
    drawnPreview_ = input;
    drawnPreviewPen_ = pen;
    previewOn_ = true;
    if (!shown) return;
    editR_->setText(ShowsRadius(input.Shape) ? QString::fromStdString(FormatNumber(*shown)) : AngleText(*shown));
    editR_->selectAll();
}

// Draws exactly what was drawn last, so the canvas comes back whatever changed meanwhile.
void TForm1::ErasePreview()
{
    if (!previewOn_) return;
    previewOn_ = false;
    if (drawnPreview_.Shape == PreviewShape::TextPlacement) {
        RestoreTextBacking();
        return;
    }
    DrawPreviewInput(drawnPreview_, drawnPreviewPen_);
}

}  // namespace vantro
