#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "canvas/canvas.h"
#include "files/document_file.h"
#include "files/file_stream.h"
#include "tests/e2e/program_run.h"

namespace dw::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

using CrashRecovery = ProgramRun;

std::vector<fs::path> filesEndingIn(const fs::path& folder, const std::string& ending) {
    std::vector<fs::path> found;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > ending.size() && name.ends_with(ending)) {
            found.push_back(entry.path());
        }
    }
    return found;
}

Canvas documentAt(const fs::path& path) {
    Canvas painting;
    FileStream stream;
    EXPECT_TRUE(stream.open(path.string(), FileMode::Read)) << path;
    EXPECT_EQ(readDocument(stream, stream.size(), painting), DocumentReadResult::Loaded) << path;
    return painting;
}

// What a document keeps of each cell: colour, paint, gloss and height.
int differingCells(const Canvas& a, const Canvas& b) {
    if (a.width() != b.width() || a.height() != b.height()) {
        return -1;
    }
    int count = 0;
    for (uint32_t y = 0; y < a.height(); ++y) {
        for (uint32_t x = 0; x < a.width(); ++x) {
            const CanvasCell& p = a.at(x, y);
            const CanvasCell& q = b.at(x, y);
            count += p.red != q.red || p.green != q.green || p.blue != q.blue ||
                     p.paint != q.paint || p.gloss != q.gloss || p.height != q.height;
        }
    }
    return count;
}

TEST_F(CrashRecovery, AKilledRunsPaintingComesBackAsAutosavedAndSaveOffersItsFile) {
    moreEnvironment["DAUBWERK_AUTOSAVE_SECONDS"] = "1";
    const fs::path original = paintingOf(600, 600);
    const fs::path recovery = root / "home" / ".local" / "state" / "daubwerk" / "recovery";
    const unsigned long frame = start({original.string()});
    ASSERT_NE(frame, 0u);
    const CanvasSpot canvas = findCanvas(session.screenshot((root / "shot.png").string()), frame);
    scribble(canvas);
    scribble({canvas.x + 40, canvas.y + 200});
    within(
        10s, [&] { return !filesEndingIn(recovery, ".note").empty(); }, 100ms);
    ASSERT_EQ(filesEndingIn(recovery, ".note").size(), 1u);
    // Two periods with nothing painted: the last strokes are in, and nothing is written again.
    std::this_thread::sleep_for(2500ms);
    const std::vector<fs::path> entry = filesEndingIn(recovery, ".pai");
    ASSERT_EQ(entry.size(), 1u);
    const fs::path autosaved = root / "autosaved.pai";
    fs::copy_file(entry[0], autosaved);

    program.kill();
    fs::remove(original);
    ASSERT_NE(start(), 0u);
    ASSERT_NE(session.waitForWindow("Recover Painting", 30s), 0u);
    key("alt+y");
    ASSERT_TRUE(session.waitWhileWindow("Recover Painting", 10s));
    key("ctrl+s");
    ASSERT_NE(session.waitForWindow("Save As", 10s), 0u);
    key("Return");  // the name offered: the painting's own file
    awaitFile(original);
    ASSERT_TRUE(session.waitWhileWindow("Save As", 10s));
    quit();

    // Cell for cell the autosave, through the same lossy document writer.
    const fs::path expected = root / "expected.pai";
    ASSERT_TRUE(batch("--open '" + autosaved.string() + "' --save '" + expected.string() + "'"));
    const Canvas saved = documentAt(original);
    EXPECT_EQ(differingCells(saved, documentAt(expected)), 0);
    Canvas white;
    white.create(600, 600);
    EXPECT_GT(differingCells(saved, white), 1000);  // the strokes are in
    // Saved and ended cleanly: nothing is left to offer.
    EXPECT_TRUE(filesEndingIn(recovery, ".pai").empty());
}

}  // namespace
}  // namespace dw::test
