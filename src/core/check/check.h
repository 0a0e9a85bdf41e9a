#pragma once
// The data-set check: every stored value of every page of the loaded device, in both parameter sets,
// against what the analyser accepts, every identity field of the slot table, and the Purgon programs.
// Repairs go through the same commit functions as the window's fields, so the rows' rules run; whatever
// else they write is named with the finding.

#include <vector>

#include "core/check/finding.h"

namespace tessalin::check {

// Every finding of the loaded data set, pages in tree order first (per node set A before set B), then the
// identity and the Purgon programs; each finding with a repair lists every other value that repair would
// write (tried on a copy of the workspace). The device tree must be built. Checking reads only: the image
// and the page context are as before afterwards.
std::vector<Finding> CheckDataSet();

struct RepairReport {
    std::vector<Finding> repaired;   // findings that a repair removed
    std::vector<Finding> remaining;  // findings still there afterwards (no repair, or the repair did not take)
    bool allRepaired() const { return remaining.empty(); }
};

// Applies the repair of every finding that has one (and of the findings a repair's rules bring up) as one
// change of the data set, and checks again; findings without a repair stay and block nothing. A repair
// enters its value as the row's commit does, rules included, except that a repair of calibration data does
// not stamp the module as calibrated now. Each repaired finding lists every other value its repair wrote.
// Sets Modified when anything was written.
RepairReport RepairAll();

}  // namespace tessalin::check
