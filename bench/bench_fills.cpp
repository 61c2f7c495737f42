// Hatching a large region through the hatch command, and repainting a drawing with many fills.
#include "SheetView.h"
#include "SilentDialogs.h"
#include "commands/CommandContext.h"
#include "commands/Dispatch.h"
#include "commands/HatchSteps.h"
#include "commands/SelectionSteps.h"
#include "document/ElementStore.h"
#include "geometry/EllipsePolyline.h"
#include "geometry/FillRegions.h"
#include "geometry/Hatch.h"
#include "view/ElementPainter.h"
#include "view/FillPainter.h"
#include "view/QPainterSurface.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <optional>

namespace vantro {
namespace {

const std::vector<Point> kSquare{{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}};

// The sweep and cut alone: 2,000 sweeps over a 1,000 × 1,000 mm square at pitch 1.
void HatchSweepOfASquare(benchmark::State& state)
{
    SetEps(0.001f);
    size_t lines = 0;
    for (auto _ : state) lines = HatchLines(kSquare, 1, HatchSlope::Rising).Lines.size();
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(HatchSweepOfASquare)->Unit(benchmark::kMillisecond);

// The whole command: four clicked corners of the square, "確定", and the lines appended to the
// drawing in one undo step with their group. The view shows the square at half a pixel a
// millimetre, so each corner click lands on whole millimetres.
void HatchCommandOverASquare(benchmark::State& state)
{
    SetEps(0.001f);
    Drawing drawing;
    CommandState commandState;
    ViewState view;
    view.CanvasWidth = 800;
    view.CanvasHeight = 600;
    view.FitScale = 0.5f;
    view.OriginX = 50;
    view.OriginY = 550;
    bench::SilentDialogs dialogs(DialogAnswer::Yes);
    ElementIndex index;
    const Settings settings;
    const CurrentAttributes attributes;
    const EntrySnapshot entries;
    const auto context = [&] {
        return CommandContext{.Document = drawing,
                              .State = commandState,
                              .View = view,
                              .Dialogs = dialogs,
                              .Index = index,
                              .Preferences = settings,
                              .FillsShown = false,
                              .Attributes = attributes,
                              .Entries = entries,
                              .Text = {},
                              .Choose = {},
                              .Result = {}};
    };
    commandState.HatchPitch = 1;
    for (auto _ : state) {
        state.PauseTiming();
        Reset(drawing, nullptr);
        BeginCommandState(drawing, commandState, step::kHatch);
        commandState.CommandMode = step::kHatch;
        state.ResumeTiming();
        for (const Point& corner : kSquare) {
            const CanvasPoint pixel = WorldToCanvas(view, corner.X, corner.Y);
            CommandContext ctx = context();
            DispatchClick(ctx, {pixel.X, pixel.Y, kLeftButton});
        }
        CommandContext confirm = context();
        ConfirmSelection(confirm);
    }
    state.counters["lines"] = drawing.Count;
}
BENCHMARK(HatchCommandOverASquare)->Unit(benchmark::kMillisecond);

// 1,000 rectangles of four grouped lines, 40 × 25 of them over the sheet, each filled in its own
// colour.
Drawing FilledRectangles()
{
    Drawing drawing;
    drawing.Capacity = kMaxCapacity;
    const CurrentAttributes attributes;
    for (int row = 0; row < 25; ++row) {
        for (int column = 0; column < 40; ++column) {
            const double x = -400 + column * 20.0;
            const double y = -200 + row * 16.0;
            const int32_t group = ++drawing.MaxGroup;
            const Point corners[] = {{x, y}, {x + 15, y}, {x + 15, y + 12}, {x, y + 12}};
            for (int k = 0; k < 4; ++k) {
                Append(drawing, false);
                TCadData& line = drawing[drawing.Count];
                line.Kind = kKindLine;
                line.Layer = 1;
                line.Width = 1;
                line.X1 = corners[k].X;
                line.Y1 = corners[k].Y;
                line.X2 = corners[(k + 1) % 4].X;
                line.Y2 = corners[(k + 1) % 4].Y;
                line.Group = group;
            }
            drawing.MemoBrush.push_back(std::to_string(group) + "," + std::to_string(group * 2654435761u & 0xFFFFFF));
        }
    }
    return drawing;
}

// The fills alone, as the repaint paints them under the elements.
void PaintThousandFills(benchmark::State& state)
{
    SetEps(0.001f);
    const Drawing drawing = FilledRectangles();
    QImage canvas(1920, 1080, QImage::Format_RGB32);
    const ViewState view = bench::SheetOnFullHd();
    for (auto _ : state) {
        canvas.fill(0xFFC0C0C0);
        QPainterSurface surface(canvas);
        PaintFills(surface, view, drawing, kDefaultFineness);
    }
}
BENCHMARK(PaintThousandFills)->Unit(benchmark::kMillisecond);

// The window's repaint of that drawing with fill display on: the memo checked, then the grid,
// fills and the 4,000 lines.
void RepaintThousandFilledRegions(benchmark::State& state)
{
    SetEps(0.001f);
    Drawing drawing = FilledRectangles();
    QImage canvas(1920, 1080, QImage::Format_RGB32);
    ViewState view = bench::SheetOnFullHd();
    PaintSettings settings;
    settings.FillsShown = true;
    for (auto _ : state) {
        canvas.fill(0xFFC0C0C0);
        benchmark::DoNotOptimize(DropBrokenFills(drawing, kDefaultFineness));
        QPainterSurface surface(canvas);
        PaintDrawing(surface, view, drawing, settings, [] {}, [](Surface&) {});
    }
    state.counters["fills"] = static_cast<double>(drawing.MemoBrush.size());
}
BENCHMARK(RepaintThousandFilledRegions)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantro
