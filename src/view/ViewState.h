// The one mapping between world millimetres (y up, doubles) and canvas pixels (y down, ints), the
// settings that shape it, and every operation that changes it: fit, zoom, pan, wheel, history.
#pragma once

#include "document/Drawing.h"

#include <array>
#include <cstdint>
#include <string>

namespace vantro {

struct ExtentBox;

struct CanvasPoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const CanvasPoint&) const = default;
};

struct ViewHistoryEntry {
    float Zoom = 0;
    float OriginX = 0;
    float OriginY = 0;
    bool operator==(const ViewHistoryEntry&) const = default;
};

enum class RepaintState { Idle, Painting, RestartRequested };

enum class GridPattern : uint8_t { None = 0, Lines = 1, Dots = 2 };

// Grid settings of the "Cad" section.
struct GridSettings {
    GridPattern Pattern = GridPattern::None;  // "Patern"
    double Pitch = 10;                        // "GridPit", mm
    uint8_t CountX = 20;                      // "GridCountX"
    uint8_t CountY = 20;                      // "GridCountY"
    uint8_t ThickEvery = 5;                   // "GridPit2": every n-th line 2 px wide, 0 none
    uint32_t Colour = 0;                      // "GridColor"
};

inline constexpr float kMinZoom = 0.01f;
inline constexpr float kMaxZoom = 3000.0f;
inline constexpr int kSheetWidths[] = {200, 400, 600, 800, 1000, 1500, 2000, 3000, 5000, 10000, 50000, 100000};
inline constexpr int kDefaultSheetIndex = 3;
inline constexpr int kDefaultReferencePosition = 4;  // 中心
inline constexpr int kDefaultWheel = 4;
inline constexpr int kDefaultMinWindowPixels = 10;   // "Mado"
inline constexpr int kPanStepPixels = 20;

struct ViewState {
    float Zoom = 1;
    float FitScale = 1;  // pixels per millimetre at Zoom 1
    int32_t OriginX = 0;  // canvas pixel of the world origin
    int32_t OriginY = 0;
    std::array<ViewHistoryEntry, 10> ViewHistory{};
    RepaintState Repaint = RepaintState::Idle;

    int CanvasWidth = 0;  // client size of PaintBox1
    int CanvasHeight = 0;

    int SheetWidth = 800;  // mm
    int SheetHeight = 400;
    int ReferencePosition = kDefaultReferencePosition;  // 0..8, "senter"
    int Wheel = kDefaultWheel;                          // 1..9

    GridSettings Grid;
    double GridOriginX = 0;  // world point of the grid's first line or dot
    double GridOriginY = 0;

    CanvasPoint LastMousePixel;
    bool CrosshairOn = false;
    CanvasPoint CrosshairPixel{-1000, -1000};
    bool OverlayWiped = false;

    // Status panel 0 ("ｻｲｽﾞ800 x1", "ｻｲｽﾞ800x1.4"), UTF-8.
    std::string SizeText;
};

// Zoom × FitScale in single precision, as every painter computes it once per pass.
float ViewScale(const ViewState& view);

// Round half to even.
CanvasPoint WorldToCanvas(const ViewState& view, double x, double y);
// The same with Trunc (the pan's anchor recompute).
CanvasPoint WorldToCanvasTrunc(const ViewState& view, double x, double y);
void CanvasToWorld(const ViewState& view, double px, double py, double& x, double& y);

// Sets the sheet from its index 0..11, Zoom 1, the size text, and fits.
void SetSheetSize(ViewState& view, int index);
// FitScale and origin from the canvas size, the sheet and the reference position. A canvas without
// area (minimised) leaves the view as it was.
void FitSheet(ViewState& view);
// The canvas took a new size: a view still showing the fitted sheet is fitted anew; one the user
// zoomed or panned keeps its scale and the point at the canvas's centre.
void ResizeCanvas(ViewState& view, int width, int height);
// "標準表示": Zoom 1, size text " x1", FitSheet.
void ResetToSheet(ViewState& view);
// Recomputes GridOriginX/Y from the grid settings and the reference position.
void UpdateGridOrigin(ViewState& view);

// ×2 and ½ (and the right-to-left window drag): clamps to 3000, pushes the history.
void ZoomAboutCentre(ViewState& view, float factor);
// The guards of the buttons: false when the zoom may not change.
bool ZoomInAllowed(const ViewState& view);
bool ZoomOutAllowed(const ViewState& view);
// Which zoom-out the step refuses near the smallest zoom: the main window refuses what the ½
// button would refuse, although the step is only 0.8; the secondary window tests the step itself.
enum class StepZoomGuard { HalfStep, OwnStep };

// Ctrl+Up (1.2) and Ctrl+Down (0.8) about the canvas centre, without history. False when nothing
// changed.
bool StepZoom(ViewState& view, bool in, StepZoomGuard guard = StepZoomGuard::HalfStep);
// One wheel notch about LastMousePixel. False when nothing changed.
bool WheelZoom(ViewState& view, bool in);
// Zoom to a canvas rectangle; false (and nothing changed) when an extent is below 5 pixels or the
// zoom is at its limit.
bool ZoomToRectangle(ViewState& view, int x1, int y1, int x2, int y2);
// Fits the visible layers' elements. marginKind 0: after an import (0.5), 1: the fit buttons (1.0),
// 2: printing (0.5, box starting with the paper of paperWidth × paperHeight mm around the origin).
// False when the drawing is empty.
bool FitToDrawing(ViewState& view, const Drawing& drawing, int marginKind, int paperWidth = 0, int paperHeight = 0);
// Fits a box of world points as FitToDrawing does, with its margin factor. False when it is empty.
bool FitToBox(ViewState& view, const ExtentBox& box, double margin);
// Back to history entry 1; false when there is none.
bool PreviousView(ViewState& view);
// Menu pans by 20 pixels.
void Pan(ViewState& view, int dx, int dy);
// Status text after a zoom change: "ｻｲｽﾞ" + width + "x" + zoom as "0.##".
void UpdateSizeText(ViewState& view);

// Status panels 1 and 2 for a canvas pixel: "X12.345", "Y-0.500" (or "@X"/"@Y" for a snap).
std::string ReadoutX(const ViewState& view, int px, bool snapped = false, double snappedX = 0);
std::string ReadoutY(const ViewState& view, int py, bool snapped = false, double snappedY = 0);

// Shift constrains the mouse through the last point: horizontally or vertically, whichever is nearer.
CanvasPoint ConstrainThroughPoint(const ViewState& view, CanvasPoint mouse, double lastX, double lastY);

}  // namespace vantro
