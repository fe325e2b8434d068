#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <cstdlib>
#include <fstream>

#include "commands/command_ids.h"
#include "files/image_file.h"
#include "platform/dialog_paths.h"
#include "platform/qt/qt_file_dialogs.h"
#include "tests/gui/gui_fixture.h"

namespace dw::test {
namespace {

namespace fs = std::filesystem;

// A home of the test's own with a Pictures folder the desktop names.
class FileDialogs : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        fs::create_directories(file("home/.config"));
        fs::create_directories(file("home/My Pictures"));
        std::ofstream(file("home/.config/user-dirs.dirs"))
            << "# written by xdg-user-dirs-update\nXDG_PICTURES_DIR=\"$HOME/My Pictures\"\n";
        setenv("HOME", file("home").c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        platform::forgetDialogPaths();
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
        }
        GuiTest::TearDown();
    }
    const platform::FileDialogRequest& lastAsked() const { return dialogs.asked().back(); }

  private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(FileDialogs, EachKindIsTitledByItsCommandAndRemembersOnlyWhatServed) {
    const std::string pictures = file("home/My Pictures");
    command(command::kSave);
    EXPECT_EQ(lastAsked().title, "Save As");
    EXPECT_EQ(lastAsked().startPath, pictures);
    std::ofstream(file("broken.pai")) << "no painting";
    dialogs.queueAnswer(file("broken.pai"));
    command(command::kOpen);
    EXPECT_EQ(lastAsked().title, "Open");
    command(command::kOpen);
    EXPECT_EQ(lastAsked().startPath, pictures);  // the failed Open is not offered again

    dialogs.queueAnswer(file("painting.pai"));
    command(command::kSave);
    dialogs.queueAnswer(file("sketch.v2"));
    command(command::kExportImage);
    EXPECT_EQ(lastAsked().title, "Export Image");
    EXPECT_EQ(lastAsked().startPath, pictures);  // not the painting's name
    EXPECT_EQ(lastAsked().filters[1].pattern, "*.png;*.PNG");
    Surface written;
    EXPECT_TRUE(LoadImageFile(written, file("sketch.v2.bmp")));
    EXPECT_FALSE(fs::exists(file("sketch.v2")));
    command(command::kImportImage);
    EXPECT_EQ(lastAsked().title, "Import Image");
    EXPECT_EQ(lastAsked().startPath, pictures);
    EXPECT_EQ(lastAsked().filters[0].displayText, "All Formats");
    command(command::kExportImage);
    EXPECT_EQ(lastAsked().startPath, file("sketch.v2.bmp"));
    command(command::kOpen);
    EXPECT_EQ(lastAsked().startPath, file("painting.pai"));
}

// The real dialog completes a typed name before it checks for a file to replace.
TEST_F(FileDialogs, TheExportDialogCompletesTheTypedName) {
    platform::QtFileDialogs real;
    QString title;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        QLineEdit* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("picture.v2");
        QTest::keyClick(name, Qt::Key_Return);
    });
    platform::installFileDialogs(&real);
    command(command::kExportImage);
    platform::installFileDialogs(&dialogs);
    EXPECT_EQ(title, "Export Image");
    EXPECT_TRUE(fs::exists(file("home/My Pictures/picture.v2.bmp")));
}

}  // namespace
}  // namespace dw::test
