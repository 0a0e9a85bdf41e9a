#pragma once
// What the tree, page and set commands share: loading a data set in a device language, building the
// device tree, opening the page of a node, and describing rows.

#include <string>

#include "cli/command.h"
#include "core/data_set/load.h"
#include "core/page/formpage.h"
#include "core/page/row_text.h"

namespace tessalin::cli {

// Loads FRONT [PURGON] (the first two positional arguments) with the device language of --lang (the
// user-interface language follows it: German for Deutsch, English otherwise) and builds the device tree.
// Returns kExitOk, or the exit code after a message on standard error (refused data set, unknown module).
int OpenDataSetTree(const std::string& command, const Args& args, std::size_t positionalCount);

// The same for a FRONT file and a Purgon file ("" without) in a device language.
int OpenDataSetFiles(const std::string& command, int language, const std::string& front, const std::string& purgon);

// "tessalin-cli COMMAND: PATH refused: LoadError N (meaning): reason" on standard error.
void ReportRefusedDataSet(const std::string& command, const LoadResult& refused);

// Selects the node at an index path in parameter set --set (A or B) and builds its page. Returns kExitOk,
// or kExitUsage after a message when the path or the set is not valid.
int OpenNodePage(const std::string& command, const Args& args, PageModel& page);

// Reads --set (A or B, default A) into setB; false when the value is neither.
bool ReadParamSet(const Args& args, bool& setB);

}  // namespace tessalin::cli
