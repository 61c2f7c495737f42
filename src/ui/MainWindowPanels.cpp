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

#include <QLabel>
#include <QPushButton>
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

DimensionOptions TForm1::CurrentDimensionOptions() const { return dimensionControls_->Options(); }

void TForm1::BuildPanels()
{
    panelDim_ = MakeHiddenPanel(QStringLiteral("PanelDim"), this);
    panelDim2_ = MakeHiddenPanel(QStringLiteral("PanelDim2"), canvas_);
    dimensionControls_ = std::make_unique<DimensionControls>(*panelDim_, *panelDim2_, settings_);
    panelMulti_ = MakeHiddenPanel(QStringLiteral("PanelMulti"), canvas_);
    auto* multiLayout = new QVBoxLayout(panelMulti_);
    auto* confirm = new QPushButton(QStringLiteral("確定"), panelMulti_);
    confirm->setObjectName(QStringLiteral("ButtonMulti"));
    multiLayout->addWidget(confirm);

    LayerPanelCallbacks layers;
    layers.LayersChanged = [this] { RedrawAll(true); };
    layers.DrawingChanged = [this] { drawing_.Saved = false; };
    layers.ActiveLayerChanged = [this](const QString& caption) { labelRayer_->setText(caption); };
    layers.PreviewLayer = [this](int layer) { PreviewLayer(layer); };
    layers.SaveNames = [this](const LayerNames& names) {
        settings_.LayerNames = names;
        StoreSettings(WriteLayerNames);
    };
    layers.NameEditing = [this](bool editing) { SetEditShortcutsEnabled(!editing && command_.CommandMode == kModeIdle); };
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
