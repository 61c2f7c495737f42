// The state of the running command: its step code, the points and picks it has taken, and what the
// view overlays need to know about it.
#pragma once

#include "commands/StepCodes.h"
#include "geometry/Primitives.h"
#include "view/ViewState.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vantro {

inline constexpr CanvasPoint kNoAnchor{-99999, -99999};

// What the editing commands keep between their steps; emptied when a command starts or ends.
struct EditingState {
    bool PasteReposition = false;  // the move places pasted elements and then ends the command
    int ArmedSplit = 0;            // partial delete: the next click deletes a piece of this split element
    bool SingleBoundary = false;   // trim: one clicked boundary, cutting on its whole line, for one trim
    bool CornerMade = false;       // continuous trim: a corner has been made since the first pick
    double CopyAngle = 0;          // rotate-copy: degrees between the copies
};

// Entry-field layouts of StartCommand.
inline constexpr int kLayoutNone = 0;
inline constexpr int kLayoutX = 1;
inline constexpr int kLayoutY = 2;
inline constexpr int kLayoutR = 3;
inline constexpr int kLayoutXY = 4;
inline constexpr int kLayoutXYR = 5;
inline constexpr int kLayoutXYRFocusR = 6;

// Mouse shift states of DispatchClick, as a bit set.
inline constexpr int kShiftKey = 1;
inline constexpr int kAltKey = 2;
inline constexpr int kCtrlKey = 4;
inline constexpr int kLeftButton = 8;
inline constexpr int kRightButton = 16;
inline constexpr int kMiddleButton = 32;
inline constexpr int kDoubleClick = 64;

struct CommandState {
    uint16_t CommandMode = step::kIdle;
    uint16_t LastCommand = 0;
    uint16_t SuspendedMode = 0;
    std::string SuspendedPrompt;  // UTF-8, at most 60 characters
    bool AltVariant = false;
    CanvasPoint AnchorPixel = kNoAnchor;
    CanvasPoint CursorPixel = kNoAnchor;
    CanvasPoint SnapMarkerPixel{};
    Point InputPoint1;
    Point InputPoint2;
    Point InputPoint3;
    bool HasLastPoint = false;
    Point LastPoint;
    bool SnapFound = false;
    Point SnapPoint;
    int FirstPick = 0;
    int SecondPick = 0;
    int ThirdPick = 0;
    bool WindowDragActive = false;
    // The last selection window in millimetres: left, right, bottom, top.
    std::array<double, 4> LastWindow{};
    bool MultiSelectPending = false;
    int SelectionCount = 0;

    // Values kept from the previous run of a command, offered again as presets.
    double LastRadius = 0;
    double LastDiameter = 0;
    double LastAngle = 0;
    int LastCorners = 0;
    double LastOffset = 0;
    double LastFilletRadius = 0;

    // Drawing commands: the flattening ratio of the last ellipse, offered again by the next one.
    double LastFlattening = 0;

    // The editing commands' own state.
    EditingState Editing;

    // The hatch command's boundary so far, each vertex rounded as the entry fields write numbers,
    // and the trace lines joining clicked points (shown highlighted, never in the store).
    std::vector<Point> HatchBoundary;
    std::vector<TCadData> HatchTrace;
    // The hatch dialog's pitch (mm) and slope, kept until the program ends.
    float HatchPitch = 10;
    bool HatchFalling = false;
    // The inserted image a move or resize acts on (1..10); 0 none.
    uint8_t SelectedImage = 0;
};

}  // namespace vantro
