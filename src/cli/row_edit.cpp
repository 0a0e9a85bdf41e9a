#include "cli/row_edit.h"

#include <charconv>
#include <cstdio>

#include "cli/tree_session.h"
#include "core/catalogue/codec.h"
#include "core/page/page_edit.h"
#include "core/page/row_text.h"
#include "core/workspace.h"

namespace tessalin::cli {

namespace {

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
int CommitMatrix(const std::string& command, PageModel& page, PageRow& row, const std::string& value) {
    const std::size_t first = value.find(','), last = value.rfind(',');
    const std::string state = last == std::string::npos ? "" : value.substr(last + 1);
    if (first == last || (state != "on" && state != "off"))
        return UsageError(command, "a matrix takes ROW,COLUMN,on or ROW,COLUMN,off");
    const int j = MatrixIndex(row.matrixRows, value.substr(0, first));
    const int i = MatrixIndex(row.matrixColumns, value.substr(first + 1, last - first - 1));
    if (j < 0 || i < 0) return UsageError(command, "row " + std::to_string(row.row) + " has no cell '" + value + "'");
    if (row.cells[j][i] == kCellDisabled)
        return UsageError(command, "the cell " + row.matrixRows[j] + "/" + row.matrixColumns[i] + " is not available");
    ClickMatrixCell(page, row.row, j, i, state == "on");
    std::printf("check: 0 accepted\n");
    return kExitOk;
}

// The answer to a commit that stored nothing because the row has no place in this image, or kExitOk.
int RefuseUnwritten(const std::string& command, const PageRow& row, const FollowUp& follow) {
    if (!follow.notWritten) return kExitOk;
    return UsageError(command, "row " + std::to_string(row.row) +
                                   " has no place in the image for this module; nothing stored");
}

// The check line of a number or a time, then the exit code: a value already stored is unchanged, one
// beyond a limit or with decimals is reported with the value stored instead.
int ReportNumber(const std::string& command, const PageRow& row, const std::string& value, const NumberOutcome& out) {
    if (const int refused = RefuseUnwritten(command, row, out.followUp)) return refused;
    // A number's correction is named as the row shows it; a time's as the edit does.
    const bool corrected = out.result == kCheckDecimals || out.result == kCheckBelow || out.result == kCheckAbove;
    const std::string correction = out.corrected.empty() ? out.text : out.corrected;
    std::printf("check: %d %s%s\n", out.result, CheckMeaning(out.result),
                corrected ? (", corrected to " + correction).c_str() : out.unchanged ? ", unchanged" : "");
    if (!out.stored && !out.unchanged) {
        std::fprintf(stderr, "tessalin-cli %s: '%s' is not a number; nothing stored\n", command.c_str(), value.c_str());
        return kExitUsage;
    }
    return kExitOk;
}

// The check line of a commit that is accepted whenever it has a place to go.
int ReportAccepted(const std::string& command, const PageRow& row, const FollowUp& follow) {
    if (const int refused = RefuseUnwritten(command, row, follow)) return refused;
    std::printf("check: 0 accepted\n");
    return kExitOk;
}

}  // namespace

bool ParseInt(const std::string& text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size();
}

int CommitRowValue(const std::string& command, PageModel& page, PageRow& row, const std::string& value, const Args& args) {
    switch (row.kind) {
        case kKindNumber: {
            if (const auto unit = args.value("unit")) {
                int index = -1;
                for (std::size_t i = 0; i < row.units.size(); ++i)
                    if (row.units[i] == *unit) index = static_cast<int>(i);
                if (index < 0) return UsageError(command, "row " + std::to_string(row.row) + " has no unit " + *unit);
                row.unitIndex = index;
            }
            return ReportNumber(command, row, value, CommitNumber(page, row.row, value, true));
        }
        case kKindChoice:
        case kKindChoiceButtons: {
            const int index = ChoiceIndex(row, value);
            if (index < 0) {
                std::string items;
                for (const ChoiceItem& item : row.items) items += " | " + std::to_string(item.code) + " " + item.text;
                return UsageError(command, "row " + std::to_string(row.row) + " offers no item '" + value + "':" + items);
            }
            return ReportAccepted(command, row, CommitChoice(page, row.row, index));
        }
        case kKindText:
            return ReportAccepted(command, row, CommitText(page, row.row, value));
        case kKindSlider: {
            int position = 0;
            if (!ParseInt(value, position)) return UsageError(command, "a slider takes a whole number");
            return ReportAccepted(command, row, CommitSlider(page, row.row, position));
        }
        case kKindTime: {
            int hour = 0, minute = 0;
            const std::size_t colon = value.find(':');
            if (colon == std::string::npos || !ParseInt(value.substr(0, colon), hour) ||
                !ParseInt(value.substr(colon + 1), minute))
                return UsageError(command, "a time takes HH:MM");
            return ReportNumber(command, row, value, CommitTime(page, row.row, hour, minute));
        }
        case kKindMatrix:
            return CommitMatrix(command, page, row, value);
        default:
            return UsageError(command, "row " + std::to_string(row.row) + " (" + KindName(row) + ") holds no value to set");
    }
}

}  // namespace tessalin::cli
