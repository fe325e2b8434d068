// The anchor of the dab row: a hard, opaque dab of the same radius by a reference brush
// library on its fixed tiled surface, following the same path as the dab benchmarks.
#include <benchmark/benchmark.h>

extern "C" {
#include <mypaint-fixed-tiled-surface.h>
}

namespace dw {
namespace {

constexpr int kSide = 5000;

void BM_ReferenceDab(benchmark::State& state) {
    MyPaintFixedTiledSurface* fixed = mypaint_fixed_tiled_surface_new(kSide, kSide);
    if (!fixed) {
        state.SkipWithError("no memory for the reference surface");
        return;
    }
    MyPaintSurface* surface = mypaint_fixed_tiled_surface_interface(fixed);
    const auto radius = float(state.range(0));
    int step = 0;
    const int range = kSide - 400;
    for (auto _ : state) {
        const auto x = float(200 + (step * 3) % range);
        const auto y = float(200 + (step * 2) % range);
        // The library queues dabs per tile and blends them at the end of the atomic section.
        mypaint_surface_begin_atomic(surface);
        mypaint_surface_draw_dab(surface, x, y, radius, 0.8f, 0.3f, 0.1f, 1.0f, 1.0f, 1.0f, 1.0f,
                                 0.0f, 0.0f, 0.0f);
        MyPaintRectangle changed{};
        mypaint_surface_end_atomic(surface, &changed);
        ++step;
    }
    mypaint_surface_unref(surface);
}
BENCHMARK(BM_ReferenceDab)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace dw
