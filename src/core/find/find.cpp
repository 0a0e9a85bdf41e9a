#include "core/find/find.h"

#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "core/catalogue/events.h"
#include "core/common/texts.h"
#include "core/page/row_text.h"
#include "core/page/row_values.h"
#include "core/page/sub_page.h"
#include "core/settings/page_walk.h"
#include "core/settings/snapshot.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// The letters of U+00C0..U+00FF without their accents, in lower case; "" keeps the character.
constexpr const char* kLatin1Folded[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",    // C0..CF
    "d", "n", "o", "o", "o", "o", "o", "",  "o", "u", "u", "u", "u", "y", "",   "ss",  // D0..DF
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",    // E0..EF
    "d", "n", "o", "o", "o", "o", "o", "",  "o", "u", "u", "u", "u", "y", "",   "y",   // F0..FF
};

// Ä Ö Ü ä ö ü: the second bytes of the letters whose German transcription adds an "e".
bool IsUmlaut(unsigned char second) {
    return second == 0x84 || second == 0x96 || second == 0x9C || second == 0xA4 || second == 0xB6 || second == 0xBC;
}

// The query in both foldings: "über" is found as "uber" in "Über" and as "ueber" in "ueber" and "Über".
struct Query {
    std::string base;
    std::string transcribed;
};

bool Matches(const Query& query, const std::string& text) {
    return !text.empty() && (FoldForSearch(text).find(query.base) != std::string::npos ||
                             FoldForSearch(text, Umlauts::Transcribed).find(query.transcribed) != std::string::npos);
}

// The hit of a row, or none: its label (a heading's text), its shown value with its unit, and the choice
// items besides the shown one. Sub-pages are searched without values: what they show depends on the button
// that opens them.
std::optional<FindHit> RowHit(const Query& query, const PageRow& row, bool withValue) {
    if (row.kind == kKindPicture) return std::nullopt;
    FindHit hit;
    hit.row = row.row;
    const bool plainHeading = row.heading && row.kind != kKindNumber;
    hit.label = plainHeading ? row.label : ShownLabel(row);
    if (withValue && !plainHeading) {
        hit.value = ShownValue(row);
        hit.unit = ShownUnit(row);
    }
    if (Matches(query, hit.label) || (row.heading && Matches(query, row.label)) ||
        Matches(query, hit.unit.empty() ? hit.value : hit.value + " " + hit.unit))
        return hit;
    for (const ChoiceItem& item : row.items) {
        if (item.text == hit.value || !Matches(query, item.text)) continue;
        hit.item += (hit.item.empty() ? "" : ", ") + item.text;
    }
    if (hit.item.empty()) return std::nullopt;
    return hit;
}

// The menu entry that button `number` of row `row` opens as a sub-page, asked without pressing it.
const TMenuEntry* SubPageOf(int row, int number) {
    if (MakeRowCurrent(row) == nullptr) return nullptr;
    TEvParRec rec;
    rec.object = nullptr;
    rec.number = number;
    return AskCurrent(kEvButtonSubPage, rec) ? static_cast<const TMenuEntry*>(rec.object) : nullptr;
}

// The hits on the sub-pages that the page's buttons open, each sub-page once, under the first button row
// that opens it; the label names the sub-page ("Switching point > Program").
void SubPageHits(const Query& query, const PageModel& page, std::vector<FindHit>& hits) {
    std::set<const TMenuEntry*> opened;
    for (const PageRow& row : page.rows) {
        for (const PageButton& button : row.buttons) {
            const TMenuEntry* entry = SubPageOf(row.row, button.number);
            if (entry == nullptr || !opened.insert(entry).second) continue;
            SubPageSession session(*entry, row.row);
            const std::string title = CatalogTextToPlain(session.title());
            for (const PageRow& subRow : session.build().rows) {
                std::optional<FindHit> hit = RowHit(query, subRow, false);
                if (!hit) continue;
                hit->row = row.row;
                hit->label = title + " > " + hit->label;
                hits.push_back(std::move(*hit));
            }
            PageModel shown = page;
            session.close(false, shown);
        }
    }
}

// Hits of one node that read alike are one: a list offered by six rows of a page is one hit.
void AddUnlessRepeated(std::vector<FindHit>& hits, FindHit hit) {
    for (const FindHit& other : hits)
        if (std::tie(other.label, other.value, other.unit, other.item) == std::tie(hit.label, hit.value, hit.unit, hit.item))
            return;
    hits.push_back(std::move(hit));
}

}  // namespace

std::string FindHit::text() const {
    if (row < 0) return path;
    std::string out = path + " > " + (value.empty() ? label : LabelledValue(label, value));
    if (!unit.empty()) out += " " + unit;
    if (!item.empty()) out += (Ws().UiLanguage == 0 ? " — bietet " : " — offers ") + item;
    return out;
}

std::string FoldForSearch(std::string_view text, Umlauts umlauts) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC2 && next == 0xB7) {
            out += ' ';  // the device blank
            ++i;
        } else if (c == 0xC3 && next >= 0x80 && next <= 0xBF && *kLatin1Folded[next - 0x80] != '\0') {
            // U+00C0..U+00FF: two bytes, C3 then 80..BF.
            out += kLatin1Folded[next - 0x80];
            if (umlauts == Umlauts::Transcribed && IsUmlaut(next)) out += 'e';
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::vector<FindHit> FindInDataSet(std::string_view query) {
    const Query folded{FoldForSearch(query), FoldForSearch(query, Umlauts::Transcribed)};
    std::vector<FindHit> hits;
    if (folded.base.find_first_not_of(' ') == std::string::npos) return hits;

    Workspace& ws = Ws();
    std::map<int, std::vector<FindHit>> rowHits;
    ForEachPage(ws.ActiveParamSet ? SetChoice::B : SetChoice::A, [&](int node, char, const PageModel& page) {
        std::vector<FindHit> found;
        for (const PageRow& row : page.rows)
            if (std::optional<FindHit> hit = RowHit(folded, row, true)) found.push_back(std::move(*hit));
        SubPageHits(folded, page, found);
        for (FindHit& hit : found) AddUnlessRepeated(rowHits[node], std::move(hit));
    });
    for (int node : NodesInOrder()) {
        const bool titleMatches = Matches(folded, CatalogTextToPlain(ws.Tree.nodes[static_cast<std::size_t>(node)].text));
        const auto rows = rowHits.find(node);
        if (!titleMatches && rows == rowHits.end()) continue;
        const std::string nodePath = NodePath(node);
        const std::string titlePath = NodeTitlePath(node);
        if (titleMatches) hits.push_back({nodePath, titlePath, -1, "", "", "", ""});
        if (rows == rowHits.end()) continue;
        for (FindHit& hit : rows->second) {
            hit.node = nodePath;
            hit.path = titlePath;
            hits.push_back(std::move(hit));
        }
    }
    return hits;
}

}  // namespace tessalin
