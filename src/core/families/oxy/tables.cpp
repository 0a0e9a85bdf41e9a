// The menu of the oxygen family over its parameter tables (par_oxy_rows.h), and the OXY-SET and
// OXY-FIX default records built from the tables' defaults at compile time.

#include "core/families/oxy/oxy.h"
#include "core/families/oxy/rows.h"
#include "core/range_error.h"

namespace tessalin {

namespace {

using namespace oxy;

// ---- default records -------------------------------------------------------------------------------

constexpr auto kOxySetDefaults = BuildRecord<292>(Section::OXY_SET, kOxyTables);
constexpr auto kOxyFixDefaults = BuildRecord<204>(Section::OXY_FIX, kOxyTables);

}  // namespace

// ---- the menu --------------------------------------------------------------------------------------

#define MENU(...) rows::MakeEntry(rows::MenuRow{__VA_ARGS__}, kOxyEntryTables)

constinit const TMenuEntry MenuOxy[] = {
    MENU(1, DefaultHandler, kTxtCalibrationData, 1, kTop | kMfGreenTitle, 0x0100),      // 0
    MENU(1, DefaultHandler, kTxtInputFilter, 2, kTop, 0x0200),                          // 1
    MENU(1, MenuSensorData7, kTxtSensorData, 3, kTop, 0x0400),                          // 2
    MENU(1, MenuSensorData10or11, kTxtSensorData, 4, kTop, 0x0400),                     // 3
    MENU(1, MenuSensorDataDirect, kTxtSensorData, 5, kTop, 0x0400),                     // 4
    MENU(1, MenuSensorDataIModule, kTxtSensorData, 6, kTop, 0x0400),                    // 5
    MENU(2, MenuFrom6, kTxtMonitoringDetails, 7),                               // 6
    MENU(3, MenuFrom6, kTxtSlope, 8),                                           // 7
    MENU(3, MenuFrom6, kTxtZero, 9),                                            // 8
    MENU(3, MenuTemperature, kTxtTemperature, 10),                              // 9
    MENU(3, MenuQuellix, kTxtQuellix, 11),                                      // 10
    MENU(3, MenuFrom6, kTxtResponseTime, 12),                                   // 11
    MENU(3, MenuDli, kTxtTtm, 13),                                              // 12
    MENU(3, MenuDli, kTxtDli, 14),                                              // 13
    MENU(3, MenuSensorWear, kTxtSensorWear, 15),                                // 14
    MENU(3, MenuOperatingTime, kTxtOperatingTime, 16),                          // 15
    MENU(3, MenuSensorCounter, kTxtCipCounter, 17),                             // 16
    MENU(3, MenuSensorCounter, kTxtSipCounter, 18),                             // 17
    MENU(3, MenuSensorCounter, kTxtAutoclavingCounter, 19),                     // 18
    MENU(3, MenuSensorCounter, kTxtMembraneChanges, 20),                        // 19
    MENU(3, MenuSensorCounter, kTxtInnerBodyChanges, 21),                       // 20
    MENU(1, DefaultHandler, kTxtCalPresets, 22, kTop, 0x0800),                          // 21
    MENU(2, MenuCalTimer, kTxtCalTimer, 23),                                    // 22
    MENU(2, MenuDli, kTxtCalTimerAct, 24),                                      // 23
    MENU(1, MenuPressureV5or6, kTxtPressureCorrection, 25, kTop, 0x1000),               // 24
    MENU(1, MenuPressure, kTxtPressureCorrection, 26, kTop, 0x1000),                    // 25
    MENU(2, MenuExtPressure, kTxtExtPressureTransmitter, 27),                   // 26
    MENU(2, MenuPressure, kTxtPressureDuringMeas, 28),                          // 27
    MENU(2, MenuPressure, kTxtPressureDuringCal, 29),                           // 28
    MENU(1, DefaultHandler, kTxtSalinityCorrection, 30, kTop, 0x2000),                  // 29
    MENU(1, DefaultHandler, kTxtMessages, 0, kTop, 0x4000),                             // 30
    MENU(2, MenuNotVolume, kTxtMsgSaturationAir, 31),                           // 31
    MENU(2, MenuNotVolume, kTxtMsgSaturationO2, 32),                            // 32
    MENU(2, MenuNotVolume, kTxtMsgConcentration, 33),                           // 33
    MENU(2, MenuVolumePercent, kTxtMsgConcentration, 34),                       // 34
    MENU(2, MenuVolumePpm, kTxtMsgConcentration, 35),                           // 35
    MENU(2, DefaultHandler, kTxtMsgPartialPressure, 36),                        // 36
    MENU(2, MenuMsgTemperature, kTxtMsgTemperature, 37),                        // 37
    MENU(2, MenuMsgAirPressure, kTxtMsgAirPressure, 38),                        // 38
    rows::kMenuEnd,                                                             // end
};

#undef MENU

static_assert(std::size(MenuOxy) == kMenuOxyEnd + 1);

std::span<const TParamEntry> OxyParamTable(int n) {
    CheckIndex("oxygen parameter table", n - 1, std::size(kOxyEntryTables));
    return kOxyEntryTables[n - 1];
}

std::span<const uint8_t> OxySetDefaultRecord() { return kOxySetDefaults; }
std::span<const uint8_t> OxyFixDefaultRecord() { return kOxyFixDefaults; }

}  // namespace tessalin
