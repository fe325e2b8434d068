#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/main_loop/loop_message.h"

namespace dw {

struct AppState;

// The answer of the New Image panel; a width of -1 means the user cancelled.
struct NewImageSize {
    int width = -1;
    int height = -1;

    bool cancelled() const { return width == -1; }
};

// What the frame's commands ask of the windows around them. The GUI implements it with its
// Qt windows; the command logic itself stays free of any toolkit.
class Shell {
  public:
    virtual ~Shell() = default;

    // Recreates the canvas window for the painting's size and the zoom, at its home place.
    virtual void createCanvasWindow(AppState& state) = 0;
    // Runs the modal New Image panel, captioned by the command, proposing width x height. It
    // closes on OK only with a size the painting may have.
    virtual NewImageSize showNewImagePanel(AppState& state, std::string_view title, int width,
                                           int height) = 0;

    virtual void setMenuChecked(int commandId, bool checked) = 0;
    virtual bool menuChecked(int commandId) const = 0;
    // Shows or hides a floating panel.
    virtual void showPanel(WindowId panel, bool shown) = 0;
    // The program became active or lost the focus to another program: panels follow.
    virtual void programActivated(bool active) = 0;
    // The tool changed: the tools and properties panels show it.
    virtual void selectTool(AppState& state) = 0;

    virtual void showAbout() = 0;
    // Shows a file in the desktop's viewer for its kind; false when nothing could show it.
    virtual bool showDocument(const std::string& path) = 0;
    virtual void minimiseFrame() = 0;
    virtual void bringFrameToFront() = 0;
    // Destroys the frame, which ends the main loop.
    virtual void destroyFrame(AppState& state) = 0;
    // Queues a message for the frame, as a posted window message.
    virtual void post(const LoopMessage& message) = 0;

    virtual void printPainting(AppState& state) = 0;
    virtual void pageSetup() = 0;
    // Edit > Undo Steps...: the number the user chose, or 0 when cancelled.
    virtual uint32_t askUndoSteps(const AppState&) { return 0; }
    // The pen settings or the undo steps changed: keep them for the next run.
    virtual void userSettingsChanged(const AppState&) {}
    // A word for the painter that must not interrupt the painting: no box, no focus taken.
    virtual void showNotice(const std::string& text) = 0;
};

}  // namespace dw
