// One snap search per mouse move over large mixed drawings: the indexed search, the index rebuild
// after a change, and the scan of every element the index saves (for comparison).
#include "MixedDrawing.h"
#include "document/ElementStore.h"
#include "geometry/Primitives.h"
#include "view/SnapSearch.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace vantro {
namespace {
// The default sheet on a full-HD canvas (about 2.3 pixels per mm), every snap kind on.
struct Scene {
    Drawing Document;
    ViewState View;
    SnapOptions Options;
    std::vector<SnapInput> Mice;

    explicit Scene(int count)
    {
        SetEps(0.001f);
        bench::FillMixed(Document, count);
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
