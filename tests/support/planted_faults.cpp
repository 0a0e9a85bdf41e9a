#include "support/planted_faults.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "core/catalogue/codec.h"
#include "core/families/purgon/purgon.h"
#include "core/page/row_values.h"
#include "core/settings/page_walk.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin::test {

namespace {

std::vector<std::pair<long long, uint8_t>> FloatBytes(long long at, float value) {
    uint32_t u;
    std::memcpy(&u, &value, sizeof u);
    std::vector<std::pair<long long, uint8_t>> out;
    for (int i = 0; i < 4; ++i) out.emplace_back(at + i, static_cast<uint8_t>(u >> (8 * i)));
    return out;
}

bool Offered(const PageRow& row, int code) {
    for (const ChoiceItem& item : row.items)
        if (item.code == code) return true;
    return false;
}

// A value row at a place of its own in the image (not the scratch area); `perSet` when set B has its own.
bool ImagePlace(const TParamEntry& entry, long long& offset, bool& perSet) {
    if (!entry.location.hasValue() || entry.location.section == Section::Scratch) return false;
    const uint8_t slot = Ws().CurrentParam.slot;
    if (!HasPlace(entry.location, slot)) return false;
    offset = ParamOffset(entry.location, slot, false);
    perSet = ParamOffset(entry.location, slot, true) != offset;
    return offset > 0 && offset < static_cast<long long>(kScratchBegin);
}

// Rows whose commit changes other rows or the tree: their rules write more than the value itself.
constexpr uint32_t kDependents = kPfRebuildPage | kPfRefreshRows | kPfRebuildBranch | kPfRebuildTree;

}  // namespace

std::vector<PlantedFault> RepairableFaults() {
    using check::FindingKind;
    std::vector<PlantedFault> faults;
    bool list = false, limit = false, nan = false, text = false, sets = false;
    std::vector<long long> used;
    ForEachPage(SetChoice::A, [&](int node, char, const PageModel& page) {
        for (const PageRow& row : page.rows) {
            const TParamEntry* entry = MakeRowCurrent(row.row);
            if (row.heading || entry == nullptr || !row.enabled) continue;
            long long at = 0;
            bool perSet = false;
            if (!ImagePlace(*entry, at, perSet)) continue;
            if (std::find(used.begin(), used.end(), at) != used.end()) continue;
            const bool bothSets = (entry->flags & kPfBothSets) != 0;
            const std::string path = NodePath(node);
            auto add = [&](const char* what, FindingKind kind, std::vector<std::pair<long long, uint8_t>> bytes, char set) {
                faults.push_back({what, kind, std::move(bytes), path, row.row, set, true});
                used.push_back(at);
            };
            const bool choice = (row.kind == kKindChoice || row.kind == kKindChoiceButtons) && row.active;
            if (!perSet && row.kind != kKindText) continue;
            if (choice && !bothSets && !list && !row.items.empty() && !Offered(row, 250)) {
                add("list code", FindingKind::ListCode, {{at, 250}}, 'A');
                list = true;
            } else if (choice && bothSets && !sets && row.items.size() >= 2 && !(entry->flags & kDependents)) {
                const int stored = ReadU8(at);
                const int other = row.items[0].code == stored ? row.items[1].code : row.items[0].code;
                add("both-sets halves", FindingKind::SetsDiffer, {{at + 0x2000, static_cast<uint8_t>(other)}}, 'B');
                sets = true;
            } else if (row.kind == kKindNumber && !bothSets && EncodingOf(entry->flags) == Encoding::Float) {
                TIPretSingle shown;
                if (!ReadNumber(shown)) continue;
                if (!limit) {
                    add("number beyond its limit", FindingKind::NumberLimit, FloatBytes(at, 3.0e9f), 'A');
                    limit = true;
                } else if (!nan) {
                    add("not a number", FindingKind::NotANumber, FloatBytes(at, std::numeric_limits<float>::quiet_NaN()), 'A');
                    nan = true;
                }
            } else if (row.kind == kKindText && row.active && !bothSets && !text && row.maxLength > 0) {
                // The field's last character, so the repair (which drops it) moves no other character.
                bool full = true;
                for (int i = 0; i < row.maxLength; ++i) full = full && ReadU8(at + i) != 0;
                if (!full) continue;
                add("text character", FindingKind::TextCharacters, {{at + row.maxLength - 1, 0x01}}, perSet ? 'A' : '-');
                text = true;
            }
        }
    });
    // Calculation block 2: conductivity over [I] and [II], which hold no two conductivity modules.
    faults.push_back({"calculation block", FindingKind::Identity, {{56, 129}, {57, 0}, {58, 3}}, "", -1, '-', true});
    // Monday's first switching point starts once at 25:70; the week program is switched on so that the day
    // pages show (its point editor makes the repair).
    if (Ws().Device.Purgon.TypeCode != 0) {
        const long long block = static_cast<long long>(kPurgonOffset) + 100;
        const long long timeControl = block + 10, monday = block + 100 + 100 * 2;
        const uint8_t was = Ws().ParImage.u8(timeControl);
        Ws().ParImage.setU8(timeControl, 2);
        BuildDeviceTree();
        std::string node;
        for (int id : NodesInOrder()) {
            const TreeNode& n = Ws().Tree.nodes[static_cast<std::size_t>(id)];
            if (n.record >= 0 && Ws().Tree.records[static_cast<std::size_t>(n.record)].entry == &MenuProbe[4]) node = NodePath(id);
        }
        Ws().ParImage.setU8(timeControl, was);
        BuildDeviceTree();
        faults.push_back({"switching point at 25:70", FindingKind::Time,
                          {{timeControl, 2}, {monday, 1}, {monday + 1, 1}, {monday + 2, 70}, {monday + 3, 25}, {monday + 8, 0}},
                          node, 1, '-', true});
    }
    return faults;
}

namespace {

// The index path of the node that shows a MenuProbe entry's page, "" when the tree does not show it.
std::string ProbeEntryNode(int entry) {
    for (int id : NodesInOrder()) {
        const TreeNode& n = Ws().Tree.nodes[static_cast<std::size_t>(id)];
        if (n.record >= 0 && Ws().Tree.records[static_cast<std::size_t>(n.record)].entry == &MenuProbe[entry]) return NodePath(id);
    }
    return "";
}

}  // namespace

std::vector<PlantedFault> ProgramFaults() {
    using check::FindingKind;
    const long long block = static_cast<long long>(kPurgonOffset) + 100;
    const long long program1 = block + 800;
    const long long timeControl = block + 10, monday = block + 100 + 100 * 2;
    // The week program is switched on, so that the day pages show.
    const uint8_t was = Ws().ParImage.u8(timeControl);
    Ws().ParImage.setU8(timeControl, 2);
    BuildDeviceTree();
    const std::string program1Node = ProbeEntryNode(12), program2Node = ProbeEntryNode(13), mondayNode = ProbeEntryNode(4);
    Ws().ParImage.setU8(timeControl, was);
    BuildDeviceTree();
    // Program 1: step 1 jumps to line 30, the program ends at step 2. Step rows are 2 + the step.
    PlantedFault jump{"jump past the end", FindingKind::Program, {{timeControl, 2}, {program1, 10}, {program1 + 1, 30}, {program1 + 2, 1}},
                      program1Node, 3, '-', false, "Step 01"};
    // Program 2: ends at step 1, and step 20 holds a wait step.
    PlantedFault after{"step after the end", FindingKind::Program, {}, program2Node, -1, '-', false, "Step 20"};
    for (int step = 2; step <= 30; ++step) jump.bytes.emplace_back(program1 + 4 * (step - 1), 0);
    for (int step = 1; step <= 30; ++step) after.bytes.emplace_back(program1 + 150 + 4 * (step - 1), step == 20 ? 8 : 0);
    // Monday: 10:00, then 08:00, both starting once. The button row of point n is 2n - 1.
    PlantedFault order{"switching points out of order", FindingKind::Program,
                       {{monday, 1}, {monday + 1, 1}, {monday + 2, 0}, {monday + 3, 10},
                        {monday + 8, 1}, {monday + 9, 1}, {monday + 10, 0}, {monday + 11, 8}, {monday + 16, 0}},
                       mondayNode, 3, '-', false, "02"};
    return {jump, after, order};
}

void Plant(ParImageBuffer& image, const PlantedFault& fault) {
    for (const auto& [at, value] : fault.bytes) image.setU8(at, value);
}

bool FoundExactly(const std::vector<check::Finding>& findings, const std::vector<PlantedFault>& faults, std::string& why) {
    std::vector<bool> matched(findings.size(), false);
    for (const PlantedFault& fault : faults) {
        int count = 0;
        for (std::size_t i = 0; i < findings.size(); ++i) {
            const check::Finding& f = findings[i];
            const bool there = check::FindingPlace(f, 1).find(fault.where) != std::string::npos;
            if (f.kind == fault.kind && f.node == fault.node && f.row == fault.row && f.set == fault.set && there) {
                matched[i] = true;
                ++count;
            }
        }
        if (count != 1) why += fault.what + ": found " + std::to_string(count) + " times\n";
    }
    for (std::size_t i = 0; i < findings.size(); ++i)
        if (!matched[i]) why += std::string("not planted: ") + check::KindName(findings[i].kind) + " " + findings[i].path +
                                " row " + std::to_string(findings[i].row) + " " + findings[i].label + "\n";
    return why.empty();
}

}  // namespace tessalin::test
