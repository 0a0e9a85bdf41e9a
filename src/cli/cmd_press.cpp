// tessalin-cli press: presses a button of a page as a click would, fills the sub-page it opens, and saves.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "cli/command.h"
#include "cli/output_files.h"
#include "cli/row_edit.h"
#include "cli/tree_session.h"
#include "core/page/page_edit.h"
#include "core/page/sub_page.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli press FRONT [PURGON] --node PATH --row R --button N [--with ROW=VALUE]...\n"
    "                          [--sub ROW=VALUE]... [--cancel]\n"
    "                          [--set A|B] [--lang N] [--json] (-o OUTFRONT [OUTPURGON] | --in-place)\n"
    "Presses button N (from 1) of button row R on the page of the tree node at PATH, as a click would: copy a\n"
    "day of a week program, insert or delete a program step, edit a switching point or a step, or apply an\n"
    "operating mode with REFRESH (the device tree then shows the new modules). Each\n"
    "--with first commits VALUE to row ROW of the page as 'set' does (the day a copy row copies to). When the\n"
    "button opens a sub-page, each --sub commits VALUE to row ROW of the sub-page as 'set' does, in order,\n"
    "and the sub-page is closed with OK (with --cancel, with Cancel). Writes the data set, then prints the\n"
    "page as it is afterwards.\n"
    "Exit codes: 0 done, 2 usage error (a value not stored included), 3 the data set refused, 4 the data\n"
    "set not written.\n";

bool SplitEdit(const std::string& text, int& row, std::string& value) {
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos || !ParseInt(text.substr(0, eq), row)) return false;
    value = text.substr(eq + 1);
    return true;
}

// Commits the edits of an option to a page; the page is built again after each, as its timer would.
template <typename Build>
int CommitEdits(PageModel& page, const std::vector<std::string>& edits, Build build) {
    for (const std::string& edit : edits) {
        int row = -1;
        std::string value;
        if (!SplitEdit(edit, row, value)) return UsageError("press", "edits take ROW=VALUE: " + edit);
        PageRow* shown = page.find(row);
        if (shown == nullptr || shown->heading || !shown->enabled || !shown->active)
            return UsageError("press", "the page shows no editable row " + std::to_string(row));
        if (const int code = CommitRowValue("press", page, *shown, value, Args({}, {}, {})); code != kExitOk) return code;
        if (std::exchange(Ws().PageRebuildRequest, false)) page = build();
    }
    return kExitOk;
}

void PrintPage(const PageModel& page, bool json) {
    if (json) {
        Json rows = Json::array();
        for (const PageRow& row : page.rows)
            rows.push_back({{"row", row.row}, {"label", row.label}, {"value", ShownValue(row)}});
        PrintJson({{"title", page.title}, {"rows", std::move(rows)}});
        return;
    }
    for (const PageRow& row : page.rows) std::printf("%3d  %s  %s\n", row.row, row.label.c_str(), ShownValue(row).c_str());
}

int Run(const std::vector<std::string>& original) {
    std::vector<std::string> argv = original;
    Output output;
    std::string error;
    if (!TakeOutput(argv, output, error)) return UsageError("press", error);
    Args args(argv, {"lang", "node", "set", "row", "button", "with", "sub"}, {"in-place", "cancel", "json"},
              {"with", "sub"});
    if (!args.ok()) return UsageError("press", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        std::fputs(kOutputFilesHelp, stdout);
        return kExitOk;
    }
    const bool inPlace = args.has("in-place");
    if (inPlace == !output.front.empty()) return UsageError("press", "give either -o OUTFRONT [OUTPURGON] or --in-place");
    int rowNumber = -1, button = 0;
    const auto rowText = args.value("row");
    const auto buttonText = args.value("button");
    if (!rowText) return UsageError("press", "--row R is required");
    if (!ParseInt(*rowText, rowNumber)) return UsageError("press", "'" + *rowText + "' is not a row number");
    if (!buttonText) return UsageError("press", "--button N is required");
    if (!ParseInt(*buttonText, button)) return UsageError("press", "'" + *buttonText + "' is not a button number");

    if (const int code = RefuseOverlaps("press", DataSetInputs(args.positional()), output); code != kExitOk) return code;
    if (!args.positional().empty()) HoldDataSet(args.positional()[0]);
    if (const int code = OpenDataSetTree("press", args, args.positional().size()); code != kExitOk) return code;
    PageModel page;
    if (const int code = OpenNodePage("press", args, page); code != kExitOk) return code;
    Ws().PageRebuildRequest = false;  // the page is built: only the edits below can ask for it again
    PageModel after;

    try {
        const TTabPtrRec shown = Ws().CurrentPage;
        if (const int code = CommitEdits(page, args.values("with"), [] { return BuildFormpage(); }); code != kExitOk)
            return code;
        RefreshButtons(page);
        const PageRow* row = page.find(rowNumber);
        if (row == nullptr || button < 1 || button > static_cast<int>(row->buttons.size()))
            return UsageError("press", "the page shows no button " + std::to_string(button) + " in row " + *rowText);
        if (!row->buttons[button - 1].enabled) return UsageError("press", "the button is disabled");
        const ButtonOutcome pressed = PressButton(page, rowNumber, button, false);
        if (pressed.subPage != nullptr) {
            SubPageSession session(*pressed.subPage, rowNumber);
            PageModel sub = session.build();
            const int code = CommitEdits(sub, args.values("sub"), [&session] { return session.build(); });
            session.close(code == kExitOk && !args.has("cancel"), page);
            if (code != kExitOk) return code;
        } else if (!args.values("sub").empty()) {
            return UsageError("press", "the button opens no sub-page for --sub");
        }
        // A rule that changed the hardware has the tree rebuilt with the same node selected, as the
        // window's timer does.
        if (std::exchange(Ws().TreeRebuildRequest, false))
            RedecodeKeepSelection();
        else
            Ws().CurrentPage = shown;
        after = BuildFormpage();
    } catch (const RangeError& e) {
        std::fprintf(stderr, "tessalin-cli press: %s\n", e.what());
        return kExitRefused;
    }
    // The page is shown once the save went through, so a failed save prints no page that was not stored.
    if (const int code = SaveOutputs("press", inPlace, output); code != kExitOk) return code;
    PrintPage(after, args.has("json"));
    return kExitOk;
}

const CommandRegistration registration("press", "press a button of a page (and fill its sub-page), then save", Run);

}  // namespace
}  // namespace tessalin::cli
