#include <gtest/gtest.h>

#include <map>

#include "commands/menu_table.h"
#include "filters/filter_commands.h"

namespace dw {
namespace {

void countItems(std::span<const MenuItem> items, std::map<int, int>& counts) {
    for (const MenuItem& item : items) {
        if (!item.submenu.empty()) {
            countItems(item.submenu, counts);
        } else if (!item.isSeparator()) {
            ++counts[item.id];
        }
    }
}

TEST(MenuTable, EveryCommandHasOneItemAndEveryFilterIsAmongThem) {
    std::map<int, int> counts;
    for (const Menu& menu : mainMenu()) {
        countItems(menu.items, counts);
    }
    for (const auto& [id, count] : counts) {
        EXPECT_EQ(count, 1) << id;
    }
    for (const FilterCommand& filter : filterCommands()) {
        EXPECT_EQ(counts.count(filter.commandId), 1u) << filter.undoName;
    }
}

}  // namespace
}  // namespace dw
