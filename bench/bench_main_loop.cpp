// The main loop while painting: one pass, its dab and the repaint of the dab's rectangle.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/natural_painting.h"
#include "canvas/truncation.h"
#include "core/app_state.h"
#include "core/main_loop/loop_windows.h"
#include "core/main_loop/main_loop_pass.h"
#include "gui/surface_image.h"

namespace dw {
namespace {

// Converts the invalidated rectangle into the picture the canvas window draws, as its paint
// handler does; only the blit to the screen is left out.
class RepaintingWindows : public LoopWindows {
  public:
    explicit RepaintingWindows(const AppState& state) : state_(state) {}
    void invalidateCanvas(const IntRect& rect) override { dirty_ = rect; }
    void updateCanvas() override {
        const CanvasPaintArea area = canvasPaintArea(dirty_, state_.zoomFactor);
        const Surface& surface = state_.painting.surface();
        const IntRect cells = clipToSurface(area.cells, surface);
        const QImage image =
            surfaceImage(surface, cells, truncToInt(cells.width() * double(state_.zoomFactor)),
                         truncToInt(cells.height() * double(state_.zoomFactor)));
        benchmark::DoNotOptimize(image.constBits());
    }

  private:
    const AppState& state_;
    IntRect dirty_;
};

void post(MessageQueue& queue, MessageKind kind, int x, int y, float penPressure = -1.0f) {
    LoopMessage message = messageTo(WindowId::Canvas, kind, x, y);
    message.pen = penPressure >= 0.0f;
    message.pressure = penPressure;
    queue.post(message);
}

// A size-100 Paint Brush stroke across a 5000 x 5000 painting: each pass the pointer moves on
// (a resting brush would stop), the brush dabs and its rectangle is redrawn. Reports the 95th
// percentile of the pass times, which is what decides whether painting keeps up.
//
// With a second argument 1 it is a pen's stroke, its pressure scaling the size (and amount)
// anew every pass, so that every dab has a footprint of another size; the mouse's stroke at
// zoom 100 is its anchor.
void BM_PaintingPass(benchmark::State& state) {
    const bool pen = state.range(1) != 0;
    static AppState app;
    if (!app.painting.hasCells()) {
        bench::fillNaturalPainting(app.painting, 5000, 5000);
        app.painting.displayState = Canvas::kPaintingDisplayState;
        app.painting.shadeAll();
    }
    app.zoomFactor = float(state.range(0)) / 100.0f;
    app.brush.tool = ToolId::PaintBrush;
    app.brush.size = 100;
    app.brush.texture = 0;
    MessageQueue queue;
    RepaintingWindows windows(app);
    const int span = std::max(400, truncToInt(4000 * double(app.zoomFactor)));
    int x = 200;
    app.pressureMode = PressureMode::SizeAndAmount;
    const float pressure = pen ? 1.0f : -1.0f;
    post(queue, MessageKind::PointerMove, x, 300, pressure);
    post(queue, MessageKind::LeftButtonDown, x, 300, pressure);
    RunMainLoopPass(app, queue, windows);
    RunMainLoopPass(app, queue, windows);
    std::vector<double> passes;
    for (auto _ : state) {
        x = 200 + (x + 7) % span;
        // A pen sends 500 events a second, merged into the newest of each 3 ms pass.
        post(queue, MessageKind::PointerMove, x, 300 + x % 97, pen ? float(x % 89) / 88 : -1.0f);
        const auto start = std::chrono::steady_clock::now();
        RunMainLoopPass(app, queue, windows);
        passes.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    post(queue, MessageKind::LeftButtonUp, x, 300);
    RunMainLoopPass(app, queue, windows);
    std::sort(passes.begin(), passes.end());
    state.counters["p95_ms"] = passes[passes.size() * 95 / 100];
}
BENCHMARK(BM_PaintingPass)
    ->Args({25, 0})
    ->Args({100, 0})
    ->Args({400, 0})
    ->Args({100, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dw
