// Fuzz target: whatever bytes a memory card holds, the program refuses them with a load error or shows
// them; it never crashes, hangs or touches memory outside a buffer. The input is a FRONT image followed by
// an optional Purgon image. Their header and checksums are put right first, so that the input gets past
// the loader's checks and into the decoder, the device tree, every page in one parameter set, and one
// commit in every row. The device language and the parameter set come from the input's length, so that the
// fuzzer's inputs go through every language and both sets while each input builds one tree and visits its
// pages once. The orderly range error is an accepted outcome; any other exception escapes and is reported.
#include <cstdint>
#include <string>
#include <vector>

#include "core/device/load_data_set.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/range_error.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "fuzz_support.h"

namespace {

using namespace tessalin;

// One commit in a row of each kind, with a value that tends to reach limits and rules.
FollowUp CommitSomething(PageModel& page, const PageRow& row) {
    switch (row.kind) {
        case kKindText: return CommitText(page, row.row, "FUZZ 1");
        case kKindChoice:
        case kKindChoiceButtons:
            if (row.items.empty()) return {};
            return CommitChoice(page, row.row, static_cast<int>(row.items.size()) - 1);
        case kKindNumber: return CommitNumber(page, row.row, "123456.7", true).followUp;
        case kKindSlider: CommitSlider(page, row.row, row.maximum); return {};
        case kKindTime: CommitTime(page, row.row, 23, 59); return {};
        case kKindButtons:
            if (row.buttons.empty()) return {};
            return PressButton(page, row.row, row.buttons.back().number, false).followUp;
        case kKindMatrix:
            if (!row.cells.empty() && !row.cells[0].empty()) ClickMatrixCell(page, row.row, 0, 0, true);
            return {};
        default: return {};
    }
}

void VisitPages(bool setB) {
    std::vector<std::string> paths;
    for (int node : NodesInOrder()) paths.push_back(NodePath(node));
    for (const std::string& path : paths) {
        const int node = NodeAtPath(path);
        if (node < 0) continue;
        Ws().ActiveParamSet = setB;
        DeviceTreeChange(node);
        PageModel page = BuildFormpage();
        std::vector<int> shown;
        for (const PageRow& row : page.rows) shown.push_back(row.row);
        for (int number : shown) {
            const PageRow* row = page.find(number);
            if (row == nullptr || row->heading || !row->enabled || !row->active) continue;
            const FollowUp follow = CommitSomething(page, *row);
            if (follow.rebuildPage || follow.rebuildBranch || follow.rebuildTree) page = BuildFormpage();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const auto [front, purgon] = fuzz::WriteLoadableDataSet(data, size, "BACKUP");
    ResetWorkspace();
    if (LoadDataSet(front, purgon).ok()) {
        try {
            SelectLanguage(static_cast<int>(size % kDeviceLanguageCount));
            BuildDeviceTree();
            VisitPages((size / kDeviceLanguageCount) % 2 == 1);
        } catch (const RangeError&) {
            // An orderly refusal of the current operation: what the window reports as a message.
        }
    }
    fuzz::DropWorkspace();
    return 0;
}
