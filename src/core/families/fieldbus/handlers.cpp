// Rules of the fieldbus modules.

#include "core/families/fieldbus/handlers.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/catalogue/codec.h"
#include "core/catalogue/process_variables.h"
#include "core/catalogue/value_rules.h"
#include "core/common/texts.h"
#include "core/device/components.h"
#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/device/predicates.h"
#include "core/families/fieldbus/texts.h"
#include "core/workspace.h"

namespace tessalin::fieldbus {

namespace {

constexpr int kPaModule = 14;
constexpr uint8_t kPaInputGroupsSoftware = 0x20;  // module software 2.0

// Module types whose measured values can go onto the bus.
constexpr std::array<int, 39> kFeedingTypes = {
    3,   12,  13,  4,   19,  7,   10,  11,  20,  21,  26,  5,   6,   18,  128, 129, 130, 131, 150, 151,
    152, 160, 161, 162, 164, 170, 171, 172, 173, 174, 180, 181, 182, 183, 190, 191, 192, 193, 211,
};
constexpr int kFeedingPositions[] = {kPosSlot1, kPosSlot2, kPosSlot3, kPosCalc1, kPosCalc2};

constexpr Location kGroup1Module = At(Section::COM_FIX, 2);
constexpr Location kGroup2Module = At(Section::COM_FIX, 7);

bool CanFeedBus(int moduleType) {
    return std::find(kFeedingTypes.begin(), kFeedingTypes.end(), moduleType) != kFeedingTypes.end();
}

uint8_t SlotMaskAt(int position) {
    const TDevice& d = Ws().Device;
    return position >= kPosCalc1 ? d.CalcBlock[position - kPosCalc1].SlotMask : d.Slot[position - kPosSlot1].SlotMask;
}

// A PA module whose own software offers the two input groups.
bool PaWithInputGroups() {
    const TParamRef& here = Ws().CurrentParam;
    if (here.moduleType != kPaModule || here.position < kPosSlot1 || here.position > kPosSlot3) return false;
    return Ws().Device.Slot[here.position - kPosSlot1].SwVersion >= kPaInputGroupsSoftware;
}

bool PaWithSixInputs() {
    const TParamRef& here = Ws().CurrentParam;
    return here.moduleType == kPaModule && !PaWithInputGroups();
}

bool InputsOf(Location group, int event, TEvParRec& rec) {
    return rules::ChoiceList(event, rec, [group] {
        const TParamEntry* entry = Ws().CurrentParam.param;
        const uint32_t mask = entry != nullptr ? static_cast<uint32_t>(entry->arg) : 0u;
        return ProcessVariableListAt(mask, ParamByte(group));
    });
}

std::string FeedingModuleList() {
    std::string list = "0|" + EntryName(&kTxtNoModule);
    for (int position : kFeedingPositions) {
        const int code = ComponentCode(position);
        if (!CanFeedBus(code)) continue;
        list += '|' + std::to_string(position) + '|' + FormatSlotMask(SlotMaskAt(position)) +
                ModuleName(position, static_cast<uint8_t>(code));
    }
    return list;
}

}  // namespace

bool MenuPaSixInputs(int event, TEvParRec& rec) { return rules::Menu(event, rec, SwBefore7() || PaWithSixInputs()); }

bool MenuPaInputGroups(int event, TEvParRec& rec) { return rules::Menu(event, rec, SwFrom7() && PaWithInputGroups()); }

bool RowMeasuringModule(int event, TEvParRec& rec) { return rules::ChoiceList(event, rec, FeedingModuleList); }

bool RowInputOfGroup1(int event, TEvParRec& rec) { return InputsOf(kGroup1Module, event, rec); }
bool RowInputOfGroup2(int event, TEvParRec& rec) { return InputsOf(kGroup2Module, event, rec); }

}  // namespace tessalin::fieldbus
