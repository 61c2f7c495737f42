#include "view/ViewState.h"

#include "view/ElementExtents.h"

#include "document/Layers.h"
#include "geometry/Primitives.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vantro {
namespace {

constexpr int kNearPixels = 10;  // the sheet's edge stays this far inside the canvas
constexpr double kFitShrink = 0.95;
constexpr double kMiddleShrink = 0.9;  // the middle placement uses 0.9, not the fit's 0.95
constexpr double kStepIn = 1.2;
constexpr double kStepOut = 0.8;
const char* const kSizeLabel = "ｻｲｽﾞ";

// Round half to even into an int32; false when the value is not finite or does not fit.
bool RoundToInt32(double value, int32_t& out)
{
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<int32_t>::min() ||
        rounded > std::numeric_limits<int32_t>::max())
        return false;
    out = static_cast<int32_t>(rounded);
    return true;
}

// For mappings that must return a pixel: out-of-range values stick to the nearest int32.
int32_t SaturateToInt32(double integral)
{
    if (std::isnan(integral)) return 0;
    if (integral <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    if (integral >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(integral);
}

// Fixed-point text with `decimals` places and '.' in any locale: the value is first taken to 18
// significant digits, then halves round away from zero (0.125 reads "0.13"), as the status bar
// has always shown it. A value that rounds to zero has no sign.
std::string FormatFixed(double value, int decimals)
{
    if (!std::isfinite(value)) value = 0;
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value),
                                         std::chars_format::scientific, 17);
    std::string digits;  // the 18 significant digits
    int exponent = 0;
    if (ec == std::errc{}) {
        const char* e = std::find(buffer, end, 'e');
        for (const char* c = buffer; c != e; ++c)
            if (*c != '.') digits += *c;
        exponent = std::atoi(e + 1);
    }
    // scaled = value × 10^decimals as a decimal integer, rounded at the first dropped digit.
    const int kept = exponent + 1 + decimals;
    std::string scaled;
    if (kept > 0) {
        scaled = digits.substr(0, static_cast<size_t>(std::min<int>(kept, static_cast<int>(digits.size()))));
        scaled.append(static_cast<size_t>(std::max<int>(0, kept - static_cast<int>(digits.size()))), '0');
    }
    if (kept >= 0 && kept < static_cast<int>(digits.size()) && digits[static_cast<size_t>(kept)] >= '5') {
        int i = static_cast<int>(scaled.size()) - 1;
        for (; i >= 0 && scaled[static_cast<size_t>(i)] == '9'; --i) scaled[static_cast<size_t>(i)] = '0';
        if (i >= 0) ++scaled[static_cast<size_t>(i)];
        else scaled.insert(scaled.begin(), '1');
    }
    const bool zero = scaled.find_first_not_of('0') == std::string::npos;
    const size_t width = static_cast<size_t>(decimals) + 1;
    if (scaled.size() < width) scaled = std::string(width - scaled.size(), '0') + scaled;
    const size_t point = scaled.size() - static_cast<size_t>(decimals);
    std::string text = (value < 0 && !zero) ? "-" : "";
    text.append(scaled, 0, point);
    if (decimals > 0) {
        text.push_back('.');
        text.append(scaled, point, std::string::npos);
    }
    return text;
}

// "0.##": up to two decimals, no trailing zeros and no trailing point.
std::string FormatZoom(float zoom)
{
    std::string text = FormatFixed(zoom, 2);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

int ReferenceOf(const ViewState& view)
{
    const int position = view.ReferencePosition;
    return position >= 0 && position <= 8 ? position : kDefaultReferencePosition;
}

bool IsZeroEntry(const ViewHistoryEntry& entry) { return entry == ViewHistoryEntry{}; }

ViewHistoryEntry CurrentEntry(const ViewState& view)
{
    return {view.Zoom, static_cast<float>(view.OriginX), static_cast<float>(view.OriginY)};
}

// The first history-recording operation keeps the view it started from.
void RememberStartView(ViewState& view)
{
    if (IsZeroEntry(view.ViewHistory[0])) view.ViewHistory[0] = CurrentEntry(view);
}

void PushHistory(ViewState& view)
{
    std::copy_backward(view.ViewHistory.begin(), view.ViewHistory.end() - 1, view.ViewHistory.end());
    view.ViewHistory[0] = CurrentEntry(view);
}

// New origin when the view is scaled by factor about the canvas centre.
bool ScaleAboutCentre(const ViewState& view, double factor, int32_t& originX, int32_t& originY)
{
    const double cx = view.CanvasWidth / 2.0;
    const double cy = view.CanvasHeight / 2.0;
    return RoundToInt32(cx + factor * (view.OriginX - cx), originX) &&
           RoundToInt32(cy + factor * (view.OriginY - cy), originY);
}

bool UsableFactor(double factor) { return std::isfinite(factor) && factor > 0; }

}  // namespace

float ViewScale(const ViewState& view) { return view.Zoom * view.FitScale; }

CanvasPoint WorldToCanvas(const ViewState& view, double x, double y)
{
    const double s = ViewScale(view);
    return {SaturateToInt32(std::nearbyint(x * s + view.OriginX)),
            SaturateToInt32(std::nearbyint(view.OriginY - y * s))};
}

CanvasPoint WorldToCanvasTrunc(const ViewState& view, double x, double y)
{
    const double s = ViewScale(view);
    return {SaturateToInt32(std::trunc(x * s + view.OriginX)), SaturateToInt32(std::trunc(view.OriginY - y * s))};
}

void CanvasToWorld(const ViewState& view, double px, double py, double& x, double& y)
{
    const float s = ViewScale(view);
    if (!std::isfinite(s) || s == 0) {
        x = 0;
        y = 0;
        return;
    }
    x = (px - view.OriginX) / s;
    y = (view.OriginY - py) / s;
}

void SetSheetSize(ViewState& view, int index)
{
    constexpr int count = static_cast<int>(std::size(kSheetWidths));
    if (index < 0 || index >= count) index = kDefaultSheetIndex;
    view.Zoom = 1;
    view.SheetWidth = kSheetWidths[index];
    view.SheetHeight = view.SheetWidth / 2;
    view.SizeText = kSizeLabel + std::to_string(view.SheetWidth) + " x1";
    FitSheet(view);
}

void FitSheet(ViewState& view)
{
    const int w = view.CanvasWidth;
    const int h = view.CanvasHeight;
    const int sw = view.SheetWidth;
    const int sh = view.SheetHeight;
    // A minimised window has no area to fit into; keep the last good view.
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;

    const double byWidth = static_cast<double>(w) / sw;
    const double byHeight = static_cast<double>(h) / sh;
    const float fitScale = static_cast<float>((byWidth > byHeight ? byHeight : byWidth) * kFitShrink);
    if (!std::isfinite(fitScale) || fitScale <= 0) return;

    // Slot 0 is the near edge, 1 the middle, 2 the far edge of one axis.
    const auto place = [fitScale](int slot, int canvas, int sheet, int32_t& out) {
        if (slot == 0) {
            out = kNearPixels;
            return true;
        }
        if (slot == 2) return RoundToInt32(static_cast<double>(canvas) - kNearPixels, out);
        const double drawn = sheet * static_cast<double>(fitScale) * kMiddleShrink;
        const double half = (sheet / 2) * static_cast<double>(fitScale) * kMiddleShrink;
        return RoundToInt32((canvas - drawn) / 2 + half + 1.0, out);
    };
    const int position = ReferenceOf(view);
    int32_t originX = 0;
    int32_t originY = 0;
    if (!place(position / 3, w, sw, originX) || !place(position % 3, h, sh, originY)) return;
    view.FitScale = fitScale;
    view.OriginX = originX;
    view.OriginY = originY;
}

void ResizeCanvas(ViewState& view, int width, int height)
{
    ViewState sheet = view;
    FitSheet(sheet);
    const bool showsTheSheet = sheet.FitScale == view.FitScale && sheet.OriginX == view.OriginX &&
                               sheet.OriginY == view.OriginY && view.Zoom == 1;
    const int oldWidth = view.CanvasWidth;
    const int oldHeight = view.CanvasHeight;
    view.CanvasWidth = width;
    view.CanvasHeight = height;
    if (showsTheSheet) {
        FitSheet(view);
        return;
    }
    view.OriginX += (width - oldWidth) / 2;
    view.OriginY += (height - oldHeight) / 2;
}

void ResetToSheet(ViewState& view)
{
    view.Zoom = 1;
    view.SizeText = kSizeLabel + std::to_string(view.SheetWidth) + " x1";
    FitSheet(view);
}

void UpdateGridOrigin(ViewState& view)
{
    const double width = view.Grid.CountX * view.Grid.Pitch;
    const double height = view.Grid.CountY * view.Grid.Pitch;
    const int position = ReferenceOf(view);
    // Columns of positions: left, centre, right; rows: top, middle, bottom.
    const double xs[] = {0, -width / 2, -width};
    const double ys[] = {-height, -height / 2, 0};
    view.GridOriginX = xs[position / 3];
    view.GridOriginY = ys[position % 3];
}

void ZoomAboutCentre(ViewState& view, float factor)
{
    double f = factor;
    if (!UsableFactor(f)) return;
    if (view.Zoom * f > kMaxZoom) f = kMaxZoom / static_cast<double>(view.Zoom);
    int32_t originX = 0;
    int32_t originY = 0;
    if (!ScaleAboutCentre(view, f, originX, originY)) return;
    RememberStartView(view);
    view.OriginX = originX;
    view.OriginY = originY;
    view.Zoom = static_cast<float>(f * view.Zoom);
    PushHistory(view);
    UpdateSizeText(view);
}

bool ZoomInAllowed(const ViewState& view) { return view.Zoom < kMaxZoom; }

bool ZoomOutAllowed(const ViewState& view) { return !(view.Zoom * 0.5 < kMinZoom); }

bool StepZoom(ViewState& view, bool in, StepZoomGuard guard)
{
    double f = in ? kStepIn : kStepOut;
    if (in) {
        if (!ZoomInAllowed(view)) return false;
        if (view.Zoom * f > kMaxZoom) f = kMaxZoom / static_cast<double>(view.Zoom);
    } else if (guard == StepZoomGuard::HalfStep ? !ZoomOutAllowed(view)
                                                : view.Zoom * static_cast<float>(kStepOut) < kMinZoom) {
        return false;
    }
    int32_t originX = 0;
    int32_t originY = 0;
    if (!ScaleAboutCentre(view, f, originX, originY)) return false;
    view.OriginX = originX;
    view.OriginY = originY;
    view.Zoom = static_cast<float>(view.Zoom * f);
    UpdateSizeText(view);
    return true;
}

bool WheelZoom(ViewState& view, bool in)
{
    // The sensitivity slider runs 1..9; outside that the factors would stall or turn negative.
    const double wheel = std::clamp(view.Wheel, 1, 9);
    double f = 0;
    if (in) {
        f = 1 + wheel / 10;
        if (!ZoomInAllowed(view)) return false;
        if (view.Zoom * f >= kMaxZoom) f = kMaxZoom / static_cast<double>(view.Zoom);
    } else {
        f = (10 - wheel / 2) * 0.1;
        if (view.Zoom * f < kMinZoom) return false;
    }
    const CanvasPoint mouse = view.LastMousePixel;
    int32_t originX = 0;
    int32_t originY = 0;
    if (!RoundToInt32(mouse.X + std::nearbyint((view.OriginX - static_cast<double>(mouse.X)) * f), originX) ||
        !RoundToInt32(mouse.Y + std::nearbyint((view.OriginY - static_cast<double>(mouse.Y)) * f), originY))
        return false;
    view.Zoom = static_cast<float>(view.Zoom * f);
    view.OriginX = originX;
    view.OriginY = originY;
    UpdateSizeText(view);
    return true;
}

bool ZoomToRectangle(ViewState& view, int x1, int y1, int x2, int y2)
{
    const int64_t left = std::min(x1, x2);
    const int64_t right = std::max(x1, x2);
    const int64_t top = std::min(y1, y2);
    const int64_t bottom = std::max(y1, y2);
    const int64_t dx = right - left;
    const int64_t dy = bottom - top;
    if (dx < 5 || dy < 5) return false;
    const int w = view.CanvasWidth;
    const int h = view.CanvasHeight;
    if (w <= 0 || h <= 0) return false;
    const float s = ViewScale(view);
    if (!std::isfinite(s) || s == 0) return false;

    const double cxw = ((left + right) / 2.0 - view.OriginX) / s;
    const double cyw = (view.OriginY - (top + bottom) / 2.0) / s;
    double f = std::min(static_cast<double>(w) / dx, static_cast<double>(h) / dy);
    if (!ZoomInAllowed(view)) return false;
    if (view.Zoom * f >= kMaxZoom) f = kMaxZoom / static_cast<double>(view.Zoom);
    // A rectangle larger than the canvas zooms out; keep that above the lower limit too.
    if (view.Zoom * f < kMinZoom) f = kMinZoom / static_cast<double>(view.Zoom);

    const float zoom = static_cast<float>(view.Zoom * f);
    const double scale = static_cast<double>(zoom) * view.FitScale;
    int32_t originX = 0;
    int32_t originY = 0;
    if (!RoundToInt32(w / 2.0 - cxw * scale, originX) || !RoundToInt32(h / 2.0 + cyw * scale, originY))
        return false;
    RememberStartView(view);
    view.Zoom = zoom;
    view.OriginX = originX;
    view.OriginY = originY;
    PushHistory(view);
    UpdateSizeText(view);
    return true;
}

bool FitToDrawing(ViewState& view, const Drawing& drawing, int marginKind, int paperWidth, int paperHeight)
{
    if (drawing.Count <= 0) return false;
    ExtentBox box;
    if (marginKind == 2) box.AddAround(0, 0, paperWidth / 2.0, paperHeight / 2.0);
    for (int i = 1; i <= drawing.Count; ++i) {
        const TCadData& element = drawing[i];
        if (IsLayerVisible(drawing.Layers, element.Layer)) AddElementExtent(box, element);
    }
    return FitToBox(view, box, marginKind == 1 ? 1.0 : 0.5);
}

bool FitToBox(ViewState& view, const ExtentBox& box, double margin)
{
    const int w = view.CanvasWidth;
    const int h = view.CanvasHeight;
    if (w <= 0 || h <= 0) return false;
    // Everything on hidden layers: nothing to fit to.
    if (box.Empty) return false;

    const float dx = box.MaxX - box.MinX;
    const float dy = box.MaxY - box.MinY;
    float zoom = 1;
    int32_t originX = 0;
    int32_t originY = 0;
    if (std::abs(dx) < Eps() || std::abs(dy) < Eps()) {
        if (!RoundToInt32(w / 2.0, originX) || !RoundToInt32(h / 2.0, originY)) return false;
    } else {
        const double a = view.SheetWidth / static_cast<double>(dx);
        const double b = (view.SheetWidth / (static_cast<double>(w) / h)) / dy;
        // A tiny drawing would otherwise ask for a zoom far past the limit.
        zoom = std::clamp(static_cast<float>(std::min(a, b) * margin), kMinZoom, kMaxZoom);
        const double scale = static_cast<double>(zoom) * view.FitScale;
        const double centreX = box.MinX + static_cast<double>(dx) / 2;
        const double centreY = box.MinY + static_cast<double>(dy) / 2;
        if (!RoundToInt32(w / 2.0 - centreX * scale, originX) || !RoundToInt32(h / 2.0 + centreY * scale, originY))
            return false;
    }
    view.Zoom = zoom;
    view.OriginX = originX;
    view.OriginY = originY;
    UpdateSizeText(view);
    return true;
}

bool PreviousView(ViewState& view)
{
    const ViewHistoryEntry previous = view.ViewHistory[1];
    if (IsZeroEntry(previous)) return false;
    if (!std::isfinite(previous.Zoom) || previous.Zoom <= 0) return false;
    int32_t originX = 0;
    int32_t originY = 0;
    if (!RoundToInt32(previous.OriginX, originX) || !RoundToInt32(previous.OriginY, originY)) return false;
    view.Zoom = previous.Zoom;
    view.OriginX = originX;
    view.OriginY = originY;
    // Entry 9 keeps its value, so the oldest view can be returned to more than once.
    std::copy(view.ViewHistory.begin() + 1, view.ViewHistory.end(), view.ViewHistory.begin());
    UpdateSizeText(view);
    return true;
}

void Pan(ViewState& view, int dx, int dy)
{
    int32_t originX = 0;
    int32_t originY = 0;
    if (!RoundToInt32(static_cast<double>(view.OriginX) + dx, originX) ||
        !RoundToInt32(static_cast<double>(view.OriginY) + dy, originY))
        return;
    view.OriginX = originX;
    view.OriginY = originY;
}

void UpdateSizeText(ViewState& view)
{
    view.SizeText = kSizeLabel + std::to_string(view.SheetWidth) + "x" + FormatZoom(view.Zoom);
}

std::string ReadoutX(const ViewState& view, int px, bool snapped, double snappedX)
{
    if (snapped) return std::string("@X").append(FormatFixed(snappedX, 3));
    double x = 0;
    double y = 0;
    CanvasToWorld(view, px, view.OriginY, x, y);
    return std::string("X").append(FormatFixed(x, 3));
}

std::string ReadoutY(const ViewState& view, int py, bool snapped, double snappedY)
{
    if (snapped) return std::string("@Y").append(FormatFixed(snappedY, 3));
    double x = 0;
    double y = 0;
    CanvasToWorld(view, view.OriginX, py, x, y);
    return std::string("Y").append(FormatFixed(y, 3));
}

CanvasPoint ConstrainThroughPoint(const ViewState& view, CanvasPoint mouse, double lastX, double lastY)
{
    const double s = ViewScale(view);
    const double lastPx = lastX * s + view.OriginX;
    const double lastPy = view.OriginY - lastY * s;
    const double dx = std::abs(lastPx - mouse.X);
    const double dy = std::abs(lastPy - mouse.Y);
    CanvasPoint constrained = mouse;
    // A last point off the pixel range cannot guide the mouse; leave it free.
    if (dx > dy) {
        if (!RoundToInt32(lastPy, constrained.Y)) return mouse;
    } else if (!RoundToInt32(lastPx, constrained.X)) {
        return mouse;
    }
    return constrained;
}

}  // namespace vantro
