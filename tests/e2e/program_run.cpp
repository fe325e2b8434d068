#include "tests/e2e/program_run.h"

#include <stdlib.h>

#include <thread>

#include "files/devil_library.h"

namespace dw::test {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

int differingPixels(const Surface& a, CanvasSpot at, const Surface& b, CanvasSpot bAt, int width,
                    int height) {
    int count = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            count += a.getPixel(at.x + x, at.y + y) != b.getPixel(bAt.x + x, bAt.y + y);
        }
    }
    return count;
}

void ProgramRun::SetUp() {
    initialiseImageLibrary();
    ASSERT_TRUE(session.ready()) << "no virtual display (Xvfb) could be started";
    const fs::path built = fs::path(DAUBWERK_PROGRAM_PATH).parent_path();
    fs::create_directories(root / "program");
    fs::create_directories(root / "home");
    fs::create_directories(root / "runtime");
    fs::permissions(root / "runtime", fs::perms::owner_all);
    fs::copy_file(DAUBWERK_PROGRAM_PATH, root / "program" / "daubwerk");
    for (const char* folder : {"WorkData", "Examples", "manual"}) {
        fs::create_directory_symlink(built / folder, root / "program" / folder);
    }
}

void ProgramRun::TearDown() {
    program.kill();
}

unsigned long ProgramRun::start(const std::vector<std::string>& arguments) {
    program = launch(arguments);
    const unsigned long frame = session.waitForWindow("Daubwerk", 30s);
    std::this_thread::sleep_for(1500ms);  // the first passes shade the painting
    return frame;
}

Process ProgramRun::launch(const std::vector<std::string>& arguments) const {
    std::vector<std::string> command = {(root / "program" / "daubwerk").string()};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return Process(command, environment());
}

bool ProgramRun::batch(const std::string& arguments) {
    return std::system((DAUBWERK_BATCH_PATH " " + arguments).c_str()) == 0;
}

std::map<std::string, std::string> ProgramRun::environment() const {
    std::map<std::string, std::string> env = {
        {"DISPLAY", session.display()},
        {"HOME", (root / "home").string()},
        {"XDG_DATA_HOME", (root / "home" / "data").string()},
        {"XDG_CONFIG_HOME", (root / "home" / "config").string()},
        {"XDG_RUNTIME_DIR", (root / "runtime").string()},
        {"LSAN_OPTIONS", "suppressions=" DAUBWERK_LEAK_SUPPRESSIONS},
        {"QT_QPA_PLATFORM", ""}};
    // A test's own setting wins over the fixture's.
    for (const auto& [name, value] : moreEnvironment) {
        env.insert_or_assign(name, value);
    }
    return env;
}

std::string ProgramRun::paintingOf(uint32_t width, uint32_t height, const std::string& extension) {
    const std::string path = (root / ("painting." + extension)).string();
    EXPECT_TRUE(batch("--new " + std::to_string(width) + " " + std::to_string(height) +
                      (extension == "pai" ? " --save '" : " --export '") + path + "'"));
    return path;
}

// The canvas window lies 90, 10 into the grey client area below the menu bar.
CanvasSpot ProgramRun::findCanvas(const Surface& shot, unsigned long frame, int pixelRatio) {
    int x = 0;
    int y = 0;
    EXPECT_TRUE(session.windowOrigin(frame, x, y));
    const Pixel grey{128, 128, 128, 0};
    int top = y;
    while (top < y + 100 * pixelRatio && shot.getPixel(x + 5 * pixelRatio, top) != grey) {
        ++top;
    }
    return {x + 90 * pixelRatio, top + 10 * pixelRatio};
}

Surface ProgramRun::screenshotShowing(const std::string& name,
                                      const std::function<bool(const Surface&)>& shown) {
    Surface shot;
    within(
        10s, [&] { return shown(shot = session.screenshot((root / name).string())); }, 200ms);
    return shot;
}

void ProgramRun::key(const std::string& keys) {
    ASSERT_TRUE(session.run("xdotool key " + keys));
    std::this_thread::sleep_for(500ms);
}

void ProgramRun::scribble(CanvasSpot canvas) {
    session.run("xdotool mousemove " + std::to_string(canvas.x + 100) + " " +
                std::to_string(canvas.y + 100) + " mousedown 1 sleep 0.3 mousemove " +
                std::to_string(canvas.x + 300) + " " + std::to_string(canvas.y + 150) +
                " sleep 0.3 mouseup 1");
}

void ProgramRun::quit() {
    ASSERT_TRUE(session.closeWindow("Daubwerk"));
    // A large painting under the sanitizers on a loaded machine takes its time to let go.
    EXPECT_EQ(program.wait(30s), 0);
}

void ProgramRun::awaitFile(const std::filesystem::path& path) {
    within(
        10s, [&] { return fs::exists(path); }, 100ms);
}

}  // namespace dw::test
