// Store and history at the size of a large drawing: 100,000 elements.
#include "document/ElementStore.h"
#include "document/Maintenance.h"
#include "document/Tolerance.h"
#include "document/UndoHistory.h"

#include <benchmark/benchmark.h>

#include <random>

namespace vantro {
namespace {

constexpr int kElements = 100000;

class AnswerYes : public UserDialogs {
public:
    void ShowMessage(const std::string&) override {}
    DialogAnswer Ask(const std::string&, QuestionButtons) override { return DialogAnswer::Yes; }
    std::optional<std::string> InputLine(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&) override { return std::nullopt; }
};

TCadData RandomLine(std::mt19937& random)
{
    std::uniform_real_distribution<double> coordinate(0, 1000);
    TCadData e{};
    e.Kind = kKindLine;
    e.Layer = 1;
    e.X1 = coordinate(random);
    e.Y1 = coordinate(random);
    e.X2 = coordinate(random);
    e.Y2 = coordinate(random);
    return e;
}

void FillWithLines(Drawing& drawing, int count, int everyNthDuplicated)
{
    drawing.Capacity = kMaxCapacity;
    std::mt19937 random(7);
    for (int n = 1; n <= count; ++n) {
        Append(drawing, true);
        const int32_t id = drawing[drawing.Count].Id;
        if (everyNthDuplicated > 0 && n % everyNthDuplicated == 0) drawing[drawing.Count] = drawing[n / 2];
        else drawing[drawing.Count] = RandomLine(random);
        drawing[drawing.Count].Id = id;
    }
}

void BM_Append100k(benchmark::State& state)
{
    for (auto _ : state) {
        Drawing drawing;
        drawing.Capacity = kMaxCapacity;
        for (int n = 0; n < kElements; ++n) {
            Append(drawing, true);
            drawing[drawing.Count].Kind = kKindLine;
        }
        benchmark::DoNotOptimize(drawing.Count);
    }
}
BENCHMARK(BM_Append100k)->Unit(benchmark::kMillisecond);

void SelectEverySecond(Drawing& drawing)
{
    for (int i = 2; i <= drawing.Count; i += 2) drawing[i].Selected = 1;
}

void BM_DeleteSelectedEverySecond(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Drawing drawing;
        FillWithLines(drawing, kElements, 0);
        SelectEverySecond(drawing);
        state.ResumeTiming();
        benchmark::DoNotOptimize(DeleteSelected(drawing));
    }
}
BENCHMARK(BM_DeleteSelectedEverySecond)->Unit(benchmark::kMillisecond);

void BM_UndoRedoOfDeleteSelected(benchmark::State& state)
{
    Drawing drawing;
    FillWithLines(drawing, kElements, 0);
    SelectEverySecond(drawing);
    DeleteSelected(drawing);
    for (auto _ : state) {
        Undo(drawing);
        Redo(drawing);
    }
    benchmark::DoNotOptimize(drawing.Count);
}
BENCHMARK(BM_UndoRedoOfDeleteSelected)->Unit(benchmark::kMillisecond);

// The "全図形" search over 100,000 lines of which 1% duplicate an earlier line, up to asking.
void BM_DuplicateSearchAll100k(benchmark::State& state)
{
    SetEps(kEpsChoices[kDefaultEpsIndex]);
    Drawing drawing;
    FillWithLines(drawing, kElements, 100);
    for (auto _ : state) {
        const auto first = FindFirstDuplicates(drawing, DuplicateScope::All, Eps());
        benchmark::DoNotOptimize(first.data());
    }
}
BENCHMARK(BM_DuplicateSearchAll100k)->Unit(benchmark::kMillisecond);

// The whole menu command, marking, asking and deleting.
void BM_DuplicateRemovalCommand100k(benchmark::State& state)
{
    SetEps(kEpsChoices[kDefaultEpsIndex]);
    AnswerYes dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        Drawing drawing;
        FillWithLines(drawing, kElements, 100);
        state.ResumeTiming();
        benchmark::DoNotOptimize(RemoveDuplicates(drawing, dialogs, DuplicateScope::All, false));
    }
}
BENCHMARK(BM_DuplicateRemovalCommand100k)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantro
