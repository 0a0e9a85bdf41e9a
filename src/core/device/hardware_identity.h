#pragma once
// The identity of the decoded device as named fields, one section per component: front unit, base unit,
// I-module, the three slots, the two calculation blocks and the Purgon controller, with codes, versions,
// brands, serial numbers and designations in the device language. What `info` prints, what a settings
// file carries as its hardware and what a comparison of two data sets compares.

#include <string>
#include <vector>

namespace tessalin {

struct HardwareField {
    std::string key;
    std::string value;
    bool number = false;  // a whole number (printed without quotes in JSON)
    // Derived from other fields of the section (a formatted form, a designation): shown, not compared.
    bool derived = false;
};

struct HardwareSection {
    std::string key;    // "front", "base", "i_module", "slot_1".."slot_3", "calc_block_1", "calc_block_2", "purgon"
    std::string title;  // "Front unit", "Slot [I]", ...
    std::vector<HardwareField> fields;

    const HardwareField* find(const std::string& fieldKey) const;
};

// The sections of Ws().Device in component order.
std::vector<HardwareSection> DescribeHardware();

// The field that names what sits in a section: "type_code" for the Purgon controller, "code" otherwise.
const char* ComponentCodeKey(const HardwareSection& section);

}  // namespace tessalin
