#include "core/catalogue/menu_tables.h"

namespace tessalin {

std::span<const TMenuEntry> MenuEntries(const MenuTable& table) {
    if (table.entries == nullptr || table.end < 0) return {};
    return {table.entries, static_cast<std::size_t>(table.end) + 1};
}

std::span<const TParamEntry> ParamEntries(const TMenuEntry& entry) {
    if (entry.params == nullptr || entry.lastParam < 0) return {};
    return {entry.params, static_cast<std::size_t>(entry.lastParam) + 1};
}

const TParamEntry* FirstParam(const TMenuEntry& entry) { return entry.params; }

}  // namespace tessalin
