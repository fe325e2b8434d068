#include "batch/batch_step.h"
#include "core/pictures/export_picture.h"
#include "core/pictures/import_picture.h"
#include "core/pictures/thumbnail.h"
#include "files/picture_formats.h"

namespace dw::batch {
namespace {

// ".bmp, .png, .jpg, ...": every extension --export takes.
std::string exportExtensions() {
    std::string list;
    for (const ExportKind& kind : exportKinds()) {
        for (const std::string_view extension : kind.picture.extensions) {
            list += (list.empty() ? "." : ", .") + std::string(extension);
        }
    }
    return list;
}

bool stepExport(AppState& state, const StepArguments& args) {
    if (!exportFormatOf(args[0])) {
        reportStepError("--export writes " + exportExtensions() + " files; \"" + args[0] +
                        "\" names another kind");
        return false;
    }
    return exportPainting(state, args[0]);
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
    // Kept for the life of the program: the step table holds a view of it.
    static const std::string exportHelp =
        "shade and write the painting as shown: " + exportExtensions();
    steps.push_back({"--export", "PATH", exportHelp, 1, 1, stepExport});
    steps.push_back({"--thumbnail", "SIZE PATH",
                     "write the painting as shown, fitted into SIZE x SIZE, as a PNG file", 2, 2,
                     stepThumbnail});
}

}  // namespace dw::batch
