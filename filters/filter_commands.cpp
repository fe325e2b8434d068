#include "filters/filter_commands.h"

#include <array>

#include "filters/colour_filters.h"
#include "filters/enhance.h"
#include "filters/lit_pixel_filters.h"
#include "filters/paint_filters.h"
#include "filters/paintify.h"
#include "filters/texture_filters.h"
#include "filters/whole_cell_filters.h"

namespace dw {
namespace {

// In the order of the menus.
constexpr std::array kFilterCommands = {
    FilterCommand{1850, "Paintify", "paintify", paintify},
    FilterCommand{1305, "Invert Color", "invert-color", invertColor},
    FilterCommand{1315, "Desaturate", "desaturate", desaturate},
    FilterCommand{1320, "Solarize", "solarize", solarize},
    FilterCommand{1330, "Night", "night", night},
    FilterCommand{1335, "Aqua", "aqua", aqua},
    FilterCommand{1500, "Invert Paint", "invert-paint", invertPaint},
    FilterCommand{1840, "Fill Paint", "fill-paint", fillPaint},
    FilterCommand{1310, "Invert Texture", "invert-texture", invertTexture},
    FilterCommand{1845, "Fill Texture", "fill-texture", fillTexture},
    FilterCommand{1820, "Inflate", "inflate", inflate},
    FilterCommand{1300, "Deflate", "deflate", deflate},
    FilterCommand{1815, "Outline Texture", "outline-texture", outlineTexture},
    FilterCommand{1830, "Enhance", "enhance", enhance},
    FilterCommand{1340, "Sicken", "sicken", sicken},
    FilterCommand{1325, "Defenestrate", "defenestrate", defenestrate},
    FilterCommand{1800, "Clear", "clear", clear},
    FilterCommand{1810, "Flatten", "flatten", flatten},
};

}  // namespace

std::span<const FilterCommand> filterCommands() {
    return kFilterCommands;
}

const FilterCommand* filterForCommand(int commandId) {
    for (const FilterCommand& command : kFilterCommands) {
        if (command.commandId == commandId) {
            return &command;
        }
    }
    return nullptr;
}

const FilterCommand* filterNamed(std::string_view batchName) {
    for (const FilterCommand& command : kFilterCommands) {
        if (command.batchName == batchName) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace dw
