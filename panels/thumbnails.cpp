#include "panels/thumbnails.h"

#include <algorithm>

#include "canvas/truncation.h"
#include "core/app_state.h"
#include "core/main_loop/apply_dab.h"
#include "tools/brush_fields.h"

namespace dw {
namespace {

constexpr int kBrushThumbnailSize = 20;
constexpr int kBrushThumbnailDabs = 5;
constexpr int kStrokeSamples = 60;
constexpr int kStrokeRow = 7;
constexpr int kPaperStyle = 1;

// The sample brush of the stroke thumbnails: a small black tube at full strength.
constexpr BrushSettings kSampleBrush{0, 0, 0, 0, 0.0f, ToolId::TubePaint, 9, 1.0f, 0, 0, 0, 0};

// The tools that change paint already there, rather than lay their own.
constexpr ToolId kReworksPaint[] = {ToolId::Eraser, ToolId::Sponge, ToolId::Brighten,
                                    ToolId::Darken, ToolId::Gloss,  ToolId::Matte,
                                    ToolId::Raise,  ToolId::Lower};

void newCanvas(Canvas& canvas, uint32_t width, uint32_t height) {
    canvas.create(width, height);
    canvas.lighting = true;
}

void lay(AppState& state, Canvas& canvas) {
    const BrushSettings& b = state.brush;
    canvas.fillWithPaper(b.red, b.green, b.blue, state.patterns.styles[kPaperStyle]);
}

void copyFramed(const Surface& shown, Surface& thumbnail) {
    const uint32_t w = shown.width();
    const uint32_t h = shown.height();
    thumbnail.create(w, h);
    for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < w; ++x) {
            if (x == 0 || y == 0 || x + 1 == w || y + 1 == h) {
                thumbnail.setPixel(x, y, 0, 0, 0);
            } else {
                const Pixel p = shown.getPixel(x, y);
                thumbnail.setPixel(x, y, p.red, p.green, p.blue);
            }
        }
    }
}

}  // namespace

bool needsPaper(ToolId tool, PaperFor use) {
    const bool reworks = std::find(std::begin(kReworksPaint), std::end(kReworksPaint), tool) !=
                         std::end(kReworksPaint);
    switch (use) {
        case PaperFor::Preview:
            return reworks || tool == ToolId::Finger || tool == ToolId::GelBrush;
        case PaperFor::BrushThumbnail:
            return reworks || tool == ToolId::Finger;
        case PaperFor::StrokeThumbnail:
            return reworks;
    }
    return false;
}

void DrawBrushThumbnail(AppState& state, BrushSettings& brush, Surface& thumbnail) {
    brush.hardness = uint8_t(brush_field::kHardness.held(brush.hardness));
    const float offset = float(brush.paintStyle * 10 * brush.texture);
    state.offsets = {offset, offset, offset, offset};

    Canvas canvas;
    newCanvas(canvas, kBrushThumbnailSide, kBrushThumbnailSide);
    const BrushSettings kept = state.brush;
    state.brush = brush;
    state.brush.size = kBrushThumbnailSize;
    BeginStroke(canvas, state.stroke());
    if (needsPaper(brush.tool, PaperFor::BrushThumbnail)) {
        lay(state, canvas);
    }
    state.footprint.invalidate();
    paintThenShade(canvas, [&] {
        const int centre = kBrushThumbnailSide / 2;
        for (int i = 0; i < kBrushThumbnailDabs; ++i) {
            ApplyDab(state, centre, centre, canvas);
        }
        EndStroke(canvas, state.stroke());
    });
    state.brush = kept;
    copyFramed(canvas.surface(), thumbnail);
}

void DrawStrokeThumbnail(AppState& state, const StrokeModifiers& stroke,
                         const StrokeModifiers& current, Surface& thumbnail) {
    Canvas canvas;
    newCanvas(canvas, kStrokeThumbnailWidth, kStrokeThumbnailHeight);
    BeginStroke(canvas, state.stroke());
    if (needsPaper(state.brush.tool, PaperFor::StrokeThumbnail)) {
        lay(state, canvas);
    }
    const BrushSettings kept = state.brush;
    state.brush = kSampleBrush;
    BeginStroke(canvas, state.stroke());
    state.footprint.invalidate();
    BuildFootprint(state.footprint, state.strokeSettings);
    state.strokeModifiers = stroke;

    paintThenShade(canvas, [&] {
        const int size = kSampleBrush.size;
        const float step = float(kStrokeThumbnailWidth - size * 4 / 3) / float(kStrokeSamples);
        for (int i = 0; i < kStrokeSamples; ++i) {
            StrokeStep(canvas, i, 0, state.stroke());
            ApplyDab(state, truncToInt(size * 0.8 + double(i * step)), kStrokeRow, canvas);
        }
        EndStroke(canvas, state.stroke());
    });
    state.brush = kept;
    state.footprint.invalidate();
    BuildFootprint(state.footprint, state.strokeSettings);
    copyFramed(canvas.surface(), thumbnail);
    state.strokeModifiers = current;
}

}  // namespace dw
