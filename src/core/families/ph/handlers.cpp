// Rules of the pH family: visibility of menu items and rows, editability under "Auto" monitoring, the
// limits recomputed from nominal values, the defaults written when a selector changes, the calibration
// stamp, and the texts the handlers put together.

#include "core/families/ph/handlers.h"

#include <charconv>
#include <string>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/image_access.h"
#include "core/catalogue/rules.h"
#include "core/catalogue/value_rules.h"
#include "core/common/texts.h"
#include "core/device/predicates.h"
#include "core/families/ph/ph.h"
#include "core/families/ph/texts.h"
#include "core/workspace.h"

namespace tessalin::ph {

namespace {

// ---- sensor types and monitoring codes ----------------------------------------------------------

enum SensorType : int {
    kStandard = 1,
    kOthers = 2,
    kIsfet = 3,
    kPfaudlerStandard = 4,
    kPfaudlerDiff = 5,
    kGlassElDiff = 6,
};

constexpr int kMonitoringAuto = 2;
constexpr int kSensorMonitoringDefault = 1;
constexpr int kSensorMonitoringIndividual = 2;
constexpr int kQualityNormal = 2;
constexpr int kModeLoadMatrix = 1;
constexpr int kModeDli = 2;

constexpr Location Set(uint16_t offset) { return At(Section::PH_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::PH_FIX, offset); }

// Monitoring bytes of the monitored items.
constexpr Location kSlopeMonitoring = Fix(177);
constexpr Location kZeroMonitoring = Fix(178);
constexpr Location kRefMonitoring = Fix(179);
constexpr Location kGlassMonitoring = Fix(180);
constexpr Location kResponseMonitoring = Fix(181);
constexpr Location kCalcheckMonitoring = Fix(182);
constexpr Location kCalTimerMonitoring = Fix(183);
constexpr Location kWearMonitoring = Fix(184);
constexpr Location kCipMonitoring = Fix(189);
constexpr Location kSipMonitoring = Fix(193);
constexpr Location kAutoclavingMonitoring = Fix(197);
constexpr Location kOperatingTimeMonitoring = Fix(201);
constexpr Location kLeakageMonitoring = Fix(205);
constexpr Location kElectrolyteSpecs = Fix(213);
constexpr Location kMembraneMonitoring = Set(206);
constexpr Location kTemperatureMonitoring = Set(210);
constexpr Location kTtmMonitoring = Set(289);

// Values.
constexpr Location kSensorType = Set(58);
constexpr Location kSensorMonitoring = Fix(49);
constexpr Location kNominalZero = Set(59);
constexpr Location kNominalSlope = Set(63);
constexpr Location kSlopeMin = Fix(50);
constexpr Location kSlopeMax = Fix(54);
constexpr Location kZeroMin = Fix(59);
constexpr Location kZeroMax = Fix(63);
constexpr Location kRefNominal = Fix(68);
constexpr Location kRefMin = Fix(72);
constexpr Location kRefMax = Fix(76);
constexpr Location kGlassNominal = Fix(81);
constexpr Location kGlassMin = Fix(85);
constexpr Location kGlassMax = Fix(89);
constexpr Location kResponseMax = Fix(94);
constexpr Location kCalcheckDistance = Fix(97);
constexpr Location kCalTime = Fix(102);
constexpr Location kCalState = Fix(134);
constexpr Location kCalRefDefault = Fix(139);
constexpr Location kWearQuality = Fix(185);
constexpr Location kDliLifetime = Fix(187);
constexpr Location kLeakageMax = Fix(206);
constexpr Location kElectrolyteConc = Fix(214);
constexpr Location kElectrolyteSalinity = Fix(218);
constexpr Location kBufferSet = Set(21);
constexpr Location kDriftControl = Set(23);
constexpr Location kRhWithFactor = Set(35);
constexpr Location kTc = Set(40);
constexpr Location kDeltaFunction = Set(45);
constexpr Location kCalTimer = Set(68);
constexpr Location kPressureUnit = Set(199);
constexpr Location kTempMin = Set(211);
constexpr Location kTempMax = Set(215);
constexpr Location kMode = Set(288);
constexpr Location kTtmEntry = Set(290);

constexpr int kCalibrated = 4;  // state byte written with every calibration
constexpr float kNominalSlopeDefault = 59.2f;

// ---- conditions ---------------------------------------------------------------------------------

int Sensor() { return Byte(kSensorType); }
// The slot's sensor is connected through the I-module.
bool ThroughIModule() { return InterfaceChannelDigital(1); }
bool SensorModule() { return CtxIs18() || CtxIs19(); }  // 18, 19, 150
bool DliMode() { return SwFrom9() && Module() == 19 && Byte(kMode) == kModeDli; }
// Version 5 with the pH sensor option: the sensor-monitoring choice decides alone.
bool V5SensorOption() { return SwMajor5() && OptPhSen(); }

// Min/Max of a monitored item: on version 5 editable with the option and individual sensor monitoring,
// later while the item's own Monitoring is Individual.
bool LimitEditable(Location monitoring) {
    if (SwMajor5()) return OptPhSen() && Byte(kSensorMonitoring) == kSensorMonitoringIndividual;
    return Individual(monitoring);
}

// ---- event answers ------------------------------------------------------------------------------

using rules::Editable;
using rules::Menu;
using rules::OnCommit;
using rules::Shown;

// ---- monitoring limits --------------------------------------------------------------------------

float SensorTypeZero(int type) {
    if (type == kPfaudlerStandard) return 1.5f;
    if (type == kPfaudlerDiff) return 10.0f;
    return 7.0f;
}

void RecomputeSlope() {
    double nominal = Float(kNominalSlope);
    if (SwMajor6() && !Individual(kSlopeMonitoring)) {
        nominal = kNominalSlopeDefault;
        PutFloat(kNominalSlope, nominal);
    }
    PutFloat(kSlopeMin, nominal * (Sensor() == kIsfet ? 0.7 : 0.9));
    PutFloat(kSlopeMax, nominal * 1.03);
}

void RecomputeZero() {
    double nominal = Float(kNominalZero);
    if (SwMajor6() && !Individual(kZeroMonitoring)) {
        nominal = SensorTypeZero(Sensor());
        PutFloat(kNominalZero, nominal);
    }
    PutFloat(kZeroMin, nominal - 1);
    PutFloat(kZeroMax, nominal + 1);
}

void RecomputeRef() {
    const double r = Float(kRefNominal);
    double min = r / 1.6;
    double max = r / 2 + 100000;
    const int type = Sensor();
    if (type == kPfaudlerStandard) {
        min = 0;
        max = 1000000;
    } else if (type == kPfaudlerDiff || type == kGlassElDiff || (type == kOthers && CtxIs13())) {
        min = r / 3.5;
        max = r * 3.5;
    }
    PutFloat(kRefMin, min);
    PutFloat(kRefMax, max);
}

void RecomputeGlass() {
    const double g = Float(kGlassNominal);
    PutFloat(kGlassMin, g / 3.5);
    PutFloat(kGlassMax, g * 3.5);
}

void ResponseTimeDefault() {
    if (SwMajor6() && Individual(kResponseMonitoring)) return;
    const int drift = Byte(kDriftControl);
    PutU16(kResponseMax, drift == 1 ? 120 : drift == 3 ? 60 : 80);  // Fine, Coarse, otherwise
}

void CalcheckDefault() {
    if (SwMajor6() && Individual(kCalcheckMonitoring)) return;
    PutFloat(kCalcheckDistance, 3.2);
}

void RecomputeAllLimits() {
    RecomputeSlope();
    RecomputeZero();
    RecomputeRef();
    RecomputeGlass();
    ResponseTimeDefault();
    CalcheckDefault();
}

// ---- rules on commit ----------------------------------------------------------------------------

void SensorTypeChanged() {
    const int type = Sensor();
    if (type == kPfaudlerStandard) PutFloat(kRefNominal, 0);
    if (type != kOthers) {
        PutFloat(kNominalZero, SensorTypeZero(type));
        PutFloat(kNominalSlope, kNominalSlopeDefault);
    }
    if (!V5SensorOption()) PutByte(kSensorMonitoring, kSensorMonitoringDefault);
    if (Byte(kSensorMonitoring) == kSensorMonitoringDefault) {
        RecomputeSlope();
        RecomputeZero();
        ResponseTimeDefault();
        CalcheckDefault();
        if (type == kPfaudlerStandard) RecomputeRef();
    }
}

// Every commit of calibration data marks the slot as calibrated now, whether or not the value changed.
void CalibrationStamp() {
    StampCalibration(kCalState, kCalibrated, kCalTime);
    const int type = Sensor();
    const double refDefault = type == kPfaudlerDiff ? 30000000.0 : type == kGlassElDiff ? 120000000.0 : 0.0;
    PutFloat(kCalRefDefault, refDefault);
    if (SwFrom6()) {
        if (!Individual(kRefMonitoring)) {
            PutFloat(kRefNominal, refDefault);
            RecomputeRef();
        }
        if (!Individual(kGlassMonitoring)) RecomputeGlass();
    } else if (type != kOthers) {
        PutFloat(kRefNominal, refDefault);
        if (OptPhSen()) {
            RecomputeRef();
            RecomputeGlass();
        }
    }
}

// ---- texts --------------------------------------------------------------------------------------

// A nominal value of the user buffer table: thousandths of pH, shown with two decimals, at least four
// characters wide.
std::string BufferValue(Location at) {
    const double value = ReadEncoded(ParamOffsetHere(at), Encoding::Int16) / 1000.0;
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr;
    std::string text(buffer, end);
    if (text.size() < 4) text.insert(0, 4 - text.size(), ' ');
    return text;
}

}  // namespace

// ---- menu items ---------------------------------------------------------------------------------

bool MenuV5(int e, TEvParRec& r) { return Menu(e, r, SwMajor5()); }
bool MenuV5Not13(int e, TEvParRec& r) { return Menu(e, r, SwMajor5() && CtxIsNot13()); }
bool MenuV5Is13(int e, TEvParRec& r) { return Menu(e, r, SwMajor5() && CtxIs13()); }
bool MenuV5NotIsfet(int e, TEvParRec& r) { return Menu(e, r, SwMajor5() && Sensor() != kIsfet); }
bool MenuFrom6(int e, TEvParRec& r) { return Menu(e, r, SwFrom6()); }
bool MenuTemperature(int e, TEvParRec& r) { return Menu(e, r, SwFrom7() && SensorModule()); }
bool MenuFrom6RefEl(int e, TEvParRec& r) { return Menu(e, r, SwFrom6() && CtxIsNot13() && !ThroughIModule()); }
bool MenuFrom6Is13(int e, TEvParRec& r) { return Menu(e, r, SwFrom6() && CtxIs13()); }
bool MenuFrom6NotIsfet(int e, TEvParRec& r) { return Menu(e, r, SwFrom6() && Sensor() != kIsfet); }
bool MenuDli(int e, TEvParRec& r) { return Menu(e, r, DliMode()); }
bool MenuCalcheck(int e, TEvParRec& r) { return Menu(e, r, SwFrom6() && CtxPhGroupB()); }
bool MenuIsfetLeakage(int e, TEvParRec& r) { return Menu(e, r, SwFrom6() && CtxIs19() && Sensor() == kIsfet); }

bool MenuSensorCounter(int e, TEvParRec& r) {
    return Menu(e, r, SwFrom6() && SensorModule() && (!ThroughIModule() || SwFrom9()));
}

bool MenuSensorWear(int e, TEvParRec& r) {
    const bool byMatrix = !(SwFrom9() && Module() == 19) || Byte(kMode) == kModeLoadMatrix;
    return Menu(e, r, SwFrom6() && SensorModule() && (!ThroughIModule() || SwFrom9()) && byMatrix);
}

bool MenuSensorCounterDirect(int e, TEvParRec& r) {
    return Menu(e, r, SwFrom6() && SensorModule() && !ThroughIModule());
}

bool MenuCo2(int e, TEvParRec& r) { return Menu(e, r, CtxIs18()); }
bool MenuCalTimer(int e, TEvParRec& r) { return Menu(e, r, !DliMode()); }
bool MenuCalToleranceBand(int e, TEvParRec& r) { return Menu(e, r, OptTBand() && CtxIsNot18()); }
bool MenuPhType(int e, TEvParRec& r) { return Menu(e, r, CtxPhAny()); }
bool MenuPhTypeDirect(int e, TEvParRec& r) { return Menu(e, r, CtxPhAny() && !ThroughIModule()); }
bool MenuMsgTemperature(int e, TEvParRec& r) { return Menu(e, r, SwBefore7() || CtxPhGroupB()); }

// ---- calibration data ---------------------------------------------------------------------------

bool RowCalStamp(int e, TEvParRec& r) { return OnCommit(e, r, CalibrationStamp); }

bool RowCalStampIsothermPotential(int e, TEvParRec& r) {
    return e == kEvRowVisible ? NotPhSensor4or5() : RowCalStamp(e, r);
}
bool RowCalStampIsothermalPoint(int e, TEvParRec& r) {
    return e == kEvRowVisible ? PhSensor4or5() : RowCalStamp(e, r);
}
bool RowCalStampIsfetZero(int e, TEvParRec& r) {
    return e == kEvRowVisible ? CtxPhGroupA() && Sensor() == kIsfet : RowCalStamp(e, r);
}

// ---- rows shown for one kind of module ----------------------------------------------------------

bool RowPhTypeOnly(int e, TEvParRec& r) { return Shown(e, r, CtxPhAny()); }
bool RowCo2Only(int e, TEvParRec& r) { return Shown(e, r, CtxIs18()); }

// ---- sensor data and temperature detection ------------------------------------------------------

void StartWithSensorType(int code) {
    PutByte(kSensorType, code);
    SensorTypeChanged();
}

bool RowSensorType(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return CtxIsNot18();
    return OnCommit(e, r, SensorTypeChanged);
}

bool RowSensorMonitoring(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return CtxIsNot18() && V5SensorOption();
    return OnCommit(e, r, [] {
        if (Byte(kSensorMonitoring) == kSensorMonitoringDefault) RecomputeAllLimits();
    });
}

bool RowElectrolyteSpecs(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return CtxIs18();
    return OnCommit(e, r, [] {
        if (Individual(kElectrolyteSpecs)) return;
        PutFloat(kElectrolyteConc, 0.05);
        PutFloat(kElectrolyteSalinity, 28);
    });
}

bool RowElectrolyteValue(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return CtxIs18();
    return Editable(e, r, Individual(kElectrolyteSpecs));
}

bool RowTempProbeA(int e, TEvParRec& r) { return Shown(e, r, In(Module(), {3, 12, 13})); }
bool RowTempProbeB(int e, TEvParRec& r) { return Shown(e, r, In(Module(), {4, 19, 150}) && !ThroughIModule()); }
bool RowTempSelector(int e, TEvParRec& r) { return Editable(e, r, !ThroughIModule()); }

// ---- sensor monitoring --------------------------------------------------------------------------

bool RowSlopeMonitoring(int e, TEvParRec& r) {
    return e == kEvRowVisible ? SwFrom6() : OnCommit(e, r, RecomputeSlope);
}
bool RowSlopeNominal(int e, TEvParRec& r) {
    if (e == kEvRowEditable) return SwMajor5() ? Sensor() == kOthers || PhSensor4or5() : Individual(kSlopeMonitoring);
    return OnCommit(e, r, RecomputeSlope);
}
bool RowSlopeLimit(int e, TEvParRec& r) { return Editable(e, r, LimitEditable(kSlopeMonitoring)); }

bool RowZeroMonitoring(int e, TEvParRec& r) {
    return e == kEvRowVisible ? SwFrom6() : OnCommit(e, r, RecomputeZero);
}
bool RowZeroNominal(int e, TEvParRec& r) {
    if (e == kEvRowEditable) return SwMajor5() ? Sensor() == kOthers || PhSensor4or5() : Individual(kZeroMonitoring);
    return OnCommit(e, r, RecomputeZero);
}
bool RowZeroLimit(int e, TEvParRec& r) { return Editable(e, r, LimitEditable(kZeroMonitoring)); }

bool RowRefMonitoring(int e, TEvParRec& r) {
    return e == kEvRowVisible ? SwFrom6() : OnCommit(e, r, RecomputeRef);
}
bool RowRefNominal(int e, TEvParRec& r) {
    if (e == kEvRowEditable) return SwMajor5() ? Sensor() == kOthers : Individual(kRefMonitoring);
    return OnCommit(e, r, RecomputeRef);
}
bool RowRefLimit(int e, TEvParRec& r) { return Editable(e, r, LimitEditable(kRefMonitoring)); }

bool RowGlassMonitoring(int e, TEvParRec& r) {
    return e == kEvRowVisible ? SwFrom6() : OnCommit(e, r, RecomputeGlass);
}
bool RowGlassNominal(int e, TEvParRec& r) {
    if (e == kEvRowEditable) return SwMajor5() ? Sensor() == kOthers : Individual(kGlassMonitoring);
    return OnCommit(e, r, RecomputeGlass);
}
bool RowGlassLimit(int e, TEvParRec& r) { return Editable(e, r, LimitEditable(kGlassMonitoring)); }

bool RowResponseMonitoring(int e, TEvParRec& r) {
    return e == kEvRowVisible ? SwFrom6() : OnCommit(e, r, ResponseTimeDefault);
}
bool RowResponseMax(int e, TEvParRec& r) { return Editable(e, r, LimitEditable(kResponseMonitoring)); }

bool RowCalcheckMonitoring(int e, TEvParRec& r) {
    return e == kEvRowVisible ? SwFrom6() : OnCommit(e, r, CalcheckDefault);
}
bool RowCalcheckMax(int e, TEvParRec& r) { return Editable(e, r, LimitEditable(kCalcheckMonitoring)); }

bool RowMode(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return SwFrom9() && Module() == 19;
    return OnCommit(e, r, [] {
        if (Byte(kMode) != kModeDli) return;
        PutByte(kWearQuality, kQualityNormal);
        if (Individual(kWearMonitoring)) PutByte(kWearMonitoring, kMonitoringAuto);
    });
}

bool RowTempMonitoring(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        if (Individual(kTemperatureMonitoring)) return;
        PutFloatActiveSet(kTempMin, -20);
        PutFloatActiveSet(kTempMax, 150);
    });
}
bool RowTempLimit(int e, TEvParRec& r) { return Editable(e, r, Individual(kTemperatureMonitoring)); }

bool RowTtmMonitoring(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        if (!Individual(kTtmMonitoring)) PutU16(kTtmEntry, 760);
    });
}
bool RowTtmEntry(int e, TEvParRec& r) {
    if (e == kEvFormat) {
        r.number = 4 * 16 + 0;  // four digits, no decimals
        return true;
    }
    return Editable(e, r, Individual(kTtmMonitoring));
}

bool RowDliMonitoring(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        PutByte(kWearQuality, kQualityNormal);
        PutU16(kDliLifetime, 730);
    });
}

bool RowLeakageMonitoring(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        if (!Individual(kLeakageMonitoring)) PutU16(kLeakageMax, 100);  // 1.00 µA
    });
}
bool RowLeakageMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kLeakageMonitoring)); }

bool RowWearMonitoring(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        if (!Individual(kWearMonitoring)) PutByte(kWearQuality, kQualityNormal);
    });
}
bool RowWearQuality(int e, TEvParRec& r) { return Editable(e, r, Individual(kWearMonitoring)); }

bool RowOperatingTimeMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kOperatingTimeMonitoring)); }
bool RowCipMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kCipMonitoring)); }
bool RowSipMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kSipMonitoring)); }
bool RowAutoclavingMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kAutoclavingMonitoring)); }
bool RowMembraneMax(int e, TEvParRec& r) { return Editable(e, r, Individual(kMembraneMonitoring)); }

// ---- calibration presets, cal timer, tolerance band ---------------------------------------------

bool RowBufferHeading(int e, TEvParRec& r) {
    if (e != kEvHeading) return DefaultHandler(e, r);
    r.text = PhBufferSetHeading(Byte(kBufferSet));
    r.number = 1;
    return true;
}

bool RowDriftControl(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        if (V5SensorOption() && Byte(kSensorMonitoring) == kSensorMonitoringIndividual) return;
        ResponseTimeDefault();
    });
}

bool RowCalTimerMonitoring(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return SwFrom6();
    return OnCommit(e, r, [] {
        if (!Individual(kCalTimerMonitoring)) PutFloatActiveSet(kCalTimer, 168);
    });
}
bool RowCalTimerValue(int e, TEvParRec& r) { return Editable(e, r, SwMajor5() || Individual(kCalTimerMonitoring)); }
bool RowAdaptiveCalTimer(int e, TEvParRec& r) { return Shown(e, r, SwFrom6() || OptAdap()); }

bool RowToleranceHeading(int e, TEvParRec& r) {
    return rules::TwoLineHeading(e, r, kTxtToleranceHeading1, kTxtToleranceHeading2);
}

// ---- pressure, TC, ORP / rH, delta --------------------------------------------------------------

bool RowProcessPressure(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return CtxIs18();
    if (e != kEvLimits) return DefaultHandler(e, r);
    // Limits are in the stored unit (mbar); 999.9 psi is 68940.7 mbar.
    r.lower = 0;
    r.upper = Byte(kPressureUnit) == 94 ? 999.9f * 68.9476f : 9999.0f;
    return true;
}

bool RowTempFactor(int e, TEvParRec& r) { return Shown(e, r, Byte(kTc) == 4); }
bool RowTcTable(int e, TEvParRec& r) { return Shown(e, r, Byte(kTc) == 3); }
bool RowOrpToShe(int e, TEvParRec& r) { return Shown(e, r, CtxIsNot13()); }
bool RowRhFactor(int e, TEvParRec& r) { return Shown(e, r, Byte(kRhWithFactor) == 1); }

bool RowDeltaValuePh(int e, TEvParRec& r) { return Shown(e, r, CtxPhAny() && In(Byte(kDeltaFunction), {2, 4, 5})); }

bool RowDeltaValueCo2(int e, TEvParRec& r) {
    const int unit = Byte(kDeltaFunction);
    if (e == kEvRowVisible) return CtxIs18() && In(unit, {89, 90, 91});
    if (e != kEvLimits) return DefaultHandler(e, r);
    r.lower = 0;
    r.upper = unit == 89 ? 200.0f : unit == 90 ? 4000.0f : 2000.0f;
    return true;
}

// ---- rows of the digital pH sensors -------------------------------------------------------------

namespace {

constexpr Location kIsfetPointMonitoring = Set(221);
constexpr Location kIsfetPointNominal = Set(222);
constexpr Location kIsfetPointMin = Set(226);
constexpr Location kIsfetPointMax = Set(230);

// Reference and glass electrode of a digital sensor (values stored as the rows store them).
void DigitalRefDefaults() {
    if (Individual(kRefMonitoring)) return;
    PutFloat(kRefNominal, 1000);
    PutFloat(kRefMin, 600);
    PutFloat(kRefMax, 100500);
}

void DigitalGlassDefaults() {
    if (Individual(kGlassMonitoring)) return;
    PutFloat(kGlassNominal, 280000000);
    PutFloat(kGlassMin, 20000000);
    PutFloat(kGlassMax, 999000000);
}

}  // namespace

bool RowDigitalRefMonitoring(int e, TEvParRec& r) { return OnCommit(e, r, DigitalRefDefaults); }
bool RowDigitalRefValue(int e, TEvParRec& r) {
    if (e == kEvRowEditable) return Individual(kRefMonitoring);
    return OnCommit(e, r, DigitalRefDefaults);
}
bool RowDigitalGlassMonitoring(int e, TEvParRec& r) { return OnCommit(e, r, DigitalGlassDefaults); }
bool RowDigitalGlassValue(int e, TEvParRec& r) {
    if (e == kEvRowEditable) return Individual(kGlassMonitoring);
    return OnCommit(e, r, DigitalGlassDefaults);
}

bool RowIsfetPointMonitoring(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        if (Individual(kIsfetPointMonitoring)) return;
        PutFloat(kIsfetPointNominal, 0);
        PutFloat(kIsfetPointMin, -500);
        PutFloat(kIsfetPointMax, 500);
    });
}
bool RowIsfetPointValue(int e, TEvParRec& r) { return Editable(e, r, Individual(kIsfetPointMonitoring)); }

}  // namespace tessalin::ph

namespace tessalin {

std::string PhBufferSetHeading(int setCode) {
    using namespace ph;
    if (setCode >= 1 && setCode <= static_cast<int>(kTxtBufferSets.size())) return EntryName(&kTxtBufferSets[setCode - 1]);
    if (setCode != 33) return {};
    std::string text = EntryName(&kTxtBufferTable);
    for (uint16_t at : {0, 42, 84}) {
        text += ' ';
        text += BufferValue(At(Section::BUF_FIX, at));
    }
    return text;
}

}  // namespace tessalin
