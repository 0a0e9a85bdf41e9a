#include "core/check/check.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/catalogue/codec.h"
#include "core/check/check_parts.h"
#include "core/page/page_edit.h"
#include "core/page/row_values.h"
#include "core/range_error.h"
#include "core/settings/page_walk.h"
#include "core/settings/snapshot.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::check {

namespace {

// Rules may bring up further findings (a list that offers other codes after a repair); a few rounds
// settle them, and a repair that does not take is reported rather than tried for ever.
constexpr int kRepairRounds = 3;

// The page of a finding, built in its set with its node selected; false when the node is gone or is
// another one now (a rule rebuilt the tree).
bool OpenPage(const Finding& f, PageModel& page) {
    const int node = NodeAtPath(f.node);
    if (node < 0 || NodeTitlePath(node) != f.path) return false;
    Ws().ActiveParamSet = f.set == 'B';
    DeviceTreeChange(node);
    page = BuildFormpage();
    return page.find(f.row) != nullptr;
}

// The text that enters a number in the unit the row shows, as short as gives back the same float.
std::string NumberInput(double base) {
    TIPretSingle shown;
    ReadNumber(shown);
    const double factor = shown.unitIndex >= 0 ? shown.units[shown.unitIndex].factor : 1.0;
    const double value = base / factor;
    char text[32] = "";
    for (int precision = 6; precision <= 9; ++precision) {
        std::snprintf(text, sizeof text, "%.*g", precision, value);
        if (static_cast<float>(std::strtod(text, nullptr)) == static_cast<float>(value)) break;
    }
    return text;
}

// Enters the target value into the finding's row as the window's field would.
bool RepairRow(const Finding& f) {
    PageModel page;
    if (!OpenPage(f, page)) return false;
    PageRow& row = *page.find(f.row);
    MakeRowCurrent(f.row);
    switch (row.kind) {
        case kKindChoice:
        case kKindChoiceButtons:
            for (std::size_t i = 0; i < row.items.size(); ++i)
                if (row.items[i].code == f.target.code) {
                    CommitChoice(page, f.row, static_cast<int>(i));
                    return true;
                }
            return false;
        case kKindNumber:
            return CommitNumber(page, f.row, NumberInput(f.target.value), true).stored;
        case kKindText:
            CommitText(page, f.row, f.target.text);
            return true;
        case kKindTime:
            return CommitTime(page, f.row, f.target.hour, f.target.minute).stored;
        default:
            return false;
    }
}

// An identity byte that the decoder already disregards is cleared; the device is decoded again.
bool RepairIdentity(const Finding& f) {
    Ws().ParImage.setU8(f.target.clearAt, 0);
    Ws().Modified = true;
    RedecodeKeepSelection();
    return true;
}

bool Repair(const Finding& f) {
    if (!f.target.possible) return false;
    try {
        if (f.target.clearAt >= 0) return RepairIdentity(f);
        if (f.target.editorRow >= 0) return RepairSwitchingPointTime(f);
        return RepairRow(f);
    } catch (const RangeError&) {
        return false;  // the page refuses in order; the finding stays
    }
}

bool Contains(const std::vector<Finding>& list, const Finding& f) {
    return std::any_of(list.begin(), list.end(), [&](const Finding& g) { return g.samePlace(f); });
}

}  // namespace

std::vector<Finding> CheckDataSet() {
    std::vector<Finding> out;
    CheckPageValues(Ws().ActiveParamSet, out);
    CheckIdentity(out);
    CheckPurgonPrograms(out);
    return out;
}

RepairReport RepairAll() {
    RepairReport report;
    std::vector<Finding> current = CheckDataSet();
    std::vector<Finding> attempted;
    for (int round = 0; round < kRepairRounds; ++round) {
        bool wrote = false;
        {
            const PageContextKeeper keeper;
            for (const Finding& f : current) {
                if (!f.target.possible || Contains(attempted, f)) continue;
                attempted.push_back(f);
                wrote = Repair(f) || wrote;
            }
        }
        if (!wrote) break;
        current = CheckDataSet();
    }
    for (const Finding& f : attempted)
        if (!Contains(current, f)) report.repaired.push_back(f);
    report.remaining = std::move(current);
    return report;
}

}  // namespace tessalin::check
