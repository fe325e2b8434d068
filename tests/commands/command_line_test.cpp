#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "app/commands/command_line.h"
#include "app/commands/edit_box_number.h"

namespace dw {
namespace {

TEST(CommandLine, ShortLinesNameNoFile) {
    EXPECT_EQ(commandLinePath(""), std::nullopt);
    EXPECT_EQ(commandLinePath("a.p"), std::nullopt);
    EXPECT_EQ(commandLinePath("\"\"\"\""), std::nullopt);
    EXPECT_EQ(commandLinePath("a.pa"), "a.pa");
}

TEST(CommandLine, QuotesAreDroppedAndTheSecondEndsThePath) {
    EXPECT_EQ(commandLinePath("\"/home/me/my painting.pai\" --extra words"),
              "/home/me/my painting.pai");
    EXPECT_EQ(commandLinePath("/home/me/my painting.pai and more"),
              "/home/me/my painting.pai and more");
}

TEST(CommandLine, LongPathsArriveWhole) {
    const std::string path = "/tmp/" + std::string(2000, 'x') + ".pai";
    EXPECT_EQ(commandLinePath("\"" + path + "\""), path);
    EXPECT_EQ(commandLinePath(joinArguments(std::vector<std::string>{path})), path);
}

TEST(CommandLine, ArgumentsJoinAsTheDesktopWouldQuoteThem) {
    const std::vector<std::string> spaced{"/my folder/a.pai", "second"};
    EXPECT_EQ(joinArguments(spaced), "\"/my folder/a.pai\" second");
    EXPECT_EQ(commandLinePath(joinArguments(spaced)), "/my folder/a.pai");
    EXPECT_EQ(commandLinePath(joinArguments(std::vector<std::string>{"my", "file.pai"})),
              "my file.pai");
}

}  // namespace
}  // namespace dw

namespace dw {
namespace {

TEST(EditBoxNumber, OnlyUnsignedNumbersCountAndEverythingElseIsZero) {
    EXPECT_EQ(editBoxNumber(" 640 "), 640);
    EXPECT_EQ(editBoxNumber("abc"), 0);
    EXPECT_EQ(editBoxNumber("12a"), 0);
    EXPECT_EQ(editBoxNumber("-5"), 0);
    EXPECT_EQ(editBoxNumber(""), 0);
    EXPECT_EQ(editBoxNumber("4294967295"), INT_MAX);
    EXPECT_EQ(editBoxNumber("4294967296"), 0);
}

}  // namespace
}  // namespace dw
