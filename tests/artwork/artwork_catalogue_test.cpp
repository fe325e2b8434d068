#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/artwork/artwork_catalogue.h"
#include "widgets/panel_layout.h"

namespace dw::artwork {
namespace {

// Drawn once, at first use, for all the cases.
const std::vector<ArtworkEntry>& entries() {
    static const std::vector<ArtworkEntry> all = drawArtwork();
    return all;
}
const ArtworkEntry* find(const std::string& name) {
    const auto it = std::find_if(entries().begin(), entries().end(),
                                 [&](const ArtworkEntry& entry) { return entry.name == name; });
    return it == entries().end() ? nullptr : &*it;
}
const Picture& picture(const std::string& name) {
    return find(name)->picture;
}

TEST(Catalogue, DrawsEveryListedPictureOnceAtItsSizeAndNamesEachMismatch) {
    EXPECT_EQ(catalogueMismatches(entries()), std::vector<std::string>{});
    std::vector<ArtworkEntry> changed = entries();
    changed.push_back(changed.front());
    changed.push_back({"stray", "", Store::Colour, Picture(2, 2)});
    changed.erase(changed.begin() + 1);         // pbrush1
    changed.front().picture = Picture(31, 28);  // pbrush0
    EXPECT_EQ(catalogueMismatches(changed),
              (std::vector<std::string>{
                  "pbrush0 is drawn at 31 x 28, listed at 32 x 28", "pbrush0 is drawn twice",
                  "stray is drawn but not in the catalogue", "pbrush1 is listed but not drawn"}));
}

TEST(Catalogue, BothLooksOfAButtonHaveOneSize) {
    for (const ArtworkEntry& entry : entries()) {
        if (entry.name.back() != '0' || entry.folder != "") {
            continue;
        }
        const std::string twin = entry.name.substr(0, entry.name.size() - 1) + "1";
        ASSERT_NE(find(twin), nullptr) << entry.name;
        EXPECT_EQ(find(twin)->picture.width(), entry.picture.width()) << entry.name;
        EXPECT_EQ(find(twin)->picture.height(), entry.picture.height()) << entry.name;
    }
}

// Each button picture fits where the layout table places it, clear of its neighbours.
TEST(Catalogue, ButtonsFitTheirPanelsWithoutOverlapping) {
    using namespace layout;
    for (const char* header : {"brushes", "tools", "effects"}) {
        EXPECT_EQ(picture(header).height(), kToolHeaderHeight) << header;
    }
    EXPECT_EQ(picture("brush0").height(), kToolButtonHeight);
    EXPECT_EQ(picture("toolsview").height(), kToolsHeight);
    EXPECT_LE(kToolColumnRight + picture("brush0").width(), picture("toolsview").width());
    const Picture& palette = picture("palette");
    EXPECT_LE(kAddButton.x + picture("add0").width(), palette.width());
    EXPECT_LT(kDeleteButton.x + picture("delete0").width(), kAddButton.x);
    EXPECT_LT(kSaveListButton.x + picture("savelist0").width(), kLoadListButton.x);
    EXPECT_LE(kAddButton.y + picture("add0").height(), palette.height());
    EXPECT_LE(kCancelButton.x + picture("cancel0").width(), picture("filenew").width());
    EXPECT_LT(kOkButton.x + picture("okay0").width(), kCancelButton.x);
    EXPECT_LE(kOkButton.y + picture("okay0").height(), picture("filenew").height());
    EXPECT_LE(styleTabX(2) + picture("tpaint0").width(), picture("styles").width());
    EXPECT_LE(kPageTop + picture("shape").height(), picture("styles").height());
    EXPECT_LE(kTabTop + picture("tpaint0").height(), kGridOrigin.y) << "tabs reach the grid";
    EXPECT_LT(kFadeAmountSwitch.x + picture("check0").width(),
              knobLeft(kFadeAmountSlider, 0.0f, kKnobWidth))
        << "switch meets a slider knob";
}

// The colours panel picks from "colors" at (4, 76) but shows "colordlg": they must agree.
TEST(Catalogue, ColourPanelShowsWhatItPicks) {
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

TEST(Catalogue, PickPictureOffersPureWhiteBlackAndPrimaries) {
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
