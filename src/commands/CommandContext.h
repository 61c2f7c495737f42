// What a command step works on and what it hands back. The window fills a context from its widgets
// for each click or Enter, runs the step, and shows what the step asked for; steps never see a
// widget, so they run the same under a test, a command script or the user's mouse.
#pragma once

#include "commands/CommandState.h"
#include "document/DimensionText.h"
#include "document/Drawing.h"
#include "files/Settings.h"
#include "view/ElementIndex.h"
#include "view/ViewState.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vantro {

enum class EntryFocus { Keep, Canvas, X, Y, R };

// The entry fields and option boxes as the window showed them when the input arrived. Texts are UTF-8.
struct EntrySnapshot {
    std::string X;
    std::string Y;
    std::string R;
    bool XShown = false;
    bool YShown = false;
    bool RShown = false;
    bool Integer = false;          // CheckBox_Int "整数"
    bool RadiusLocked = false;     // CheckBoxLock: the circle's radius is the typed one
    bool SnapLocked = false;       // CheckBoxLock2 "ロック"
    bool CentreCross = false;      // CheckBoxCrCenter
    bool GroupPick = false;        // CheckBoxGrp "ｸﾞﾙｰﾌﾟﾁｪｯｸ"
    DimensionOptions Dimension;    // PanelDim and PanelDim2
};

// The text dialog's content while the text command runs.
struct TextEntry {
    std::vector<std::string> Lines;  // CP932
    double Height = 0;               // mm
    uint32_t Colour = 0;
};

// What a step asks the window to show or do. Unset members leave the widget as it is.
struct StepResult {
    std::optional<std::string> Prompt;  // status panel 4
    std::optional<std::string> X;       // new texts of EditX, EditY, EditR
    std::optional<std::string> Y;
    std::optional<std::string> R;
    std::optional<bool> ShowX;
    std::optional<bool> ShowY;
    std::optional<bool> ShowR;
    std::optional<std::string> LabelR;
    EntryFocus Focus = EntryFocus::Keep;  // the field gets the focus with its text selected
    std::optional<Point> WarpTo;          // move the screen pointer onto this world point
    bool Repaint = false;                 // repaint the whole view
    std::optional<bool> MultiPanel;       // PanelMulti shown (with "確定" focused) or hidden
    std::optional<bool> SnapLock;         // CheckBoxLock2
    std::optional<std::string> Transient; // PanelMsg for a moment
    bool Cancel = false;                  // end the command as "中止" does
    uint16_t PressButtonOf = 0;           // this start code's tool button goes down, without a restart
    bool ReopenTextDialog = false;
    // Editing commands.
    bool RepaintEdited = false;          // repaint after an edit: the canvas cleared first only with "ClsChk" 1
    std::vector<Point> Markers;          // break and division points, circled until the next repaint
    bool OpenProperties = false;         // the property dialog for the selected elements
    std::optional<CanvasPoint> ViewOrigin;  // the world origin moves to this canvas pixel (origin change)
    // Fills and hatching.
    std::optional<size_t> PaintFill;      // this fill memo line is painted over the canvas at once
    bool DrawHatchTrace = false;          // the hatch boundary's trace lines are drawn again
};

struct CommandContext {
    Drawing& Document;
    CommandState& State;
    const ViewState& View;
    UserDialogs& Dialogs;
    ElementIndex& Index;
    const Settings& Preferences;
    bool FillsShown = false;  // ButtonBrushOnOff: filled rectangles can be picked
    CurrentAttributes Attributes;
    EntrySnapshot Entries;
    TextEntry Text;
    // The overlapping-element chooser: one of the indices, or -1 when it was cancelled.
    std::function<int(const std::vector<int>&)> Choose;
    StepResult Result;
};

// A mouse press handed to a step: its canvas pixel and shift state (kShiftKey | kLeftButton ...).
struct ClickInput {
    int X = 0;
    int Y = 0;
    int Shift = 0;
};

// The helpers every step uses to answer.
void ShowPrompt(CommandContext& ctx, std::string text);
void ShowField(CommandContext& ctx, EntryFocus field, std::string text);
void ShowPointInFields(CommandContext& ctx, Point p);
void FocusField(CommandContext& ctx, EntryFocus field);
// CommandMode := code, with the prompt of its row (the variant's when AltVariant is set).
void EnterStep(CommandContext& ctx, uint16_t code);
// The same with the prompt a command shows when it comes back to the step after a result.
void ReturnToStep(CommandContext& ctx, uint16_t code);

}  // namespace vantro
