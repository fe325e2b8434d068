#include "resources/artwork/tile_noise.h"

#include <algorithm>
#include <cmath>

namespace dw::artwork {
namespace {

int wrapIndex(int i, int n) {
    return ((i % n) + n) % n;
}

float fade(float t) {
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

float lattice(float position, int cells, int* index) {
    const float u = position * float(cells) / float(kTile);
    const float base = std::floor(u);
    *index = int(base);
    return u - base;
}

float gradientDot(int ix, int iy, int cells, uint32_t seed, float dx, float dy) {
    const uint32_t h = hash3(wrapIndex(ix, cells), wrapIndex(iy, cells), seed);
    const float angle = float(h & 0xffffu) * (6.28318531f / 65536.0f);
    return std::cos(angle) * dx + std::sin(angle) * dy;
}

}  // namespace

uint32_t hash3(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u;
    h ^= uint32_t(x) * 0x85EBCA6Bu;
    h = (h ^ (h >> 15)) * 0x2C1B3C6Du;
    h ^= uint32_t(y) * 0xC2B2AE35u;
    h = (h ^ (h >> 12)) * 0x297A2D39u;
    return h ^ (h >> 15);
}

float hashUnit(int32_t x, int32_t y, uint32_t seed) {
    return float(hash3(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

float gradientNoise(float x, float y, int cells, uint32_t seed) {
    int ix = 0;
    int iy = 0;
    const float fx = lattice(x, cells, &ix);
    const float fy = lattice(y, cells, &iy);
    const float n00 = gradientDot(ix, iy, cells, seed, fx, fy);
    const float n10 = gradientDot(ix + 1, iy, cells, seed, fx - 1.0f, fy);
    const float n01 = gradientDot(ix, iy + 1, cells, seed, fx, fy - 1.0f);
    const float n11 = gradientDot(ix + 1, iy + 1, cells, seed, fx - 1.0f, fy - 1.0f);
    const float u = fade(fx);
    const float v = fade(fy);
    const float top = n00 + (n10 - n00) * u;
    const float bottom = n01 + (n11 - n01) * u;
    return (top + (bottom - top) * v) * 1.41421356f;
}

float fractalNoise(float x, float y, int cells, int octaves, float gain, uint32_t seed) {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += weight * gradientNoise(x, y, cells, seed + uint32_t(octave) * 101u);
        total += weight;
        weight *= gain;
        cells *= 2;
    }
    return sum / total;
}

float streakNoise(float x, float y, int cellsAlong, int cellsAcross, uint32_t seed) {
    int ix = 0;
    int iy = 0;
    const float fx = lattice(x, cellsAlong, &ix);
    const float fy = lattice(y, cellsAcross, &iy);
    auto value = [&](int cx, int cy) {
        return hashUnit(wrapIndex(cx, cellsAlong), wrapIndex(cy, cellsAcross), seed);
    };
    const float u = fade(fx);
    const float v = fade(fy);
    const float top = value(ix, iy) + (value(ix + 1, iy) - value(ix, iy)) * u;
    const float bottom = value(ix, iy + 1) + (value(ix + 1, iy + 1) - value(ix, iy + 1)) * u;
    return top + (bottom - top) * v;
}

CellDistances cellNoise(float x, float y, int cells, float jitter, uint32_t seed) {
    const float size = float(kTile) / float(cells);
    const int cx = int(std::floor(x / size));
    const int cy = int(std::floor(y / size));
    struct Candidate {
        float px;
        float py;
        float distance;
        uint32_t id;
    };
    Candidate candidates[25];
    int count = 0;
    for (int oy = -2; oy <= 2; ++oy) {
        for (int ox = -2; ox <= 2; ++ox) {
            const int nx = cx + ox;
            const int ny = cy + oy;
            const int wx = wrapIndex(nx, cells);
            const int wy = wrapIndex(ny, cells);
            const float jx = 0.5f + (hashUnit(wx, wy, seed) - 0.5f) * jitter;
            const float jy = 0.5f + (hashUnit(wx, wy, seed + 7u) - 0.5f) * jitter;
            const float px = (float(nx) + jx) * size;
            const float py = (float(ny) + jy) * size;
            candidates[count++] = {px, py, std::hypot(px - x, py - y), hash3(wx, wy, seed + 13u)};
        }
    }
    int nearest = 0;
    for (int i = 1; i < count; ++i) {
        if (candidates[i].distance < candidates[nearest].distance) {
            nearest = i;
        }
    }
    const Candidate& p = candidates[nearest];
    CellDistances result{p.distance, 1e9f, 1e9f, p.id};
    for (int i = 0; i < count; ++i) {
        if (i == nearest) {
            continue;
        }
        const Candidate& q = candidates[i];
        result.second = std::min(result.second, q.distance);
        // Distance to the bisector between the two feature points: the true cell border.
        const float dx = q.px - p.px;
        const float dy = q.py - p.py;
        const float length = std::hypot(dx, dy);
        if (length > 0.0f) {
            const float mx = (p.px + q.px) * 0.5f;
            const float my = (p.py + q.py) * 0.5f;
            result.edge = std::min(result.edge, ((mx - x) * dx + (my - y) * dy) / length);
        }
    }
    return result;
}

void Field::blur(int radius) {
    if (radius <= 0) {
        return;
    }
    const float norm = 1.0f / float(2 * radius + 1);
    std::vector<float> pass(values_.size());
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            float sum = 0.0f;
            for (int k = -radius; k <= radius; ++k) {
                sum += at(x + k, y);
            }
            pass[std::size_t(y) * kTile + x] = sum * norm;
        }
    }
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            float sum = 0.0f;
            for (int k = -radius; k <= radius; ++k) {
                sum += pass[std::size_t(wrap(y + k)) * kTile + x];
            }
            values_[std::size_t(y) * kTile + x] = sum * norm;
        }
    }
}

}  // namespace dw::artwork
