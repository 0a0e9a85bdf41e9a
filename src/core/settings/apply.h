#pragma once
// Applying a settings file to the loaded data set: every value of the file goes through the commit cycle
// of the window (limits, corrections, rules and follow-ups), page by page in the file's tree order. A value
// whose row another value shows, hides or resets later is taken again in a further round, until nothing
// changes. The hardware is not applied: its differences are reported.

#include <string>
#include <vector>

#include "core/compare/compare.h"
#include "core/settings/snapshot.h"

namespace tessalin {

enum class ApplyStatus {
    Applied,      // stored as given
    Corrected,    // stored, but the row shows another value (limits, decimals, characters)
    Refused,      // not stored: the row does not take the value
    NotShown,     // the data set shows no such row (or page) where the file has it
    NotEditable,  // the row is shown disabled here and holds another value
};

struct ApplyEntry {
    ApplyStatus status = ApplyStatus::Applied;
    char set = 'A';
    std::string path;
    int row = -1;
    std::string label;
    std::string wanted;   // the file's value and unit
    std::string shown;    // what the row shows after (value and unit), "" when not shown
    std::string reason;   // why refused, corrected, not shown or not editable
};

struct ApplyReport {
    std::vector<Difference> hardware;  // the file's hardware (first) against the data set's (second)
    std::vector<ApplyEntry> entries;   // every value not simply taken as it stood, and every value stored
    int unchanged = 0;                 // values the data set already held
    bool refused() const;
};

// Selects the file's device language, rebuilds the device tree and applies the file's values to the
// loaded data set (in memory; the caller saves). Afterwards the first node is selected in set A.
ApplyReport ApplySettings(const Snapshot& file);

const char* ApplyStatusName(ApplyStatus status);

// The reason given for every value of a page that the data set does not show.
inline constexpr const char* kNoSuchPage = "the data set shows no such page";

}  // namespace tessalin
