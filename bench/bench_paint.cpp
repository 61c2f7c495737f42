// The whole-drawing repaint of a large mixed drawing into a full-HD canvas.
#include "document/ElementStore.h"
#include "geometry/Primitives.h"
#include "view/ElementPainter.h"
#include "view/QPainterSurface.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <random>

namespace vantro {
namespace {

// Lines, arcs, circles, points and ellipses of 1 to 20 mm spread over an 800 mm sheet.
void FillMixed(Drawing& drawing, int count)
{
    drawing.Capacity = kMaxCapacity;
    std::mt19937 random(11);
    std::uniform_real_distribution<double> x(-400, 400);
    std::uniform_real_distribution<double> y(-200, 200);
    std::uniform_real_distribution<double> size(1, 20);
    std::uniform_real_distribution<double> angle(0, 360);
    std::uniform_int_distribution<uint32_t> colour(0, 0xFFFFFF);
    for (int n = 0; n < count; ++n) {
        Append(drawing, true);
        TCadData& e = drawing[drawing.Count];
        e.Layer = 1;
        e.Width = 1;
        e.Color = colour(random);
        e.Cx = x(random);
        e.Cy = y(random);
        e.R = size(random) / 2;
        switch (n % 5) {
        case 0:
            e.Kind = kKindLine;
            e.X1 = e.Cx;
            e.Y1 = e.Cy;
            e.X2 = e.Cx + size(random);
            e.Y2 = e.Cy + size(random) - 10;
            e.Cx = e.Cy = e.R = 0;
            break;
        case 1: {
            e.Kind = kKindArc;
            e.Angle = angle(random) / 2 + 10;
            const double start = angle(random);
            const Point s = RotatePointDeg({e.Cx + e.R, e.Cy}, {e.Cx, e.Cy}, start);
            const Point t = RotatePointDeg({e.Cx + e.R, e.Cy}, {e.Cx, e.Cy}, start + e.Angle);
            e.X1 = s.X;
            e.Y1 = s.Y;
            e.X2 = t.X;
            e.Y2 = t.Y;
            break;
        }
        case 2:
            e.Kind = kKindCircle;
            e.Angle = 360;
            break;
        case 3:
            e.Kind = kKindPoint;
            e.R = 0;
            break;
        default:
            e.Kind = kKindEllipse;
            e.Y1 = 0.5;
            e.X1 = e.R;
            e.X2 = -e.R;
            e.Angle = DegToRad(angle(random));
            break;
        }
    }
}

void RedrawAll(benchmark::State& state)
{
    SetEps(0.001f);
    Drawing drawing;
    FillMixed(drawing, static_cast<int>(state.range(0)));
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
        PaintDrawing(surface, view, drawing, settings, [] {}, [] {});
    }
}
BENCHMARK(RedrawAll)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantro
