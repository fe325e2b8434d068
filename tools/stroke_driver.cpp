#include "tools/stroke_driver.h"

#include <cmath>

#include "canvas/truncation.h"

namespace dw {
namespace {

constexpr float kNoMovementYet = -1.0f;
constexpr float kStrokeLengthPerPixel = 0.1f;
constexpr float kStyleDriftPerStep = 0.001f;
constexpr float kTextureDriftPerStep = 0.0016666667f;
constexpr float kWaveRate = 4.4f;
constexpr float kPercent = 0.01f;
constexpr int kMaxSize = 100;

float atLeastOne(float& stored) {
    if (stored < 1.0f) {
        stored = 1.0f;
    }
    return stored;
}

// sign(d) x d^2, +1 for d >= 0. In 64 bits: a 16-bit movement squared does not fit 32.
int64_t signedSquare(int64_t d) {
    return d >= 0 ? d * d : -(d * d);
}

}  // namespace

void BeginStroke(Canvas& canvas, const StrokeRecords& stroke) {
    stroke.footprint.invalidate();
    stroke.strokeSettings = stroke.current;
    canvas.strokeLength = kNoMovementYet;
}

void StrokeStep(Canvas& canvas, int dx, int dy, const StrokeRecords& stroke) {
    const int64_t squared = int64_t(dx) * dx + int64_t(dy) * dy;
    const float d = float(std::sqrt(double(squared)));
    if (canvas.strokeLength == kNoMovementYet) {
        canvas.strokeLength = 0.0f;
    } else {
        canvas.strokeLength = float(canvas.strokeLength + double(d) * kStrokeLengthPerPixel);
    }
    BrushSettings& s = stroke.strokeSettings;
    s = stroke.current;
    StrokeModifiers& m = stroke.modifiers;
    const double length = canvas.strokeLength;

    if (m.fadeAmount) {
        const double fadeLength = atLeastOne(m.fadeAmountLength);
        float h = float(1.0 - length / fadeLength);
        if (h < 0.0f) {
            h = 0.0f;
        }
        s.amount = float(double(s.amount) * h);
        stroke.footprint.invalidate();
    }
    if (m.fadeSize) {
        const double fadeLength = atLeastOne(m.fadeSizeLength);
        double h = 1.0 - length / fadeLength;
        if (h < 0.0) {
            h = 0.0;
        }
        s.size = truncToInt(s.size * h);
        if (s.size < 1) {
            s.size = 1;
        }
        stroke.footprint.invalidate();
    }
    if (m.wave) {
        const double depth = atLeastOne(m.waveDepth);
        const double period = atLeastOne(m.wavePeriod);
        const float argument = float((length - m.wavePhase) * kWaveRate / period);
        const double pulse = std::fabs(std::cos(double(argument)));
        s.size = clampInt(truncToInt((1.0 - depth * kPercent * pulse) * s.size), 1, kMaxSize);
        stroke.footprint.invalidate();
    }
    if (d == 0.0f) {
        // A resting brush stops depositing; the spray keeps spraying and the knife scraping.
        if (stroke.current.tool != ToolId::SprayPaint && stroke.current.tool != ToolId::Knife) {
            s.amount = 0.0f;
        }
        stroke.footprint.invalidate();
    }
}

void EndStroke(Canvas& canvas, const StrokeRecords& stroke) {
    canvas.strokeLength = kNoMovementYet;
    stroke.footprint.invalidate();
}

void ReseedOffsets(SamplingOffsets& offsets, RandomGenerator& random) {
    offsets.textureOffsetX = float(random.next() % 256);
    offsets.textureOffsetY = float(random.next() % 256);
    offsets.styleOffsetX = float(random.next() % 256);
    offsets.styleOffsetY = float(random.next() % 256);
}

void DriftOffsets(SamplingOffsets& offsets, RandomGenerator& random, int px, int py, int x, int y) {
    const double k1 = (random.next() % 100) * double(kStyleDriftPerStep);
    const double k2 = (random.next() % 100) * double(kTextureDriftPerStep);
    const double sx = double(signedSquare(int64_t(px) - x));
    const double sy = double(signedSquare(int64_t(py) - y));
    offsets.styleOffsetX = float(offsets.styleOffsetX - sx * k1);
    offsets.styleOffsetY = float(offsets.styleOffsetY - sy * k1);
    offsets.textureOffsetX = float(offsets.textureOffsetX - sx * k2);
    offsets.textureOffsetY = float(offsets.textureOffsetY - sy * k2);
}

}  // namespace dw
