// TFormPropaty "要素情報": the selected element's data, or a summary of several, with the colour,
// line type, layer, string and text height to apply on "更新". Its logic is callable without showing
// it: fill from a summary, change the controls, read Changes().
#pragma once

#include "commands/ElementProperties.h"
#include "document/Drawing.h"
#include "document/UserDialogs.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace vantro {

class ColorPanel;

class TFormPropaty final : public QDialog {
public:
    TFormPropaty(const PropertySummary& summary, const LayerTable& layers, UserDialogs& messages, QWidget* parent);

    // The choices "更新" applies.
    PropertyChanges Changes() const;
    // A swatch of the palette, as a click on it would choose it.
    void ChooseColour(uint32_t colour);
    // "更新": refused, with the dialog kept open, for a string longer than a drawing file holds.
    void accept() override;

private:
    void BuildLabels(const PropertySummary& summary, QWidget* page);
    void ShowColour();

    UserDialogs& messages_;
    uint32_t colour_ = 0;
    QLabel* shapeColor_ = nullptr;
    ColorPanel* palette_ = nullptr;
    QCheckBox* applyColour_ = nullptr;
    QCheckBox* applyLineType_ = nullptr;
    QCheckBox* applyLayer_ = nullptr;
    QComboBox* lineType_ = nullptr;
    QComboBox* layer_ = nullptr;
    QWidget* panel1_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    QSpinBox* spinEdit1_ = nullptr;
    QCheckBox* copies_ = nullptr;
};

}  // namespace vantro
