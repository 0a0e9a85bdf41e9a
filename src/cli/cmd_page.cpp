// tessalin-cli page: the parameter page of a tree node as a user would see it.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/tree_session.h"

namespace tessalin::cli {
namespace {

constexpr const char* kHelp =
    "usage: tessalin-cli page FRONT [PURGON] --node PATH [--set A|B] [--lang N] [--json]\n"
    "Prints the page of the tree node at PATH (as printed by 'tree'): its title and, per shown row, its\n"
    "number, kind, label, value, unit and unit list, choice items with the selected one, enabled state\n"
    "and heading text; each button by its caption (or its picture and hint) with its enabled state; a\n"
    "matrix with its row and column labels and each cell's state. --set selects the parameter set\n"
    "(default A).\n"
    "Exit codes: 0 done, 2 usage error, 3 the data set refused.\n";

Json RowJson(const PageRow& row) {
    Json out = {{"row", row.row}, {"kind", KindName(row)}};
    if (row.heading) {
        out["heading"] = row.label;
        out["lines"] = row.headingLines;
        if (row.kind == kKindNumber) out["label"] = row.valueLabel;
    } else {
        out["label"] = row.label;
    }
    out["value"] = ShownValue(row);
    out["unit"] = row.unitIndex >= 0 && row.unitIndex < static_cast<int>(row.units.size()) ? row.units[row.unitIndex] : "";
    out["units"] = row.units;
    Json items = Json::array();
    for (const auto& item : row.items) items.push_back({{"code", item.code}, {"text", item.text}});
    out["items"] = std::move(items);
    out["selected"] = row.selected;
    out["enabled"] = row.enabled && row.active;
    if (!row.buttons.empty()) {
        Json buttons = Json::array();
        for (const PageButton& b : row.buttons)
            buttons.push_back({{"caption", b.caption}, {"picture", b.glyph}, {"hint", b.hint}, {"enabled", b.enabled}});
        out["buttons"] = std::move(buttons);
    }
    // cells[j][i]: 0 unavailable, 1 clear, 2 ticked
    if (row.kind == kKindMatrix)
        out["matrix"] = {{"rows", row.matrixRows}, {"columns", row.matrixColumns}, {"cells", row.cells}};
    return out;
}

std::string RowText(const PageRow& row) {
    std::string line = row.row < 10 ? " " : "";
    line += std::to_string(row.row) + "  " + KindName(row) + "  ";
    if (row.heading) {
        if (row.headingLines == 0) line += "--------";
        else if (!row.label.empty()) line += "== " + row.label + " ==";
        if (row.kind == kKindNumber) line += "  " + LabelledValue(row.valueLabel, row.value);
    } else {
        line += LabelledValue(row.label, ShownValue(row));
    }
    if (row.unitIndex >= 0 && row.unitIndex < static_cast<int>(row.units.size())) line += " " + row.units[row.unitIndex];
    if (row.units.size() > 1) {
        line += "  [units:";
        for (const std::string& u : row.units) line += " " + u;
        line += "]";
    }
    if (!row.items.empty()) {
        line += "  [";
        for (std::size_t i = 0; i < row.items.size(); ++i)
            line += (i ? " | " : "") + std::to_string(row.items[i].code) + " " + row.items[i].text +
                    (static_cast<int>(i) == row.selected ? " *" : "");
        line += "]";
    }
    // A button by its caption, or by its picture and hint when it carries only a picture.
    for (const PageButton& b : row.buttons) {
        const std::string name = !b.caption.empty() ? b.caption : "picture " + b.glyph + (b.hint.empty() ? "" : ": " + b.hint);
        line += "  <" + name + (b.enabled ? "" : ", disabled") + ">";
    }
    if (!row.heading && !(row.enabled && row.active)) line += "  (disabled)";
    // A matrix: one line per row, each cell as [x] ticked, [ ] clear or - unavailable.
    for (std::size_t j = 0; j < row.cells.size() && j < row.matrixRows.size(); ++j) {
        line += "\n      " + row.matrixRows[j] + ":";
        for (std::size_t i = 0; i < row.cells[j].size() && i < row.matrixColumns.size(); ++i)
            line += "  " + row.matrixColumns[i] + (row.cells[j][i] == kCellOn ? " [x]" : row.cells[j][i] == kCellOff ? " [ ]" : " -");
    }
    return line + "\n";
}

int Run(const std::vector<std::string>& argv) {
    Args args(argv, {"lang", "node", "set"}, {"json"});
    if (!args.ok()) return UsageError("page", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    if (const int code = OpenDataSetTree("page", args, args.positional().size()); code != kExitOk) return code;
    PageModel page;
    if (const int code = OpenNodePage("page", args, page); code != kExitOk) return code;

    if (args.has("json")) {
        Json rows = Json::array();
        for (const PageRow& row : page.rows) rows.push_back(RowJson(row));
        PrintJson({{"title", page.title}, {"rows", std::move(rows)}, {"error", page.error}});
    } else {
        std::string out = "Title: " + page.title + "\n";
        for (const PageRow& row : page.rows) out += RowText(row);
        if (!page.error.empty()) out += "row " + std::to_string(page.errorRow) + ": " + page.error + "\n";
        std::fputs(out.c_str(), stdout);
    }
    if (!page.error.empty()) std::fprintf(stderr, "tessalin-cli page: %s\n", page.error.c_str());
    return kExitOk;
}

const CommandRegistration registration("page", "print the parameter page of a tree node", Run);

}  // namespace
}  // namespace tessalin::cli
