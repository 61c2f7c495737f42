// The whole-drawing repaint of a large mixed drawing into a full-HD canvas.
#include "MixedDrawing.h"
#include "document/ElementStore.h"
#include "geometry/Primitives.h"
#include "view/ElementPainter.h"
#include "view/QPainterSurface.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <random>

namespace vantro {
namespace {
void RedrawAll(benchmark::State& state)
{
    SetEps(0.001f);
    Drawing drawing;
    bench::FillMixed(drawing, static_cast<int>(state.range(0)));
    QImage canvas(1920, 1080, QImage::Format_RGB32);
    ViewState view;
    view.CanvasWidth = canvas.width();
    view.CanvasHeight = canvas.height();
    view.FitScale = 1080.0f / 400 * 0.95f;
    view.OriginX = 960;
    view.OriginY = 540;
    const PaintSettings settings;
    for (auto _ : state) {
        canvas.fill(0xFFC0C0C0);
        QPainterSurface surface(canvas);
        PaintDrawing(surface, view, drawing, settings, [] {}, [](Surface&) {});
    }
}
BENCHMARK(RedrawAll)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantro
