#include <gtest/gtest.h>

#include <filesystem>

#include "desktop/hand_off_frame.h"
#include "desktop/single_instance.h"
#include "tests/support/message_capture.h"
#include "tests/support/temp_dir.h"

namespace dw::platform {
namespace {

TEST(HandOffFrame, PathsOfAnyLengthArriveWholeHoweverSplitAndAnAbsurdLengthBreaksTheStream) {
    const std::string longPath = "/" + std::string(10000, 'p') + ".pai";
    const std::string stream = encodeHandOff("/a b/ü.pai") + encodeHandOff(longPath);
    HandOffDecoder decoder;
    std::vector<std::string> paths;
    for (char byte : stream) {
        decoder.feed(std::string_view(&byte, 1));
        while (auto path = decoder.next()) {
            paths.push_back(*path);
        }
    }
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0], "/a b/ü.pai");
    EXPECT_EQ(paths[1], longPath);
    EXPECT_FALSE(decoder.broken());

    // An absurd length breaks the stream instead of waiting for memory.
    decoder = HandOffDecoder();
    decoder.feed(std::string("\xff\xff\xff\xff\xff\xff\xff\x7f", 8));
    EXPECT_EQ(decoder.next(), std::nullopt);
    EXPECT_TRUE(decoder.broken());
    decoder.feed(encodeHandOff("/x.pai"));
    EXPECT_EQ(decoder.next(), std::nullopt);
}

// A second start whose running program cannot be reached.
class UnreachableInstance : public SingleInstance {
  public:
    InstanceRole claim() override { return InstanceRole::Second; }
    bool sendHandOff(const std::string&) override { return false; }
};

// Runs in a temporary working directory, where the hand-off file goes.
class SettleSingleInstance : public ::testing::Test {
  protected:
    SettleSingleInstance() : before(std::filesystem::current_path()) {
        std::filesystem::current_path(dir.path());
    }
    ~SettleSingleInstance() override { std::filesystem::current_path(before); }

    test::TempDir dir;
    std::filesystem::path before;
    test::MessageCapture messages;
    UnreachableInstance instance;
};

TEST_F(SettleSingleInstance, FailedSendIsReportedAndTheRunStillExits) {
    EXPECT_EQ(settleSingleInstance(instance, "/p.pai"), StartDecision::Exit);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Failed send 'OPEN' message to running instance!"});
    EXPECT_EQ(messages.shown().at(0).caption, "Error");
}

}  // namespace
}  // namespace dw::platform
