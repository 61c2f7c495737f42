// Selection on a large mixed drawing: a window dragged over part of the sheet and over all of it,
// the first window after a change (which builds the window index), and a single pick.
#include "MixedDrawing.h"
#include "SilentDialogs.h"
#include "commands/Selection.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <random>
#include <vector>

namespace vantro {
namespace {

// The default sheet on a full-HD canvas, as the snap benchmark uses it.
struct Scene {
    Drawing Document;
    ViewState View;
    Settings Preferences;
    CommandState State;
    ElementIndex Index;

    explicit Scene(int count)
    {
        SetEps(0.001f);
        bench::FillMixed(Document, count);
        View.CanvasWidth = 1920;
        View.CanvasHeight = 1000;
        SetSheetSize(View, kDefaultSheetIndex);
    }

    // A window dragged left to right between two world points.
    SelectionWindow Window(Point a, Point b) const
    {
        return WindowBetween(View, WorldToCanvas(View, a.X, a.Y), WorldToCanvas(View, b.X, b.Y));
    }
};

void RunWindows(benchmark::State& state, Point a, Point b)
{
    Scene scene(static_cast<int>(state.range(0)));
    const SelectionWindow window = scene.Window(a, b);
    const WindowRules rules{true, false, kDefaultFineness};
    SelectInWindow(scene.Document, scene.Index, window, rules);
    int toggled = 0;
    for (auto _ : state) toggled = SelectInWindow(scene.Document, scene.Index, window, rules);
    state.counters["toggled"] = toggled;
}

// About a thirtieth of the sheet: the window a drafter drags around a detail.
void WindowOverADetail(benchmark::State& state) { RunWindows(state, {-50, -50}, {100, 50}); }

// The whole sheet: every element is tested and toggled.
void WindowOverTheSheet(benchmark::State& state) { RunWindows(state, {-420, -220}, {420, 220}); }

void FirstWindowAfterAChange(benchmark::State& state)
{
    Scene scene(static_cast<int>(state.range(0)));
    const SelectionWindow window = scene.Window({-50, -50}, {100, 50});
    for (auto _ : state) {
        ++scene.Document.Generation;
        SelectInWindow(scene.Document, scene.Index, window, {true, false, kDefaultFineness});
    }
}

void Pick(benchmark::State& state)
{
    Scene scene(static_cast<int>(state.range(0)));
    std::optional<CommandContext> ctx;
    bench::SilentDialogs silent(DialogAnswer::Cancel);
    ctx.emplace(CommandContext{.Document = scene.Document,
                               .State = scene.State,
                               .View = scene.View,
                               .Dialogs = silent,
                               .Index = scene.Index,
                               .Preferences = scene.Preferences,
                               .FillsShown = false,
                               .Attributes = {},
                               .Entries = {},
                               .Text = {},
                               .Choose = {},
                               .Result = {}});
    std::mt19937 random(7);
    std::uniform_int_distribution<int> px(0, scene.View.CanvasWidth - 1);
    std::uniform_int_distribution<int> py(0, scene.View.CanvasHeight - 1);
    std::vector<std::pair<int, int>> clicks(1024);
    for (auto& click : clicks) click = {px(random), py(random)};
    PickElement(*ctx, 0, 0, "0");
    size_t n = 0;
    for (auto _ : state) {
        const auto& [x, y] = clicks[n++ % clicks.size()];
        benchmark::DoNotOptimize(PickElement(*ctx, x, y, "0"));
    }
}

BENCHMARK(WindowOverADetail)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowOverTheSheet)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstWindowAfterAChange)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Pick)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantro
