#pragma once
// The hardware description: what the device consists of, as a tree of item markup in the device
// language: the front unit with its versions, serial number and options, the base unit, the three
// slots and an attached Purgon controller. Built anew from Ws().Device every time it is shown.

#include <string>
#include <vector>

namespace tessalin {

struct DescriptionItem {
    std::string markup;
    std::vector<DescriptionItem> children;
};

struct HardwareDescription {
    std::string buttonCaption;
    std::vector<DescriptionItem> items;  // top-level items; the first (the front unit) is shown expanded
};

HardwareDescription BuildHardwareDescription();

// A value line: label, " :  " and the value in green.
std::string DescriptionValueLine(const std::string& label, const std::string& value);

// The names of the options present in the front's option word, in the order the documentation lists
// them; only the options that the front's software generation knows.
std::vector<std::string> ListedOptionNames();

}  // namespace tessalin
