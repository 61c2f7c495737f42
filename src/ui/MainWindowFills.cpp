// Fills and hatching in the main window: the fill display switch, the fill memo's panel, the
// repaint's check of the memo, and the hatch command's dialog and trace lines.
#include "ui/MainWindow.h"

#include "commands/HatchSteps.h"
#include "geometry/FillRegions.h"
#include "ui/CanvasWidget.h"
#include "ui/HatchDialog.h"
#include "view/FillPainter.h"
#include "view/QPainterSurface.h"
#include "view/QtText.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantro {

void TForm1::BuildFillControls()
{
    buttonBrushOnOff_ = new QToolButton(statusBar());
    buttonBrushOnOff_->setObjectName(QStringLiteral("ButtonBrushOnOff"));
    buttonBrushOnOff_->setText(QStringLiteral("塗りつぶし表示"));
    buttonBrushOnOff_->setToolTip(QStringLiteral("塗りつぶし表示/非表示"));
    buttonBrushOnOff_->setCheckable(true);
    buttonBrushOnOff_->setFocusPolicy(Qt::NoFocus);
    connect(buttonBrushOnOff_, &QToolButton::clicked, this, [this](bool down) {
        SetFillsShown(down);
        RedrawAll(true);
    });
    auto* edit = new QToolButton(statusBar());
    edit->setObjectName(QStringLiteral("ButtonBrushSet"));
    edit->setText(QStringLiteral("塗りつぶし編集"));
    edit->setFocusPolicy(Qt::NoFocus);
    statusBar()->addPermanentWidget(buttonBrushOnOff_);
    statusBar()->addPermanentWidget(edit);

    panelBrushSet_ = new QFrame(this);
    panelBrushSet_->setObjectName(QStringLiteral("PanelBrushSet"));
    panelBrushSet_->setFrameShape(QFrame::Box);
    panelBrushSet_->setAutoFillBackground(true);
    auto* rows = new QVBoxLayout(panelBrushSet_);
    rows->addWidget(new QLabel(QStringLiteral("グループ番号、カラーの"), panelBrushSet_));
    rows->addWidget(new QLabel(QStringLiteral("1行で１ブロックです"), panelBrushSet_));
    memoBrush_ = new QPlainTextEdit(panelBrushSet_);
    memoBrush_->setObjectName(QStringLiteral("MemoBrush"));
    memoBrush_->setFixedSize(160, 200);
    rows->addWidget(memoBrush_);
    auto* close = new QPushButton(QStringLiteral("閉じる"), panelBrushSet_);
    rows->addWidget(close);
    panelBrushSet_->adjustSize();
    panelBrushSet_->hide();
    // The memo is the drawing's fill list: every edit goes straight into it.
    connect(memoBrush_, &QPlainTextEdit::textChanged, this, [this] {
        if (showingMemo_) return;
        drawing_.MemoBrush.clear();
        const QString text = memoBrush_->toPlainText();
        if (text.isEmpty()) return;
        for (const QString& line : text.split(QLatin1Char('\n'))) drawing_.MemoBrush.push_back(ToCp932(line));
        drawing_.Saved = false;
    });
    connect(edit, &QToolButton::clicked, this, [this, edit] {
        ShowFillMemo();
        panelBrushSet_->move(mapFromGlobal(edit->mapToGlobal(QPoint(0, 0))) -
                             QPoint(panelBrushSet_->width() - edit->width(), panelBrushSet_->height()));
        panelBrushSet_->show();
        panelBrushSet_->raise();
    });
    connect(close, &QPushButton::clicked, panelBrushSet_, &QWidget::hide);
}

void TForm1::SetFillsShown(bool shown)
{
    fillsShown_ = shown;
    buttonBrushOnOff_->setChecked(shown);
}

void TForm1::ShowFillMemo()
{
    QStringList lines;
    for (const std::string& line : drawing_.MemoBrush) lines.append(ToQString(line));
    const QString text = lines.join(QLatin1Char('\n'));
    if (memoBrush_->toPlainText() == text) return;
    showingMemo_ = true;
    memoBrush_->setPlainText(text);
    showingMemo_ = false;
}

void TForm1::CheckFills()
{
    if (fillsShown_ && !DropBrokenFills(drawing_, settings_.Bunkatu)) {
        SetFillsShown(false);
        dialogs_->ShowMessage(kFillDisplayFailedMessage);
    }
    ShowFillMemo();
}

// The fill goes over what the canvas shows; its group's elements are drawn again on top, so that
// the outline stays as a repaint would show it.
void TForm1::PaintFillLine(size_t line)
{
    if (line >= drawing_.MemoBrush.size()) return;
    const GroupMembers groups = IndexGroups(drawing_);
    const FillRegion region = ResolveFill(drawing_, groups, drawing_.MemoBrush[line], settings_.Bunkatu);
    {
        QPainterSurface surface(canvas_->Image());
        PaintFillRegion(surface, view_, region, drawing_, settings_.Bunkatu);
    }
    if (region.Problem == FillProblem::None) {
        for (const int member : groups.at(drawing_[region.First].Group)) DrawElement(member);
    }
    canvas_->update();
    ShowFillMemo();
}

void TForm1::DrawHatchTrace()
{
    if (command_.HatchTrace.empty()) return;
    QPainterSurface surface(canvas_->Image());
    const PaintSettings settings = CurrentPaintSettings();
    for (const TCadData& line : command_.HatchTrace) DrawRecord({surface, view_, drawing_, settings}, line, true);
    canvas_->update();
}

void TForm1::SetHatchDialogRunner(std::function<bool(THathiDlg&)> runner) { runHatchDialog_ = std::move(runner); }

// The dialog comes first; "キャンセル" ends the command, OK keeps its values and waits for the
// boundary with PanelMulti's "確定" at hand.
void TForm1::StartHatchCommand()
{
    if (fillsShown_) {
        SetFillsShown(false);
        dialogs_->ShowMessage(kFillDisplayPausedMessage);
        RedrawAll(true);
    }
    THathiDlg dialog(*dialogs_, this);
    dialog.SetValues(command_.HatchPitch, command_.HatchFalling);
    const bool accepted = runHatchDialog_ ? runHatchDialog_(dialog) : dialog.exec() == QDialog::Accepted;
    if (!accepted) {
        CancelCommand();
        return;
    }
    command_.HatchPitch = dialog.Pitch();
    command_.HatchFalling = dialog.Falling();
    panelMulti_->show();
    panelMulti_->raise();
    buttonMulti_->setFocus();
}

}  // namespace vantro
