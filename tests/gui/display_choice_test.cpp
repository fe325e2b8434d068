#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "gui/display_choice.h"

namespace dw {
namespace {

// The platform chosen for one set of display variables; the test run's own are put back.
std::string chosen(const char* platform, const char* x11, const char* wayland, bool& found) {
    const std::string saved = getenv("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : "";
    auto set = [](const char* name, const char* value) {
        value ? setenv(name, value, 1) : unsetenv(name);
    };
    set("QT_QPA_PLATFORM", platform);
    set("DISPLAY", x11);
    set("WAYLAND_DISPLAY", wayland);
    ::testing::internal::CaptureStderr();
    found = chooseDisplay();
    const std::string said = ::testing::internal::GetCapturedStderr();
    const std::string result = getenv("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : said;
    setenv("QT_QPA_PLATFORM", saved.c_str(), 1);
    return result;
}

TEST(DisplayChoice, X11FirstWaylandAloneTheUsersChoiceKeptAndNoneSaidPlainly) {
    bool found = false;
    EXPECT_EQ(chosen(nullptr, ":0", "wayland-0", found), "xcb");
    EXPECT_EQ(chosen(nullptr, nullptr, "wayland-0", found), "wayland");
    EXPECT_EQ(chosen("offscreen", nullptr, nullptr, found), "offscreen");
    const std::string said = chosen(nullptr, "", nullptr, found);
    EXPECT_FALSE(found);
    EXPECT_NE(said.find("needs a graphical display"), std::string::npos);
    EXPECT_NE(said.find("daubwerk-batch"), std::string::npos);
}

}  // namespace
}  // namespace dw
