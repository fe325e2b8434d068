#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <png.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

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

// One 5000 x 5000 photograph-like file of each kind, written once for the whole run: the
// import and its anchor read the very same file from the disk (from the page cache after the
// first run).
const std::string& picture5000(const std::string& extension) {
    struct Written {
        std::string path;
        ~Written() { std::remove(path.c_str()); }
    };
    static std::map<std::string, Written> written;
    Written& file = written[extension];
    if (file.path.empty() && SaveImageFile(naturalPicture(5000, 5000), benchPath(extension))) {
        file.path = benchPath(extension);
    }
    return file.path;
}

// One read of the whole file, as a careful program does: a byte-wise read would make the
// anchor slower and the ratio look better than it is.
std::vector<uint8_t> fileBytes(const std::string& path) {
    std::vector<uint8_t> bytes(std::filesystem::file_size(path));
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
    return bytes;
}

void BM_ImportPicture5000(benchmark::State& state, const std::string& extension) {
    const std::string& path = picture5000(extension);
    if (path.empty()) {
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
}
BENCHMARK_CAPTURE(BM_ImportPicture5000, jpg, std::string("jpg"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ImportPicture5000, png, std::string("png"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The anchors of the import: the file read from the disk and decoded by the bare library, in
// the layout the file stores, into a buffer already faulted in by the first run.
void BM_BarePngDecode5000(benchmark::State& state) {
    const std::string& path = picture5000("png");
    std::vector<uint8_t> pixels;
    for (auto _ : state) {
        std::vector<uint8_t> file = fileBytes(path);
        png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        std::size_t at = 0;
        const auto read = [](png_structp p, png_bytep data, png_size_t n) {
            auto* source =
                static_cast<std::pair<std::vector<uint8_t>*, std::size_t*>*>(png_get_io_ptr(p));
            std::memcpy(data, source->first->data() + *source->second, n);
            *source->second += n;
        };
        std::pair<std::vector<uint8_t>*, std::size_t*> source{&file, &at};
        png_set_read_fn(png, &source, read);
        png_read_info(png, info);
        const std::size_t rowBytes = png_get_rowbytes(png, info);
        const uint32_t height = png_get_image_height(png, info);
        pixels.resize(rowBytes * height);
        for (uint32_t y = 0; y < height; ++y) {
            png_read_row(png, pixels.data() + y * rowBytes, nullptr);
        }
        png_destroy_read_struct(&png, &info, nullptr);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BarePngDecode5000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BareJpegDecode5000(benchmark::State& state) {
    const std::string& path = picture5000("jpg");
    std::vector<uint8_t> pixels;
    for (auto _ : state) {
        std::vector<uint8_t> file = fileBytes(path);
        jpeg_decompress_struct info{};
        jpeg_error_mgr errors{};
        info.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
        jpeg_read_header(&info, TRUE);
        jpeg_start_decompress(&info);
        const std::size_t rowBytes = std::size_t(info.output_width) * info.output_components;
        pixels.resize(rowBytes * info.output_height);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = pixels.data() + info.output_scanline * rowBytes;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BareJpegDecode5000)->Unit(benchmark::kMillisecond)->UseRealTime();

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
