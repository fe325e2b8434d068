#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/natural_painting.h"
#include "core/app_state.h"
#include "core/pictures/export_picture.h"
#include "core/pictures/import_picture.h"
#include "files/image_file.h"
#include "files/picture_import.h"

namespace dw {
namespace {

std::string benchPath(const std::string& extension) {
    return (std::filesystem::temp_directory_path() / ("daubwerk-bench-picture." + extension))
        .string();
}

// A photograph-like picture: the shaded natural painting.
Surface naturalPicture(uint32_t width, uint32_t height) {
    Canvas canvas;
    bench::fillNaturalPainting(canvas, width, height);
    canvas.shadeAll();
    return std::move(canvas.surface());
}

void BM_ImportPicture5000(benchmark::State& state, const std::string& extension) {
    const std::string path = benchPath(extension);
    if (!SaveImageFile(naturalPicture(5000, 5000), path)) {
        state.SkipWithError("could not write the picture");
        return;
    }
    AppState app;
    for (auto _ : state) {
        if (!importPicture(app, path)) {
            state.SkipWithError("import failed");
        }
    }
    state.counters["MB"] = double(std::filesystem::file_size(path)) / 1e6;
    std::remove(path.c_str());
}
BENCHMARK_CAPTURE(BM_ImportPicture5000, jpg, std::string("jpg"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ImportPicture5000, png, std::string("png"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

double childrenCpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// What the fence adds to an import: a small picture through the fenced decoder (TGA) against
// the same picture read in this process (BMP, the anchor); the difference is the cost of
// starting the decoder. With a held painting the process is as large as the program with a
// 5000 x 5000 painting open, which a fork must copy the page tables of.
void BM_ImportSmallPicture(benchmark::State& state, const std::string& extension) {
    const std::string path = benchPath(extension);
    if (!SaveImageFile(naturalPicture(64, 64), path)) {
        state.SkipWithError("could not write the picture");
        return;
    }
    Canvas held;
    if (state.range(0) > 0) {
        bench::fillNaturalPainting(held, uint32_t(state.range(0)), uint32_t(state.range(0)));
        held.shadeAll();
    }
    AppState app;
    const double childrenBefore = childrenCpuMilliseconds();
    for (auto _ : state) {
        if (!importPicture(app, path)) {
            state.SkipWithError("import failed");
        }
    }
    // On a busy machine the real time is mostly waiting for a core; this is the decoder's own.
    state.counters["decoder_cpu_ms"] =
        (childrenCpuMilliseconds() - childrenBefore) / double(state.iterations());
    std::remove(path.c_str());
}
BENCHMARK_CAPTURE(BM_ImportSmallPicture, bmp_in_process, std::string("bmp"))
    ->Arg(0)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ImportSmallPicture, tga_fenced, std::string("tga"))
    ->Arg(0)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The pixel-to-cell conversion alone.
void BM_CellsFromPicture5000(benchmark::State& state) {
    const Surface picture = naturalPicture(5000, 5000);
    for (auto _ : state) {
        LargeBuffer<CanvasCell> cells = cellsFromPicture(picture);
        benchmark::DoNotOptimize(cells.data());
    }
}
BENCHMARK(BM_CellsFromPicture5000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportPng(benchmark::State& state) {
    const auto side = uint32_t(state.range(0));
    AppState app;
    bench::fillNaturalPainting(app.painting, side, side);
    const std::string path = benchPath("png");
    for (auto _ : state) {
        if (!exportPainting(app, path)) {
            state.SkipWithError("export failed");
        }
    }
    state.counters["MB"] = double(std::filesystem::file_size(path)) / 1e6;
    std::remove(path.c_str());
}
BENCHMARK(BM_ExportPng)->Arg(600)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace dw
