#include <benchmark/benchmark.h>
#include <png.h>

#include <cstring>
#include <vector>

#include "bench/natural_painting.h"

// The anchors the ratio table divides by: work whose speed is set by the machine alone.
namespace dw {
namespace {

void BM_MemcpyCells5000(benchmark::State& state) {
    LargeBuffer<CanvasCell> from(std::size_t(5000) * 5000);
    LargeBuffer<CanvasCell> to(from.size());
    const std::size_t bytes = from.size() * sizeof(CanvasCell);
    std::memset(from.data(), 1, bytes);
    std::memset(to.data(), 0, bytes);  // fault the pages in before timing
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_MemcpyCells5000)->Unit(benchmark::kMillisecond)->UseRealTime();

struct MemoryPng {
    std::vector<uint8_t> bytes;
    std::size_t readAt = 0;
};

std::vector<uint8_t> encodePng(const std::vector<uint8_t>& rgba, uint32_t width, uint32_t height) {
    MemoryPng out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* o = static_cast<MemoryPng*>(png_get_io_ptr(p));
            o->bytes.insert(o->bytes.end(), data, data + n);
        },
        nullptr);
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (uint32_t y = 0; y < height; ++y) {
        png_write_row(png, rgba.data() + std::size_t(y) * width * 4);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::move(out.bytes);
}

void decodePng(std::vector<uint8_t>& file, std::vector<uint8_t>& rgba) {
    MemoryPng in{std::move(file), 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_read_fn(png, &in, [](png_structp p, png_bytep data, png_size_t n) {
        auto* i = static_cast<MemoryPng*>(png_get_io_ptr(p));
        std::memcpy(data, i->bytes.data() + i->readAt, n);
        i->readAt += n;
    });
    png_read_info(png, info);
    const uint32_t width = png_get_image_width(png, info);
    const uint32_t height = png_get_image_height(png, info);
    rgba.resize(std::size_t(width) * height * 4);
    for (uint32_t y = 0; y < height; ++y) {
        png_read_row(png, rgba.data() + std::size_t(y) * width * 4, nullptr);
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    file = std::move(in.bytes);
}

// The lit picture of the painting, as any picture program would store it.
void BM_PngLevel1EncodeDecode5000(benchmark::State& state) {
    constexpr uint32_t kSide = 5000;
    Canvas canvas;
    bench::fillNaturalPainting(canvas, kSide, kSide);
    bench::loadBenchGlossMap();
    canvas.shadeAll();
    std::vector<uint8_t> rgba(std::size_t(kSide) * kSide * 4);
    for (uint32_t y = 0; y < kSide; ++y) {
        const uint8_t* bgr = canvas.surface().row(y);
        uint8_t* out = rgba.data() + std::size_t(y) * kSide * 4;
        for (uint32_t x = 0; x < kSide; ++x) {
            out[4 * x] = bgr[3 * x + 2];
            out[4 * x + 1] = bgr[3 * x + 1];
            out[4 * x + 2] = bgr[3 * x];
            out[4 * x + 3] = 255;
        }
    }
    std::vector<uint8_t> decoded;
    std::size_t size = 0;
    for (auto _ : state) {
        std::vector<uint8_t> file = encodePng(rgba, kSide, kSide);
        size = file.size();
        decodePng(file, decoded);
        benchmark::ClobberMemory();
    }
    if (decoded != rgba) {
        state.SkipWithError("the decoded picture differs");
    }
    state.counters["MB"] = double(size) / 1e6;
}
BENCHMARK(BM_PngLevel1EncodeDecode5000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace dw
