#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "bench/natural_painting.h"
#include "files/autosave_writer.h"
#include "files/document_file.h"
#include "files/recovery_slot.h"
#include "files/recovery_store.h"

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

// The painter's cost of an autosave: the copy of the cells taken between strokes. The write
// that follows runs on the writer's own thread; it is stopped, untimed, before the next copy.
void BM_AutosaveCopy5000(benchmark::State& state) {
    Canvas canvas;
    bench::fillNaturalPainting(canvas, 5000, 5000);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "daubwerk-bench-recovery";
    RecoveryStore store(folder);
    std::optional<RecoverySlot> slot = RecoverySlot::open(folder);
    if (!slot) {
        state.SkipWithError("no recovery folder");
        return;
    }
    AutosaveWriter writer(std::move(*slot));
    // The buffer is kept from one autosave to the next: the first one's page faults are not
    // what a painter meets every time.
    writer.offer(canvas, "", "bench");
    writer.removeEntry();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (writer.offer(canvas, "", "bench") != AutosaveOffer::Taken) {
            state.SkipWithError("offer not taken");
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        writer.removeEntry();
    }
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}
BENCHMARK(BM_AutosaveCopy5000)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
}  // namespace dw
