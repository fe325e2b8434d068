#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "resources/artwork/artwork_catalogue.h"

namespace dw::artwork {
namespace {

// The names the program asks its two picture stores for.
const char* const kColourStore[] = {
    "tpaint0",   "tpaint1",    "ttexture0", "ttexture1", "tshape0",   "tshape1",   "styles",
    "shape",     "brushes",    "tools",     "effects",   "toolsview", "brush0",    "brush1",
    "erase0",    "erase1",     "spray0",    "spray1",    "sponge0",   "sponge1",   "fill0",
    "fill1",     "dropper0",   "dropper1",  "water0",    "water1",    "pbrush0",   "pbrush1",
    "hand0",     "hand1",      "shine0",    "shine1",    "unshine0",  "unshine1",  "raise0",
    "raise1",    "lower0",     "lower1",    "knife0",    "knife1",    "finger0",   "finger1",
    "sun0",      "sun1",       "moon0",     "moon1",     "check0",    "check1",    "strokes",
    "add0",      "add1",       "delete0",   "delete1",   "palette",   "savelist0", "savelist1",
    "loadlist0", "loadlist1",  "tbrushes0", "tbrushes1", "tstrokes0", "tstrokes1", "colors",
    "colordlg",  "properties", "splash",    "paste",     "tab"};
const char* const kGreyStore[] = {"okay0",     "okay1",     "cancel0", "cancel1",
                                  "continue0", "continue1", "filenew", "gloss"};

class Catalogue : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        entries_ = new std::vector<ArtworkEntry>(drawArtwork());
        byName_ = new std::map<std::string, const ArtworkEntry*>;
        for (const ArtworkEntry& entry : *entries_) {
            (*byName_)[entry.name] = &entry;
        }
    }
    static void TearDownTestSuite() {
        delete byName_;
        delete entries_;
    }
    static const ArtworkEntry* find(const std::string& name) {
        const auto it = byName_->find(name);
        return it == byName_->end() ? nullptr : it->second;
    }
    static const Picture& picture(const std::string& name) { return find(name)->picture; }

    static std::vector<ArtworkEntry>* entries_;
    static std::map<std::string, const ArtworkEntry*>* byName_;
};

std::vector<ArtworkEntry>* Catalogue::entries_ = nullptr;
std::map<std::string, const ArtworkEntry*>* Catalogue::byName_ = nullptr;

TEST_F(Catalogue, HoldsEveryRequestedNameOnceInItsStore) {
    std::set<std::string> seen;
    for (const ArtworkEntry& entry : *entries_) {
        EXPECT_TRUE(seen.insert(entry.folder + entry.name).second) << entry.name << " twice";
    }
    for (const char* name : kColourStore) {
        ASSERT_NE(find(name), nullptr) << name;
        EXPECT_EQ(find(name)->store, Store::Colour) << name;
        EXPECT_EQ(find(name)->folder, "") << name;
    }
    for (const char* name : kGreyStore) {
        ASSERT_NE(find(name), nullptr) << name;
        EXPECT_EQ(find(name)->store, Store::Grey) << name;
    }
    for (int i = 0; i < 18; ++i) {
        const ArtworkEntry* style = find("paint" + std::to_string(i));
        const ArtworkEntry* texture = find("bump" + std::to_string(i));
        ASSERT_TRUE(style && texture) << i;
        EXPECT_EQ(style->folder, "Styles/");
        EXPECT_EQ(texture->folder, "Textures/");
        EXPECT_EQ(style->store, Store::Grey);
        EXPECT_EQ(texture->store, Store::Grey);
    }
    EXPECT_EQ(entries_->size(), std::size(kColourStore) + std::size(kGreyStore) + 36);
}

TEST_F(Catalogue, BothLooksOfAButtonHaveOneSize) {
    for (const ArtworkEntry& entry : *entries_) {
        if (entry.name.back() != '0' || entry.folder != "") {
            continue;
        }
        const std::string twin = entry.name.substr(0, entry.name.size() - 1) + "1";
        ASSERT_NE(find(twin), nullptr) << entry.name;
        EXPECT_EQ(find(twin)->picture.width(), entry.picture.width()) << entry.name;
        EXPECT_EQ(find(twin)->picture.height(), entry.picture.height()) << entry.name;
    }
}

// The tools panel is 3 x (H + 2) + 226 high for a header of height H; the rows of tool
// buttons that the program stacks into it must end inside it.
TEST_F(Catalogue, ToolButtonsFitTheToolsPanel) {
    const int header = picture("brushes").height();
    const int button = picture("brush0").height();
    EXPECT_EQ(picture("tools").height(), header);
    EXPECT_EQ(picture("effects").height(), header);
    const Picture& panel = picture("toolsview");
    EXPECT_EQ(panel.height(), 3 * (header + 2) + 226);
    EXPECT_EQ(panel.width(), 68);
    int y = header;   // first row of tools
    y += 3 * button;  // three more rows of brushes
    y += button + 2;  // the "tools" header
    y += header;      // Hand Tool and Eye Dropper
    y += button + 2;  // the "effects" header
    y += header;      // Brighten and Darken
    y += 2 * button;  // Gloss and Matte, Raise and Lower
    EXPECT_LE(y + 2 + button, panel.height());
    EXPECT_LE(34 + picture("brush0").width(), panel.width());
}

TEST_F(Catalogue, ButtonsFitTheirPanelsWithoutOverlapping) {
    const int palette = picture("palette").width();
    EXPECT_LE(245 + picture("add0").width(), palette);
    EXPECT_LT(213 + picture("delete0").width(), 245);
    EXPECT_LT(8 + picture("savelist0").width(), 78);
    EXPECT_LE(178 + picture("add0").height(), picture("palette").height());
    EXPECT_LE(130 + picture("cancel0").width(), picture("filenew").width());
    EXPECT_LT(30 + picture("okay0").width(), 130);
    EXPECT_LE(100 + picture("okay0").height(), picture("filenew").height());
    // Three tabs sharing border columns on the 280-wide styles panel.
    EXPECT_LE(3 + 3 * (picture("tpaint0").width() - 1) + 1, picture("styles").width());
    EXPECT_LE(18 + picture("shape").height(), picture("styles").height());
    EXPECT_LE(picture("tpaint0").height() + 1, 19) << "tabs reach into the thumbnail grid";
    EXPECT_LT(144 + picture("check0").width(), 167) << "switch meets a slider knob";
}

// The colours panel picks from "colors" at (4, 76) but shows "colordlg": they must agree.
TEST_F(Catalogue, ColourPanelShowsWhatItPicks) {
    const Picture& pick = picture("colors");
    const Picture& panel = picture("colordlg");
    ASSERT_LE(4 + pick.width(), panel.width());
    ASSERT_LE(76 + pick.height(), panel.height());
    int different = 0;
    for (int y = 0; y < pick.height(); ++y) {
        for (int x = 0; x < pick.width(); ++x) {
            const Rgb a = pick.at(x, y);
            const Rgb b = panel.at(x + 4, y + 76);
            different += (a.r != b.r || a.g != b.g || a.b != b.b) ? 1 : 0;
        }
    }
    EXPECT_EQ(different, 0);
}

TEST_F(Catalogue, PickPictureOffersPureWhiteBlackAndPrimaries) {
    const Surface pick = find("colors")->surface();
    bool white = false, black = false, red = false, green = false, blue = false;
    for (uint32_t y = 0; y < pick.height(); ++y) {
        for (uint32_t x = 0; x < pick.width(); ++x) {
            const Pixel p = pick.getPixel(x, y);
            white |= p.red == 255 && p.green == 255 && p.blue == 255;
            black |= p.red == 0 && p.green == 0 && p.blue == 0;
            red |= p.red == 255 && p.green < 10 && p.blue < 10;
            green |= p.green == 255 && p.red < 10 && p.blue < 10;
            blue |= p.blue == 255 && p.red < 10 && p.green < 10;
        }
    }
    EXPECT_TRUE(white && black && red && green && blue);
}

}  // namespace
}  // namespace dw::artwork
