#pragma once
// Feature predicates: small argument-free conditions on the software version, the option word, the
// brand, the module being shown, the device content and a few parameter values. The catalogue names
// them as item conditions, unit conditions and availability conditions (plain form) or directly as the
// handler of a menu or parameter entry (handler-shaped form, names ending in H). None changes anything.

#include <cstdint>
#include <span>
#include <string_view>

#include "core/common/handler.h"

namespace tessalin {

// ---- option keys of the option word ---------------------------------------------------------------

struct OptionKey {
    int bit;
    std::string_view key;  // "optKIREC"
};

std::span<const OptionKey> OptionKeys();
// The bit of an option key, or -1 for an unknown key.
int OptionBitOfKey(std::string_view key);
// Bit `bit` (0..31) of the front's option word.
bool OptionBit(int bit);

// ---- constant ------------------------------------------------------------------------------------
bool Always();
bool Never();
bool NeverHandler(int event, TEvParRec& rec);
bool ShowReadOnly(int event, TEvParRec& rec);  // false only for event 5: shown, not editable

// ---- brand ---------------------------------------------------------------------------------------
bool BrandMorvane();
bool BrandBrevon();
bool BrandSollane();

// ---- software version (major and minor compared by character code; 'A' lies above '9') -----------
bool SwMajor5();
bool SwMajor6();
bool SwFrom6();
bool SwFrom7();
bool SwFrom7H(int event, TEvParRec& rec);
bool SwFrom8();
bool SwFrom9();
bool SwFrom9H(int event, TEvParRec& rec);
bool SwFrom74();
bool SwFrom74H(int event, TEvParRec& rec);
bool SwFrom82();
bool SwFrom82H(int event, TEvParRec& rec);
bool SwFrom94();
bool SwFromA2();
bool SwBefore7();
bool SwBefore7H(int event, TEvParRec& rec);
bool SwBefore8();
bool SwBefore8H(int event, TEvParRec& rec);
bool SwBefore9();
bool Sw80or81();
bool Sw80or81H(int event, TEvParRec& rec);

// ---- options ---------------------------------------------------------------------------------------
bool OptKiRec();
bool OptKiRecH(int event, TEvParRec& rec);
bool OptPuff();
bool OptPuffH(int event, TEvParRec& rec);
bool OptAdap();
bool OptTBand();
bool OptTBandH(int event, TEvParRec& rec);
bool OptSkle();
bool OptRwcc();
bool OptKonz();
bool OptKonzH(int event, TEvParRec& rec);
bool OptPhSen();  // bit 11 on software 5.x; always on later versions
bool OptO2Bier();
bool OptMRecH(int event, TEvParRec& rec);
bool OptLogBH(int event, TEvParRec& rec);
bool OptFda21();
bool OptFda21H(int event, TEvParRec& rec);
bool NoOptFda21H(int event, TEvParRec& rec);
bool OptDolovan();
bool OptSenvaro();
bool OptFiu2k();
bool OptFiuSenvaro();
bool OptFiuOxy();
bool OptFiuSpu();
bool OptFiuOxyOrSpu();

// ---- module being shown (page: CurrentPage, ctx: CurrentParam) -----------------------------------
bool PagePh();
bool PageIs18();
bool PageOxyB();
bool PageIs18or19();
bool CtxIs3();
bool CtxIs12();
bool CtxIs13();
bool CtxIsNot13();
bool CtxIs19();
bool CtxIs4();
bool CtxIs10();
bool CtxIs11();
bool CtxIs20();
bool CtxIs21();
bool CtxIs26();
bool CtxOxyB();
bool CtxIs18();
bool CtxIs18b();
bool CtxIsNot18();
bool CtxIs14();
bool CtxPhAny();
bool CtxOxyAny();
bool CtxPhGroupA();
bool CtxPhGroupB();
bool CtxOxyVolume();
// For codes 151 and 152 (oxygen behind an I-module channel): the channel has no digital sensor; for every
// other code: the module is not reached through a digital-sensor or optical module.
bool CtxNotDigital();
bool CtxDigital();
bool Not18Brand();
bool Not18BrandFrom7();
bool Not18BrandFrom8();
bool Not18BrandFrom9();
bool Not18BrandBefore9();
bool Is18From8();

// ---- device content --------------------------------------------------------------------------------
bool AnySlotPa();
bool AnySlotFf();
bool PaNewFrom8();
bool PurgonType79();
bool InterfaceRadio();
bool InterfaceRadio2k();
bool InterfacePresent();
bool InterfaceSenvaro();
bool InterfaceFiuSenvaro();
bool InterfaceFiuSenvaro2();
bool InterfaceRadioB();
bool InterfaceRadio2kB();

// ---- parameter values (read for the slot of CurrentParam in the active set) ----------------------
bool ParamSetsInternal();
bool PhSensor4or5();
bool NotPhSensor4or5();
bool OxySensorOther();
bool OxyGasVolume();
bool OutI3Table();
bool OutI4Table();
bool SysI1Table();
bool SysI2Table();
bool PurgonControlOn();
bool PurgonControl3();
bool PurgonControlled();

// ---- work bytes: the byte of the working area at 28668 + the position of CurrentParam ------------
// The forms "for positions 4 and above" raise a RangeError for a smaller position.
uint8_t WorkByte(int position);
bool WorkIs6A();
bool WorkIs6B();
bool WorkIs6C();
bool WorkIs10();
bool WorkIs6D();
bool WorkIs6E();
bool WorkIs6F();
bool WorkIs6Or10();
bool WorkIs6NewSw();  // positions 4..6 only: a 6 at another position is a RangeError
bool WorkIs6Fiu();

// ---- interface-unit channels ------------------------------------------------------------------------
// Whether item `item` of channel `channel` (1 or 2) of the I-module is offered.
bool InterfaceItem(int channel, int item);
// Whether the position of CurrentParam (selector 1) or CurrentPage (selector 0) is an I-module channel
// with a digital sensor.
bool InterfaceChannelDigital(int selector);
bool Ch1Item0();
bool Ch1Item1();
bool Ch1Item2();
bool Ch1Item3();
bool Ch1Item6();
bool Ch2Item0();
bool Ch2Item1();
bool Ch2Item2();
bool Ch2Item3();
bool Ch2Item6();

}  // namespace tessalin
