// The whole-drawing repaint of a large mixed drawing into a full-HD canvas.
#include "BenchScene.h"
#include "MixedDrawing.h"
#include "document/ElementStore.h"
#include "geometry/Dimensions.h"
#include "geometry/TextElements.h"
#include "geometry/Primitives.h"
#include "view/ElementPainter.h"
#include "view/QPainterSurface.h"

#include <QGuiApplication>
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
    ViewState view = bench::SheetOnFullHd();
    const PaintSettings settings;
    for (auto _ : state) {
        canvas.fill(0xFFC0C0C0);
        QPainterSurface surface(canvas);
        PaintDrawing(surface, view, drawing, settings, [] {}, [](Surface&) {});
    }
}
BENCHMARK(RedrawAll)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Dimensions and texts: half horizontal dimensions with tolerances, half texts at 30 degrees,
// spread over the visible sheet.
void RedrawAnnotations(benchmark::State& state)
{
    SetEps(0.001f);
    Drawing drawing;
    drawing.Capacity = kMaxCapacity;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(-350, 350);
    std::uniform_real_distribution<double> y(-180, 180);
    DimensionOptions options;
    options.Tolerance = "+0.1-0.05";
    const CurrentAttributes attributes;
    for (int i = 0; i < state.range(0); i += 2) {
        const Point p{x(random), y(random)};
        AppendLinearDimension(drawing, attributes, options, kKindDimX, p, {p.X + 30, p.Y}, {p.X + 15, p.Y + 8});
        AppendTextElement(drawing, attributes, 5, "VantroCad", {x(random), y(random)});
        drawing[drawing.Count].Angle = DegToRad(30);
    }
    QImage canvas(1920, 1080, QImage::Format_RGB32);
    ViewState view = bench::SheetOnFullHd();
    PaintSettings settings;
    settings.Annotations.DimensionFace = settings.Annotations.TextFace = "IPAGothic";
    for (auto _ : state) {
        canvas.fill(0xFFC0C0C0);
        QPainterSurface surface(canvas);
        PaintDrawing(surface, view, drawing, settings, [] {}, [](Surface&) {});
    }
}
BENCHMARK(RedrawAnnotations)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantro

// Texts need a GUI application for their fonts.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
