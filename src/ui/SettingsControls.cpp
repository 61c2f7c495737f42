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

#include <algorithm>

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
    for (const CheckSpec& entry : specs) {
        auto* box = new QCheckBox(ToQ(entry.Caption));
        box->setObjectName(entry.Name);
        box->setChecked(settings.*entry.Field);
        layout->addWidget(box);
    }
}

void TakeCheckBoxes(const QWidget* root, std::span<const CheckSpec> specs, Settings& settings)
{
    for (const CheckSpec& entry : specs) settings.*entry.Field = root->findChild<QCheckBox*>(entry.Name)->isChecked();
}

void AddSpinBoxes(QFormLayout* form, std::span<const SpinSpec> specs, const Settings& settings)
{
    for (const SpinSpec& entry : specs) {
        auto* spin = new QSpinBox;
        spin->setObjectName(entry.Name);
        spin->setRange(entry.Min, entry.Max);
        spin->setValue(settings.*entry.Field);
        form->addRow(ToQ(entry.Caption), spin);
    }
}

void TakeSpinBoxes(const QWidget* root, std::span<const SpinSpec> specs, Settings& settings)
{
    for (const SpinSpec& entry : specs) settings.*entry.Field = root->findChild<QSpinBox*>(entry.Name)->value();
}

void AddFloatEdits(QFormLayout* form, std::span<const FloatSpec> specs, const Settings& settings)
{
    for (const FloatSpec& entry : specs)
        form->addRow(ToQ(entry.Caption), NewFloatEdit(entry.Name, ToQ(entry.Format(settings.*entry.Field))));
}

void TakeFloatEdits(const QWidget* root, std::span<const FloatSpec> specs, Settings& settings)
{
    for (const FloatSpec& entry : specs) {
        const auto value = ParseIniFloat(FromQ(root->findChild<QLineEdit*>(entry.Name)->text()));
        if (value) settings.*entry.Field = std::clamp(*value, entry.Range.Min, entry.Range.Max);
    }
}

void AddComboBox(QFormLayout* form, const ChoiceSpec& entry, const Settings& settings)
{
    auto* combo = new QComboBox;
    combo->setObjectName(entry.Name);
    for (const char* item : entry.Items) combo->addItem(ToQ(item));
    combo->setCurrentIndex(settings.*entry.Field);
    form->addRow(ToQ(entry.Caption), combo);
}

void TakeComboBox(const QWidget* root, const ChoiceSpec& entry, Settings& settings)
{
    settings.*entry.Field = root->findChild<QComboBox*>(entry.Name)->currentIndex();
}

QGroupBox* NewRadioGroup(const ChoiceSpec& entry, int columns, const Settings& settings)
{
    auto* group = new QGroupBox(ToQ(entry.Caption));
    group->setObjectName(entry.Name);
    auto* grid = new QGridLayout(group);
    auto* buttons = new QButtonGroup(group);
    const int rows = (static_cast<int>(entry.Items.size()) + columns - 1) / columns;
    for (int i = 0; i < static_cast<int>(entry.Items.size()); ++i) {
        auto* radio = new QRadioButton(ToQ(entry.Items[i]));
        radio->setObjectName(QStringLiteral("%1_%2").arg(entry.Name).arg(i));
        buttons->addButton(radio, i);
        grid->addWidget(radio, i % rows, i / rows);
    }
    if (QAbstractButton* checked = buttons->button(settings.*entry.Field)) checked->setChecked(true);
    return group;
}

int CheckedIndex(const QGroupBox* group)
{
    const QButtonGroup* buttons = group->findChild<QButtonGroup*>();
    return buttons ? buttons->checkedId() : -1;
}

void TakeRadioGroup(const QWidget* root, const ChoiceSpec& entry, Settings& settings)
{
    const int index = CheckedIndex(root->findChild<QGroupBox*>(entry.Name));
    if (index >= 0) settings.*entry.Field = index;
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
