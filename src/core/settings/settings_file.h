#pragma once
// Settings files: a snapshot as a JSON document that reviews and merges well. Layout (one member a line,
// members in this order, pages in tree order):
//
//   { "format": "tessalin-settings", "version": 1, "language": 0..6, "sets": "A" | "B" | "both",
//     "hardware": { SECTION: { FIELD: number | string, ... }, ... },
//     "pages": [ { "set": "A" | "B", "path": "...", "node": "0/2", "title": "...",
//                  "rows": [ { "row": n, "kind": "...", "label": "...", "value": "...", "unit": "...",
//                              "raw": "hex", "editable": true | false }, ... ] }, ... ] }

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/snapshot.h"

namespace tessalin {

inline constexpr int kSettingsFormatVersion = 1;
inline constexpr const char* kSettingsFormatName = "tessalin-settings";

// The largest settings file that is read. A settings file describes one data set, whose images hold
// 25484 bytes: an export of three modules in both parameter sets is some 130 KB, and no data set can
// show more than a few hundred KB of values. 16 MiB leaves ample room for hand-edited files and their
// spacing, and refuses at once what cannot be one (a device, a log or an archive given by mistake).
inline constexpr std::size_t kSettingsFileLimit = 16u << 20;

std::string SettingsToJson(const Snapshot& snapshot);

// Reads a settings file. On a fault returns nothing with `error` naming where ("line 3, column 5: ..."
// for the JSON, "pages[2].rows[0]: ..." for the contents).
std::optional<Snapshot> SettingsFromJson(std::string_view document, std::string& error);

}  // namespace tessalin
