// The floating panels of the main window: layers, colours, dimensions and multiple selection.
#include "ui/MainWindow.h"

#include "document/Layers.h"
#include "files/SettingsFile.h"
#include "ui/CanvasWidget.h"
#include "ui/ColorPanel.h"
#include "ui/ColourDialog.h"
#include "ui/DimensionControls.h"
#include "ui/LayerPanel.h"
#include "view/ElementPainter.h"
#include "view/QPainterSurface.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace vantro {
namespace {

QFrame* MakeHiddenPanel(const QString& name, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->hide();
    return panel;
}

}  // namespace

void TForm1::PreviewLayer(int layer)
{
    repaintDue_ = true;
    PaintBackground();
    QPainterSurface surface(canvas_->Image());
    const PaintSettings settings = CurrentPaintSettings();
    for (int i = 1; i <= drawing_.Count; ++i) {
        if (drawing_[i].Layer != layer) continue;
        surface.SetPen(ElementPen(settings, drawing_[i], i));
        DrawShape({surface, view_, drawing_, settings}, drawing_[i]);
    }
    canvas_->update();
}

// PanelMulti "多数図形選択" at the canvas's top-left corner: "確定" ends a window selection, "反転"
// inverts it.
void TForm1::BuildMultiPanel()
{
    auto* group = new QGroupBox(QStringLiteral("多数図形選択"), canvas_);
    group->setObjectName(QStringLiteral("PanelMulti"));
    group->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(group);
    buttonMulti_ = new QPushButton(QStringLiteral("確定"), group);
    buttonMulti_->setObjectName(QStringLiteral("ButtonMulti"));
    auto* invert = new QToolButton(group);
    invert->setObjectName(QStringLiteral("SpeedButton27"));
    invert->setText(QStringLiteral("反転"));
    row->addWidget(buttonMulti_);
    row->addWidget(invert);
    connect(buttonMulti_, &QPushButton::clicked, this, [this] { ConfirmSelection(); });
    connect(invert, &QToolButton::clicked, this, [this] { InvertSelection(); });
    group->adjustSize();
    group->move(0, 0);
    group->hide();
    panelMulti_ = group;
}

DimensionOptions TForm1::CurrentDimensionOptions() const { return dimensionControls_->Options(); }

void TForm1::BuildPanels()
{
    // PanelDim takes the place of the entry fields, which no dimension command shows; PanelDim2 lies
    // on the canvas's top-left corner with a ground of its own.
    panelDim_ = MakeHiddenPanel(QStringLiteral("PanelDim"), entryRow_->parentWidget());
    panelDim_->setFrameShape(QFrame::NoFrame);
    entryRow_->insertWidget(0, panelDim_);
    panelDim2_ = MakeHiddenPanel(QStringLiteral("PanelDim2"), canvas_);
    panelDim2_->setAutoFillBackground(true);
    dimensionControls_ = std::make_unique<DimensionControls>(*panelDim_, *panelDim2_, settings_);
    panelDim2_->adjustSize();
    panelDim2_->move(0, 0);
    BuildMultiPanel();

    LayerPanelCallbacks layers;
    layers.LayersChanged = [this] { RedrawAll(true); };
    layers.DrawingChanged = [this] { drawing_.Saved = false; };
    layers.ActiveLayerChanged = [this](const QString& caption) { labelRayer_->setText(caption); };
    layers.PreviewLayer = [this](int layer) { PreviewLayer(layer); };
    layers.SaveNames = [this](const LayerNames& names) {
        settings_.LayerNames = names;
        StoreSettings(WriteLayerNames);
    };
    layers.NameEditing = [this](bool editing) { SetEditShortcutsEnabled(!editing && command_.CommandMode == step::kIdle); };
    layers.Closed = [this] { RedrawAll(true); };
    layerPanel_ = new LayerPanel(drawing_, relay_, std::move(layers), this);
    layerPanel_->hide();
    labelRayer_->setText(QString::fromStdString(ActiveLayerCaption(drawing_.Layers)));

    ColorPanelCallbacks colours;
    colours.ColourChosen = [this](uint32_t colour) {
        attributes_.Color = colour;
        shapeDefColor_->setStyleSheet(QStringLiteral("background: %1;").arg(ToQColor(colour).name()));
        colorPanel_->hide();
    };
    colours.AskColour = [this] { return ChooseColour(this, 0xFFFFFF); };
    colorPanel_ = new ColorPanel(std::move(colours), this);
    colorPanel_->hide();
    shapeDefColor_->setStyleSheet(QStringLiteral("background: %1;").arg(ToQColor(attributes_.Color).name()));
    ConnectViewButtons();
}

}  // namespace vantro
