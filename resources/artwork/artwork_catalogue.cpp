#include "resources/artwork/artwork_catalogue.h"

#include <filesystem>
#include <iostream>
#include <map>
#include <string_view>
#include <system_error>

#include "files/bitmap_export.h"
#include "resources/artwork/gloss_picture.h"
#include "resources/artwork/paint_styles.h"
#include "resources/artwork/panel_art.h"
#include "resources/artwork/paper_textures.h"

namespace dw::artwork {
namespace {

struct ToolPictures {
    const char* name;
    PictogramPainter painter;
};

// Button picture names of the tools, in the order of the tools panel.
const ToolPictures kTools[] = {
    {"pbrush", drawPaintBrush},  {"brush", drawTubePaint},   {"spray", drawSprayPaint},
    {"water", drawGelBrush},     {"knife", drawKnife},       {"finger", drawFinger},
    {"sponge", drawSponge},      {"erase", drawEraser},      {"hand", drawHand},
    {"dropper", drawEyeDropper}, {"sun", drawSun},           {"moon", drawMoon},
    {"shine", drawGlossBall},    {"unshine", drawMatteBall}, {"raise", drawRaise},
    {"lower", drawLower},        {"fill", drawPaintBucket},
};

}  // namespace

Surface ArtworkEntry::surface() const {
    return store == Store::Grey ? picture.toGreySurface() : picture.toSurface();
}

std::vector<ArtworkEntry> drawArtwork() {
    std::vector<ArtworkEntry> entries;
    const auto add = [&](std::string name, Picture picture) {
        const CataloguedPicture* listed = findCataloguedPicture(name);
        ArtworkEntry entry{std::move(name), "", Store::Colour, std::move(picture)};
        if (listed) {
            entry.folder = listed->folder;
            entry.store = listed->store;
        }
        entries.push_back(std::move(entry));
    };
    const auto addPair = [&](const std::string& stem, Picture up, Picture down) {
        add(stem + "0", std::move(up));
        add(stem + "1", std::move(down));
    };

    for (const ToolPictures& tool : kTools) {
        addPair(tool.name, toolButtonPicture(tool.painter, ButtonLook::Up),
                toolButtonPicture(tool.painter, ButtonLook::Down));
    }
    // Kept for a paste command; it has the size of a tool button.
    add("paste", toolButtonPicture(drawClipboard, ButtonLook::Up));
    add("brushes", toolHeaderPicture("Brushes"));
    add("tools", toolHeaderPicture("Tools"));
    add("effects", toolHeaderPicture("Effects"));
    add("toolsview", toolsPanelPicture());

    add("properties", propertiesPicture());
    add("styles", stylesPicture());
    add("shape", shapePicture());
    addPair("tpaint", stylesTabPicture("Paint", false), stylesTabPicture("Paint", true));
    addPair("ttexture", stylesTabPicture("Texture", false), stylesTabPicture("Texture", true));
    // The shape tab's pair is the other way round: "tshape1" is its normal look.
    addPair("tshape", stylesTabPicture("Shape", true), stylesTabPicture("Shape", false));
    add("tab", sliderKnobPicture());

    add("colordlg", coloursPanelPicture());
    add("colors", colourPickPicture());

    add("palette", palettePicture());
    add("strokes", strokesPicture());
    addPair("tbrushes", paletteTabPicture("Brushes", false), paletteTabPicture("Brushes", true));
    addPair("tstrokes", paletteTabPicture("Strokes", false), paletteTabPicture("Strokes", true));
    addPair("check", switchPicture(false), switchPicture(true));
    addPair("add", addButtonPicture(ButtonLook::Up), addButtonPicture(ButtonLook::Down));
    addPair("delete", deleteButtonPicture(ButtonLook::Up), deleteButtonPicture(ButtonLook::Down));
    addPair("savelist", listButtonPicture("Save list", ButtonLook::Up),
            listButtonPicture("Save list", ButtonLook::Down));
    addPair("loadlist", listButtonPicture("Load list", ButtonLook::Up),
            listButtonPicture("Load list", ButtonLook::Down));

    add("splash", splashPicture());

    add("filenew", newImagePicture());
    addPair("okay", dialogButtonPicture("OK", ButtonLook::Up),
            dialogButtonPicture("OK", ButtonLook::Down));
    addPair("cancel", dialogButtonPicture("Cancel", ButtonLook::Up),
            dialogButtonPicture("Cancel", ButtonLook::Down));
    addPair("continue", dialogButtonPicture("Continue", ButtonLook::Up),
            dialogButtonPicture("Continue", ButtonLook::Down));
    add("gloss", glossPicture());

    for (int i = 0; i < kPatternPictures; ++i) {
        add("paint" + std::to_string(i), paintStylePicture(i));
    }
    for (int i = 0; i < kPatternPictures; ++i) {
        add("bump" + std::to_string(i), paperTexturePicture(i));
    }
    return entries;
}

std::vector<std::string> catalogueMismatches(const std::vector<ArtworkEntry>& entries) {
    std::vector<std::string> problems;
    std::map<std::string_view, int> drawn;
    for (const ArtworkEntry& entry : entries) {
        const CataloguedPicture* listed = findCataloguedPicture(entry.name);
        if (!listed) {
            problems.push_back(entry.name + " is drawn but not in the catalogue");
            continue;
        }
        if (++drawn[listed->name] > 1) {
            problems.push_back(entry.name + " is drawn twice");
        }
        if (uint32_t(entry.picture.width()) != listed->width ||
            uint32_t(entry.picture.height()) != listed->height) {
            problems.push_back(
                entry.name + " is drawn at " + std::to_string(entry.picture.width()) + " x " +
                std::to_string(entry.picture.height()) + ", listed at " +
                std::to_string(listed->width) + " x " + std::to_string(listed->height));
        }
    }
    for (const CataloguedPicture& listed : kPictureCatalogue) {
        if (!drawn.contains(listed.name)) {
            problems.push_back(std::string(listed.name) + " is listed but not drawn");
        }
    }
    return problems;
}

bool writeArtwork(const std::vector<ArtworkEntry>& entries, const std::string& workDataFolder) {
    const std::vector<std::string> problems = catalogueMismatches(entries);
    for (const std::string& problem : problems) {
        std::cerr << "picture catalogue: " << problem << "\n";
    }
    if (!problems.empty()) {
        return false;
    }
    const std::filesystem::path root(workDataFolder);
    for (const char* folder : {"", "Styles", "Textures"}) {
        std::error_code error;
        std::filesystem::create_directories(root / folder, error);
        if (error) {
            std::cerr << "Cannot create the folder " << (root / folder).string() << ": "
                      << error.message() << "\n";
            return false;
        }
    }
    for (const ArtworkEntry& entry : entries) {
        const std::string path = (root / entry.relativePath()).string();
        if (!WriteBitmapFile(entry.surface(), path)) {
            std::cerr << "Cannot write " << path << "\n";
            return false;
        }
    }
    return true;
}

}  // namespace dw::artwork
