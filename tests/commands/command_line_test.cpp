#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "commands/command_line.h"
#include "commands/edit_box_number.h"

namespace dw {
namespace {

TEST(CommandLine, TheLineNamesAFileUpToItsClosingQuote) {
    using Arguments = std::vector<std::string>;
    const std::string longPath = "/tmp/" + std::string(2000, 'x') + ".pai";
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"", std::nullopt},
        {"a.p", std::nullopt},  // too short to name a file
        {"\"\"\"\"", std::nullopt},
        {"a.pa", "a.pa"},
        {"\"/home/me/my painting.pai\" --extra words", "/home/me/my painting.pai"},
        {"/home/me/my painting.pai and more", "/home/me/my painting.pai and more"},
        {"\"" + longPath + "\"", longPath},
        {joinArguments(Arguments{longPath}), longPath},
        {joinArguments(Arguments{"/my folder/a.pai", "second"}), "/my folder/a.pai"},
        {joinArguments(Arguments{"my", "file.pai"}), "my file.pai"},
    };
    for (const auto& [line, path] : cases) {
        EXPECT_EQ(commandLinePath(line), path) << line.substr(0, 60);
    }
    EXPECT_EQ(joinArguments(Arguments{"/my folder/a.pai", "second"}),
              "\"/my folder/a.pai\" second");
}

TEST(EditBoxNumber, OnlyUnsignedNumbersCountAndEverythingElseIsZero) {
    const std::pair<const char*, int> cases[] = {
        {" 640 ", 640},          {"abc", 0},       {"12a", 0}, {"-5", 0}, {"", 0},
        {"4294967295", INT_MAX}, {"4294967296", 0}};
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(editBoxNumber(text), number) << text;
    }
}

}  // namespace
}  // namespace dw
