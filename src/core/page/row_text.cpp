#include "core/page/row_text.h"

#include <cstdio>
#include <iterator>

namespace tessalin {

std::string KindName(const PageRow& row) {
    if (row.heading) return "heading";
    static const char* const kNames[] = {"heading", "text",   "choice", "number",         "slider",
                                         "buttons", "time",   "matrix", "choice+buttons", "picture"};
    return row.kind < std::size(kNames) ? kNames[row.kind] : "unknown";
}

std::string ShownLabel(const PageRow& row) { return row.heading ? row.valueLabel : row.label; }

std::string ShownValue(const PageRow& row) {
    switch (row.kind) {
        case kKindChoice:
        case kKindChoiceButtons:
            return row.selected >= 0 && row.selected < static_cast<int>(row.items.size()) ? row.items[row.selected].text : "";
        case kKindMatrix: {
            // The ticked cells, as "row label=column label".
            std::string ticked;
            for (std::size_t j = 0; j < row.cells.size() && j < row.matrixRows.size(); ++j)
                for (std::size_t i = 0; i < row.cells[j].size() && i < row.matrixColumns.size(); ++i)
                    if (row.cells[j][i] == kCellOn)
                        ticked += (ticked.empty() ? "" : ", ") + row.matrixRows[j] + "=" + row.matrixColumns[i];
            return ticked;
        }
        default:
            return row.value;
    }
}

std::string ShownUnit(const PageRow& row) {
    return row.unitIndex >= 0 && row.unitIndex < static_cast<int>(row.units.size()) ? row.units[row.unitIndex] : "";
}

const char* CheckMeaning(int result) {
    static const char* const kMeanings[] = {"accepted", "not a number", "decimal places not allowed",
                                            "below the lower limit", "above the upper limit"};
    return result >= 0 && result < static_cast<int>(std::size(kMeanings)) ? kMeanings[result] : "";
}

std::string TimeText(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

std::string LabelledValue(const std::string& label, const std::string& value) {
    return label + (label.ends_with(':') ? " " : ": ") + value;
}

}  // namespace tessalin
