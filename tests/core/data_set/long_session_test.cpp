// A long working session through the core: a thousand edits on devices of every family, in both
// parameter sets, each followed by a save and a reload. Every reload holds exactly the bytes that were
// saved, and the memory the program holds does not grow once every family has been met.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/data_set/write.h"
#include "core/device/load_data_set.h"
#include "core/main_window/save_decisions.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/configured_edits.h"
#include "support/image_builder.h"
#include "support/long_session.h"
#include "support/offered_devices.h"

namespace tessalin {
namespace {

// An editable value of a page: where it is and what kind of field shows it.
struct Target {
    std::string node;
    char set;
    int row;
};

struct SessionDevice {
    test::NamedRecipe device;
    std::vector<Target> targets;
};

std::vector<Target> EditableValues() {
    std::vector<Target> targets;
    for (const SnapshotPage& p : TakeSnapshot(SetChoice::Both).pages)
        for (const SnapshotRow& r : p.rows)
            if (r.editable && (r.kind == "number" || r.kind == "choice" || r.kind == "text"))
                targets.push_back({p.node, p.set, r.row});
    return targets;
}

// Commits a value that differs with `n` to the target's row, as leaving its field would; false when the
// row is not shown editable now.
bool Edit(const Target& target, int n) {
    const int node = NodeAtPath(target.node);
    if (node < 0) return false;
    Ws().ActiveParamSet = target.set == 'B';
    DeviceTreeChange(node);
    PageModel page = BuildFormpage();
    const PageRow* row = page.find(target.row);
    if (row == nullptr || row->heading || !row->enabled || !row->active) return false;
    static const char* const kNumbers[] = {"999999", "-999999", "0", "1.5", "42"};
    switch (row->kind) {
        case kKindNumber: CommitNumber(page, row->row, kNumbers[n % 5], true); break;
        case kKindText: CommitText(page, row->row, "S" + std::to_string(n % 1000)); break;
        default:
            if (row->items.empty()) return false;
            CommitChoice(page, row->row, (row->selected + 1 + n) % static_cast<int>(row->items.size()));
    }
    if (Ws().TreeRebuildRequest) {
        Ws().TreeRebuildRequest = false;
        RedecodeKeepSelection();
    }
    return true;
}

// Saves the data set as "Speichern" does and loads it again; the reload must hold the saved bytes.
void SaveAndReload(const test::TempDir& dir, const std::string& what) {
    const std::string front = dir.file("BACKUP01.PAR");
    const std::string purgon = PurgonAttached() ? dir.file("BACKUP02.PAR") : "";
    const WriteResult written = WriteDataSet(front, purgon);
    ASSERT_TRUE(written.ok) << what << ": " << written.describe();
    const std::size_t saved = purgon.empty() ? kFrontSize : kFrontSize + kPurgonSize;
    const auto bytes = Ws().ParImage.bytes(0, static_cast<long long>(saved));
    const std::vector<uint8_t> before(bytes.begin(), bytes.end());

    ASSERT_TRUE(LoadDataSet(front, purgon).ok()) << what;
    const auto reloaded = Ws().ParImage.bytes(0, static_cast<long long>(saved));
    ASSERT_TRUE(std::equal(before.begin(), before.end(), reloaded.begin())) << what;
    EXPECT_FALSE(Ws().Modified) << what;
    ASSERT_TRUE(BuildDeviceTree()) << what;
}

TEST(LongSession, ThousandEditsSavedAndReloadedKeepTheirBytesAndMemoryFlat) {
    constexpr int kEdits = 1000;
    constexpr int kEditsPerVisit = 6;
    test::SavesWithoutFlush ops;
    const ScopedSaveFileOps noFlush(ops);
    test::TempDir dir;

    std::vector<SessionDevice> devices;
    devices.push_back({{"pH, conductivity, Purgon", {{1, 4, 5, 79}, {"optLPAR"}}}, {}});
    for (const test::NamedRecipe& device : test::DevicePerOfferedPart()) devices.push_back({device, {}});

    // The first round meets every family (their tables and texts are made once, on first use); the
    // memory held after it is the mark that later rounds must keep to.
    std::vector<std::size_t> heapAfterRound;
    int edits = 0;
    for (int round = 0; edits < kEdits; ++round) {
        int editedThisRound = 0;
        for (SessionDevice& d : devices) {
            if (!test::Configure(d.device.recipe, true)) continue;
            if (d.targets.empty()) d.targets = EditableValues();
            if (d.targets.empty()) continue;
            SaveAndReload(dir, d.device.name);
            for (int k = 0; k < kEditsPerVisit && edits < kEdits; ++k) {
                const int n = round * kEditsPerVisit + k;
                const Target& target = d.targets[static_cast<std::size_t>(n * 7919) % d.targets.size()];
                if (!Edit(target, n)) continue;
                ++edits;
                ++editedThisRound;
                SaveAndReload(dir, d.device.name + " edit " + std::to_string(edits) + " at " + target.node);
                if (HasFatalFailure()) return;
            }
        }
        ASSERT_GT(editedThisRound, 0) << "no value could be edited";
        ResetWorkspace();
        heapAfterRound.push_back(test::LiveHeapBytes());
    }
    ASSERT_GE(heapAfterRound.size(), 3u) << "too few rounds to tell growth";
    // Less than 8 bytes per edit after the first round: a block lost on every edit or save would break it.
    const std::size_t mark = heapAfterRound.front();
    for (std::size_t round = 1; round < heapAfterRound.size(); ++round) {
        std::printf("round %zu: %zu bytes held (after the first round: %zu)\n", round, heapAfterRound[round], mark);
        EXPECT_LT(heapAfterRound[round], mark + 8 * kEdits) << "round " << round;
    }
}

}  // namespace
}  // namespace tessalin
