// Menus of the digital and optical oxygen sensors over the oxygen family's tables and their own, and the
// LDO-SET and LDO-FIX default records.

#include "core/families/opmode/opmode.h"
#include "core/families/oxy/rows.h"
#include "core/families/oxy/sensors.h"

namespace tessalin {

namespace {

using namespace oxy;

constexpr Location Ldo(uint16_t offset) { return At(Section::LDO_FIX, offset); }

// Q1: the sensor data of a digital sensor, which reports its own type.
constexpr Row kQ1[] = {
    List(Set(178), 1, kMeasureInFlags, RowMeasureInDigital, kTxtMeasureInLiquidsGases),
    List(Set(23), 2, kSensorTypeFlags, ShowReadOnly, kTxtSensorType001),
    Number(Fix(103), kFloat, 1, 26, kNoLimits, kBoth, ShowReadOnly, kTxtMembraneCorrection),
    kQuelloraRow,
};

// R1: the optical sensor has neither a sensor type nor a membrane to correct.
constexpr Row kR1[] = {
    List(Set(178), 1, kMeasureInFlags, RowMeasureInDigital, kTxtMeasureInLiquidsGases),
    List(Set(23), 2, kSensorTypeFlags, NeverHandler, kTxtSensorType001),
    Number(Fix(103), kFloat, 1, 26, kNoLimits, kBoth, NeverHandler, kTxtMembraneCorrection),
    kQuelloraRow,
};

// A monitored item of the optical sensor: its Monitoring and the message a violation raises.
constexpr std::array<Row, 2> Monitored(uint16_t monitoring, const TextRecord& choices, Handler handler,
                                       uint16_t message) {
    return {{
        List(Ldo(monitoring), 2, kMonitoringFlags, handler, choices),
        List(Ldo(message), 3, kBoth, DefaultHandler, kTxtMessage),
    }};
}

constexpr auto kR2 = Monitored(107, kTxtMonitoringAutoInd, ShowReadOnly, 120);
constexpr auto kR3 = Monitored(121, kTxtMonitoringAutoInd, ShowReadOnly, 134);
constexpr auto kR4 = Monitored(135, kTxtMonitoringOffAuto, DefaultHandler, 148);
constexpr auto kR5 = Monitored(153, kTxtMonitoringOffAuto, DefaultHandler, 155);

// LDO-FIX overlays OXY-FIX: the operating-time rule reads the same Monitoring byte.
constexpr Row kR6[] = {
    List(Ldo(172), 1, kMonitoringFlags, DefaultHandler, kTxtMonitoringOffInd),
    Number(Ldo(173), kU16, 9999, 85, Own(0, 9999), kBoth, RowOperatingTimeMax, kTxtMaxOperatingTime),
    List(Ldo(175), 3, kBoth, DefaultHandler, kTxtMessage),
};

constexpr Row kR7[] = {
    List(Ldo(204), 2, kMonitoringFlags, RowCutOffMonitoring, kTxtMonitoringAutoInd),
    Number(Ldo(205), kFloat, -30, 10, kNoLimits, kBoth, NeverHandler, kTxtCutOffTempMin),
    Number(Ldo(209), kFloat, 150, 10, Own(50, 125), kBoth, RowCutOffMax, kTxtCutOffTempMax),
    List(Ldo(213), 1, kBoth, DefaultHandler, kTxtMessage),
};

// The oxygen tables O1..O38, then Q1 (39) and R1..R7 (40..46).
constexpr int kQ1Table = 39;
constexpr int R(int n) { return 39 + n; }

constexpr std::span<const Row> kOwnTables[] = {kQ1, kR1, kR2, kR3, kR4, kR5, kR6, kR7};
constexpr rows::EntryTables<rows::RowCount(kOwnTables), std::size(kOwnTables)> kOwnEntries{kOwnTables};

constexpr auto kEntryTables = [] {
    std::array<std::span<const TParamEntry>, std::size(kOxyEntryTables) + std::size(kOwnTables)> tables{};
    std::size_t n = 0;
    for (std::span<const TParamEntry> t : kOxyEntryTables) tables[n++] = t;
    for (std::span<const TParamEntry> t : kOwnEntries.spans()) tables[n++] = t;
    return tables;
}();

// A slot of the optical sensor holds the oxygen defaults in the bytes the two layouts share, with the
// pressure settings of a sensor on a carrier.
constexpr auto kLdoSetDefaults = [] {
    auto record = BuildRecord<308>({Section::OXY_SET, Section::LDO_SET}, kOxyTables);
    for (const OxygenSetStart& start : kOxygenWithoutAirPressureStarts) record[start.offset] = start.value;
    return record;
}();
constexpr auto kLdoFixDefaults = [] {
    std::array<std::span<const Row>, std::size(kOxyTables) + std::size(kOwnTables)> tables{};
    std::size_t n = 0;
    for (std::span<const Row> t : kOxyTables) tables[n++] = t;
    for (std::span<const Row> t : kOwnTables) tables[n++] = t;
    return BuildRecord<215>({Section::OXY_FIX, Section::LDO_FIX}, tables);
}();

}  // namespace

// ---- the menus -------------------------------------------------------------------------------------

#define MENU(...) rows::MakeEntry(rows::MenuRow{__VA_ARGS__}, kEntryTables)

constinit const TMenuEntry MenuDigOxy[] = {
    OpModeMenuEntry(0x0101),                                                            // 0
    MENU(1, DefaultHandler, kTxtInputFilter, 2, kTop, 0x0200),                          // 1
    MENU(1, DefaultHandler, kTxtSensorData, kQ1Table, kTop, 0x0400),                    // 2
    MENU(2, DefaultHandler, kTxtMonitoringDetails, 0),                          // 3
    MENU(3, DefaultHandler, kTxtSlope, 8),                                      // 4
    MENU(3, DefaultHandler, kTxtZero, 9),                                       // 5
    MENU(3, DefaultHandler, kTxtTemperature, 10),                               // 6
    MENU(3, DefaultHandler, kTxtResponseTime, 12),                              // 7
    MENU(3, DefaultHandler, kTxtSensorWear, 15),                                // 8
    MENU(3, DefaultHandler, kTxtSipCounter, 18),                                // 9
    MENU(3, DefaultHandler, kTxtOperatingTime, 16),                             // 10
    MENU(1, DefaultHandler, kTxtCalPresets, 22, kTop, 0x0800),                          // 11
    MENU(2, MenuFrom6, kTxtCalTimer, 23),                                       // 12
    MENU(1, DefaultHandler, kTxtPressureCorrection, 26, kTop, 0x1000),                  // 13
    MENU(2, MenuOnDigitalSensorModule, kTxtExtPressureTransmitter, 27),         // 14
    MENU(2, DefaultHandler, kTxtPressureDuringMeas, 28),                        // 15
    MENU(2, DefaultHandler, kTxtPressureDuringCal, 29),                         // 16
    MENU(1, DefaultHandler, kTxtSalinityCorrection, 30, kTop, 0x2000),                  // 17
    MENU(1, DefaultHandler, kTxtMessages, 0, kTop, 0x4000),                             // 18
    MENU(2, MenuNotVolume, kTxtMsgSaturationAir, 31),                           // 19
    MENU(2, MenuNotVolume, kTxtMsgSaturationO2, 32),                            // 20
    MENU(2, MenuNotVolume, kTxtMsgConcentration, 33),                           // 21
    MENU(2, MenuVolumePercent, kTxtMsgConcentration, 34),                       // 22
    MENU(2, MenuVolumePpm, kTxtMsgConcentration, 35),                           // 23
    MENU(2, DefaultHandler, kTxtMsgPartialPressure, 36),                        // 24
    rows::kMenuEnd,                                                             // end
};

constinit const TMenuEntry MenuOptOxy[] = {
    OpModeOptMenuEntry(0x0101),                                                         // 0
    MENU(1, DefaultHandler, kTxtInputFilter, 2, kTop, 0x0200),                          // 1
    MENU(1, DefaultHandler, kTxtSensorData, R(1), kTop, 0x0400),                        // 2
    MENU(2, DefaultHandler, kTxtMonitoringDetails, 0),                          // 3
    MENU(3, DefaultHandler, kTxtSlope, R(2)),                                   // 4
    MENU(3, DefaultHandler, kTxtZero, R(3)),                                    // 5
    MENU(3, DefaultHandler, kTxtTemperature, 10),                               // 6
    MENU(3, DefaultHandler, kTxtQuellix, R(4)),                                 // 7
    MENU(3, DefaultHandler, kTxtSensorWear, R(5)),                              // 8
    MENU(3, DefaultHandler, kTxtOperatingTime, R(6)),                           // 9
    MENU(3, DefaultHandler, kTxtCipCounter, 17),                                // 10
    MENU(3, DefaultHandler, kTxtSipCounter, 18),                                // 11
    MENU(3, DefaultHandler, kTxtO2AtCipSip, R(7)),                              // 12
    MENU(3, DefaultHandler, kTxtAutoclavingCounter, 19),                        // 13
    MENU(1, DefaultHandler, kTxtCalPresets, 22, kTop, 0x0800),                          // 14
    MENU(2, MenuFrom6, kTxtCalTimer, 23),                                       // 15
    MENU(1, DefaultHandler, kTxtPressureCorrection, 26, kTop, 0x1000),                  // 16
    MENU(2, DefaultHandler, kTxtExtPressureTransmitter, 27),                    // 17
    MENU(2, DefaultHandler, kTxtPressureDuringMeas, 28),                        // 18
    MENU(2, DefaultHandler, kTxtPressureDuringCal, 29),                         // 19
    MENU(1, DefaultHandler, kTxtSalinityCorrection, 30, kTop, 0x2000),                  // 20
    MENU(1, DefaultHandler, kTxtMessages, 0, kTop, 0x4000),                             // 21
    MENU(2, MenuNotVolume, kTxtMsgSaturationAir, 31),                           // 22
    MENU(2, MenuNotVolume, kTxtMsgSaturationO2, 32),                            // 23
    MENU(2, MenuNotVolume, kTxtMsgConcentration, 33),                           // 24
    MENU(2, MenuVolumePercent, kTxtMsgConcentration, 34),                       // 25
    MENU(2, MenuVolumePpm, kTxtMsgConcentration, 35),                           // 26
    MENU(2, DefaultHandler, kTxtMsgPartialPressure, 36),                        // 27
    rows::kMenuEnd,                                                             // end
};

#undef MENU

static_assert(std::size(MenuDigOxy) == kMenuDigOxyEnd + 1);
static_assert(std::size(MenuOptOxy) == kMenuOptOxyEnd + 1);

std::span<const uint8_t> LdoSetDefaultRecord() { return kLdoSetDefaults; }
std::span<const uint8_t> LdoFixDefaultRecord() { return kLdoFixDefaults; }

}  // namespace tessalin
