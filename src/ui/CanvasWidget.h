// PaintBox1: the drawing area. Everything is drawn into a persistent image; the paint event only
// copies the image to the screen, and mouse events are handed to the window untranslated but for
// the shift state.
#pragma once

#include "document/Drawing.h"
#include "view/PaintSettings.h"
#include "view/Surface.h"
#include "view/TextLayouts.h"
#include "view/ViewState.h"

#include <QImage>
#include <QWidget>

#include <functional>

namespace vantro {

struct CanvasEvents {
    // button: Qt::LeftButton, Qt::RightButton or Qt::MiddleButton; shift: the window's bit set.
    std::function<void(Qt::MouseButton button, int x, int y, int shift)> MouseDown;
    std::function<void(int x, int y, int shift)> MouseMove;
    std::function<void(Qt::MouseButton button, int x, int y, int shift)> MouseUp;
    std::function<void()> DoubleClick;
    std::function<void(bool up)> Wheel;
    std::function<void()> Resized;
};

class CanvasWidget final : public QWidget {
public:
    explicit CanvasWidget(QWidget* parent);

    QImage& Image() { return image_; }
    void SetEvents(CanvasEvents events) { events_ = std::move(events); }

    // A resize does not replace the image by itself, since a repaint in progress may be drawing
    // into it: the window calls this when none is. True when a fresh image of the widget's size
    // took the old one's place.
    bool FitImageToWidget();
    // False after a resize the image has not followed yet.
    bool ImageFitsWidget() const;

    // The whole drawing painted into the image, the event loop handed a turn now and then (a
    // change of view meanwhile restarts the pass over the background). False when the widget was
    // resized meanwhile: the caller fits the image and paints again.
    bool PaintWholeDrawing(ViewState& view, const Drawing& drawing, const PaintSettings& settings,
                           const std::function<void(Surface&)>& background);

    // The bit set of DispatchClick: 1 Shift, 2 Alt, 4 Ctrl, 8 left, 16 right, 32 middle.
    static int ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QImage image_;
    TextLayouts layouts_;  // shaped texts kept between repaints
    CanvasEvents events_;
};

}  // namespace vantro
