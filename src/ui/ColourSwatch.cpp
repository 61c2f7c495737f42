#include "ui/ColourSwatch.h"

#include "view/QPainterSurface.h"

#include <QMouseEvent>
#include <QPainter>

namespace vantro {
namespace {

constexpr QSize kSwatchSize(22, 16);
constexpr qreal kCornerRadius = 4;

}  // namespace

ColourSwatch::ColourSwatch(uint32_t colour, std::function<void(uint32_t)> pressed, QWidget* parent)
    : QWidget(parent), colour_(colour), pressed_(std::move(pressed))
{
    setFixedSize(kSwatchSize);
}

void ColourSwatch::SetColour(uint32_t colour)
{
    colour_ = colour;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(ToQColor(colour_));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
}

// Other buttons go on to the panel, where the right button hides the palette.
void ColourSwatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (pressed_) pressed_(colour_);
}

}  // namespace vantro
