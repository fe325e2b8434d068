#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "files/autosave_writer.h"
#include "files/recovery_store.h"

namespace dw {

struct AppState;
class Shell;

inline constexpr std::chrono::seconds kDefaultAutosavePeriod{120};
// Longer periods are taken for mistakes; they would also overflow the clock's nanoseconds.
inline constexpr std::chrono::seconds kLongestAutosavePeriod{24 * 60 * 60};

// The time between autosaves: the user's setting in minutes when there is one (1 minute to a
// day), overridden by DAUBWERK_AUTOSAVE_SECONDS (for tests); otherwise two minutes.
std::chrono::seconds autosavePeriod(std::optional<int> settingMinutes);

// What the run tells the painter once when its autosaves fail.
inline constexpr const char* kAutosaveFailedNotice =
    "Autosave failed: this painting cannot be recovered after a crash. Save it to keep it.";

// Keeps an unsaved painting safe from a crash: offers back at start-up what runs that ended
// unsaved left in the recovery folder, and has this run's painting written there while it has
// unsaved changes (after the first change, then once a period, only between strokes). The
// entry goes once the painting is saved or its changes are thrown away, and at a clean exit.
class AutosaveKeeper {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    AutosaveKeeper(std::filesystem::path folder, std::chrono::seconds period,
                   Clock clock = std::chrono::steady_clock::now,
                   SecondsClock wallClock = systemSeconds);
    AutosaveKeeper(const AutosaveKeeper&) = delete;
    AutosaveKeeper& operator=(const AutosaveKeeper&) = delete;

    // At start-up, after the single instance was settled: asks about each left painting,
    // newest first, until one is taken back; a No puts it aside, a question put away without
    // an answer leaves it for the next start.
    void offerLeftPaintings(AppState& state, Shell& shell);
    // Between passes of the main loop, and when the timer wakes it.
    void poll(AppState& state, Shell& shell);
    // How often the GUI should wake the loop for poll() while nothing happens.
    std::chrono::milliseconds pollInterval() const;
    // The frame closed with nothing unsaved left to keep.
    void programClosed();
    // Waits for a write under way (tests and measurements).
    void waitForWriter();

  private:
    RecoveryStore store_;
    std::optional<AutosaveWriter> writer_;
    std::chrono::seconds period_;
    Clock clock_;
    // The entry this run took back, until its own autosave or a save makes it needless.
    std::optional<RecoveryEntry> recovered_;
    bool entryWanted_ = false;  // this run's entry may be on the disk
    bool offered_ = false;      // offered since the painting last had nothing unsaved
    std::chrono::steady_clock::time_point lastOffer_;
    bool failureTold_ = false;
};

}  // namespace dw
