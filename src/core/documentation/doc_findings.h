#pragma once
// The findings of the data-set check as the last section of the documentation table, so that a printed
// record shows what was wrong with the card: a menu row, then one row per finding with its place and
// what was stored, accepted and repaired, and a row for every other value its repair changes.

#include "core/documentation/doc_table.h"

namespace tessalin {

// Checks the loaded data set and appends the section; without findings its menu row says so.
void AppendFindingsSection(DocTable& table);

}  // namespace tessalin
