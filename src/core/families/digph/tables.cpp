// Menus and own parameter tables of the digital pH sensors. Their other pages are the pH family's
// tables Pn; the menus point at them, so rows shared with the analogue modules behave exactly as there.

#include <array>
#include <vector>

#include "core/catalogue/events.h"
#include "core/catalogue/row_builders.h"
#include "core/device/predicates.h"
#include "core/families/digph/digph.h"
#include "core/families/digph/handlers.h"
#include "core/families/digph/texts.h"
#include "core/families/opmode/opmode.h"
#include "core/families/ph/handlers.h"
#include "core/families/ph/ph.h"
#include "core/families/ph/texts.h"
#include "core/families/shared/common_texts.h"

namespace tessalin {

namespace {

using namespace common;
using namespace ph;
using namespace rows;

constexpr Location Set(uint16_t offset) { return At(Section::PH_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::PH_FIX, offset); }

// ---- own parameter tables --------------------------------------------------------------------------

// Digital sensors are of the standard or the ISFET type.
constexpr Predicate kSensorTypeItems[] = {Always, Always, Never, Never, Never, Never};

constexpr Row kD2[] = {
    List(Set(58), 1, kBoth | kPfRebuildBranch, RowSensorType, kTxtSensorType, kSensorTypeItems),
    List(Set(22), 1, 0, DefaultHandler, kTxtQuellora),
};

constexpr Row kD3[] = {
    List(Set(221), 2, kBoth | kPfRefreshRows, RowIsfetPointMonitoring, kTxtMonitoringAutoInd),
    Number(Set(222), kFloat, 0, 21, Own(-1000.5f, 1000.5f), kBoth | kPfRefreshRows, RowIsfetPointValue, kTxtNominal),
    Number(Set(226), kFloat, -500, 21, Own(-1000, 1000), kBoth, RowIsfetPointValue, kTxtMin),
    Number(Set(230), kFloat, 500, 21, Own(-1000, 1000), kBoth, RowIsfetPointValue, kTxtMax),
    List(Set(234), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kD4[] = {
    List(Set(45), 1, kPfRebuildPage, DefaultHandler, digph::kTxtDeltaFunction),
    Number(Set(46), kFloat, 0, 214, Own(-99.99f, 99.99f), 0, RowDeltaValuePh, kTxtDeltaValue),
};

constexpr Row kE1[] = {
    List(Set(22), 1, 0, DefaultHandler, kTxtQuellora),
};

constexpr Row kE2[] = {
    List(Fix(179), 2, kBoth | kPfRefreshRows, RowDigitalRefMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(68), kFloat, 5000, 23, Own(0.1f, 999900), kBoth | kPfRefreshRows, RowDigitalRefValue, kTxtNominal),
    Number(Fix(72), kFloat, 3125, 23, Own(0.1f, 999900), kBoth, RowDigitalRefValue, kTxtMin),
    Number(Fix(76), kFloat, 100000, 23, Own(0.1f, 999900), kBoth, RowDigitalRefValue, kTxtMax),
    List(Fix(80), 1, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kE3[] = {
    List(Fix(180), 2, kBoth | kPfRefreshRows, RowDigitalGlassMonitoring, kTxtMonitoringAutoInd),
    Number(Fix(81), kFloat, 1e8, 24, Own(1e7f, 1e9f), kBoth | kPfRefreshRows, RowDigitalGlassValue, kTxtNominal),
    Number(Fix(85), kFloat, 2.86e7, 24, Own(1e7f, 1e9f), kBoth, RowDigitalGlassValue, kTxtMin),
    Number(Fix(89), kFloat, 3.5e8, 24, Own(1e7f, 2e9f), kBoth, RowDigitalGlassValue, kTxtMax),
    List(Fix(93), 1, kBoth, DefaultHandler, kTxtMessage),
};

constexpr std::span<const Row> kOwnTables[] = {kD2, kD3, kD4, kE1, kE2, kE3};
constexpr auto kOwnSetDefaults = BuildRecord<386>(Section::PH_SET, kOwnTables);

// D1 is the calibration part of the pH family's P1 (zero, slope, isotherm, isothermal point, ISFET zero).
std::span<const TParamEntry> D1() { return PhParamTable(1).subspan(3); }
std::span<const TParamEntry> P(int n) { return PhParamTable(n); }

std::span<const TParamEntry> None() { return {}; }

}  // namespace

// ---- the menus -------------------------------------------------------------------------------------

#define ITEM(level, handler, texts, params, ...) rows::MakeEntry(level, handler, texts, params __VA_OPT__(,) __VA_ARGS__)

const TMenuEntry MenuDigPH[] = {
    OpModeMenuEntry(0x0101),                                                              // 0
    ITEM(1, DefaultHandler, kTxtCalibrationData, D1(), kTop | kMfGreenTitle, 0x0100),     // 1
    ITEM(1, DefaultHandler, kTxtInputFilter, P(2), kTop, 0x0200),                         // 2
    ITEM(1, DefaultHandler, kTxtSensorData, EntriesOf<kD2>, kTop, 0x0400),                            // 3
    ITEM(2, DefaultHandler, kTxtMonitoringDetails, None()),                               // 4
    ITEM(3, DefaultHandler, kTxtSlope, P(5)),                                             // 5
    ITEM(3, DefaultHandler, kTxtZero, P(6)),                                              // 6
    ITEM(3, DefaultHandler, kTxtTemperature, P(13)),                                      // 7
    ITEM(3, MenuFrom6NotIsfet, kTxtGlassEl, P(9)),                                        // 8
    ITEM(3, DefaultHandler, kTxtResponseTime, P(10)),                                     // 9
    ITEM(3, digph::MenuIsfet, kTxtIsfetLeakage, P(16)),                                   // 10
    ITEM(3, digph::MenuIsfet, digph::kTxtIsfetWorkingPoint, EntriesOf<kD3>),                          // 11
    ITEM(3, DefaultHandler, kTxtSensorWear, P(17)),                                       // 12
    ITEM(3, DefaultHandler, kTxtOperatingTime, P(18)),                                    // 13
    ITEM(3, DefaultHandler, kTxtSipCounter, P(20)),                                       // 14
    ITEM(1, DefaultHandler, kTxtCalPresets, P(23), kTop, 0x0800),                         // 15
    ITEM(2, DefaultHandler, kTxtCalTimer, P(24)),                                         // 16
    ITEM(2, MenuCalToleranceBand, kTxtCalToleranceBand, P(26)),                           // 17
    ITEM(1, DefaultHandler, kTxtTcProcessMedium, P(29), kTop, 0x2000),                    // 18
    ITEM(1, DefaultHandler, kTxtDeltaFunction, EntriesOf<kD4>, kTop, 0x8000),                         // 19
    ITEM(1, DefaultHandler, kTxtMessages, None(), kTop, 0x0001),                          // 20
    ITEM(2, DefaultHandler, kTxtMsgPh, P(32)),                                            // 21
    ITEM(2, DefaultHandler, kTxtMsgMv, P(39)),                                            // 22
    rows::kMenuEnd,
};

const TMenuEntry MenuDigPHORP[] = {
    OpModeMenuEntry(0x0101),                                                              // 0
    ITEM(1, DefaultHandler, kTxtCalibrationData, D1(), kTop | kMfGreenTitle, 0x0100),     // 1
    ITEM(1, DefaultHandler, kTxtInputFilter, P(2), kTop, 0x0200),                         // 2
    ITEM(1, DefaultHandler, kTxtSensorData, EntriesOf<kE1>, kTop, 0x0400),                            // 3
    ITEM(2, DefaultHandler, kTxtMonitoringDetails, None()),                               // 4
    ITEM(3, DefaultHandler, kTxtSlope, P(5)),                                             // 5
    ITEM(3, DefaultHandler, kTxtZero, P(6)),                                              // 6
    ITEM(3, DefaultHandler, kTxtTemperature, P(13)),                                      // 7
    ITEM(3, DefaultHandler, kTxtRefEl, EntriesOf<kE2>),                                               // 8
    ITEM(3, DefaultHandler, kTxtGlassEl, EntriesOf<kE3>),                                             // 9
    ITEM(3, DefaultHandler, kTxtResponseTime, P(10)),                                     // 10
    ITEM(3, DefaultHandler, kTxtSensorWear, P(17)),                                       // 11
    ITEM(3, DefaultHandler, kTxtOperatingTime, P(18)),                                    // 12
    ITEM(3, NeverHandler, kTxtCipCounter, P(19)),                                         // 13
    ITEM(3, DefaultHandler, kTxtSipCounter, P(20)),                                       // 14
    ITEM(3, DefaultHandler, kTxtAutoclavingCounter, P(21)),                               // 15
    ITEM(1, DefaultHandler, kTxtCalPresets, P(23), kTop, 0x0800),                         // 16
    ITEM(2, DefaultHandler, kTxtCalTimer, P(24)),                                         // 17
    ITEM(2, MenuCalToleranceBand, kTxtCalToleranceBand, P(26)),                           // 18
    ITEM(2, MenuPhType, kTxtOrpCheck, P(27)),                                             // 19
    ITEM(1, DefaultHandler, kTxtTcProcessMedium, P(29), kTop, 0x2000),                    // 20
    ITEM(1, MenuPhType, kTxtOrpRh, P(30), kTop, 0x4000),                                  // 21
    ITEM(1, DefaultHandler, kTxtDeltaFunction, P(31), kTop, 0x8000),                      // 22
    ITEM(1, DefaultHandler, kTxtMessages, None(), kTop, 0x0001),                          // 23
    ITEM(2, DefaultHandler, kTxtMsgPh, P(32)),                                            // 24
    ITEM(2, DefaultHandler, kTxtMsgOrp, P(33)),                                           // 25
    ITEM(2, DefaultHandler, kTxtMsgRh, P(34)),                                            // 26
    ITEM(2, DefaultHandler, kTxtMsgMv, P(39)),                                            // 27
    rows::kMenuEnd,
};

const TMenuEntry MenuDigPH12[] = {
    OpModeMenuEntry(0x0101),                                                              // 0
    ITEM(1, DefaultHandler, kTxtCalibrationData, D1(), kTop | kMfGreenTitle, 0x0100),     // 1
    ITEM(1, DefaultHandler, kTxtInputFilter, P(2), kTop, 0x0200),                         // 2
    ITEM(1, DefaultHandler, kTxtSensorData, EntriesOf<kE1>, kTop, 0x0400),                            // 3
    ITEM(2, DefaultHandler, kTxtMonitoringDetails, None()),                               // 4
    ITEM(3, DefaultHandler, kTxtSlope, P(5)),                                             // 5
    ITEM(3, DefaultHandler, kTxtZero, P(6)),                                              // 6
    ITEM(3, DefaultHandler, kTxtTemperature, P(13)),                                      // 7
    ITEM(3, DefaultHandler, kTxtGlassEl, EntriesOf<kE3>),                                             // 8
    ITEM(3, DefaultHandler, kTxtResponseTime, P(10)),                                     // 9
    ITEM(3, DefaultHandler, kTxtSensorWear, P(17)),                                       // 10
    ITEM(3, DefaultHandler, kTxtOperatingTime, P(18)),                                    // 11
    ITEM(3, DefaultHandler, kTxtCipCounter, P(19)),                                       // 12
    ITEM(3, DefaultHandler, kTxtSipCounter, P(20)),                                       // 13
    ITEM(3, DefaultHandler, kTxtAutoclavingCounter, P(21)),                               // 14
    ITEM(1, DefaultHandler, kTxtCalPresets, P(23), kTop, 0x0800),                         // 15
    ITEM(2, DefaultHandler, kTxtCalTimer, P(24)),                                         // 16
    ITEM(2, MenuCalToleranceBand, kTxtCalToleranceBand, P(26)),                           // 17
    ITEM(1, DefaultHandler, kTxtTcProcessMedium, P(29), kTop, 0x2000),                    // 18
    ITEM(1, DefaultHandler, kTxtDeltaFunction, P(31), kTop, 0x8000),                      // 19
    ITEM(1, DefaultHandler, kTxtMessages, None(), kTop, 0x0001),                          // 20
    ITEM(2, DefaultHandler, kTxtMsgPh, P(32)),                                            // 21
    ITEM(2, DefaultHandler, kTxtMsgMv, P(39)),                                            // 22
    rows::kMenuEnd,
};

#undef ITEM

static_assert(std::size(MenuDigPH) == kMenuDigPHEnd + 1);
static_assert(std::size(MenuDigPHORP) == kMenuDigPHORPEnd + 1);
static_assert(std::size(MenuDigPH12) == kMenuDigPH12End + 1);

std::span<const uint8_t> DigPhSetDefaultRecord() {
    // The pH family's record, with the bytes only the digital sensors' own rows name.
    static const std::vector<uint8_t> record = [] {
        const auto ph = PhSetDefaultRecord();
        std::vector<uint8_t> bytes(ph.begin(), ph.end());
        for (std::size_t i = 0; i < bytes.size(); ++i)
            if (kOwnSetDefaults[i] != 0) bytes[i] = kOwnSetDefaults[i];
        return bytes;
    }();
    return record;
}

}  // namespace tessalin
