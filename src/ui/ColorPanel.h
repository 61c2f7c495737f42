// The colour palette: 40 fixed swatches, three user swatches and the "色作成" button.
#pragma once

#include <QFrame>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace vantro {

class ColourSwatch;

struct ColorPanelCallbacks {
    // A swatch was pressed: its colour (0x00BBGGRR) becomes the current colour.
    std::function<void(uint32_t colour)> ColourChosen;
    // "色作成": the colour the user made, or nothing when cancelled.
    std::function<std::optional<uint32_t>()> AskColour;
};

class ColorPanel final : public QFrame {
    Q_OBJECT

public:
    explicit ColorPanel(ColorPanelCallbacks callbacks, QWidget* parent = nullptr);

private:
    void MakeColour();

    ColorPanelCallbacks callbacks_;
    std::array<ColourSwatch*, 3> userSwatches_{};
    int nextUserSwatch_ = 0;  // 0, 1, 2, 0, ...
};

}  // namespace vantro
