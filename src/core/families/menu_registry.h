#pragma once
// Which menu table each module type shows: the one registry of the families' menus.

#include <optional>
#include <span>

#include "core/catalogue/menu_tables.h"

namespace tessalin {

// The menu table of a module type. Type 25 (an inactive second channel) and types the device does not
// know have none; a family whose catalogue is not in this build has an empty table (end 0).
std::optional<MenuTable> MenuTableOf(int moduleType);

// The probe controller's menu, used by an attached Purgon controller's node.
MenuTable ProbeMenu();

// Every module type that has a menu table, in ascending order.
std::span<const int> MenuModuleTypes();

// Gives a module type another menu table while the object lives, for tests of the tree and the page that
// need a small menu of their own. Type 153 also replaces the probe controller's menu.
class ScopedMenuOverride {
public:
    ScopedMenuOverride(int moduleType, MenuTable table);
    ~ScopedMenuOverride();
    ScopedMenuOverride(const ScopedMenuOverride&) = delete;
    ScopedMenuOverride& operator=(const ScopedMenuOverride&) = delete;

private:
    int moduleType_;
};

}  // namespace tessalin
