// The system colour dialog in the program's colour form (0x00BBGGRR).
#pragma once

#include <cstdint>
#include <optional>

class QWidget;

namespace vantro {

// std::nullopt when the user cancels.
std::optional<uint32_t> ChooseColour(QWidget* parent, uint32_t current);

}  // namespace vantro
