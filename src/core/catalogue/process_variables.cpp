#include "core/catalogue/process_variables.h"

#include "core/common/texts.h"

#include <array>

#include "core/catalogue/process_variable_types.h"
#include "core/catalogue/process_variables_data.h"
#include "core/common/sections.h"
#include "core/device/components.h"
#include "core/device/format.h"
#include "core/device/predicates.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {

constexpr VariableNames kOffText = {"Aus", "Off", "Arrêt", "Off", "Från", "Desact.", "Desl."};

namespace {

constexpr const char* kEmptyList = "0|(x)";

// The position code of each position index. Index order is also list order: slots I..III, calculation
// blocks 1 and 2, base unit, front unit. The index is what the row conditions are asked with.
constexpr std::array<int, 7> kPositionCodeOfIndex{4, 5, 6, 8, 9, 1, 2};
constexpr int kPositionIndexCount = static_cast<int>(kPositionCodeOfIndex.size());
constexpr uint8_t kNoSlot = 255;

// The slot number under which a position's values lie: 0..2 slots, 3..4 calculation blocks, none for
// the base and front units.
uint8_t SlotOfIndex(int index) { return index < 5 ? static_cast<uint8_t>(index) : kNoSlot; }

uint8_t ModuleTypeAtIndex(int index) { return ComponentCode(kPositionCodeOfIndex[index]); }

// The slots a component occupies; the base and front units carry no slot prefix.
uint8_t SlotMaskAtIndex(int index) {
    const TDevice& d = Ws().Device;
    if (index < 3) return d.Slot[index].SlotMask;
    if (index < 5) return d.CalcBlock[index - 3].SlotMask;
    return 0;
}

// One byte of the module at a position index, in the active parameter set.
uint8_t ByteAt(Section section, uint16_t offset, int index) {
    return Ws().ParImage.u8(ParamOffset(At(section, offset), SlotOfIndex(index), Ws().ActiveParamSet));
}

Section CalcSetSection(uint8_t blockType) {
    switch (blockType) {
        case 128: return Section::CALCPH_SET;
        case 129: return Section::CALCCOND_SET;
        case 130: return Section::CALCOXY_SET;
        case 131: return Section::CALCCO2_SET;
        default: return Section::None;
    }
}

bool CanMeasureGasVolume(uint8_t moduleType) {
    switch (moduleType) {
        case 10: case 11: case 20: case 21: case 26: case 151: case 152: return true;
        default: return false;
    }
}

bool CalcByte(const ProcessVariableRow& row, int index, bool mustBeOne) {
    const Section section = CalcSetSection(ModuleTypeAtIndex(index));
    if (section == Section::None) return false;
    const uint8_t value = ByteAt(section, row.conditionArg, index);
    return mustBeOne ? value == 1 : value != 0;
}

// Appends the items of the component at a position index to a list under construction.
void AppendPosition(std::string& list, uint32_t mask, int index) {
    const uint8_t moduleType = ModuleTypeAtIndex(index);
    if (moduleType == 0) return;
    const std::string prefix = FormatSlotMask(SlotMaskAtIndex(index));
    for (const ProcessVariableRow& row : ProcessVariableRows(CurrentPvEdition())) {
        if (row.moduleType != moduleType || (row.classMask & mask) == 0) continue;
        if (!ProcessVariableConditionHolds(row, index)) continue;
        if (!list.empty()) list += '|';
        list += std::to_string(kPositionCodeOfIndex[index] * 16 + row.variable);
        list += '|';
        list += prefix;
        list += VariableName(row);
    }
}

// Builds a list over the position indices [first, last): the "Off" item first when asked, "0|(x)" when
// nothing is left.
std::string BuildList(uint32_t mask, int first, int last) {
    std::string list;
    if (mask & kPvWithOff) {
        list = "0|" + LanguageText(kOffText);
        mask &= ~kPvWithOff;
    }
    for (int index = first; index < last; ++index) AppendPosition(list, mask, index);
    return list.empty() ? kEmptyList : list;
}

}  // namespace

std::span<const ProcessVariableRow> ProcessVariableRows(PvEdition edition) {
    return edition == PvEdition::From9 ? pv::EditionFrom9() : pv::EditionUpTo8();
}

PvEdition CurrentPvEdition() { return SwFrom9() ? PvEdition::From9 : PvEdition::UpTo8; }

bool ProcessVariableConditionHolds(const ProcessVariableRow& row, int positionIndex) {
    CheckIndex("process-variable position", positionIndex, kPositionIndexCount);
    const int i = positionIndex;
    switch (row.condition) {
        case PvCondition::Always: return true;
        case PvCondition::Never: return false;
        case PvCondition::SwBefore8: return SwBefore8();
        case PvCondition::SwFrom8: return SwFrom8();
        case PvCondition::SwFrom7: return SwFrom7();
        case PvCondition::OxyVolumeConcentration: {
            // The "Measure in" byte (+178) decides gas measurement, as it does for the oxygen pages.
            if (OptO2Bier() || !CanMeasureGasVolume(ModuleTypeAtIndex(i))) return false;
            const uint8_t medium = ByteAt(Section::OXY_SET, 178, i);
            return medium == 2 || medium == 3;
        }
        case PvCondition::PhManualTemp: return ByteAt(Section::PH_SET, 11, i) == 2;
        case PvCondition::PhSecondValue: return SwFrom7() && ByteAt(Section::PH_SET, 40, i) != 1;
        case PvCondition::PhLifetimeMatrix: return ByteAt(Section::PH_SET, 288, i) == 1;
        case PvCondition::PhLifetimeDli: return ByteAt(Section::PH_SET, 288, i) == 2;
        case PvCondition::CondConcentration: return ByteAt(Section::COND_SET, 21, i) == 1;
        case PvCondition::CondManualTemp: return ByteAt(Section::COND_SET, 32, i) == 2;
        case PvCondition::CondSecondValue: return SwFrom7() && ByteAt(Section::COND_SET, 9, i) != 1;
        case PvCondition::CondIConcentration: return ByteAt(Section::CONDI_SET, 21, i) == 1;
        case PvCondition::CondIManualTemp: return ByteAt(Section::CONDI_SET, 25, i) == 2;
        case PvCondition::CondISecondValue: return SwFrom7() && ByteAt(Section::CONDI_SET, 9, i) != 1;
        case PvCondition::OxyUnitGroup1: return ByteAt(Section::OXY_SET, 178, i) == 1;
        case PvCondition::OxyUnitGroup2: return ByteAt(Section::OXY_SET, 178, i) == 2;
        case PvCondition::OxyUnitGroup3: return ByteAt(Section::OXY_SET, 178, i) == 3;
        case PvCondition::OutI3InUse: return ByteAt(Section::OUT_SET, 8, i) != 0;
        case PvCondition::OutI4InUse: return ByteAt(Section::OUT_SET, 128, i) != 0;
        case PvCondition::AnalogControllerInUse: return ByteAt(Section::PID_SET, 9, i) != 0;
        case PvCondition::DigitalControllerInUse: return ByteAt(Section::PID_SET, 35, i) != 0;
        case PvCondition::OutI1InUse: return ByteAt(Section::SYS_SET, 65, i) != 0;
        case PvCondition::OutI2InUse: return ByteAt(Section::SYS_SET, 185, i) != 0;
        case PvCondition::CalcValueInUse: return CalcByte(row, i, false);
        case PvCondition::CalcValueIsOne: return CalcByte(row, i, true);
        case PvCondition::NewHardware: return i < 3 && Ws().Device.Slot[i].SwVersion > 31;
    }
    return false;
}

std::string VariableName(const ProcessVariableRow& row) { return LanguageText(row.names); }

std::string ProcessVariableList(uint32_t mask) { return BuildList(mask, 0, kPositionIndexCount); }

std::string ProcessVariableListAt(uint32_t mask, int positionCode) {
    for (int index = 0; index < kPositionIndexCount; ++index)
        if (kPositionCodeOfIndex[index] == positionCode) return BuildList(mask, index, index + 1);
    return BuildList(mask, 0, 0);  // no listed component there
}

uint8_t ProcessVariableValueType(int moduleType, int variableNumber) {
    for (const ProcessVariableRow& row : ProcessVariableRows(CurrentPvEdition()))
        if (row.moduleType == moduleType && row.variable == variableNumber) return row.valueType;
    return 0;
}

}  // namespace tessalin
