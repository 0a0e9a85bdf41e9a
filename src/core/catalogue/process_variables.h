#pragma once
// The process-variable catalogue: every measured or derived value that a module, a calculation block,
// the base unit or the front unit offers to outputs, contacts, recorders, controllers, the display and
// the fieldbus. A row names the module type, the variable number, its value type, its short name in the
// seven device languages, the condition under which the module offers it and the lists it may appear in.
//
// Two editions exist: one for devices whose software major version is 8 or lower, one for 9 and above.
// The lists built from the catalogue are choice-list texts ("code|text|code|text") whose codes are the
// selector bytes stored in the image: position code * 16 + variable number.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/catalogue/tables.h"
#include "core/common/texts.h"

namespace tessalin {

// The lists a variable may be chosen in (class mask bits). Bits 0x01, 0x08 and 0x20 are carried in the
// rows as they stand.
inline constexpr uint32_t kPvDisplay = 0x02;     // primary display values
inline constexpr uint32_t kPvOutput = 0x04;      // outputs, contacts, recorders and controllers
inline constexpr uint32_t kPvController = 0x10;  // control variables of the controller module
inline constexpr uint32_t kPvFieldbus = 0x40;    // fieldbus analog inputs
// In a list request: put the "Off" item (code 0) first.
inline constexpr uint32_t kPvWithOff = 0x10000;

// When a module offers a variable. Each condition is asked for a position index (0..2 slots I..III,
// 3..4 calculation blocks 1..2, 5 base unit, 6 front unit) and reads the module at that position.
enum class PvCondition : uint8_t {
    Always,
    Never,                   // rows kept for other module variants
    SwBefore8,               // software major version below 8
    SwFrom8,                 // above 7
    SwFrom7,                 // 7 and above
    OxyVolumeConcentration,  // gas measurement with a module that can measure it
    PhManualTemp,            // PH-SET +11 = 2
    PhSecondValue,           // from 7, PH-SET +40 != 1
    PhLifetimeMatrix,        // PH-SET +288 = 1
    PhLifetimeDli,           // PH-SET +288 = 2
    CondConcentration,       // COND-SET +21 = 1
    CondManualTemp,          // COND-SET +32 = 2
    CondSecondValue,         // from 7, COND-SET +9 != 1
    CondIConcentration,      // CONDI-SET +21 = 1
    CondIManualTemp,         // CONDI-SET +25 = 2
    CondISecondValue,        // from 7, CONDI-SET +9 != 1
    OxyUnitGroup1,           // OXY-SET +178 = 1 (liquids)
    OxyUnitGroup2,           // = 2 (gases, Vol%)
    OxyUnitGroup3,           // = 3 (gases, ppm)
    OutI3InUse,              // OUT-SET +8 != 0
    OutI4InUse,              // OUT-SET +128 != 0
    AnalogControllerInUse,   // PID-SET +9 != 0
    DigitalControllerInUse,  // PID-SET +35 != 0
    OutI1InUse,              // SYS-SET +65 != 0
    OutI2InUse,              // SYS-SET +185 != 0
    CalcValueInUse,          // byte `conditionArg` of the calculation block's set section != 0
    CalcValueIsOne,          // that byte = 1
    NewHardware,             // the slot module's software version byte is above 31
};

// A process-variable name: one string per device language.
using VariableNames = LanguageTexts;

struct ProcessVariableRow {
    uint8_t moduleType = 0;
    uint8_t valueType = 0;  // index into the value-type table (100 and above: none)
    uint8_t variable = 0;   // 0..15, the low nibble of the selector code
    VariableNames names{};
    PvCondition condition = PvCondition::Always;
    uint8_t conditionArg = 0;  // calculation-block conditions: offset in the block's set section
    uint32_t classMask = 0;
};

// The "Off" item that heads a list of process variables where a choice may be switched off.
extern const VariableNames kOffText;

enum class PvEdition : uint8_t { UpTo8, From9 };

// The rows of one edition, in catalogue order.
std::span<const ProcessVariableRow> ProcessVariableRows(PvEdition edition);
// The edition that the loaded device uses (its software major version).
PvEdition CurrentPvEdition();

// Whether the module at position index 0..6 offers the row now. Another index is a range error.
bool ProcessVariableConditionHolds(const ProcessVariableRow& row, int positionIndex);

// The row's name in the device language.
std::string VariableName(const ProcessVariableRow& row);

// The choice list of every variable of the device whose class mask shares a bit with `mask`, in the
// order slot I, II, III, calculation block 1, 2, base unit, front unit; with kPvWithOff in the mask the
// list starts with "0|" and the "Off" text. An empty list is "0|(x)".
std::string ProcessVariableList(uint32_t mask);
// The same for the one component at a position code (1, 2, 4, 5, 6, 8, 9).
std::string ProcessVariableListAt(uint32_t mask, int positionCode);

}  // namespace tessalin
