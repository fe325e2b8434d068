#include "commands/autosave_keeper.h"

#include <time.h>

#include <algorithm>

#include "commands/file_flows.h"
#include "commands/shell.h"
#include "core/app_state.h"
#include "platform/environment_seconds.h"
#include "platform/message_box.h"

namespace dw {
namespace {

using namespace std::chrono_literals;

// The name the question shows: the painting's file, or what a painting never saved is called.
std::string paintingName(const std::string& documentPath) {
    const std::string name = std::filesystem::path(documentPath).filename().string();
    return name.empty() ? "Untitled" : name;
}

std::string localTime(int64_t seconds) {
    const time_t when = time_t(seconds);
    tm local{};
    char text[32] = "";
    if (localtime_r(&when, &local)) {
        strftime(text, sizeof text, "%Y-%m-%d at %H:%M", &local);
    }
    return text;
}

platform::MessageAnswer askAbout(const RecoveryEntry& entry) {
    const std::string name = entry.note.documentName.empty() ? "Untitled" : entry.note.documentName;
    return platform::showMessage({"Recover the unsaved painting?\n\n" + name + "\nAutosaved " +
                                      localTime(entry.note.savedAt),
                                  "Recover Painting", platform::MessageIcon::Question,
                                  platform::MessageButtons::YesNo, platform::MessageOwner::Frame});
}

bool betweenStrokes(const AppState& state) {
    const DragStates& drags = state.drags;
    return !state.buttonHeld && !drags.canvas.active && drags.leadingPanel() < 0;
}

}  // namespace

std::chrono::seconds autosavePeriod(std::optional<int> settingMinutes) {
    if (const auto seconds =
            platform::secondsFromEnvironment("DAUBWERK_AUTOSAVE_SECONDS", kLongestAutosavePeriod)) {
        return *seconds;
    }
    if (settingMinutes && *settingMinutes >= 1 &&
        std::chrono::minutes(*settingMinutes) <= kLongestAutosavePeriod) {
        return std::chrono::minutes(*settingMinutes);
    }
    return kDefaultAutosavePeriod;
}

AutosaveKeeper::AutosaveKeeper(std::filesystem::path folder, std::chrono::seconds period,
                               Clock clock, SecondsClock wallClock)
    : store_(std::move(folder), wallClock), period_(period), clock_(std::move(clock)) {
    if (store_.usable()) {
        if (std::optional<RecoverySlot> slot = RecoverySlot::open(store_.folder())) {
            writer_.emplace(std::move(*slot), std::move(wallClock));
        }
    }
}

void AutosaveKeeper::offerLeftPaintings(AppState& state, Shell& shell) {
    for (const RecoveryEntry& entry : store_.leftEntries()) {
        switch (askAbout(entry)) {
            case platform::MessageAnswer::Yes: {
                const auto read = [&](Canvas& painting) { return store_.load(entry, painting); };
                if (PaintingRecovered(state, shell, read, entry.note.documentPath)) {
                    recovered_ = entry;
                    return;  // one painting at a time: the others wait for the next start
                }
                break;  // refused and put aside: the next one may still be whole
            }
            case platform::MessageAnswer::No:
                store_.discard(entry);
                break;
            default:
                break;
        }
    }
}

void AutosaveKeeper::poll(AppState& state, Shell& shell) {
    if (state.history.documentClean()) {
        // Saved, or its changes thrown away for another painting: nothing left to recover.
        if (entryWanted_ && writer_) {
            writer_->removeEntry();
        }
        if (recovered_) {
            store_.remove(*recovered_);
            recovered_.reset();
        }
        entryWanted_ = false;
        offered_ = false;
        return;
    }
    const bool failed = writer_ ? writer_->takeFailureNotice() : entryWanted_;
    if (failed && !failureTold_) {
        failureTold_ = true;
        shell.showNotice(kAutosaveFailedNotice);
    }
    if (recovered_ && writer_ && writer_->entryWritten()) {
        store_.remove(*recovered_);  // this run's own entry holds it now
        recovered_.reset();
    }
    const auto now = clock_();
    if (!betweenStrokes(state) || (offered_ && now - lastOffer_ < period_)) {
        return;
    }
    entryWanted_ = true;
    if (!writer_) {
        offered_ = true;
        lastOffer_ = now;
        return;
    }
    const std::string& path = state.documentPath;
    if (writer_->offer(state.painting, path, paintingName(path)) != AutosaveOffer::Busy) {
        offered_ = true;
        lastOffer_ = now;
    }
}

std::chrono::milliseconds AutosaveKeeper::pollInterval() const {
    return std::min<std::chrono::milliseconds>(period_, 10s);
}

void AutosaveKeeper::programClosed() {
    if (writer_) {
        writer_->removeEntry();
    }
    if (recovered_) {
        store_.remove(*recovered_);
        recovered_.reset();
    }
}

void AutosaveKeeper::waitForWriter() {
    if (writer_) {
        writer_->waitUntilIdle();
    }
}

}  // namespace dw
