// Rules of the conductivity family: which sensor-data menu a module shows, the sensor list by brand and
// version, the values a chosen sensor fills in, the calibration stamp and the cell-constant monitoring.

#include "core/families/cond/handlers.h"

#include <array>
#include <span>
#include <string>

#include "core/catalogue/codec.h"
#include "core/catalogue/image_access.h"
#include "core/catalogue/rules.h"
#include "core/catalogue/value_rules.h"
#include "core/common/texts.h"
#include "core/device/predicates.h"
#include "core/families/cond/texts.h"

namespace tessalin::cond {

namespace {

using rules::Editable;
using rules::Menu;
using rules::OnCommit;

constexpr Location Set(uint16_t offset) { return At(Section::COND_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::COND_FIX, offset); }

constexpr Location kCellConstant = Fix(5);
constexpr Location kCalTime = Fix(10);
constexpr Location kCalState = Fix(42);
constexpr Location kSensorType = Set(23);
constexpr Location kNominalCellConstant = Set(24);
constexpr Location kElectrode = Set(29);
constexpr Location kTempProbe = Set(30);
constexpr Location kCellMonitoring = Fix(124);
constexpr Location kCellMin = Fix(125);
constexpr Location kCellMax = Fix(129);

constexpr int kCalibrated = 4;  // state byte written with every calibration
constexpr int kOther2El = 6;
constexpr int kOther4El = 7;
constexpr int kKeepProbe = 255;

// What a sensor code fills in: its cell constant (1/cm), its temperature probe (kKeepProbe: the user's
// probe stays) and its electrode byte.
struct Sensor {
    float cellConstant;
    uint8_t probe;
    uint8_t electrode;
};

constexpr std::array<Sensor, 23> kSensors = {{
    {0, kKeepProbe, 0},                                               // 0: no sensor
    {0.2f, 5, 1},   {0.2f, 5, 1},  {0.2f, 5, 1},  {0.029f, 5, 0},     // 1..4
    {1.0f, 4, 0},   {1.0f, kKeepProbe, 0},        {1.0f, kKeepProbe, 1},  // 5..7
    {0.1f, 5, 0},   {0.1f, 5, 0},  {0.1f, 5, 0},  {0.1f, 5, 0},       // 8..11
    {0.01f, 5, 0},  {0.1f, 5, 0},  {1.0f, 5, 0},                      // 12..14
    {0.6f, 5, 1},   {0.6f, 5, 1},  {0.8f, 5, 1},  {0.8f, 5, 1},       // 15..18
    {0.1f, 5, 0},   {0.25f, 5, 1}, {0.1f, 5, 0},  {0.01f, 5, 0},      // 19..22
}};

// The sensors offered, in list order.
constexpr int kMakerSensors[] = {6, 7, 1, 2, 3, 4, 5};
constexpr int kMakerSensorsFrom7[] = {6, 7, 1, 2, 3, 4, 21, 22, 5};
constexpr int kOemSensors[] = {6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
constexpr int kOemSensorsFrom7[] = {6, 7, 19, 20, 12, 13, 14};

int SensorCode() { return ParamByte(kSensorType); }
bool OtherSensor() { return SensorCode() == kOther2El || SensorCode() == kOther4El; }

std::string SensorName(int code) {
    if (code == kOther2El) return EntryName(&kTxtOther2El);
    if (code == kOther4El) return EntryName(&kTxtOther4El);
    return std::string(SensorModelName(code));
}

void SensorDefaults() {
    const int code = SensorCode();
    if (code < 1 || code >= static_cast<int>(kSensors.size())) return;
    const Sensor& sensor = kSensors[code];
    PutFloat(kNominalCellConstant, sensor.cellConstant);
    PutFloat(kCellConstant, sensor.cellConstant);
    PutByte(kElectrode, sensor.electrode);
    if (sensor.probe != kKeepProbe) PutByte(kTempProbe, sensor.probe);
}

// The sensor-type choice list of the device: code|name pairs for its brand and software version.
std::string SensorTypeList() {
    std::span<const int> codes;
    if (BrandBrevon())
        codes = SwFrom7() ? std::span<const int>(kOemSensorsFrom7) : std::span<const int>(kOemSensors);
    else
        codes = SwFrom7() ? std::span<const int>(kMakerSensorsFrom7) : std::span<const int>(kMakerSensors);
    std::string list;
    for (int code : codes) {
        if (!list.empty()) list += '|';
        list += std::to_string(code) + '|' + SensorName(code);
    }
    return list;
}

bool SensorType(int event, TEvParRec& rec, bool shown) {
    switch (event) {
        case kEvRowVisible: return shown;
        case kEvChoiceList: rec.text = SensorTypeList(); return true;
        default: return OnCommit(event, rec, SensorDefaults);
    }
}

void CellConstantDefaults() {
    if (Individual(kCellMonitoring)) return;
    PutFloat(kNominalCellConstant, 1.0);
    PutFloat(kCellMin, 0.5);
    PutFloat(kCellMax, 1.5);
}

}  // namespace

bool MenuSensorDataModule(int e, TEvParRec& r) {
    const int module = Module();
    return Menu(e, r, module == 5 || module == 182 || module == 192);
}
bool MenuSensorDataSensor(int e, TEvParRec& r) { return Menu(e, r, Module() == 154); }

bool RowCalStamp(int e, TEvParRec& r) {
    return OnCommit(e, r, [] { StampCalibration(kCalState, kCalibrated, kCalTime); });
}

bool RowSensorTypeMaker(int e, TEvParRec& r) { return SensorType(e, r, !BrandBrevon()); }
bool RowSensorTypeOem(int e, TEvParRec& r) { return SensorType(e, r, BrandBrevon()); }
bool RowOtherSensorValue(int e, TEvParRec& r) { return Editable(e, r, OtherSensor()); }

bool RowCellConstantMonitoring(int e, TEvParRec& r) { return OnCommit(e, r, CellConstantDefaults); }
bool RowCellConstantNominal(int e, TEvParRec& r) {
    if (e == kEvRowEditable) return Individual(kCellMonitoring);
    return OnCommit(e, r, CellConstantDefaults);
}

}  // namespace tessalin::cond
