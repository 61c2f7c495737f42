#include "SettingsControls.h"

#include "ColourSwatch.h"
#include "files/IniStore.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace vantro {

QString ToQ(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

std::string FromQ(const QString& text)
{
    return text.toStdString();
}

void AddCheckBoxes(QBoxLayout* layout, std::span<const CheckSpec> specs, const Settings& settings)
{
    for (const CheckSpec& spec : specs) {
        auto* box = new QCheckBox(ToQ(spec.Caption));
        box->setObjectName(spec.Name);
        box->setChecked(settings.*spec.Field);
        layout->addWidget(box);
    }
}

void TakeCheckBoxes(const QWidget* root, std::span<const CheckSpec> specs, Settings& settings)
{
    for (const CheckSpec& spec : specs) settings.*spec.Field = root->findChild<QCheckBox*>(spec.Name)->isChecked();
}

void AddSpinBoxes(QFormLayout* form, std::span<const SpinSpec> specs, const Settings& settings)
{
    for (const SpinSpec& spec : specs) {
        auto* spin = new QSpinBox;
        spin->setObjectName(spec.Name);
        spin->setRange(spec.Min, spec.Max);
        spin->setValue(settings.*spec.Field);
        form->addRow(ToQ(spec.Caption), spin);
    }
}

void TakeSpinBoxes(const QWidget* root, std::span<const SpinSpec> specs, Settings& settings)
{
    for (const SpinSpec& spec : specs) settings.*spec.Field = root->findChild<QSpinBox*>(spec.Name)->value();
}

void AddFloatEdits(QFormLayout* form, std::span<const FloatSpec> specs, const Settings& settings)
{
    for (const FloatSpec& spec : specs)
        form->addRow(ToQ(spec.Caption), NewFloatEdit(spec.Name, ToQ(spec.Format(settings.*spec.Field))));
}

void TakeFloatEdits(const QWidget* root, std::span<const FloatSpec> specs, Settings& settings)
{
    for (const FloatSpec& spec : specs) {
        const auto value = ParseIniFloat(FromQ(root->findChild<QLineEdit*>(spec.Name)->text()));
        if (value) settings.*spec.Field = *value;
    }
}

void AddComboBox(QFormLayout* form, const ChoiceSpec& spec, const Settings& settings)
{
    auto* combo = new QComboBox;
    combo->setObjectName(spec.Name);
    for (const char* item : spec.Items) combo->addItem(ToQ(item));
    combo->setCurrentIndex(settings.*spec.Field);
    form->addRow(ToQ(spec.Caption), combo);
}

void TakeComboBox(const QWidget* root, const ChoiceSpec& spec, Settings& settings)
{
    settings.*spec.Field = root->findChild<QComboBox*>(spec.Name)->currentIndex();
}

QGroupBox* NewRadioGroup(const ChoiceSpec& spec, int columns, const Settings& settings)
{
    auto* group = new QGroupBox(ToQ(spec.Caption));
    group->setObjectName(spec.Name);
    auto* grid = new QGridLayout(group);
    auto* buttons = new QButtonGroup(group);
    const int rows = (static_cast<int>(spec.Items.size()) + columns - 1) / columns;
    for (int i = 0; i < static_cast<int>(spec.Items.size()); ++i) {
        auto* radio = new QRadioButton(ToQ(spec.Items[i]));
        radio->setObjectName(QStringLiteral("%1_%2").arg(spec.Name).arg(i));
        buttons->addButton(radio, i);
        grid->addWidget(radio, i % rows, i / rows);
    }
    if (QAbstractButton* checked = buttons->button(settings.*spec.Field)) checked->setChecked(true);
    return group;
}

int CheckedIndex(const QGroupBox* group)
{
    const QButtonGroup* buttons = group->findChild<QButtonGroup*>();
    return buttons ? buttons->checkedId() : -1;
}

void TakeRadioGroup(const QWidget* root, const ChoiceSpec& spec, Settings& settings)
{
    const int index = CheckedIndex(root->findChild<QGroupBox*>(spec.Name));
    if (index >= 0) settings.*spec.Field = index;
}

namespace {

QLineEdit* NewFilteredEdit(const char* name, const QString& text, const QString& pattern)
{
    auto* edit = new QLineEdit(text);
    edit->setObjectName(name);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    return edit;
}

}  // namespace

QLineEdit* NewIntegerEdit(const char* name, const QString& text)
{
    return NewFilteredEdit(name, text, QStringLiteral("[0-9]*"));
}

QLineEdit* NewFloatEdit(const char* name, const QString& text)
{
    return NewFilteredEdit(name, text, QStringLiteral("[0-9.]*"));
}

void AddColourRow(QFormLayout* form, const char* name, const char* buttonCaption, uint32_t colour,
                  const ColourChooser& choose)
{
    auto* swatch = new ColourSwatch(colour, [](uint32_t) {});
    swatch->setObjectName(name);
    swatch->setFixedSize(40, 20);
    auto* button = new QPushButton(ToQ(buttonCaption));
    button->setObjectName(QStringLiteral("%1Change").arg(name));
    QObject::connect(button, &QPushButton::clicked, swatch, [swatch, choose] {
        if (!choose) return;
        if (const auto chosen = choose(swatch->Colour())) swatch->SetColour(*chosen);
    });
    form->addRow(swatch, button);
}

uint32_t SwatchColour(const QWidget* root, const char* name)
{
    return root->findChild<ColourSwatch*>(name)->Colour();
}

void AddOkCancel(QBoxLayout* layout, QDialog* dialog, const char* okName, std::function<void()> ok)
{
    auto* row = new QHBoxLayout;
    auto* okButton = new QPushButton(QStringLiteral("OK"));
    okButton->setObjectName(okName);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"));
    cancel->setObjectName(QStringLiteral("ButtonCancel"));
    QObject::connect(okButton, &QPushButton::clicked, dialog, std::move(ok));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addStretch();
    row->addWidget(okButton);
    row->addWidget(cancel);
    layout->addLayout(row);
}

}  // namespace vantro
