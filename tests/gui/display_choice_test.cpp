#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>
#include <vector>

#include "app/gui/display_choice.h"

namespace dw {
namespace {

// Sets the display variables for one case and puts the test run's own back afterwards.
class DisplayChoice : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : kNames) {
            const char* value = getenv(name);
            saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    void TearDown() override {
        for (std::size_t i = 0; i < saved_.size(); ++i) {
            set(kNames[i], saved_[i] ? saved_[i]->c_str() : nullptr);
        }
    }
    static void set(const char* name, const char* value) {
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    static std::string platform() {
        const char* value = getenv("QT_QPA_PLATFORM");
        return value ? value : "";
    }
    void given(const char* platform, const char* x11, const char* wayland) {
        set("QT_QPA_PLATFORM", platform);
        set("DISPLAY", x11);
        set("WAYLAND_DISPLAY", wayland);
    }

  private:
    static constexpr const char* kNames[] = {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    std::vector<std::optional<std::string>> saved_;
};

TEST_F(DisplayChoice, X11IsPreferredWaylandServesAloneAndTheUsersChoiceStays) {
    given(nullptr, ":0", "wayland-0");
    EXPECT_TRUE(chooseDisplay());
    EXPECT_EQ(platform(), "xcb");
    given(nullptr, nullptr, "wayland-0");
    EXPECT_TRUE(chooseDisplay());
    EXPECT_EQ(platform(), "wayland");
    given("offscreen", nullptr, nullptr);
    EXPECT_TRUE(chooseDisplay());
    EXPECT_EQ(platform(), "offscreen");
}

TEST_F(DisplayChoice, WithoutADisplayItSaysSoAndPointsAtTheBatchTool) {
    given(nullptr, "", nullptr);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(chooseDisplay());
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("needs a graphical display"), std::string::npos);
    EXPECT_NE(said.find("daubwerk-batch"), std::string::npos);
}

}  // namespace
}  // namespace dw
