// The values of every page: list bytes, numbers, texts and times as the page shows them, checked against
// what the row offers and accepts; and the both-sets rows whose halves differ.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <span>

#include "core/catalogue/codec.h"
#include "core/catalogue/fixed_text.h"
#include "core/check/check_parts.h"
#include "core/families/opmode/slot_init.h"
#include "core/page/page_edit.h"
#include "core/page/row_values.h"
#include "core/settings/page_walk.h"
#include "core/settings/snapshot.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::check {

namespace {

std::string TimeText(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

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

class PageChecker {
public:
    PageChecker(bool activeSetB, std::vector<Finding>& out) : activeSetB_(activeSetB), out_(out) {}

    void visit(int node, char set, const PageModel& page) {
        node_ = node;
        for (const PageRow& row : page.rows) {
            if (row.heading) continue;
            const TParamEntry* entry = MakeRowCurrent(row.row);
            if (entry == nullptr || !entry->location.hasValue() || entry->location.section == Section::Scratch) continue;
            if (!HasPlace(entry->location, Ws().CurrentParam.slot)) continue;
            const long long offset = CurrentValueOffset();
            if (offset <= 0 || offset >= static_cast<long long>(kScratchBegin)) continue;
            Finding base;
            base.set = set;
            base.row = row.row;
            base.label = row.label;
            // A value kept once (a fixed section) is the same byte in both sets: it is checked once.
            if (checked_.insert(offset).second) checkValue(row, *entry, offset, base);
            if (set == 'A') checkBothSets(row, *entry, base);
        }
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

    void checkValue(const PageRow& row, const TParamEntry& entry, long long offset, Finding f) {
        switch (row.kind) {
            case kKindChoice:
            case kKindChoiceButtons: {
                // A one-item list shows its item over any stored byte, as the analyser does.
                if (!row.active || row.items.size() < 2) return;
                const int code = ReadU8(offset);
                if (Offers(row, code)) return;
                const int fallback = DefaultBytes(entry, 1)[0];
                f.target.code = Offers(row, fallback) ? fallback : row.items.front().code;
                f.stored = std::to_string(code);
                f.accepted = OfferedCodes(row);
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
                    f.repair = NumberText(f.target.value, shown) + inUnit;
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
        switch (row.kind) {
            case kKindNumber: {
                const Encoding encoding = EncodingOf(entry.flags);
                f.target.value = BaseValue(ReadEncoded(kept, encoding), entry, encoding);
                f.stored = FormatStored(BaseValue(ReadEncoded(taken, encoding), entry, encoding));
                f.repair = FormatStored(f.target.value);
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

    static std::string FormatStored(double value) {
        char text[32];
        std::snprintf(text, sizeof text, "%.7g", value);
        return text;
    }

    // A number in the unit shown, as the edit shows it.
    static std::string NumberText(double base, const TIPretSingle& shown) {
        const double factor = shown.unitIndex >= 0 ? shown.units[shown.unitIndex].factor : 1.0;
        return FormatStored(base / factor);
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
    std::vector<Finding>& out_;
    std::set<long long> checked_;
};

}  // namespace

void CheckPageValues(bool activeSetB, std::vector<Finding>& out) {
    PageChecker checker(activeSetB, out);
    ForEachPage(SetChoice::Both, [&](int node, char set, const PageModel& page) { checker.visit(node, set, page); });
}

}  // namespace tessalin::check
