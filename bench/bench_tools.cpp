// Benchmarks of this area: one dab with its re-shade on a large painting, and the footprint.
#include <benchmark/benchmark.h>

#include "bench/natural_painting.h"
#include "canvas/pattern_images.h"
#include "tools/brush_footprint.h"
#include "tools/dab_context.h"
#include "tools/tool_dispatch.h"

namespace dw {
namespace {

constexpr uint32_t kSide = 5000;

struct DabBench {
    Canvas painting;
    Canvas unshown;  // no surface: shows what the effect costs without its re-shade
    PatternImages patterns;
    SamplingOffsets offsets{17.0f, 43.0f, 91.0f, 5.0f};
    RandomGenerator random{1};

    DabBench() {
        bench::fillNaturalPainting(painting, kSide, kSide);
        painting.shadeAll();
        bench::fillNaturalPainting(unshown, 1000, 1000);
        unshown.surface().release();
        Surface grain;
        grain.create(200, 200);
        for (uint32_t y = 0; y < 200; ++y) {
            for (uint32_t x = 0; x < 200; ++x) {
                const uint8_t v = uint8_t((x * 7 + y * 13) ^ (x * y));
                grain.setPixel(x, y, v, v, v);
            }
        }
        for (int i = 0; i < kPatternCount; ++i) {
            grain.drawInto(0, 0, patterns.styles[i]);
            patterns.styles[i].create(200, 200);
            grain.drawInto(0, 0, patterns.styles[i]);
            patterns.textures[i].create(200, 200);
            grain.drawInto(0, 0, patterns.textures[i]);
        }
        patterns.refreshTiles();
    }
};

DabBench& bench() {
    static DabBench shared;
    return shared;
}

void dabOn(benchmark::State& state, ToolId tool, Canvas& canvas) {
    DabBench& b = bench();
    BrushSettings s;
    s.tool = tool;
    s.size = int32_t(state.range(0));
    BrushFootprint footprint;
    BuildFootprint(footprint, s);
    const DabContext context{footprint, b.offsets, b.patterns, b.random};
    // Dabs follow a stroke: a few cells apart, so consecutive squares overlap.
    int step = 0;
    const int range = int(canvas.width()) - 400;
    for (auto _ : state) {
        const int x = 200 + (step * 3) % range;
        const int y = 200 + (step * 2) % range;
        ApplyToolEffect(tool, canvas, x, y, s, context);
        ++step;
    }
    const int64_t side = 2 * s.size;
    state.counters["cells"] = double(side * side);
    state.counters["ns_per_cell"] =
        benchmark::Counter(double(side * side) * double(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void dab(benchmark::State& state, ToolId tool) {
    dabOn(state, tool, bench().painting);
}

void effectOnly(benchmark::State& state, ToolId tool) {
    dabOn(state, tool, bench().unshown);
}

void shadeOnly(benchmark::State& state) {
    DabBench& b = bench();
    const int r = int(state.range(0));
    int step = 0;
    for (auto _ : state) {
        const int x = 200 + (step * 3) % 4600;
        const int y = 200 + (step * 2) % 4600;
        b.painting.shadeRect(x - r, y - r, x + r, y + r);
        ++step;
    }
}

void footprintRebuild(benchmark::State& state) {
    BrushSettings s;
    s.size = int32_t(state.range(0));
    s.hardness = 40;
    BrushFootprint footprint;
    for (auto _ : state) {
        footprint.invalidate();
        BuildFootprint(footprint, s);
        benchmark::DoNotOptimize(footprint.weight(s.size, s.size));
    }
}

}  // namespace

BENCHMARK_CAPTURE(dab, PaintBrush, ToolId::PaintBrush)
    ->Arg(30)
    ->Arg(100)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(dab, SprayPaint, ToolId::SprayPaint)
    ->Arg(30)
    ->Arg(100)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(dab, Finger, ToolId::Finger)->Arg(30)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(dab, Eraser, ToolId::Eraser)->Arg(30)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(dab, Raise, ToolId::Raise)->Arg(30)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(effectOnly, PaintBrush, ToolId::PaintBrush)
    ->Arg(100)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(effectOnly, SprayPaint, ToolId::SprayPaint)
    ->Arg(100)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(effectOnly, Finger, ToolId::Finger)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(effectOnly, Eraser, ToolId::Eraser)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(effectOnly, Raise, ToolId::Raise)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(shadeOnly)->Arg(30)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(footprintRebuild)->Arg(30)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace dw
