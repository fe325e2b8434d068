#pragma once

#include <map>
#include <string>
#include <vector>

#include "commands/shell.h"
#include "core/app_state.h"

namespace dw::test {

// The windows around the frame's procedure, as a record of what it asked of them. The New
// Image panel answers with newImageAnswer; the desktop shows a document when showsDocuments.
class RecordingShell : public Shell {
  public:
    void createCanvasWindow(AppState& state) override {
        calls.push_back("canvas window " + std::to_string(state.painting.width()) + "x" +
                        std::to_string(state.painting.height()));
    }
    NewImageSize showNewImagePanel(AppState&, std::string_view title, int width,
                                   int height) override {
        calls.push_back(std::string(title) + " proposing " + std::to_string(width) + "x" +
                        std::to_string(height));
        return newImageAnswer;
    }
    void setMenuChecked(int commandId, bool checked) override { marks[commandId] = checked; }
    bool menuChecked(int commandId) const override {
        const auto found = marks.find(commandId);
        return found != marks.end() && found->second;
    }
    void showPanel(WindowId panel, bool shown) override {
        calls.push_back((shown ? "show panel " : "hide panel ") + std::to_string(int(panel)));
    }
    void programActivated(bool active) override {
        calls.push_back(active ? "activated" : "deactivated");
    }
    void selectTool(AppState&) override { calls.push_back("select tool"); }
    void showAbout() override { calls.push_back("about"); }
    bool showDocument(const std::string& path) override {
        calls.push_back("show " + path);
        return showsDocuments;
    }
    void minimiseFrame() override { calls.push_back("minimise"); }
    void bringFrameToFront() override { calls.push_back("to front"); }
    void destroyFrame(AppState& state) override {
        calls.push_back("destroy");
        state.quitRequested = true;
    }
    void post(const LoopMessage& message) override { posted.push_back(message); }
    void printPainting(AppState&) override { calls.push_back("print"); }
    void pageSetup() override { calls.push_back("page setup"); }
    void showNotice(const std::string& text) override { calls.push_back("notice: " + text); }

    std::vector<std::string> calls;
    std::map<int, bool> marks;
    std::vector<LoopMessage> posted;
    NewImageSize newImageAnswer;
    bool showsDocuments = true;
};

}  // namespace dw::test
