#include "tools/tool_table.h"

#include <array>

#include "canvas/picture_catalogue.h"

namespace dw {
namespace {

constexpr ToolExposure kDeposit{true, true, true, true, true, true};
constexpr ToolExposure kGel{true, true, true, true, false, true};
constexpr ToolExposure kSpray{true, true, false, true, false, false};
constexpr ToolExposure kFinger{true, true, false, false, false, true};
constexpr ToolExposure kSizeAndAmount{true, true, false, false, false, false};
constexpr ToolExposure kNoControls{};

constexpr std::array<ToolInfo, 17> kTools{{
    {ToolId::TubePaint, "Tube Paint", "brush0", "brush1", " Brush Properties: Tube Paint",
     kDeposit},
    {ToolId::PaintBrush, "Paint Brush", "pbrush0", "pbrush1", " Brush Properties: Paint Brush",
     kDeposit},
    {ToolId::Eraser, "Eraser", "erase0", "erase1", " Brush Properties: Eraser", kSizeAndAmount},
    {ToolId::SprayPaint, "Spray Paint", "spray0", "spray1", " Brush Properties: Spray Paint",
     kSpray},
    {ToolId::Sponge, "Sponge", "sponge0", "sponge1", " Brush Properties: Sponge", kSizeAndAmount},
    {ToolId::Fill, "", "", "", "", kNoControls},
    {ToolId::EyeDropper, "Eye Dropper", "dropper0", "dropper1", " Brush Properties: Eye Dropper",
     kNoControls},
    {ToolId::GelBrush, "Gel Brush", "water0", "water1", " Brush Properties: Gel Brush", kGel},
    {ToolId::Brighten, "Brighten", "sun0", "sun1", " Brush Properties: Brighten", kSizeAndAmount},
    {ToolId::Darken, "Darken", "moon0", "moon1", " Brush Properties: Darken", kSizeAndAmount},
    {ToolId::HandTool, "Hand Tool", "hand0", "hand1", " Brush Properties: Hand Tool", kNoControls},
    {ToolId::Gloss, "Gloss", "shine0", "shine1", " Brush Properties: Gloss", kSizeAndAmount},
    {ToolId::Matte, "Matte", "unshine0", "unshine1", " Brush Properties: Matte", kSizeAndAmount},
    {ToolId::Raise, "Raise", "raise0", "raise1", " Brush Properties: Raise", kSizeAndAmount},
    {ToolId::Lower, "Lower", "lower0", "lower1", " Brush Properties: Lower", kSizeAndAmount},
    {ToolId::Knife, "Knife", "knife0", "knife1", " Brush Properties: Knife", kDeposit},
    {ToolId::Finger, "Finger", "finger0", "finger1", " Brush Properties: Finger", kFinger},
}};

// Every button picture a tool names is one the program's pictures provide (Fill shows none).
constexpr bool buttonPicturesCatalogued() {
    for (const ToolInfo& tool : kTools) {
        if (tool.upImage.empty()) {
            continue;
        }
        const int up = cataloguedIndex(tool.upImage);
        const int selected = cataloguedIndex(tool.selectedImage);
        if (up < 0 || selected < 0 ||
            kPictureCatalogue[up].width != kPictureCatalogue[selected].width ||
            kPictureCatalogue[up].height != kPictureCatalogue[selected].height) {
            return false;
        }
    }
    return true;
}
static_assert(buttonPicturesCatalogued(), "a tool names a button picture the catalogue lacks");

}  // namespace

std::span<const ToolInfo> allTools() {
    return kTools;
}

const ToolInfo* findTool(ToolId id) {
    for (const ToolInfo& tool : kTools) {
        if (tool.id == id) {
            return &tool;
        }
    }
    return nullptr;
}

bool selectableTool(ToolId id) {
    return findTool(id) != nullptr && id != ToolId::Fill;
}

}  // namespace dw
