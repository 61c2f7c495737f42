// A small rounded rectangle filled with one colour that reports left-button presses: the palette's
// swatches and the current-colour box of the main window.
#pragma once

#include <QWidget>

#include <cstdint>
#include <functional>

namespace vantro {

class ColourSwatch final : public QWidget {
    Q_OBJECT

public:
    // colour is 0x00BBGGRR.
    ColourSwatch(uint32_t colour, std::function<void(uint32_t)> pressed, QWidget* parent = nullptr);

    uint32_t Colour() const { return colour_; }
    void SetColour(uint32_t colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    uint32_t colour_;
    std::function<void(uint32_t)> pressed_;
};

}  // namespace vantro
