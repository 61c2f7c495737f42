// The tool buttons: which command each starts with either mouse button, and what it presets after the
// start. The prompts, entry fields and LabelR of a start come from the step table.
#pragma once

#include <cstdint>
#include <span>

namespace vantro {

// What a button sets after StartCommand.
enum class ToolPreset {
    None,
    LastAngle,          // EditR := last angle
    LastAngleHidden,    // EditR := last angle, field hidden
    CircleRadius,       // LabelR R/D, EditR := last radius or diameter, CheckBoxLock and CheckBoxCrCenter
    CircleCentreBox,    // CheckBoxCrCenter shown
    TangentRadius,      // CheckBoxLock2 := AltVariant, EditR := last radius
    TangentThree,       // CheckBoxLock2 := AltVariant
    LastRadiusFocused,  // EditR := last radius, focused and selected
    LastCorners,        // EditR := last corner count
    FilletRadius,       // EditR := last fillet radius, else "0"
    ChamferZero,        // EditR := "0"
    LastOffset,         // EditR := last offset
    LockSnapping,       // CheckBoxLock2 checked
    TextDialog,
    OnPanelOp,          // the glyph goes to SpeedButtonOp
    HatchDialog,        // the hatch dialog, then PanelMulti
};

// How the right mouse button acts on a button.
enum class RightButton {
    Click,        // the button reacts on click only
    AltVariant,   // the same command with AltVariant set
    OtherCommand, // its own start code
};

struct ToolButtonRow {
    const char* Name;  // object name, "SpeedButton17"
    const char* Hint;
    uint16_t Start;
    RightButton Right = RightButton::Click;
    uint16_t RightStart = 0;
    ToolPreset Preset = ToolPreset::None;
    // A right click on the idle canvas repeats the command in the variant it last ran in.
    bool RepeatsVariant = false;
};

std::span<const ToolButtonRow> ToolButtonRows();
// The button whose left or right button starts the code.
const ToolButtonRow* FindToolButton(uint16_t start);

}  // namespace vantro
