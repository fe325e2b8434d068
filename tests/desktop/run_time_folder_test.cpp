#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "desktop/run_time_folder.h"
#include "tests/desktop/other_user.h"
#include "tests/support/file_contents.h"
#include "tests/support/temp_dir.h"

namespace dw::platform {
namespace {

namespace fs = std::filesystem;

// A program folder as installed, and a user's data home beside it.
class RunTimeFolder : public ::testing::Test {
  protected:
    RunTimeFolder() {
        fs::create_directories(program / "WorkData" / "Styles");
        fs::create_directories(program / "Examples");
        fs::create_directories(program / "data");
        write(program / "Examples" / "welcome.pai", "painting");
        write(program / "data" / "palette.dat", "shipped presets");
        write(program / "daubwerk", "program");
        fs::create_directories(dataHome);
    }

    static void write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    // The program folder made read-only for whoever runs the check. As root the check runs
    // as nobody, who owns the data home but not the program.
    fs::path chooseWithReadOnlyProgram() {
        if (!test::runningAsRoot()) {
            fs::permissions(program, fs::perms::owner_write, fs::perm_options::remove);
            const fs::path chosen = chooseRunTimeFolder(program, dataHome);
            fs::permissions(program, fs::perms::owner_write, fs::perm_options::add);
            return chosen;
        }
        fs::permissions(dir.path(), fs::perms::others_exec | fs::perms::others_read,
                        fs::perm_options::add);
        test::giveToNobody(dir.path() / "home");
        const fs::path answer = dir.path() / "home" / "answer";
        const int status = test::runAsNobody([&] {
            std::ofstream(answer) << chooseRunTimeFolder(program, dataHome).string();
            return 0;
        });
        EXPECT_EQ(status, 0);
        return test::fileText(answer);
    }

    test::TempDir dir;
    fs::path program = dir.path() / "program";
    fs::path dataHome = dir.path() / "home" / "share";
    fs::path userFolder = dataHome / "daubwerk";
};

TEST_F(RunTimeFolder, ReadOnlyProgramFolderGivesAUserFolderThatMirrorsItFromStartToStart) {
    ASSERT_EQ(chooseWithReadOnlyProgram(), userFolder);
    EXPECT_TRUE(fs::is_symlink(userFolder / "WorkData"));
    EXPECT_EQ(fs::read_symlink(userFolder / "Examples"), program / "Examples");
    EXPECT_EQ(test::fileText(userFolder / "Examples" / "welcome.pai"), "painting");
    EXPECT_EQ(fs::read_symlink(userFolder / "daubwerk"), program / "daubwerk");
    // data/ is the user's own, started from the shipped presets.
    ASSERT_TRUE(fs::is_directory(userFolder / "data"));
    EXPECT_FALSE(fs::is_symlink(userFolder / "data"));
    EXPECT_EQ(test::fileText(userFolder / "data" / "palette.dat"), "shipped presets");

    // Later starts keep the user's presets and follow the program folder.
    write(userFolder / "data" / "palette.dat", "the user's presets");
    write(userFolder / "prefs.dat", "\1\1");
    fs::remove_all(program / "Examples");  // an update dropped a part
    fs::create_directories(program / "Manual");
    ASSERT_EQ(chooseWithReadOnlyProgram(), userFolder);
    EXPECT_EQ(test::fileText(userFolder / "data" / "palette.dat"), "the user's presets");
    EXPECT_EQ(test::fileText(userFolder / "prefs.dat"), "\1\1");
    EXPECT_FALSE(fs::exists(fs::symlink_status(userFolder / "Examples")));
    EXPECT_EQ(fs::read_symlink(userFolder / "Manual"), program / "Manual");
}

TEST_F(RunTimeFolder, AWritableProgramFolderOrNoUsableUserFolderLeavesTheProgramFolder) {
    EXPECT_EQ(chooseRunTimeFolder(program, dataHome), program);
    EXPECT_FALSE(fs::exists(userFolder));
    write(dir.path() / "home" / "share-file", "in the way");
    dataHome = dir.path() / "home" / "share-file";
    EXPECT_EQ(chooseWithReadOnlyProgram(), program);
}

}  // namespace
}  // namespace dw::platform
