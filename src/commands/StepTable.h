// The one table of command steps: for each step code what it asks for, what the entry fields and
// LabelR show when a command starts there, the preview and snap constraint the view gets while it
// waits, its help topic, what it picks, and the functions that take its clicks and Enter.
#pragma once

#include "commands/CommandContext.h"
#include "view/PreviewShape.h"
#include "view/SnapKinds.h"

#include <cstdint>
#include <span>

namespace vantro {

using ClickStepFunction = void (*)(CommandContext&, const ClickInput&);
using EnterStepFunction = void (*)(CommandContext&);

// The dimension option panels a start shows instead of changing LabelR.
enum class DimensionPanels : uint8_t { None, Options, OptionsAndLinear };

// What a step does with clicks besides its own function.
enum class StepKind : uint8_t {
    Plain,
    SelectionStep,   // a click picks and toggles, a drag makes a window, "確定" confirms
    ConfirmedWindow, // the step after "確定" (and the step code while its window is dragged)
};

struct StepRow {
    uint16_t Code = 0;
    const char* Prompt = nullptr;     // shown when the step is entered (UTF-8)
    const char* AltPrompt = nullptr;  // the same for the right-button variant (AltVariant)
    const char* Again = nullptr;      // shown when the command comes back here after a result
    const char* AltAgain = nullptr;
    int Layout = 0;                   // entry fields a command started here shows (kLayout...)
    const char* LabelR = nullptr;     // LabelR at a start here; nullptr: "R"
    DimensionPanels Dimension = DimensionPanels::None;  // at a start: these panels, LabelR kept
    PreviewShape Preview = PreviewShape::None;
    SnapConstraint Constraint = SnapConstraint::None;
    int HelpContext = 0;              // F1's topic; 0 none
    StepKind Kind = StepKind::Plain;
    const char* PickKinds = nullptr;  // kinds its picks accept, as decimal digits; "0" any
    bool WindowTakesAnnotations = false;  // a window here also takes dimensions, texts, filled rectangles
    bool WindowTakesLocked = false;       // a window here also takes elements on locked layers
    bool PanelAlways = false;             // every pick waits for "確定" (groups, part files)
    ClickStepFunction Click = nullptr;
    EnterStepFunction Enter = nullptr;
    // Filled in for every row from its code.
    bool Snaps = false;        // the snap search runs while the step waits for a point
    bool ThinPreview = false;  // the preview is drawn 1 pixel wide, not in the chosen thickness
    bool IntegerBox = false;   // a start here shows "整数"
    bool StartsLocked = false; // a start here checks "ロック": editing commands begin without snapping
};

std::span<const StepRow> StepRows();
// The row of a command step, or nullptr when the code is not one (idle, view operations, printing).
const StepRow* FindStep(uint16_t code);

// A running command or the print placement can be parked during a one-shot view operation.
bool IsParkable(uint16_t code);
// What LabelR shows when a command starts at code; nullptr when the start leaves it (dimensions).
const char* StartLabelR(const StepRow& row);
// The prompt of a step as entered, or as returned to, for the command's variant.
const char* EntryPrompt(const StepRow& row, bool altVariant);
const char* ReturnPrompt(const StepRow& row, bool altVariant);

}  // namespace vantro
