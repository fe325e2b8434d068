#pragma once

#include "core/app_state.h"

class QPrinter;

namespace dw {

// File > Print and Ctrl+P: the print dialog, starting from the default printer each time,
// then the painting as shown on one page. A cancelled dialog or a printer that fails ends
// the print silently; the painting is never changed.
void PrintPainting(AppState& state);

// File > Page Setup: the page-setup dialog on the default printer. The choices are not kept:
// each Print starts from the default printer again.
void PageSetupCommand();

// The page itself, on a printer that is set up already (PrintPainting's second half, and
// what a test prints to a PDF file): shades the painting and draws it placed by placeOnPage
// on the printable area. False when the printer could not start or finish the page.
bool printPaintingOn(AppState& state, QPrinter& printer);

}  // namespace dw
