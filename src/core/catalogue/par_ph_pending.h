#pragma once
// TEMPORARY: declarations of the feature predicates that the pH family uses,
// until their own headers are on this branch.

#include "core/catalogue/tables.h"

namespace tessalin {

bool Always();
bool SwMajor5();
bool SwMajor6();
bool SwFrom6();
bool SwFrom7();
bool SwFrom8();
bool SwFrom9();
bool SwBefore7();
bool OptPuff();
bool OptAdap();
bool OptTBand();
bool OptPhSen();
bool CtxIs12();
bool CtxIs13();
bool CtxIsNot13();
bool CtxIs18();
bool CtxIsNot18();
bool CtxIs19();
bool CtxPhAny();
bool CtxPhGroupA();
bool CtxPhGroupB();
bool PhSensor4or5();
bool NotPhSensor4or5();
bool Not18Brand();
bool Not18BrandFrom7();
bool Not18BrandFrom8();
bool Not18BrandFrom9();
bool Not18BrandBefore9();
bool Is18From8();
bool InterfaceChannelDigital(int selector);
int32_t DeviceSecondsNow();

}  // namespace tessalin
