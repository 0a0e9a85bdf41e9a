#pragma once
// Which menu table a module type shows, and walking a menu table or a menu entry's parameter table.
// Every family keeps its menu table in its own file; this file only knows which module types use which
// family menu.

#include <optional>
#include <span>
#include <string_view>

#include "core/catalogue/tables.h"

namespace tessalin {

// A menu table: entries 0..end, where entry `end` is the end entry (level -1, no handler, no texts).
// `end` is also the number of real entries.
struct MenuTable {
    std::string_view name;              // "MenuPH"
    const TMenuEntry* entries = nullptr;
    int end = 0;
};

// The menu table of a module type. Type 25 (an inactive second channel) and types the device does not
// know have none; a family whose catalogue is not in this build has an empty table (end 0).
std::optional<MenuTable> MenuTableOf(int moduleType);

// The probe controller's menu, used by an attached Purgon controller's node.
MenuTable ProbeMenu();

// Entries 0..end of a menu table, the end entry included (the device tree gives it a record too).
std::span<const TMenuEntry> MenuEntries(const MenuTable& table);

// Parameter entries 0..lastParam of a menu entry; empty for a folder.
std::span<const TParamEntry> ParamEntries(const TMenuEntry& entry);

// The first parameter entry of a menu entry, or nullptr for a folder (what handlers of a menu entry see
// in CurrentParam).
const TParamEntry* FirstParam(const TMenuEntry& entry);

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
