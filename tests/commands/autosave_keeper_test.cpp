#include "commands/autosave_keeper.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "commands/file_flows.h"
#include "core/painting_commands.h"
#include "files/recovery_note.h"
#include "platform/dialog_paths.h"
#include "platform/headless/headless_dialogs.h"
#include "tests/commands/recording_shell.h"
#include "tests/support/message_capture.h"
#include "tests/support/temp_dir.h"

namespace dw::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using platform::MessageAnswer;
using Texts = std::vector<std::string>;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Each cell of the painting different from its neighbours, seeded so two paintings differ.
void paintPattern(Canvas& painting, uint32_t width, uint32_t height, uint8_t seed) {
    painting.create(width, height);
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            CanvasCell& cell = painting.cellForWriting(x, y);
            cell.red = uint8_t(x * 9 + seed);
            cell.paint = uint8_t(y * 13 + seed);
            cell.height = float(x) * 0.5f - float(y) * 0.031f + seed;
        }
    }
}

// The keeper of one run over a recovery folder of the test's own, with clocks the test moves.
class AutosaveKeeperTest : public ::testing::Test {
  protected:
    AutosaveKeeperTest() {
        platform::installFileDialogs(&dialogs);
        platform::forgetDialogPaths();
        setUpFirstPainting(state);
        fs::create_directories(folder);
    }
    ~AutosaveKeeperTest() override { platform::installFileDialogs(nullptr); }

    std::unique_ptr<AutosaveKeeper> keeper() {
        return std::make_unique<AutosaveKeeper>(
            folder, 60s, [this] { return steady; }, [this] { return wall; });
    }
    // A run that autosaved the painting and was killed: its entry stays, its lock goes.
    void autosavedByAKilledRun(const Canvas& painting, const std::string& path) {
        std::optional<RecoverySlot> slot = RecoverySlot::open(folder);
        ASSERT_TRUE(slot);
        AutosaveWriter writer(std::move(*slot), [this] { return wall; });
        ASSERT_EQ(writer.offer(painting, path, fs::path(path).filename().string()),
                  AutosaveOffer::Taken);
        writer.waitUntilIdle();
    }
    // A stroke's change to the painting, through the history as every change goes.
    void change() {
        state.history.pushSnapshot(state.painting);
        state.painting.cellForWriting(1, 1).red += 40;
    }
    void pollAndWait(AutosaveKeeper& keeper, int secondsLater = 0) {
        wall += secondsLater;
        steady += std::chrono::seconds(secondsLater);
        keeper.poll(state, shell);
        keeper.waitForWriter();
    }
    // This run's entry: its note, or nothing while there is none.
    std::optional<RecoveryNote> ownNote() {
        for (const std::string& name : namesIn(folder)) {
            if (name.ends_with(".note")) {
                std::ifstream in(folder / name);
                std::optional<RecoveryNote> note =
                    parseRecoveryNote({std::istreambuf_iterator<char>(in), {}});
                if (note && note->documentName != kOtherRun) {
                    return note;
                }
            }
        }
        return std::nullopt;
    }

    static constexpr const char* kOtherRun = "running.pai";

    TempDir dir;
    fs::path folder = dir.path() / "recovery";
    MessageCapture messages;
    platform::HeadlessFileDialogs dialogs;
    AppState state;
    RecordingShell shell;
    std::chrono::steady_clock::time_point steady;
    int64_t wall = 1'800'000'000;
};

TEST_F(AutosaveKeeperTest, ALeftPaintingTakenBackArrivesUnsavedOffersItsFileAndIsKeptOnce) {
    Canvas older;
    Canvas newer;
    paintPattern(older, 7, 5, 3);
    paintPattern(newer, 4, 4, 90);
    autosavedByAKilledRun(older, "/paintings/harbour.pai");
    wall += 60;
    autosavedByAKilledRun(newer, "");
    // A running program's entry is its own: no start offers it.
    std::optional<RecoverySlot> running = RecoverySlot::open(folder);
    ASSERT_TRUE(running);
    std::atomic<bool> never = false;
    ASSERT_TRUE(running->write(newer.cells(), 4, 4, {"/x/running.pai", kOtherRun, wall}, never));

    std::unique_ptr<AutosaveKeeper> run = keeper();
    // Put away without an answer: asked again at the next start.
    messages.boxes().queueAnswer(MessageAnswer::Cancel);
    messages.boxes().queueAnswer(MessageAnswer::Cancel);
    run->offerLeftPaintings(state, shell);
    messages.boxes().queueAnswer(MessageAnswer::No);   // the newest, never saved
    messages.boxes().queueAnswer(MessageAnswer::Yes);  // the older one
    run = keeper();
    run->offerLeftPaintings(state, shell);

    ASSERT_EQ(messages.shown().size(), 4u);
    const platform::Message& question = messages.shown()[3];
    EXPECT_EQ(question.caption, "Recover Painting");
    EXPECT_EQ(question.buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(question.text.rfind("Recover the unsaved painting?\n\nharbour.pai\nAutosaved ", 0),
              0u);
    EXPECT_NE(messages.shown()[2].text.find("\n\nUntitled\n"), std::string::npos);
    EXPECT_EQ(messages.shown()[0].text, messages.shown()[2].text);

    ASSERT_EQ(state.painting.width() * 10 + state.painting.height(), 75u);
    EXPECT_EQ(std::memcmp(state.painting.cells(), older.cells(), older.cellCount() * 12), 0);
    EXPECT_FALSE(state.history.documentClean());
    EXPECT_FALSE(state.history.undoEnabled());
    EXPECT_EQ(shell.calls, (Texts{"canvas window 7x5"}));
    EXPECT_EQ(namesIn(folder / "discarded").size(), 2u);  // the painting and its note

    // Save offers the painting's own name and folder.
    EXPECT_EQ(SaveCommand(state), SaveOutcome::Cancelled);
    EXPECT_EQ(dialogs.asked().back().startPath, "/paintings/harbour.pai");

    // Once this run has written the painting itself, the old entry goes; another start (the
    // single instance set aside) finds nothing of this run's to offer.
    const std::size_t before = namesIn(folder).size();
    pollAndWait(*run);
    run->poll(state, shell);
    EXPECT_EQ(ownNote()->documentPath, "/paintings/harbour.pai");
    // The old entry's painting, note and lock went; this run's painting and note came.
    EXPECT_EQ(namesIn(folder).size(), before - 1);
    AppState other;
    keeper()->offerLeftPaintings(other, shell);
    EXPECT_EQ(messages.shown().size(), 4u);
}

TEST_F(AutosaveKeeperTest, ChangesAreWrittenBetweenStrokesOncePerPeriodAndGoWhenSavedOrThrownAway) {
    EXPECT_EQ(autosavePeriod(std::nullopt), 120s);
    EXPECT_EQ(autosavePeriod(5), 300s);
    setenv("DAUBWERK_AUTOSAVE_SECONDS", "7", 1);
    EXPECT_EQ(autosavePeriod(5), 7s);
    setenv("DAUBWERK_AUTOSAVE_SECONDS", "0", 1);
    EXPECT_EQ(autosavePeriod(std::nullopt), 120s);
    setenv("DAUBWERK_AUTOSAVE_SECONDS", "9223372036854775807", 1);
    EXPECT_EQ(autosavePeriod(2147483647), 120s);
    unsetenv("DAUBWERK_AUTOSAVE_SECONDS");

    std::unique_ptr<AutosaveKeeper> run = keeper();
    pollAndWait(*run);
    EXPECT_FALSE(ownNote());  // nothing unsaved

    // The first change is written as soon as the button is up.
    change();
    state.buttonHeld = true;
    pollAndWait(*run);
    EXPECT_FALSE(ownNote());
    state.buttonHeld = false;
    pollAndWait(*run);
    ASSERT_TRUE(ownNote());
    EXPECT_EQ(ownNote()->documentName, "Untitled");
    EXPECT_EQ(ownNote()->savedAt, wall);

    // Then once a period, and only when the painting changed.
    change();
    pollAndWait(*run, 30);
    EXPECT_EQ(ownNote()->savedAt, wall - 30);
    pollAndWait(*run, 30);
    EXPECT_EQ(ownNote()->savedAt, wall);
    pollAndWait(*run, 60);
    EXPECT_EQ(ownNote()->savedAt, wall - 60);

    // Saved: the entry goes. Thrown away for a new painting: it goes too.
    ASSERT_TRUE(savePainting(state, dir.file("kept.pai"), SaveFormat::Document));
    pollAndWait(*run);
    EXPECT_FALSE(ownNote());
    change();
    pollAndWait(*run);
    ASSERT_TRUE(ownNote());
    ASSERT_TRUE(newPainting(state, 20, 10));
    state.history.setDocumentClean(true);
    pollAndWait(*run);
    EXPECT_FALSE(ownNote());

    // A folder that refuses the painting is told once, quietly, and leaves the painting be.
    std::string id;
    for (const std::string& name : namesIn(folder)) {
        id = name.substr(0, name.find('.'));
    }
    fs::create_directory(folder / (id + ".pai"));
    for (int attempt = 0; attempt < 2; ++attempt) {
        change();
        pollAndWait(*run, 60);
        run->poll(state, shell);
    }
    EXPECT_EQ(shell.calls, (Texts{std::string("notice: ") + kAutosaveFailedNotice}));
    EXPECT_TRUE(messages.shown().empty());
    fs::remove(folder / (id + ".pai"));

    // A clean exit leaves nothing behind, unsaved changes thrown away or not.
    pollAndWait(*run, 60);
    ASSERT_TRUE(ownNote());
    run->programClosed();
    run.reset();
    EXPECT_TRUE(namesIn(folder).empty());
}

}  // namespace
}  // namespace dw::test
