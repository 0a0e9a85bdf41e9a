#include "cli/row_edit.h"

#include <charconv>
#include <cstdio>

#include "cli/tree_session.h"
#include "core/data_set/save_decisions.h"
#include "core/data_set/write.h"
#include "core/page/page_edit.h"
#include "core/workspace.h"

namespace tessalin::cli {

namespace {

constexpr const char* kCheckMeaning[] = {"accepted", "not a number", "decimal places not allowed",
                                         "below the lower limit", "above the upper limit"};

int ChoiceIndex(const PageRow& row, const std::string& value) {
    for (std::size_t i = 0; i < row.items.size(); ++i)
        if (row.items[i].text == value) return static_cast<int>(i);
    int code = 0;
    if (ParseInt(value, code))
        for (std::size_t i = 0; i < row.items.size(); ++i)
            if (row.items[i].code == code) return static_cast<int>(i);
    return -1;
}

}  // namespace

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
            const NumberOutcome out = CommitNumber(page, row.row, value, true);
            std::printf("check: %d %s%s\n", out.result, out.result >= 0 && out.result <= 4 ? kCheckMeaning[out.result] : "",
                        out.result == 2 || out.result == 3 || out.result == 4 ? (", corrected to " + out.text).c_str() : "");
            if (!out.stored) {
                std::fprintf(stderr, "tessalin-cli %s: '%s' is not a number; nothing stored\n", command.c_str(), value.c_str());
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
                return UsageError(command, "row " + std::to_string(row.row) + " offers no item '" + value + "':" + items);
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
            if (!ParseInt(value, position)) return UsageError(command, "a slider takes a whole number");
            CommitSlider(page, row.row, position);
            std::printf("check: 0 accepted\n");
            return kExitOk;
        }
        case kKindTime: {
            int hour = 0, minute = 0;
            const std::size_t colon = value.find(':');
            if (colon == std::string::npos || !ParseInt(value.substr(0, colon), hour) ||
                !ParseInt(value.substr(colon + 1), minute))
                return UsageError(command, "a time takes HH:MM");
            CommitTime(page, row.row, hour, minute);
            std::printf("check: 0 accepted\n");
            return kExitOk;
        }
        default:
            return UsageError(command, "row " + std::to_string(row.row) + " (" + KindName(row) + ") holds no value to set");
    }
}

// As "Speichern": a Purgon image is written only while its controller is attached; a Purgon file whose
// controller has no carrier module is neither needed nor touched.
int CheckOutputs(const std::string& command, bool inPlace, const Output& output) {
    if (!inPlace && PurgonAttached() && output.purgon.empty())
        return UsageError(command, "the data set has a Purgon image: give OUTPURGON after OUTFRONT");
    if (!inPlace && !PurgonAttached() && !output.purgon.empty())
        return UsageError(command, "the data set has no Purgon image of an attached controller to write to " + output.purgon);
    return kExitOk;
}

int SaveEdited(const std::string& command, bool inPlace, const Output& output) {
    const std::string front = inPlace ? Ws().FrontFileName : output.front;
    const std::string purgon = !PurgonAttached() ? std::string() : inPlace ? Ws().PurgonFileName : output.purgon;
    const WriteResult written = WriteDataSet(front, purgon);
    if (!written.ok) {
        std::fprintf(stderr, "tessalin-cli %s: cannot write %s\n", command.c_str(), written.describe().c_str());
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace tessalin::cli
