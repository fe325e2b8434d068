#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "batch/record_fields.h"
#include "tests/support/file_contents.h"
#include "tests/support/temp_dir.h"
#include "tools/brush_fields.h"
#include "tools/stroke_fields.h"

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
    std::string errors() const { return test::fileText(dir.file("err.txt")); }
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

TEST_F(BatchTool, UndoGoesBackAsManyStepsAsSetAndNoMore) {
    const std::string twoResizes = "--new 10 10 --resize 12 12 --resize 14 14 --undo --undo";
    EXPECT_EQ(run("--undo-steps 2 " + twoResizes), 0) << errors();
    EXPECT_NE(run("--undo-steps 1 " + twoResizes), 0);
    EXPECT_NE(errors().find("nothing to undo"), std::string::npos);
    EXPECT_NE(run("--undo-steps 101 --new 10 10"), 0);
    EXPECT_NE(errors().find("--undo-steps takes 1 to 100, not \"101\""), std::string::npos);
}

}  // namespace
}  // namespace dw

namespace dw::batch {
namespace {

// The README's list of --brush and --stroke fields, its line breaks taken out.
std::string readmeFields(const std::string& step) {
    std::ifstream in(DAUBWERK_README);
    std::string line;
    std::string text;
    bool inStep = false;
    while (std::getline(in, line)) {
        const bool stepLine = line.rfind("  --", 0) == 0;
        if (stepLine) {
            inStep = line.rfind("  " + step + " ", 0) == 0;
        }
        if (inStep) {
            std::istringstream words(line);
            for (std::string word; words >> word;) {
                text += word + " ";
            }
        }
    }
    return text;
}

TEST(BatchFields, TheReadmeNamesTheFieldsOfTheOneTable) {
    EXPECT_NE(readmeFields("--brush").find(fieldNames(brushFields())), std::string::npos);
    EXPECT_NE(readmeFields("--stroke").find(fieldNames(strokeFields())), std::string::npos);
}

}  // namespace
}  // namespace dw::batch
