#pragma once

#include <functional>
#include <string>

#include "core/app_state.h"

namespace dw {

// The ways a painting or a picture reaches the program. They differ only in their rules.
enum class Arrival {
    Open,         // File > Open once its dialog chose, and the batch tool's --open
    Drop,         // dropped on the frame
    CommandLine,  // named on the program's command line
    HandOff,      // handed over by a second start
    FirstRun,     // the welcome painting of the first run
    Recovery,     // a painting kept from a run that ended before it was saved
};

struct ArrivalRules {
    // The unsaved-changes question comes first. Open asks it before its dialog, and at
    // start-up nothing can be unsaved yet.
    bool asksAboutUnsavedChanges;
    // A picture file is imported as File > Import Image imports it; otherwise every file is
    // read as a document.
    bool importsPictures;
    // "File Load failed!" follows the document reader's own message.
    bool confirmsLoadFailure;
    // Shaded before the window shows it; at start-up the shading waits for the preferences.
    bool shadesAtOnce;
    // The file read becomes the painting's own, which Save offers: not the welcome painting,
    // which belongs to the program, nor a recovery's, which names its own.
    bool ownsTheFile;
    // Arrives with unsaved changes: a recovered painting is on no disk but the recovery's.
    bool arrivesUnsaved;
};
ArrivalRules arrivalRules(Arrival arrival);

// Brings the file in by the arrival's rules. A file no reader takes is refused at once, before
// any question; otherwise mayReplace (the unsaved-changes question, where the caller asks it)
// decides whether it is read. A document replaces the painting with an empty history and
// nothing unsaved; a picture is imported, leaving what was unsaved as it was. A refusal is
// reported and keeps the painting and its history. True when the painting was replaced.
bool receiveArrival(AppState& state, const std::string& path, Arrival arrival,
                    const std::function<bool()>& mayReplace = {});

// A painting kept from a run that ended before it was saved, read by its keeper's reader
// (false when refused, reported there), arriving by the recovery's rules with ownFile, the
// file it was last saved as, if any. True when the painting was replaced.
bool receiveRecoveredPainting(AppState& state, const std::function<bool(Canvas&)>& read,
                              const std::string& ownFile);

}  // namespace dw
