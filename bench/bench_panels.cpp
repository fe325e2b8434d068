// Benchmarks of the floating panels: Load List of full preset lists, and main-loop passes while
// a colour or size slider is dragged, with the sample stroke redrawn every 27 passes.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

#include "core/app_state.h"
#include "core/main_loop/main_loop_pass.h"
#include "core/start_up.h"
#include "panels/brush_palette.h"
#include "panels/panel_loop_windows.h"
#include "panels/panel_windows.h"
#include "panels/panels.h"
#include "panels/stroke_list.h"
#include "platform/headless/headless_message_boxes.h"
#include "tools/tool_table.h"
#include "widgets/panel_layout.h"

namespace dw {
namespace {

struct NoWindows : PanelWindows {
    void repaint(WindowId, const IntRect*) override {}
    void setCaption(WindowId, const std::string&) override {}
    bool trackPointerLeave(WindowId) override { return true; }
};

// A program folder of its own beside the build's pictures, started as the program starts.
struct PanelBench {
    std::filesystem::path folder;
    platform::HeadlessMessageBoxes boxes;
    AppState state;
    Panels panels;
    NoWindows windows;
    MessageQueue queue;

    PanelBench() {
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
        char pattern[] = "/tmp/daubwerk-bench-panels-XXXXXX";
        folder = mkdtemp(pattern);
        std::filesystem::create_symlink(program.parent_path() / "WorkData", folder / "WorkData");
        std::filesystem::current_path(folder);
        boxes.setEcho(false);
        platform::installMessageBoxes(&boxes);
        StartUpSteps steps;
        steps.loadPanels = [this](AppState& s) { panels.loadWhileSplashShows(s); };
        steps.preparePanels = [this](AppState& s) { panels.prepare(s, windows); };
        startUp(state, steps);
        writeFullLists();
    }
    ~PanelBench() {
        platform::installMessageBoxes(nullptr);
        std::filesystem::remove_all(folder);
    }

    // 45 brushes of every tool and size, 10 strokes with every modifier.
    void writeFullLists() {
        BrushPalette palette;
        StrokeShelf strokes;
        SliderPictures sliders;
        strokes.editor.build(sliders);
        for (int i = 0; i < BrushPalette::kCapacity; ++i) {
            BrushSettings brush;
            brush.tool = allTools()[std::size_t(i) % allTools().size()].id;
            brush.size = 5 + i * 2;
            brush.red = uint8_t(i * 5);
            brush.paintStyle = uint8_t(i % 18);
            brush.texture = uint8_t((i * 7) % 18);
            AddBrush(state, palette, brush);
        }
        for (int i = 0; i < StrokeList::kCapacity; ++i) {
            StrokeModifiers stroke;
            stroke.fadeAmount = i % 2;
            stroke.fadeSize = i % 3 == 0;
            stroke.wave = i % 4 == 1;
            stroke.wavePeriod = float(i * 9);
            AddStroke(state, strokes, stroke);
        }
        writePresetTableFile("full.pal", kBrushPaletteLayout, palette.table());
        writePresetTableFile("full.stk", kStrokeListLayout, strokes.list.table());
    }

    void run(WindowId window, MessageKind kind, int x, int y) {
        queue.post(messageTo(window, kind, x, y));
        PanelLoopWindows loop(panels, windows);
        RunMainLoopPass(state, queue, loop);
    }
};

PanelBench& bench() {
    static PanelBench shared;
    return shared;
}

void loadPalette(benchmark::State& state) {
    PanelBench& b = bench();
    BrushPalette palette;
    for (auto _ : state) {
        LoadBrushPalette(b.state, palette, "full.pal", ListSource::UserFile);
    }
}

void loadStrokes(benchmark::State& state) {
    PanelBench& b = bench();
    StrokeShelf strokes;
    SliderPictures sliders;
    strokes.editor.build(sliders);
    for (auto _ : state) {
        LoadStrokeList(b.state, strokes, "full.stk", ListSource::UserFile);
    }
}

// Passes with the pointer held on a slider and moving along it, so that every pass changes
// the setting; every 27th pass redraws the sample stroke of a gel brush of `size`.
void sliderPass(benchmark::State& state, WindowId window, layout::SliderSpot slider, int size) {
    PanelBench& b = bench();
    b.state.brush.size = size;
    b.state.brush.tool = ToolId::GelBrush;  // the most dabs in its sample
    b.run(window, MessageKind::PointerMove, slider.x, slider.y);
    b.run(window, MessageKind::LeftButtonDown, slider.x, slider.y);
    int step = 0;
    for (auto _ : state) {
        b.run(window, MessageKind::PointerMove, slider.x + step % slider.length, slider.y);
        ++step;
    }
    b.run(window, MessageKind::LeftButtonUp, slider.x, slider.y);
}

void colourSliderPass(benchmark::State& state) {
    sliderPass(state, WindowId::Colours, layout::kRedSlider, int(state.range(0)));
}

// The size follows the slider from 1 to 100.
void sizeSliderPass(benchmark::State& state) {
    sliderPass(state, WindowId::Properties, layout::kSizeSlider, 1);
}

// The pass that redraws the sample stroke is the longest of a slider drag.
void previewRefresh(benchmark::State& state) {
    PanelBench& b = bench();
    b.state.brush.size = int32_t(state.range(0));
    b.state.brush.tool = ToolId::GelBrush;
    for (auto _ : state) {
        b.state.propertiesRefresh = true;
        b.panels.pass(b.state, b.windows);
    }
}

}  // namespace

BENCHMARK(loadPalette)->Unit(benchmark::kMillisecond);
BENCHMARK(loadStrokes)->Unit(benchmark::kMillisecond);
BENCHMARK(colourSliderPass)->Arg(30)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(sizeSliderPass)->Unit(benchmark::kMicrosecond);
BENCHMARK(previewRefresh)->Arg(30)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace dw
