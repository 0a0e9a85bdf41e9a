// Rules of the I-module's operating-mode pages. The rows edit the image itself; the scratch copy taken
// when the page opens tells REFRESH what changed.

#include "core/families/opmode/radio_handlers.h"

#include <algorithm>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/image_access.h"
#include "core/catalogue/rules.h"
#include "core/catalogue/value_rules.h"
#include "core/data_set/par_image.h"
#include "core/device/decode.h"
#include "core/device/predicates.h"
#include "core/families/default_records.h"
#include "core/families/opmode/handlers.h"
#include "core/families/opmode/radio_texts.h"
#include "core/families/opmode/slot_init.h"
#include "core/families/shared/modules_changed.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin::radio {

namespace {

// BUF-FIX: mode of channels 1/2, the two channel variables, the radio setting of the newer software.
constexpr uint16_t kMode = 212, kVariable1 = 213, kVariable2 = 214, kRadioSetting = 227;
// Scratch copy: old mode, old variables (255: the mode served one channel), old radio setting.
constexpr long long kOldMode = 0x7000, kOldVariable1 = 0x7001, kOldVariable2 = 0x7002, kOldRadioSetting = 0x700A;
constexpr uint8_t kNoSecondChannel = 255;

constexpr int kInactive = 25;

long long Buf(uint16_t offset) { return ParamOffset(At(Section::BUF_FIX, offset), 255, false); }
int Mode() { return ReadU8(Buf(kMode)); }

bool TwoChannels(int mode) { return In(mode, {3, 5, 7, 8}); }
bool WithProbeControl(int mode) { return In(mode, {4, 9}); }
bool RadioMode(int mode) { return mode == 1 || mode == 8; }
// Whether a channel serves a digital sensor in a mode.
bool DigitalChannel(int channel, int mode) { return channel == 1 ? In(mode, {6, 7, 9}) : In(mode, {5, 7}); }

int ChannelVariable2(int mode) { return TwoChannels(mode) ? ReadU8(Buf(kVariable2)) : kNoSecondChannel; }

void TakeScratchCopy() {
    const int mode = Mode();
    WriteU8(kOldMode, static_cast<uint8_t>(mode));
    WriteU8(kOldVariable1, ReadU8(Buf(kVariable1)));
    WriteU8(kOldVariable2, static_cast<uint8_t>(ChannelVariable2(mode)));
    if (SwFrom9()) WriteU8(kOldRadioSetting, ReadU8(Buf(kRadioSetting)));
}

bool ModeMenu(int event, TEvParRec& rec, bool shown) {
    if (event == kEvMenuVisible) return shown;
    if (event == kEvPageOpen) {
        TakeScratchCopy();
        return true;
    }
    return DefaultHandler(event, rec);
}

// The module type of channel 1 or 2 for its variable in a mode. From software 9 the channel takes the
// codes of that era, as the configurator places them, for a digital sensor too; before, the oxygen
// variable prefers the trace sensor where both oxygen options are set.
int ChannelType(int channel, int mode, int variable) {
    if (SwFrom9())
        return DigitalChannel(channel, mode) ? IModuleDigitalType(variable, true)
                                             : IModuleAnalogType(variable, true, Ws().Device.Front.Options);
    switch (variable) {
        case 0: return 150;
        case 1: return OptionBit(27) ? 152 : OptionBit(26) ? 151 : kInactive;
        case 2: return 154;
        default: return kInactive;
    }
}

// A channel type with parameters of a sensor: neither inactive nor the probe control.
bool SensorType(int type) { return type != kInactive && type != ProbeControlType(SwFrom9()); }

// The slots the I-module serves, in order; -1 where it serves none.
std::pair<int, int> ChannelSlots() {
    const TIdInfo_h& unit = Ws().Device.IModule;
    int slots[2] = {-1, -1};
    int n = 0;
    if (unit.Code == 24 || unit.Code == 28)
        for (int s = 0; s < 3 && n < 2; ++s)
            if (unit.SlotMask & (1 << s)) slots[n++] = s;
    return {slots[0], slots[1]};
}

// The Purgon image of a controller that is attached now: the FRONT header and the factory defaults.
void InitialisePurgon() {
    for (long long i = 2; i < 36; ++i) WriteU8(static_cast<long long>(kPurgonOffset) + i, ReadU8(i));
    const auto defaults = DefaultRecord(Section::PURGON);
    const long long at = ParamOffset(At(Section::PURGON, 0), 255, false);
    for (std::size_t done = 0; done < defaults.size(); done += 1024)
        WriteBlock(at + static_cast<long long>(done), defaults.subspan(done, std::min<std::size_t>(1024, defaults.size() - done)));
}

// The image holds the new hardware: the device follows it and the tree is rebuilt.
void HardwareChanged(bool purgonAttached) {
    Ws().Device.Origin = kOriginTool;
    // A freshly attached controller takes its type from its new image, as after a load.
    DecodeDevice(purgonAttached);
    KeepChoicesOnInstalledModules();
    Ws().Modified = true;
    RequestTreeRebuild();
}

}  // namespace

bool MenuModeBefore9(int e, TEvParRec& r) { return ModeMenu(e, r, SwBefore9()); }
bool MenuModeFrom9(int e, TEvParRec& r) { return ModeMenu(e, r, SwFrom9()); }
bool MenuZigBeeBefore9(int e, TEvParRec& r) { return rules::Menu(e, r, SwBefore9() && RadioMode(Mode())); }
bool MenuZigBeeFrom9(int e, TEvParRec& r) { return rules::Menu(e, r, SwFrom9() && RadioMode(Mode())); }

bool RowModeHeading(int e, TEvParRec& r) { return rules::TwoLineHeading(e, r, kTxtModeHeading, kTxtApplyHeading); }
bool RowZigBeeHeading(int e, TEvParRec& r) { return rules::TwoLineHeading(e, r, kTxtZigBeeHeading, kTxtZigBeeNote); }
bool RowZigBeeSettingHeading(int e, TEvParRec& r) {
    return rules::TwoLineHeading(e, r, kTxtZigBeeHeading, kTxtApplyHeading);
}
bool RowModeBefore8(int e, TEvParRec& r) { return rules::Shown(e, r, SwBefore8()); }
bool RowMode80or81(int e, TEvParRec& r) { return rules::Shown(e, r, Sw80or81()); }
bool RowModeFrom82(int e, TEvParRec& r) { return rules::Shown(e, r, SwFrom82()); }
bool RowVariable1(int e, TEvParRec& r) { return rules::Shown(e, r, Mode() != 0); }
bool RowVariable2(int e, TEvParRec& r) { return rules::Shown(e, r, TwoChannels(Mode())); }
bool RowTelvoFor(int e, TEvParRec& r) { return rules::Shown(e, r, SwFrom9()); }
bool RowApplyMode(int e, TEvParRec& r) { return opmode::RefreshButton(e, r, ApplyRadioMode); }
bool RowApplyRadioSetting(int e, TEvParRec& r) { return opmode::RefreshButton(e, r, ApplyRadioSetting); }

bool ApplyRadioMode() {
    const int oldMode = ReadU8(kOldMode), oldVariable1 = ReadU8(kOldVariable1), oldVariable2 = ReadU8(kOldVariable2);
    const int mode = Mode();
    const int variable1 = ReadU8(Buf(kVariable1));
    const int variable2 = ChannelVariable2(mode);
    if (mode == oldMode && variable1 == oldVariable1 && variable2 == oldVariable2) return false;
    const auto [slot1, slot2] = ChannelSlots();
    if (slot1 < 0 || slot2 < 0) return false;
    // Channels whose records lie outside the image's three are refused before anything changes.
    for (int s : {slot1, slot2}) {
        CheckIndex("parameter block", Ws().Device.Slot[s].RecIndex, 3);
        CheckIndex("identity record", ReadU8(37 + 5LL * s), 3);
    }

    // Leaving a mode with the probe controller takes the controller away.
    if (WithProbeControl(oldMode) && mode != oldMode) WriteU8(static_cast<long long>(kPurgonOffset) + 2, 0);

    const bool from9 = SwFrom9();
    const int type1 = mode == 0 ? kInactive : ChannelType(1, mode, variable1);
    const int type2 = TwoChannels(mode)         ? ChannelType(2, mode, variable2)
                      : WithProbeControl(mode) ? ProbeControlType(from9)
                                               : kInactive;
    const int oldType1 = Ws().Device.Slot[slot1].Code, oldType2 = Ws().Device.Slot[slot2].Code;
    SetSlotModuleType(slot1, type1);
    SetSlotModuleType(slot2, type2);

    // A channel starts afresh when its variable changed, or when its module type did for the same
    // variable (an analog sensor becoming a digital one): its parameters are another module's then.
    if (SensorType(type1) && (variable1 != oldVariable1 || type1 != oldType1))
        InitialiseSlot(Ws().Device.Slot[slot1].RecIndex, type1, {.oxygenFix = !from9 && DigitalChannel(1, mode)});
    if (SensorType(type2) && (variable2 != oldVariable2 || type2 != oldType2))
        InitialiseSlot(Ws().Device.Slot[slot2].RecIndex, type2, {.oxygenFix = !from9 && DigitalChannel(2, mode)});

    const bool purgonAttached = WithProbeControl(mode) && !WithProbeControl(oldMode);
    if (purgonAttached) InitialisePurgon();

    TakeScratchCopy();
    HardwareChanged(purgonAttached);
    return true;
}

bool ApplyRadioSetting() {
    const int setting = ReadU8(Buf(kRadioSetting));
    if (setting == ReadU8(kOldRadioSetting)) return false;
    WriteU8(kOldRadioSetting, static_cast<uint8_t>(setting));
    HardwareChanged(false);
    return true;
}

}  // namespace tessalin::radio
