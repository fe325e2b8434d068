#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "bench/natural_painting.h"
#include "canvas/pattern_images.h"
#include "canvas/undo_history.h"
#include "filters/filter_commands.h"
#include "filters/paintify.h"

namespace dw {
namespace {

// One 5000 x 5000 painting for every filter benchmark: filling it takes longer than a filter.
struct LargeFilterBench {
    Canvas painting;
    UndoHistory history;
    BrushSettings brush;
    SamplingOffsets offsets{-37.0f, 12.0f, 0.0f, 0.0f};
    PatternImages patterns;
    RandomGenerator random{1};

    LargeFilterBench() { bench::fillNaturalPainting(painting, 5000, 5000); }
    FilterInputs inputs() { return {brush, offsets, patterns, random}; }

    // A history full of whole-painting steps, as after a run of filters: each filter then
    // recycles the copy of the step it drops instead of meeting fresh memory.
    void fillHistory() {
        while (history.count() < UndoHistory::kDefaultSteps + 1) {
            history.pushSnapshot(painting);
            painting.cellsForWriting();
        }
    }
    // What the main loop does between two commands; Sicken and Flatten read the result.
    void shadeIfNeeded() {
        if (!painting.shaded) {
            painting.shadeAll();
        }
    }
};

LargeFilterBench& largeBench() {
    static LargeFilterBench bench;
    return bench;
}

// Steady state: the undo snapshot included, the re-shade left to the main loop as always.
void BM_Filter5000(benchmark::State& state, const FilterCommand* command) {
    LargeFilterBench& bench = largeBench();
    bench.fillHistory();
    for (auto _ : state) {
        state.PauseTiming();
        bench.shadeIfNeeded();
        state.ResumeTiming();
        command->run(bench.painting, bench.history, bench.inputs());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 5000 * 5000);
}

// The first filter after a painting is opened: the snapshot has no block to recycle.
void BM_Filter5000FirstCall(benchmark::State& state, const FilterCommand* command) {
    LargeFilterBench& bench = largeBench();
    for (auto _ : state) {
        state.PauseTiming();
        bench.history.clearHistory();
        bench.shadeIfNeeded();
        state.ResumeTiming();
        command->run(bench.painting, bench.history, bench.inputs());
        benchmark::ClobberMemory();
    }
}

// Paintify at a brush size on a side x side painting: 2 x (side / s)^2 Paint Brush dabs.
void BM_Paintify(benchmark::State& state) {
    const auto side = uint32_t(state.range(0));
    Canvas painting;
    bench::fillNaturalPainting(painting, side, side);
    UndoHistory history;
    while (history.count() < UndoHistory::kDefaultSteps + 1) {
        history.pushSnapshot(painting);
    }
    BrushSettings brush;
    brush.size = int32_t(state.range(1));
    const SamplingOffsets offsets{17.0f, 140.0f, 3.0f, 96.0f};
    // Grain images with some structure, so that the texture modulates every deposit.
    PatternImages patterns;
    Surface picture;
    picture.create(200, 200);
    for (uint32_t y = 0; y < 200; ++y) {
        for (uint32_t x = 0; x < 200; ++x) {
            picture.setPixel(x, y, uint8_t(128 + 100 * std::sin(x * 0.3) * std::cos(y * 0.2)), 0,
                             0);
        }
    }
    for (int i = 0; i < kPatternCount; ++i) {
        patterns.styles[i].create(200, 200);
        picture.drawInto(0, 0, patterns.styles[i]);
        patterns.textures[i].create(200, 200);
        picture.drawInto(0, 0, patterns.textures[i]);
    }
    patterns.refreshTiles();
    RandomGenerator random;
    const PaintifyScale scale(side, side, brush.size);
    for (auto _ : state) {
        random.seed(1);
        paintify(painting, history, FilterInputs{brush, offsets, patterns, random});
        benchmark::ClobberMemory();
    }
    state.counters["dabs"] = double(2 * uint64_t(scale.copyWidth()) * scale.copyHeight());
}
BENCHMARK(BM_Paintify)
    ->Args({600, 30})
    ->Args({600, 5})
    ->Args({2000, 30})
    ->Args({2000, 5})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

const bool kRegistered = [] {
    for (const FilterCommand& command : filterCommands()) {
        if (command.batchName == "paintify") {
            continue;
        }
        const std::string name(command.batchName);
        benchmark::RegisterBenchmark(("BM_Filter5000/" + name).c_str(), BM_Filter5000, &command)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("BM_Filter5000FirstCall/" + name).c_str(),
                                     BM_Filter5000FirstCall, &command)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(3);
    }
    return true;
}();

}  // namespace
}  // namespace dw
