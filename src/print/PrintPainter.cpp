#include "print/PrintPainter.h"

#include "document/Layers.h"
#include "print/CorrectedSurface.h"
#include "view/ElementPainter.h"
#include "view/FillPainter.h"
#include "view/ImagePainter.h"

#include <cmath>

namespace vantro {
namespace {

int RoundPixel(double v) { return static_cast<int>(std::nearbyint(v)); }

// Arcs and circles go to the printer's own Arc and Ellipse unless they reach far beyond the page;
// segments are then one degree.
constexpr int kArcMode = 2000;
constexpr int kPrintFineness = 360;

ViewState PrintView(const Surface& page, const PrintTransform& t)
{
    ViewState view;
    view.Zoom = 1;
    view.FitScale = t.PrintScale;
    view.OriginX = RoundPixel(t.PrintOriginX);
    view.OriginY = RoundPixel(t.PrintOriginY);
    view.CanvasWidth = page.Width();
    view.CanvasHeight = page.Height();
    return view;
}

PaintSettings PrintPaintSettings(const PaintSettings& paint, const PrintOptions& options)
{
    PaintSettings s = paint;
    s.ArcMode = kArcMode;
    s.Fineness = kPrintFineness;
    s.FirstPick = 0;
    s.SecondPick = 0;
    TCadData dimensionText{};
    dimensionText.Color = paint.Annotations.TextColour;
    s.Annotations.TextColour = PrintTextColour(options, dimensionText);
    return s;
}

// Elements the print shows: a visible layer and the kind filters, but not the group filter.
bool IsPrinted(const Drawing& drawing, const KindFilters& filters, const TCadData& e)
{
    return e.Kind != kKindEmpty && IsLayerVisible(drawing.Layers, e.Layer) && !IsFilteredOut(filters, e);
}

void PrintHeaderLines(Surface& page, const PrintHeader& header, const QString& face)
{
    page.SetFont({face, header.FontHeight, 0, 0});
    page.TextOut(10, 10, header.Caption);
    page.TextOut(10, header.FontHeight + 15, header.Date);
}

// A point is a dot of radius 3·"LineWid" device pixels, only when its centre is on the page.
void PrintPoint(Surface& page, const PrintTransform& t, const PrintOptions& options, const TCadData& e)
{
    const double x = PrintX(t, e.Cx);
    const double y = PrintY(t, e.Cy);
    if (!(x > 0 && x < page.Width() && y > 0 && y < page.Height())) return;
    const double r = 3.0 * options.LineWid;
    page.Ellipse(RoundPixel(x - r), RoundPixel(y - r), RoundPixel(x + r), RoundPixel(y + r));
}

// The background over the whole page, stretched or tiled from its top-left corner at one image
// pixel a millimetre; then the inserted images, whose corners the correction factors move and
// whose sizes they leave.
void PrintImages(Surface& page, const PrintTransform& t, const ImageList& images, const ImageDisplay& display)
{
    const std::shared_ptr<const Bitmap>& background = images.Slots[0].Pixels;
    if (background && display.BackgroundShown) {
        if (display.Stretched) {
            page.StretchDraw(0, 0, page.Width(), page.Height(), *background);
        } else {
            TileBitmap(page, *background, RoundPixel(background->Width * t.PrintScale),
                       RoundPixel(background->Height * t.PrintScale));
        }
    }
    for (int i = 1; i <= images.ImageCount && i < kImageSlotCount; ++i) {
        const ImageSlot& slot = images.Slots[static_cast<size_t>(i)];
        if (!slot.Pixels) continue;
        StretchBitmap(page, *slot.Pixels, PrintX(t, slot.X), PrintY(t, slot.Y), slot.Pixels->Width * t.PrintScale,
                      slot.Pixels->Height * t.PrintScale);
    }
}

void PrintFilledRectangles(const PaintTarget& target, const KindFilters& filters)
{
    for (int i = 1; i <= target.Document.Count; ++i) {
        const TCadData& e = target.Document[i];
        if (e.Kind != kKindFilledRect || !IsPrinted(target.Document, filters, e)) continue;
        target.Canvas.SetPen({e.Color, 1, kStyleSolid, PenMode::Copy});
        DrawShape(target, e);
    }
}

}  // namespace

void PrintElements(Surface& page, const PrintTransform& transform, const Drawing& drawing,
                   const PaintSettings& paint, const PrintOptions& options, const PrintHeader& header)
{
    const ViewState view = PrintView(page, transform);
    CorrectedSurface corrected(page, transform, view.OriginX, view.OriginY);
    const PaintSettings settings = PrintPaintSettings(paint, options);
    const PaintTarget target{corrected, view, drawing, settings};
    KindFilters filters = drawing.Layers.Filters;
    filters.Groups = true;

    // Images first, then the fills and the filled rectangles under the elements, as on the screen.
    PrintImages(page, transform, drawing.Images, paint.Images);
    if (paint.FillsShown) PaintFills(corrected, view, drawing, settings.Fineness);
    PrintFilledRectangles(target, filters);
    page.SetBrush({});
    const PenMode mode = InvertedPens(options) ? PenMode::NotCopy : PenMode::Copy;
    if (options.Op1) PrintHeaderLines(page, header, settings.Annotations.TextFace);
    for (int i = 1; i <= drawing.Count; ++i) {
        const TCadData& e = drawing[i];
        if (e.Kind == kKindFilledRect || !IsPrinted(drawing, filters, e)) continue;
        const uint8_t style = e.LineStyle <= kStyleDashDotDot ? e.LineStyle : kStyleSolid;
        page.SetPen({PrintColour(options, e), PrintPenWidth(options, e), style, mode});
        if (e.Kind == kKindPoint) {
            PrintPoint(page, transform, options, e);
            continue;
        }
        TCadData printed = e;
        printed.Selected = 0;
        if (e.Kind == kKindText) printed.Color = PrintTextColour(options, e);
        DrawWithCurrentPen(target, printed);
    }
    page.SetBrush({});
}

}  // namespace vantro
