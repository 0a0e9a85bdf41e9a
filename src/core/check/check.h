#pragma once
// The data-set check: every stored value of every page of the loaded device, in both parameter sets,
// against what the analyser accepts, every identity field of the slot table, and the Purgon programs.
// Repairs go through the same commit functions as the window's fields, so the rows' rules run.

#include <vector>

#include "core/check/finding.h"

namespace tessalin::check {

// Every finding of the loaded data set, pages in tree order first (per node set A before set B), then the
// identity and the Purgon programs. The device tree must be built; the page context is as before afterwards.
std::vector<Finding> CheckDataSet();

struct RepairReport {
    std::vector<Finding> repaired;   // findings that a repair removed
    std::vector<Finding> remaining;  // findings still there afterwards (no repair, or the repair did not take)
    bool allRepaired() const { return remaining.empty(); }
};

// Applies the repair of every finding (and of the findings a repair's rules bring up) as one change of
// the data set, and checks again. Sets Modified when anything was written.
RepairReport RepairAll();

}  // namespace tessalin::check
