#include <gtest/gtest.h>

#include <filesystem>

#include "desktop/hand_off_frame.h"
#include "desktop/single_instance.h"
#include "tests/support/message_capture.h"
#include "tests/support/temp_dir.h"

namespace dw::platform {
namespace {

TEST(HandOffFrame, PathsOfAnyLengthArriveWholeHoweverTheBytesAreSplit) {
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
}

TEST(HandOffFrame, AbsurdLengthBreaksTheStreamInsteadOfWaitingForMemory) {
    HandOffDecoder decoder;
    decoder.feed(std::string("\xff\xff\xff\xff\xff\xff\xff\x7f", 8));
    EXPECT_EQ(decoder.next(), std::nullopt);
    EXPECT_TRUE(decoder.broken());
    decoder.feed(encodeHandOff("/x.pai"));
    EXPECT_EQ(decoder.next(), std::nullopt);
}

class FakeInstance : public SingleInstance {
  public:
    InstanceRole role = InstanceRole::First;
    bool sendWorks = true;
    std::vector<std::string> sent;

    InstanceRole claim() override { return role; }
    bool sendHandOff(const std::string& path) override {
        sent.push_back(path);
        return sendWorks;
    }
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
    FakeInstance instance;
};

// Real second runs with and without a path are run in single_instance_test.cpp.
TEST_F(SettleSingleInstance, AnEmptyPathIsNoPath) {
    instance.role = InstanceRole::Second;
    EXPECT_EQ(settleSingleInstance(instance, ""), StartDecision::Exit);
    EXPECT_TRUE(instance.sent.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("dw_sendfile_to_app.txt")));
}

TEST_F(SettleSingleInstance, FailedSendIsReportedAndTheRunStillExits) {
    instance.role = InstanceRole::Second;
    instance.sendWorks = false;
    EXPECT_EQ(settleSingleInstance(instance, "/p.pai"), StartDecision::Exit);
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Failed send 'OPEN' message to running instance!"});
    EXPECT_EQ(messages.shown().at(0).caption, "Error");
}

}  // namespace
}  // namespace dw::platform
