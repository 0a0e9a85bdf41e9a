#include "core/settings/page_walk.h"

#include <algorithm>
#include <array>

#include "core/tree/device_tree.h"
#include "core/workspace.h"

namespace tessalin {

struct PageContextKeeper::Saved {
    std::array<uint8_t, kScratchEnd - kScratchBegin + 1> scratch;
    bool activeSet;
    int selected;
    MainTab tab;
    int grafikTag;
    TTabPtrRec page;
    TParamRef param;
    std::array<TParamRef, kFormpageRowCount> rows;
    bool rebuildRequest;
};

PageContextKeeper::PageContextKeeper() {
    const Workspace& ws = Ws();
    std::array<uint8_t, kScratchEnd - kScratchBegin + 1> scratch{};
    for (std::size_t i = 0; i < scratch.size(); ++i) scratch[i] = ws.ParImage.u8(static_cast<long long>(kScratchBegin + i));
    saved_ = std::make_unique<Saved>(Saved{scratch, ws.ActiveParamSet, ws.Tree.selected, ws.Tree.activeTab,
                                           ws.Tree.grafikTag, ws.CurrentPage, ws.CurrentParam, ws.FormpageRows,
                                           ws.PageRebuildRequest});
}

PageContextKeeper::~PageContextKeeper() {
    Workspace& ws = Ws();
    const Saved& s = *saved_;
    for (std::size_t i = 0; i < s.scratch.size(); ++i) ws.ParImage.setU8(static_cast<long long>(kScratchBegin + i), s.scratch[i]);
    ws.ActiveParamSet = s.activeSet;
    // A walk after a change of hardware may leave fewer nodes than were selected before.
    ws.Tree.selected = s.selected < static_cast<int>(ws.Tree.nodes.size()) ? s.selected : -1;
    ws.Tree.activeTab = s.tab;
    ws.Tree.grafikTag = s.grafikTag;
    ws.CurrentPage = s.page;
    ws.CurrentParam = s.param;
    ws.FormpageRows = s.rows;
    ws.PageRebuildRequest = s.rebuildRequest;
}

StoredImageKeeper::StoredImageKeeper() {
    const auto stored = Ws().ParImage.all().first(kStoredImageEnd);
    original_.assign(stored.begin(), stored.end());
}

bool StoredImageKeeper::changed() const {
    const auto stored = Ws().ParImage.all().first(kStoredImageEnd);
    return !std::equal(stored.begin(), stored.end(), original_.begin());
}

void StoredImageKeeper::putBack() {
    if (changed()) Ws().ParImage.writeBytes(0, original_);
}

void ForEachPage(SetChoice sets, const std::function<void(int node, char set, const PageModel& page)>& visit) {
    Workspace& ws = Ws();
    const PageContextKeeper keeper;
    StoredImageKeeper images;
    std::vector<char> setLetters;
    if (sets != SetChoice::B) setLetters.push_back('A');
    if (sets != SetChoice::A) setLetters.push_back('B');

    for (int id : NodesInOrder()) {
        const TreeNode& node = ws.Tree.nodes[id];
        if (node.level == 0 || node.record < 0) continue;
        const TTabPtrRec& record = ws.Tree.records[static_cast<std::size_t>(node.record)];
        if (record.entry == nullptr || record.params == nullptr) continue;
        for (char set : setLetters) {
            ws.ActiveParamSet = set == 'B';
            DeviceTreeChange(id);
            const PageModel page = BuildFormpage();
            visit(id, set, page);
            images.putBack();
        }
    }
}

}  // namespace tessalin
