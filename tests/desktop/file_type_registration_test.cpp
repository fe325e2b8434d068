#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <tuple>

#include "desktop/desktop_entries.h"
#include "desktop/desktop_resources.h"
#include "desktop/file_type_registration.h"
#include "tests/support/file_contents.h"
#include "tests/support/message_capture.h"
#include "tests/support/temp_dir.h"

namespace dw::platform {
namespace {

namespace fs = std::filesystem;

bool toolInstalled(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// Every file under a folder with its bytes and modification time to the nanosecond.
std::map<std::string, std::tuple<std::string, time_t, long>> snapshot(const fs::path& folder) {
    std::map<std::string, std::tuple<std::string, time_t, long>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        struct stat info {};
        if (entry.is_regular_file() && stat(entry.path().c_str(), &info) == 0) {
            files[entry.path()] = {test::fileText(entry.path()), info.st_mtim.tv_sec,
                                   info.st_mtim.tv_nsec};
        }
    }
    return files;
}

class FileTypeRegistration : public ::testing::Test {
  protected:
    fs::path share() const { return dir.path() / "share"; }
    FileTypeTarget target() const { return {program, share()}; }

    test::TempDir dir;
    fs::path program = dir.path() / "Daub Werk 100% \"$x\"";
    test::MessageCapture messages;
};

TEST_F(FileTypeRegistration, WritesTheTypeTheEntryTheIconsAndTheThumbnailer) {
    ASSERT_TRUE(RegisterFileType(target()));
    EXPECT_TRUE(messages.shown().empty());
    const std::string package = test::fileText(share() / "mime/packages/daubwerk.xml");
    EXPECT_NE(package.find("<glob pattern=\"*.pai\"/>"), std::string::npos);
    EXPECT_NE(package.find("type=\"little32\" offset=\"0\" value=\"0x00005ed7\""),
              std::string::npos);
    EXPECT_NE(package.find("<comment>Daubwerk File</comment>"), std::string::npos);

    const std::string entry = test::fileText(share() / "applications/daubwerk.desktop");
    const std::string folder = dir.path().string();
    EXPECT_NE(
        entry.find("\nExec=\"" + folder + "/Daub Werk 100%% \\\\\"\\\\$x\\\\\"/daubwerk\" %f\n"),
        std::string::npos)
        << entry;
    EXPECT_NE(entry.find("\nMimeType=application/x-daubwerk-painting;\n"), std::string::npos);
    const std::string thumbnailer = test::fileText(share() / "thumbnailers/daubwerk.thumbnailer");
    EXPECT_NE(thumbnailer.find("/daubwerk-batch\" --open %i --thumbnail %s %o\n"),
              std::string::npos);
    for (const desktop::IconFile& icon : desktop::kIcons) {
        const std::string size = std::to_string(icon.size) + "x" + std::to_string(icon.size);
        const std::string png = test::fileText(fs::path(DAUBWERK_SOURCE_DIR) / "resources/icons" /
                                               ("daubwerk-" + std::to_string(icon.size) + ".png"));
        EXPECT_EQ(test::fileText(share() / "icons/hicolor" / size / "apps/daubwerk.png"), png);
        EXPECT_EQ(test::fileText(share() / "icons/hicolor" / size /
                                 "mimetypes/application-x-daubwerk-painting.png"),
                  png);
    }
    if (toolInstalled("desktop-file-validate")) {
        const std::string check =
            "desktop-file-validate '" + (share() / "applications/daubwerk.desktop").string() + "'";
        EXPECT_EQ(std::system(check.c_str()), 0);
    }
}

TEST_F(FileTypeRegistration, SecondRunLeavesEveryFileAsItWas) {
    ASSERT_TRUE(RegisterFileType(target()));
    const auto before = snapshot(share());
    ASSERT_TRUE(RegisterFileType(target()));
    EXPECT_EQ(snapshot(share()), before);
}

// A file where a folder belongs stops the registration at the step it blocks, said once.
TEST_F(FileTypeRegistration, ABlockedStepShowsItsMessageOnceAndReturns) {
    const std::pair<fs::path, const char*> blocked[] = {
        {share(), "Couldn't set filetype key!"},
        {share() / "icons/hicolor", "Couldn't set icon key!"}};
    for (const auto& [path, message] : blocked) {
        fs::remove_all(share());
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "in the way";
        messages.boxes().clear();
        EXPECT_FALSE(RegisterFileType(target()));
        ASSERT_EQ(messages.texts(), std::vector<std::string>{message});
        EXPECT_EQ(messages.shown()[0].caption, "Error");
    }
}

TEST_F(FileTypeRegistration, DesktopKnowsPaintingsByNameAndByContent) {
    if (!toolInstalled("update-mime-database") || !toolInstalled("xdg-mime")) {
        GTEST_SKIP() << "the desktop's mime tools are not installed";
    }
    ASSERT_TRUE(RegisterFileType(target()));
    std::ofstream(dir.file("a.pai")) << "anything";
    std::ofstream(dir.file("painting"), std::ios::binary) << std::string("\xD7\x5E\0\0rest", 8);
    for (const char* name : {"a.pai", "painting"}) {
        // As a desktop asks: through the shared mime database under the data home.
        const std::string command = "XDG_DATA_HOME='" + share().string() +
                                    "' XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype '" +
                                    dir.file(name) + "' > '" + dir.file("type.txt") + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
        EXPECT_EQ(test::fileText(dir.file("type.txt")), "application/x-daubwerk-painting\n")
            << name;
    }
}

}  // namespace
}  // namespace dw::platform
