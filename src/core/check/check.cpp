#include "core/check/check.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/catalogue/codec.h"
#include "core/catalogue/rules.h"
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

// The page of a finding, built in its set (the one shown when the set does not matter) with its node
// selected; false when the node is gone or is another one now (a rule rebuilt the tree).
bool OpenNode(const Finding& f, PageModel& page) {
    const int node = NodeAtPath(f.node);
    if (node < 0 || NodeTitlePath(node) != f.path) return false;
    if (f.set != '-') Ws().ActiveParamSet = f.set == 'B';
    DeviceTreeChange(node);
    page = BuildFormpage();
    return true;
}

bool OpenPage(const Finding& f, PageModel& page) { return OpenNode(f, page) && page.find(f.row) != nullptr; }

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

// A value its page corrects when shown: the page is opened as the window opens it.
bool RepairByOpening(const Finding& f) {
    const std::vector<uint8_t> before = StoredImages();
    PageModel page;
    return OpenNode(f, page) && StoredImages() != before;
}

bool Repair(const Finding& f) {
    if (!f.target.possible) return false;
    try {
        if (f.target.openPage) return RepairByOpening(f);
        if (f.target.pointDay >= 0) return RepairSwitchingPointMode(f);
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

std::vector<Finding> Collect(ValuePlaces& places) {
    std::vector<Finding> out;
    CheckPageValues(Ws().ActiveParamSet, places, out);
    CheckIdentity(out);
    CheckPurgonPrograms(out);
    return out;
}

// Puts the loaded workspace back in place of a trial copy, however the trial ends.
class TrialWorkspace {
public:
    TrialWorkspace() : loaded_(ExchangeWorkspace(std::make_unique<Workspace>(Ws()))) {}
    ~TrialWorkspace() { ExchangeWorkspace(std::move(loaded_)); }
    TrialWorkspace(const TrialWorkspace&) = delete;
    TrialWorkspace& operator=(const TrialWorkspace&) = delete;

private:
    std::unique_ptr<Workspace> loaded_;
};

// What the repair of `f` would write, found on a copy of the workspace and told with the places of the
// loaded one; the loaded data set stays as it is.
std::vector<ValueChange> TrialRepair(const Finding& f, const ValuePlaces& places) {
    const std::vector<uint8_t> before = StoredImages();
    std::vector<uint8_t> after;
    {
        const TrialWorkspace trial;
        const CalibrationStampHold hold;
        if (!Repair(f)) return {};
        after = StoredImages();
    }
    Ws().ParImage.writeBytes(0, after);
    std::vector<ValueChange> changes = DescribeChanges(before, places, &f);
    Ws().ParImage.writeBytes(0, before);
    return changes;
}

// Every finding that has a repair learns what else the repair writes.
void ListWhatRepairsWrite(std::vector<Finding>& findings, const ValuePlaces& places) {
    for (Finding& f : findings)
        if (f.target.possible && !f.target.openPage) f.alsoChanges = TrialRepair(f, places);
}

}  // namespace

std::vector<Finding> CheckDataSet() {
    ValuePlaces places;
    std::vector<Finding> out = Collect(places);
    ListWhatRepairsWrite(out, places);
    return out;
}

RepairReport RepairAll() {
    RepairReport report;
    ValuePlaces places;
    std::vector<Finding> current = Collect(places);
    std::vector<Finding> attempted;
    const CalibrationStampHold hold;
    for (int round = 0; round < kRepairRounds; ++round) {
        bool wrote = false;
        {
            const PageContextKeeper keeper;
            for (const Finding& f : current) {
                if (!f.target.possible || Contains(attempted, f)) continue;
                const std::vector<uint8_t> before = StoredImages();
                const bool repaired = Repair(f);
                Finding done = f;
                // A page that corrects a value lists every change already; any other repair lists what it wrote
                // besides its own bytes.
                if (repaired && !f.target.openPage) done.alsoChanges = DescribeChanges(before, places, &f);
                attempted.push_back(std::move(done));
                wrote = repaired || wrote;
            }
        }
        if (!wrote) break;
        places = ValuePlaces{};
        current = Collect(places);
    }
    for (const Finding& f : attempted)
        if (!Contains(current, f)) report.repaired.push_back(f);
    ListWhatRepairsWrite(current, places);
    report.remaining = std::move(current);
    return report;
}

}  // namespace tessalin::check
