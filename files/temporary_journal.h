#pragma once

#include <filesystem>
#include <string>

#include "platform/file_lock.h"

namespace dw {

// Where a writer's named temporary is noted for as long as it exists, so that one left by a
// killed run can be found again in whatever folder it was written. Each note is a file
// locked by its writer: a note whose lock can be taken belongs to a run that has ended.

// Removes the temporaries (and notes) of runs that have ended, then notes every named
// temporary of this run in that folder. Called once at start-up, before any file is written.
void keepTemporaryJournal(const std::filesystem::path& folder);
// Notes nothing any more.
void stopTemporaryJournal();

// One writer's note.
class TemporaryNote {
  public:
    TemporaryNote() = default;
    // A new note in the journal; an empty one when no journal is kept.
    static TemporaryNote open();
    TemporaryNote(TemporaryNote&&) = default;
    TemporaryNote& operator=(TemporaryNote&& other) noexcept;
    ~TemporaryNote();  // the temporary is gone: so is the note

    // Records the temporary's path before the file is made, so that no instant leaves a file
    // without its note.
    void record(const std::string& temporaryPath);

  private:
    platform::FileLock lock_;
};

}  // namespace dw
