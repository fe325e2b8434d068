#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/natural_painting.h"
#include "files/document_file.h"

namespace dw {
namespace {

std::string benchFile() {
    return (std::filesystem::temp_directory_path() / "daubwerk-bench.pai").string();
}

void BM_SaveDocument5000(benchmark::State& state) {
    Canvas canvas;
    bench::fillNaturalPainting(canvas, 5000, 5000);
    for (auto _ : state) {
        if (!SaveDocument(canvas, benchFile())) {
            state.SkipWithError("save failed");
        }
    }
    state.counters["MB"] = double(std::filesystem::file_size(benchFile())) / 1e6;
}
BENCHMARK(BM_SaveDocument5000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadDocument5000(benchmark::State& state) {
    Canvas canvas;
    bench::fillNaturalPainting(canvas, 5000, 5000);
    SaveDocument(canvas, benchFile());
    for (auto _ : state) {
        if (!LoadDocument(canvas, benchFile())) {
            state.SkipWithError("load failed");
        }
    }
    std::remove(benchFile().c_str());
}
BENCHMARK(BM_LoadDocument5000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The row of the ratio table: a painting saved and opened again.
void BM_SaveAndLoadDocument5000(benchmark::State& state) {
    Canvas canvas;
    bench::fillNaturalPainting(canvas, 5000, 5000);
    Canvas loaded;
    for (auto _ : state) {
        if (!SaveDocument(canvas, benchFile()) || !LoadDocument(loaded, benchFile())) {
            state.SkipWithError("save or load failed");
        }
    }
    std::remove(benchFile().c_str());
}
BENCHMARK(BM_SaveAndLoadDocument5000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace dw
