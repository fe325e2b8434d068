#include "resources/artwork/artwork_catalogue.h"

#include <filesystem>
#include <iostream>
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
    const auto add = [&](std::string name, Store store, Picture picture, std::string folder = "") {
        entries.push_back({std::move(name), std::move(folder), store, std::move(picture)});
    };
    const auto addPair = [&](const std::string& stem, Store store, Picture up, Picture down) {
        add(stem + "0", store, std::move(up));
        add(stem + "1", store, std::move(down));
    };

    for (const ToolPictures& tool : kTools) {
        addPair(tool.name, Store::Colour, toolButtonPicture(tool.painter, ButtonLook::Up),
                toolButtonPicture(tool.painter, ButtonLook::Down));
    }
    // Kept for a paste command; it has the size of a tool button.
    add("paste", Store::Colour, toolButtonPicture(drawClipboard, ButtonLook::Up));
    add("brushes", Store::Colour, toolHeaderPicture("Brushes"));
    add("tools", Store::Colour, toolHeaderPicture("Tools"));
    add("effects", Store::Colour, toolHeaderPicture("Effects"));
    add("toolsview", Store::Colour, toolsPanelPicture());

    add("properties", Store::Colour, propertiesPicture());
    add("styles", Store::Colour, stylesPicture());
    add("shape", Store::Colour, shapePicture());
    addPair("tpaint", Store::Colour, stylesTabPicture("Paint", false),
            stylesTabPicture("Paint", true));
    addPair("ttexture", Store::Colour, stylesTabPicture("Texture", false),
            stylesTabPicture("Texture", true));
    // The shape tab's pair is the other way round: "tshape1" is its normal look.
    addPair("tshape", Store::Colour, stylesTabPicture("Shape", true),
            stylesTabPicture("Shape", false));
    add("tab", Store::Colour, sliderKnobPicture());

    add("colordlg", Store::Colour, coloursPanelPicture());
    add("colors", Store::Colour, colourPickPicture());

    add("palette", Store::Colour, palettePicture());
    add("strokes", Store::Colour, strokesPicture());
    addPair("tbrushes", Store::Colour, paletteTabPicture("Brushes", false),
            paletteTabPicture("Brushes", true));
    addPair("tstrokes", Store::Colour, paletteTabPicture("Strokes", false),
            paletteTabPicture("Strokes", true));
    addPair("check", Store::Colour, switchPicture(false), switchPicture(true));
    addPair("add", Store::Colour, addButtonPicture(ButtonLook::Up),
            addButtonPicture(ButtonLook::Down));
    addPair("delete", Store::Colour, deleteButtonPicture(ButtonLook::Up),
            deleteButtonPicture(ButtonLook::Down));
    addPair("savelist", Store::Colour, listButtonPicture("Save list", ButtonLook::Up),
            listButtonPicture("Save list", ButtonLook::Down));
    addPair("loadlist", Store::Colour, listButtonPicture("Load list", ButtonLook::Up),
            listButtonPicture("Load list", ButtonLook::Down));

    add("splash", Store::Colour, splashPicture());

    add("filenew", Store::Grey, newImagePicture());
    addPair("okay", Store::Grey, dialogButtonPicture("OK", ButtonLook::Up),
            dialogButtonPicture("OK", ButtonLook::Down));
    addPair("cancel", Store::Grey, dialogButtonPicture("Cancel", ButtonLook::Up),
            dialogButtonPicture("Cancel", ButtonLook::Down));
    addPair("continue", Store::Grey, dialogButtonPicture("Continue", ButtonLook::Up),
            dialogButtonPicture("Continue", ButtonLook::Down));
    add("gloss", Store::Grey, glossPicture());

    for (int i = 0; i < kPatternPictures; ++i) {
        add("paint" + std::to_string(i), Store::Grey, paintStylePicture(i), "Styles/");
    }
    for (int i = 0; i < kPatternPictures; ++i) {
        add("bump" + std::to_string(i), Store::Grey, paperTexturePicture(i), "Textures/");
    }
    return entries;
}

bool writeArtwork(const std::vector<ArtworkEntry>& entries, const std::string& workDataFolder) {
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
