// The palette panel driven as a person would, and the lists it keeps between runs.
#include <fstream>

#include "core/preset_records.h"
#include "files/preset_table_file.h"
#include "tests/panels/panel_fixture.h"
#include "tests/support/message_texts.h"
#include "widgets/panel_layout.h"

namespace dw::test {
namespace {

using platform::MessageAnswer;

class PaletteTest : public PanelTest {
  protected:
    void clickBrush(int slot) {
        click(WindowId::Palette, 15 + 30 * (slot % 9), 29 + 30 * (slot / 9));
    }
    void clickStroke(int slot) { click(WindowId::Palette, 20, 24 + 15 * slot); }
    void press(layout::Spot button) { click(WindowId::Palette, button.x + 5, button.y + 5); }
    void showStrokes() { press(layout::kStrokesTab); }

    PresetTable saved(const char* path, const PresetTableLayout& layout) {
        panels->saveLists(state);
        PresetTable table;
        EXPECT_EQ(readPresetTableFile(path, layout, table), PresetFileResult::Read);
        return table;
    }
    PresetTable savedBrushes() { return saved("data/palette.dat", kBrushPaletteLayout); }
    PresetTable savedStrokes() { return saved("data/strokes.dat", kStrokeListLayout); }
    static int used(const PresetTable& table) {
        return int(std::count_if(table.slots.begin(), table.slots.end(),
                                 [](const PresetSlot& s) { return s.used; }));
    }
    std::vector<Pixel> area(int x0, int y0, int width, int height = 30) {
        const Surface& picture = shown(WindowId::Palette);
        std::vector<Pixel> pixels;
        for (int y = y0; y < y0 + height; ++y) {
            for (int x = x0; x < x0 + width; ++x) {
                pixels.push_back(picture.getPixel(x, y));
            }
        }
        return pixels;
    }
    // The first two thumbnails of the tab shown, the first tinted as current. Only these: the
    // panel's own pictures come back from their store a little different after the first run.
    std::vector<Pixel> firstTwo(bool strokes) {
        return strokes ? area(5, 19, 132, 30) : area(5, 19, 60);
    }

    const BrushSettings knife{10, 20, 30, 4, 3.0f, ToolId::Knife, 55, 0.7f, 99, 6, 40, 0};
};

TEST_F(PaletteTest, BrushesAndStrokesComeBackInTheNextRun) {
    startUp();
    state.brush = knife;
    press(layout::kAddButton);
    showStrokes();
    press(layout::kAddButton);
    press(layout::kFadeAmountSwitch);
    clickStroke(0);
    const std::vector<Pixel> strokesTab = firstTwo(true);
    press(layout::kBrushesTab);
    clickBrush(0);
    const std::vector<Pixel> brushesTab = firstTwo(false);
    panels->saveLists(state);

    state = AppState();
    panels = std::make_unique<Panels>();
    startUp();
    EXPECT_TRUE(firstTwo(false) == brushesTab);
    showStrokes();
    EXPECT_TRUE(firstTwo(true) == strokesTab);
    EXPECT_EQ(savedBrushes().slots[1].record, recordOf(knife));
    EXPECT_EQ(savedStrokes().slots[1].record[0], 1);  // fade amount on
}

TEST_F(PaletteTest, DamagedFilesAtStartUpAreKeptAsideAndNeverOverwritten) {
    std::ofstream("data/palette.dat") << std::string(100, 'U');
    std::ofstream("data/strokes.dat") << std::string(10883, 'S');
    startUp();
    ASSERT_EQ(messages.texts().size(), 2u);
    EXPECT_EQ(messages.texts()[0],
              "data/palette.dat is damaged; it was kept as data/palette.dat.damaged and a new "
              "list was started.");
    EXPECT_EQ(used(savedBrushes()), 1);
    EXPECT_EQ(used(savedStrokes()), 1);
    EXPECT_EQ(std::filesystem::file_size("data/palette.dat.damaged"), 100u);
    EXPECT_EQ(std::filesystem::file_size("data/strokes.dat.damaged"), 10883u);
}

TEST_F(PaletteTest, LoadAndSaveListTellWhatTheyCannotDoAndChangeNothing) {
    startUp();
    press(layout::kAddButton);
    std::ofstream("short.pal") << "too short";
    const std::string folder = std::filesystem::current_path().string();
    for (const char* path : {"short.pal", "missing.pal"}) {
        dialogs.queueAnswer(folder + "/" + path);
        press(layout::kLoadListButton);
    }
    dialogs.queueAnswer("/no/such/folder/list.pal");
    press(layout::kSaveListButton);
    EXPECT_EQ(messages.texts(),
              (std::vector<std::string>{
                  "The file you selected is not a Daubwerk Palette file!", test::kCannotOpen,
                  "The list could not be saved to /no/such/folder/list.pal!"}));
    EXPECT_EQ(used(savedBrushes()), 2);
    EXPECT_EQ(dialogs.asked().front().filters.front().pattern, "*.pal");

    dialogs.queueAnswer(folder + "/two.pal");
    press(layout::kSaveListButton);
    press(layout::kAddButton);
    state.brush = knife;
    dialogs.queueAnswer(folder + "/two.pal");
    press(layout::kLoadListButton);
    EXPECT_EQ(used(savedBrushes()), 2);
    EXPECT_EQ(state.brush.tool, ToolId::PaintBrush);  // the first brush of the file
    // Each list dialog says what it does; a refused file is not offered again, a saved one is.
    EXPECT_EQ(dialogs.asked()[3].title, "Save List");
    EXPECT_EQ(dialogs.asked()[3].startPath.find(folder), std::string::npos);
    EXPECT_EQ(dialogs.asked()[4].title, "Load List");
    EXPECT_EQ(dialogs.asked()[4].startPath, folder + "/two.pal");

    showStrokes();
    dialogs.queueAnswer(folder + "/short.pal");
    press(layout::kLoadListButton);
    EXPECT_EQ(messages.texts().back(), "The file you selected is not a Daubwerk Strokes file!");
}

TEST_F(PaletteTest, DeletingMovesLaterBrushesUpAndKeepsTheIndexInside) {
    startUp();
    for (int i = 1; i < 5; ++i) {
        state.brush.red = uint8_t(10 * i);
        press(layout::kAddButton);
    }
    clickBrush(2);
    const std::vector<Pixel> fifth = area(5 + 4 * 30, 19, 30);
    messages.boxes().queueAnswer(MessageAnswer::No);
    press(layout::kDeleteButton);
    EXPECT_EQ(used(savedBrushes()), 5);
    messages.boxes().queueAnswer(MessageAnswer::Yes);
    press(layout::kDeleteButton);
    EXPECT_EQ(messages.shown().back().caption, "Delete Brush");
    EXPECT_EQ(messages.shown().back().text, "Are you sure you'd like to delete this brush?");
    PresetTable table = savedBrushes();
    ASSERT_EQ(used(table), 4);
    EXPECT_EQ(soundBrush(table.slots[2].record).red, 30);
    EXPECT_EQ(soundBrush(table.slots[3].record).red, 40);
    EXPECT_TRUE(area(5 + 3 * 30, 19, 30) == fifth);

    clickBrush(3);
    messages.boxes().queueAnswer(MessageAnswer::Yes);
    press(layout::kDeleteButton);
    EXPECT_EQ(savedBrushes().current, 2);
    for (int i = 0; i < 4; ++i) {
        messages.boxes().queueAnswer(MessageAnswer::Yes);
        press(layout::kDeleteButton);
    }
    table = savedBrushes();
    EXPECT_EQ(used(table), 0);
    EXPECT_EQ(table.current, 0);
    press(layout::kAddButton);
    EXPECT_EQ(used(savedBrushes()), 1);
}

TEST_F(PaletteTest, AFullPaletteRefusesTheFortySixthBrush) {
    startUp();
    for (int i = 1; i < 45; ++i) {
        press(layout::kAddButton);
    }
    EXPECT_TRUE(messages.shown().empty());
    press(layout::kAddButton);
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(messages.texts()[0], "List has reached maximum limit! Try deleting a brush first.");
    EXPECT_EQ(savedBrushes().current, 44);
}

TEST_F(PaletteTest, ClickingABrushTakesEverythingButTheSize) {
    startUp();
    state.brush = knife;
    press(layout::kAddButton);
    state.brush = BrushSettings{};
    state.brush.size = 77;
    clickBrush(1);
    BrushSettings expected = knife;
    expected.size = 77;
    EXPECT_EQ(recordOf(state.brush), recordOf(expected));
    EXPECT_EQ(windows.captions.back().second, " Brush Properties: Knife");
    windows.captions.clear();
    clickBrush(20);  // empty: the brush stays, the panels are brought up to date all the same
    EXPECT_EQ(recordOf(state.brush), recordOf(expected));
    EXPECT_EQ(windows.captions.size(), 1u);
}

TEST_F(PaletteTest, AStrokeSliderKeepsTheDragAcrossTheNextUntilTheRelease) {
    startUp();
    showStrokes();
    press(layout::kAddButton);
    press(layout::kFadeAmountSwitch);
    press(layout::kFadeSizeSwitch);
    const float fadeSize = state.strokeModifiers.fadeSizeLength;
    const int amountY = layout::kFadeAmountSlider.y;
    const int sizeY = layout::kFadeSizeSlider.y;
    send(WindowId::Palette, MessageKind::PointerMove, 193, amountY);
    send(WindowId::Palette, MessageKind::LeftButtonDown, 193, amountY);
    send(WindowId::Palette, MessageKind::PointerMove, 253, sizeY);
    passes(3);
    send(WindowId::Palette, MessageKind::LeftButtonUp, 253, sizeY);
    EXPECT_FLOAT_EQ(state.strokeModifiers.fadeAmountLength, 23.0f);
    EXPECT_EQ(state.strokeModifiers.fadeSizeLength, fadeSize);
    click(WindowId::Palette, 237, sizeY);
    EXPECT_FLOAT_EQ(state.strokeModifiers.fadeSizeLength, 67.0f);
}

TEST_F(PaletteTest, TheFirstStrokeIsFixed) {
    startUp();
    showStrokes();
    const Pixel greyed = pixel(WindowId::Palette, 250, 100);
    press(layout::kFadeAmountSwitch);
    press(layout::kDeleteButton);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(savedStrokes().slots[0].record, recordOf(StrokeModifiers{}));

    press(layout::kAddButton);
    EXPECT_FALSE(pixel(WindowId::Palette, 250, 100) == greyed);
    press(layout::kFadeAmountSwitch);
    send(WindowId::Palette, MessageKind::PointerMove, 210, 45);
    send(WindowId::Palette, MessageKind::LeftButtonDown, 210, 45);
    send(WindowId::Palette, MessageKind::LeftButtonUp, 210, 45);
    const StrokeModifiers second = soundStroke(savedStrokes().slots[1].record);
    EXPECT_EQ(second.fadeAmount, 1);
    EXPECT_EQ(second.fadeAmountLength, 40.0f);
    EXPECT_EQ(state.strokeModifiers.fadeAmountLength, 40.0f);
}

}  // namespace
}  // namespace dw::test
