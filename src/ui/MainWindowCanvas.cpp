// The canvas: mouse handling, the view operations and the whole-drawing repaint.
#include "ui/MainWindow.h"

#include "commands/Dispatch.h"
#include "commands/SelectionSteps.h"
#include "commands/StepTable.h"
#include "commands/ToolButtonTable.h"
#include "document/DimensionText.h"
#include "document/Maintenance.h"
#include "document/UndoHistory.h"
#include "ui/CanvasWidget.h"
#include "ui/ColorPanel.h"
#include "ui/LayerPanel.h"
#include "view/ElementPainter.h"
#include "view/PaintPreferences.h"
#include "view/QPainterSurface.h"

#include <QApplication>
#include <QLabel>
#include <QToolButton>

#include <cmath>

namespace vantro {
Point TForm1::ToWorld(int x, int y) const
{
    Point p;
    CanvasToWorld(view_, x, y, p.X, p.Y);
    return p;
}

PaintSettings TForm1::CurrentPaintSettings() const
{
    PaintSettings paint = PaintSettingsFrom(settings_);
    paint.FillsShown = fillsShown_;
    paint.Images = imageDisplay_;
    paint.FirstPick = command_.FirstPick;
    paint.SecondPick = command_.SecondPick;
    return paint;
}

void TForm1::RedrawAll(bool clear)
{
    repaintDue_ = false;
    PaintBackground(clear);
    view_.CrosshairPixel = {-1000, -1000};
    view_.OverlayWiped = true;
    command_.SnapFound = false;
    command_.SnapMarkerPixel = {};
    previewOn_ = false;
    if (command_.HasLastPoint) {
        command_.AnchorPixel = WorldToCanvas(view_, command_.InputPoint1.X, command_.InputPoint1.Y);
        command_.CursorPixel = command_.AnchorPixel;
    }
    if (ReplaceUnshowableDimensionValues(drawing_) > 0) dialogs_->ShowMessage(kBadDimensionMessage);
    if (view_.Repaint == RepaintState::Idle) {
        CheckFills();
        // Resized while the pass held the image: the image follows now, and is painted again.
        const bool fits = canvas_->PaintWholeDrawing(view_, drawing_, CurrentPaintSettings(),
                                                     [this](Surface& surface) { PaintBackground(surface); });
        if (!fits) {
            CanvasResized();
            return;
        }
        DrawHatchTrace();
    }
    if (ShowsTextPlacement(command_.CommandMode) || ShowsTextPlacement(command_.SuspendedMode))
        textBacking_ = canvas_->Image().copy();
    canvas_->update();
}

void TForm1::AfterZoom()
{
    statusPanels_[0]->setText(QString::fromStdString(view_.SizeText));
    RedrawAll(true);
}

void TForm1::ConnectViewButtons()
{
    auto on = [this](const char* name, auto action) {
        connect(toolButtons_[QString::fromUtf8(name)], &QToolButton::clicked, this, action);
    };
    on("SpeedButton1", [this] { RedrawAll(true); });
    on("SpeedButton10", [this] {
        if (!ZoomInAllowed(view_)) return;
        ZoomAboutCentre(view_, 2);
        AfterZoom();
    });
    on("SpeedButton11", [this] {
        if (!ZoomOutAllowed(view_)) return;
        ZoomAboutCentre(view_, 0.5f);
        AfterZoom();
    });
    on("SpeedButton9", [this] {
        if (PreviousView(view_)) AfterZoom();
    });
    on("SpeedButton8", [this] {
        ResetToSheet(view_);
        AfterZoom();
    });
    on("SpeedButtonFit", [this] {
        if (FitToDrawing(view_, drawing_, 1)) AfterZoom();
    });
    on("SpeedButton3", [this] { ParkForViewOperation(); });
    on("SpeedButton20", [this] {
        if (openSecondary_) openSecondary_();
    });
    on("SpeedButton0", [this] { CancelCommand(); });
    on("SpeedButtonNew1", [this] {
        CancelCommand();
        NewDrawingCommand(drawing_, *dialogs_, &settings_.LayerNames);
    });
    on("SpeedButtonUNDU", [this] { StepHistory(Undo); });
    on("SpeedButtonREDU", [this] { StepHistory(Redo); });
    on("SpeedButtonOp", [this] {
        panelOp_->adjustSize();
        panelOp_->move(speedButtonOp_->mapTo(this, QPoint(speedButtonOp_->width(), 0)));
        panelOp_->setVisible(!panelOp_->isVisible());
        panelOp_->raise();
    });
}

void TForm1::ParkForViewOperation()
{
    if (command_.CommandMode != step::kIdle) {
        command_.SuspendedMode = command_.CommandMode;
        command_.SuspendedPrompt = PanelText(4).left(60).toStdString();
        SetPrompt(QStringLiteral(" 一時ビュー操作(一回のみ)"));
        command_.CommandMode = step::kIdle;
    }
}

void TForm1::ResumeParkedMode()
{
    if (!IsParkable(command_.SuspendedMode)) return;
    command_.CommandMode = command_.SuspendedMode;
    command_.SuspendedMode = step::kIdle;
    SetPrompt(QString::fromStdString(command_.SuspendedPrompt));
}

void TForm1::CanvasResized()
{
    // A repaint in progress draws into the canvas image: it only restarts, and RedrawAll lets
    // the image follow the new size when it has ended.
    if (view_.Repaint != RepaintState::Idle) {
        view_.Repaint = RepaintState::RestartRequested;
        return;
    }
    if (!canvas_->FitImageToWidget()) return;
    const bool first = view_.CanvasWidth == 0;
    ResizeCanvas(view_, canvas_->width(), canvas_->height());
    if (first) {
        SetSheetSize(view_, settings_.Width2);
        statusPanels_[0]->setText(QString::fromStdString(view_.SizeText));
    }
    RedrawAll(true);
}

void TForm1::DrawXorRectangle(CanvasPoint a, CanvasPoint b)
{
    QPainterSurface surface(canvas_->Image());
    surface.SetPen({0, 1, 0, PenMode::Not});
    surface.SetBrush({});
    surface.MoveTo(a.X, a.Y);
    surface.LineTo(b.X, a.Y);
    surface.LineTo(b.X, b.Y);
    surface.LineTo(a.X, b.Y);
    surface.LineTo(a.X, a.Y);
    canvas_->update();
}

void TForm1::DrawCrosshair(CanvasPoint at)
{
    if (at.X < 0 && at.Y < 0) return;
    QPainterSurface surface(canvas_->Image());
    surface.SetPen({0, 1, 0, PenMode::Not});
    surface.MoveTo(0, at.Y);
    surface.LineTo(surface.Width(), at.Y);
    surface.MoveTo(at.X, 0);
    surface.LineTo(at.X, surface.Height());
    canvas_->update();
}

void TForm1::CanvasMouseDown(Qt::MouseButton button, int x, int y, int shift)
{
    panelOp_->hide();
    colorPanel_->hide();
    statusPanels_[3]->setText(QString::number(command_.CommandMode));
    if (button == Qt::RightButton) {
        if (panelMulti_->isVisible() && settings_.RiteClick) ConfirmSelection();
        else if (command_.CommandMode == step::kIdle) RepeatLastCommand(x, y);
        else if (command_.CommandMode == step::kPrintPlacement) CancelPrintPlacement();
        else if (FindStep(command_.CommandMode) != nullptr) CancelCommand();
        return;
    }
    if (button == Qt::MiddleButton) {
        if (IsParkable(command_.CommandMode)) {
            command_.SuspendedMode = command_.CommandMode;
            command_.SuspendedPrompt = PanelText(4).left(60).toStdString();
        }
        command_.CommandMode = step::kPan;
        canvas_->setCursor(Qt::PointingHandCursor);
        command_.AnchorPixel = command_.CursorPixel = {x, y};
        return;
    }
    if (button != Qt::LeftButton) return;
    if (command_.CommandMode == step::kPrintPlacement) {
        PlacePrint(x, y);
        return;
    }
    if (CanRedo(drawing_)) ClearRedo(drawing_);
    if (command_.CommandMode == step::kIdle) {
        if (menuSentakuStert_->isVisible() || command_.SuspendedMode != step::kIdle) {
            command_.CommandMode = step::kZoomWindow;
            command_.AnchorPixel = command_.CursorPixel = {x, y};
            return;
        }
        command_.CommandMode = step::kFreeSelection;
    }
    command_.CursorPixel = {x, y};
    if (drawing_.CandidateCount > 0) {
        CommandContext ctx = MakeContext();
        ChooseCandidateAt(ctx, {x, y, shift});
        ApplyStepResult(ctx.Result);
    } else if (FindStep(command_.CommandMode) != nullptr) {
        DispatchClick(x, y, shift);
    }
}

void TForm1::CanvasMouseMove(int x, int y, int shift)
{
    if (settings_.ReyDlgClose && layerPanel_->isVisible() && !layerPanel_->isAncestorOf(QApplication::focusWidget())) {
        layerPanel_->hide();
        RedrawAll(true);
    }
    // The layer panel's preview of one layer is replaced by the whole drawing as the mouse comes back.
    if (repaintDue_) RedrawAll(true);
    view_.LastMousePixel = {x, y};
    canvas_->unsetCursor();
    if (rtpButton_->isChecked()) ShowRealTimeProperties(x, y);
    const StepRow* row = FindStep(command_.CommandMode);
    if (row != nullptr && row->Snaps && drawing_.CandidateCount == 0 && !command_.WindowDragActive)
        SearchSnapAt(x, y, shift);
    statusPanels_[1]->setText(QString::fromStdString(ReadoutX(view_, x, command_.SnapFound, command_.SnapPoint.X)));
    statusPanels_[2]->setText(QString::fromStdString(ReadoutY(view_, y, command_.SnapFound, command_.SnapPoint.Y)));
    CanvasPoint at{x, y};
    if ((shift & (kShiftKey | kAltKey | kCtrlKey | kLeftButton | kRightButton | kMiddleButton)) == kShiftKey &&
        command_.AnchorPixel != kNoAnchor)
        at = ConstrainThroughPoint(view_, at, command_.InputPoint1.X, command_.InputPoint1.Y);
    if (view_.CrosshairOn) {
        DrawCrosshair(view_.CrosshairPixel);
        DrawCrosshair(at);
        view_.CrosshairPixel = at;
    }
    if (command_.CommandMode == step::kPrintPlacement) {
        MovePaperRectangle(x, y);
        return;
    }
    if (command_.WindowDragActive || command_.CommandMode == step::kZoomWindow) {
        DrawXorRectangle(command_.AnchorPixel, command_.CursorPixel);
        command_.CursorPixel = {x, y};
        DrawXorRectangle(command_.AnchorPixel, command_.CursorPixel);
        return;
    }
    if (row != nullptr) ShowPreview(at);
}

void TForm1::CanvasMouseUp(Qt::MouseButton, int x, int y, int)
{
    canvas_->unsetCursor();
    const int minimum = settings_.Mado;
    if (command_.WindowDragActive) {
        DrawXorRectangle(command_.AnchorPixel, command_.CursorPixel);
        CommandContext ctx = MakeContext();
        FinishWindowDrag(ctx, x, y);
        ApplyStepResult(ctx.Result);
        return;
    }
    if (command_.CommandMode == step::kZoomWindow) {
        DrawXorRectangle(command_.AnchorPixel, command_.CursorPixel);
        command_.CommandMode = step::kIdle;
        const CanvasPoint a = command_.AnchorPixel;
        if (std::abs(x - a.X) >= minimum && std::abs(y - a.Y) >= minimum) {
            if (x < a.X) {
                if (ZoomOutAllowed(view_)) ZoomAboutCentre(view_, 0.5f);
            } else {
                ZoomToRectangle(view_, a.X, a.Y, x, y);
            }
            AfterZoom();
            ResumeParkedMode();
        }
        return;
    }
    if (command_.CommandMode == step::kPan) {
        command_.CursorPixel = {x, y};
        command_.CommandMode = step::kIdle;
        const CanvasPoint a = command_.AnchorPixel;
        if (std::abs(x - a.X) > minimum || std::abs(y - a.Y) > minimum) {
            Pan(view_, x - a.X, y - a.Y);
            command_.SnapMarkerPixel = {};
            RedrawAll(true);
            if (command_.HasLastPoint)
                command_.AnchorPixel = WorldToCanvasTrunc(view_, command_.InputPoint1.X, command_.InputPoint1.Y);
        }
    }
    ResumeParkedMode();
}

void TForm1::CanvasDoubleClick()
{
    if (!settings_.WClick) return;
    uint16_t start = step::kDeleteSelect;
    switch (command_.LastCommand) {
    case step::kHorizontalLine: start = step::kVerticalLine; break;
    case step::kVerticalLine: start = step::kHorizontalLine; break;
    case step::kHorizontalDimension: start = step::kVerticalDimension; break;
    case step::kVerticalDimension: start = step::kHorizontalDimension; break;
    default: break;
    }
    PressToolButton(*FindToolButton(start), false);
}

void TForm1::CanvasWheel(bool up)
{
    if (command_.CommandMode == step::kPan) return;
    if (!WheelZoom(view_, up)) return;
    statusPanels_[0]->setText(QString::fromStdString(view_.SizeText));
    if (view_.Repaint == RepaintState::Painting) {
        view_.Repaint = RepaintState::RestartRequested;
        return;
    }
    // Wheel steps that queued up behind a long repaint zoom at once and share the one repaint
    // that follows them, instead of repainting each view they pass through.
    if (wheelRepaintQueued_) return;
    wheelRepaintQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            wheelRepaintQueued_ = false;
            RedrawAll(true);
        },
        Qt::QueuedConnection);
}

}  // namespace vantro
