// The whole-drawing repaint of a large mixed drawing into a full-HD canvas.
#include "AnnotatedDrawing.h"
#include "MixedDrawing.h"
#include "SheetView.h"
#include "document/ElementStore.h"
#include "geometry/Primitives.h"
#include "view/ElementPainter.h"
#include "view/QPainterSurface.h"
#include "view/TextLayouts.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace vantro {
namespace {

using bench::SheetOnFullHd;

// The whole-drawing repaint as the window does it: background, then the pass, with the shaped texts
// the window keeps between repaints.
void Repaint(QImage& canvas, ViewState& view, const Drawing& drawing, const PaintSettings& settings,
             TextLayouts& layouts)
{
    canvas.fill(0xFFC0C0C0);
    QPainterSurface surface(canvas, &layouts);
    PaintDrawing(surface, view, drawing, settings, [] {}, [](Surface&) {});
}

void RedrawAll(benchmark::State& state)
{
    SetEps(0.001f);
    Drawing drawing;
    bench::FillMixed(drawing, static_cast<int>(state.range(0)));
    QImage canvas(1920, 1080, QImage::Format_RGB32);
    ViewState view = SheetOnFullHd();
    const PaintSettings settings;
    TextLayouts layouts;
    for (auto _ : state) Repaint(canvas, view, drawing, settings, layouts);
}
BENCHMARK(RedrawAll)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A view change from the whole sheet, then the repaint that follows it; change is told which of
// two alternating steps to take.
template <typename Change>
void ViewStep(benchmark::State& state, Change change)
{
    SetEps(0.001f);
    Drawing drawing;
    bench::FillMixed(drawing, static_cast<int>(state.range(0)));
    QImage canvas(1920, 1080, QImage::Format_RGB32);
    const PaintSettings settings;
    TextLayouts layouts;
    bool first = true;
    for (auto _ : state) {
        ViewState view = SheetOnFullHd();
        change(view, first);
        first = !first;
        Repaint(canvas, view, drawing, settings, layouts);
    }
}

// One wheel notch over the canvas, in and out by turns.
void WheelZoomStep(benchmark::State& state)
{
    ViewStep(state, [](ViewState& view, bool in) {
        view.LastMousePixel = {700, 400};
        WheelZoom(view, in);
    });
}
BENCHMARK(WheelZoomStep)->Arg(100000)->Unit(benchmark::kMillisecond);

// One drag pan of 40 pixels, right and left by turns.
void PanStep(benchmark::State& state)
{
    ViewStep(state, [](ViewState& view, bool right) { view.OriginX += right ? 40 : -40; });
}
BENCHMARK(PanStep)->Arg(100000)->Unit(benchmark::kMillisecond);

// Dimensions and texts: half horizontal dimensions with tolerances, half texts at 30 degrees,
// spread over the visible sheet.
void RedrawAnnotations(benchmark::State& state)
{
    SetEps(0.001f);
    Drawing drawing;
    bench::FillAnnotations(drawing, static_cast<int>(state.range(0)));
    QImage canvas(1920, 1080, QImage::Format_RGB32);
    ViewState view = SheetOnFullHd();
    PaintSettings settings;
    settings.Annotations.DimensionFace = settings.Annotations.TextFace = "IPAGothic";
    TextLayouts layouts;
    for (auto _ : state) Repaint(canvas, view, drawing, settings, layouts);
}
BENCHMARK(RedrawAnnotations)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantro
