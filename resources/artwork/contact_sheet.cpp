#include "resources/artwork/contact_sheet.h"

#include <algorithm>
#include <string>

#include "resources/artwork/bitmap_font.h"
#include "resources/artwork/paint_styles.h"
#include "resources/artwork/panel_mockups.h"
#include "resources/artwork/paper_textures.h"

namespace dw::artwork {
namespace {

constexpr int kSheetWidth = 1900;
constexpr int kMargin = 24;
constexpr int kGap = 18;
constexpr Rgb kBackground{62, 60, 58};
constexpr Rgb kCaption{214, 210, 204};
constexpr Rgb kHeading{255, 255, 255};

// Places pictures left to right with a caption under each, wrapping at the sheet's width.
class SheetLayout {
  public:
    void section(std::string title) {
        newRow();
        y_ += rowHeight_ == 0 && items_.empty() ? 0 : 10;
        headings_.push_back({kMargin, y_, std::move(title)});
        y_ += 22;
    }
    void add(Picture picture, std::string caption) {
        const int width = std::max(picture.width(), textWidth(caption));
        if (x_ + width > kSheetWidth - kMargin && x_ > kMargin) {
            newRow();
        }
        items_.push_back({x_, y_, std::move(picture), std::move(caption)});
        x_ += width + kGap;
        rowHeight_ = std::max(rowHeight_, items_.back().picture.height() + 16);
    }
    Picture render() {
        newRow();
        Picture sheet(kSheetWidth, y_ + kMargin, kBackground);
        for (const Heading& heading : headings_) {
            drawText(sheet, heading.x, heading.y, heading.text, kHeading, Weight::Bold);
            sheet.fillRect(heading.x, heading.y + 12, kSheetWidth - kMargin, heading.y + 13,
                           Rgb{100, 97, 94});
        }
        for (const Item& item : items_) {
            sheet.paste(item.picture, item.x, item.y);
            drawText(sheet, item.x, item.y + item.picture.height() + 4, item.caption, kCaption);
        }
        return sheet;
    }

  private:
    struct Item {
        int x;
        int y;
        Picture picture;
        std::string caption;
    };
    struct Heading {
        int x;
        int y;
        std::string text;
    };
    void newRow() {
        y_ += rowHeight_;
        if (rowHeight_ > 0) {
            y_ += 8;
        }
        rowHeight_ = 0;
        x_ = kMargin;
    }

    int x_ = kMargin;
    int y_ = kMargin;
    int rowHeight_ = 0;
    std::vector<Item> items_;
    std::vector<Heading> headings_;
};

Picture enlarged(const Picture& picture, int factor) {
    Picture big(picture.width() * factor, picture.height() * factor);
    for (int y = 0; y < big.height(); ++y) {
        for (int x = 0; x < big.width(); ++x) {
            big.set(x, y, picture.at(x / factor, y / factor));
        }
    }
    return big;
}

std::string sizeText(const Picture& p) {
    return std::to_string(p.width()) + "x" + std::to_string(p.height());
}

bool isPattern(const ArtworkEntry& entry) {
    return !entry.folder.empty();
}

}  // namespace

Picture contactSheet(const std::vector<ArtworkEntry>& entries) {
    SheetLayout sheet;
    sheet.section("Panels as the program composes them");
    for (Mockup& mockup : panelMockups(entries)) {
        sheet.add(std::move(mockup.picture), mockup.title);
    }

    sheet.section("Tool buttons, up and selected, at three times their size");
    for (const ArtworkEntry& entry : entries) {
        if (entry.picture.width() == 32 && entry.picture.height() == 28) {
            sheet.add(enlarged(storedPicture(entry), 3), entry.name);
        }
    }

    sheet.section("Every picture at its size");
    std::vector<const ArtworkEntry*> order;
    for (const ArtworkEntry& entry : entries) {
        if (!isPattern(entry)) {
            order.push_back(&entry);
        }
    }
    // Small pictures first so that rows fill evenly.
    std::stable_sort(order.begin(), order.end(), [](const ArtworkEntry* a, const ArtworkEntry* b) {
        return a->picture.height() < b->picture.height();
    });
    for (const ArtworkEntry* entry : order) {
        sheet.add(storedPicture(*entry), entry->name + " " + sizeText(entry->picture));
    }

    sheet.section("Paint styles (Styles/paint0 .. paint17), 200x200, added to the paint colour");
    for (const ArtworkEntry& entry : entries) {
        if (entry.folder == "Styles/") {
            const int n = std::stoi(entry.name.substr(5));
            sheet.add(storedPicture(entry), entry.name + " " + paintStyleTitle(n));
        }
    }
    sheet.section("Paper textures (Textures/bump0 .. bump17), 200x200, bright is raised");
    for (const ArtworkEntry& entry : entries) {
        if (entry.folder == "Textures/") {
            const int n = std::stoi(entry.name.substr(4));
            sheet.add(storedPicture(entry), entry.name + " " + paperTextureTitle(n));
        }
    }
    return sheet.render();
}

}  // namespace dw::artwork
