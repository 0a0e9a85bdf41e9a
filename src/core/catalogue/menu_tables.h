#pragma once
// A menu table and walking it or a menu entry's parameter table. Which menu table a module type shows is
// the registry's (core/families/menu_registry.h); every family keeps its menu table in its own folder.

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

// Entries 0..end of a menu table, the end entry included (the device tree gives it a record too).
std::span<const TMenuEntry> MenuEntries(const MenuTable& table);

// Parameter entries 0..lastParam of a menu entry; empty for a folder.
std::span<const TParamEntry> ParamEntries(const TMenuEntry& entry);

// The first parameter entry of a menu entry, or nullptr for a folder (what handlers of a menu entry see
// in CurrentParam).
const TParamEntry* FirstParam(const TMenuEntry& entry);

}  // namespace tessalin
