#pragma once
// Rules that the conductivity and the electrodeless conductivity families share. Both keep temperature
// compensation and concentration at the same offsets of their own set section, so those rules are
// written once for a section.

#include "core/catalogue/codec.h"
#include "core/catalogue/rules.h"
#include "core/catalogue/value_rules.h"
#include "core/common/sections.h"
#include "core/device/predicates.h"

namespace tessalin::conductivity {

// Temperature compensation codes (byte +9 of the set section).
inline constexpr int kTcLinear = 2;
inline constexpr float kReferenceTempDefault = 25;
inline constexpr int kConcentrationOn = 1;

// ---- handlers without a section -----------------------------------------------------------------

// The two-line headings of the Cal preset values and TC process medium pages.
bool RowCalPresetsHeading(int event, TEvParRec& rec);
bool RowTcHeading(int event, TEvParRec& rec);
// Concentration is an option (bit 9).
bool MenuConcentration(int event, TEvParRec& rec);

// ---- handlers of a section ----------------------------------------------------------------------

template <Section S>
bool ConcentrationOn() {
    return OptKonz() && ParamByte(At(S, 21)) == kConcentrationOn;
}

// The concentration messages need the option and Concentration On.
template <Section S>
bool MenuConcentrationMessages(int event, TEvParRec& rec) {
    return rules::Menu(event, rec, ConcentrationOn<S>());
}

// Up to software 9.3 the medium list ends with NaCl; from 9.4 on it offers oleum as well.
template <Section S>
bool RowMedium(int event, TEvParRec& rec) {
    return rules::Shown(event, rec, !SwFrom94() && ConcentrationOn<S>());
}
template <Section S>
bool RowMediumWithOleum(int event, TEvParRec& rec) {
    return rules::Shown(event, rec, SwFrom94() && ConcentrationOn<S>());
}

// Temp comp: each time the row is built while the compensation is not Linear, the reference temperature
// (+14) goes back to 25 °C; only Linear lets the user choose it.
template <Section S>
bool RowTempComp(int event, TEvParRec& rec) {
    if (event == kEvRowVisible && ParamByte(At(S, 9)) != kTcLinear)
        SetDefault(At(S, 14), 0, kReferenceTempDefault);
    return DefaultHandler(event, rec);
}

}  // namespace tessalin::conductivity
