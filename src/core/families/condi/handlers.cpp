// Rules of the electrodeless conductivity family: the values a chosen sensor fills in and the coding
// bytes decoded from it, the zero kept relative to the cell factor, the calibration stamp and the
// monitoring of the digital sensors.

#include "core/families/condi/handlers.h"

#include <array>
#include <string_view>

#include "core/catalogue/codec.h"
#include "core/catalogue/image_access.h"
#include "core/catalogue/rules.h"
#include "core/catalogue/value_rules.h"
#include "core/device/predicates.h"

namespace tessalin::condi {

namespace {

using rules::OnCommit;
using rules::Shown;
using rules::ShownAndEditable;

constexpr Location Set(uint16_t offset) { return At(Section::CONDI_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::CONDI_FIX, offset); }

constexpr Location kCellFactor = Fix(5);
constexpr Location kZero = Fix(9);
constexpr Location kCalTime = Fix(14);
constexpr Location kCalState = Fix(46);
constexpr Location kCellMonitoring = Fix(112);
constexpr Location kCellMin = Fix(113);
constexpr Location kCellMax = Fix(117);
constexpr Location kOperatingTimeMonitoring = Fix(130);
constexpr Location kOperatingTimeMax = Fix(131);
constexpr Location kTempProbe = Set(23);
constexpr Location kSensorType = Set(36);
constexpr Location kUserCoding = Set(37);
constexpr Location kUserCellFactor = Set(42);
constexpr Location kUserTransferRatio = Set(46);
constexpr Location kCoding = Set(50);
constexpr Location kNominalCellFactor = Set(55);
constexpr Location kTransferRatio = Set(59);
constexpr Location kCodingLow = Set(63);
constexpr Location kCodingState = Set(64);
constexpr Location kZeroScratch = Scratch(0x7000);

constexpr int kCalibrated = 8;  // state byte written with every calibration
constexpr int kOthers = 10;
constexpr int kCodingLength = 5;
constexpr int kOperatingTimeAuto = 2000;

// What a named sensor fills in: its coding (five hexadecimal characters), nominal cell factor, transfer
// ratio and temperature probe.
struct Sensor {
    std::string_view coding;
    float cellFactor;
    float transferRatio;
    uint8_t probe;
};

constexpr std::array<Sensor, 14> kSensors = {{
    {},                                // 0: no sensor
    {"F0031", 1.88f, 125.1f, 5},       // 1
    {"60120", 2.15f, 48.3f, 10},       // 2
    {"F0031", 1.98f, 120.0f, 4},       // 3
    {"F0031", 1.98f, 120.0f, 4},       // 4
    {"60120", 2.15f, 48.3f, 10},       // 5
    {"50120", 2.15f, 48.3f, 4},        // 6
    {"60120", 2.15f, 48.3f, 4},        // 7
    {"F0031", 2.175f, 120.0f, 5},      // 8
    {"70031", 6.36f, 25.0f, 5},        // 9
    {"F0031", 1.0f, 100.0f, 5},        // 10: Others, whose values the user gives
    {"F0031", 2.175f, 120.0f, 5},      // 11
    {"F0031", 2.3f, 120.0f, 5},        // 12
    {"70031", 6.4f, 100.0f, 5},        // 13
}};

int SensorCode() { return ParamByte(kSensorType); }
bool Others() { return SensorCode() == kOthers; }
uint16_t Shifted(Location at, int by) { return static_cast<uint16_t>(at.offset + by); }

// The value of a hexadecimal digit; any other character counts as 0.
int HexValue(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

void PutCoding(const std::array<uint8_t, kCodingLength>& coding) {
    for (int i = 0; i < kCodingLength; ++i)
        PutByte(At(kCoding.section, Shifted(kCoding, i)), coding[i]);
}

// The active coding's first character tells the device the sensor's range (its hex value masked with 7)
// and marks the coding as set. Its fifth character would go to +62, but that byte is the last one of the
// transfer ratio (+59..+62): writing it would spoil the ratio just written, so the ratio is kept.
void DecodeCoding() {
    PutByte(kCodingLow, HexValue(ParamByte(kCoding)) & 7);
    PutByte(kCodingState, 4);
}

void SensorDefaults() {
    const int code = SensorCode();
    if (code < 1 || code >= static_cast<int>(kSensors.size())) return;
    std::array<uint8_t, kCodingLength> coding{};
    if (code == kOthers) {
        for (int i = 0; i < kCodingLength; ++i) coding[i] = ParamByte(At(kUserCoding.section, Shifted(kUserCoding, i)));
        PutCoding(coding);
        PutFloat(kNominalCellFactor, Float(kUserCellFactor));
        PutFloat(kTransferRatio, Float(kUserTransferRatio));
    } else {
        const Sensor& sensor = kSensors[code];
        for (int i = 0; i < kCodingLength; ++i) coding[i] = static_cast<uint8_t>(sensor.coding[i]);
        PutCoding(coding);
        PutFloat(kNominalCellFactor, sensor.cellFactor);
        PutFloat(kTransferRatio, sensor.transferRatio);
        PutByte(kTempProbe, sensor.probe);
    }
    DecodeCoding();
}

bool SensorType(int event, TEvParRec& rec, bool shown) {
    return event == kEvRowVisible ? shown : OnCommit(event, rec, SensorDefaults);
}

void Stamp() { StampCalibration(kCalState, kCalibrated, kCalTime); }

// Zero limits: ±500 µS/cm when the fourth character of the coding in use is a hexadecimal digit other
// than 0, else ±50 µS/cm.
float ZeroLimit() {
    const Location coding = Others() ? kUserCoding : kCoding;
    const int fourth = ParamByte(At(coding.section, Shifted(coding, 3)));
    const bool hex = (fourth >= '0' && fourth <= '9') || (fourth >= 'A' && fourth <= 'F') ||
                     (fourth >= 'a' && fourth <= 'f');
    return hex && fourth != '0' ? 500.0f : 50.0f;
}

void CellFactorLimits() {
    const double nominal = Float(kNominalCellFactor);
    PutFloat(kCellMin, nominal * 0.5);
    PutFloat(kCellMax, nominal * 2);
}

}  // namespace

bool RowCalStamp(int e, TEvParRec& r) { return OnCommit(e, r, Stamp); }

bool RowZero(int e, TEvParRec& r) {
    switch (e) {
        case kEvRowVisible:
            SetDefault(kZeroScratch, 0, Float(kZero) * Float(kCellFactor));
            return true;
        case kEvLimits:
            r.upper = ZeroLimit();
            r.lower = -r.upper;
            return true;
        case kEvCommitted: {
            // Without a cell factor the zero cannot be kept relative to it; the stored zero stays.
            const double cellFactor = Float(kCellFactor);
            if (cellFactor != 0) PutFloat(kZero, Float(kZeroScratch) / cellFactor);
            Stamp();
            return true;
        }
        default:
            return DefaultHandler(e, r);
    }
}

bool RowSensorTypeMaker(int e, TEvParRec& r) { return SensorType(e, r, !BrandBrevon()); }
bool RowSensorTypeOem(int e, TEvParRec& r) { return SensorType(e, r, BrandBrevon()); }
bool RowSensorTypeInput(int e, TEvParRec& r) { return SensorType(e, r, true); }

bool RowOthersValue(int e, TEvParRec& r) { return ShownAndEditable(e, r, Others()); }
bool RowNamedSensorValue(int e, TEvParRec& r) {
    if (e == kEvRowEditable) return false;
    return Shown(e, r, !Others());
}

bool RowTick(int e, TEvParRec& r) {
    const int module = Module();
    return Shown(e, r, module == 183 || module == 193);
}

void StartWithSensor(int code) {
    PutByte(kSensorType, code);
    SensorDefaults();
}

bool RowCellFactorMonitoring(int e, TEvParRec& r) { return OnCommit(e, r, CellFactorLimits); }
bool RowCellFactorNominal(int e, TEvParRec& r) {
    if (e == kEvRowVisible || e == kEvRowEditable) return Individual(kCellMonitoring);
    return OnCommit(e, r, CellFactorLimits);
}

bool RowOperatingTimeMonitoring(int e, TEvParRec& r) {
    return OnCommit(e, r, [] {
        if (!Individual(kOperatingTimeMonitoring)) PutU16(kOperatingTimeMax, kOperatingTimeAuto);
    });
}

}  // namespace tessalin::condi
