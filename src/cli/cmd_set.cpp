// tessalin-cli set: commits one value of a page as leaving its edit would, and saves the data set.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/output_files.h"
#include "cli/row_edit.h"
#include "cli/tree_session.h"
#include "core/data_set/write.h"
#include "core/page/page_edit.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli set FRONT [PURGON] --node PATH --row R --value TEXT [--unit U] [--set A|B] [--lang N]\n"
    "                        (-o OUTFRONT [OUTPURGON] | --in-place)\n"
    "Commits TEXT to row R of the page of the tree node at PATH exactly as leaving the row's edit would:\n"
    "a number is checked against its limits (and corrected to the nearest value shown inside the limit),\n"
    "the value already stored is reported unchanged, a time beyond 23:59 is corrected to it, a list takes the\n"
    "item given by its text or its code, a text field keeps what its character set allows, a matrix takes\n"
    "'ROW,COLUMN,on' or 'ROW,COLUMN,off' (each a label or an index from 0). A row with no place in the\n"
    "image for its module stores nothing. Prints the check result and the value now stored, then writes\n"
    "the data set.\n"
    "Exit codes: 0 done, 2 usage error (a value not stored included), 3 the data set refused, 4 the data\n"
    "set not written.\n";

int Run(const std::vector<std::string>& original) {
    std::vector<std::string> argv = original;
    Output output;
    std::string error;
    if (!TakeOutput(argv, output, error)) return UsageError("set", error);
    Args args(argv, {"lang", "node", "set", "row", "value", "unit"}, {"in-place"});
    if (!args.ok()) return UsageError("set", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        std::fputs(kOutputFilesHelp, stdout);
        return kExitOk;
    }
    const bool inPlace = args.has("in-place");
    if (inPlace == !output.front.empty()) return UsageError("set", "give either -o OUTFRONT [OUTPURGON] or --in-place");
    const auto rowText = args.value("row");
    const auto value = args.value("value");
    int rowNumber = -1;
    if (!rowText) return UsageError("set", "--row R is required");
    if (!ParseInt(*rowText, rowNumber)) return UsageError("set", "'" + *rowText + "' is not a row number");
    if (!value) return UsageError("set", "--value TEXT is required");
    if (const int code = RefuseOverlaps("set", DataSetInputs(args.positional()), output); code != kExitOk) return code;

    if (!args.positional().empty()) HoldDataSet(args.positional()[0]);
    if (const int code = OpenDataSetTree("set", args, args.positional().size()); code != kExitOk) return code;

    PageModel page;
    if (const int code = OpenNodePage("set", args, page); code != kExitOk) return code;
    PageRow* row = page.find(rowNumber);
    if (row == nullptr || row->heading) return UsageError("set", "the page shows no value row " + *rowText);
    if (!row->enabled || !row->active) return UsageError("set", "row " + *rowText + " cannot be edited");

    std::string stored;
    try {
        const TTabPtrRec shown = Ws().CurrentPage;
        if (const int code = CommitRowValue("set", page, *row, *value, args); code != kExitOk) return code;
        // What the page shows now, read back from the image (the commit may have rebuilt the tree).
        Ws().CurrentPage = shown;
        const PageModel after = BuildFormpage();
        if (const PageRow* now = after.find(rowNumber)) {
            const std::string unit = ShownUnit(*now);
            stored = "stored: " + ShownValue(*now) + (unit.empty() ? "" : " ") + unit + "\n";
        }
    } catch (const RangeError& e) {
        std::fprintf(stderr, "tessalin-cli set: %s\n", e.what());
        return kExitRefused;
    }

    // "stored" only once the data set is on the disk.
    if (const int code = SaveOutputs("set", inPlace, output); code != kExitOk) return code;
    std::fputs(stored.c_str(), stdout);
    return kExitOk;
}

const CommandRegistration registration("set", "commit one value of a page and save the data set", Run);

}  // namespace
}  // namespace tessalin::cli
