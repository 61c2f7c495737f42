#include "ui/ColourDialog.h"

#include "view/QPainterSurface.h"

#include <QColorDialog>

namespace vantro {

std::optional<uint32_t> ChooseColour(QWidget* parent, uint32_t current)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(current), parent);
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<uint32_t>(chosen.red()) | static_cast<uint32_t>(chosen.green()) << 8 |
           static_cast<uint32_t>(chosen.blue()) << 16;
}

}  // namespace vantro
