#pragma once
// Handlers of the Purgon controller's settings pages: the controller's type and timing, the measuring
// module and its calibration buffers, the bit-packed control-system byte, the probe type, and the rows
// of the installation pages that depend on another choice.

#include "core/catalogue/events.h"
#include "core/catalogue/tables.h"

namespace tessalin::purgon {

// A row shown while the predicate holds; every other question goes to the default handler.
template <Predicate P>
bool ShownWhen(int event, TEvParRec& rec) {
    return event == kEvRowVisible ? P() : DefaultHandler(event, rec);
}
// A row that answers every question with the predicate (shown, editable, ...).
template <Predicate P>
bool Every(int, TEvParRec&) {
    return P();
}

// ---- controller entry
// "Control" in its three variants: before software 7; from 7 with brand 0 or 2 (two controller types);
// from 7 with brand 1. A change decodes the device again and asks for a new tree.
bool RowControlBefore7(int event, TEvParRec& rec);
bool RowControlTypes(int event, TEvParRec& rec);
bool RowControlBrand1(int event, TEvParRec& rec);
bool RowTimeControl(int event, TEvParRec& rec);
bool RowMeasuringModuleEntry(int event, TEvParRec& rec);  // only from 7 with the second controller type

// ---- calibration presets
bool RowMeasuringModule(int event, TEvParRec& rec);
bool RowCalBufferHeading(int event, TEvParRec& rec);
bool RowCalBuffer(int event, TEvParRec& rec);
bool RowCalMode(int event, TEvParRec& rec);
bool RowTtmProgram(int event, TEvParRec& rec);

// ---- control system: the row's argument is its bit mask in the control-system byte
bool RowControlBits(int event, TEvParRec& rec);

// ---- probe
bool RowProbeType(int event, TEvParRec& rec);
bool RowCheckTravels(int event, TEvParRec& rec);
bool RowMaintenanceTravels(int event, TEvParRec& rec);

// ---- media: rows of a port or an additional medium; bits 16..23 of the argument hold MediaArg
enum MediaRole : int { kRoleInUse = 0, kRoleVolume = 1, kRolePh = 2, kRoleCelsius = 3 };
bool RowMediaPort(int event, TEvParRec& rec);
bool RowAddMedium(int event, TEvParRec& rec);
bool RowRinseWater(int event, TEvParRec& rec);
// The use of port III: besides the listed codes it takes 3, media of its own that the steps 149 and 150 run.
bool RowPortThreeUse(int event, TEvParRec& rec);  // MediaArg(0, role) for the pH or the °C rows

constexpr int32_t MediaArg(int index, MediaRole role) { return index * 16 + role; }

}  // namespace tessalin::purgon
