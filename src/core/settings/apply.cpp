#include "core/settings/apply.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <utility>

#include "core/catalogue/codec.h"
#include "core/page/page_edit.h"
#include "core/page/row_values.h"
#include "core/page/row_text.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// Rounds of applying before the values that still move are reported: each round takes every value that
// differs, so a value shown, reset or limited by another one is taken again in the round after.
constexpr int kMaxRounds = 8;

// The FRONT and Purgon images: what a commit can change that is saved.
constexpr std::size_t kImagesEnd = kPurgonOffset + kPurgonSize;

struct RowState {
    bool settled = false;      // refused or corrected: taken again only once other values changed the image
    long seenChanges = 0;      // the image changes counted when it settled
    bool stored = false;       // committed at least once
    ApplyStatus last = ApplyStatus::Applied;
    std::string reason;
    bool matches = false;      // the row showed the file's value when last seen
    bool preciseTried = false; // the stored bytes were taken once for a value the shown text rounds
    std::string acceptedShown; // what the row showed after its number was accepted as typed
    std::string shown;
};

std::string WithUnit(const std::string& value, const std::string& unit) { return unit.empty() ? value : value + " " + unit; }

bool ParseWhole(const std::string& text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc{} && end == text.data() + text.size();
}

// A number written with other digits ("7.5" for "7.50") is the same number.
bool SameNumber(const std::string& a, const std::string& b) {
    auto parse = [](std::string text, double& value) {
        for (char& c : text)
            if (c == ',') c = '.';
        char* end = nullptr;
        value = std::strtod(text.c_str(), &end);
        return !text.empty() && end == text.c_str() + text.size();
    };
    double x = 0, y = 0;
    return parse(a, x) && parse(b, y) && x == y;
}

bool Matches(const PageRow& shown, const SnapshotRow& wanted) {
    if (wanted.unitGiven && ShownUnit(shown) != wanted.unit) return false;
    const std::string value = ShownValue(shown);
    return value == wanted.value || (shown.kind == kKindNumber && SameNumber(value, wanted.value));
}

// A float value whose shown text equals the file's but whose stored bytes differ: the stored value of
// the file with every digit it holds, in the row's unit, to be typed instead; nothing otherwise.
std::optional<std::string> PreciseText(const PageRow& row, const SnapshotRow& wanted, bool setB) {
    if (row.kind != kKindNumber || row.heading || wanted.raw.size() != 8 || StoredBytes(row, setB) == wanted.raw)
        return std::nullopt;
    const TParamEntry* entry = MakeRowCurrent(row.row);
    if (entry == nullptr || EncodingOf(entry->flags) != Encoding::Float) return std::nullopt;
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) {
        unsigned byte = 0;
        if (std::sscanf(wanted.raw.c_str() + 2 * i, "%2x", &byte) != 1) return std::nullopt;
        bits = bits << 8 | byte;
    }
    float stored = 0;
    std::memcpy(&stored, &bits, sizeof stored);
    TIPretSingle number;
    ReadNumber(number);
    float factor = 1;
    if (row.unitIndex >= 0 && row.unitIndex < static_cast<int>(number.units.size()))
        factor = number.units[static_cast<std::size_t>(row.unitIndex)].factor;
    if (!std::isfinite(stored) || factor == 0) return std::nullopt;
    const double value = static_cast<double>(stored) / factor;
    for (int digits = 6; digits <= 9; ++digits) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*g", digits, value);
        if (std::strchr(text, 'e') != nullptr) return std::nullopt;
        if (static_cast<float>(std::strtod(text, nullptr) * factor) == stored) return std::string(text);
    }
    return std::nullopt;
}

bool IsList(const PageRow& row) { return row.kind == kKindChoice || row.kind == kKindChoiceButtons; }

// The code a list row of the file stored, -1 when the file gives none.
int StoredCode(const SnapshotRow& wanted) {
    unsigned code = 0;
    return wanted.raw.size() == 2 && std::sscanf(wanted.raw.c_str(), "%2x", &code) == 1 ? static_cast<int>(code) : -1;
}

// The item of a list that has the file's stored code and shown text, -1 without.
int ItemOfStoredCode(const PageRow& row, const SnapshotRow& wanted) {
    const int code = StoredCode(wanted);
    for (std::size_t i = 0; i < row.items.size() && code >= 0; ++i)
        if (row.items[i].code == code && row.items[i].text == wanted.value) return static_cast<int>(i);
    return -1;
}

// A list whose byte holds another code than the file's although it may show the same text: a list of one
// item shows that item whatever its byte holds, and a list showing no item shows nothing for any code it
// does not offer. It matches only once it holds the file's code, where the list offers that code with the
// file's text or the file showed no item.
bool OtherStoredCode(const PageRow& row, const SnapshotRow& wanted, bool setB) {
    if (!IsList(row) || wanted.raw.empty() || StoredBytes(row, setB) == wanted.raw) return false;
    return wanted.value.empty() || ItemOfStoredCode(row, wanted) >= 0;
}

struct CommitResult {
    bool refused = false;
    bool asTyped = false;  // a number accepted as typed (shown perhaps with fewer digits)
    std::string reason;  // of a refusal or a correction
    bool treeChanged = false;  // the commit rebuilt a branch of the tree or the whole tree
};

// Notes whether a commit rebuilt a branch of the tree or the whole tree; false when it found no place for
// its row in the image.
bool Written(const FollowUp& followUp, CommitResult& result) {
    result.treeChanged = followUp.rebuildBranch || followUp.rebuildTree;
    return !followUp.notWritten;
}

// A commit that found no place for its row in this image stored nothing: it is refused.
constexpr const char* kNoPlace = "the row has no place in the image for this module";

CommitResult CommitWanted(PageModel& page, PageRow& row, const SnapshotRow& wanted) {
    CommitResult result;
    switch (row.kind) {
        case kKindNumber: {
            // A row without a unit is entered in the unit the page shows.
            if (wanted.unitGiven && (!wanted.unit.empty() || !row.units.empty())) {
                int index = -1;
                for (std::size_t i = 0; i < row.units.size(); ++i)
                    if (row.units[i] == wanted.unit) index = static_cast<int>(i);
                if (index < 0) return {true, false, "the row offers no unit '" + wanted.unit + "'"};
                row.unitIndex = index;
            }
            const NumberOutcome out = CommitNumber(page, row.row, wanted.value, true);
            if (!Written(out.followUp, result)) return {true, false, kNoPlace};
            // A text the field already shows is left as it stands, as leaving an untouched field does.
            if (!out.stored && out.result == kCheckAccepted) return result;
            if (!out.stored) return {true, false, CheckMeaning(kCheckNotANumber)};
            result.asTyped = out.result == kCheckAccepted;
            if (out.result != kCheckAccepted) result.reason = CheckMeaning(out.result);
            return result;
        }
        case kKindChoice:
        case kKindChoiceButtons: {
            // The item with the file's code and text, else the first with its text, else (a stored code
            // that the source's list no longer named: it showed no item) the one with its code.
            int index = ItemOfStoredCode(row, wanted);
            for (std::size_t i = 0; i < row.items.size() && index < 0; ++i)
                if (row.items[i].text == wanted.value) index = static_cast<int>(i);
            const int code = StoredCode(wanted);
            for (std::size_t i = 0; i < row.items.size() && index < 0; ++i)
                if (row.items[i].code == code) index = static_cast<int>(i);
            if (index >= 0) {
                if (!Written(CommitChoice(page, row.row, index), result)) return {true, false, kNoPlace};
                return result;
            }
            std::string items;
            for (const ChoiceItem& item : row.items) items += (items.empty() ? "" : " | ") + item.text;
            return {true, false, "the list offers no such item (" + items + ")"};
        }
        case kKindText:
            if (!Written(CommitText(page, row.row, wanted.value), result)) return {true, false, kNoPlace};
            result.reason = "characters outside the field's set or beyond its length";
            return result;
        case kKindSlider: {
            int position = 0;
            if (!ParseWhole(wanted.value, position)) return {true, false, "a slider takes a whole number"};
            if (!Written(CommitSlider(page, row.row, position), result)) return {true, false, kNoPlace};
            result.reason = "beyond the slider's range";
            return result;
        }
        case kKindTime: {
            int hour = 0, minute = 0;
            const std::size_t colon = wanted.value.find(':');
            if (colon == std::string::npos || !ParseWhole(wanted.value.substr(0, colon), hour) ||
                !ParseWhole(wanted.value.substr(colon + 1), minute))
                return {true, false, "a time takes HH:MM"};
            if (!Written(CommitTime(page, row.row, hour, minute).followUp, result)) return {true, false, kNoPlace};
            result.reason = "beyond 23:59";
            return result;
        }
        default:
            return {true, false, "the row holds no value to set"};
    }
}

class Applier {
public:
    explicit Applier(const Snapshot& file) : file_(file), states_(file.pages.size()) {
        for (std::size_t p = 0; p < file.pages.size(); ++p) states_[p].resize(file.pages[p].rows.size());
    }

    // One round over every page; with `commit` false it only looks. True when a commit changed the image.
    bool round(bool commit) {
        const long changesBefore = changes_;
        nodes_ = NodesByTitlePath();
        for (std::size_t p = 0; p < file_.pages.size(); ++p) {
            const SnapshotPage& page = file_.pages[p];
            PageModel model;
            if (!open(page, model)) {
                for (RowState& st : states_[p])
                    if (!st.settled) see(st, ApplyStatus::NotShown, kNoSuchPage, false, "");
                continue;
            }
            for (std::size_t r = 0; r < page.rows.size(); ++r) {
                RowState& st = states_[p][r];
                if (st.settled && (!commit || changes_ == st.seenChanges)) continue;
                const SnapshotRow& wanted = page.rows[r];
                PageRow* shown = model.find(wanted.row);
                if (shown == nullptr || !IsValueRow(*shown) || (shown->heading ? shown->valueLabel : shown->label) != wanted.label) {
                    see(st, ApplyStatus::NotShown, "the page shows no such row", false, "");
                    continue;
                }
                const std::string now = WithUnit(ShownValue(*shown), ShownUnit(*shown));
                if (!OtherStoredCode(*shown, wanted, page.set == 'B') &&
                    (Matches(*shown, wanted) || (!st.acceptedShown.empty() && now == st.acceptedShown))) {
                    // The shown text rounds the value: the stored bytes say which value it was.
                    const auto precise = commit && !st.preciseTried ? PreciseText(*shown, wanted, page.set == 'B') : std::nullopt;
                    st.preciseTried = true;
                    if (!precise) {
                        see(st, ApplyStatus::Applied, "", true, now);
                        continue;
                    }
                    SnapshotRow typed = wanted;
                    typed.value = *precise;
                    if (!take(page, model, *shown, typed, wanted, st)) break;
                    if (st.matches) continue;
                    // The bytes did not hold the value the file shows (a value edited by hand): the text counts.
                    st.settled = false;
                    shown = model.find(wanted.row);
                    if (shown == nullptr || !take(page, model, *shown, wanted, wanted, st)) break;
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
                if (!take(page, model, *shown, wanted, wanted, st)) break;  // the page is gone: the next round looks again
            }
        }
        return changes_ != changesBefore;
    }

    ApplyReport report(std::vector<Difference> hardware) const {
        ApplyReport out;
        out.hardware = std::move(hardware);
        for (std::size_t p = 0; p < file_.pages.size(); ++p) {
            const SnapshotPage& page = file_.pages[p];
            for (std::size_t r = 0; r < page.rows.size(); ++r) {
                const RowState& st = states_[p][r];
                const SnapshotRow& wanted = page.rows[r];
                if (!st.settled && st.matches && !st.stored) {
                    ++out.unchanged;
                    continue;
                }
                ApplyEntry e;
                e.status = st.settled || !st.matches ? st.last : ApplyStatus::Applied;
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
        const int node = FindPageNode(page, nodes_);
        if (node < 0) return false;
        DeviceTreeChange(node);
        model = BuildFormpage();
        return true;
    }

    // Commits one value and reads the row back; false when its page is no longer in the tree.
    // `typed` is what is entered, `wanted` what the row is to show.
    bool take(const SnapshotPage& page, PageModel& model, PageRow& shown, const SnapshotRow& typed,
              const SnapshotRow& wanted, RowState& st) {
        const auto image = Ws().ParImage.bytes(0, kImagesEnd);
        const std::vector<uint8_t> before(image.begin(), image.end());
        const int generation = Ws().Tree.generation;
        CommitResult result;
        try {
            result = CommitWanted(model, shown, typed);
        } catch (const RangeError& e) {
            result = {true, false, e.what(), true};
        }
        st.stored |= !result.refused;
        // A rule that changed the hardware asks for the device to be decoded again and the tree rebuilt
        // once the commit is over, as the window's timer does.
        if (std::exchange(Ws().TreeRebuildRequest, false)) RedecodeKeepSelection();
        const auto after = Ws().ParImage.bytes(0, kImagesEnd);
        if (!std::equal(before.begin(), before.end(), after.begin())) ++changes_;
        // What the row shows now, on the page built again, found again where the commit rebuilt a branch
        // or the tree.
        if (result.treeChanged || Ws().Tree.generation != generation) nodes_ = NodesByTitlePath();
        std::string now;
        bool matches = false;
        const bool reopened = open(page, model);
        if (reopened) {
            if (const PageRow* after = model.find(wanted.row)) {
                now = WithUnit(ShownValue(*after), ShownUnit(*after));
                matches = Matches(*after, wanted);
            }
        }
        matches |= result.asTyped && reopened;
        st.acceptedShown = result.asTyped ? now : "";
        st.settled = result.refused || !matches;
        st.seenChanges = changes_;
        if (result.refused) {
            see(st, ApplyStatus::Refused, result.reason, false, now);
        } else if (!matches) {
            see(st, ApplyStatus::Corrected, result.reason, false, now);
        } else {
            see(st, ApplyStatus::Applied, "", true, now);
        }
        return reopened;
    }

    const Snapshot& file_;
    std::vector<std::vector<RowState>> states_;
    std::map<std::string, int> nodes_;
    long changes_ = 0;  // commits that changed the image
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
