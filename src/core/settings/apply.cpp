#include "core/settings/apply.h"

#include <charconv>
#include <cstdio>
#include <map>
#include <utility>

#include "core/catalogue/codec.h"
#include "core/page/page_edit.h"
#include "core/page/row_text.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// Rounds of applying before the values that still move are reported: each round takes every value that
// differs, so a value shown or reset by another one is taken in the round after.
constexpr int kMaxRounds = 8;

constexpr const char* kCheckMeaning[] = {"accepted", "not a number", "decimal places not allowed",
                                         "below the lower limit", "above the upper limit"};

struct RowState {
    bool final = false;        // refused or corrected: not taken again
    bool stored = false;       // committed at least once
    ApplyStatus last = ApplyStatus::Applied;
    std::string reason;
    bool matches = false;      // the row showed the file's value when last seen
    std::string shown;
};

std::string WithUnit(const std::string& value, const std::string& unit) { return unit.empty() ? value : value + " " + unit; }

bool ParseWhole(const std::string& text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc{} && end == text.data() + text.size();
}

bool Matches(const PageRow& shown, const SnapshotRow& wanted) {
    return ShownValue(shown) == wanted.value && ShownUnit(shown) == wanted.unit;
}

struct CommitResult {
    bool refused = false;
    std::string reason;  // of a refusal or a correction
};

CommitResult CommitWanted(PageModel& page, PageRow& row, const SnapshotRow& wanted) {
    CommitResult result;
    switch (row.kind) {
        case kKindNumber: {
            if (!wanted.unit.empty() || !row.units.empty()) {
                int index = -1;
                for (std::size_t i = 0; i < row.units.size(); ++i)
                    if (row.units[i] == wanted.unit) index = static_cast<int>(i);
                if (index < 0) return {true, "the row offers no unit '" + wanted.unit + "'"};
                row.unitIndex = index;
            }
            const NumberOutcome out = CommitNumber(page, row.row, wanted.value, true);
            if (!out.stored) return {true, kCheckMeaning[kCheckNotANumber]};
            if (out.result > 0 && out.result < 5) result.reason = kCheckMeaning[out.result];
            return result;
        }
        case kKindChoice:
        case kKindChoiceButtons: {
            for (std::size_t i = 0; i < row.items.size(); ++i)
                if (row.items[i].text == wanted.value) {
                    CommitChoice(page, row.row, static_cast<int>(i));
                    return result;
                }
            std::string items;
            for (const ChoiceItem& item : row.items) items += (items.empty() ? "" : " | ") + item.text;
            return {true, "the list offers no such item (" + items + ")"};
        }
        case kKindText:
            CommitText(page, row.row, wanted.value);
            result.reason = "characters outside the field's set or beyond its length";
            return result;
        case kKindSlider: {
            int position = 0;
            if (!ParseWhole(wanted.value, position)) return {true, "a slider takes a whole number"};
            CommitSlider(page, row.row, position);
            result.reason = "beyond the slider's range";
            return result;
        }
        case kKindTime: {
            int hour = 0, minute = 0;
            const std::size_t colon = wanted.value.find(':');
            if (colon == std::string::npos || !ParseWhole(wanted.value.substr(0, colon), hour) ||
                !ParseWhole(wanted.value.substr(colon + 1), minute))
                return {true, "a time takes HH:MM"};
            CommitTime(page, row.row, hour, minute);
            result.reason = "beyond 23:59";
            return result;
        }
        default:
            return {true, "the row holds no value to set"};
    }
}

class Applier {
public:
    explicit Applier(const Snapshot& file) : file_(file), states_(file.pages.size()) {
        for (std::size_t p = 0; p < file.pages.size(); ++p) states_[p].resize(file.pages[p].rows.size());
    }

    // One round over every page; with `commit` false it only looks. True when anything was committed.
    bool round(bool commit) {
        bool committed = false;
        nodes_ = NodesByTitlePath();
        for (std::size_t p = 0; p < file_.pages.size(); ++p) {
            const SnapshotPage& page = file_.pages[p];
            PageModel model;
            if (!open(page, model)) {
                for (RowState& st : states_[p])
                    if (!st.final) see(st, ApplyStatus::NotShown, "the data set shows no such page", false, "");
                continue;
            }
            for (std::size_t r = 0; r < page.rows.size(); ++r) {
                RowState& st = states_[p][r];
                if (st.final) continue;
                const SnapshotRow& wanted = page.rows[r];
                PageRow* shown = model.find(wanted.row);
                if (shown == nullptr || !IsValueRow(*shown) || (shown->heading ? shown->valueLabel : shown->label) != wanted.label) {
                    see(st, ApplyStatus::NotShown, "the page shows no such row", false, "");
                    continue;
                }
                const std::string now = WithUnit(ShownValue(*shown), ShownUnit(*shown));
                if (Matches(*shown, wanted)) {
                    see(st, ApplyStatus::Applied, "", true, now);
                    continue;
                }
                if (shown->heading || !shown->enabled || !shown->active) {
                    see(st, ApplyStatus::NotEditable, "the row is not editable here", false, now);
                    continue;
                }
                if (!commit) {
                    see(st, ApplyStatus::Corrected, "changed again by the rules of other values", false, now);
                    continue;
                }
                committed = true;
                if (!take(page, model, *shown, wanted, st)) break;  // the page is gone: the next round looks again
            }
        }
        return committed;
    }

    ApplyReport report(std::vector<Difference> hardware) const {
        ApplyReport out;
        out.hardware = std::move(hardware);
        for (std::size_t p = 0; p < file_.pages.size(); ++p) {
            const SnapshotPage& page = file_.pages[p];
            for (std::size_t r = 0; r < page.rows.size(); ++r) {
                const RowState& st = states_[p][r];
                const SnapshotRow& wanted = page.rows[r];
                if (!st.final && st.matches && !st.stored) {
                    ++out.unchanged;
                    continue;
                }
                ApplyEntry e;
                e.status = st.final || !st.matches ? st.last : ApplyStatus::Applied;
                e.set = page.set;
                e.path = page.path;
                e.row = wanted.row;
                e.label = wanted.label;
                e.wanted = WithUnit(wanted.value, wanted.unit);
                e.shown = st.shown;
                e.reason = e.status == ApplyStatus::Applied ? "" : st.reason;
                out.entries.push_back(std::move(e));
            }
        }
        return out;
    }

private:
    static void see(RowState& st, ApplyStatus status, std::string reason, bool matches, std::string shown) {
        st.last = status;
        st.reason = std::move(reason);
        st.matches = matches;
        st.shown = std::move(shown);
    }

    bool open(const SnapshotPage& page, PageModel& model) {
        Ws().ActiveParamSet = page.set == 'B';
        const auto it = nodes_.find(page.path);
        if (it == nodes_.end()) return false;
        DeviceTreeChange(it->second);
        model = BuildFormpage();
        return true;
    }

    // Commits one value and reads the row back; false when its page is no longer in the tree.
    bool take(const SnapshotPage& page, PageModel& model, PageRow& shown, const SnapshotRow& wanted, RowState& st) {
        CommitResult result;
        try {
            result = CommitWanted(model, shown, wanted);
        } catch (const RangeError& e) {
            result = {true, e.what()};
        }
        st.stored |= !result.refused;
        // A rule may ask for the tree to be built again once the commit is over, as the window's timer does.
        if (std::exchange(Ws().TreeRebuildRequest, false)) BuildDeviceTree();
        // What the row shows now, on the page built again (a commit can rebuild the branch or the tree).
        nodes_ = NodesByTitlePath();
        std::string now;
        bool matches = false;
        const bool reopened = open(page, model);
        if (reopened) {
            if (const PageRow* after = model.find(wanted.row)) {
                now = WithUnit(ShownValue(*after), ShownUnit(*after));
                matches = Matches(*after, wanted);
            }
        }
        if (result.refused) {
            st.final = true;
            see(st, ApplyStatus::Refused, result.reason, false, now);
        } else if (!matches) {
            st.final = true;
            see(st, ApplyStatus::Corrected, result.reason, false, now);
        } else {
            see(st, ApplyStatus::Applied, "", true, now);
        }
        return reopened;
    }

    const Snapshot& file_;
    std::vector<std::vector<RowState>> states_;
    std::map<std::string, int> nodes_;
};

}  // namespace

bool ApplyReport::refused() const {
    for (const ApplyEntry& e : entries)
        if (e.status == ApplyStatus::Refused) return true;
    return false;
}

const char* ApplyStatusName(ApplyStatus status) {
    switch (status) {
        case ApplyStatus::Applied: return "applied";
        case ApplyStatus::Corrected: return "corrected";
        case ApplyStatus::Refused: return "refused";
        case ApplyStatus::NotShown: return "not shown";
        case ApplyStatus::NotEditable: return "not editable";
    }
    return "";
}

ApplyReport ApplySettings(const Snapshot& file) {
    SelectLanguage(file.language);
    BuildDeviceTree();
    std::vector<Difference> hardware = HardwareDifferences(file.hardware, DescribeHardware());
    Applier applier(file);
    for (int round = 0; round < kMaxRounds && applier.round(true); ++round) {
    }
    applier.round(false);
    Ws().ActiveParamSet = false;
    if (!Ws().Tree.roots.empty()) DeviceTreeChange(Ws().Tree.roots.front());
    return applier.report(std::move(hardware));
}

}  // namespace tessalin
