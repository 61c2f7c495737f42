#include "ui/MainWindow.h"

#include "document/ElementStore.h"
#include "document/Layers.h"
#include "document/Maintenance.h"
#include "document/Tolerance.h"
#include "document/UndoHistory.h"
#include "files/SettingsFile.h"
#include "ui/CanvasWidget.h"
#include "ui/DimensionControls.h"
#include "ui/TextDialog.h"
#include "view/ElementIndex.h"
#include "view/ElementPainter.h"
#include "view/QPainterSurface.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantro {

TForm1::TForm1(Settings settings, std::filesystem::path settingsFile, QWidget* parent)
    : QMainWindow(parent), settings_(std::move(settings)), settingsFile_(std::move(settingsFile)),
      ownDialogs_(std::make_unique<QtDialogs>(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("VantroCad"));
    SetDialogs(ownDialogs_.get());
    drawing_.Listener = this;
    SetCapacity(drawing_, settings_.CadMax);
    drawing_.History.UndoDepth = static_cast<uint8_t>(std::clamp(settings_.Undo, 2, 95));
    if (settings_.EpsIndex >= 0 && settings_.EpsIndex <= 6) SetEps(kEpsChoices[settings_.EpsIndex]);
    Reset(drawing_, &settings_.LayerNames);
    attributes_.Color = settings_.Color1;
    view_.Wheel = settings_.Wheel;
    view_.ReferencePosition = settings_.Senter;
    view_.Grid = {static_cast<GridPattern>(std::clamp(settings_.Patern, 0, 2)), settings_.GridPit,
                  static_cast<uint8_t>(std::clamp(settings_.GridCountX, 0, 100)),
                  static_cast<uint8_t>(std::clamp(settings_.GridCountY, 0, 100)),
                  static_cast<uint8_t>(std::clamp(settings_.GridPit2, 0, 10)), settings_.GridColor};
    UpdateGridOrigin(view_);

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    setCentralWidget(central);
    auto* canvasColumn = new QWidget(central);
    auto* rows = new QVBoxLayout(canvasColumn);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    canvas_ = new CanvasWidget(canvasColumn);
    rows->addWidget(canvas_, 1);
    columns->addWidget(canvasColumn, 1);
    BuildToolPanel();
    BuildEntryFields();
    BuildSnapPanel();
    BuildStatusBar();
    BuildMenus();
    BuildPanels();
    elementIndex_ = std::make_unique<ElementIndex>();
    canvas_->SetEvents({
        [this](Qt::MouseButton b, int x, int y, int s) { CanvasMouseDown(b, x, y, s); },
        [this](int x, int y, int s) { CanvasMouseMove(x, y, s); },
        [this](Qt::MouseButton b, int x, int y, int s) { CanvasMouseUp(b, x, y, s); },
        [this] { CanvasDoubleClick(); },
        [this](bool up) { CanvasWheel(up); },
        [this] { CanvasResized(); },
    });
    qApp->installEventFilter(this);
    CancelCommand();
    drawing_.Saved = true;
    resize(1280, 800);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
    // A layer name edit reports losing the focus to this window; it must not do so from the base
    // class destructor, when this window's members are gone.
    if (QWidget* focused = QApplication::focusWidget(); focused != nullptr && isAncestorOf(focused))
        focused->clearFocus();
    drawing_.Listener = nullptr;
    drawing_.Dialogs = nullptr;
}

void TForm1::FitToWorkArea()
{
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                         outer.bottom() - inner.bottom());
    setGeometry(screen()->availableGeometry().marginsRemoved(frame));
}

void TForm1::SetDialogs(UserDialogs* dialogs)
{
    relay_.SetTarget(dialogs);
    drawing_.Dialogs = &relay_;
}

CurrentAttributes TForm1::Attributes() const
{
    CurrentAttributes attributes = attributes_;
    attributes.Layer = drawing_.Layers.ActiveLayer;
    return attributes;
}

QString TForm1::PanelText(int panel) const { return statusPanels_[panel]->text(); }

void TForm1::SetPrompt(const QString& prompt)
{
    statusPanels_[4]->setText(prompt);
    statusPanels_[4]->setToolTip(prompt);
}

void TForm1::ShowTransientMessage(const QString& text)
{
    panelMsg_->setText(text);
    panelMsg_->adjustSize();
    panelMsg_->move(canvas_->mapTo(this, QPoint(20, 20)));
    panelMsg_->show();
    panelMsg_->raise();
    timer2_->start();
}

void TForm1::EraseElement(int index)
{
    QPainterSurface surface(canvas_->Image());
    const PaintSettings settings = CurrentPaintSettings();
    vantro::EraseElement({surface, view_, drawing_, settings}, index);
    canvas_->update();
}

void TForm1::DrawElement(int index)
{
    QPainterSurface surface(canvas_->Image());
    const PaintSettings settings = CurrentPaintSettings();
    vantro::DrawElement({surface, view_, drawing_, settings}, index, true);
    canvas_->update();
}

void TForm1::RepaintAll() { RedrawAll(true); }

void TForm1::UndoButtonsChanged(bool canUndo, bool canRedo)
{
    if (undoButton_ == nullptr) return;
    undoButton_->setEnabled(canUndo);
    redoButton_->setEnabled(canRedo);
    if (editActions_.contains(QStringLiteral("menuUndo"))) {
        editActions_["menuUndo"]->setEnabled(canUndo);
        editActions_["menuRedo"]->setEnabled(canRedo);
    }
}

void TForm1::DrawingWasReset()
{
    setWindowTitle(QStringLiteral("VantroCad"));
    attributes_.Color = settings_.Color1;
    if (labelRayer_ != nullptr) labelRayer_->setText(QString::fromStdString(ActiveLayerCaption(drawing_.Layers)));
}

void TForm1::AppendRefused() { CancelCommand(); }

void TForm1::StoreSettings(void (*write)(const Settings&, IniStore&))
{
    if (settingsFile_.empty()) return;
    // The values the program end writes are kept in the widgets while it runs.
    for (size_t n = 0; n < snapBoxes_.size(); ++n) settings_.Snap[n] = snapBoxes_[n]->isChecked();
    settings_.Color1 = attributes_.Color;
    dimensionControls_->Remember(settings_);
    const std::string failure = StoreSettingsFile(settingsFile_, write, settings_);
    if (!failure.empty()) dialogs_->ShowMessage(failure);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    switch (AskBeforeClose(drawing_, *dialogs_)) {
    case CloseChoice::Discard:
        EndTextDialog();
        StoreSettings(WriteExitSettings);
        event->accept();
        return;
    case CloseChoice::Save:
        // A save that was cancelled or failed keeps the window open: closing would lose the drawing.
        if (!OverwriteSaveCommand()) {
            event->ignore();
            return;
        }
        EndTextDialog();
        StoreSettings(WriteExitSettings);
        event->accept();
        return;
    case CloseChoice::Cancel:
        event->ignore();
        return;
    }
}

}  // namespace vantro
