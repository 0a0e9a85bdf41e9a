#pragma once
// The module-code table: for every module code the device knows, its description in the seven device
// languages, the hardware identity byte that belongs to it, the interface family through which it is
// reached and its measurement class. Codes that are not in the table describe themselves as "kein
// Modul" (in the device language).

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/common/text_record.h"

namespace tessalin {

// One text per device language (kDeviceLanguageCount: Deutsch, English, Français, Italiano, Svenska,
// Español, Português).
using DeviceTexts = std::array<std::string_view, kDeviceLanguageCount>;

// Hardware identity byte of "no module".
inline constexpr uint8_t kNoHwId = 255;

// Interface families: how a module's sensor is reached.
enum InterfaceFamilyCode : uint8_t {
    kFamilyDirect = 0,
    kFamilyIModule = 24,        // through an I-module (attach codes 24 and 28)
    kFamilyDigitalSensor = 27,  // through a digital-sensor module
    kFamilyOptical = 29,        // the optical-oxygen module's sensor
};

// Measurement classes, as the configurator's module catalogue groups the measuring modules.
enum MeasurementClassCode : uint8_t {
    kClassNone = 0,
    kClassPh = 1,
    kClassConductivity = 2,
    kClassOxygen = 3,
    kClassCo2 = 4,
    kClassOrp = 5,
};

struct ModuleCodeRow {
    uint8_t code;
    const DeviceTexts* description;  // empty texts for the calculation blocks
    uint8_t hwId;
    uint8_t family;
    uint8_t measurementClass;
};

// All rows, in ascending code order.
std::span<const ModuleCodeRow> ModuleCodeTable();
// The row of a code, or nullptr when the code is not in the table.
const ModuleCodeRow* FindModuleCode(uint8_t code);

// Hardware identity byte that belongs to a code; 255 for codes not in the table.
uint8_t HwIdOfCode(uint8_t code);
// 0, 24, 27 or 29; 0 for codes not in the table.
uint8_t InterfaceFamily(uint8_t code);
// 0..5; 0 for codes not in the table.
uint8_t MeasurementClass(uint8_t code);

// The description of a code in a device language, "kein Modul" (translated) for codes not in the table.
// A language outside 0..6 is a RangeError.
std::string_view CodeDescription(uint8_t code, int language);
// "kein Modul" in a device language. A language outside 0..6 is a RangeError.
std::string_view NoModuleText(int language);

}  // namespace tessalin
