// Builders shared by the two settings dialogs: controls named after the settings they show, made
// from small tables of {object name, caption, Settings member}, and the readers that take the
// values back.
#pragma once

#include "files/Settings.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

class QBoxLayout;
class QDialog;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace vantro {

class ColourSwatch;

// Offers a colour (0x00BBGGRR) to change; std::nullopt when the user cancels.
using ColourChooser = std::function<std::optional<uint32_t>(uint32_t)>;

struct CheckSpec {
    const char* Name;
    const char* Caption;
    bool Settings::*Field;
};

struct SpinSpec {
    const char* Name;
    const char* Caption;
    int Min;
    int Max;
    int Settings::*Field;
};

struct FloatSpec {
    const char* Name;
    const char* Caption;
    double Settings::*Field;
    std::string (*Format)(double);
    FloatRange Range;
};

// A combo box or a radio group: the field is the item index.
struct ChoiceSpec {
    const char* Name;
    const char* Caption;
    std::span<const char* const> Items;
    int Settings::*Field;
};

void AddCheckBoxes(QBoxLayout* layout, std::span<const CheckSpec> specs, const Settings& settings);
void TakeCheckBoxes(const QWidget* root, std::span<const CheckSpec> specs, Settings& settings);

void AddSpinBoxes(QFormLayout* form, std::span<const SpinSpec> specs, const Settings& settings);
void TakeSpinBoxes(const QWidget* root, std::span<const SpinSpec> specs, Settings& settings);

// A text that is not a number keeps the field as it was; a number outside the range is brought inside.
void AddFloatEdits(QFormLayout* form, std::span<const FloatSpec> specs, const Settings& settings);
void TakeFloatEdits(const QWidget* root, std::span<const FloatSpec> specs, Settings& settings);

void AddComboBox(QFormLayout* form, const ChoiceSpec& entry, const Settings& settings);
void TakeComboBox(const QWidget* root, const ChoiceSpec& entry, Settings& settings);

// Radio buttons in a titled group, laid out in the given number of columns.
QGroupBox* NewRadioGroup(const ChoiceSpec& entry, int columns, const Settings& settings);
void TakeRadioGroup(const QWidget* root, const ChoiceSpec& entry, Settings& settings);
// The checked button's position in the group, -1 when none is checked.
int CheckedIndex(const QGroupBox* group);

// Edits that accept only the keys they need: digits, or digits and a point.
QLineEdit* NewIntegerEdit(const char* name, const QString& text);
QLineEdit* NewFloatEdit(const char* name, const QString& text);

// A swatch named name with a button (name + "Change") beside it that offers the colour to choose.
void AddColourRow(QFormLayout* form, const char* name, const char* buttonCaption, uint32_t colour,
                  const ColourChooser& choose);
uint32_t SwatchColour(const QWidget* root, const char* name);

// "OK" and "キャンセル" at the foot of a dialog; ok runs for the first, the dialog is rejected by
// the second.
void AddOkCancel(QBoxLayout* layout, QDialog* dialog, const char* okName, std::function<void()> ok);

QString ToQ(const std::string& utf8);
std::string FromQ(const QString& text);

}  // namespace vantro
