#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/byte_stream.h"
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

TEST_F(BatchTool, NewSaveOpenExportMakesAViewableBitmap) {
    ASSERT_EQ(run("--new 300 200 --save a.pai --open a.pai --export a.bmp"), 0) << errors();
    std::ifstream in(dir.file("a.bmp"), std::ios::binary);
    std::vector<uint8_t> bmp{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_EQ(bmp.size(), 54u + 900 * 200);
    EXPECT_EQ(loadLE32(&bmp[18]), 300u);
    EXPECT_EQ(bmp[54], 255);  // white paper
}

TEST_F(BatchTool, CommandLineMistakesRunNothing) {
    EXPECT_EQ(run("--new 10 10 --save a.pai --frobnicate"), 2);
    EXPECT_NE(errors().find("unknown step \"--frobnicate\""), std::string::npos);
    EXPECT_EQ(run("--save a.pai --new 10"), 2);
    EXPECT_NE(errors().find("--new needs W H"), std::string::npos);
    EXPECT_FALSE(exists("a.pai"));
}

TEST_F(BatchTool, FailedStepStopsTheRunBeforeAnythingIsWritten) {
    EXPECT_EQ(run("--new 10 x --save a.pai"), 1);
    EXPECT_EQ(run("--new 6000 10 --save a.pai"), 1);
    EXPECT_NE(errors().find("Warning: The document can be no less than 1x1"), std::string::npos);
    EXPECT_EQ(run("--open missing.pai --save a.pai"), 1);
    EXPECT_NE(errors().find("Error: File Load failed!"), std::string::npos);
    EXPECT_EQ(run("--undo --save a.pai"), 1);
    EXPECT_EQ(run("--lighting dim --save a.pai"), 1);
    EXPECT_FALSE(exists("a.pai"));
}

TEST_F(BatchTool, WelcomePaintingOpensPaintifiesAndExports) {
    ASSERT_EQ(run("--open '" DAUBWERK_WELCOME_PATH "' --filter paintify --export p.png"), 0)
        << errors();
    EXPECT_GT(std::filesystem::file_size(dir.file("p.png")), 1000u);
}

TEST_F(BatchTool, ResizeUndoRedoAndExactSave) {
    ASSERT_EQ(run("--new 40 30 --resize 20 10 --undo --save-exact u.pai --redo --save-exact r.pai"),
              0)
        << errors();
    EXPECT_EQ(std::filesystem::file_size(dir.file("u.pai")), 80u + 12 * 40 * 30);
    EXPECT_EQ(std::filesystem::file_size(dir.file("r.pai")), 80u + 12 * 20 * 10);
}

}  // namespace
}  // namespace dw
