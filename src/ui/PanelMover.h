// Floating panels are moved by dragging their background with the left button and hidden with the
// right button. A press counts as background when no child widget took it.
#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QMouseEvent;
class QWidget;

namespace vantro {

class PanelMover final : public QObject {
public:
    // Installs itself on the panel, which owns it.
    explicit PanelMover(QWidget& panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Press(const QMouseEvent& event);
    bool Drag(const QMouseEvent& event);

    QWidget& panel_;
    std::optional<QPoint> pressGlobal_;
    QPoint pressPanelPos_;
};

}  // namespace vantro
