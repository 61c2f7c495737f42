// DXF export and import of a drawing of 100,000 lines, arcs, circles and texts (60,000 of them
// geometry), in memory and through a file in a temporary folder.
#include "document/ElementStore.h"
#include "dxf/DxfExport.h"
#include "dxf/DxfImport.h"
#include "MixedDrawing.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace vantro {
namespace {

constexpr int kEntities = 100000;

// The shared mixed drawing with its points and ellipses turned into texts, every other one Japanese,
// so the code page conversion is part of the figure.
Drawing LargeDrawing()
{
    Drawing drawing;
    bench::FillMixed(drawing, kEntities);
    for (int i = 1; i <= drawing.Count; ++i) {
        TCadData& e = drawing[i];
        if (e.Kind != kKindPoint && e.Kind != kKindEllipse) continue;
        e.Kind = kKindText;
        e.Cx = static_cast<float>(e.Cx);
        e.Cy = static_cast<float>(e.Cy);
        e.R = 3;
        e.Angle = 0;
        e.Text = i % 2 == 0 ? std::string("\x90\xA1\x96\x40 ").append(std::to_string(i)) : "PART-" + std::to_string(i);
    }
    return drawing;
}

const Drawing& SharedDrawing()
{
    static const Drawing drawing = LargeDrawing();
    return drawing;
}

std::filesystem::path BenchFile()
{
    return std::filesystem::temp_directory_path() / ("vantro-bench-" + std::to_string(::getpid()) + ".dxf");
}

void Report(benchmark::State& state, size_t bytes)
{
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
    state.counters["entities/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kEntities,
                                                      benchmark::Counter::kIsRate);
}

void BM_ExportDxfText100k(benchmark::State& state)
{
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = DxfText(SharedDrawing(), Settings{}, false);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    Report(state, bytes);
}
BENCHMARK(BM_ExportDxfText100k)->Unit(benchmark::kMillisecond);

void BM_ExportDxfFile100k(benchmark::State& state)
{
    const auto path = BenchFile();
    for (auto _ : state) {
        if (!ExportDxf(path, SharedDrawing(), Settings{}, false).Ok) state.SkipWithError("export failed");
    }
    Report(state, std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExportDxfFile100k)->Unit(benchmark::kMillisecond);

// Through the store's creation operations with an undo record per element, as the command does.
void BM_ImportDxfText100k(benchmark::State& state)
{
    const std::string text = DxfText(SharedDrawing(), Settings{}, false);
    for (auto _ : state) {
        Drawing drawing;
        drawing.Capacity = kMaxCapacity;
        const DxfImportResult result = ImportDxfText(text, drawing, DxfImportOptions{});
        if (drawing.Count != kEntities) state.SkipWithError("import lost elements");
        benchmark::DoNotOptimize(result.Created);
    }
    Report(state, text.size());
}
BENCHMARK(BM_ImportDxfText100k)->Unit(benchmark::kMillisecond);

void BM_ImportDxfFile100k(benchmark::State& state)
{
    const auto path = BenchFile();
    ExportDxf(path, SharedDrawing(), Settings{}, false);
    for (auto _ : state) {
        Drawing drawing;
        drawing.Capacity = kMaxCapacity;
        if (!ImportDxf(path, drawing, DxfImportOptions{}).Ok || drawing.Count != kEntities)
            state.SkipWithError("import failed");
    }
    Report(state, std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ImportDxfFile100k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantro
