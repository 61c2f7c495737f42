// The secondary window's canvas: painting, selection by clicks and windows, the pan, the wheel, and
// the read-out of the point or element under the mouse.
#include "subwindow/SecondaryWindow.h"

#include "commands/ElementProperties.h"
#include "commands/Selection.h"
#include "document/Layers.h"
#include "subwindow/SubLayerPanel.h"
#include "ui/CanvasWidget.h"
#include "view/ElementPainter.h"
#include "view/PaintPreferences.h"
#include "view/QPainterSurface.h"
#include "view/SnapSearch.h"

#include <QLabel>
#include <QWheelEvent>

#include <cmath>

namespace vantro {

PaintSettings TFormCAD2::Paint() const
{
    PaintSettings paint = PaintSettingsFrom(settings_);
    paint.FillsShown = false;
    return paint;
}

void TFormCAD2::RedrawAll()
{
    const auto background = [this](Surface& surface) {
        surface.SetPen({settings_.FormColor, 1, 0, PenMode::Copy});
        surface.SetBrush({true, settings_.FormColor});
        surface.Rectangle(-3, -3, surface.Width() + 3, surface.Height() + 3);
        surface.SetBrush({});
    };
    {
        QPainterSurface surface(canvas_->Image());
        background(surface);
    }
    // An empty drawing shows nothing at all, not even the origin.
    if (drawing_.Count > 0 && view_.Repaint == RepaintState::Idle &&
        !canvas_->PaintWholeDrawing(view_, drawing_, Paint(), background)) {
        Resized();
        return;
    }
    canvas_->update();
}

void TFormCAD2::Resized()
{
    if (view_.Repaint != RepaintState::Idle) return;
    const bool first = view_.CanvasWidth == 0;
    canvas_->FitImageToWidget();
    ResizeCanvas(view_, canvas_->width(), canvas_->height());
    if (first) FitSheet(view_);
    RedrawAll();
}

void TFormCAD2::DrawElement(int index)
{
    QPainterSurface surface(canvas_->Image());
    const PaintSettings paint = Paint();
    vantro::DrawElement({surface, view_, drawing_, paint}, index, true);
    canvas_->update();
}

void TFormCAD2::ShowSelectionCount() { panels_[0]->setText(QStringLiteral("選択数%1").arg(selectionCount_)); }

void TFormCAD2::DrawDragRectangle(CanvasPoint to)
{
    QPainterSurface surface(canvas_->Image());
    surface.SetPen({0, 1, 0, PenMode::Not});
    surface.SetBrush({});
    surface.Rectangle(anchor_.X, anchor_.Y, to.X, to.Y);
    canvas_->update();
}

void TFormCAD2::MouseDown(Qt::MouseButton button, int x, int y)
{
    if (button == Qt::LeftButton) {
        const PickContext pick = PickContextAt(view_, settings_, false, x, y);
        const int h = FindElementNear(drawing_, index_, pick, 1);
        if (h > 0) {
            // Only the element clicked, a grouped cross circle too: the count follows one flag.
            drawing_[h].Selected = drawing_[h].Selected == 1 ? 0 : 1;
            selectionCount_ += drawing_[h].Selected == 1 ? 1 : -1;
            DrawElement(h);
            ShowSelectionCount();
            return;
        }
        windowDrag_ = true;
        anchor_ = current_ = {x, y};
        return;
    }
    if (button == Qt::RightButton) {
        if (selectionCount_ <= 0) return;
        ClearSelection(drawing_, true);
        selectionCount_ = 0;
        RedrawAll();
        ShowSelectionCount();
        return;
    }
    if (button == Qt::MiddleButton) {
        panDrag_ = true;
        panAnchor_ = {x, y};
        canvas_->setCursor(Qt::PointingHandCursor);
    }
}

void TFormCAD2::MouseMove(int x, int y)
{
    if (layerPanel_->isVisible() && settings_.ReyDlgClose) {
        layerPanel_->hide();
        RedrawAll();
    }
    view_.LastMousePixel = {x, y};
    panels_[1]->setText(QString::fromStdString(ReadOut(x, y)));
    if (!windowDrag_) return;
    DrawDragRectangle(current_);
    current_ = {x, y};
    DrawDragRectangle(current_);
}

void TFormCAD2::MouseUp(int x, int y)
{
    canvas_->unsetCursor();
    if (windowDrag_) {
        windowDrag_ = false;
        DrawDragRectangle(current_);
        // Every kind takes part and locked layers play no part here; there is no smallest window.
        SelectInWindow(drawing_, index_, WindowBetween(view_, anchor_, current_), {true, true, settings_.Bunkatu});
        selectionCount_ = 0;
        for (int i = 1; i <= drawing_.Count; ++i)
            if (drawing_[i].Selected == 1 && IsElementShown(drawing_.Layers, drawing_[i])) ++selectionCount_;
        RedrawAll();
        ShowSelectionCount();
    }
    if (panDrag_) {
        panDrag_ = false;
        if (std::abs(x - panAnchor_.X) > settings_.Mado || std::abs(y - panAnchor_.Y) > settings_.Mado) {
            view_.OriginX += x - panAnchor_.X;
            view_.OriginY += y - panAnchor_.Y;
            RedrawAll();
        }
    }
}

void TFormCAD2::Wheel(bool up)
{
    if (panDrag_) return;
    // "Wheel" may have changed in the settings dialog since the window was made.
    view_.Wheel = settings_.Wheel;
    if (WheelZoom(view_, up)) RedrawAll();
}

// The snap point under the mouse (centre, end point, crossing), else the element's description,
// else the position.
std::string TFormCAD2::ReadOut(int x, int y)
{
    double wx = 0;
    double wy = 0;
    CanvasToWorld(view_, x, y, wx, wy);
    if (showInfo_->isChecked()) {
        SnapOptions options;
        options.Kinds[0] = options.Kinds[1] = options.Kinds[3] = true;  // 端点, 交点, 中心
        options.PickAperture = settings_.Pick;
        options.Fineness = settings_.Bunkatu;
        SnapInput input;
        input.MouseX = x;
        input.MouseY = y;
        const SnapResult snap = SearchSnap(drawing_, view_, options, input, index_);
        if (snap.Found) {
            const char* label = snap.Kind == SnapKind::EndPoint ? "<端点> " : snap.Kind == SnapKind::Intersection ? "<交点> " : "<中心点> ";
            return label + std::string("X") + FormatNumber(snap.Position.X) + " Y" + FormatNumber(snap.Position.Y);
        }
        const int h = FindElementNear(drawing_, index_, PickContextAt(view_, settings_, false, x, y), 1);
        if (h > 0) {
            std::string text = ElementInfoText(drawing_[h]);
            if (!text.empty()) return text;
        }
    }
    return "X" + FormatNumber(wx) + " Y" + FormatNumber(wy);
}

bool TFormCAD2::eventFilter(QObject* watched, QEvent* event)
{
    // The wheel zooms anywhere over the window, as it does over the canvas.
    if (event->type() == QEvent::Wheel && watched != canvas_) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this) {
            // A sideways scroll has no vertical turn: it zooms neither way.
            const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
            if (delta != 0) Wheel(delta > 0);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace vantro
