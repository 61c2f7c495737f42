// Printing a large mixed drawing to a PDF file at actual size, as `--convert IN OUT.pdf` does.
#include "MixedDrawing.h"
#include "print/PrintJob.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

#include <sstream>

namespace vantro {
namespace {

// The 800 × 400 mm sheet fits an A1 landscape page at actual size. Each element of the mixed
// drawing has a colour of its own; a drawing in one colour shows what the pen changes cost.
void PrintPdf(benchmark::State& state, bool oneColour)
{
    SetEps(0.001f);
    Drawing drawing;
    bench::FillMixed(drawing, static_cast<int>(state.range(0)));
    if (oneColour)
        for (int i = 1; i <= drawing.Count; ++i) drawing[i].Color = 0;
    const std::string output = QDir::temp().filePath("vantro-bench-print.pdf").toStdString();
    PdfRequest request;
    request.Paper = PaperNamed("A1");
    request.Landscape = true;
    PrintOptions options;
    options.Op1 = false;
    for (auto _ : state) {
        std::ostringstream errors;
        if (!PrintToPdf(output, drawing, PaintSettings{}, options, request, "bench", errors))
            state.SkipWithError(errors.str().c_str());
    }
    QFile::remove(QString::fromStdString(output));
}
BENCHMARK_CAPTURE(PrintPdf, ColourEach, false)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PrintPdf, OneColour, true)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantro

// The printer machinery and the fonts need an application; the platform is offscreen.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
