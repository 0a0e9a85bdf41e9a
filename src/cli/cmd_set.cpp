// tessalin-cli set: commits one value of a page as leaving its edit would, and saves the data set.
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
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
    "a number is checked against its limits (and corrected to the limit), a list takes the item given by its\n"
    "text or its code, a text field keeps what its character set allows, a matrix takes\n"
    "'ROW,COLUMN,on' or 'ROW,COLUMN,off' (each a label or an index from 0). Prints the check result and the\n"
    "value now stored, then writes the data set. A data set with a Purgon image needs OUTPURGON with -o.\n";

constexpr const char* kCheckMeaning[] = {"accepted", "not a number", "decimal places not allowed",
                                         "below the lower limit", "above the upper limit"};

struct Output {
    std::string front;
    std::string purgon;
};

// Takes "-o OUTFRONT [OUTPURGON]" out of the arguments: the word after -o, and the one after it when it
// is not an option.
bool TakeOutput(std::vector<std::string>& argv, Output& out, std::string& error) {
    for (std::size_t i = 0; i < argv.size(); ++i) {
        if (argv[i] != "-o") continue;
        if (i + 1 >= argv.size() || argv[i + 1].starts_with("-")) {
            error = "-o needs OUTFRONT";
            return false;
        }
        out.front = argv[i + 1];
        std::size_t taken = 2;
        if (i + 2 < argv.size() && !argv[i + 2].starts_with("-")) {
            out.purgon = argv[i + 2];
            taken = 3;
        }
        argv.erase(argv.begin() + static_cast<long>(i), argv.begin() + static_cast<long>(i + taken));
        return true;
    }
    return true;
}

bool ParseInt(const std::string& text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size();
}

int ChoiceIndex(const PageRow& row, const std::string& value) {
    for (std::size_t i = 0; i < row.items.size(); ++i)
        if (row.items[i].text == value) return static_cast<int>(i);
    int code = 0;
    if (ParseInt(value, code))
        for (std::size_t i = 0; i < row.items.size(); ++i)
            if (row.items[i].code == code) return static_cast<int>(i);
    return -1;
}

// The index of a matrix row or column given by its label or its number, or -1.
int MatrixIndex(const std::vector<std::string>& labels, const std::string& text) {
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (labels[i] == text) return static_cast<int>(i);
    int index = -1;
    if (ParseInt(text, index) && index >= 0 && index < static_cast<int>(labels.size())) return index;
    return -1;
}

// Ticks or clears one available cell of a matrix: "ROW,COLUMN,on|off".
int CommitMatrix(PageModel& page, PageRow& row, const std::string& value) {
    const std::size_t first = value.find(','), last = value.rfind(',');
    const std::string state = last == std::string::npos ? "" : value.substr(last + 1);
    if (first == last || (state != "on" && state != "off"))
        return UsageError("set", "a matrix takes ROW,COLUMN,on or ROW,COLUMN,off");
    const int j = MatrixIndex(row.matrixRows, value.substr(0, first));
    const int i = MatrixIndex(row.matrixColumns, value.substr(first + 1, last - first - 1));
    if (j < 0 || i < 0) return UsageError("set", "row " + std::to_string(row.row) + " has no cell '" + value + "'");
    if (row.cells[j][i] == kCellDisabled)
        return UsageError("set", "the cell " + row.matrixRows[j] + "/" + row.matrixColumns[i] + " is not available");
    ClickMatrixCell(page, row.row, j, i, state == "on");
    std::printf("check: 0 accepted\n");
    return kExitOk;
}

// Commits the value; returns kExitOk, or kExitUsage after a message when nothing could be stored.
int Commit(PageModel& page, PageRow& row, const std::string& value, const Args& args) {
    switch (row.kind) {
        case kKindNumber: {
            if (const auto unit = args.value("unit")) {
                int index = -1;
                for (std::size_t i = 0; i < row.units.size(); ++i)
                    if (row.units[i] == *unit) index = static_cast<int>(i);
                if (index < 0) return UsageError("set", "row " + std::to_string(row.row) + " has no unit " + *unit);
                row.unitIndex = index;
            }
            const NumberOutcome out = CommitNumber(page, row.row, value, true);
            std::printf("check: %d %s%s\n", out.result, out.result >= 0 && out.result <= 4 ? kCheckMeaning[out.result] : "",
                        out.result == 2 || out.result == 3 || out.result == 4 ? (", corrected to " + out.text).c_str() : "");
            if (!out.stored) {
                std::fprintf(stderr, "tessalin-cli set: '%s' is not a number; nothing stored\n", value.c_str());
                return kExitUsage;
            }
            return kExitOk;
        }
        case kKindChoice:
        case kKindChoiceButtons: {
            const int index = ChoiceIndex(row, value);
            if (index < 0) {
                std::string items;
                for (const ChoiceItem& item : row.items) items += " | " + std::to_string(item.code) + " " + item.text;
                return UsageError("set", "row " + std::to_string(row.row) + " offers no item '" + value + "':" + items);
            }
            CommitChoice(page, row.row, index);
            std::printf("check: 0 accepted\n");
            return kExitOk;
        }
        case kKindText:
            CommitText(page, row.row, value);
            std::printf("check: 0 accepted\n");
            return kExitOk;
        case kKindSlider: {
            int position = 0;
            if (!ParseInt(value, position)) return UsageError("set", "a slider takes a whole number");
            CommitSlider(page, row.row, position);
            std::printf("check: 0 accepted\n");
            return kExitOk;
        }
        case kKindTime: {
            int hour = 0, minute = 0;
            const std::size_t colon = value.find(':');
            if (colon == std::string::npos || !ParseInt(value.substr(0, colon), hour) ||
                !ParseInt(value.substr(colon + 1), minute))
                return UsageError("set", "a time takes HH:MM");
            CommitTime(page, row.row, hour, minute);
            std::printf("check: 0 accepted\n");
            return kExitOk;
        }
        case kKindMatrix:
            return CommitMatrix(page, row, value);
        default:
            return UsageError("set", "row " + std::to_string(row.row) + " (" + KindName(row) + ") holds no value to set");
    }
}

int Run(const std::vector<std::string>& original) {
    std::vector<std::string> argv = original;
    Output output;
    std::string error;
    if (!TakeOutput(argv, output, error)) return UsageError("set", error);
    Args args(argv, {"lang", "node", "set", "row", "value", "unit"}, {"in-place"});
    if (!args.ok()) return UsageError("set", args.error());
    if (args.has("help")) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    const bool inPlace = args.has("in-place");
    if (inPlace == !output.front.empty()) return UsageError("set", "give either -o OUTFRONT [OUTPURGON] or --in-place");
    const auto rowText = args.value("row");
    const auto value = args.value("value");
    int rowNumber = -1;
    if (!rowText || !ParseInt(*rowText, rowNumber)) return UsageError("set", "--row R is required");
    if (!value) return UsageError("set", "--value TEXT is required");

    if (const int code = OpenDataSetTree("set", args, args.positional().size()); code != kExitOk) return code;
    if (!inPlace && !Ws().PurgonFileName.empty() && output.purgon.empty())
        return UsageError("set", "the data set has a Purgon image: give OUTPURGON after OUTFRONT");
    if (!inPlace && Ws().PurgonFileName.empty() && !output.purgon.empty())
        return UsageError("set", "the data set has no Purgon image to write to " + output.purgon);

    PageModel page;
    if (const int code = OpenNodePage("set", args, page); code != kExitOk) return code;
    PageRow* row = page.find(rowNumber);
    if (row == nullptr || row->heading) return UsageError("set", "the page shows no value row " + *rowText);
    if (!row->enabled || !row->active) return UsageError("set", "row " + *rowText + " cannot be edited");

    try {
        const TTabPtrRec shown = Ws().CurrentPage;
        if (const int code = Commit(page, *row, *value, args); code != kExitOk) return code;
        // What the page shows now, read back from the image (the commit may have rebuilt the tree).
        Ws().CurrentPage = shown;
        const PageModel after = BuildFormpage();
        if (const PageRow* now = after.find(rowNumber)) {
            const std::string unit =
                now->unitIndex >= 0 && now->unitIndex < static_cast<int>(now->units.size()) ? " " + now->units[now->unitIndex] : "";
            std::printf("stored: %s%s\n", ShownValue(*now).c_str(), unit.c_str());
        }
    } catch (const RangeError& e) {
        std::fprintf(stderr, "tessalin-cli set: %s\n", e.what());
        return kExitRefused;
    }

    const std::string front = inPlace ? Ws().FrontFileName : output.front;
    const std::string purgon = inPlace ? Ws().PurgonFileName : output.purgon;
    const WriteResult written = WriteDataSet(front, purgon);
    if (!written.ok) {
        std::fprintf(stderr, "tessalin-cli set: cannot write %s\n", written.describe().c_str());
        return kExitRefused;
    }
    return kExitOk;
}

const CommandRegistration registration("set", "commit one value of a page and save the data set", Run);

}  // namespace
}  // namespace tessalin::cli
