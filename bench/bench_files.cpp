// Reading and writing a drawing file of 100,000 elements, through a file in a temporary folder.
#include "document/ElementStore.h"
#include "files/DrawingFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <unistd.h>

namespace vantro {
namespace {

constexpr int kElements = 100000;

// Mostly lines and arcs, with a text or a dimension every tenth element, as in a busy drawing.
Drawing LargeDrawing()
{
    Drawing drawing;
    drawing.Capacity = kMaxCapacity;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(0, 1000);
    for (int n = 1; n <= kElements; ++n) {
        Append(drawing, true);
        TCadData& e = drawing[drawing.Count];
        e.Kind = n % 10 == 0 ? kKindText : n % 10 == 5 ? kKindDimAligned : n % 3 == 0 ? kKindArc : kKindLine;
        e.Layer = static_cast<uint8_t>(1 + n % kLayerCount);
        e.Width = 1;
        e.X1 = coordinate(random);
        e.Y1 = coordinate(random);
        e.X2 = coordinate(random);
        e.Y2 = coordinate(random);
        e.R = 3;
        if (CarriesText(e.Kind)) e.Text = "\x90\xa1\x96\x40 " + std::to_string(n);
    }
    drawing.MemoBrush = {"1,255", "2,65280"};
    return drawing;
}

std::filesystem::path BenchFile()
{
    return std::filesystem::temp_directory_path() / ("vantro-bench-" + std::to_string(::getpid()) + ".dca");
}

void BM_WriteDrawing100k(benchmark::State& state)
{
    const Drawing drawing = LargeDrawing();
    const DrawingFileSettings settings;
    const auto path = BenchFile();
    for (auto _ : state) {
        if (!WriteDrawingFile(path, drawing, settings).Ok) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteDrawing100k)->Unit(benchmark::kMillisecond);

void BM_ReadDrawing100k(benchmark::State& state)
{
    const auto path = BenchFile();
    if (!WriteDrawingFile(path, LargeDrawing(), DrawingFileSettings{}).Ok) state.SkipWithError("write failed");
    Drawing drawing;
    DrawingFileSettings settings;
    for (auto _ : state) {
        if (!ReadDrawingFile(path, drawing, settings).Ok) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(drawing.Count);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadDrawing100k)->Unit(benchmark::kMillisecond);

// The same without the file system: the format's own cost.
void BM_EncodeDecode100k(benchmark::State& state)
{
    const Drawing drawing = LargeDrawing();
    Drawing read;
    DrawingFileSettings settings;
    for (auto _ : state) {
        const std::string bytes = EncodeDrawingFile(drawing, settings);
        benchmark::DoNotOptimize(ReadDrawingBytes(bytes, read, settings).Ok);
    }
}
BENCHMARK(BM_EncodeDecode100k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantro
