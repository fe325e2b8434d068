#include <algorithm>
#include <cmath>
#include <thread>

#include "canvas/canvas.h"
#include "canvas/gloss_map.h"
#include "canvas/truncation.h"

namespace dw {
namespace {

// 1/255 rounded to float32 (0.003921568859368563).
constexpr float kByteFraction = 1.0f / 255.0f;
constexpr double kPaintDisplacement = 20.0;
constexpr double kGlossCentre = 128.0;
constexpr double kGlossScale = 126.0;
// Below this many cells a second thread costs more than it saves.
constexpr std::size_t kParallelCells = 1u << 18;

struct GlossFactors {
    double highlight[256];  // gl * k
    double matte[256];      // (255 - gl) * k
    GlossFactors() {
        for (int gl = 0; gl < 256; ++gl) {
            highlight[gl] = double(gl) * kByteFraction;
            matte[gl] = double(255 - gl) * kByteFraction;
        }
    }
};

const GlossFactors kGlossFactors;

// A coordinate of the displaced paint lookup: truncated to 64 bits, its low 32 bits taken as
// unsigned, then reduced modulo the side. A negative position therefore wraps as 2^32 + v.
inline uint32_t wrapLookup(double position, uint32_t side) {
    const auto v = static_cast<uint32_t>(static_cast<uint64_t>(truncToInt64(position)));
    return v < side ? v : v % side;
}

inline uint8_t clampByte(int v) {
    return uint8_t(v < 0 ? 0 : (v > 255 ? 255 : v));
}

struct ShadeInput {
    const CanvasCell* cells;
    uint32_t width;
    uint32_t height;
    LightVector light;
    bool lighting;
    const GlossMap* gloss;
};

inline void shadeOne(const ShadeInput& in, uint32_t x, uint32_t y, uint8_t* pixel) {
    const std::size_t i = std::size_t(y) * in.width + x;
    const CanvasCell* cells = in.cells;
    const double h = cells[i].height;
    // The normal starts at (0, 1, 0); column 0 and row 0 stay flat in their direction, the
    // last column and row use the one-sided difference. Each partial result is a float.
    float nx = 0.0f;
    float nz = 0.0f;
    if (x > 0) {
        nx = float(h - cells[i - 1].height);
        if (x < in.width - 1) {
            nx = float(nx - (h - cells[i + 1].height));
        }
    }
    if (y > 0) {
        nz = float(h - cells[i - in.width].height);
        if (y < in.height - 1) {
            nz = float(nz - (h - cells[i + in.width].height));
        }
    }
    float ny = 1.0f;
    const float length = float(std::sqrt(1.0 + double(nx) * nx + double(nz) * nz));
    if (length != 0.0f) {
        nx = nx / length;
        ny = ny / length;
        nz = nz / length;
    }
    float diffuse =
        float(double(nx) * in.light.x + double(ny) * in.light.y + double(nz) * in.light.z);
    if (diffuse < 0.0f) {
        diffuse = 0.0f;
    }
    const uint32_t column = wrapLookup(x + kPaintDisplacement * nx, in.width);
    const uint32_t row = wrapLookup(y + kPaintDisplacement * nz, in.height);
    const int grain = cells[std::size_t(row) * in.width + column].paint;
    const CanvasCell& cell = cells[i];
    int r = cell.red + grain;
    int g = cell.green + grain;
    int b = cell.blue + grain;
    if (in.lighting) {
        const int gl = cell.gloss;
        // A unit normal gives 2..254; the clamp only guards against NaN heights.
        const int gx = clampInt(truncToInt(kGlossCentre - kGlossScale * nx), 0, 255);
        const int gz = clampInt(truncToInt(kGlossCentre - kGlossScale * nz), 0, 255);
        const int highlight = truncToInt(kGlossFactors.highlight[gl] * in.gloss->at(gx, gz));
        r += highlight;
        g += highlight;
        b += highlight;
        const double m = kGlossFactors.matte[gl];
        r = truncToInt(r + m * (r * double(diffuse) - r));
        g = truncToInt(g + m * (g * double(diffuse) - g));
        b = truncToInt(b + m * (b * double(diffuse) - b));
    }
    pixel[0] = clampByte(b);
    pixel[1] = clampByte(g);
    pixel[2] = clampByte(r);
}

ShadeInput shadeInput(const Canvas& canvas) {
    return {canvas.cells(), canvas.width(),  canvas.height(),
            canvas.light,   canvas.lighting, &glossMap()};
}

}  // namespace

void Canvas::shadeCell(uint32_t x, uint32_t y) {
    if (!surface_.valid() || !hasCells() || x >= width_ || y >= height_) {
        return;
    }
    shadeOne(shadeInput(*this), x, y, surface_.row(y) + std::size_t(x) * 3);
}

void Canvas::shadeRows(uint32_t y0, uint32_t y1, uint32_t x0, uint32_t x1) {
    const ShadeInput in = shadeInput(*this);
    for (uint32_t y = y0; y < y1; ++y) {
        uint8_t* pixel = surface_.row(y) + std::size_t(x0) * 3;
        for (uint32_t x = x0; x < x1; ++x, pixel += 3) {
            shadeOne(in, x, y, pixel);
        }
    }
}

void Canvas::shadeRect(int x0, int y0, int x1, int y1) {
    if (!surface_.valid() || !hasCells()) {
        return;
    }
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = int(std::min<int64_t>(x1, width_));
    y1 = int(std::min<int64_t>(y1, height_));
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    shadeRows(uint32_t(y0), uint32_t(y1), uint32_t(x0), uint32_t(x1));
}

void Canvas::shadeAll() {
    if (surface_.valid() && hasCells()) {
        // Every pixel depends only on the cells, so two threads give the same picture.
        if (cellCount() >= kParallelCells && std::thread::hardware_concurrency() > 1) {
            const uint32_t middle = height_ / 2;
            std::thread lower([this, middle] { shadeRows(middle, height_, 0, width_); });
            shadeRows(0, middle, 0, width_);
            lower.join();
        } else {
            shadeRows(0, height_, 0, width_);
        }
    }
    shaded = true;
}

}  // namespace dw
