#pragma once
// Editing rows of a page from the command line: committing a typed value to a row as leaving its edit
// would.

#include <string>
#include <vector>

#include "cli/command.h"
#include "core/page/formpage.h"

namespace tessalin::cli {

// A whole number and nothing else.
bool ParseInt(const std::string& text, int& value);

// Commits `value` to a shown row: a number (--unit may choose the unit), an item of a list by its text
// or code, a text, a slider position, a time HH:MM, a matrix cell ROW,COLUMN,on|off (labels or indices).
// Prints the check result. Returns kExitOk, or
// kExitUsage after a message when nothing could be stored.
int CommitRowValue(const std::string& command, PageModel& page, PageRow& row, const std::string& value,
                   const Args& args);

}  // namespace tessalin::cli
