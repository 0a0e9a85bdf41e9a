#pragma once
// The parts of the data-set check, each adding its findings in order; and the texts they share.

#include <string>
#include <vector>

#include "core/check/changes.h"
#include "core/check/finding.h"

namespace tessalin::check {

// Every shown value of every page in both sets; `activeSetB` is the set the user has open, whose value a
// both-sets row keeps when its halves differ. `places` gets the place of every value shown.
void CheckPageValues(bool activeSetB, ValuePlaces& places, std::vector<Finding>& out);

// The slot table, identity records, calculation blocks and the Purgon controller's carrier.
void CheckIdentity(std::vector<Finding>& out);

// The Purgon controller's program flows and week program.
void CheckPurgonPrograms(std::vector<Finding>& out);

// Enters the time of a switching-point finding through the day page's editor, as the window does.
bool RepairSwitchingPointTime(const Finding& f);
// Makes a switching point without an offered mode start once, through the same editor.
bool RepairSwitchingPointMode(const Finding& f);

// A finding outside the pages (set '-', no row): of the identity or of the Purgon programs.
Finding DeviceFinding(FindingKind kind, std::string path, std::string label, Severity severity);

// A tool text in the user-interface language.
std::string Say(const char* german, const char* english);

}  // namespace tessalin::check
