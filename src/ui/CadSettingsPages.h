// The tab pages of "CAD設定" that hold plain values (drawing behaviour, dimension style,
// printing, grid) and the reader that takes them back.
#pragma once

#include "SettingsControls.h"
#include "files/Settings.h"

#include <functional>

class QWidget;

namespace vantro {

// The most grid lines in either direction.
inline constexpr int kGridCountMax = 100;

// "ｱﾝﾄﾞｩｰ初期化" runs clearUndo.
QWidget* NewDrawingPage(const Settings& settings, const ColourChooser& choose, const std::function<void()>& clearUndo);
QWidget* NewDimensionPage(const Settings& settings, const ColourChooser& choose);
QWidget* NewPrinterPage(const Settings& settings);
// Validation of the grid edits while typing is the dialog's part.
QWidget* NewGridPage(const Settings& settings, const ColourChooser& choose);

// Every value of the pages above, from the controls under root.
void TakeCadPages(const QWidget* root, Settings& settings);

}  // namespace vantro
