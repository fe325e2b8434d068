#include <array>
#include <cctype>

#include "app/batch/batch_step.h"
#include "app/painting_commands.h"
#include "app/pictures/export_picture.h"
#include "app/pictures/import_picture.h"
#include "app/pictures/thumbnail.h"

namespace dw::batch {
namespace {

bool endsWith(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const char c = text[text.size() - suffix.size() + i];
        if (std::tolower(static_cast<unsigned char>(c)) != suffix[i]) {
            return false;
        }
    }
    return true;
}

// Written through DevIL; .bmp is the program's own writer.
constexpr std::array<std::string_view, 5> kDevilExports = {".png", ".jpg", ".jpeg", ".tif",
                                                           ".tiff"};

bool stepExport(AppState& state, const StepArguments& args) {
    if (endsWith(args[0], ".bmp")) {
        return exportPaintingBitmap(state, args[0]);
    }
    for (std::string_view extension : kDevilExports) {
        if (endsWith(args[0], extension)) {
            return exportPaintingPicture(state, args[0]);
        }
    }
    reportStepError("--export writes .bmp, .png, .jpg, .jpeg, .tif or .tiff files; \"" + args[0] +
                    "\" names another kind");
    return false;
}

bool stepImport(AppState& state, const StepArguments& args) {
    return importPicture(state, args[0]);
}

// The largest side a thumbnail is asked for, with room to spare.
constexpr uint32_t kMaxThumbnailSize = 5000;

bool stepThumbnail(AppState& state, const StepArguments& args) {
    uint32_t size = 0;
    if (!parseUnsigned(args[0], size, "the thumbnail size")) {
        return false;
    }
    if (size < 1 || size > kMaxThumbnailSize) {
        reportStepError("the thumbnail size must lie in 1.." + std::to_string(kMaxThumbnailSize));
        return false;
    }
    return writeThumbnail(state, size, args[1]);
}

}  // namespace

void addPictureSteps(std::vector<StepSpec>& steps) {
    steps.push_back({"--import", "PICTURE", "File > Import Image: the picture as a new painting", 1,
                     1, stepImport});
    steps.push_back({"--export", "PATH",
                     "shade and write the painting as shown (.bmp, .png, .jpg, .tif)", 1, 1,
                     stepExport});
    steps.push_back({"--thumbnail", "SIZE PATH",
                     "write the painting as shown, fitted into SIZE x SIZE, as a PNG file", 2, 2,
                     stepThumbnail});
}

}  // namespace dw::batch
