#pragma once
// The findings of the data-set check as the last section of the documentation table, so that a printed
// record shows what was wrong with the card: a menu row, then one row per finding with its place and
// what was stored, accepted and repaired.

#include "core/documentation/doc_table.h"

namespace tessalin {

// Checks the loaded data set and appends the section (a "no findings" row when there are none).
void AppendFindingsSection(DocTable& table);

}  // namespace tessalin
