// A status panel that keeps its whole text (text() and the tool tip) but shows as much as fits,
// ending in "…", so a long prompt never pushes the status bar wider than the window.
#pragma once

#include <QLabel>

namespace vantro {

class ElidedLabel final : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent) : QLabel(parent) {}

    void SetFullText(const QString& text);
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vantro
