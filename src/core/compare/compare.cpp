#include "core/compare/compare.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/configurator/options.h"

namespace tessalin {

namespace {

const HardwareSection* FindSection(const std::vector<HardwareSection>& sections, const std::string& key) {
    for (const HardwareSection& s : sections)
        if (s.key == key) return &s;
    return nullptr;
}

std::string FieldValue(const HardwareSection* section, const std::string& key) {
    const HardwareField* f = section ? section->find(key) : nullptr;
    return f ? f->value : "";
}

// "pH 2 (4)": the designation with its code; "" for an empty place.
std::string Occupant(const HardwareSection* section) {
    const std::string code = FieldValue(section, section ? ComponentCodeKey(*section) : "code");
    if (code.empty() || code == "0") return "";
    const std::string name = FieldValue(section, "designation");
    return name.empty() ? code : name + " (" + code + ")";
}

// The name of an option bit of the front's option word: its key, or "option bit N".
std::string OptionName(int bit) {
    if (configurator::kMemoryCardOption.bit == bit) return std::string(configurator::kMemoryCardOption.key);
    for (const configurator::OptionRow& row : configurator::kOptionRows)
        if (row.bit == bit) return std::string(row.key);
    return "option bit " + std::to_string(bit);
}

// A changed field of a component.
Difference FieldDifference(const std::string& title, const std::string& field, const std::string& before,
                           const std::string& after) {
    Difference d;
    d.level = DifferenceLevel::Hardware;
    d.where = title;
    d.label = field;
    d.before = before;
    d.after = after;
    return d;
}

// One difference per option switched on or off.
void CompareOptions(const std::string& before, const std::string& after, const std::string& title,
                    std::vector<Difference>& out) {
    unsigned long long a = 0, b = 0;
    try {
        a = std::stoull(before);
        b = std::stoull(after);
    } catch (const std::exception&) {
        out.push_back(FieldDifference(title, "options", before, after));
        return;
    }
    for (int bit = 0; bit < 32; ++bit) {
        const bool was = (a >> bit) & 1, is = (b >> bit) & 1;
        if (was != is) out.push_back(FieldDifference(title, OptionName(bit), was ? "on" : "off", is ? "on" : "off"));
    }
}

void CompareFields(const HardwareSection* first, const HardwareSection* second, const std::string& title,
                   std::vector<Difference>& out) {
    std::vector<std::string> keys;
    std::set<std::string> derived;
    for (const HardwareSection* s : {first, second}) {
        if (s == nullptr) continue;
        for (const HardwareField& f : s->fields) {
            if (f.derived) derived.insert(f.key);
            if (std::find(keys.begin(), keys.end(), f.key) == keys.end()) keys.push_back(f.key);
        }
    }
    for (const std::string& key : keys) {
        if (derived.count(key)) continue;
        const std::string before = FieldValue(first, key), after = FieldValue(second, key);
        if (before == after) continue;
        if (key == "options") {
            CompareOptions(before, after, title, out);
            continue;
        }
        out.push_back(FieldDifference(title, key, before, after));
    }
}

std::string Title(const HardwareSection* first, const HardwareSection* second, const std::string& key) {
    for (const HardwareSection* s : {first, second})
        if (s && !s->title.empty() && s->title != s->key) return s->title;
    return key;
}

// One section: a changed occupant is one difference; otherwise its fields.
void CompareSection(const HardwareSection* a, const HardwareSection* b, const std::string& key,
                    std::vector<Difference>& out) {
    const std::string title = Title(a, b, key);
    const std::string codeKey = a ? ComponentCodeKey(*a) : b ? ComponentCodeKey(*b) : "code";
    if (FieldValue(a, codeKey) != FieldValue(b, codeKey)) {
        Difference d = FieldDifference(title, codeKey, Occupant(a), Occupant(b));
        d.presence = d.before.empty() ? Presence::SecondOnly : d.after.empty() ? Presence::FirstOnly : Presence::Both;
        out.push_back(std::move(d));
        return;
    }
    // An empty place keeps whatever its identity record held before: nothing to compare there.
    const std::string code = FieldValue(a, codeKey);
    if (code.empty() || code == "0") return;
    CompareFields(a, b, title, out);
}

bool SameRow(const SnapshotRow& a, const SnapshotRow& b) { return a.value == b.value && a.unit == b.unit; }

Difference RowDifference(const SnapshotPage& page, const SnapshotRow* before, const SnapshotRow* after) {
    Difference d;
    d.level = DifferenceLevel::Row;
    d.presence = before && after ? Presence::Both : before ? Presence::FirstOnly : Presence::SecondOnly;
    d.where = page.path;
    d.node = page.node;
    d.set = page.set;
    d.section = page.section;
    const SnapshotRow& any = before ? *before : *after;
    d.row = any.row;
    d.label = any.label;
    if (before) {
        d.before = before->value;
        d.unitBefore = before->unit;
    }
    if (after) {
        d.after = after->value;
        d.unitAfter = after->unit;
    }
    return d;
}

void CompareRows(const SnapshotPage& first, const SnapshotPage& second, std::vector<Difference>& out) {
    for (const SnapshotRow& a : first.rows) {
        const SnapshotRow* b = second.find(a.row);
        if (b != nullptr && b->label != a.label) b = nullptr;  // another row there now: compared as two
        if (b == nullptr)
            out.push_back(RowDifference(first, &a, nullptr));
        else if (!SameRow(a, *b))
            out.push_back(RowDifference(first, &a, b));
    }
    for (const SnapshotRow& b : second.rows) {
        const SnapshotRow* a = first.find(b.row);
        if (a == nullptr || a->label != b.label) out.push_back(RowDifference(second, nullptr, &b));
    }
}

// The page of `pages` in the same set at the same title path, or else at the same index path with the
// same title (a component whose title follows one of its values); -1 without.
int MatchingPage(const SnapshotPage& page, const std::vector<SnapshotPage>& pages) {
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i].set == page.set && pages[i].path == page.path) return static_cast<int>(i);
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i].set == page.set && !page.node.empty() && pages[i].node == page.node && pages[i].title == page.title)
            return static_cast<int>(i);
    return -1;
}

Difference PageDifference(const SnapshotPage& page, Presence presence) {
    Difference d;
    d.level = DifferenceLevel::Page;
    d.presence = presence;
    d.where = page.path;
    d.node = page.node;
    d.set = page.set;
    d.section = page.section;
    return d;
}

// A set-B difference that repeats a set-A one (a value kept once for both sets) joins it.
std::vector<Difference> MergeSets(std::vector<Difference> in) {
    std::vector<Difference> out;
    for (Difference& d : in) {
        if (d.set == 'B') {
            bool merged = false;
            for (Difference& o : out) {
                if (o.set == 'A' && o.level == d.level && o.presence == d.presence && o.where == d.where &&
                    o.row == d.row && o.label == d.label && o.before == d.before && o.after == d.after &&
                    o.unitBefore == d.unitBefore && o.unitAfter == d.unitAfter) {
                    o.set = 0;
                    merged = true;
                    break;
                }
            }
            if (merged) continue;
        }
        out.push_back(std::move(d));
    }
    return out;
}

}  // namespace

std::vector<Difference> HardwareDifferences(const std::vector<HardwareSection>& first,
                                            const std::vector<HardwareSection>& second) {
    std::vector<Difference> out;
    std::vector<std::string> keys;
    for (const auto* list : {&first, &second})
        for (const HardwareSection& s : *list)
            if (std::find(keys.begin(), keys.end(), s.key) == keys.end()) keys.push_back(s.key);
    for (const std::string& key : keys) {
        const std::size_t before = out.size();
        CompareSection(FindSection(first, key), FindSection(second, key), key, out);
        for (std::size_t i = before; i < out.size(); ++i) out[i].section = key;
    }
    return out;
}

std::vector<Difference> CompareSnapshots(const Snapshot& first, const Snapshot& second) {
    std::vector<Difference> out = HardwareDifferences(first.hardware, second.hardware);
    // A component added, removed or replaced is one hardware difference; its pages are not compared.
    std::set<std::string> changed;
    for (const auto* list : {&first.hardware, &second.hardware})
        for (const HardwareSection& s : *list) {
            const HardwareSection* a = FindSection(first.hardware, s.key);
            const HardwareSection* b = FindSection(second.hardware, s.key);
            if (FieldValue(a, ComponentCodeKey(s)) != FieldValue(b, ComponentCodeKey(s))) changed.insert(s.key);
        }

    std::vector<Difference> pages;
    std::vector<bool> secondMatched(second.pages.size(), false);
    for (const SnapshotPage& p : first.pages) {
        if (changed.count(p.section)) continue;
        const int match = MatchingPage(p, second.pages);
        if (match < 0) {
            pages.push_back(PageDifference(p, Presence::FirstOnly));
            continue;
        }
        secondMatched[static_cast<std::size_t>(match)] = true;
        CompareRows(p, second.pages[static_cast<std::size_t>(match)], pages);
    }
    for (std::size_t i = 0; i < second.pages.size(); ++i)
        if (!secondMatched[i] && !changed.count(second.pages[i].section) && MatchingPage(second.pages[i], first.pages) < 0)
            pages.push_back(PageDifference(second.pages[i], Presence::SecondOnly));
    for (Difference& d : MergeSets(std::move(pages))) out.push_back(std::move(d));
    return out;
}

std::string DescribeDifference(const Difference& d, int uiLanguage) {
    const bool german = uiLanguage == 0;
    const std::string setMark = d.set ? std::string(german ? " [Satz " : " [set ") + d.set + "]" : "";
    const std::string none = german ? "(keine)" : "(none)";
    const std::string notShown = german ? "(nicht angezeigt)" : "(not shown)";
    // Options are switched "on" and "off".
    auto value = [german](const std::string& text) {
        if (german && text == "on") return std::string("ein");
        if (german && text == "off") return std::string("aus");
        return text;
    };
    auto withUnit = [](const std::string& text, const std::string& unit) { return unit.empty() ? text : text + " " + unit; };
    switch (d.level) {
        case DifferenceLevel::Hardware:
            if (d.label == "code" || d.label == "type_code")
                return "Hardware > " + d.where + ": " + (d.before.empty() ? none : d.before) + " \u2192 " +
                       (d.after.empty() ? none : d.after);
            return "Hardware > " + d.where + " > " + d.label + ": " + value(d.before) + " \u2192 " + value(d.after);
        case DifferenceLevel::Page:
            if (german)
                return d.where + setMark + ": Seite nur im " +
                       (d.presence == Presence::FirstOnly ? "ersten Datensatz" : "zweiten Datensatz");
            return d.where + setMark + ": page " +
                   (d.presence == Presence::FirstOnly ? "only in the first data set" : "only in the second data set");
        case DifferenceLevel::Row:
            break;
    }
    const std::string head = d.where + " > " + d.label + setMark + ": ";
    if (d.presence == Presence::FirstOnly) return head + withUnit(d.before, d.unitBefore) + " \u2192 " + notShown;
    if (d.presence == Presence::SecondOnly) return head + notShown + " \u2192 " + withUnit(d.after, d.unitAfter);
    if (d.unitBefore == d.unitAfter) return head + d.before + " \u2192 " + withUnit(d.after, d.unitAfter);
    return head + withUnit(d.before, d.unitBefore) + " \u2192 " + withUnit(d.after, d.unitAfter);
}

}  // namespace tessalin
