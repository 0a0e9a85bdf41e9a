// The values of every page: list bytes, numbers, texts and times as the page shows them, checked against
// what the row offers and accepts; and the both-sets rows whose halves differ.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <span>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/fixed_text.h"
#include "core/check/changes.h"
#include "core/check/check_parts.h"
#include "core/families/opmode/slot_init.h"
#include "core/families/purgon/purgon.h"
#include "core/page/page_edit.h"
#include "core/page/row_text.h"
#include "core/page/row_values.h"
#include "core/settings/page_walk.h"
#include "core/settings/snapshot.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::check {

namespace {

// A value of an encoding from little-endian bytes.
double Decode(std::span<const uint8_t> bytes, Encoding encoding) {
    uint32_t u = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) u = (u << 8) | bytes[i];
    switch (encoding) {
        case Encoding::Int8: return static_cast<int8_t>(u);
        case Encoding::UInt8: return static_cast<uint8_t>(u);
        case Encoding::Int16: return static_cast<int16_t>(u);
        case Encoding::UInt16: return static_cast<uint16_t>(u);
        case Encoding::Int32: return static_cast<int32_t>(u);
        case Encoding::UInt32: return u;
        case Encoding::Float: {
            float f;
            std::memcpy(&f, &u, sizeof f);
            return f;
        }
    }
    return 0;
}

// The factory default of an entry's value for the current module, `width` bytes from its default record;
// zeros beyond the record.
std::vector<uint8_t> DefaultBytes(const TParamEntry& entry, int width) {
    const std::vector<uint8_t> record =
        FamilyDefaultRecord(entry.location.section, Ws().CurrentParam.moduleType, Ws().Device.Front);
    std::vector<uint8_t> out(static_cast<std::size_t>(width), 0);
    for (int i = 0; i < width; ++i) {
        const std::size_t at = entry.location.offset + static_cast<std::size_t>(i);
        if (at < record.size()) out[static_cast<std::size_t>(i)] = record[at];
    }
    return out;
}

// A number of an entry in base units: integer encodings are stored times their scale.
double BaseValue(double raw, const TParamEntry& entry, Encoding encoding) {
    return encoding == Encoding::Float ? raw : raw / ScaleFactor(entry);
}

std::string ItemText(const PageRow& row, int code) {
    for (const ChoiceItem& item : row.items)
        if (item.code == code) return std::to_string(code) + " " + item.text;
    return std::to_string(code);
}

std::string OfferedCodes(const PageRow& row) {
    std::string out;
    for (const ChoiceItem& item : row.items) out += (out.empty() ? "" : ", ") + ItemText(row, item.code);
    return out;
}

bool Offers(const PageRow& row, int code) {
    for (const ChoiceItem& item : row.items)
        if (item.code == code) return true;
    return false;
}

// The limits of the current number row in base units, and as the edit would show them.
struct Limits {
    float lower = 0, upper = 0;
    std::string lowerText, upperText;
};

Limits NumberLimits(const std::string& unit) {
    TICheckValue high;
    high.input = "1e30";
    high.unit = unit;
    CheckNumber(high);
    TICheckValue low;
    low.input = "-1e30";
    low.unit = unit;
    CheckNumber(low);
    return {high.lower, high.upper, low.corrected, high.corrected};
}

bool Beyond(double value, float limit, bool above) {
    const double tolerance = 1e-6 * std::max(1.0, std::fabs(static_cast<double>(limit)));
    return above ? value > limit + tolerance : value < limit - tolerance;
}

bool OnPurgonPage() {
    const TMenuEntry* entry = Ws().CurrentPage.entry;
    return entry >= &MenuProbe[0] && entry < &MenuProbe[kMenuProbeEnd];
}

class PageChecker {
public:
    PageChecker(bool activeSetB, ValuePlaces& places, std::vector<Finding>& out)
        : activeSetB_(activeSetB), places_(places), out_(out), original_(StoredImages()) {}

    void visit(int node, char set, const PageModel& page) {
        node_ = node;
        for (const PageRow& row : page.rows) {
            if (row.heading) continue;
            const TParamEntry* entry = MakeRowCurrent(row.row);
            if (entry == nullptr || !entry->location.hasValue()) continue;
            const uint8_t slot = Ws().CurrentParam.slot;
            if (!HasPlace(entry->location, slot)) continue;
            const long long offset = CurrentValueOffset();
            if (offset <= 0) continue;
            Finding base;
            base.row = row.row;
            base.label = row.label;
            // A working byte of the scratch area stands for a value kept elsewhere. On the Purgon
            // controller's pages that is a value of its image, alike in both sets (the control-system bits):
            // its row is checked once, as the page shows it.
            if (offset >= static_cast<long long>(kScratchBegin)) {
                base.set = '-';
                if (set == 'A' && OnPurgonPage() && scratchRows_.insert({node, row.row}).second)
                    checkValue(row, *entry, offset, base);
                continue;
            }
            const long long setA = ParamOffset(entry->location, slot, false);
            const bool perSet = setA != ParamOffset(entry->location, slot, true);
            // A row kept alike in both sets is written at its set-A place and 0x2000 above: both are its own.
            const bool bothHalves = (entry->flags & kPfBothSets) && WrittenInBothSets(entry->location.section);
            base.set = perSet ? set : '-';
            base.at = bothHalves ? setA : offset;
            base.width = StoredWidth(*entry);
            base.bothHalves = bothHalves;
            if (checked_.insert(offset).second) {
                places_.add({offset, base.width, node, row.row, base.set, bothHalves && !perSet, row.label, Ws().CurrentParam});
                checkValue(row, *entry, offset, base);
            }
            if (set == 'A') checkBothSets(row, *entry, base);
        }
        checkCorrectedWhenShown(set, page);
    }

private:
    // The node's place is worked out for a finding only: titles of the whole path are costly on every row.
    void add(Finding f, FindingKind kind, Severity severity) {
        f.path = NodeTitlePath(node_);
        f.node = NodePath(node_);
        f.kind = kind;
        f.severity = severity;
        f.target.possible = true;
        out_.push_back(std::move(f));
    }

    // Building the page for reading wrote into the stored images (a rule that corrects a value whenever
    // its row is asked whether it is shown): the analyser would use the corrected value. The walk puts
    // the bytes back; the repair opens the page as the window does.
    void checkCorrectedWhenShown(char set, const PageModel& page) {
        const ParImageBuffer& image = Ws().ParImage;
        const auto stored = image.all().first(kStoredImageEnd);
        if (std::equal(stored.begin(), stored.end(), original_.begin())) return;
        std::vector<ValueChange> changes = DescribeChanges(original_, places_, nullptr);
        if (changes.empty()) return;
        // The finding stands at the first changed value that a row of this page shows, else at the first change.
        Finding f;
        f.set = set;
        std::size_t at = 0;
        for (std::size_t i = 0; i < original_.size() && f.row < 0; ++i) {
            if (original_[i] == image.u8(static_cast<long long>(i))) continue;
            const ValuePlace* place = places_.covering(static_cast<long long>(i));
            if (place == nullptr || place->node != node_ || page.find(place->row) == nullptr) continue;
            const std::string text = PlaceText(*place);
            for (std::size_t k = 0; k < changes.size(); ++k)
                if (changes[k].place == text) at = k;
            f.row = place->row;
            f.label = place->label;
            f.set = place->set;
        }
        const ValueChange first = changes[at];
        changes.erase(changes.begin() + static_cast<std::ptrdiff_t>(at));
        if (f.row < 0) f.label = first.place;
        f.stored = first.before;
        f.accepted = Say("was die Seite zeigt", "what the page shows");
        f.repair = first.after;
        f.alsoChanges = std::move(changes);
        f.target.openPage = true;
        // A page shown in both sets corrects a value kept once in each of them: one finding.
        f.path = NodeTitlePath(node_);
        f.node = NodePath(node_);
        f.kind = FindingKind::Corrected;
        if (std::any_of(out_.begin(), out_.end(), [&](const Finding& g) { return g.samePlace(f); })) return;
        add(std::move(f), FindingKind::Corrected, Severity::ShownOtherwise);
    }

    void checkValue(const PageRow& row, const TParamEntry& entry, long long offset, Finding f) {
        switch (row.kind) {
            case kKindChoice:
            case kKindChoiceButtons: {
                // A one-item list shows its item over any stored byte, as the analyser does.
                if (!row.active || row.items.size() < 2) return;
                const int code = ReadU8(offset);
                TEvParRec verdict;
                verdict.number = code;
                AskRow(entry, kEvCheckCode, verdict);
                if (verdict.number == kCodeAccepted) return;
                const bool refused = verdict.number == kCodeRefused;
                if (!refused && Offers(row, code)) return;
                const bool working = entry.location.section == Section::Scratch;
                const int fallback = refused ? 0 : working ? row.items.front().code : DefaultBytes(entry, 1)[0];
                f.target.code = Offers(row, fallback) && fallback != code ? fallback : row.items.front().code;
                f.stored = ItemText(row, code);
                f.accepted = refused ? verdict.text : OfferedCodes(row);
                f.repair = ItemText(row, f.target.code);
                add(std::move(f), FindingKind::ListCode, Severity::Refused);
                return;
            }
            case kKindNumber: {
                TIPretSingle shown;
                if (!ReadNumber(shown)) return;
                const Encoding encoding = EncodingOf(entry.flags);
                const double value = BaseValue(ReadEncoded(offset, encoding), entry, encoding);
                const std::string unit = shown.unitIndex >= 0 ? shown.units[shown.unitIndex].text : "";
                const std::string inUnit = unit.empty() ? "" : " " + unit;
                if (!std::isfinite(value)) {
                    const int width = EncodingWidth(encoding);
                    f.target.value = BaseValue(Decode(DefaultBytes(entry, width), encoding), entry, encoding);
                    f.stored = std::isnan(value) ? "NaN" : value > 0 ? "+Inf" : "-Inf";
                    f.accepted = Say("eine Zahl", "a number");
                    f.repair = NumberText(f.target.value);
                    add(std::move(f), FindingKind::NotANumber, Severity::Refused);
                    return;
                }
                // The limits are those of entry: a number the user cannot edit (a value the analyser
                // derives, shown while its monitoring is automatic) is not held to them.
                if (!row.enabled) return;
                const Limits limits = NumberLimits(unit);
                const bool above = Beyond(value, limits.upper, true);
                if (!above && !Beyond(value, limits.lower, false)) return;
                f.target.value = above ? limits.upper : limits.lower;
                f.stored = shown.text + inUnit;
                f.accepted = limits.lowerText + " .. " + limits.upperText + inUnit;
                f.repair = (above ? limits.upperText : limits.lowerText) + inUnit;
                add(std::move(f), FindingKind::NumberLimit, Severity::Refused);
                return;
            }
            case kKindText: {
                if (!row.active) return;
                const std::string typed = FilteredText(row, BlanksTyped(row.value));
                if (typed == row.value) return;
                f.target.text = typed;
                f.stored = row.value;
                f.accepted = row.charSetName;
                f.repair = typed;
                add(std::move(f), FindingKind::TextCharacters, Severity::ShownOtherwise);
                return;
            }
            case kKindTime: {
                if (!row.active) return;
                const int hour = ReadU8(offset + 1), minute = ReadU8(offset);
                if (hour <= 23 && minute <= 59) return;
                f.target.hour = std::min(hour, 23);
                f.target.minute = std::min(minute, 59);
                f.stored = TimeText(hour, minute);
                f.accepted = "00:00 .. 23:59";
                f.repair = TimeText(f.target.hour, f.target.minute);
                add(std::move(f), FindingKind::Time, Severity::Refused);
                return;
            }
            default:
                return;
        }
    }

    // A row kept alike in both sets whose two copies differ: the set the user has open keeps its value, the
    // other set takes it.
    void checkBothSets(const PageRow& row, const TParamEntry& entry, Finding f) {
        if (!(entry.flags & kPfBothSets) || !WrittenInBothSets(entry.location.section)) return;
        if (row.kind != kKindChoice && row.kind != kKindChoiceButtons && row.kind != kKindNumber &&
            row.kind != kKindText && row.kind != kKindTime)
            return;
        const int width = StoredWidth(entry);
        const long long setA = ParamOffsetSetA(entry.location);
        if (width <= 0 || setA <= 0) return;
        bool same = true;
        for (int i = 0; i < width; ++i) same = same && ReadU8(setA + i) == ReadU8(setA + 0x2000 + i);
        if (same) return;
        const long long kept = activeSetB_ ? setA + 0x2000 : setA;
        const long long taken = activeSetB_ ? setA : setA + 0x2000;
        f.set = activeSetB_ ? 'A' : 'B';
        f.at = setA;
        f.width = width;
        f.bothHalves = true;
        switch (row.kind) {
            case kKindNumber: {
                const Encoding encoding = EncodingOf(entry.flags);
                f.target.value = BaseValue(ReadEncoded(kept, encoding), entry, encoding);
                const double other = BaseValue(ReadEncoded(taken, encoding), entry, encoding);
                // A half that is not a number is a finding of its own, whose repair writes both halves.
                if (!std::isfinite(f.target.value) || !std::isfinite(other)) return;
                f.stored = NumberText(other);
                f.repair = NumberText(f.target.value);
                break;
            }
            case kKindText:
                f.target.text = ReadFixedText(kept, static_cast<std::size_t>(width));
                f.stored = ReadFixedText(taken, static_cast<std::size_t>(width));
                f.repair = f.target.text;
                break;
            case kKindTime:
                f.target.hour = std::min<int>(ReadU8(kept + 1), 23);
                f.target.minute = std::min<int>(ReadU8(kept), 59);
                f.stored = TimeText(ReadU8(taken + 1), ReadU8(taken));
                f.repair = TimeText(f.target.hour, f.target.minute);
                break;
            default:
                f.target.code = ReadU8(kept);
                f.stored = ItemText(row, ReadU8(taken));
                f.repair = ItemText(row, f.target.code);
                break;
        }
        f.accepted = Say("wie in Parametersatz ", "as in parameter set ") + std::string(1, activeSetB_ ? 'B' : 'A');
        add(std::move(f), FindingKind::SetsDiffer, Severity::ShownOtherwise);
    }

    // A number of the current row in base units, as the row shows it: its format and its unit.
    static std::string NumberText(double base) {
        TIPretSingle shown;
        if (!ShowNumber(base, shown)) return "";
        const std::string unit = shown.unitIndex >= 0 ? shown.units[static_cast<std::size_t>(shown.unitIndex)].text : "";
        return shown.text + (unit.empty() ? "" : " " + unit);
    }

    // The device blank shown as "·" is a typed blank.
    static std::string BlanksTyped(const std::string& text) {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text.compare(i, 2, "\xC2\xB7") == 0) {
                out += ' ';
                ++i;
            } else {
                out += text[i];
            }
        }
        return out;
    }

    bool activeSetB_;
    int node_ = -1;  // the node of the page being visited
    ValuePlaces& places_;
    std::vector<Finding>& out_;
    const std::vector<uint8_t> original_;  // the stored images before any page was built
    std::set<long long> checked_;
    std::set<std::pair<int, int>> scratchRows_;  // node and row
};

}  // namespace

void CheckPageValues(bool activeSetB, ValuePlaces& places, std::vector<Finding>& out) {
    PageChecker checker(activeSetB, places, out);
    ForEachPage(SetChoice::Both, [&](int node, char set, const PageModel& page) { checker.visit(node, set, page); });
}

}  // namespace tessalin::check
