// daubwerk-artwork: draws every picture the program fetches by name.
//
//   daubwerk-artwork [WORKDATA] [--contact-sheet PNG] [--stroke-preview PNG] [--icons FOLDER]
//
// WORKDATA receives the BMP files (WorkData/, with Styles/ and Textures/ below it).
#include <filesystem>
#include <iostream>
#include <string>

#include "resources/artwork/artwork_catalogue.h"
#include "resources/artwork/contact_sheet.h"
#include "resources/artwork/png_file.h"
#include "resources/artwork/program_icon.h"
#include "resources/artwork/stroke_preview.h"

namespace {

struct Options {
    std::string workData;
    std::string contactSheet;
    std::string strokePreview;
    std::string icons;
};

void printUsage() {
    std::cerr << "usage: daubwerk-artwork [WORKDATA] [--contact-sheet PNG] "
                 "[--stroke-preview PNG] [--icons FOLDER]\n";
}

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string* target = nullptr;
        if (arg == "--contact-sheet") {
            target = &options.contactSheet;
        } else if (arg == "--stroke-preview") {
            target = &options.strokePreview;
        } else if (arg == "--icons") {
            target = &options.icons;
        } else if (!arg.empty() && arg[0] != '-' && options.workData.empty()) {
            options.workData = arg;
            continue;
        } else {
            std::cerr << "daubwerk-artwork: unexpected argument \"" << arg << "\"\n";
            return false;
        }
        if (i + 1 >= argc) {
            std::cerr << "daubwerk-artwork: " << arg << " needs a path\n";
            return false;
        }
        *target = argv[++i];
    }
    if (options.workData.empty() && options.contactSheet.empty() && options.strokePreview.empty() &&
        options.icons.empty()) {
        std::cerr << "daubwerk-artwork: nothing to do\n";
        return false;
    }
    return true;
}

bool writeIcons(const std::string& folder) {
    using namespace dw::artwork;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (int side : {16, 32, 48, 256}) {
        const TransparentPicture icon = programIcon(side);
        if (!writePng(icon.colour, folder + "/daubwerk-" + std::to_string(side) + ".png",
                      icon.alpha)) {
            return false;
        }
    }
    const TransparentPicture cursor = canvasCursor();
    return writePng(cursor.colour, folder + "/canvas-cursor.png", cursor.alpha);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace dw::artwork;
    Options options;
    if (!parse(argc, argv, options)) {
        printUsage();
        return 2;
    }
    const std::vector<ArtworkEntry> entries = drawArtwork();
    bool ok = true;
    if (!options.workData.empty()) {
        ok = writeArtwork(entries, options.workData) && ok;
    }
    if (!options.contactSheet.empty()) {
        ok = writePng(contactSheet(entries), options.contactSheet) && ok;
    }
    if (!options.strokePreview.empty()) {
        ok = writePng(strokePreview(entries), options.strokePreview) && ok;
    }
    if (!options.icons.empty()) {
        ok = writeIcons(options.icons) && ok;
    }
    return ok ? 0 : 1;
}
