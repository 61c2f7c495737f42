#include "ui/PanelMover.h"

#include <QMouseEvent>
#include <QWidget>

namespace vantro {

PanelMover::PanelMover(QWidget& panel) : QObject(&panel), panel_(panel) { panel.installEventFilter(this); }

// Presses a child left unaccepted reach the panel through Qt's propagation, so they count too.
bool PanelMover::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &panel_) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: return Press(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseMove: return Drag(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease: pressGlobal_.reset(); return false;
    default: return false;
    }
}

bool PanelMover::Press(const QMouseEvent& event)
{
    if (event.button() == Qt::RightButton) {
        pressGlobal_.reset();
        panel_.hide();
        return true;
    }
    if (event.button() != Qt::LeftButton) return false;
    pressGlobal_ = event.globalPosition().toPoint();
    pressPanelPos_ = panel_.pos();
    return true;
}

// Global positions keep the drag steady while the panel moves under the cursor.
bool PanelMover::Drag(const QMouseEvent& event)
{
    if (!pressGlobal_ || !(event.buttons() & Qt::LeftButton)) return false;
    panel_.move(pressPanelPos_ + event.globalPosition().toPoint() - *pressGlobal_);
    return true;
}

}  // namespace vantro
