#include "core/device/predicates.h"

#include "core/common/sections.h"
#include "core/device/module_codes.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

constexpr OptionKey kOptionKeys[] = {
    {1, "optKIREC"},   {2, "optPUFF"},     {3, "optADAP"},  {4, "optDELMAR"}, {5, "optTBAND"},  {6, "optSKLE"},
    {8, "optRWCC"},    {9, "optKONZ"},     {10, "optSMED"}, {11, "optPHSEN"}, {12, "optO2BIER"}, {13, "optDOLOVAN"},
    {16, "optMREC"},   {17, "optLOGB"},    {18, "optLPAR"}, {19, "optSWUP"},  {20, "optFDA21"},  {24, "optISFET"},
    {25, "optFIU2K"},  {26, "optFIUOXY"},  {27, "optFIUSPU"}, {31, "optSENVAR"},
};

const TIdFront& Front() { return Ws().Device.Front; }
char Major() { return Front().SwMajor; }
char Minor() { return Front().SwMinor; }

// Major version above `major`, or equal to it with a minor version above `minor`.
bool VersionAbove(char major, char minor) { return Major() > major || (Major() == major && Minor() > minor); }

int PageCode() { return Ws().CurrentPage.moduleType; }
int CtxCode() { return Ws().CurrentParam.moduleType; }
int CtxPosition() { return Ws().CurrentParam.position; }

template <std::size_t N>
bool OneOf(int code, const int (&codes)[N]) {
    for (int c : codes)
        if (c == code) return true;
    return false;
}

uint8_t Value(Section section, uint16_t offset) { return ParamByte(At(section, offset)); }

constexpr long long kWorkBase = 28668;

// The work byte of CurrentParam's position, which must be a module position (4 and above).
uint8_t ModuleWorkByte() {
    const int position = CtxPosition();
    if (position < kPosSlot1) throw RangeError("work byte position", position, kImageSize - kWorkBase);
    return WorkByte(position);
}

// Reached through a digital-sensor module or the optical-oxygen module.
bool ReachedDigitally(int code) {
    const uint8_t family = InterfaceFamily(static_cast<uint8_t>(code));
    return family == kFamilyDigitalSensor || family == kFamilyOptical;
}

bool IModuleIs(int code) { return Ws().Device.IModule.Code == code; }
bool IsInterfaceCode(int code) { return code == 24 || code == 28; }

}  // namespace

// ---- option keys -------------------------------------------------------------------------------------

std::span<const OptionKey> OptionKeys() { return kOptionKeys; }

int OptionBitOfKey(std::string_view key) {
    for (const OptionKey& k : OptionKeys())
        if (k.key == key) return k.bit;
    return -1;
}

bool OptionBit(int bit) {
    CheckIndex("option bit", bit, 32);
    return (Front().Options >> bit) & 1u;
}

// ---- constant ------------------------------------------------------------------------------------
bool Always() { return true; }
bool Never() { return false; }
bool NeverHandler(int, TEvParRec&) { return false; }
bool ShowReadOnly(int event, TEvParRec&) { return event != kEvRowEditable; }

// ---- brand ---------------------------------------------------------------------------------------
bool BrandMorvane() { return Front().Brand == 0; }
bool BrandBrevon() { return Front().Brand == 1; }
bool BrandSollane() { return Front().Brand == 2; }

// ---- software version ------------------------------------------------------------------------------
bool SwMajor5() { return Major() == '5'; }
bool SwMajor6() { return Major() == '6'; }
bool SwFrom6() { return Major() > '5'; }
bool SwFrom7() { return Major() > '6'; }
bool SwFrom7H(int, TEvParRec&) { return SwFrom7(); }
bool SwFrom8() { return Major() > '7'; }
bool SwFrom9() { return Major() > '8'; }
bool SwFrom9H(int, TEvParRec&) { return SwFrom9(); }
bool SwFrom74() { return VersionAbove('7', '3'); }
bool SwFrom74H(int, TEvParRec&) { return SwFrom74(); }
bool SwFrom82() { return VersionAbove('8', '1'); }
bool SwFrom82H(int, TEvParRec&) { return SwFrom82(); }
bool SwFrom94() { return VersionAbove('9', '3'); }
bool SwFromA2() { return VersionAbove('A', '1'); }
bool SwBefore7() { return Major() < '7'; }
bool SwBefore7H(int, TEvParRec&) { return SwBefore7(); }
bool SwBefore8() { return Major() < '8'; }
bool SwBefore8H(int, TEvParRec&) { return SwBefore8(); }
bool SwBefore9() { return Major() < '9'; }
bool Sw80or81() { return Major() == '8' && (Minor() == '0' || Minor() == '1'); }
bool Sw80or81H(int, TEvParRec&) { return Sw80or81(); }

// ---- options ---------------------------------------------------------------------------------------
bool OptKiRec() { return OptionBit(1); }
bool OptKiRecH(int, TEvParRec&) { return OptKiRec(); }
bool OptPuff() { return OptionBit(2); }
bool OptPuffH(int, TEvParRec&) { return OptPuff(); }
bool OptAdap() { return OptionBit(3); }
bool OptTBand() { return OptionBit(5); }
bool OptTBandH(int, TEvParRec&) { return OptTBand(); }
bool OptSkle() { return OptionBit(6); }
bool OptRwcc() { return OptionBit(8); }
bool OptKonz() { return OptionBit(9); }
bool OptKonzH(int, TEvParRec&) { return OptKonz(); }
bool OptPhSen() { return !SwMajor5() || OptionBit(11); }
bool OptO2Bier() { return OptionBit(12); }
bool OptMRecH(int, TEvParRec&) { return OptionBit(16); }
bool OptLogBH(int, TEvParRec&) { return OptionBit(17); }
bool OptFda21() { return OptionBit(20); }
bool OptFda21H(int, TEvParRec&) { return OptFda21(); }
bool NoOptFda21H(int, TEvParRec&) { return !OptFda21(); }
bool OptDolovan() { return SwFrom9() && OptionBit(13); }
bool OptSenvaro() { return SwFrom7() && OptionBit(31); }
bool OptFiu2k() { return SwFrom7() && OptionBit(25); }
bool OptFiuSenvaro() { return SwFrom8() && OptSenvaro() && OptFiu2k(); }
bool OptFiuOxy() { return SwFrom7() && OptionBit(26); }
bool OptFiuSpu() { return SwFrom7() && OptionBit(27); }
bool OptFiuOxyOrSpu() { return OptFiuOxy() || OptFiuSpu(); }

// ---- module being shown ----------------------------------------------------------------------------
bool PagePh() { return OneOf(PageCode(), {3, 4, 12, 13, 19, 150, 160, 170, 175, 176, 180, 190, 200}); }
bool PageIs18() { return PageCode() == 18; }
bool PageOxyB() { return OneOf(PageCode(), {20, 21, 26, 151, 152}); }
bool PageIs18or19() { return OneOf(PageCode(), {18, 19, 150}); }
bool CtxIs3() { return CtxCode() == 3; }
bool CtxIs12() { return CtxCode() == 12; }
bool CtxIs13() { return CtxCode() == 13; }
bool CtxIsNot13() { return CtxCode() != 13; }
bool CtxIs19() { return OneOf(CtxCode(), {19, 150}); }
bool CtxIs4() { return CtxCode() == 4; }
bool CtxIs10() { return CtxCode() == 10; }
bool CtxIs11() { return CtxCode() == 11; }
bool CtxIs20() { return OneOf(CtxCode(), {20, 151}); }
bool CtxIs21() { return CtxCode() == 21; }
bool CtxIs26() { return OneOf(CtxCode(), {26, 152}); }
bool CtxOxyB() { return CtxIs20() || CtxIs21() || CtxIs26(); }
bool CtxIs18() { return CtxCode() == 18; }
bool CtxIs18b() { return CtxCode() == 18; }
bool CtxIsNot18() { return CtxCode() != 18; }
bool CtxIs14() { return CtxCode() == 14; }
bool CtxPhAny() { return OneOf(CtxCode(), {3, 4, 12, 13, 19, 150, 160, 170, 175, 176, 180, 190}); }
bool CtxOxyAny() { return OneOf(CtxCode(), {7, 10, 11, 20, 21, 26, 31, 40, 161, 171, 201, 211}); }
bool CtxPhGroupA() { return CtxIs12() || CtxIs4() || CtxIs19(); }
bool CtxPhGroupB() { return CtxIs3() || CtxIs12() || CtxIs13() || CtxIs4(); }
bool CtxOxyVolume() { return !OptO2Bier() && (CtxIs10() || CtxIs11() || CtxOxyB()); }
bool CtxNotDigital() {
    const int code = CtxCode();
    if (code == 151 || code == 152) return !InterfaceChannelDigital(1);
    return !ReachedDigitally(code);
}
bool CtxDigital() { return OneOf(CtxCode(), {20, 21, 26}) || ReachedDigitally(CtxCode()); }
bool Not18Brand() { return CtxIsNot18() && (Front().Brand == 0 || Front().Brand == 2); }
bool Not18BrandFrom7() { return Not18Brand() && SwFrom7(); }
bool Not18BrandFrom8() { return Not18Brand() && SwFrom8(); }
bool Not18BrandFrom9() { return Not18Brand() && SwFrom9(); }
bool Not18BrandBefore9() { return Not18Brand() && SwBefore9(); }
bool Is18From8() { return CtxCode() == 18 && SwFrom8(); }

// ---- device content --------------------------------------------------------------------------------
bool AnySlotPa() {
    for (const TIdInfo_h& slot : Ws().Device.Slot)
        if (slot.Code == 14) return true;
    return false;
}

bool AnySlotFf() {
    for (const TIdInfo_h& slot : Ws().Device.Slot)
        if (slot.Code == 23) return true;
    return false;
}

bool PaNewFrom8() {
    if (!SwFrom8() || !CtxOxyAny()) return false;
    if (AnySlotFf()) return true;
    for (const TIdInfo_h& slot : Ws().Device.Slot)
        if (slot.Code == 14 && slot.SwVersion > 0x17) return true;
    return false;
}

bool PurgonType79() { return Ws().Device.Purgon.TypeCode == 79; }
bool InterfaceRadio() { return IModuleIs(28); }
bool InterfaceRadio2k() { return InterfaceRadio() && OptFiu2k(); }
bool InterfacePresent() { return IsInterfaceCode(Ws().Device.IModule.Code); }
bool InterfaceSenvaro() { return IModuleIs(24) || (IModuleIs(28) && OptSenvaro()); }
bool InterfaceFiuSenvaro() { return InterfacePresent() && OptFiuSenvaro(); }
bool InterfaceFiuSenvaro2() { return InterfaceFiuSenvaro(); }
bool InterfaceRadioB() { return InterfaceRadio(); }
bool InterfaceRadio2kB() { return InterfaceRadio2k(); }

// ---- parameter values ------------------------------------------------------------------------------
bool ParamSetsInternal() { return Value(Section::CTRL_FIX, 46) == 1; }
bool PhSensor4or5() {
    if (!CtxIs13()) return false;
    const uint8_t sensor = Value(Section::PH_SET, 58);
    return sensor == 4 || sensor == 5;
}
bool NotPhSensor4or5() { return !PhSensor4or5(); }
bool OxySensorOther() { return Value(Section::OXY_SET, 23) == 1; }
bool OxyGasVolume() {
    if (!CtxOxyVolume()) return false;
    const uint8_t measure = Value(Section::OXY_SET, 178);
    return measure == 2 || measure == 3;
}
bool OutI3Table() { return Value(Section::OUT_SET, 9) == 4; }
bool OutI4Table() { return Value(Section::OUT_SET, 129) == 4; }
bool SysI1Table() { return Value(Section::SYS_SET, 66) == 4; }
bool SysI2Table() { return Value(Section::SYS_SET, 186) == 4; }
bool PurgonControlOn() { return Value(Section::PURGON, 2300) == 1; }
bool PurgonControl3() { return Value(Section::PURGON, 2300) == 3; }
bool PurgonControlled() { return PurgonControlOn() || PurgonControl3(); }

// ---- work bytes ----------------------------------------------------------------------------------------
uint8_t WorkByte(int position) { return Ws().ParImage.u8(kWorkBase + position); }
bool WorkIs6A() { return ModuleWorkByte() == 6; }
bool WorkIs6B() { return ModuleWorkByte() == 6; }
bool WorkIs6C() { return ModuleWorkByte() == 6; }
bool WorkIs10() { return ModuleWorkByte() == 10; }
bool WorkIs6D() { return WorkByte(CtxPosition()) == 6; }
bool WorkIs6E() { return WorkByte(CtxPosition()) == 6; }
bool WorkIs6F() { return WorkByte(CtxPosition()) == 6; }
bool WorkIs6Or10() {
    const uint8_t work = WorkByte(CtxPosition());
    return work == 6 || work == 10;
}
bool WorkIs6NewSw() {
    const int position = CtxPosition();
    if (WorkByte(position) != 6) return false;
    if (position < kPosSlot1 || position > kPosSlot3) throw RangeError("module slot of position", position, 3);
    return Ws().Device.Slot[static_cast<std::size_t>(position - kPosSlot1)].SwVersion > 0x21;
}
bool WorkIs6Fiu() { return OptFiuOxyOrSpu() && WorkIs6A(); }

// ---- interface-unit channels ------------------------------------------------------------------------

namespace {

uint8_t InterfaceMode() { return Value(Section::BUF_FIX, 212); }
uint8_t InterfaceSelection() { return Value(Section::BUF_FIX, 227); }

}  // namespace

bool InterfaceItem(int channel, int item) {
    if (channel != 1 && channel != 2) return false;
    switch (item) {
        case 0:
        case 2:
            return true;
        case 1:
            return OptFiuOxyOrSpu();
        case 3: {
            const uint8_t mode = InterfaceMode();
            return channel == 1 ? (mode >= 2 && mode <= 5) : mode == 3;
        }
        case 6: {
            const uint8_t mode = InterfaceMode();
            const bool secondIsDigital = InterfaceSelection() == 2;
            if (channel == 1) return mode == 6 || mode == 7 || mode == 9 || ((mode == 1 || mode == 8) && secondIsDigital);
            return mode == 5 || mode == 7 || (mode == 8 && secondIsDigital);
        }
        default:
            return false;
    }
}

bool InterfaceChannelDigital(int selector) {
    int position = 0;
    if (selector == 1)
        position = CtxPosition();
    else if (selector == 0)
        position = Ws().CurrentPage.position;
    else
        return false;

    const auto& slots = Ws().Device.Slot;
    int channel1 = 0;
    if (IsInterfaceCode(slots[0].AttachCode))
        channel1 = kPosSlot1;
    else if (IsInterfaceCode(slots[1].AttachCode))
        channel1 = kPosSlot2;
    else
        return false;

    const uint8_t mode = InterfaceMode();
    const bool secondIsDigital = SwFrom9() && InterfaceSelection() == 2;
    if (position == channel1) {
        if (mode == 6 || mode == 7 || mode == 9) return true;
        return (mode == 1 || mode == 8) && secondIsDigital;
    }
    if (position == channel1 + 1) {
        if (mode == 5 || mode == 7) return true;
        return mode == 8 && secondIsDigital;
    }
    return false;
}

bool Ch1Item0() { return InterfaceItem(1, 0); }
bool Ch1Item1() { return InterfaceItem(1, 1); }
bool Ch1Item2() { return InterfaceItem(1, 2); }
bool Ch1Item3() { return InterfaceItem(1, 3); }
bool Ch1Item6() { return InterfaceItem(1, 6); }
bool Ch2Item0() { return InterfaceItem(2, 0); }
bool Ch2Item1() { return InterfaceItem(2, 1); }
bool Ch2Item2() { return InterfaceItem(2, 2); }
bool Ch2Item3() { return InterfaceItem(2, 3); }
bool Ch2Item6() { return InterfaceItem(2, 6); }

}  // namespace tessalin
