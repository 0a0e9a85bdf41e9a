#pragma once
// Every device text in one list: the titles and row texts of every module type's menu, of the probe
// controller's menu and its editor sub-pages, the records that handlers put in titles, headings and
// lists, the names of the process-variable catalogue and the "Off" at the head of its lists, the unit
// texts of the value types, the module descriptions, and the words of the hardware description, the
// configurator's options and the documentation. Checks that hold for all device texts alike walk this
// list.

#include <array>
#include <string>
#include <vector>

#include "core/catalogue/tables.h"

namespace tessalin::test {

// One device text in the seven languages (a record's name, one item of its choice list, a
// process-variable name, a unit, a module description, a word), with where it was found.
struct DeviceText {
    std::array<std::string, kDeviceLanguageCount> text;
    std::string where;
    bool onDisplay = true;  // shown by the analyser or in a page's label column; false for the tool's own words
};

// Every device-text record, each once.
std::vector<const TextRecord*> AllTextRecords();

// Every name and every choice-list item of every record, and every text of the other shapes.
std::vector<DeviceText> AllDeviceTexts();

}  // namespace tessalin::test
