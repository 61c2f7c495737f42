// DXF export and import of a drawing of 100,000 lines, arcs, circles and texts, in memory and
// through a file in a temporary folder.
#include "document/ElementStore.h"
#include "dxf/DxfExport.h"
#include "dxf/DxfImport.h"
#include "geometry/Primitives.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <unistd.h>

namespace vantro {
namespace {

constexpr int kEntities = 100000;

Drawing LargeDrawing()
{
    Drawing drawing;
    drawing.Capacity = kMaxCapacity;
    std::mt19937 random(5);
    std::uniform_real_distribution<double> coordinate(-500, 500);
    std::uniform_real_distribution<double> radius(1, 50);
    std::uniform_real_distribution<double> degrees(0, 360);
    for (int n = 0; n < kEntities; ++n) {
        Append(drawing, true);
        TCadData& e = drawing[drawing.Count];
        e.Layer = static_cast<uint8_t>(1 + n % 8);
        e.Width = 1;
        e.Color = n % 3 == 0 ? 0x0000FF : 0;
        const Point c{coordinate(random), coordinate(random)};
        switch (n % 4) {
        case 0:
            e.Kind = kKindLine;
            e.X1 = c.X;
            e.Y1 = c.Y;
            e.X2 = coordinate(random);
            e.Y2 = coordinate(random);
            e.Angle = RadToDeg(DirectionAngle({e.X2, e.Y2}, c));
            break;
        case 1: {
            e.Kind = kKindArc;
            e.Cx = c.X;
            e.Cy = c.Y;
            e.R = radius(random);
            e.Angle = degrees(random) / 2 + 10;
            const double start = degrees(random);
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
            e.Cx = c.X;
            e.Cy = c.Y;
            e.R = radius(random);
            e.Angle = 360;
            break;
        default:
            e.Kind = kKindText;
            e.Cx = static_cast<float>(c.X);
            e.Cy = static_cast<float>(c.Y);
            e.R = 3;
            // Half the texts are Japanese, so the code page conversion is part of the figure.
            e.Text = n % 8 == 3 ? std::string("\x90\xA1\x96\x40 ").append(std::to_string(n)) : "PART-" + std::to_string(n);
            break;
        }
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
