#include "ui/PropertyDialog.h"

#include "document/TextLimit.h"
#include "ui/ColorPanel.h"
#include "ui/ColourDialog.h"
#include "view/QPainterSurface.h"
#include "view/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vantro {
namespace {

template <typename W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* TextLabel(const std::string& text, const char* name, QWidget* parent)
{
    return Named(new QLabel(QString::fromStdString(text), parent), name);
}

// A click on the colour swatch: the palette opens, as it does from the main window's swatch.
class ClickFilter final : public QObject {
public:
    explicit ClickFilter(std::function<void()> clicked, QObject* parent) : QObject(parent), clicked_(std::move(clicked)) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress) return false;
        clicked_();
        return true;
    }

private:
    std::function<void()> clicked_;
};

}  // namespace

TFormPropaty::TFormPropaty(const PropertySummary& summary, const LayerTable& layers, UserDialogs& messages,
                           QWidget* parent)
    : QDialog(parent), messages_(messages), colour_(summary.Colour)
{
    setObjectName(QStringLiteral("FormPropaty"));
    setWindowTitle(QString::fromStdString(summary.Caption));
    auto* column = new QVBoxLayout(this);
    BuildLabels(summary, this);

    auto* colourRow = new QHBoxLayout;
    applyColour_ = Named(new QCheckBox(QStringLiteral("色"), this), "CheckBox1");
    shapeColor_ = Named(new QLabel(this), "ShapeColor");
    shapeColor_->setFixedSize(48, 20);
    shapeColor_->setFrameShape(QFrame::Box);
    shapeColor_->installEventFilter(new ClickFilter([this] {
        if (!applyColour_->isChecked()) return;
        palette_->setVisible(!palette_->isVisible());
        adjustSize();
    }, this));
    colourRow->addWidget(applyColour_);
    colourRow->addWidget(shapeColor_);
    colourRow->addStretch(1);
    column->addLayout(colourRow);
    ColorPanelCallbacks callbacks;
    callbacks.ColourChosen = [this](uint32_t colour) { ChooseColour(colour); };
    callbacks.AskColour = [this] { return ::vantro::ChooseColour(this, colour_); };
    palette_ = Named(new ColorPanel(std::move(callbacks), this), "PanelColor");
    palette_->hide();
    column->addWidget(palette_);

    auto* form = new QFormLayout;
    applyLineType_ = Named(new QCheckBox(QStringLiteral("線種"), this), "CheckBox2");
    lineType_ = Named(new QComboBox(this), "ComboBox1");
    for (const LineTypeChoice& choice : kLineTypeChoices) lineType_->addItem(QString::fromUtf8(choice.Caption));
    lineType_->setCurrentIndex(summary.LineType);
    form->addRow(applyLineType_, lineType_);
    applyLayer_ = Named(new QCheckBox(QStringLiteral("レイヤー"), this), "CheckBox3");
    layer_ = Named(new QComboBox(this), "ComboBox2");
    for (int n = 1; n <= kLayerCount; ++n)
        layer_->addItem(QStringLiteral("%1: ").arg(n) + ToQString(layers.Name[static_cast<size_t>(n - 1)]));
    layer_->setCurrentIndex(summary.Layer - 1);
    form->addRow(applyLayer_, layer_);
    column->addLayout(form);
    connect(applyLineType_, &QCheckBox::toggled, lineType_, &QWidget::setEnabled);
    connect(applyLayer_, &QCheckBox::toggled, layer_, &QWidget::setEnabled);

    auto* panel = Named(new QGroupBox(QStringLiteral("寸法オプション、テキストの変更"), this), "Panel1");
    auto* panelRow = new QHBoxLayout(panel);
    edit1_ = Named(new QLineEdit(ToQString(summary.String), panel), "Edit1");
    spinEdit1_ = Named(new QSpinBox(panel), "SpinEdit1");
    spinEdit1_->setRange(1, 1000);
    spinEdit1_->setValue(summary.Height);
    panelRow->addWidget(edit1_, 1);
    panelRow->addWidget(spinEdit1_);
    spinEdit1_->setVisible(summary.ShowsHeight);
    panel->setVisible(summary.ShowsString);
    panel1_ = panel;
    column->addWidget(panel);

    copies_ = Named(new QCheckBox(QStringLiteral(" レイヤーコピー"), this), "CheckBoxCopy");
    column->addWidget(copies_);
    auto* buttons = new QHBoxLayout;
    auto* apply = Named(new QPushButton(QStringLiteral("更新"), this), "Button1");
    auto* cancel = Named(new QPushButton(QStringLiteral("中止"), this), "Button2");
    apply->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    connect(apply, &QPushButton::clicked, this, &TFormPropaty::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    applyColour_->setChecked(summary.ApplyColour);
    applyColour_->setEnabled(summary.ColourEnabled);
    applyLineType_->setChecked(summary.ApplyLineType);
    applyLineType_->setEnabled(summary.LineTypeEnabled);
    lineType_->setEnabled(summary.LineTypeEnabled && summary.ApplyLineType);
    applyLayer_->setChecked(summary.ApplyLayer);
    layer_->setEnabled(summary.ApplyLayer);
    ShowColour();
    apply->setFocus();
}

void TFormPropaty::BuildLabels(const PropertySummary& s, QWidget* page)
{
    auto* grid = new QFormLayout;
    grid->addRow(TextLabel(s.CadMax, "LabelcadMax", page));
    grid->addRow(TextLabel(s.Number, "LabelNo", page), TextLabel(s.Group, "LabelGrp", page));
    grid->addRow(QStringLiteral("種類"), TextLabel(s.Kind, "Label_P", page));
    grid->addRow(QStringLiteral("始点"), TextLabel(s.Start, "Label_s", page));
    grid->addRow(QStringLiteral("終点"), TextLabel(s.End, "Label_e", page));
    grid->addRow(QStringLiteral("中心点"), TextLabel(s.Centre, "Label_c", page));
    grid->addRow(QStringLiteral("半径"), TextLabel(s.Radius, "Label_R", page));
    grid->addRow(TextLabel(s.AngleCaption, "Label6", page), TextLabel(s.Angle, "Label_Q", page));
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);
}

void TFormPropaty::ChooseColour(uint32_t colour)
{
    colour_ = colour;
    ShowColour();
    palette_->hide();
    adjustSize();
}

void TFormPropaty::ShowColour()
{
    shapeColor_->setStyleSheet(QStringLiteral("background: %1;").arg(ToQColor(colour_).name()));
}

void TFormPropaty::accept()
{
    if (!panel1_->isHidden() && ToCp932(edit1_->text()).size() > kMaxTextBytes) {
        messages_.ShowMessage(kTextTooLongMessage);
        return;
    }
    QDialog::accept();
}

PropertyChanges TFormPropaty::Changes() const
{
    PropertyChanges c;
    c.Colour = applyColour_->isChecked() && applyColour_->isEnabled();
    c.ColourValue = colour_;
    c.LineType = applyLineType_->isChecked() && applyLineType_->isEnabled();
    c.LineTypeIndex = lineType_->currentIndex();
    c.Layer = applyLayer_->isChecked();
    c.LayerValue = layer_->currentIndex() + 1;
    c.String = !panel1_->isHidden();
    c.StringValue = ToCp932(edit1_->text());
    c.HeightValue = spinEdit1_->value();
    c.Copies = copies_->isChecked();
    return c;
}

}  // namespace vantro
