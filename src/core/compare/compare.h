#pragma once
// Comparing two data sets as a user sees them: their hardware component by component, and the pages and
// rows of the device-tree nodes that both have. A component that was added, removed or replaced is one
// difference of the hardware; its pages are not compared row by row.

#include <string>
#include <vector>

#include "core/device/hardware_identity.h"
#include "core/settings/snapshot.h"

namespace tessalin {

enum class DifferenceLevel { Hardware, Page, Row };

// Where a difference lies: in both data sets, or only in the first or the second.
enum class Presence { Both, FirstOnly, SecondOnly };

struct Difference {
    DifferenceLevel level = DifferenceLevel::Row;
    Presence presence = Presence::Both;
    // Hardware: the section's title; page and row: the node's title path.
    std::string where;
    std::string node;         // page and row: the node's index path in the first data set (the second's when only there)
    char set = 0;             // page and row: 'A' or 'B'; 0 when both sets differ alike (or for the hardware)
    int row = -1;             // row: the entry's index
    std::string label;        // row: its label; hardware: the field ("code" for a component added, removed,
                              // replaced) or the option key
    std::string before;       // the first data set's value ("" when only in the second)
    std::string after;        // the second's
    std::string unitBefore;
    std::string unitAfter;
    std::string section;      // the hardware section it lies in ("front", "slot_1", ...); "" for none
};

// Component by component: a changed code (added, removed or replaced) is one difference with the
// designations; otherwise one difference per changed field that is not derived from others, and one per
// software option switched on or off (labelled with its key). Sections match by key; their titles come
// from whichever side has one.
std::vector<Difference> HardwareDifferences(const std::vector<HardwareSection>& first,
                                            const std::vector<HardwareSection>& second);

// The hardware, then the pages and rows in the first snapshot's tree order (what only the second has
// comes after). Pages match by title path, or by index path and title. Pages of a component that was
// added, removed or replaced are left out. A row that differs alike in set A and set B is one
// difference (set 0).
std::vector<Difference> CompareSnapshots(const Snapshot& first, const Snapshot& second);

// One line: "PATH > Label: old → new unit", with "[set A]" after the label where only one set differs; its
// own words in the user-interface language (0 German, 1 English).
std::string DescribeDifference(const Difference& difference, int uiLanguage = 1);

}  // namespace tessalin
