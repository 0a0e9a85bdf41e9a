// Rules of the Purgon controller's settings pages.

#include "core/families/purgon/settings_handlers.h"

#include <cstdio>
#include <string>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/rules.h"
#include "core/common/texts.h"
#include "core/device/decode.h"
#include "core/device/designations.h"
#include "core/device/format.h"
#include "core/device/predicates.h"
#include "core/families/ph/ph.h"
#include "core/families/purgon/handlers.h"
#include "core/families/purgon/program_block.h"
#include "core/families/purgon/settings_texts.h"
#include "core/workspace.h"

namespace tessalin::purgon {

namespace {

// Designations of the controller types are those of the Purgon position.
constexpr int kPurgonPosition = 8;

int Arg() { return Ws().CurrentParam.param != nullptr ? Ws().CurrentParam.param->arg : 0; }
int BlockValue(uint16_t offset) { return ParamByte(Block(offset)); }
constexpr Location CtrlFix(uint16_t offset) { return At(Section::CTRL_FIX, offset); }

bool List(TEvParRec& rec, std::string list) {
    rec.text = std::move(list);
    return true;
}

// ---- controller type ------------------------------------------------------------------------------

// The controller type follows block byte 2300: decode the device from the image again, as a load does,
// and let the timer rebuild the tree with the Purgon node where it now belongs.
void ControlChanged() {
    Ws().Device.Origin = kOriginTool;
    DecodeDevice(true);
    RequestTreeRebuild();
}

bool ControlRow(int event, TEvParRec& rec, bool applies, bool listFromHandler, const std::string& list) {
    if (event == kEvChoiceList && listFromHandler) return List(rec, list);
    if (event == kEvCommitted) {
        if (applies) ControlChanged();
        return applies;
    }
    return applies;
}

std::string OffItem() { return "2|" + EntryName(&kTxtControlOff) + "|1|"; }

// ---- measuring module -----------------------------------------------------------------------------

bool UsableModule(int code) {
    for (int c : {3, 12, 13, 4, 19, 150, 180, 160, 190, 170})
        if (c == code) return true;
    return false;
}

int UsableSlots() {
    int count = 0;
    for (const TIdInfo_h& slot : Ws().Device.Slot) count += UsableModule(slot.Code) ? 1 : 0;
    return count;
}

std::string MeasuringModules() {
    std::string list;
    for (int s = 0; s < 3; ++s) {
        const TIdInfo_h& slot = Ws().Device.Slot[s];
        if (!UsableModule(slot.Code)) continue;
        if (!list.empty()) list += '|';
        list += std::to_string(s + kPosSlot1) + "|" + FormatSlotMask(slot.SlotMask) + ModuleName(s + kPosSlot1, slot.Code);
    }
    return list;
}

// The slot whose buffers the presets use: the chosen measuring module's, else the page's own.
int PresetSlot() {
    const int s = ParamByte(CtrlFix(60)) - kPosSlot1;
    if (s >= 0 && s < 3 && UsableModule(Ws().Device.Slot[s].Code)) return s;
    return Ws().CurrentParam.slot;
}

int BufferSet() {
    return ReadU8(ParamOffset(At(Section::PH_SET, 21), static_cast<uint8_t>(PresetSlot()), Ws().ActiveParamSet));
}

// A nominal value of the user buffer table: signed thousandths of pH, shown with two decimals.
std::string UserBufferValue(uint16_t offset) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", static_cast<int16_t>(ReadU16(ParamOffsetSetA(At(Section::BUF_FIX, offset)))) / 1000.0);
    return text;
}

constexpr const char* kBufferItems[15] = {
    "|1|pH 2.00|2|pH 4.01|3|pH 7.00|4|pH 9.21",
    "|1|pH 2.00|2|pH 4.01|3|pH 7.00|4|pH 9.21",
    "|1|pH 2.00|2|pH 4.00|3|pH 7.00|4|pH 9.00|5|pH 12.00",
    "|1|pH 1.09|2|pH 4.65|3|pH 6.79|4|pH 9.23|5|pH 12.75",
    "|1|pH 4.006|2|pH 6.865|3|pH 9.180",
    "|1|pH 1.68|2|pH 4.00|3|pH 7.00|4|pH 10.01|5|pH 12.46",
    "|1|pH 2.00|2|pH 4.01|3|pH 7.00|4|pH 10.01|5|pH 12.00",
    "|1|pH 2.00|2|pH 4.00|3|pH 7.00|4|pH 9.00|5|pH 11.00",
    "|1|pH 2.00|2|pH 4.01|3|pH 7.00|4|pH 9.00|5|pH 11.00",
    "|1|pH 2.00|2|pH 4.01|3|pH 6.00|4|pH 9.00|5|pH 11.00",
    "|1|pH 4.01|3|pH 7.00|4|pH 10.01",
    "|3|pH 7.00|4|pH 9.21",
    "|1|pH 2.06|2|pH 4.00|3|pH 7.00|4|pH 10.00",
    "|1|pH 2.00|2|pH 4.00|3|pH 7.00|4|pH 9.00|5|pH 12.00",
    "|1|pH 2.00|2|pH 4.01|3|pH 7.00|4|pH 9.21",
};

std::string BufferList(int set) {
    std::string list = "0|Tarimex";
    if (set >= 1 && set <= 15) return list + kBufferItems[set - 1];
    if (set == 33) {
        list += "|1|ph " + UserBufferValue(0) + "|2|pH " + UserBufferValue(42) + "|3|pH " + UserBufferValue(84);
    }
    return list;
}

// ---- control-system bits --------------------------------------------------------------------------

constexpr int kControlBits = 0x07;
constexpr int kOutputAlarmBit = 0x08;

// The working byte of a control-system row and the value the bits give it.
int WorkValue(int mask, int bits) {
    if (mask == kControlBits) return bits & mask;
    if (mask == kOutputAlarmBit) return (bits & mask) ? 1 : 0;
    return (bits & mask) ? 2 : 1;
}

int BitsWith(int mask, int bits, int value) {
    if (mask == kControlBits) return (bits & ~mask) | (value & mask);
    const bool set = mask == kOutputAlarmBit ? value == 1 : value == 2;
    return set ? bits | mask : bits & ~mask;
}

// ---- probe ----------------------------------------------------------------------------------------

constexpr uint16_t kProbeType = 2303;
constexpr uint16_t kMoveTime = 2304;
constexpr int kVorlix = 3;

// A controller of brand 1 runs a Vorlix probe unless software 9 and the Dolovan option allow others.
void KeepBrand1ProbeType() {
    if ((SwBefore9() || !OptDolovan()) && BlockValue(kProbeType) != kVorlix) {
        SetDefault(Block(kProbeType), kPfUInt8, kVorlix);
        SetDefault(Block(kMoveTime), kPfUInt16, 15);
    }
}

bool Travels(int event, TEvParRec& rec, uint16_t switchOffset, int digits) {
    if (event == kEvRowVisible) return SwFrom9() && ParamByte(CtrlFix(switchOffset)) == 1;
    if (event == kEvFormat) {
        rec.number = digits * 16;
        return true;
    }
    return DefaultHandler(event, rec);
}

// ---- media ----------------------------------------------------------------------------------------

// The port or medium and role of a media row (bits 16..23 of its argument).
int MediaArgOf() { return (Arg() >> 16) & 0xFF; }

bool RoleShown(MediaRole role, bool inUse, bool volumes, int monitoring) {
    switch (role) {
        case kRoleInUse: return inUse;
        case kRoleVolume: return volumes;
        case kRolePh: return inUse && monitoring == 1;
        case kRoleCelsius: return inUse && monitoring == 2;
    }
    return true;
}

}  // namespace

// ---- controller entry -----------------------------------------------------------------------------

bool RowControlBefore7(int event, TEvParRec& rec) { return ControlRow(event, rec, SwBefore7(), false, ""); }

bool RowControlTypes(int event, TEvParRec& rec) {
    const bool applies = SwFrom7() && !BrandBrevon();
    if (event != kEvChoiceList || !applies) return ControlRow(event, rec, applies, false, "");
    return List(rec, OffItem() + ModuleName(kPurgonPosition, 79) + "|3|" + ModuleName(kPurgonPosition, 80));
}

bool RowControlBrand1(int event, TEvParRec& rec) {
    const bool applies = SwFrom7() && BrandBrevon();
    if (event != kEvChoiceList || !applies) return ControlRow(event, rec, applies, false, "");
    return List(rec, OffItem() + ModuleName(kPurgonPosition, 79));
}

bool RowTimeControl(int event, TEvParRec& rec) {
    return event == kEvRowVisible ? PurgonControlled() : DefaultHandler(event, rec);
}

bool RowMeasuringModuleEntry(int event, TEvParRec& rec) {
    if (!SwFrom7() || !PurgonControl3()) return false;
    return RowMeasuringModule(event, rec);
}

// ---- calibration presets --------------------------------------------------------------------------

bool RowMeasuringModule(int event, TEvParRec& rec) {
    switch (event) {
        case kEvRowVisible: return SwFrom8() || UsableSlots() >= 2;
        case kEvRowEditable: return UsableSlots() >= 2;
        case kEvChoiceList: return List(rec, MeasuringModules());
        default: return false;
    }
}

bool RowCalBufferHeading(int event, TEvParRec& rec) {
    if (event != kEvHeading) return DefaultHandler(event, rec);
    rec.text = PhBufferSetHeading(BufferSet());
    rec.number = 1;
    return true;
}

bool RowCalBuffer(int event, TEvParRec& rec) {
    if (event != kEvChoiceList) return DefaultHandler(event, rec);
    return List(rec, BufferList(BufferSet()));
}

bool RowCalMode(int event, TEvParRec& rec) {
    if (event != kEvChoiceList) return DefaultHandler(event, rec);
    return List(rec, EntryList(SwMajor5() ? &kTxtCalModeV5 : &kTxtCalMode));
}

bool RowTtmProgram(int event, TEvParRec& rec) {
    switch (event) {
        case kEvRowVisible: {
            const int s = ParamByte(CtrlFix(60)) - kPosSlot1;
            if (s < 0 || s >= 3 || Ws().Device.Slot[s].Code != 19) return false;
            // The TTM program runs a pH module whose sensor lifetime is counted by DLI.
            return ReadU8(ParamOffset(At(Section::PH_SET, 288), static_cast<uint8_t>(s), Ws().ActiveParamSet)) == 2;
        }
        case kEvChoiceList:
            return RowTimerProgram(event, rec);
        default:
            return false;
    }
}

// ---- control system -------------------------------------------------------------------------------

bool RowControlBits(int event, TEvParRec& rec) {
    const TParamEntry* entry = Ws().CurrentParam.param;
    const int mask = Arg();
    switch (event) {
        case kEvRowVisible:
            if (mask == kOutputAlarmBit && SwMajor5()) return false;
            WriteU8(ParamOffsetHere(entry->location), static_cast<uint8_t>(WorkValue(mask, BlockValue(kControlSystem))));
            return true;
        case kEvCommitted: {
            const int value = ReadU8(ParamOffsetHere(entry->location));
            SetDefault(Block(kControlSystem), kPfUInt8, BitsWith(mask, BlockValue(kControlSystem), value));
            return true;
        }
        default:
            return DefaultHandler(event, rec);
    }
}

// ---- probe ----------------------------------------------------------------------------------------

bool RowProbeType(int event, TEvParRec& rec) {
    const bool brand1 = BrandBrevon();
    switch (event) {
        case kEvRowVisible:
            if (!brand1) return true;
            KeepBrand1ProbeType();
            return SwFrom9();
        case kEvRowEditable:
            return !brand1 || (SwFrom9() && OptDolovan());
        case kEvChoiceList:
            if (PurgonControl3() && (brand1 || SwFrom7())) return List(rec, EntryList(&kTxtProbeTypesControl3));
            if (brand1) return List(rec, EntryList(&kTxtProbeTypesBrand1));
            return List(rec, EntryList(SwFrom7() ? &kTxtProbeTypesFrom7 : &kTxtProbeTypesBefore7));
        default:
            return DefaultHandler(event, rec);
    }
}

bool RowCheckTravels(int event, TEvParRec& rec) { return Travels(event, rec, 77, 5); }
bool RowMaintenanceTravels(int event, TEvParRec& rec) { return Travels(event, rec, 82, 6); }

// ---- media ----------------------------------------------------------------------------------------

constexpr int kPortThreeOwnMedia = 3;

bool RowMediaPort(int event, TEvParRec& rec) {
    if (event != kEvRowVisible) return DefaultHandler(event, rec);
    const int port = MediaArgOf() / 16;
    const auto role = static_cast<MediaRole>(MediaArgOf() % 16);
    const uint16_t at = static_cast<uint16_t>(2326 + 13 * port);
    const int use = BlockValue(at);
    // Port III also carries media of its own (3); the volume rows belong to the metering pump alone.
    const bool inUse = use == 2 || (port == 2 && use == 3);
    return RoleShown(role, inUse, use == 2, BlockValue(at + 4));
}

bool RowPortThreeUse(int event, TEvParRec& rec) {
    if (event != kEvCheckCode) return DefaultHandler(event, rec);
    if (rec.number == kPortThreeOwnMedia) rec.number = kCodeAccepted;
    return true;
}

bool RowAddMedium(int event, TEvParRec& rec) {
    if (event != kEvRowVisible) return DefaultHandler(event, rec);
    const int medium = MediaArgOf() / 16;
    const auto role = static_cast<MediaRole>(MediaArgOf() % 16);
    const uint16_t at = static_cast<uint16_t>(2365 + 10 * medium);
    return RoleShown(role, BlockValue(at) == 3, false, BlockValue(at + 1));
}

bool RowRinseWater(int event, TEvParRec& rec) {
    if (event != kEvRowVisible) return DefaultHandler(event, rec);
    return RoleShown(static_cast<MediaRole>(MediaArgOf() % 16), true, false, BlockValue(2317));
}

}  // namespace tessalin::purgon

namespace tessalin {

void MoveMeasuringModuleToUsableSlot() {
    const TDevice& device = Ws().Device;
    if (device.Purgon.TypeCode == 0) return;
    const long long at = ParamOffset(purgon::CtrlFix(60), 255, false);
    const int s = ReadU8(at) - kPosSlot1;
    if (s >= 0 && s < 3 && purgon::UsableModule(device.Slot[s].Code)) return;
    int chosen = -1;
    for (int t = 0; t < 3; ++t) {
        if (!purgon::UsableModule(device.Slot[t].Code)) continue;
        if ((device.Slot[t].SlotMask & device.Purgon.SlotMask) != 0) {
            chosen = t;
            break;
        }
        if (chosen < 0) chosen = t;
    }
    if (chosen >= 0) WriteU8(at, static_cast<uint8_t>(chosen + kPosSlot1));
}

}  // namespace tessalin
