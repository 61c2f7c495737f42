// Snapping while a command waits for a point: the search on every mouse move, the marker and the
// cursor of the snap kind.
#include "ui/MainWindow.h"

#include "commands/EntryCalculator.h"
#include "commands/StepTable.h"
#include "ui/CanvasWidget.h"
#include "ui/SnapCursors.h"
#include "view/ElementIndex.h"
#include "view/QPainterSurface.h"
#include "view/SnapSearch.h"

#include <QCheckBox>
#include <QLineEdit>

namespace vantro {

void TForm1::EraseSnapMarker()
{
    if (command_.SnapMarkerPixel == CanvasPoint{}) return;
    QPainterSurface surface(canvas_->Image());
    DrawSnapMarker(surface, command_.SnapMarkerPixel, settings_.Pick2);
    command_.SnapMarkerPixel = {};
    canvas_->update();
}

void TForm1::SearchSnapAt(int x, int y, int shift)
{
    EraseSnapMarker();
    command_.SnapFound = false;
    SnapOptions options;
    for (size_t n = 0; n < snapBoxes_.size(); ++n) options.Kinds[n] = snapBoxes_[n]->isChecked();
    options.Locked = checkBoxLock2_->isChecked();
    options.PickAperture = settings_.Pick;
    options.FillsShown = fillsShown_;
    options.Fineness = settings_.Bunkatu;
    SnapInput input;
    input.MouseX = x;
    input.MouseY = y;
    input.Shift = shift;
    const StepRow* row = FindStep(command_.CommandMode);
    input.Constraint = row != nullptr ? row->Constraint : SnapConstraint::None;
    if (input.Constraint == SnapConstraint::AngleLine) input.LineAngle = ReadAngle(editR_->text().toStdString());
    input.InputPoint1 = command_.InputPoint1;
    const SnapResult found = SearchSnap(drawing_, view_, options, input, *elementIndex_);
    if (!found.Found) return;
    command_.SnapFound = true;
    command_.SnapPoint = found.Position;
    canvas_->setCursor(SnapCursor(found.Cursor));
    command_.SnapMarkerPixel = WorldToCanvas(view_, found.Position.X, found.Position.Y);
    QPainterSurface surface(canvas_->Image());
    DrawSnapMarker(surface, command_.SnapMarkerPixel, settings_.Pick2);
    canvas_->update();
}

}  // namespace vantro
