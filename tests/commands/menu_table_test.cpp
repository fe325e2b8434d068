#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/commands/menu_table.h"
#include "filters/filter_commands.h"

namespace dw {
namespace {

void collect(std::span<const MenuItem> items, std::map<int, std::string>& labels, int& count) {
    for (const MenuItem& item : items) {
        if (!item.submenu.empty()) {
            collect(item.submenu, labels, count);
        } else if (!item.isSeparator()) {
            labels[item.id] = std::string(item.label);
            ++count;
        }
    }
}

TEST(MenuTable, EveryCommandIsThereOnceWithItsLabel) {
    std::map<int, std::string> labels;
    int count = 0;
    std::vector<std::string> menus;
    for (const Menu& menu : mainMenu()) {
        menus.emplace_back(menu.label);
        collect(menu.items, labels, count);
    }
    EXPECT_EQ(menus, (std::vector<std::string>{"&File", "&Edit", "&View", "&Image", "&Filters",
                                               "&Window", "&Help"}));
    const std::vector<int> ids = {1000, 1001, 1005, 1002, 1004, 1006, 1007, 1009, 1200, 1201,
                                  1215, 1210, 1211, 1212, 1213, 1214, 1252, 1258, 1259, 1260,
                                  1261, 1262, 1263, 1280, 1810, 1850, 1305, 1315, 1320, 1330,
                                  1335, 1500, 1840, 1310, 1845, 1820, 1300, 1815, 1830, 1340,
                                  1325, 1800, 1100, 1102, 1101, 1103, 1401, 1400, 1403};
    EXPECT_EQ(count, int(ids.size()));
    for (const int id : ids) {
        EXPECT_EQ(labels.count(id), 1u) << id;
    }
    EXPECT_EQ(labels[1000], "&New\tCtrl+N");
    EXPECT_EQ(labels[1009], "E&xit");
    EXPECT_EQ(labels[1201], "&Redo\tCtrl+Y");
    EXPECT_EQ(labels[1263], "400%");
    EXPECT_EQ(labels[1213], "Size &and Amount");
    EXPECT_EQ(labels[1102], " Brush Properties");
    EXPECT_EQ(labels[1400], "&About Daubwerk..");
    EXPECT_EQ(labels[1403], std::string(kWebAddress));
}

TEST(MenuTable, EveryFilterOfTheTableHasItsMenuItem) {
    std::map<int, std::string> labels;
    int count = 0;
    for (const Menu& menu : mainMenu()) {
        collect(menu.items, labels, count);
    }
    for (const FilterCommand& filter : filterCommands()) {
        EXPECT_EQ(labels.count(filter.commandId), 1u) << filter.undoName;
    }
}

}  // namespace
}  // namespace dw
