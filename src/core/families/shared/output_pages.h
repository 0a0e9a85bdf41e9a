#pragma once
// Pages that the base unit, the output module and the controller module have in common: the three pages
// of a current output (its main page, the chart of 21 values and the behaviour during messages) and the
// page of a limit contact on a slot module. A family places them with its own section, base offset and
// dependent value type; texts and rules are the same for every output.
//
// Layout of a current output, relative to its base offset b: variable b, curve b + 1, output range b + 2,
// start b + 3, end b + 7, corner points b + 11..b + 26, 50% point b + 27, 22 mA message b + 31, function
// check b + 33, output filter b + 34, chart values b + 36 + 4n (n = 0..20).
// Layout of a limit contact, relative to its variable byte c: contact type c - 5, ON delay c - 4, OFF delay
// c - 2, direction c + 1, limit c + 2, hysteresis c + 6.

#include <array>
#include <cstdint>

#include "core/catalogue/process_variables.h"
#include "core/catalogue/row_builders.h"
#include "core/catalogue/tables.h"
#include "core/catalogue/value_rules.h"
#include "core/device/predicates.h"

namespace tessalin::outputs {

// ---- texts ---------------------------------------------------------------------------------------

// Menu titles of the two submenus of a current output.
extern const TextRecord kTxtChart, kTxtMessageBehaviour;
// Rows of a current output.
extern const TextRecord kTxtVariable, kTxtCurve, kTxtOutputRange, kTxtStart, kTxtCorner1X, kTxtCorner1Y,
    kTxtCorner2X, kTxtCorner2Y, kTxtFiftyPoint, kTxtEnd, kTxtOutputFilter, kTxtFunctionCheck, kTxtMessage22mA;
extern const std::array<TextRecord, 21> kTxtChartValues;  // "Value at 00 mA:" .. "Value at 20 mA:"
// Menu titles of the limit contacts of the slot modules: "Limit contact K5" .. "Limit contact K10".
extern const std::array<TextRecord, 6> kTxtLimitContactTitles;
inline constexpr int kFirstSlotLimitContact = 5;
// Rows of a limit contact. The contact-type list of the slot modules names N/O with code 2.
extern const TextRecord kTxtLimit, kTxtHysteresis, kTxtDirection, kTxtContactType, kTxtOnDelay, kTxtOffDelay;

// ---- rules of a current output ----------------------------------------------------------------------

inline constexpr int kCurveTrilinear = 2;
inline constexpr int kCurveFunction = 3;
inline constexpr int kCurveTable = 4;

// Start and end value: not while the chart defines the output (with the current-characteristic option
// and curve "Table"), otherwise only once a variable is chosen.
bool StartEndShown(Location variable, Location curve);
// Both corner points belong to the trilinear curve, the 50% point to the function curve.
bool CornersShown(Location curve);
bool FiftyPointShown(Location curve);
// The chart needs the current-characteristic option, curve "Table" and a chosen variable.
bool ChartShown(Location variable, Location curve);

// The item conditions of the curve list: "Table" is offered only with the current-characteristic option.
// (A constant of each translation unit: the row builders must see its address at compile time.)
constexpr Predicate kCurveItems[] = {Always, Always, Always, OptSkle};

// The handlers of one current output whose variable byte lies at offset B of section S.
template <Section S, uint16_t B>
struct CurrentOutputRules {
    static constexpr Location kVariable = At(S, B);
    static constexpr Location kCurve = At(S, B + 1);

    // One answer for every event: shown and editable alike.
    static bool StartEnd(int, TEvParRec&) { return StartEndShown(kVariable, kCurve); }
    static bool Corner(int event, TEvParRec& rec) { return rules::Shown(event, rec, CornersShown(kCurve)); }
    static bool FiftyPoint(int event, TEvParRec& rec) { return rules::Shown(event, rec, FiftyPointShown(kCurve)); }
    static bool ChartMenu(int event, TEvParRec& rec) {
        return rules::Menu(event, rec, ChartShown(kVariable, kCurve));
    }
};

// ---- pages of a current output -------------------------------------------------------------------------

// Variable and curve decide which rows of the page and whether the chart are shown: a change rebuilds the
// branch (the chart) and the page (its rows), which a partial tree rebuild alone leaves as it was.
inline constexpr uint32_t kShowsOtherRowsAndChart = kPfRebuildBranch | kPfRebuildPage;

// The main page of the current output at offset B of section S, whose values have the dependent type T.
template <Section S, uint16_t B, uint8_t T>
constexpr std::array<rows::Row, 11> CurrentOutputRows() {
    using namespace rows;
    using R = CurrentOutputRules<S, B>;
    constexpr auto at = [](int offset) { return At(S, static_cast<uint16_t>(B + offset)); };
    return {{
        Variables(at(0), kPvOutput | kPvWithOff, kShowsOtherRowsAndChart, DefaultHandler, kTxtVariable),
        List(at(1), 1, kShowsOtherRowsAndChart, DefaultHandler, kTxtCurve, kCurveItems),
        List(at(2), 2, 0, DefaultHandler, kTxtOutputRange),
        Number(at(3), kFloat, 0, T, kNoLimits, kPfTypeLimits, R::StartEnd, kTxtStart),
        Number(at(11), kFloat, 0, T, kNoLimits, kPfTypeLimits, R::Corner, kTxtCorner1X),
        Number(at(15), kFloat, 25, 16, kNoLimits, 0, R::Corner, kTxtCorner1Y),
        Number(at(19), kFloat, 0, T, kNoLimits, kPfTypeLimits, R::Corner, kTxtCorner2X),
        Number(at(23), kFloat, 75, 16, kNoLimits, 0, R::Corner, kTxtCorner2Y),
        Number(at(27), kFloat, 0, T, kNoLimits, kPfTypeLimits, R::FiftyPoint, kTxtFiftyPoint),
        Number(at(7), kFloat, 0, T, kNoLimits, kPfTypeLimits, R::StartEnd, kTxtEnd),
        Number(at(34), kU16, 0, 8, kNoLimits, 0, DefaultHandler, kTxtOutputFilter),
    }};
}

// The chart: the value at 0, 1, .. 20 mA; each row's argument is its current in mA.
template <Section S, uint16_t B, uint8_t T>
constexpr std::array<rows::Row, 21> ChartRows() {
    using namespace rows;
    std::array<Row, 21> chart{};
    for (int n = 0; n < 21; ++n) {
        chart[n] = Number(At(S, static_cast<uint16_t>(B + 36 + 4 * n)), kFloat, 0, T, kNoLimits, kPfTypeLimits,
                          DefaultHandler, kTxtChartValues[n]);
        chart[n].entry.arg = n;
    }
    return chart;
}

// The behaviour during messages: function check, then the 22 mA message.
template <Section S, uint16_t B>
constexpr std::array<rows::Row, 2> MessageBehaviourRows() {
    using namespace rows;
    return {{
        List(At(S, B + 33), 2, 0, DefaultHandler, kTxtFunctionCheck),
        List(At(S, B + 31), 2, 0, DefaultHandler, kTxtMessage22mA),
    }};
}

// ---- limit contact of a slot module -------------------------------------------------------------------

// The page of the limit contact whose variable byte lies at offset C of section S; limit and hysteresis
// have the dependent type T.
template <Section S, uint16_t C, uint8_t T>
constexpr std::array<rows::Row, 7> LimitContactRows() {
    using namespace rows;
    constexpr auto at = [](int offset) { return At(S, static_cast<uint16_t>(C + offset)); };
    return {{
        Variables(at(0), kPvOutput | kPvWithOff, kPfRebuildPage, DefaultHandler, kTxtVariable),
        Number(at(2), kFloat, 0, T, kNoLimits, kPfTypeLimits, DefaultHandler, kTxtLimit),
        Number(at(6), kFloat, 0, T, kNoLimits, kPfTypeLimits, DefaultHandler, kTxtHysteresis),
        List(at(1), 1, 0, DefaultHandler, kTxtDirection),
        List(at(-5), 2, 0, DefaultHandler, kTxtContactType),
        Number(at(-4), kU16, 10, 8, kNoLimits, 0, DefaultHandler, kTxtOnDelay),
        Number(at(-2), kU16, 10, 8, kNoLimits, 0, DefaultHandler, kTxtOffDelay),
    }};
}

}  // namespace tessalin::outputs
