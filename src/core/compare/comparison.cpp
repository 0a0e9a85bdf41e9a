#include "core/compare/comparison.h"

#include <utility>

#include "core/device/load_data_set.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

// Puts the workspace held in `held` in place for as long as it lives; the one that was in place waits in
// `held` meanwhile and comes back on every way out, a thrown range error included.
class WorkingOn {
public:
    explicit WorkingOn(std::unique_ptr<Workspace>& held) : held_(held) { held_ = ExchangeWorkspace(std::move(held_)); }
    ~WorkingOn() { held_ = ExchangeWorkspace(std::move(held_)); }
    WorkingOn(const WorkingOn&) = delete;
    WorkingOn& operator=(const WorkingOn&) = delete;

private:
    std::unique_ptr<Workspace>& held_;
};

// A workspace for the second data set, with the loaded one's languages and number format.
std::unique_ptr<Workspace> WorkspaceLikeTheLoaded() {
    auto fresh = std::make_unique<Workspace>();
    fresh->DeviceLanguage = Ws().DeviceLanguage;
    fresh->UiLanguage = Ws().UiLanguage;
    fresh->DecimalSeparator = Ws().DecimalSeparator;
    return fresh;
}

}  // namespace

Comparison::~Comparison() = default;

ComparisonOpening Comparison::Open(const std::string& front, const std::string& purgon, SetChoice sets) {
    ComparisonOpening opening;
    std::unique_ptr<Comparison> comparison(new Comparison);
    comparison->front_ = front;
    comparison->purgon_ = purgon;
    comparison->sets_ = sets;
    comparison->other_ = WorkspaceLikeTheLoaded();
    {
        WorkingOn on(comparison->other_);
        opening.load = LoadDataSet(front, purgon);
        if (!opening.load.ok()) return opening;
        if (!BuildDeviceTree() && !Ws().Tree.message.empty()) {
            opening.message = Ws().Tree.message;
            return opening;
        }
        comparison->otherLanguage_ = Ws().DeviceLanguage;
    }
    comparison->Refresh();
    opening.comparison = std::move(comparison);
    return opening;
}

void Comparison::TakeOtherSnapshot() {
    const int language = Ws().DeviceLanguage;
    const char separator = Ws().DecimalSeparator;
    WorkingOn on(other_);
    Ws().DecimalSeparator = separator;
    if (otherLanguage_ != language) {
        // The node titles are device texts: the tree is built again in the new language.
        SelectLanguage(language);
        BuildDeviceTree();
        otherLanguage_ = language;
    }
    otherSnapshot_ = TakeSnapshot(sets_);
}

bool Comparison::Refresh() {
    if (Ws().ParImage == comparedImage_ && Ws().DeviceLanguage == comparedLanguage_) return false;
    if (comparedLanguage_ < 0 || Ws().DeviceLanguage != comparedLanguage_) TakeOtherSnapshot();
    differences_ = CompareSnapshots(TakeSnapshot(sets_), otherSnapshot_);
    comparedImage_ = Ws().ParImage;
    comparedLanguage_ = Ws().DeviceLanguage;
    return true;
}

std::vector<int> DifferenceNodes(const std::vector<Difference>& differences) {
    const std::map<std::string, int> byTitlePath = NodesByTitlePath();
    std::map<std::string, int> components;
    for (int root : Ws().Tree.roots) components.emplace(ComponentSection(root), root);
    std::vector<int> nodes;
    nodes.reserve(differences.size());
    for (const Difference& d : differences) {
        int node = -1;
        if (d.level == DifferenceLevel::Hardware) {
            if (const auto it = components.find(d.section); it != components.end() && !d.section.empty()) node = it->second;
        } else if (const auto it = byTitlePath.find(d.where); it != byTitlePath.end()) {
            node = it->second;
        } else if (d.presence != Presence::SecondOnly) {
            node = NodeAtPath(d.node);
        }
        nodes.push_back(node);
    }
    return nodes;
}

std::map<int, int> DifferenceCounts(const std::vector<Difference>& differences) {
    std::map<int, int> counts;
    const DeviceTreeState& tree = Ws().Tree;
    for (int node : DifferenceNodes(differences))
        for (int id = node; id >= 0; id = tree.nodes[static_cast<std::size_t>(id)].parent) ++counts[id];
    return counts;
}

std::map<int, const Difference*> RowDifferences(const std::vector<Difference>& differences, int node, bool setB) {
    std::map<int, const Difference*> rows;
    const std::vector<int> nodes = DifferenceNodes(differences);
    const char shown = setB ? 'B' : 'A';
    for (std::size_t i = 0; i < differences.size(); ++i) {
        const Difference& d = differences[i];
        if (nodes[i] != node || d.level != DifferenceLevel::Row || d.presence == Presence::SecondOnly) continue;
        if (d.set == 0 || d.set == shown) rows[d.row] = &d;
    }
    return rows;
}

}  // namespace tessalin
