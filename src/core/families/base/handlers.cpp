// Rules of the base unit's contacts and inputs page.

#include "core/families/base/handlers.h"

#include "core/catalogue/codec.h"
#include "core/catalogue/rules.h"
#include "core/catalogue/value_types.h"
#include "core/device/components.h"
#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/families/base/texts.h"
#include "core/workspace.h"

namespace tessalin::base {

namespace {

constexpr int kConductivityModule = 5;  // 2/4-electrode conductivity, the only one with a USP function
constexpr int kSlotPositions[] = {kPosSlot1, kPosSlot2, kPosSlot3};

int Usage(uint16_t k) { return ParamByte(At(Section::SYS_SET, k)); }

bool HoldsConductivity(int position) { return ComponentCode(position) == kConductivityModule; }

uint8_t SlotMaskAt(int position) { return Ws().Device.Slot[position - kPosSlot1].SlotMask; }

}  // namespace

bool DelaysApply(uint16_t k) {
    const int usage = Usage(k);
    return usage != kUsageRinse && usage != kUsageParameterSetB && usage != kUsageKiRec;
}

bool ModuleSelectionShown(uint16_t k) {
    if (Usage(k) != kUsageUsp) return false;
    int modules = 0;
    for (int position : kSlotPositions) modules += HoldsConductivity(position);
    return modules > 1;
}

std::string ConductivityModuleList() {
    std::string list;
    for (int position : kSlotPositions) {
        if (!HoldsConductivity(position)) continue;
        if (!list.empty()) list += '|';
        list += std::to_string(position) + '|' + FormatSlotMask(SlotMaskAt(position)) +
                ModuleName(position, kConductivityModule);
    }
    return list;
}

void SelectUspModule(uint16_t k) {
    if (Usage(k) != kUsageUsp) return;
    const Location selection = At(Section::SYS_SET, static_cast<uint16_t>(k + kModuleSelection));
    const int chosen = ParamByte(selection);
    if (chosen >= kPosSlot1 && chosen <= kPosSlot3 && HoldsConductivity(chosen)) return;
    int first = 0;
    for (int position : kSlotPositions)
        if (HoldsConductivity(position)) {
            first = position;
            break;
        }
    SetDefault(selection, kPfUInt8, first);
}

bool ValueTypeResolves() {
    const TParamEntry* entry = Ws().CurrentParam.param;
    return entry != nullptr && static_cast<bool>(ResolveValueType(entry->valueType));
}

bool InputsNote(int event, TEvParRec& rec) {
    return rules::TwoLineHeading(event, rec, kTxtInputsNote1, kTxtInputsNote2);
}

}  // namespace tessalin::base
