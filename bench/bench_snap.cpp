// One snap search per mouse move over large mixed drawings: the indexed search, the index rebuild
// after a change, and the scan of every element the index saves (for comparison).
#include "document/ElementStore.h"
#include "geometry/Primitives.h"
#include "view/SnapSearch.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace vantro {
namespace {

// Lines, arcs, circles, points and ellipses of 1 to 20 mm spread over an 800 × 400 mm sheet.
void FillMixed(Drawing& drawing, int count)
{
    drawing.Capacity = kMaxCapacity;
    std::mt19937 random(11);
    std::uniform_real_distribution<double> x(-400, 400);
    std::uniform_real_distribution<double> y(-200, 200);
    std::uniform_real_distribution<double> size(1, 20);
    std::uniform_real_distribution<double> angle(0, 360);
    for (int n = 0; n < count; ++n) {
        Append(drawing, true);
        TCadData& e = drawing[drawing.Count];
        e.Layer = 1;
        e.Cx = x(random);
        e.Cy = y(random);
        e.R = size(random) / 2;
        const Point c{e.Cx, e.Cy};
        switch (n % 5) {
        case 0:
            e.Kind = kKindLine;
            e.X1 = c.X;
            e.Y1 = c.Y;
            e.X2 = c.X + size(random) - 10;
            e.Y2 = c.Y + size(random) - 10;
            e.Cx = e.Cy = e.R = 0;
            break;
        case 1: {
            e.Kind = kKindArc;
            e.Angle = angle(random) / 2 + 10;
            const double start = angle(random);
            const Point s = RotatePointDeg({c.X + e.R, c.Y}, c, start);
            const Point t = RotatePointDeg({c.X + e.R, c.Y}, c, start + e.Angle);
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

// The default sheet on a full-HD canvas (about 2.3 pixels per mm), every snap kind on.
struct Scene {
    Drawing Document;
    ViewState View;
    SnapOptions Options;
    std::vector<SnapInput> Mice;

    explicit Scene(int count)
    {
        SetEps(0.001f);
        FillMixed(Document, count);
        View.CanvasWidth = 1920;
        View.CanvasHeight = 1000;
        SetSheetSize(View, kDefaultSheetIndex);
        Options.Kinds.fill(true);
        std::mt19937 random(5);
        std::uniform_int_distribution<int> px(0, View.CanvasWidth - 1);
        std::uniform_int_distribution<int> py(0, View.CanvasHeight - 1);
        for (int m = 0; m < 1024; ++m) {
            SnapInput mouse;
            mouse.MouseX = px(random);
            mouse.MouseY = py(random);
            mouse.CommandMode = 17;
            Mice.push_back(mouse);
        }
    }
};

void RunSearches(benchmark::State& state, Scene& scene)
{
    ElementIndex index;
    index.Refresh(scene.Document);
    size_t m = 0;
    for (auto _ : state) {
        const SnapInput& mouse = scene.Mice[m++ % scene.Mice.size()];
        benchmark::DoNotOptimize(SearchSnap(scene.Document, scene.View, scene.Options, mouse, index));
    }
}

void SnapSearch(benchmark::State& state)
{
    Scene scene(static_cast<int>(state.range(0)));
    RunSearches(state, scene);
}

// Without the centre check, which in a dense drawing usually answers before any element is tested.
void SnapSearchWithoutCentre(benchmark::State& state)
{
    Scene scene(static_cast<int>(state.range(0)));
    scene.Options.Kinds[3] = false;
    RunSearches(state, scene);
}

void SnapIndexRebuild(benchmark::State& state)
{
    Scene scene(static_cast<int>(state.range(0)));
    ElementIndex index;
    for (auto _ : state) {
        ++scene.Document.Generation;
        index.Refresh(scene.Document);
    }
}

// What the index replaces: the hit test of every element, once per mouse move.
void ElementScan(benchmark::State& state)
{
    Scene scene(static_cast<int>(state.range(0)));
    size_t m = 0;
    for (auto _ : state) {
        const SnapContext context = MakeSnapContext(scene.View, scene.Options, scene.Mice[m++ % scene.Mice.size()]);
        int hits = 0;
        for (int i = 1; i <= scene.Document.Count; ++i)
            hits += IsElementNear(scene.Document.Layers, scene.Document[i], context.Pick) ? 1 : 0;
        benchmark::DoNotOptimize(hits);
    }
}

BENCHMARK(SnapSearch)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SnapSearchWithoutCentre)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SnapIndexRebuild)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ElementScan)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantro
