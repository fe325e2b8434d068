#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/natural_painting.h"
#include "canvas/undo_history.h"
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

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return 0;
}

// Memory of a 5000 x 5000 painting with a full history (reported, not timed).
void BM_ResidentWithSixUndoEntries(benchmark::State& state) {
    for (auto _ : state) {
        Canvas canvas;
        bench::fillNaturalPainting(canvas, 5000, 5000);
        canvas.shadeAll();
        UndoHistory history;
        for (int i = 0; i < 8; ++i) {
            history.pushSnapshot(canvas);
        }
        history.undo(canvas);
        state.counters["resident_GB"] = double(residentKiB()) / (1024.0 * 1024.0);
    }
}
BENCHMARK(BM_ResidentWithSixUndoEntries)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dw
