#include <benchmark/benchmark.h>

#include "bench/natural_painting.h"

namespace dw {
namespace {

void BM_ShadeAll(benchmark::State& state) {
    const auto side = uint32_t(state.range(0));
    Canvas canvas;
    bench::fillNaturalPainting(canvas, side, side);
    bench::loadBenchGlossMap();
    for (auto _ : state) {
        canvas.shadeAll();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * side * side);
}
BENCHMARK(BM_ShadeAll)->Arg(600)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ShadeRect200(benchmark::State& state) {
    Canvas canvas;
    bench::fillNaturalPainting(canvas, 5000, 5000);
    for (auto _ : state) {
        canvas.shadeRect(2400, 2400, 2600, 2600);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 200 * 200);
}
BENCHMARK(BM_ShadeRect200)->Unit(benchmark::kMicrosecond);

void BM_Resample5000To2500(benchmark::State& state) {
    Canvas source;
    bench::fillNaturalPainting(source, 5000, 5000);
    Canvas canvas;
    for (auto _ : state) {
        state.PauseTiming();
        canvas.copyFrom(source);
        state.ResumeTiming();
        canvas.resample(2500, 2500);
    }
}
BENCHMARK(BM_Resample5000To2500)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace dw
