#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>

#include "canvas/canvas.h"
#include "files/autosave_writer.h"
#include "files/document_file.h"
#include "files/recovery_slot.h"
#include "files/recovery_store.h"
#include "files/safe_file_writer.h"
#include "files/temporary_journal.h"
#include "tests/support/file_contents.h"
#include "tests/support/message_capture.h"
#include "tests/support/message_texts.h"
#include "tests/support/temp_dir.h"

namespace dw {
namespace {

namespace fs = std::filesystem;

std::size_t filesIn(const fs::path& folder) {
    std::error_code error;
    return std::size_t(std::distance(fs::directory_iterator(folder, error), {}));
}

class Recovery : public ::testing::Test {
  protected:
    void SetUp() override {
        painting.create(37, 23);
        for (uint32_t y = 0; y < 23; ++y) {
            for (uint32_t x = 0; x < 37; ++x) {
                CanvasCell& c = painting.cellForWriting(x, y);
                c = {uint8_t(x * 7),
                     uint8_t(y * 11),
                     uint8_t(x ^ y),
                     uint8_t(x * y),
                     uint8_t(255 - x),
                     {0, 0, 0},
                     float(x) * 0.37f - float(y) * 1.25e-3f};
            }
        }
    }

    RecoveryStore open() {
        return RecoveryStore(dir.path(), [this] { return now; });
    }
    // A run that autosaved once and then died: its writer and lock are gone, its entry stays.
    std::string autosavedByAnEndedRun() {
        RecoveryStore store = open();
        std::optional<RecoverySlot> slot = RecoverySlot::open(store.folder());
        EXPECT_TRUE(slot);
        const std::string id = slot->id();
        AutosaveWriter writer(std::move(*slot), [this] { return now; });
        EXPECT_EQ(writer.offer(painting, "/paintings/50% off\nsale.pai", "50% off\nsale.pai"),
                  AutosaveOffer::Taken);
        writer.waitUntilIdle();
        return id;
    }

    test::TempDir dir;
    Canvas painting;
    int64_t now = 1'700'000'000;
    test::MessageCapture messages;
};

TEST_F(Recovery, AnEntryOfARunningProgramIsNeverOfferedOneOfAnEndedRunComesBackCellForCell) {
    RecoveryStore running = open();
    std::optional<RecoverySlot> slot = RecoverySlot::open(running.folder());
    ASSERT_TRUE(slot);
    const std::string id = slot->id();
    auto writer = std::make_unique<AutosaveWriter>(std::move(*slot), [this] { return now; });
    ASSERT_EQ(writer->offer(painting, "/p/a.pai", "a.pai"), AutosaveOffer::Taken);
    writer->waitUntilIdle();
    EXPECT_TRUE(open().leftEntries().empty());

    writer.reset();  // the run is killed: nothing removes its entry
    // The entry is the exact document, every byte of every cell.
    EXPECT_EQ(fs::file_size(dir.path() / (id + ".pai")), 80u + 12u * 37u * 23u);
    RecoveryStore first = open();
    RecoveryStore second = open();
    const std::vector<RecoveryEntry> offered = first.leftEntries();
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_TRUE(second.leftEntries().empty());  // the first start holds it now
    EXPECT_EQ(offered[0].note.documentPath, "/p/a.pai");
    EXPECT_EQ(offered[0].note.documentName, "a.pai");
    EXPECT_EQ(offered[0].note.savedAt, now);
    Canvas recovered;
    ASSERT_TRUE(first.load(offered[0], recovered));
    ASSERT_EQ(recovered.width(), 37u);
    ASSERT_EQ(recovered.height(), 23u);
    EXPECT_EQ(std::memcmp(recovered.cells(), painting.cells(), painting.cellCount() * 12), 0);

    first.remove(offered[0]);
    EXPECT_EQ(filesIn(dir.path()), 0u);
}

TEST_F(Recovery, ACleanExitLeavesNothingAndABusyWriterTakesNoSecondCopy) {
    {
        RecoveryStore store = open();
        AutosaveWriter writer(*RecoverySlot::open(store.folder()), [this] { return now; });
        painting.create(2000, 1500);
        // The worker maps a buffer this large, so the painter never waits for its pages.
        ASSERT_EQ(writer.offer(painting, "", "Untitled"), AutosaveOffer::Busy);
        writer.waitUntilIdle();
        ASSERT_EQ(writer.offer(painting, "", "Untitled"), AutosaveOffer::Taken);
        EXPECT_EQ(writer.offer(painting, "", "Untitled"), AutosaveOffer::Busy);
        writer.removeEntry();
        EXPECT_EQ(writer.offer(painting, "", "Untitled"), AutosaveOffer::Taken);
        writer.removeEntry();  // the write under way is stopped, not waited out
        EXPECT_FALSE(writer.takeFailureNotice());
    }
    EXPECT_EQ(filesIn(dir.path()), 0u);
}

TEST_F(Recovery, NotWantedEntriesWaitAWeekDamagedOnesAreRefusedAndKeptAsideLostNotesAreNoBar) {
    const std::string unwanted = autosavedByAnEndedRun();
    const std::string damaged = autosavedByAnEndedRun();
    const std::string noteless = autosavedByAnEndedRun();
    fs::resize_file(dir.path() / (damaged + ".pai"), 100);
    std::ofstream(dir.path() / (noteless + ".note")) << "daubwerk recovery 1\npath=/cut sh";

    std::map<std::string, RecoveryEntry> offered;
    {
        RecoveryStore store = open();
        for (const RecoveryEntry& entry : store.leftEntries()) {
            offered[entry.id] = entry;
        }
        ASSERT_EQ(offered.size(), 3u);
        EXPECT_EQ(offered[unwanted].note.documentPath, "/paintings/50% off\nsale.pai");
        EXPECT_EQ(offered[unwanted].note.documentName, "50% off\nsale.pai");
        EXPECT_EQ(offered[noteless].note.documentPath, "");
        EXPECT_NEAR(double(offered[noteless].note.savedAt), double(systemSeconds()), 60.0);

        Canvas target;
        target.create(3, 3);
        EXPECT_FALSE(store.load(offered[damaged], target));
        EXPECT_EQ(messages.texts(), std::vector<std::string>{test::kNotADocument});
        EXPECT_EQ(target.width(), 3u);
        store.discard(offered[unwanted]);
    }
    EXPECT_EQ(filesIn(dir.path() / "damaged"), 2u);
    EXPECT_EQ(filesIn(dir.path() / "discarded"), 2u);
    // Put aside, never offered again; the entry nobody answered for comes back.
    const std::vector<RecoveryEntry> again = open().leftEntries();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].id, noteless);

    now += RecoveryStore::kKeptAsideSeconds - 1;
    open();
    EXPECT_EQ(filesIn(dir.path() / "discarded"), 2u);
    now += 1;
    open();
    EXPECT_EQ(filesIn(dir.path() / "discarded"), 0u);
    EXPECT_EQ(filesIn(dir.path() / "damaged"), 0u);
}

TEST_F(Recovery, OpeningTheStoreClearsWhatEndedRunsLeftAndSparesARunningOnesWrite) {
    std::optional<RecoverySlot> running = RecoverySlot::open(dir.path());
    ASSERT_TRUE(running);
    const fs::path runningTemporary = dir.path() / (running->id() + ".pai.saving-9");
    for (const fs::path& path :
         {runningTemporary, dir.path() / "autosave-gone01.pai.saving-77",
          dir.path() / "autosave-gone01.note.saving-5", dir.path() / "autosave-gone01.lock",
          dir.path() / "autosave-gone02.lock", dir.path() / "autosave-gone03.note",
          dir.path() / "kept.txt"}) {
        std::ofstream(path) << "x";
    }
    open();
    EXPECT_TRUE(fs::exists(runningTemporary));
    EXPECT_TRUE(fs::exists(dir.path() / (running->id() + ".lock")));
    EXPECT_TRUE(fs::exists(dir.path() / "kept.txt"));
    EXPECT_EQ(filesIn(dir.path()), 3u);
}

TEST_F(Recovery, AFolderThatCannotBeWrittenIsToldOnceAndNothingElseHappens) {
    const fs::path folder = dir.path() / "recovery";
    RecoveryStore store(folder, [this] { return now; });
    AutosaveWriter writer(*RecoverySlot::open(folder), [this] { return now; });
    // Even root cannot write below a file.
    fs::rename(folder, dir.path() / "gone");
    std::ofstream(folder) << "x";
    for (bool first : {true, false}) {
        ASSERT_EQ(writer.offer(painting, "/p/a.pai", "a.pai"), AutosaveOffer::Taken);
        writer.waitUntilIdle();
        EXPECT_EQ(writer.takeFailureNotice(), first);
    }
    EXPECT_EQ(filesIn(dir.path() / "gone"), 1u);  // the lock only
    EXPECT_TRUE(messages.texts().empty());
}

TEST_F(Recovery, TheNextStartRemovesTheTemporariesOfAKilledRunWhereverItWroteThem) {
    const fs::path journal = dir.path() / "writing";
    keepTemporaryJournal(journal);
    // A run killed while it wrote two files: a temporary and its note, and a note whose path
    // is no temporary (never removed, whatever a note says).
    const fs::path left = dir.path() / "painting.pai.saving-123";
    std::ofstream(left) << "half";
    std::ofstream(journal / "999999-0") << left.string();
    std::ofstream(dir.path() / "kept.pai") << "whole";
    std::ofstream(journal / "999999-1") << (dir.path() / "kept.pai").string();
    // This run is writing a picture through a named temporary.
    SafeFileWriter writing;
    ASSERT_TRUE(writing.beginForPath(dir.file("picture.png")));
    const fs::path temporary = writing.temporaryPath();

    keepTemporaryJournal(journal);
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(dir.path() / "kept.pai"));
    EXPECT_TRUE(fs::exists(temporary));
    EXPECT_EQ(filesIn(journal), 1u);
    ASSERT_TRUE(writing.commit());
    EXPECT_EQ(filesIn(journal), 0u);
    stopTemporaryJournal();
}

}  // namespace
}  // namespace dw
