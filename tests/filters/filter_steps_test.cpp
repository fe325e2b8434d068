#include <gtest/gtest.h>

#include <filesystem>

#include "app/batch/batch_runner.h"
#include "filters/filter_commands.h"
#include "tests/support/message_capture.h"
#include "tests/support/temp_dir.h"

namespace dw::test {
namespace {

// daubwerk-batch's --filter step, run in a folder of its own.
class FilterStepsTest : public ::testing::Test {
  protected:
    void TearDown() override { std::filesystem::current_path(home); }
    int run(const std::vector<std::string>& arguments) {
        ::testing::internal::CaptureStderr();
        const int status = batch::runBatch(arguments, folder.path().string());
        errors = ::testing::internal::GetCapturedStderr();
        return status;
    }

    const std::filesystem::path home = std::filesystem::current_path();
    TempDir folder;
    MessageCapture boxes;
    std::string errors;
};

TEST_F(FilterStepsTest, EveryFilterRunsByItsBatchName) {
    std::vector<std::string> arguments = {"--new", "30", "20"};
    for (const FilterCommand& command : filterCommands()) {
        arguments.insert(arguments.end(), {"--filter", std::string(command.batchName)});
    }
    EXPECT_EQ(run(arguments), batch::kExitOk) << errors;
}

TEST_F(FilterStepsTest, UnknownNameFailsTheRunAndListsTheNames) {
    EXPECT_EQ(run({"--filter", "Invert Color"}), batch::kExitStepFailed);
    EXPECT_NE(errors.find("unknown filter \"Invert Color\"; the filters are: paintify, "
                          "invert-color, desaturate"),
              std::string::npos)
        << errors;
}

}  // namespace
}  // namespace dw::test
