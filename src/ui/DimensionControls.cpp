#include "ui/DimensionControls.h"

#include "document/TextLimit.h"
#include "view/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace vantro {
namespace {

// Both fields full of double-byte characters, with the marks put around them, still make a
// dimension text a drawing file holds whole.
constexpr int kDimensionFieldCharacters = 600;
static_assert(2 * 2 * kDimensionFieldCharacters + 8 <= kMaxTextBytes);

template <typename W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

DimensionControls::DimensionControls(QFrame& panelDim, QFrame& panelDim2, const Settings& settings)
{
    ratio_ = Named(new QComboBox(&panelDim), "ComboBoxBy");
    ratio_->addItems({"1/5", "1/4", "1/3", "1/2", "1", "1.5", "2", "3", "4", "5", "10"});
    ratio_->setCurrentIndex(4);
    diameter_ = Named(new QCheckBox(QStringLiteral("φ"), &panelDim), "CheckBoxD");
    radius_ = Named(new QCheckBox(QStringLiteral("R"), &panelDim), "CheckBoxR");
    // Pressing one prefix clears the other.
    QObject::connect(diameter_, &QCheckBox::clicked, radius_, [this](bool on) { if (on) radius_->setChecked(false); });
    QObject::connect(radius_, &QCheckBox::clicked, diameter_, [this](bool on) { if (on) diameter_->setChecked(false); });
    tolerance_ = Named(new QLineEdit(&panelDim), "EditKousa");
    memo_ = Named(new QLineEdit(&panelDim), "EditCome");
    for (QLineEdit* field : {tolerance_, memo_}) field->setMaxLength(kDimensionFieldCharacters);
    // One row, in the entry fields' place.
    auto* row = new QHBoxLayout(&panelDim);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("倍率"), &panelDim));
    row->addWidget(ratio_);
    row->addWidget(diameter_);
    row->addWidget(radius_);
    row->addWidget(new QLabel(QStringLiteral("公差"), &panelDim));
    row->addWidget(tolerance_);
    row->addWidget(new QLabel(QStringLiteral("メモ"), &panelDim));
    row->addWidget(memo_);
    tolerance_->setFixedWidth(110);
    memo_->setFixedWidth(160);

    pitch_ = Named(new QComboBox(&panelDim2), "ComboBoxDim1");
    pitch_->addItems({QStringLiteral("フリー"), "1", "5", "10"});
    pitch_->setCurrentIndex(std::clamp(settings.DimPit, 0, 3));
    centre_ = Named(new QCheckBox(QStringLiteral("中央合せ"), &panelDim2), "CheckBoxDim1");
    centre_->setChecked(settings.DimCenter);
    auto* styles = Named(new QGroupBox(QStringLiteral("スタイル"), &panelDim2), "RadioGroupDim1");
    arrows_ = new QButtonGroup(styles);
    auto* styleRow = new QHBoxLayout(styles);
    int id = 0;
    for (const char* caption : {"←→", "・→", "→←", "・←"}) {
        auto* button = new QRadioButton(QString::fromUtf8(caption), styles);
        arrows_->addButton(button, id++);
        styleRow->addWidget(button);
    }
    arrows_->button(std::clamp(settings.ArrowPatern, 0, 3))->setChecked(true);
    auto* column = new QFormLayout(&panelDim2);
    column->addRow(pitch_);
    column->addRow(centre_);
    column->addRow(styles);
}

DimensionOptions DimensionControls::Options() const
{
    DimensionOptions options;
    options.RatioIndex = ratio_->currentIndex();
    options.LinePitch = pitch_->currentIndex();
    options.CentreText = centre_->isChecked();
    options.Diameter = diameter_->isChecked();
    options.Radius = radius_->isChecked();
    options.Tolerance = ToCp932(tolerance_->text());
    options.Memo = ToCp932(memo_->text());
    options.ArrowStyle = std::max(0, arrows_->checkedId());
    return options;
}

void DimensionControls::Remember(Settings& settings) const
{
    settings.DimPit = pitch_->currentIndex();
    settings.ArrowPatern = std::max(0, arrows_->checkedId());
    settings.DimCenter = centre_->isChecked();
}

void DimensionControls::ClearMarks()
{
    diameter_->setChecked(false);
    radius_->setChecked(false);
}

void DimensionControls::ClearTexts()
{
    tolerance_->clear();
    memo_->clear();
}

}  // namespace vantro
