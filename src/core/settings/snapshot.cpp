#include "core/settings/snapshot.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "core/catalogue/codec.h"
#include "core/common/texts.h"
#include "core/device/device.h"
#include "core/page/row_text.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// A node's title on one line.
std::string PlainTitle(const TreeNode& node) {
    std::string plain = CatalogTextToPlain(node.text);
    std::string out;
    for (char c : plain) {
        if (c == '\r') continue;
        out += c == '\n' ? ' ' : c;
    }
    return out;
}

// The titles of a row of siblings, each with " #n" when earlier siblings carry the same one.
std::vector<std::string> UniqueTitles(const std::vector<int>& siblings) {
    const DeviceTreeState& tree = Ws().Tree;
    std::vector<std::string> titles;
    titles.reserve(siblings.size());
    std::map<std::string, int> earlier;
    for (int id : siblings) {
        std::string title = PlainTitle(tree.nodes[static_cast<std::size_t>(id)]);
        const int same = earlier[title]++;
        titles.push_back(same == 0 ? std::move(title) : title + " #" + std::to_string(same + 1));
    }
    return titles;
}

std::string UniqueTitle(int node) {
    const DeviceTreeState& tree = Ws().Tree;
    const int parent = tree.nodes[static_cast<std::size_t>(node)].parent;
    const std::vector<int>& siblings = parent < 0 ? tree.roots : tree.nodes[static_cast<std::size_t>(parent)].children;
    const auto at = std::find(siblings.begin(), siblings.end(), node);
    return UniqueTitles(siblings).at(static_cast<std::size_t>(at - siblings.begin()));
}

std::string RawBytes(const TParamRef& ref, bool setB) {
    if (ref.param == nullptr || !ref.param->location.hasValue()) return "";
    const long long offset = ParamOffset(ref.param->location, ref.slot, setB);
    if (offset == 0) return "";
    std::string out;
    const int width = StoredWidth(*ref.param);
    for (int i = 0; i < width; ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", ReadU8(offset + i));
        out += hex;
    }
    return out;
}

}  // namespace

int StoredWidth(const TParamEntry& entry) {
    switch (entry.kind) {
        case kKindNumber: return EncodingWidth(EncodingOf(entry.flags));
        case kKindText: return entry.valueType == kTextValueType ? TextMaxLength(entry) : 0;
        case kKindChoice:
        case kKindChoiceButtons:
        case kKindSlider: return 1;
        case kKindTime: return 2;
        default: return 0;
    }
}

// Purgon controller and I-module go by the code in their tag: their nodes carry the position of the
// unit they work with.
std::string ComponentSection(int component) {
    const Workspace& ws = Ws();
    const TreeNode& node = ws.Tree.nodes[static_cast<std::size_t>(component)];
    int code = 0, mask = 0;
    ComponentTagNumbers(node.text, code, mask);
    if (ws.Device.Purgon.TypeCode != 0 && code == ws.Device.Purgon.TypeCode) return "purgon";
    if (ws.Device.IModule.Code != 0 && code == ws.Device.IModule.Code) return "i_module";
    if (node.record < 0) return "";
    const int position = ws.Tree.records[static_cast<std::size_t>(node.record)].position;
    switch (position) {
        case kPosFront: return "front";
        case kPosBase: return "base";
        case kPosIModule: return "i_module";
        case kPosSlot1: case kPosSlot2: case kPosSlot3: return "slot_" + std::to_string(position - kPosSlot1 + 1);
        case kPosCalc1: case kPosCalc2: return "calc_block_" + std::to_string(position - kPosCalc1 + 1);
        default: return "";
    }
}

const SnapshotRow* SnapshotPage::find(int row) const {
    for (const SnapshotRow& r : rows)
        if (r.row == row) return &r;
    return nullptr;
}

std::string NodeTitlePath(int node) {
    const DeviceTreeState& tree = Ws().Tree;
    CheckIndex("tree node", node, tree.nodes.size());
    std::string path;
    for (int id = node; id >= 0; id = tree.nodes[id].parent)
        path = UniqueTitle(id) + (path.empty() ? "" : " > " + path);
    return path;
}

std::map<std::string, int> NodesByTitlePath() {
    std::map<std::string, int> out;
    const DeviceTreeState& tree = Ws().Tree;
    // Depth first with the path of the parent at hand; each row of siblings is titled once.
    std::vector<std::pair<int, std::string>> stack;
    const auto push = [&stack](const std::vector<int>& siblings, const std::string& prefix) {
        const std::vector<std::string> titles = UniqueTitles(siblings);
        for (std::size_t i = siblings.size(); i-- > 0;)
            stack.emplace_back(siblings[i], prefix.empty() ? titles[i] : prefix + " > " + titles[i]);
    };
    push(tree.roots, "");
    while (!stack.empty()) {
        auto [id, path] = std::move(stack.back());
        stack.pop_back();
        push(tree.nodes[static_cast<std::size_t>(id)].children, path);
        out.emplace(std::move(path), id);
    }
    return out;
}

std::string StoredBytes(const PageRow& row, bool setB) {
    CheckIndex("page row", row.row, kFormpageRowCount);
    return RawBytes(Ws().FormpageRows[static_cast<std::size_t>(row.row)], setB);
}

int FindPageNode(const SnapshotPage& page, const std::map<std::string, int>& nodesByTitlePath) {
    if (const auto it = nodesByTitlePath.find(page.path); it != nodesByTitlePath.end()) return it->second;
    if (page.node.empty()) return -1;
    const int node = NodeAtPath(page.node);
    if (node < 0 || Ws().Tree.nodes[static_cast<std::size_t>(node)].level == 0) return -1;
    return CatalogTextToPlain(Ws().Tree.nodes[static_cast<std::size_t>(node)].text) == page.title ? node : -1;
}

bool IsValueRow(const PageRow& row) {
    if (row.heading) return row.kind == kKindNumber;
    switch (row.kind) {
        case kKindNumber:
        case kKindSlider: return true;
        case kKindText:
        case kKindChoice:
        case kKindChoiceButtons:
        case kKindTime: return row.active;
        default: return false;
    }
}

Snapshot TakeSnapshot(SetChoice sets) {
    Workspace& ws = Ws();
    Snapshot snap;
    snap.language = ws.DeviceLanguage;
    snap.sets = sets;
    snap.hardware = DescribeHardware();

    ForEachPage(sets, [&](int id, char set, const PageModel& page) {
        int top = id;
        while (ws.Tree.nodes[top].parent >= 0) top = ws.Tree.nodes[top].parent;
        SnapshotPage out;
        out.set = set;
        out.path = NodeTitlePath(id);
        out.node = NodePath(id);
        out.component = UniqueTitle(top);
        out.section = ComponentSection(top);
        out.title = page.title;
        for (const PageRow& row : page.rows) {
            if (!IsValueRow(row)) continue;
            SnapshotRow r;
            r.row = row.row;
            r.kind = KindName(row);
            r.label = ShownLabel(row);
            r.value = ShownValue(row);
            r.unit = ShownUnit(row);
            r.raw = RawBytes(ws.FormpageRows[static_cast<std::size_t>(row.row)], set == 'B');
            r.editable = !row.heading && row.enabled && row.active;
            out.rows.push_back(std::move(r));
        }
        if (!out.rows.empty()) snap.pages.push_back(std::move(out));
    });
    return snap;
}

}  // namespace tessalin
