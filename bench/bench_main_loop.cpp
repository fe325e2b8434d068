// The main loop while painting: one pass, its dab and the repaint of the dab's rectangle.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "app/app_state.h"
#include "app/gui/surface_image.h"
#include "app/main_loop/loop_windows.h"
#include "app/main_loop/main_loop_pass.h"
#include "bench/natural_painting.h"
#include "canvas/truncation.h"

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

void post(MessageQueue& queue, MessageKind kind, int x, int y) {
    queue.post(messageTo(WindowId::Canvas, kind, x, y));
}

// A size-100 Paint Brush stroke across a 5000 x 5000 painting: each pass the pointer moves on
// (a resting brush would stop), the brush dabs and its rectangle is redrawn. Reports the 95th
// percentile of the pass times, which is what decides whether painting keeps up.
void BM_PaintingPass(benchmark::State& state) {
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
    post(queue, MessageKind::PointerMove, x, 300);
    post(queue, MessageKind::LeftButtonDown, x, 300);
    RunMainLoopPass(app, queue, windows);
    RunMainLoopPass(app, queue, windows);
    std::vector<double> passes;
    for (auto _ : state) {
        x = 200 + (x + 7) % span;
        post(queue, MessageKind::PointerMove, x, 300 + x % 97);
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
BENCHMARK(BM_PaintingPass)->Arg(25)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dw
