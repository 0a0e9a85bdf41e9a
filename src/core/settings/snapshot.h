#pragma once
// A data set as a user sees it, written down: the hardware, and for every node of the device tree that
// has a page, in tree order and per parameter set, every shown value row with its label, shown value,
// unit and the bytes stored for it. The pages are built by the same page model the window uses, so a
// snapshot never disagrees with what the window shows. Settings files are snapshots on disk; comparing
// two data sets compares their snapshots.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/device/hardware_identity.h"
#include "core/page/formpage.h"
#include "core/settings/page_walk.h"

namespace tessalin {

struct SnapshotRow {
    int row = 0;              // the entry's index in the parameter table
    std::string kind;         // KindName of the row: "number", "choice", "text", "slider", "time", "heading"
    std::string label;
    std::string value;        // the shown value text
    std::string unit;         // the chosen unit, "" without
    std::string raw;          // the stored bytes in hexadecimal, image order; "" when the row has no place
    bool editable = true;     // shown enabled (a heading's value never is)
    bool unitGiven = true;    // false: a hand-written row without "unit", entered in the unit the page shows
};

struct SnapshotPage {
    char set = 'A';           // 'A' or 'B'
    std::string path;         // the node's titles from the top, joined by " > " (NodeTitlePath)
    std::string node;         // the node's index path ("0/2/1"), for reference
    std::string component;    // the title of the component node above it
    std::string section;      // the hardware section of that component ("slot_1", "purgon", ...)
    std::string title;        // the page title (plain)
    std::vector<SnapshotRow> rows;

    const SnapshotRow* find(int row) const;
};

struct Snapshot {
    int language = 1;         // the device language of the texts
    SetChoice sets = SetChoice::Both;
    std::vector<HardwareSection> hardware;
    std::vector<SnapshotPage> pages;  // tree order; per node set A before set B
};

// The node's plain titles from the top component down, joined by " > ". A title that an earlier sibling
// already carries gets " #2", " #3", ... so that every node has a path of its own.
std::string NodeTitlePath(int node);

// The hardware section ("front", "slot_1", "purgon", ...) that a top-level component node stands for;
// "" for none.
std::string ComponentSection(int component);

// Every node by its NodeTitlePath.
std::map<std::string, int> NodesByTitlePath();

// Takes the snapshot of the loaded data set in its current language; its device tree must be built.
// The shown set, the selection and the current page are as before afterwards.
Snapshot TakeSnapshot(SetChoice sets);

// The stored bytes of a shown row in hexadecimal, image order, in set A or B; "" when it has no place.
// The row must be one of the page just built.
std::string StoredBytes(const PageRow& row, bool setB);

// How many bytes the value of an entry takes in the image (0: none of its own).
int StoredWidth(const TParamEntry& entry);

// The node of a page: the one at its title path, or else the one at its index path when that node has
// the page's title (a component whose title follows a value keeps its place in the tree). -1 without.
int FindPageNode(const SnapshotPage& page, const std::map<std::string, int>& nodesByTitlePath);

// True when the row carries a value that a snapshot records (and a settings file can apply).
bool IsValueRow(const PageRow& row);

}  // namespace tessalin
