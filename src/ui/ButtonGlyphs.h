// Glyphs of the tool buttons, drawn in code: one small drawing per button object name.
#pragma once

#include <QIcon>
#include <QString>

namespace vantro {

// The icon of the tool button with this object name, at 24x24 and 48x48 pixels.
// Buttons that show a caption instead ("SpeedButtonOp", "SpeedButtonRTP") and unknown
// names get an empty icon.
QIcon ToolButtonGlyph(const QString& objectName);

}  // namespace vantro
