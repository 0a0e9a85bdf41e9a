#include "core/tree/device_tree.h"

#include <array>
#include <charconv>

#include "core/catalogue/events.h"
#include "core/common/texts.h"
#include "core/device/decode.h"
#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/families/menu_registry.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

constexpr int kMaxMenuLevel = 5;

// What the branch builder needs of one component.
struct ModuleEntry {
    int code = 0;
    uint8_t index = 255;   // slot number for locations
    uint8_t position = 0;
    std::string text;      // markup of the component node
    MenuTable menu;
};

std::string ComponentText(int image, const std::string& designation, int a, int b) {
    return "<img src=\"idx:" + std::to_string(image) + "\"> <b>" + designation + "</b><Z>" + std::to_string(a) +
           "," + std::to_string(b) + "</Z>";
}

int AddNode(DeviceTreeState& tree, int parent, std::string text, int record) {
    const int id = static_cast<int>(tree.nodes.size());
    TreeNode node;
    node.text = std::move(text);
    node.record = record;
    node.parent = parent;
    node.level = parent < 0 ? 0 : tree.nodes[parent].level + 1;
    tree.nodes.push_back(std::move(node));
    (parent < 0 ? tree.roots : tree.nodes[parent].children).push_back(id);
    return id;
}

void SetContext(const TTabPtrRec& rec, const TParamEntry* param) {
    Workspace& ws = Ws();
    ws.CurrentParam = TParamRef{rec.moduleType, rec.slot, rec.position, param};
}

// Asks a menu entry whether it is shown; when it is, returns true with its title (device language, or the
// handler's with the title flag; green with the green flag).
bool VisibleTitle(const TMenuEntry& entry, std::string& title) {
    TEvParRec ev;
    if (!AskMenu(entry, kEvMenuVisible, ev)) return false;
    title = EntryName(entry.texts);
    if (entry.flags & kMfTitleFromHandler) {
        TEvParRec t;
        AskMenu(entry, kEvTitle, t);
        title = t.text;
    }
    if (entry.flags & kMfGreenTitle) title = "<font color=\"#00a000\">" + title + "</font>";
    return true;
}

// The parent for a node of menu level `level` (>= 1): the most recent node added at the level above, or,
// when no node has been added there yet, the nearest one further up.
int ParentFor(const std::array<int, kMaxMenuLevel + 1>& lastAtLevel, int level) {
    for (int l = level - 1; l >= 0; --l)
        if (lastAtLevel[l] >= 0) return lastAtLevel[l];
    return -1;
}

void AddBranch(const ModuleEntry& module) {
    Workspace& ws = Ws();
    DeviceTreeState& tree = ws.Tree;
    if (module.menu.end == 0) return;

    CheckIndex("node record", tree.recordCount, kNodeRecordCount);
    std::array<int, kMaxMenuLevel + 1> lastAtLevel;
    lastAtLevel.fill(-1);
    lastAtLevel[0] = AddNode(tree, -1, module.text, tree.recordCount);

    for (const TMenuEntry& entry : MenuEntries(module.menu)) {
        CheckIndex("node record", tree.recordCount, kNodeRecordCount);
        const int recordIndex = tree.recordCount++;
        TTabPtrRec& rec = tree.records[recordIndex];
        rec = TTabPtrRec{module.code, module.index, module.position, &entry, entry.params, entry.lastParam, {}};

        ws.CurrentPage = rec;
        SetContext(rec, FirstParam(entry));
        std::string title;
        if (!VisibleTitle(entry, title)) continue;
        CheckIndex("menu level", entry.level, kMaxMenuLevel + 1);
        const int parent = entry.level == 0 ? -1 : ParentFor(lastAtLevel, entry.level);
        lastAtLevel[entry.level] = AddNode(tree, parent, std::move(title), recordIndex);
    }
    ws.CurrentPage = TTabPtrRec{};
}

std::string UnknownMessage(const char* german, const char* english, int code) {
    return std::string(Ws().UiLanguage == 0 ? german : english) + std::to_string(code);
}

bool IsProbeModule(int code) { return code == 153 || code == 189; }

// Whether the Purgon controller gets its own node after slot s.
bool PurgonNodeAfter(int s) {
    const TDevice& d = Ws().Device;
    const int type = d.Purgon.TypeCode;
    if (type != 79 && type != 80) return false;
    if (d.Purgon.SlotMask != (1 << s)) return false;
    const int s1 = d.Slot[0].Code, s2 = d.Slot[1].Code, s3 = d.Slot[2].Code;
    if (IsProbeModule(s2) || IsProbeModule(s3)) return false;
    if (s == 1) {
        if (type == 79 && (s1 == 4 || IsProbeModule(s1))) return false;
        if (type == 80 && s1 == 4) return false;
    }
    if (s == 2) {
        for (int code : {s1, s2})
            if (code == 4 || IsProbeModule(code)) return false;
    }
    return true;
}

// Walks the components in their order; returns false with the message at the first unknown code.
bool AddComponents() {
    Workspace& ws = Ws();
    const TDevice& d = ws.Device;
    ModuleEntry previous;

    if (d.Front.Code != 0) {
        const int code = d.Front.Code;
        if (code != 2 && code != 17) {
            ws.Tree.message = UnknownMessage("Unbekanntes FRONT-Modul:", "Unknown FRONT module:", code);
            return false;
        }
        previous = ModuleEntry{code, 255, kPosFront, ComponentText(code == 2 ? 3 : 4, ModuleName(kPosFront, code), code, 0),
                               *MenuTableOf(code)};
        AddBranch(previous);
    }

    if (d.Base.Code != 0) {
        const int code = d.Base.Code;
        if (code != 1 && code != 15 && code != 16 && code != 50) {
            ws.Tree.message = UnknownMessage("Unbekanntes BASE-Modul:", "Unknown BASE module:", code);
            return false;
        }
        const int image = (code == 1 || code == 50) ? 1 : 2;
        previous = ModuleEntry{code, 255, kPosBase, ComponentText(image, ModuleName(kPosBase, code), code, 0),
                               *MenuTableOf(code)};
        AddBranch(previous);
    }

    if (d.IModule.Code == 24 || d.IModule.Code == 28) {
        // Its pages address the values of the unit before it.
        const int code = d.IModule.Code;
        ModuleEntry radio = previous;
        radio.text = ComponentText(5, ModuleName(kPosIModule, code), code, 0);
        radio.menu = *MenuTableOf(code);
        AddBranch(radio);
    }

    for (int s = 0; s < 3; ++s) {
        const TIdInfo_h& slot = d.Slot[s];
        if (slot.Code == 0) continue;
        const uint8_t position = static_cast<uint8_t>(kPosSlot1 + s);
        if (slot.Code != 25) {
            const auto menu = MenuTableOf(slot.Code);
            if (!menu) {
                ws.Tree.message = UnknownMessage("Unbekanntes Modul:", "Unknown module:", slot.Code);
                return false;
            }
            AddBranch(ModuleEntry{slot.Code, slot.RecIndex, position,
                                  ComponentText(5, FormatSlotMask(slot.SlotMask) + ModuleName(position, slot.Code),
                                                slot.Code, slot.SlotMask),
                                  *menu});
        }
        if (PurgonNodeAfter(s)) {
            const TidPurgon& p = d.Purgon;
            AddBranch(ModuleEntry{slot.Code, slot.RecIndex, position,
                                  ComponentText(10, FormatSlotMask(p.SlotMask) + ModuleName(position, p.TypeCode),
                                                p.TypeCode, p.SlotMask),
                                  ProbeMenu()});
        }
    }

    for (int c = 0; c < 2; ++c) {
        const TCalcBlock& block = d.CalcBlock[c];
        if (block.Code == 0) continue;
        if (block.Code < 128 || block.Code > 131) {
            ws.Tree.message = UnknownMessage("Unbekanntes Modul:", "Unknown module:", block.Code);
            return false;
        }
        // A block's locations are those of slot number 3 or 4 by its position, whatever its stored record
        // index holds, so that its pages never reach a module slot's area.
        const uint8_t position = static_cast<uint8_t>(kPosCalc1 + c);
        const uint8_t slotNumber = static_cast<uint8_t>(3 + c);
        AddBranch(ModuleEntry{block.Code, slotNumber, position,
                              ComponentText(7, FormatSlotMask(block.SlotMask) + ModuleName(position, block.Code),
                                            block.Code, block.SlotMask),
                              *MenuTableOf(block.Code)});
    }
    return true;
}

// Depth-first order from the top, or from a node onward.
void CollectInOrder(const DeviceTreeState& tree, int node, std::vector<int>& out) {
    out.push_back(node);
    for (int child : tree.nodes[node].children) CollectInOrder(tree, child, out);
}

// The first node at or after `from` in display order that carries `record` and is of the same sort
// (component or menu node) as the one that was selected; the component node shares its record with the
// first menu entry of its module.
int FindNode(int from, int record, bool menuNode) {
    const DeviceTreeState& tree = Ws().Tree;
    const std::vector<int> order = NodesInOrder();
    bool started = from < 0;
    for (int id : order) {
        if (id == from) started = true;
        if (!started) continue;
        if (tree.nodes[id].record == record && (tree.nodes[id].level > 0) == menuNode) return id;
    }
    return -1;
}

}  // namespace

bool PageIsNil(const TTabPtrRec& page) { return page.entry == nullptr; }

bool BuildDeviceTree() {
    Workspace& ws = Ws();
    ws.PageRebuildRequest = false;
    ws.PageClearRequest = false;
    ws.Tree.nodes.clear();
    ws.Tree.roots.clear();
    ws.Tree.selected = -1;
    ws.Tree.recordCount = 0;
    ws.Tree.message.clear();
    ++ws.Tree.generation;

    if (ws.Device.Origin == kOriginNone) {
        ws.Tree.activeTab = MainTab::Description;
        return false;
    }
    if (!AddComponents()) return false;
    if (!ws.Tree.roots.empty()) DeviceTreeChange(ws.Tree.roots.front());
    return true;
}

void DeviceTreeChange(int node) {
    Workspace& ws = Ws();
    DeviceTreeState& tree = ws.Tree;
    CheckIndex("tree node", node, tree.nodes.size());
    tree.selected = node;
    const TreeNode& n = tree.nodes[node];
    if (n.level > 0) {
        tree.activeTab = MainTab::Parameter;
        ws.CurrentPage = TTabPtrRec{};
        if (n.record >= 0) {
            CheckIndex("node record", n.record, kNodeRecordCount);
            TTabPtrRec& rec = tree.records[n.record];
            rec.title = n.text;
            ws.CurrentPage = rec;
            SetContext(rec, rec.entry ? FirstParam(*rec.entry) : nullptr);
            if (rec.entry) {
                TEvParRec ev;
                AskMenu(*rec.entry, kEvPageOpen, ev);
            }
        }
        ws.PageRebuildRequest = true;
        return;
    }
    int a = 0, b = 0;
    ComponentTagNumbers(n.text, a, b);
    tree.grafikTag = a * 256 + b;
    tree.activeTab = MainTab::Grafik;
    ws.CurrentPage = TTabPtrRec{};
}

void RebuildBranch() {
    Workspace& ws = Ws();
    DeviceTreeState& tree = ws.Tree;
    if (tree.selected < 0) return;
    const int parent = tree.nodes[tree.selected].parent;
    if (parent < 0) {
        ws.CurrentPage = TTabPtrRec{};
        return;
    }
    const TParamRef savedParam = ws.CurrentParam;
    const int selectedRecord = tree.nodes[tree.selected].record;
    const bool selectedIsMenu = tree.nodes[tree.selected].level > 0;
    tree.nodes[parent].children.clear();
    tree.selected = -1;

    const int parentLevel = tree.nodes[parent].level;
    auto deeper = [&](int i) {
        return i < tree.recordCount && tree.records[i].entry != nullptr && tree.records[i].entry->level > parentLevel;
    };
    int i = tree.nodes[parent].record;
    if (parentLevel > 0) {
        const int first = i;
        for (int step = 1; step <= 6; ++step) {
            i = first + step;
            if (deeper(i)) break;
        }
    }

    std::array<int, kMaxMenuLevel + 1> lastAtLevel;
    lastAtLevel.fill(-1);
    for (; i >= 0 && deeper(i); ++i) {
        const TTabPtrRec& rec = tree.records[i];
        ws.CurrentPage = rec;
        SetContext(rec, nullptr);
        std::string title;
        if (!VisibleTitle(*rec.entry, title)) continue;
        const int level = rec.entry->level;
        CheckIndex("menu level", level, kMaxMenuLevel + 1);
        int attachTo = parent;
        if (level > parentLevel + 1) {
            for (int l = level - 1; l > parentLevel; --l)
                if (lastAtLevel[l] >= 0) {
                    attachTo = lastAtLevel[l];
                    break;
                }
        }
        lastAtLevel[level] = AddNode(tree, attachTo, std::move(title), i);
    }

    const int found = selectedRecord < 0 ? -1 : FindNode(parent, selectedRecord, selectedIsMenu);
    tree.selected = found;
    ws.CurrentPage = found >= 0 ? tree.records[selectedRecord] : TTabPtrRec{};
    ws.CurrentParam = savedParam;
}

void RedecodeKeepSelection() {
    Workspace& ws = Ws();
    const int selected = ws.Tree.selected;
    const int record = selected >= 0 ? ws.Tree.nodes[selected].record : -1;
    const bool menuNode = selected >= 0 && ws.Tree.nodes[selected].level > 0;
    const uint8_t position = record >= 0 ? ws.Tree.records[record].position : 0;
    ws.Device.Origin = kOriginTool;
    DecodeDevice(false);
    BuildDeviceTree();
    if (record < 0) return;
    // The record now belongs to another component when the selected module lost its menu.
    const int found = FindNode(-1, record, menuNode);
    if (found >= 0 && ws.Tree.records[record].position == position) DeviceTreeChange(found);
}

std::vector<int> NodesInOrder() {
    const DeviceTreeState& tree = Ws().Tree;
    std::vector<int> out;
    out.reserve(tree.nodes.size());
    for (int root : tree.roots) CollectInOrder(tree, root, out);
    return out;
}

std::string NodePath(int node) {
    const DeviceTreeState& tree = Ws().Tree;
    CheckIndex("tree node", node, tree.nodes.size());
    std::string path;
    for (int id = node; id >= 0; id = tree.nodes[id].parent) {
        const int parent = tree.nodes[id].parent;
        const std::vector<int>& siblings = parent < 0 ? tree.roots : tree.nodes[parent].children;
        int index = 0;
        while (index < static_cast<int>(siblings.size()) && siblings[index] != id) ++index;
        path = std::to_string(index) + (path.empty() ? "" : "/" + path);
    }
    return path;
}

int NodeAtPath(std::string_view path) {
    const DeviceTreeState& tree = Ws().Tree;
    const std::vector<int>* siblings = &tree.roots;
    int node = -1;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        int index = -1;
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), index);
        if (ec != std::errc{} || end != part.data() + part.size() || index < 0 ||
            index >= static_cast<int>(siblings->size()))
            return -1;
        node = (*siblings)[index];
        siblings = &tree.nodes[node].children;
        if (slash == std::string_view::npos) break;
        path.remove_prefix(slash + 1);
        if (path.empty()) return -1;
    }
    return node;
}

bool ComponentTagNumbers(std::string_view text, int& a, int& b) {
    const std::size_t open = text.find("<Z>");
    if (open == std::string_view::npos) return false;
    const std::size_t comma = text.find(',', open + 3);
    const std::size_t close = text.find("</Z>", open + 3);
    if (comma == std::string_view::npos || close == std::string_view::npos || comma > close) return false;
    auto number = [](std::string_view digits) {
        int value = 0;
        for (char c : digits)
            if (c >= '0' && c <= '9') value = value * 10 + (c - '0');
        return value;
    };
    a = number(text.substr(open + 3, comma - open - 3));
    b = number(text.substr(comma + 1, close - comma - 1));
    return true;
}

}  // namespace tessalin
