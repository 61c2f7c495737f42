#include "ui/SnapCursors.h"

#include <QPainter>
#include <QPixmap>

namespace vantro {
namespace {

constexpr int kSize = 32;
constexpr int kHot = 10;  // the cross-hair's centre; the mark sits to its lower right

// The mark of each kind inside the box (17..29, 17..29).
void DrawMark(QPainter& p, int number)
{
    const QRect box(17, 17, 12, 12);
    const QPoint c = box.center();
    switch (number) {
    case 1: p.drawLine(box.topLeft(), box.bottomRight()); p.drawLine(box.topRight(), box.bottomLeft()); break;
    case 2: p.drawRect(box.adjusted(2, 2, -2, -2)); break;
    case 3: p.drawPolygon(QPolygon({QPoint(c.x(), box.top()), box.bottomLeft(), box.bottomRight()})); break;
    case 4: p.drawEllipse(box.adjusted(1, 1, -1, -1)); p.drawPoint(c); break;
    case 5: p.setBrush(Qt::black); p.drawEllipse(c, 3, 3); break;
    case 6: p.drawPolygon(QPolygon({box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})); break;
    case 7: p.drawLine(box.bottomLeft(), box.bottomRight()); p.drawLine(c.x(), box.top(), c.x(), box.bottom()); break;
    case 8: p.drawPolygon(QPolygon({QPoint(c.x(), box.top()), QPoint(box.right(), c.y()), QPoint(c.x(), box.bottom()),
                                    QPoint(box.left(), c.y())}));
            break;
    default: break;
    }
}

}  // namespace

QCursor SnapCursor(int number)
{
    if (number < 1 || number > 8) return QCursor(Qt::ArrowCursor);
    QPixmap image(kSize, kSize);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // White under black keeps the cursor visible on any background.
    for (const auto& [colour, width] : {std::pair{Qt::white, 3}, std::pair{Qt::black, 1}}) {
        p.setPen(QPen(colour, width));
        p.setBrush(Qt::NoBrush);
        p.drawLine(kHot, 0, kHot, 2 * kHot);
        p.drawLine(0, kHot, 2 * kHot, kHot);
        DrawMark(p, number);
    }
    p.end();
    return QCursor(image, kHot, kHot);
}

}  // namespace vantro
