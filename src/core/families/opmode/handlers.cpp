// Rules of the operating-mode page of the digital-sensor carriers: which rows a slot's page shows, the
// scratch copy the rows edit, and REFRESH, which turns the chosen mode and variable into the slot's new
// module type.

#include "core/families/opmode/handlers.h"

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/rules.h"
#include "core/catalogue/value_rules.h"
#include "core/common/texts.h"
#include "core/device/decode.h"
#include "core/device/predicates.h"
#include "core/families/opmode/opmode.h"
#include "core/families/opmode/slot_init.h"
#include "core/families/opmode/texts.h"
#include "core/families/shared/modules_changed.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

constexpr int kSenvaro = 6;
constexpr int kOtherDigital = 10;
constexpr int kMode12 = 12;
constexpr int kOptical = 11;

// BUF-FIX keeps mode and variable of slot k at +340 + 2k and +341 + 2k; the page edits their copies at
// 0x7000 + k and 0x7003 + k.
constexpr uint16_t kDeviceBytes = 340;
constexpr uint16_t kScratchModes = 0x7000;
constexpr uint16_t kScratchVariables = 0x7003;

long long DeviceModeAt(int k) { return ParamOffset(At(Section::BUF_FIX, static_cast<uint16_t>(kDeviceBytes + 2 * k)), 255, false); }
long long DeviceVariableAt(int k) { return DeviceModeAt(k) + 1; }

// The slot (0..2) of the page, or -1 away from a slot.
int PageSlot() {
    const int position = Ws().CurrentParam.position;
    return position >= kPosSlot1 && position <= kPosSlot3 ? position - kPosSlot1 : -1;
}

int CarrierHardware() {
    const int k = PageSlot();
    return k < 0 ? 0 : Ws().Device.Slot[k].HwVersion;
}

int ChosenMode() {
    const int k = PageSlot();
    return k < 0 ? -1 : ReadU8(kScratchModes + k);
}

// A row belongs to the slot named by its argument.
bool RowOfPageSlot() {
    const TParamEntry* row = Ws().CurrentParam.param;
    return row != nullptr && row->arg == PageSlot();
}

bool RowShown(int event, TEvParRec& rec, bool newCarrier) {
    return rules::Shown(event, rec, RowOfPageSlot() && (CarrierHardware() >= 32) == newCarrier);
}

}  // namespace

DigitalSensorChoice DigitalSensorType(int mode, int variable) {
    if (mode == kSenvaro) {
        switch (variable) {
            case 0: return {mode, 0, 170};
            case 1: return {mode, 1, 171};
            case 2: return {mode, 2, 172};
            case 3: return {mode, 3, 173};
            case 6: return {mode, 6, 174};
            case 10: return {mode, 10, 176};
            case 11: return {mode, 11, 175};
            default: return {mode, 0, 170};
        }
    }
    if (mode == kOtherDigital) return {mode, 3, 193};
    // The optical oxygen carrier keeps its sensor.
    if (mode == kOptical) return {mode, 1, 211};
    if (mode == kMode12) {
        if (variable == 3) return {mode, 3, 173};
        if (variable == 11) return {mode, 11, 175};
        return {mode, 0, 175};
    }
    return {kSenvaro, 0, 170};
}

namespace opmode {

bool MenuOpMode(int event, TEvParRec& rec) {
    const int k = PageSlot();
    if (event == kEvMenuVisible) {
        if (k < 0) return false;
        const int attach = Ws().Device.Slot[k].AttachCode;
        return attach == 27 || attach == 29;
    }
    if (event == kEvPageOpen) {
        for (int slot = 0; slot < 3; ++slot) {
            WriteU8(kScratchModes + slot, ReadU8(DeviceModeAt(slot)));
            WriteU8(kScratchVariables + slot, ReadU8(DeviceVariableAt(slot)));
        }
        return true;
    }
    return DefaultHandler(event, rec);
}

bool RefreshButton(int event, TEvParRec& rec, bool (*apply)()) {
    switch (event) {
        case kEvTitle: rec.text = EntryName(&kTxtApply); return true;
        case kEvButtonCount: rec.number = 1; return true;
        case kEvButtonCaption: rec.text = "REFRESH"; return true;
        case kEvButtonPressed: return apply();
        default: return DefaultHandler(event, rec);
    }
}

bool RowHeading(int e, TEvParRec& r) { return rules::TwoLineHeading(e, r, kTxtHeading1, kTxtHeading2); }
bool RowModeOld(int e, TEvParRec& r) { return RowShown(e, r, false); }
bool RowModeNew(int e, TEvParRec& r) { return RowShown(e, r, true); }
bool RowVariableOld(int e, TEvParRec& r) { return RowShown(e, r, false); }
bool RowVariableNew(int e, TEvParRec& r) { return RowShown(e, r, true); }
bool RowApply(int e, TEvParRec& r) { return RefreshButton(e, r, ApplyDigitalMode); }
bool RowOwnSlot(int e, TEvParRec& r) { return rules::Shown(e, r, RowOfPageSlot()); }

bool ChosenSenvaro() { return ChosenMode() == kSenvaro; }
bool ChosenOther() { return ChosenMode() == kOtherDigital; }
bool ChosenSenvaroOrOther() { return ChosenSenvaro() || ChosenOther(); }
bool ChosenSenvaroOxygen() { return ChosenSenvaro() && OptFiuOxyOrSpu(); }
bool ChosenSenvaroF12() { return ChosenSenvaro() && CarrierHardware() > 33; }

bool ApplyDigitalMode() {
    const int k = PageSlot();
    if (k < 0) return false;
    const int mode = ReadU8(kScratchModes + k);
    const int variable = ReadU8(kScratchVariables + k);
    if (mode == ReadU8(DeviceModeAt(k)) && variable == ReadU8(DeviceVariableAt(k))) return false;

    // A slot whose records lie outside the image's three is refused before anything changes.
    CheckIndex("parameter block", Ws().Device.Slot[k].RecIndex, 3);
    CheckIndex("identity record", ReadU8(37 + 5LL * k), 3);
    const DigitalSensorChoice choice = DigitalSensorType(mode, variable);
    WriteU8(DeviceModeAt(k), static_cast<uint8_t>(choice.mode));
    WriteU8(DeviceVariableAt(k), static_cast<uint8_t>(choice.variable));
    WriteU8(kScratchModes + k, static_cast<uint8_t>(choice.mode));
    WriteU8(kScratchVariables + k, static_cast<uint8_t>(choice.variable));
    SetSlotModuleType(k, choice.moduleType);
    InitialiseSlot(Ws().Device.Slot[k].RecIndex, choice.moduleType);

    // The image holds the new hardware; the device follows it.
    Ws().Device.Origin = kOriginTool;
    DecodeDevice(false);
    KeepChoicesOnInstalledModules();
    Ws().Modified = true;
    RequestTreeRebuild();
    return true;
}

}  // namespace opmode
}  // namespace tessalin
