#include "resources/artwork/pattern_kit.h"

#include <algorithm>
#include <cmath>

namespace dw::artwork {
namespace {

constexpr float kPi = 3.14159265f;

float threadProfile(float distanceFromCentre, float halfWidth) {
    const float t = distanceFromCentre / halfWidth;
    return t >= 1.0f ? 0.0f : std::sqrt(1.0f - t * t);
}

}  // namespace

float smoothStep(float edge0, float edge1, float v) {
    const float t = std::clamp((v - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

float wovenHeight(float x, float y, int pitch, int overRun, float threadWidth, float irregularity,
                  uint32_t seed) {
    const int threads = kTile / pitch;
    const float p = float(pitch);
    const int column = int(std::floor(x / p));
    const int row = int(std::floor(y / p));
    const float fx = x / p - float(column);
    const float fy = y / p - float(row);
    const int warp = ((column % threads) + threads) % threads;
    const int weft = ((row % threads) + threads) % threads;
    // Warp crosses over where the weave's diagonal says so; twill shifts by one each row.
    const int period = 2 * overRun;
    const bool warpOver = ((warp + weft) % period) < overRun;

    // Each thread has its own thickness and slubs that come and go along its length.
    const float warpCentre = (float(warp) + 0.5f) * p;
    const float weftCentre = (float(weft) + 0.5f) * p;
    const float warpSwell =
        1.0f + irregularity * (hashUnit(warp, 0, seed) - 0.5f) +
        irregularity * (streakNoise(y, warpCentre, 10, threads, seed + 3u) - 0.5f);
    const float weftSwell =
        1.0f + irregularity * (hashUnit(0, weft, seed + 1u) - 0.5f) +
        irregularity * (streakNoise(x, weftCentre, 10, threads, seed + 5u) - 0.5f);
    const float half = threadWidth * 0.5f;
    const float warpAcross = threadProfile(std::abs(fx - 0.5f), half * warpSwell);
    const float weftAcross = threadProfile(std::abs(fy - 0.5f), half * weftSwell);
    // The thread on top bulges over the crossing; the one beneath sinks out of sight. Both
    // meet the same level at the crossing's edges, so threads run on without a step.
    const float warpAlong = std::sin(kPi * fy);
    const float weftAlong = std::sin(kPi * fx);
    const float warpLift =
        warpOver ? 0.45f + 0.55f * std::sqrt(warpAlong) : 0.45f - 0.3f * warpAlong;
    const float weftLift =
        warpOver ? 0.45f - 0.3f * weftAlong : 0.45f + 0.55f * std::sqrt(weftAlong);
    return std::max(warpAcross * warpLift, weftAcross * weftLift);
}

void stampLine(Field& field, float x0, float y0, float x1, float y1, float radius, float strength,
               bool keepBrightest) {
    const float length = std::hypot(x1 - x0, y1 - y0);
    const int reach = int(std::ceil(radius * 2.0f));
    const float left = std::min(x0, x1) - float(reach);
    const float top = std::min(y0, y1) - float(reach);
    const float right = std::max(x0, x1) + float(reach);
    const float bottom = std::max(y0, y1) + float(reach);
    const float vx = x1 - x0;
    const float vy = y1 - y0;
    const float lengthSquared = std::max(length * length, 1e-6f);
    for (int y = int(std::floor(top)); y <= int(std::ceil(bottom)); ++y) {
        for (int x = int(std::floor(left)); x <= int(std::ceil(right)); ++x) {
            const float t = std::clamp(((x - x0) * vx + (y - y0) * vy) / lengthSquared, 0.0f, 1.0f);
            const float d = std::hypot(x - (x0 + vx * t), y - (y0 + vy * t));
            const float w = std::exp(-(d * d) / (2.0f * radius * radius));
            if (w < 0.01f) {
                continue;
            }
            float& v = field.at(x, y);
            v = keepBrightest ? std::max(v, w * strength) : v + w * strength;
        }
    }
}

void stampFibres(Field& field, int count, float minLength, float maxLength, float radius,
                 float strength, uint32_t seed) {
    for (int i = 0; i < count; ++i) {
        float x = hashUnit(i, 1, seed) * kTile;
        float y = hashUnit(i, 2, seed) * kTile;
        float angle = hashUnit(i, 3, seed) * 2.0f * kPi;
        const float bend = (hashUnit(i, 4, seed) - 0.5f) * 0.12f;
        const float length = minLength + (maxLength - minLength) * hashUnit(i, 5, seed);
        const float weight = strength * (0.5f + 0.5f * hashUnit(i, 6, seed));
        const int steps = std::max(1, int(length / 3.0f));
        for (int s = 0; s < steps; ++s) {
            const float nx = x + 3.0f * std::cos(angle);
            const float ny = y + 3.0f * std::sin(angle);
            stampLine(field, x, y, nx, ny, radius, weight, true);
            x = nx;
            y = ny;
            angle += bend;
        }
    }
}

Picture greyPicture(const Field& field) {
    Picture picture(kTile, kTile);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            picture.set(x, y, grey(std::clamp(field.at(x, y), 0.0f, 255.0f)));
        }
    }
    return picture;
}

}  // namespace dw::artwork
