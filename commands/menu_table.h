#pragma once

#include <span>
#include <string_view>

namespace dw {

// One row of a menu: an item, a separator (id 0, no submenu) or a submenu. Labels carry the
// mnemonic after '&' and the shortcut text after '\t'; the keyboard routine serves the
// shortcuts, so no accelerator is bound to them.
struct MenuItem {
    std::string_view label;
    int id = 0;
    std::span<const MenuItem> submenu = {};
    bool checkable = false;

    bool isSeparator() const { return id == 0 && submenu.empty(); }
};

struct Menu {
    std::string_view label;
    std::span<const MenuItem> items;
};

// The main menu in its order: File, Edit, View, Image, Filters, Window, Help.
std::span<const Menu> mainMenu();

// The Help menu's last item names the program's home page; the page itself ships with the
// program, so it opens offline.
inline constexpr std::string_view kWebAddress = "www.daubwerk.example";

}  // namespace dw
