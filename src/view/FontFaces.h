// Windows face names kept in settings and drawings ("ＭＳ ゴシック", ...) shown with the Japanese
// fonts of this system, so the names stay as they were written.
#pragma once

#include <QFont>

namespace vantro {

// Registers the face-name substitutions once per process; later calls do nothing.
void InstallFontSubstitutions();

// The font of a face name at a height in pixels (at least 1), the substitutions installed.
QFont FontForFace(const QString& face, int pixelHeight);

}  // namespace vantro
