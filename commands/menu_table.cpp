#include "commands/menu_table.h"

#include <vector>

#include "commands/command_ids.h"
#include "panels/panel_registry.h"

namespace dw {
namespace {

using namespace command;

constexpr MenuItem kSeparator{};

constexpr MenuItem kFile[] = {
    {"&New\tCtrl+N", kNew},
    {"&Open\tCtrl+O", kOpen},
    {"&Import Image", kImportImage},
    kSeparator,
    {"&Save\tCtrl+S", kSave},
    {"&Export Image", kExportImage},
    kSeparator,
    {"&Page Setup", kPageSetup},
    {"&Print\tCtrl+P", kPrint},
    kSeparator,
    {"E&xit", kExit},
};

constexpr MenuItem kPenPressure[] = {
    {"&Off", kPressureFirst, {}, true},
    {"&Size", kPressureFirst + 1, {}, true},
    {"&Amount", kPressureFirst + 2, {}, true},
    {"Size &and Amount", kPressureFirst + 3, {}, true},
};

constexpr MenuItem kEdit[] = {
    {"&Undo\tCtrl+Z", kUndo},           {"&Redo\tCtrl+Y", kRedo},
    {"Undo &Steps...", kUndoSteps},     kSeparator,
    {"&Pen Pressure", 0, kPenPressure}, {"&Continuous Strokes", kContinuousStrokes, {}, true},
};

constexpr MenuItem kZoom[] = {
    {"25%", 1258}, {"50%", 1259}, {"100%", 1260}, {"200%", 1261}, {"300%", 1262}, {"400%", 1263},
};

constexpr MenuItem kView[] = {
    {"&Lighting", kLighting, {}, true},
    kSeparator,
    {"&Zoom", 0, kZoom},
};

constexpr MenuItem kImage[] = {
    {"&Image Size", kImageSize},
    kSeparator,
    {"&Flatten", 1810},
};

constexpr MenuItem kColours[] = {
    {"&Invert", 1305},   {"&Desaturate", 1315}, kSeparator,
    {"&Solarize", 1320}, {"&Night", 1330},      {"&Aqua", 1335},
};

constexpr MenuItem kPaint[] = {
    {"&Invert", 1500},
    kSeparator,
    {"&Fill", 1840},
};

constexpr MenuItem kTexture[] = {
    {"&Invert", 1310},  kSeparator,         {"&Fill", 1845}, kSeparator,
    {"&Inflate", 1820}, {"&Deflate", 1300}, kSeparator,      {"&Outline", 1815},
};

constexpr MenuItem kFilters[] = {
    {"&Paintify", 1850},       kSeparator, {"&Colors", 0, kColours}, {"&Paint", 0, kPaint},
    {"&Texture", 0, kTexture}, kSeparator, {"&Enhance", 1830},       {"&Sicken", 1340},
    {"&Defenestrate", 1325},   kSeparator, {"&Clear", 1800},
};

constexpr MenuItem kHelpMenu[] = {
    {"&Daubwerk Help", kHelp},
    {"&About Daubwerk..", kAbout},
    kSeparator,
    {kWebAddress, kWebSite},
};

// An item for each panel the frame creates, with its title, in the order of creation; the
// mark shows whether the panel is shown.
std::vector<MenuItem> windowMenu() {
    std::vector<MenuItem> items;
    for (const PanelRow& panel : panelRows()) {
        if (panel.menuCommand != 0) {
            items.push_back({panel.title, panel.menuCommand, {}, true});
        }
    }
    return items;
}

}  // namespace

std::span<const Menu> mainMenu() {
    static const std::vector<MenuItem> window = windowMenu();
    static const Menu menus[] = {
        {"&File", kFile},       {"&Edit", kEdit},    {"&View", kView},     {"&Image", kImage},
        {"&Filters", kFilters}, {"&Window", window}, {"&Help", kHelpMenu},
    };
    return menus;
}

}  // namespace dw
