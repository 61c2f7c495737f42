#include "ui/CanvasWidget.h"

#include "commands/CommandState.h"

#include "view/ElementPainter.h"
#include "view/QPainterSurface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace vantro {
namespace {

// The repaint hands the event loop a turn at most this often, so input stays responsive.
constexpr qint64 kTurnEveryMs = 15;

}  // namespace

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PaintBox1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(Qt::lightGray);
}

int CanvasWidget::ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= kShiftKey;
    if (modifiers & Qt::AltModifier) shift |= kAltKey;
    if (modifiers & Qt::ControlModifier) shift |= kCtrlKey;
    if (buttons & Qt::LeftButton) shift |= kLeftButton;
    if (buttons & Qt::RightButton) shift |= kRightButton;
    if (buttons & Qt::MiddleButton) shift |= kMiddleButton;
    return shift;
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    // Until the image follows a resize it may be smaller than the widget.
    const QRect area = event->rect() & image_.rect();
    QPainter painter(this);
    painter.drawImage(area.topLeft(), image_, area);
}

void CanvasWidget::resizeEvent(QResizeEvent*)
{
    if (events_.Resized) events_.Resized();
    else FitImageToWidget();
}

bool CanvasWidget::FitImageToWidget()
{
    if (ImageFitsWidget()) return false;
    image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(Qt::lightGray);
    return true;
}

bool CanvasWidget::PaintWholeDrawing(ViewState& view, const Drawing& drawing, const PaintSettings& settings,
                                     const std::function<void(Surface&)>& background)
{
    QElapsedTimer sinceTurn;
    sinceTurn.start();
    auto yieldTurn = [&sinceTurn] {
        if (sinceTurn.elapsed() < kTurnEveryMs) return;
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sinceTurn.restart();
    };
    {
        QPainterSurface surface(image_, &layouts_);
        PaintDrawing(surface, view, drawing, settings, yieldTurn, background);
    }
    return ImageFitsWidget();
}

bool CanvasWidget::ImageFitsWidget() const { return width() <= 0 || height() <= 0 || image_.size() == size(); }

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (events_.MouseDown)
        events_.MouseDown(event->button(), p.x(), p.y(), ShiftState(event->modifiers(), event->buttons()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (events_.MouseMove) events_.MouseMove(p.x(), p.y(), ShiftState(event->modifiers(), event->buttons()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (events_.MouseUp)
        events_.MouseUp(event->button(), p.x(), p.y(), ShiftState(event->modifiers(), event->buttons()));
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is also a press, as on the system this program follows.
    mousePressEvent(event);
    if (events_.DoubleClick) events_.DoubleClick();
}

void CanvasWidget::wheelEvent(QWheelEvent* event)
{
    event->accept();
    const int delta = event->angleDelta().y();
    if (delta != 0 && events_.Wheel) events_.Wheel(delta > 0);
}

}  // namespace vantro
