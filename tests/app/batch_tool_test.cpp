#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/temp_dir.h"

namespace dw {
namespace {

// Runs the real daubwerk-batch in a temporary folder; returns its exit status.
class BatchTool : public ::testing::Test {
  protected:
    int run(const std::string& arguments) {
        const std::string command = "cd '" + dir.path().string() +
                                    "' && '" DAUBWERK_BATCH_PATH "' " + arguments +
                                    " >out.txt 2>err.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string errors() const {
        std::ifstream in(dir.file("err.txt"));
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(dir.file(name)); }

    test::TempDir dir;
};

// The steps themselves are tested in-process; this runs the built program once, on the
// welcome painting the build made with it.
TEST_F(BatchTool, WelcomePaintingOpensPaintifiesAndExports) {
    ASSERT_EQ(run("--open '" DAUBWERK_WELCOME_PATH "' --filter paintify --export p.png"), 0)
        << errors();
    EXPECT_GT(std::filesystem::file_size(dir.file("p.png")), 1000u);
    EXPECT_EQ(run("--new 10 10 --save a.pai --frobnicate"), 2);
    EXPECT_FALSE(exists("a.pai"));
}

}  // namespace
}  // namespace dw
