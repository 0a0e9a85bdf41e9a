#pragma once
// Every device text of the catalogue in one list: the titles and row texts of every module type's menu,
// of the probe controller's menu and its editor sub-pages, the records that handlers put in titles,
// headings and lists, and the names of the process-variable catalogue. Checks that hold for all device
// texts alike walk this list.

#include <array>
#include <string>
#include <vector>

#include "core/catalogue/tables.h"

namespace tessalin::test {

// One device text in the seven languages (a record's name, one item of its choice list, or a
// process-variable name), with where it was found.
struct DeviceText {
    std::array<std::string, kDeviceLanguageCount> text;
    std::string where;
};

// Every device-text record, each once.
std::vector<const TextRecord*> AllTextRecords();

// Every name and every choice-list item of every record, and every process-variable name.
std::vector<DeviceText> AllDeviceTexts();

}  // namespace tessalin::test
