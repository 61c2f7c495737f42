// The tool buttons: which command each starts with which entry-field layout, its first prompt and
// what it presets. One row per button; the window builds its buttons and handlers from it.
#pragma once

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
    LockSnappingNoLabel,
    TextDialog,
    Dimension,          // PanelDim (and PanelDim2 for the linear ones)
    OnPanelOp,          // the glyph goes to SpeedButtonOp
};

// How the right mouse button acts on a button.
enum class RightButton {
    Click,        // the button reacts on click only
    AltVariant,   // the same command with AltVariant set
    OtherCommand, // its own start code and prompt
};

struct ToolButtonRow {
    const char* Name;  // object name, "SpeedButton17"
    const char* Hint;
    int Start;
    int Layout;
    const char* Prompt;
    RightButton Right = RightButton::Click;
    int RightStart = 0;
    int RightLayout = 0;
    const char* RightPrompt = nullptr;
    ToolPreset Preset = ToolPreset::None;
};

std::span<const ToolButtonRow> ToolButtonRows();
const ToolButtonRow* FindToolButton(int start);

}  // namespace vantro
