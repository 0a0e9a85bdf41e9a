#pragma once
// A sweep that edits every editable value of every page of a configured device through the page's
// commit cycle, and opening a page or committing a value by its title path.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/device/hardware_identity.h"
#include "core/page/formpage.h"
#include "core/page/page_edit.h"
#include "core/settings/snapshot.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/configured_device.h"

namespace tessalin::test {

inline bool SameHardware(const std::vector<HardwareSection>& a, const std::vector<HardwareSection>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].fields.size() != b[i].fields.size()) return false;
        for (std::size_t k = 0; k < a[i].fields.size(); ++k)
            if (a[i].fields[k].value != b[i].fields[k].value) return false;
    }
    return true;
}

// Opens the page at a title path in a set, finding its node in `nodes` (the tree's nodes by title path);
// false when there is no such node.
inline bool OpenPage(const std::map<std::string, int>& nodes, const std::string& path, char set, PageModel& page) {
    const auto it = nodes.find(path);
    if (it == nodes.end()) return false;
    Ws().ActiveParamSet = set == 'B';
    DeviceTreeChange(it->second);
    page = BuildFormpage();
    return true;
}

// Opens the page at a title path in a set; nullptr-free: returns false when the tree has no such node.
inline bool OpenPage(const std::string& path, char set, PageModel& page) {
    return OpenPage(NodesByTitlePath(), path, set, page);
}

// Commits a value to a row of the page at a title path in a set: a number, or a list item by its text.
inline void CommitValue(const std::string& path, char set, int row, const std::string& value) {
    PageModel page;
    ASSERT_TRUE(OpenPage(path, set, page)) << path;
    PageRow* shown = page.find(row);
    ASSERT_NE(shown, nullptr) << path << " row " << row;
    if (shown->kind == kKindNumber) {
        CommitNumber(page, row, value, true);
        return;
    }
    for (std::size_t i = 0; i < shown->items.size(); ++i)
        if (shown->items[i].text == value) CommitChoice(page, row, static_cast<int>(i));
}

// Gives every editable value of every page another one through the commit cycle: first the next item
// of every list (lists decide which other rows are shown and editable; a list whose rule changes the
// hardware is set back), then a number far beyond its upper limit (stored as
// the limit), a text, the slider's end and a time for every row editable after that.
// The tree's nodes by title path are taken again only when a commit rebuilt a branch or the tree, and the
// hardware described again only when the decoded device changed: doing both for every row was most of the
// time of a sweep.
inline void EditEverything(SetChoice sets) {
    TDevice device = Ws().Device;
    std::vector<HardwareSection> hardware = DescribeHardware();
    for (const bool lists : {true, false}) {
        const Snapshot before = TakeSnapshot(sets);
        std::map<std::string, int> nodes = NodesByTitlePath();
        int generation = Ws().Tree.generation;
        const auto committed = [&](const FollowUp& followUp) {
            if (std::exchange(Ws().TreeRebuildRequest, false)) RedecodeKeepSelection();
            if (followUp.rebuildBranch || followUp.rebuildTree || Ws().Tree.generation != generation) {
                nodes = NodesByTitlePath();
                generation = Ws().Tree.generation;
            }
        };
        for (const SnapshotPage& p : before.pages) {
            for (const SnapshotRow& r : p.rows) {
                PageModel page;
                if (!r.editable || !OpenPage(nodes, p.path, p.set, page)) continue;
                PageRow* row = page.find(r.row);
                if (row == nullptr || row->heading || !row->enabled || !row->active) continue;
                const bool list = row->kind == kKindChoice || row->kind == kKindChoiceButtons;
                if (list != lists) continue;
                switch (row->kind) {
                    case kKindChoice:
                    case kKindChoiceButtons:
                        if (!row->items.empty()) {
                            if (!(Ws().Device == device)) {
                                device = Ws().Device;
                                hardware = DescribeHardware();
                            }
                            const int was = row->selected;
                            const int number = row->row;  // `row` points into the page, which opening again replaces
                            committed(CommitChoice(page, number, (was + 1) % static_cast<int>(row->items.size())));
                            if (Ws().Device == device || SameHardware(hardware, DescribeHardware()) || was < 0 ||
                                !OpenPage(nodes, p.path, p.set, page))
                                break;
                            committed(CommitChoice(page, number, was));
                        }
                        break;
                    case kKindNumber: committed(CommitNumber(page, row->row, "999999", true).followUp); break;
                    case kKindText: committed(CommitText(page, row->row, "AB1")); break;
                    case kKindSlider: committed(CommitSlider(page, row->row, row->maximum)); break;
                    case kKindTime: committed(CommitTime(page, row->row, 12, 34).followUp); break;
                    default: break;
                }
            }
        }
    }
}

}  // namespace tessalin::test
