#include "core/page/row_text.h"

#include <iterator>

namespace tessalin {

std::string KindName(const PageRow& row) {
    if (row.heading) return "heading";
    static const char* const kNames[] = {"heading", "text",   "choice", "number",         "slider",
                                         "buttons", "time",   "matrix", "choice+buttons", "picture"};
    return row.kind < std::size(kNames) ? kNames[row.kind] : "unknown";
}

std::string ShownValue(const PageRow& row) {
    switch (row.kind) {
        case kKindChoice:
        case kKindChoiceButtons:
            return row.selected >= 0 && row.selected < static_cast<int>(row.items.size()) ? row.items[row.selected].text : "";
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

}  // namespace tessalin
