// Rules of the oxygen family: which items and rows a module shows, editability under "Auto" monitoring,
// the defaults a sensor type brings, the calibration stamp, the salinity computed from its input, and
// the message limits that depend on the module.

#include "core/families/oxy/handlers.h"

#include <string>

#include "core/catalogue/events.h"
#include "core/catalogue/formatters.h"
#include "core/catalogue/image_access.h"
#include "core/catalogue/rules.h"
#include "core/catalogue/value_rules.h"
#include "core/common/texts.h"
#include "core/device/device.h"
#include "core/device/predicates.h"
#include "core/families/oxy/texts.h"
#include "core/families/shared/limit_messages.h"
#include "core/workspace.h"

namespace tessalin::oxy {

using rules::Editable;
using rules::Heading;
using rules::Menu;
using rules::OnCommit;
using rules::Shown;

namespace {

// ---- codes ------------------------------------------------------------------------------------------

enum SensorType : int {
    kOther = 1,
    kStandard = 2,
    kTrace = 3,
    kTraceB = 4,
    kTrace001 = 5,
};

constexpr int kMonitoringAuto = 2;
constexpr int kQualityNormal = 2;
constexpr int kModeLoadMatrix = 1;
constexpr int kModeDli = 2;
constexpr int kManual = 2;
constexpr int kDifference = 2;  // pressure transmitter measuring against the air pressure

constexpr Location Set(uint16_t offset) { return At(Section::OXY_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::OXY_FIX, offset); }

// Monitoring bytes of the monitored items.
constexpr Location kSlopeMonitoring = Fix(107);
constexpr Location kZeroMonitoring = Fix(121);
constexpr Location kCurrentInputMonitoring = Fix(135);  // "Quellix"
constexpr Location kResponseMonitoring = Fix(149);
constexpr Location kWearMonitoring = Fix(153);
constexpr Location kCipMonitoring = Fix(160);
constexpr Location kSipMonitoring = Fix(164);
constexpr Location kAutoclavingMonitoring = Fix(168);
constexpr Location kOperatingTimeMonitoring = Fix(172);
constexpr Location kCalTimerMonitoring = Fix(176);
constexpr Location kPolarizationMonitoring = Fix(177);
constexpr Location kTemperatureMonitoring = Fix(178);
constexpr Location kMembraneMonitoring = Fix(188);
constexpr Location kInnerBodyMonitoring = Fix(192);
constexpr Location kTtmMonitoring = Set(289);

// Values.
constexpr Location kTempProbe = Set(9);
constexpr Location kSensorType = Set(23);
constexpr Location kMeasPressureDetection = Set(24);
constexpr Location kCalPressureDetection = Set(29);
constexpr Location kSalinity = Set(34);
constexpr Location kSalinityInput = Set(38);
constexpr Location kSalinityEntered = Set(39);
constexpr Location kChlorinity = Set(43);
constexpr Location kConductivity = Set(47);
constexpr Location kConductivityTemp = Set(51);
constexpr Location kPolarizationVoltage = Set(55);
constexpr Location kCalTimer = Set(70);
constexpr Location kReferenceElectrode = Set(176);
constexpr Location kSensorGuard = Set(177);
constexpr Location kMeasureIn = Set(178);
constexpr Location kPressureTransmitter = Set(215);
constexpr Location kMode = Set(288);
constexpr Location kTtmEntry = Set(290);
constexpr Location kCalTime = Fix(14);
constexpr Location kCalState = Fix(46);
constexpr Location kCalCurrentInput = Fix(47);
constexpr Location kMembraneCorrection = Fix(103);
constexpr Location kSlopeNominal = Fix(108);
constexpr Location kSlopeMin = Fix(112);
constexpr Location kSlopeMax = Fix(116);
constexpr Location kZeroNominal = Fix(122);
constexpr Location kZeroMin = Fix(126);
constexpr Location kZeroMax = Fix(130);
constexpr Location kCurrentInputNominal = Fix(136);
constexpr Location kCurrentInputMin = Fix(140);
constexpr Location kCurrentInputMax = Fix(144);
constexpr Location kResponseMax = Fix(150);
constexpr Location kWearQuality = Fix(154);
constexpr Location kDliLifetime = Fix(156);
constexpr Location kDliLifetimeMax = Fix(158);
constexpr Location kOperatingTimeMax = Fix(173);
constexpr Location kTempMin = Fix(179);
constexpr Location kTempMax = Fix(183);

constexpr int kCalibrated = 16;                  // state byte written with every calibration
constexpr double kCurrentInputDefault = 100000;  // current-input resistance of a fresh calibration, Ohm
constexpr double kCurrentInputSpread = 3.5;      // Min and Max lie this factor below and above it
constexpr double kChlorinityToSalinity = 1.80655;

// ---- conditions ---------------------------------------------------------------------------------

int Sensor() { return Byte(kSensorType); }

// An oxygen sensor of its own (not a module with a fixed sensor): 20, 21, 26 and the sensor inputs
// 151 and 152 (I-module channel or sensor input).
bool SensorModule() { return In(Module(), {20, 21, 26, 151, 152}); }
bool NewSensorModule() { return In(Module(), {20, 21, 26}); }
// The sensor of 151 or 152 is a digital sensor served through the I-module.
bool ViaIModule() { return In(Module(), {151, 152}) && InterfaceChannelDigital(1); }
// Items of the sensor itself: through the I-module only from version 9.
bool SensorItems() { return SwFrom6() && SensorModule() && (!ViaIModule() || SwFrom9()); }
bool DliMode() { return SwFrom9() && NewSensorModule() && Byte(kMode) == kModeDli; }
// Gas measurement in Vol% or ppm (the "Measure in" byte), on the modules that offer it.
bool VolumeConcentration() { return OxyGasVolume(); }
bool PolarizationFixed() { return OptO2Bier() && Sensor() != kOther; }

// ---- defaults -----------------------------------------------------------------------------------

void PolarizationDefault() {
    if (PolarizationFixed()) {
        PutByte(kPolarizationMonitoring, kMonitoringAuto);
        return;
    }
    if (SwMajor5() && Sensor() != kOther) PutFloatActiveSet(kPolarizationVoltage, 675);
    if (SwMajor6() && !Individual(kPolarizationMonitoring)) PutFloatActiveSet(kPolarizationVoltage, 675);
}

void SlopeDefaults() {
    if (Individual(kSlopeMonitoring)) return;
    struct Slope {
        double nominal, min, max;
    };
    Slope slope{-50, -110, -30};  // Standard
    switch (Sensor()) {
        case kOther: slope = {-100, -900, -30}; break;
        case kTrace:
        case kTraceB: slope = {-375, -525.5, -225}; break;
        case kTrace001: slope = {-5000, -8000, -2500}; break;
        default: break;
    }
    PutFloat(kSlopeNominal, slope.nominal);
    PutFloat(kSlopeMin, slope.min);
    PutFloat(kSlopeMax, slope.max);
}

void ZeroDefaults() {
    if (Individual(kZeroMonitoring)) return;
    const double spread = Sensor() == kTrace001 ? 3.0 : 1.0;
    PutFloat(kZeroNominal, 0);
    PutFloat(kZeroMin, -spread);
    PutFloat(kZeroMax, spread);
}

void SensorTypeChanged() {
    const int type = Sensor();
    if (type != kOther) {
        PutByte(kSensorGuard, type == kTraceB ? 1 : 2);
        PutByte(kReferenceElectrode, 2);
        PutByte(kTempProbe, 8);
        PutFloat(kMembraneCorrection, 1.0);
        if (OptO2Bier()) {
            PutFloatActiveSet(kPolarizationVoltage, 500);
            PutByte(kPolarizationMonitoring, kMonitoringAuto);
        }
    }
    PolarizationDefault();
    SlopeDefaults();
    ZeroDefaults();
}

void CurrentInputDefaults(double nominal) {
    if (Individual(kCurrentInputMonitoring)) return;
    PutFloat(kCurrentInputNominal, nominal);
    PutFloat(kCurrentInputMin, nominal / kCurrentInputSpread);
    PutFloat(kCurrentInputMax, nominal * kCurrentInputSpread);
}

// What version 8 and later hold while the current input is not individual.
void CurrentInputDefaultsFrom8() {
    if (Individual(kCurrentInputMonitoring)) return;
    PutFloat(kCurrentInputNominal, 100000);
    PutFloat(kCurrentInputMin, 28570);
    PutFloat(kCurrentInputMax, 350000);
}

void OperatingTimeDefault() {
    if (!Individual(kOperatingTimeMonitoring)) PutU16(kOperatingTimeMax, 2000);
}

// Every commit of calibration data marks the slot as calibrated now, whether or not the value changed.
void CalibrationStamp() {
    if (!CalibrationStampsHeld()) {
        PutByte(kCalState, kCalibrated);
        StampNow(kCalTime, true);
    }
    PutFloat(kCalCurrentInput, kCurrentInputDefault);
    if (SwFrom6()) CurrentInputDefaults(kCurrentInputDefault);
}

void SalinityFromInput() {
    double salinity = Float(kSalinityEntered);
    switch (Byte(kSalinityInput)) {
        case 2: salinity = Float(kChlorinity) * kChlorinityToSalinity; break;
        case 3: salinity = PracticalSalinity(Float(kConductivity), Float(kConductivityTemp)); break;
        default: break;
    }
    PutFloatActiveSet(kSalinity, salinity);
}

// ---- message limits by module -------------------------------------------------------------------

float SaturationUpper() {
    const int m = Module();
    return m == 7 || m == 10 || (m == 20 && SwBefore7()) ? 9999.0f : 999.9f;
}

// The concentration limit of the module; other modules keep the row's own limit.
float ConcentrationUpper(float own) {
    const int m = Module();
    if (m == 7 || m == 10 || (m == 20 && SwBefore7())) return 99.99f;
    if (m == 11 || (m == 21 && SwBefore7())) return 9.999f;
    if (m == 26) return 999.99f;
    if (In(m, {20, 21, 31, 40, 161, 171, 201, 211})) return 999.9f;
    return own;
}

template <Location monitoring, typename Upper>
bool LimitRow(int e, TEvParRec& r, Upper upper) {
    if (e != kEvLimits) return rows::ShownWhileVariableLimits<monitoring>(e, r);
    r.upper = upper(r.upper);
    return true;
}

}  // namespace

// ---- menu items ---------------------------------------------------------------------------------

bool MenuSensorData7(int e, TEvParRec& r) { return Menu(e, r, Module() == 7); }
bool MenuSensorData10or11(int e, TEvParRec& r) { return Menu(e, r, In(Module(), {10, 11})); }
bool MenuSensorDataDirect(int e, TEvParRec& r) { return Menu(e, r, SensorModule() && !ViaIModule()); }
bool MenuSensorDataIModule(int e, TEvParRec& r) { return Menu(e, r, ViaIModule()); }
bool MenuFrom6(int e, TEvParRec& r) { return Menu(e, r, SwFrom6()); }
bool MenuTemperature(int e, TEvParRec& r) { return Menu(e, r, SensorModule() && SwFrom7()); }

// From version 8 the device keeps the current-input values of "Auto" up to date itself; the tree shows
// them as the device would, so asking for the item writes them.
bool MenuQuellix(int e, TEvParRec& r) {
    if (e != kEvMenuVisible) return DefaultHandler(e, r);
    const bool shown = SwFrom6() && (!ViaIModule() || SwFrom9());
    if (shown && SwFrom8()) CurrentInputDefaultsFrom8();
    return shown;
}

bool MenuDli(int e, TEvParRec& r) { return Menu(e, r, DliMode()); }

bool MenuSensorWear(int e, TEvParRec& r) {
    const bool byMatrix = !(SwFrom9() && NewSensorModule()) || Byte(kMode) == kModeLoadMatrix;
    return Menu(e, r, SensorItems() && byMatrix);
}

// Like the current input: from version 8 asking for the item writes the operating-time default.
bool MenuOperatingTime(int e, TEvParRec& r) {
    if (e != kEvMenuVisible) return DefaultHandler(e, r);
    const bool shown = SensorItems();
    if (shown && SwFrom8()) OperatingTimeDefault();
    return shown;
}

bool MenuSensorCounter(int e, TEvParRec& r) { return Menu(e, r, SensorItems()); }
bool MenuCalTimer(int e, TEvParRec& r) { return Menu(e, r, !DliMode()); }
bool MenuPressureV5or6(int e, TEvParRec& r) { return Menu(e, r, SwBefore7() && In(Module(), {7, 10, 11})); }
bool MenuPressure(int e, TEvParRec& r) { return Menu(e, r, SensorModule() || SwFrom7()); }
bool MenuExtPressure(int e, TEvParRec& r) { return Menu(e, r, SensorModule() && !ViaIModule()); }
bool MenuNotVolume(int e, TEvParRec& r) { return Menu(e, r, !VolumeConcentration()); }
bool MenuVolumePercent(int e, TEvParRec& r) { return Menu(e, r, VolumeConcentration() && Byte(kMeasureIn) == 2); }
bool MenuVolumePpm(int e, TEvParRec& r) {
    return Menu(e, r, VolumeConcentration() && SwBefore7() && Byte(kMeasureIn) == 3);
}
bool MenuMsgTemperature(int e, TEvParRec& r) { return Menu(e, r, SwBefore7() || !SensorModule()); }
bool MenuMsgAirPressure(int e, TEvParRec& r) { return Menu(e, r, !ViaIModule()); }

// ---- calibration data ---------------------------------------------------------------------------

bool RowCalStamp(int e, TEvParRec& r) { return OnCommit(e, r, CalibrationStamp); }

// ---- sensor data --------------------------------------------------------------------------------

bool RowSensorType(int e, TEvParRec& r) { return OnCommit(e, r, SensorTypeChanged); }
bool RowSensorTypeStandardOrTrace(int e, TEvParRec& r) {
    return e == kEvRowVisible ? In(Module(), {20, 21, 151}) : RowSensorType(e, r);
}
bool RowSensorTypeTrace001(int e, TEvParRec& r) {
    return e == kEvRowVisible ? In(Module(), {26, 152}) : RowSensorType(e, r);
}
bool RowEditableForOther(int e, TEvParRec& r) { return Editable(e, r, Sensor() == kOther); }
bool RowShownForOther(int e, TEvParRec& r) { return Shown(e, r, Sensor() == kOther); }
bool RowUnlessOther(int e, TEvParRec& r) { return Shown(e, r, Sensor() != kOther); }
bool RowMeasureInV5or6(int e, TEvParRec& r) { return Shown(e, r, SwBefore7() && CtxOxyVolume()); }
bool RowMeasureInFrom7(int e, TEvParRec& r) { return Shown(e, r, SwFrom7() && CtxOxyVolume()); }

bool RowPolarizationMonitoring(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return SwFrom6();
    if (e == kEvRowEditable) return !PolarizationFixed();
    return OnCommit(e, r, PolarizationDefault);
}

bool RowPolarizationVoltage(int e, TEvParRec& r) {
    const bool byMonitoring = SwMajor5() || Individual(kPolarizationMonitoring);
    return Editable(e, r, byMonitoring && !PolarizationFixed());
}

// Sensors with a fixed polarization say which voltages they use instead.
bool RowPolarizationHeading(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return PolarizationFixed();
    return Heading(e, r, 1, [] { return EntryName(&kTxtPolarizationVoltage) + " 500/675 mV"; });
}

// ---- sensor monitoring --------------------------------------------------------------------------

bool RowMode(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return SwFrom9() && NewSensorModule();
    return OnCommit(e, r, [] {
        if (Byte(kMode) != kModeDli) return;
        PutByte(kWearQuality, kQualityNormal);
        if (Individual(kWearMonitoring)) PutByte(kWearMonitoring, kMonitoringAuto);
    });
}

bool RowSlopeMonitoring(int e, TEvParRec& r) { return OnCommit(e, r, SlopeDefaults); }
bool RowSlopeValue(int e, TEvParRec& r) { return Editable(e, r, Individual(kSlopeMonitoring)); }
bool RowZeroMonitoring(int e, TEvParRec& r) { return OnCommit(e, r, ZeroDefaults); }
bool RowZeroValue(int e, TEvParRec& r) { return Editable(e, r, Individual(kZeroMonitoring)); }

// "Auto" temperature monitoring watches the sensor's own range again.
bool RowTempMonitoring(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        if (Individual(kTemperatureMonitoring)) return;
        PutFloat(kTempMin, -20);
        PutFloat(kTempMax, 150);
    });
}
bool RowTempLimit(int e, TEvParRec& r) { return Editable(e, r, Individual(kTemperatureMonitoring)); }

bool RowQuellixMonitoringBefore8(int e, TEvParRec& r) { return Shown(e, r, SwBefore8()); }
bool RowQuellixMonitoringFrom8(int e, TEvParRec& r) {
    if (e != kEvRowVisible) return DefaultHandler(e, r);
    if (SwFrom8()) CurrentInputDefaultsFrom8();
    return SwFrom8();
}
bool RowQuellixValue(int e, TEvParRec& r) { return Editable(e, r, Individual(kCurrentInputMonitoring)); }

bool RowResponseMonitoring(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        if (!Individual(kResponseMonitoring)) PutU16(kResponseMax, 1200);
    });
}
bool RowResponseMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kResponseMonitoring)); }

bool RowTtmMonitoring(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        if (!Individual(kTtmMonitoring)) PutU16(kTtmEntry, 760);
    });
}
bool RowTtmEntry(int e, TEvParRec& r) {
    if (e == kEvFormat) {
        r.number = 3 * 16 + 0;  // three digits, no decimals
        return true;
    }
    return Editable(e, r, Individual(kTtmMonitoring));
}

bool RowDliMonitoring(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        PutByte(kWearQuality, kQualityNormal);
        PutU16(kDliLifetime, 365);
        PutU16(kDliLifetimeMax, 2710);
    });
}

bool RowWearMonitoring(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        if (!Individual(kWearMonitoring)) PutByte(kWearQuality, kQualityNormal);
    });
}
bool RowWearQuality(int e, TEvParRec& r) { return Editable(e, r, Individual(kWearMonitoring)); }

bool RowOperatingTimeMonitoringBefore8(int e, TEvParRec& r) { return Shown(e, r, SwBefore8()); }
bool RowOperatingTimeMonitoringFrom8(int e, TEvParRec& r) {
    if (e != kEvRowVisible) return DefaultHandler(e, r);
    if (SwFrom8()) OperatingTimeDefault();
    return SwFrom8();
}
bool RowOperatingTimeMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kOperatingTimeMonitoring)); }
bool RowCipMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kCipMonitoring)); }
bool RowSipMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kSipMonitoring)); }
bool RowAutoclavingMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kAutoclavingMonitoring)); }
bool RowMembraneMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kMembraneMonitoring)); }
bool RowInnerBodyMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kInnerBodyMonitoring)); }

// ---- cal presets and cal timer ------------------------------------------------------------------

bool RowCalPresetHeading(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return !VolumeConcentration();
    return rules::TwoLineHeading(e, r, kTxtCalPresetHeading1, kTxtCalPresetHeading2);
}
bool RowSaturationCal(int e, TEvParRec& r) { return Shown(e, r, SwBefore8() && !VolumeConcentration()); }
bool RowProductCalibration(int e, TEvParRec& r) { return Shown(e, r, SwFrom8() && !VolumeConcentration()); }
bool RowConcentrationCal(int e, TEvParRec& r) { return Shown(e, r, !VolumeConcentration()); }
bool RowCalTimerV5(int e, TEvParRec& r) { return Shown(e, r, SwMajor5()); }

bool RowCalTimerMonitoring(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return SwFrom6();
    return OnCommit(e, r, [] {
        if (SwFrom6() && Byte(kCalTimerMonitoring) == kMonitoringAuto) PutFloatActiveSet(kCalTimer, 720);
    });
}
bool RowCalTimerValue(int e, TEvParRec& r) { return Editable(e, r, SwMajor5() || Individual(kCalTimerMonitoring)); }

// ---- pressure correction ------------------------------------------------------------------------

bool RowPressureHeading(int e, TEvParRec& r) {
    return rules::TwoLineHeading(e, r, kTxtPressureHeading1, kTxtPressureHeading2);
}
bool RowManualMeasPressure(int e, TEvParRec& r) { return Editable(e, r, Byte(kMeasPressureDetection) == kManual); }
bool RowManualCalPressure(int e, TEvParRec& r) { return Editable(e, r, Byte(kCalPressureDetection) == kManual); }

// A transmitter measuring the difference to the air pressure may read below zero.
bool RowTransmitterRange(int e, TEvParRec& r) {
    if (e != kEvLimits) return DefaultHandler(e, r);
    if (Byte(kPressureTransmitter) == kDifference) r.lower = -9999;
    return true;
}

// ---- salinity correction ------------------------------------------------------------------------

bool RowSalinityInput(int e, TEvParRec& r) { return OnCommit(e, r, SalinityFromInput); }
bool RowSalinity(int e, TEvParRec& r) {
    return e == kEvRowVisible ? Byte(kSalinityInput) == 1 : RowSalinityInput(e, r);
}
bool RowChlorinity(int e, TEvParRec& r) {
    return e == kEvRowVisible ? Byte(kSalinityInput) == 2 : RowSalinityInput(e, r);
}
bool RowConductivityInput(int e, TEvParRec& r) {
    return e == kEvRowVisible ? Byte(kSalinityInput) == 3 : RowSalinityInput(e, r);
}
bool RowCalculatedSalinity(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return Byte(kSalinityInput) != 1;
    return Heading(e, r, 1, [] { return std::string(); });
}

// ---- limit messages -----------------------------------------------------------------------------

bool RowLimitsSaturationAir(int e, TEvParRec& r) {
    return LimitRow<Set(74)>(e, r, [](float) { return SaturationUpper(); });
}
bool RowLimitsSaturationO2(int e, TEvParRec& r) {
    return LimitRow<Set(91)>(e, r, [](float) { return SaturationUpper(); });
}
bool RowLimitsConcentration(int e, TEvParRec& r) { return LimitRow<Set(108)>(e, r, ConcentrationUpper); }
bool RowLimitsVolume(int e, TEvParRec& r) {
    return LimitRow<Set(179)>(e, r, [](float) { return 999.9f; });
}

// ---- digital and optical oxygen sensors ---------------------------------------------------------

namespace {

constexpr uint8_t kDigitalSensorModule = 27;
constexpr Location kCutOffMonitoring = At(Section::LDO_FIX, 204);
constexpr Location kCutOffMax = At(Section::LDO_FIX, 209);

// How the sensor of the slot of CurrentParam is attached (0 for positions other than the slots).
uint8_t SlotCarrier() {
    const int position = Ws().CurrentParam.position;
    if (position < kPosSlot1 || position > kPosSlot3) return 0;
    return Ws().Device.Slot[static_cast<std::size_t>(position - kPosSlot1)].AttachCode;
}

}  // namespace

bool MenuOnDigitalSensorModule(int e, TEvParRec& r) { return Menu(e, r, SlotCarrier() == kDigitalSensorModule); }
bool RowMeasureInDigital(int e, TEvParRec& r) { return Shown(e, r, !OptO2Bier()); }

bool RowCutOffMonitoring(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        if (!Individual(kCutOffMonitoring)) PutFloat(kCutOffMax, 85.0);
    });
}
bool RowCutOffMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kCutOffMonitoring)); }

}  // namespace tessalin::oxy
