#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "bench/natural_painting.h"
#include "canvas/undo_history.h"
#include "filters/filter_commands.h"
#include "tools/brush_footprint.h"
#include "tools/tool_dispatch.h"

// Undo on the largest painting. Times are also given as ratios to a memcpy of the painting's
// cells timed in the same run (x_memcpy), memory as a fraction of the cells (x_cells).
namespace dw {
namespace {

constexpr uint32_t kSide = 5000;
constexpr double kCellBytes = double(kSide) * kSide * sizeof(CanvasCell);

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct UndoBench {
    Canvas painting;
    UndoHistory history;
    std::unique_ptr<PatternImages> patterns = std::make_unique<PatternImages>();
    BrushFootprint footprint;
    SamplingOffsets offsets{17.0f, 140.0f, 3.0f, 96.0f};
    RandomGenerator random{1};

    UndoBench() {
        bench::fillNaturalPainting(painting, kSide, kSide);
        painting.shadeAll();
        history.setWriteChecking(false);
    }

    // The grain images are left empty, so the brush goes without a texture, which would read 0.
    static BrushSettings brushOf(int number) {
        BrushSettings brush;
        brush.texture = 0;
        brush.size = 30 + number * 37 % 71;
        return brush;
    }
    void firstDab(int number) {
        const BrushSettings brush = brushOf(number);
        BuildFootprint(footprint, brush);
        ApplyToolEffect(ToolId::PaintBrush, painting, 700 + number * 600, 900 + number * 500, brush,
                        {footprint, offsets, *patterns, random});
    }
    // An ordinary stroke: 300 dabs of a brush of size 30 to 100 along a gentle curve, 3 cells
    // apart as a steady hand moves in 3 ms passes.
    void stroke(int number) {
        history.pushSnapshot(painting);
        const BrushSettings brush = brushOf(number);
        BuildFootprint(footprint, brush);
        const DabContext context{footprint, offsets, *patterns, random};
        for (int i = 0; i < 300; ++i) {
            const int x = 700 + number * 600 + 3 * i;
            const int y = 900 + number * 500 + int(120.0 * std::sin(i / 40.0));
            ApplyToolEffect(ToolId::PaintBrush, painting, x, y, brush, context);
        }
        painting.shadeAll();  // as the main loop leaves it between strokes
    }
};

UndoBench& undoBench() {
    static UndoBench bench;
    return bench;
}

// The anchor: one copy of the painting's cells into memory already faulted in.
double memcpySeconds() {
    static const double seconds = [] {
        const Canvas& painting = undoBench().painting;
        LargeBuffer<CanvasCell> target(painting.cellCount());
        double best = 1e9;
        for (int i = 0; i < 4; ++i) {
            const Clock::time_point start = Clock::now();
            std::memcpy(target.data(), painting.cells(), painting.cellCount() * sizeof(CanvasCell));
            benchmark::DoNotOptimize(target.data());
            best = std::min(best, secondsSince(start));
        }
        return best;
    }();
    return seconds;
}

// Times only what timed() does, and gives it as a ratio to the anchor.
template <class Prepare, class Timed>
void timeSteps(benchmark::State& state, Prepare prepare, Timed timed) {
    double total = 0.0;
    for (auto _ : state) {
        prepare();
        const Clock::time_point start = Clock::now();
        timed();
        const double seconds = secondsSince(start);
        state.SetIterationTime(seconds);
        total += seconds;
    }
    state.counters["x_memcpy"] = total / double(state.iterations()) / memcpySeconds();
}

// The press: the undo snapshot and the first dab, with a full history of strokes.
void BM_StrokeStart5000(benchmark::State& state) {
    UndoBench& bench = undoBench();
    bench.history.clearHistory();
    for (int i = 0; i < 6; ++i) {
        bench.stroke(i);
    }
    int number = 0;
    timeSteps(
        state, [] {},
        [&] {
            bench.history.pushSnapshot(bench.painting);
            bench.firstDab(number++ % 6);
        });
}
BENCHMARK(BM_StrokeStart5000)->UseManualTime()->Unit(benchmark::kMillisecond);

// Undo or Redo across one step made by make().
template <class Make>
void undoRedo(benchmark::State& state, bool redo, Make make) {
    UndoBench& bench = undoBench();
    bench.history.clearHistory();
    make(bench);
    bench.history.undo(bench.painting);
    bench.history.redo(bench.painting);
    timeSteps(
        state,
        [&] {
            if (redo) {
                bench.history.undo(bench.painting);
            } else {
                bench.history.redo(bench.painting);
            }
        },
        [&] {
            if (redo) {
                bench.history.redo(bench.painting);
            } else {
                bench.history.undo(bench.painting);
            }
        });
}

void strokeStep(UndoBench& bench) {
    bench.stroke(1);
}

void filterStep(UndoBench& bench) {
    BrushSettings brush;
    filterNamed("invert-color")
        ->run(bench.painting, bench.history, {brush, bench.offsets, *bench.patterns, bench.random});
    bench.painting.shadeAll();
}

void BM_UndoStroke5000(benchmark::State& state) {
    undoRedo(state, false, strokeStep);
}
void BM_RedoStroke5000(benchmark::State& state) {
    undoRedo(state, true, strokeStep);
}
void BM_UndoFilter5000(benchmark::State& state) {
    undoRedo(state, false, filterStep);
}
void BM_RedoFilter5000(benchmark::State& state) {
    undoRedo(state, true, filterStep);
}
BENCHMARK(BM_UndoStroke5000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoStroke5000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoFilter5000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoFilter5000)->UseManualTime()->Unit(benchmark::kMillisecond);

double residentBytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kib = 0;
            status >> kib;
            return kib * 1024.0;
        }
    }
    return 0;
}

// What six entries of ordinary strokes add to the memory (reported, not timed). Run it on its
// own, so that memory freed by earlier benchmarks does not hide the growth.
void BM_MemoryOfSixStrokes5000(benchmark::State& state) {
    UndoBench& bench = undoBench();
    for (auto _ : state) {
        bench.history.clearHistory();
        const double before = residentBytes();
        for (int i = 0; i < 6; ++i) {
            bench.stroke(i);
        }
        state.counters["resident_x_cells"] = (residentBytes() - before) / kCellBytes;
        state.counters["held_x_cells"] = double(bench.history.bytesHeld()) / kCellBytes;
    }
}
BENCHMARK(BM_MemoryOfSixStrokes5000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dw
