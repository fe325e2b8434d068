#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <random>
#include <thread>

#include "canvas/canvas.h"
#include "files/document_file.h"
#include "files/file_stream.h"
#include "tests/e2e/program_run.h"
#include "tests/support/file_contents.h"

namespace dw::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Each kill costs a start of the program, which the sanitizers make several times slower: a
// few kills there look for memory faults, the thirty of the plain build prove the saves.
constexpr int kKills = DAUBWERK_SANITIZED ? 8 : 30;
constexpr int kSide = 3000;

class KillDuringSave : public ProgramRun {
  protected:
    // Starts the program on the painting and answers File > Save with the target, replacing
    // the file there; returns once the program writes into the target's folder.
    bool startSavingOver(const fs::path& painting, const fs::path& target) {
        program = launch({painting.string()});
        // A key puts the splash away at once: its two and a half seconds, thirty times, would
        // be most of the test.
        within(
            8s,
            [&] {
                session.run(
                    "xdotool search --onlyvisible --name '^Splash Screen$' windowactivate "
                    "--sync key Escape");
                return !session.windows("Daubwerk").empty();
            },
            30ms);
        const unsigned long frame = session.waitForWindow("Daubwerk", 30s);
        if (frame == 0) {
            return false;
        }
        // Keys pressed before the frame has the focus are lost: press again until asked.
        bool asked = false;
        for (int attempt = 0; attempt < 20 && !asked; ++attempt) {
            session.run("xdotool windowactivate --sync " + std::to_string(frame) + " key ctrl+s");
            asked = session.waitForWindow("Save As", 1s) != 0;
        }
        if (!asked) {
            return false;
        }
        session.run("xdotool type --delay 5 '" + target.string() + "'");
        session.run("xdotool key Return");
        // The question whether to replace the file comes up over the dialog, under its title.
        // A search meets windows that close under it and then finds nothing: what one search
        // saw counts, not the next one's.
        if (!within(
                10s, [&] { return session.windows("Save As").size() >= 2; }, 20ms)) {
            return false;
        }
        session.run("xdotool key y");
        return within(
            20s, [&] { return writesInto(target.parent_path()); }, 1ms);
    }

    // The program holds a file of that folder open: the save is writing it.
    bool writesInto(const fs::path& folder) {
        std::error_code error;
        const fs::path descriptors = "/proc/" + std::to_string(program.pid()) + "/fd";
        for (const fs::directory_entry& entry : fs::directory_iterator(descriptors, error)) {
            std::error_code ignored;
            const std::string file = fs::read_symlink(entry.path(), ignored).string();
            if (file.rfind(folder.string() + "/", 0) == 0) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(KillDuringSave, AKilledSaveLeavesTheOldFileWholeOrTheNewOneCompleteAndNoLitter) {
    // The painting the program saves, and the different one already in the file it replaces.
    const fs::path painting = root / "painting.pai";
    const fs::path saves = root / "saves";
    fs::create_directories(saves);
    const fs::path target = saves / "target.pai";
    const std::string side = std::to_string(kSide);
    ASSERT_TRUE(batch("--new " + side + " " + side + " --filter invert-color --save-exact '" +
                      painting.string() + "' --new " + side + " " + side + " --save '" +
                      target.string() + "'"));
    const std::vector<uint8_t> oldBytes = fileBytes(target);

    // One save carried through gives the new file and how long a save writes.
    const fs::path whole = saves / "whole.pai";
    fs::copy_file(target, whole);
    ASSERT_TRUE(startSavingOver(painting, whole));
    const auto writing = Clock::now();
    within(
        30s, [&] { return !writesInto(saves); }, 1ms);
    const auto saveTime = Clock::now() - writing;
    quit();
    const std::vector<uint8_t> newBytes = fileBytes(whole);
    ASSERT_NE(newBytes, oldBytes);
    for (const fs::path& file : {target, whole}) {
        Canvas loaded;
        FileStream stream;
        ASSERT_TRUE(stream.open(file.string(), FileMode::Read));
        EXPECT_EQ(readDocument(stream, stream.size(), loaded), DocumentReadResult::Loaded);
    }
    fs::remove(whole);

    std::mt19937 random(std::random_device{}());
    // Kills fall anywhere in the time one save took. A kill that finds the save already over
    // says saves now go faster (a warm cache, a quieter machine): the span shrinks to it.
    long span = std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count();
    int killedWhileWriting = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        ASSERT_TRUE(startSavingOver(painting, target));
        const long moment = std::uniform_int_distribution<long>(0, span)(random);
        std::this_thread::sleep_for(std::chrono::microseconds(moment));
        const bool wasWriting = writesInto(saves);
        program.kill();
        const std::vector<uint8_t> left = fileBytes(target);
        const bool old = left == oldBytes;
        EXPECT_TRUE(old || left == newBytes);
        killedWhileWriting += wasWriting && old;
        if (!wasWriting) {
            span = std::max(moment, 1000L);
        }
        // Nothing but the file itself: no half-written temporary of any earlier run either.
        EXPECT_EQ(std::distance(fs::directory_iterator(saves), {}), 1);
        if (!old) {
            writeFileBytes(target, oldBytes);
        }
    }
    std::cout << "kills while writing: " << killedWhileWriting << " of " << kKills
              << "; a whole save took "
              << std::chrono::duration_cast<std::chrono::milliseconds>(saveTime).count() << " ms\n";
    EXPECT_GE(killedWhileWriting, kKills / 2);
}

}  // namespace
}  // namespace dw::test
