#include "core/find/find.h"

#include <map>

#include "core/common/texts.h"
#include "core/page/row_text.h"
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

bool Matches(const std::string& folded, const std::string& text) {
    return !text.empty() && FoldForSearch(text).find(folded) != std::string::npos;
}

bool RowMatches(const std::string& folded, const PageRow& row) {
    if (row.kind == kKindPicture || (row.heading && row.kind != kKindNumber)) return false;
    const std::string value = ShownValue(row);
    const std::string unit = ShownUnit(row);
    if (Matches(folded, ShownLabel(row)) || Matches(folded, unit.empty() ? value : value + " " + unit)) return true;
    for (const ChoiceItem& item : row.items)
        if (Matches(folded, item.text)) return true;
    return false;
}

}  // namespace

std::string FindHit::text() const {
    if (row < 0) return path;
    std::string out = path + " > " + label;
    if (!value.empty()) out += ": " + value;
    if (!unit.empty()) out += " " + unit;
    return out;
}

std::string FoldForSearch(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < text.size()) {
            // U+00C0..U+00FF: two bytes, C3 then 80..BF.
            const auto next = static_cast<unsigned char>(text[i + 1]);
            const char* folded = next >= 0x80 && next <= 0xBF ? kLatin1Folded[next - 0x80] : "";
            if (*folded != '\0') {
                out += folded;
                ++i;
            } else {
                out += text[i];
            }
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::vector<FindHit> FindInDataSet(std::string_view query) {
    const std::string folded = FoldForSearch(query);
    std::vector<FindHit> hits;
    if (folded.find_first_not_of(' ') == std::string::npos) return hits;

    Workspace& ws = Ws();
    std::map<int, std::vector<FindHit>> rowHits;
    ForEachPage(ws.ActiveParamSet ? SetChoice::B : SetChoice::A, [&](int node, char, const PageModel& page) {
        for (const PageRow& row : page.rows) {
            if (!RowMatches(folded, row)) continue;
            rowHits[node].push_back({"", "", row.row, ShownLabel(row), ShownValue(row), ShownUnit(row)});
        }
    });
    for (int node : NodesInOrder()) {
        const bool titleMatches = Matches(folded, CatalogTextToPlain(ws.Tree.nodes[static_cast<std::size_t>(node)].text));
        const auto rows = rowHits.find(node);
        if (!titleMatches && rows == rowHits.end()) continue;
        const std::string nodePath = NodePath(node);
        const std::string titlePath = NodeTitlePath(node);
        if (titleMatches) hits.push_back({nodePath, titlePath, -1, "", "", ""});
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
