#include <benchmark/benchmark.h>

#include "bench/natural_painting.h"
#include "core/pictures/thumbnail.h"

namespace dw {
namespace {

// The thumbnailer's own work on the largest painting, the document load aside.
void BM_LitThumbnail256From5000(benchmark::State& state) {
    Canvas painting;
    bench::fillNaturalPainting(painting, 5000, 5000);
    painting.lighting = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(litThumbnail(painting, 256).valid());
    }
}
BENCHMARK(BM_LitThumbnail256From5000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dw
