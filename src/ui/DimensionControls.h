// The dimension options of the main window: ratio, prefixes, tolerance and memo on PanelDim, and
// the line rounding, centring and arrow style of the linear dimensions on PanelDim2.
#pragma once

#include "document/DimensionText.h"
#include "files/Settings.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;

namespace vantro {

class DimensionControls {
public:
    // Fills the two panels; rounding, centring and arrow style start from the settings.
    DimensionControls(QFrame& panelDim, QFrame& panelDim2, const Settings& settings);

    // What a dimension made now takes from the controls.
    DimensionOptions Options() const;
    // "DimPit", "ArrowPatern" and "DimCenter", kept for the next start.
    void Remember(Settings& settings) const;
    // The commands other than the linear dimensions start without "φ" and "R".
    void ClearMarks();
    // Empties the tolerance and the memo.
    void ClearTexts();

private:
    QComboBox* ratio_;
    QComboBox* pitch_;
    QCheckBox* centre_;
    QCheckBox* diameter_;
    QCheckBox* radius_;
    QLineEdit* tolerance_;
    QLineEdit* memo_;
    QButtonGroup* arrows_;
};

}  // namespace vantro
