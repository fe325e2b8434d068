#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "resources/artwork/artwork_catalogue.h"

namespace dw::artwork {
namespace {

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

TEST_F(Catalogue, DrawsEveryListedPictureOnceAtItsSize) {
    EXPECT_EQ(catalogueMismatches(*entries_), std::vector<std::string>{});
}

TEST_F(Catalogue, MismatchesAreNamed) {
    std::vector<ArtworkEntry> entries = *entries_;
    entries.push_back(entries.front());
    entries.push_back({"stray", "", Store::Colour, Picture(2, 2)});
    entries.erase(entries.begin() + 1);         // pbrush1
    entries.front().picture = Picture(31, 28);  // pbrush0
    EXPECT_EQ(catalogueMismatches(entries),
              (std::vector<std::string>{
                  "pbrush0 is drawn at 31 x 28, listed at 32 x 28", "pbrush0 is drawn twice",
                  "stray is drawn but not in the catalogue", "pbrush1 is listed but not drawn"}));
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
