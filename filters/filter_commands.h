#pragma once

#include <span>
#include <string_view>

#include "canvas/canvas.h"
#include "canvas/undo_history.h"
#include "filters/filter_inputs.h"

namespace dw {

// Every filter takes its undo snapshot first and leaves the painting unshaded for the main
// loop to re-shade.
using FilterFunction = void (*)(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);

// The commands of the Filters menu and Image > Flatten, as the menu and the batch tool know
// them.
struct FilterCommand {
    int commandId;
    std::string_view undoName;
    std::string_view batchName;  // the undo name in lower case, spaces as dashes
    FilterFunction run;
};

std::span<const FilterCommand> filterCommands();
// Null when no filter has that command id or batch name.
const FilterCommand* filterForCommand(int commandId);
const FilterCommand* filterNamed(std::string_view batchName);

}  // namespace dw
