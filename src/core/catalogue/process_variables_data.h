#pragma once
// Shared data of the two process-variable editions: the names, the row layouts of each module family and
// the compile-time expansion of a layout over the module types that use it. Only the edition tables
// (process_variables_v8.cpp, process_variables_v9.cpp) include this.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/catalogue/process_variables.h"

namespace tessalin::pv {

// ---- names (de, en, fr, it, sv, es, pt) ------------------------------------------------------------

constexpr VariableNames Same(const char* text) { return {text, text, text, text, text, text, text}; }

inline constexpr VariableNames kPh = Same("pH");
inline constexpr VariableNames kOrp = Same("ORP");
inline constexpr VariableNames kDegC = Same("°C");
inline constexpr VariableNames kManDegC = Same("man °C");
inline constexpr VariableNames kMv = Same("mV");
inline constexpr VariableNames kRh = Same("rH");
inline constexpr VariableNames kMOhm = Same("MOhm");
inline constexpr VariableNames kKOhm = Same("kOhm");
inline constexpr VariableNames kDegF = Same("°F");
inline constexpr VariableNames kPhSecond = Same("pH'");
inline constexpr VariableNames kCalTimer = {"KalTimer", "CTime", "Tps cal", "Timer cal", "Kal-timer", "Tempor. cal",
                                            "Tempor. cal"};
inline constexpr VariableNames kZero = {"Nullpunkt", "Zero", "Zéro", "Zero", "Nollpunkt", "Cero", "Zero"};
inline constexpr VariableNames kSlope = {"Steilheit", "Slope", "Pente", "Pendenza", "Lutning", "Pendiente",
                                         "Declive"};
inline constexpr VariableNames kWear = {"Verschleiß", "Wear", "Usure", "Usura", "Slitage", "Desgaste", "Desgaste"};
inline constexpr VariableNames kLifetime = {"Lebensd.", "LTime", "Durée vie", "Durata", "Livslängd", "Vida útil",
                                            "Vida útil"};
inline constexpr VariableNames kLifetimeDli = Same("xm_DLI");
inline constexpr VariableNames kTtm = Same("TTM");

inline constexpr VariableNames kPercent = Same("%");
inline constexpr VariableNames kMgL = Same("mg/l");
inline constexpr VariableNames kUgL = Same("µg/l");
inline constexpr VariableNames kPartial = Same("p'");
inline constexpr VariableNames kMmHg = Same("mmHg");

inline constexpr VariableNames kSiemens = Same("S/cm");
inline constexpr VariableNames kSalinity = Same("g/kg");
inline constexpr VariableNames kResistivity = Same("Ohm*cm");
inline constexpr VariableNames kCell = {"Zelle", "Cell", "Cellule", "Cella", "Cell", "Célula", "Célula"};
inline constexpr VariableNames kUsp = Same("%USP");
inline constexpr VariableNames kSigmaSecond = Same("sigma'");

inline constexpr VariableNames kAir = {"%Air", "%Air", "%Air", "%Air", "%Air", "%Air", "%Air"};
inline constexpr VariableNames kO2 = Same("%O2");
inline constexpr VariableNames kMbar = Same("mbar");
inline constexpr VariableNames kNa = Same("nA");
inline constexpr VariableNames kPpm = Same("ppm");
inline constexpr VariableNames kPpb = Same("ppb");
inline constexpr VariableNames kVolPercent = Same("Vol%");
inline constexpr VariableNames kCurrentInput = {"I-Eing", "I-Inp", "I-Entr", "I-Ingr", "I-Ing", "I-Entr", "I-Entr"};

inline constexpr VariableNames kOutI1 = {"Ausg I1", "Outp I1", "Sortie I1", "Uscita I1", "Utg I1", "Salida I1",
                                         "Saída I1"};
inline constexpr VariableNames kOutI2 = {"Ausg I2", "Outp I2", "Sortie I2", "Uscita I2", "Utg I2", "Salida I2",
                                         "Saída I2"};
inline constexpr VariableNames kOutI3 = {"Ausg I3", "Outp I3", "Sortie I3", "Uscita I3", "Utg I3", "Salida I3",
                                         "Saída I3"};
inline constexpr VariableNames kOutI4 = {"Ausg I4", "Outp I4", "Sortie I4", "Uscita I4", "Utg I4", "Salida I4",
                                         "Saída I4"};
inline constexpr VariableNames kAnalogCtrl = {"A-Regl Y", "A-ctrl Y", "Régul-A Y", "Reg-A Y", "A-reg Y", "Reg-A Y",
                                              "Reg-A Y"};
inline constexpr VariableNames kDigitalCtrl = {"D-Regl Y", "D-ctrl Y", "Régul-D Y", "Reg-D Y", "D-reg Y",
                                               "Reg-D Y", "Reg-D Y"};
inline constexpr VariableNames kTime = {"Zeit", "Time", "Heure", "Ora", "Tid", "Hora", "Hora"};
inline constexpr VariableNames kDate = {"Datum", "Date", "Date", "Data", "Datum", "Fecha", "Data"};

// Differences of the calculation blocks: "<value> Diff" (Spanish and Portuguese "Dif").
constexpr VariableNames Diff(const char* de, const char* es) { return {de, de, de, de, de, es, es}; }
inline constexpr VariableNames kPhDiff = Diff("pH Diff", "pH Dif");
inline constexpr VariableNames kOrpDiff = Diff("ORP Diff", "ORP Dif");
inline constexpr VariableNames kDegCDiff = Diff("°C Diff", "°C Dif");
inline constexpr VariableNames kSiemensDiff = Diff("S/cm Diff", "S/cm Dif");
inline constexpr VariableNames kResistivityDiff = Diff("Ohm*cm Diff", "Ohm*cm Dif");
inline constexpr VariableNames kAirDiff = {"%Air Diff", "%Air Diff", "%Air Diff", "%Air Diff", "%Air Diff",
                                           "%Air Dif", "%Air Dif"};
inline constexpr VariableNames kO2Diff = Diff("%O2 Diff", "%O2 Dif");
inline constexpr VariableNames kMgLDiff = Diff("mg/l Diff", "mg/l Dif");
inline constexpr VariableNames kPpmDiff = Diff("ppm Diff", "ppm Dif");
inline constexpr VariableNames kVolPercentDiff = Diff("Vol% Diff", "Vol% Dif");
inline constexpr VariableNames kPercentDiff = Diff("% Diff", "% Dif");
inline constexpr VariableNames kPartialDiff = Diff("p' Diff", "p' Dif");
inline constexpr VariableNames kRatio = {"Verhältnis", "Ratio", "Rapport", "Rapporto", "Kvot", "Relación",
                                         "Relação"};
inline constexpr VariableNames kPassage = {"Durchgang", "Pass", "Passage", "Passaggio", "Passage", "Paso",
                                           "Passagem"};
inline constexpr VariableNames kRejection = {"Rückhalt", "Reject", "Rejet", "Reiezione", "Avskiljning", "Rechazo",
                                             "Rejeição"};
inline constexpr VariableNames kDeviation = {"Abweichung", "Deviat", "Écart", "Scostamento", "Avvikelse",
                                             "Desviación", "Desvio"};
inline constexpr VariableNames kMicromol = Same("µmol/l");

// ---- row layouts ---------------------------------------------------------------------------------

// One row of a family layout; the module type comes from the expansion.
struct RowLayout {
    uint8_t valueType;
    uint8_t variable;
    VariableNames names;
    PvCondition condition;
    uint8_t conditionArg;
    uint32_t classMask;
};

using C = PvCondition;
// A measured value: shown, put out, controlled and sent over the bus.
inline constexpr uint32_t kMeasured = kPvDisplay | kPvOutput | kPvController | kPvFieldbus;
inline constexpr uint32_t kDisplayOutput = kPvDisplay | kPvOutput;
inline constexpr uint32_t kDisplayOnly = kPvDisplay;                      // diagnostics and settings

// The first eight variables of every pH input, then the layout's own rows.
inline constexpr std::array<RowLayout, 8> kPhCommonRows{{
    {20, 0, kPh, C::Always, 0, kMeasured},
    {22, 1, kOrp, C::Always, 0, kMeasured},
    {10, 2, kDegC, C::Always, 0, kMeasured},
    {11, 3, kManDegC, C::PhManualTemp, 0, kDisplayOnly},
    {21, 4, kMv, C::Always, 0, kMeasured},
    {25, 5, kRh, C::Always, 0, kMeasured},
    {24, 6, kMOhm, C::Always, 0, kDisplayOnly},
    {23, 7, kKOhm, C::Always, 0, kDisplayOnly},
}};

template <std::size_t N>
constexpr std::array<RowLayout, 8 + N> PhLayout(const std::array<RowLayout, N>& own) {
    std::array<RowLayout, 8 + N> rows{};
    std::ranges::copy(kPhCommonRows, rows.begin());
    std::ranges::copy(own, rows.begin() + 8);
    return rows;
}

// pH, older layout: the calibration timer at 8 (older software) and again at 13.
inline constexpr auto kPhOlderLayout = PhLayout(std::array<RowLayout, 7>{{
    {19, 8, kCalTimer, C::SwBefore8, 0, kDisplayOnly},
    {12, 9, kDegF, C::Always, 0, kDisplayOutput},
    {29, 10, kZero, C::SwFrom7, 0, kDisplayOnly},
    {32, 11, kSlope, C::SwFrom7, 0, kDisplayOnly},
    {20, 12, kPhSecond, C::PhSecondValue, 0, kMeasured},
    {19, 13, kCalTimer, C::SwFrom8, 0, kDisplayOnly},
    {62, 14, kWear, C::SwFrom8, 0, kDisplayOnly},
}});

// pH, newer layout (software 9 on): no calibration timer at 8, the rest moves up by one.
inline constexpr std::array<RowLayout, 6> kPhNewerOwnRows{{
    {12, 8, kDegF, C::Always, 0, kDisplayOutput},
    {29, 9, kZero, C::Always, 0, kDisplayOnly},
    {32, 10, kSlope, C::Always, 0, kDisplayOnly},
    {20, 11, kPhSecond, C::PhSecondValue, 0, kMeasured},
    {19, 12, kCalTimer, C::Always, 0, kDisplayOnly},
    {62, 13, kWear, C::Always, 0, kDisplayOnly},
}};
inline constexpr auto kPhNewerLayout = PhLayout(kPhNewerOwnRows);

// The pH module type 19 in the newer layout adds the sensor lifetime (by matrix or by DLI) and TTM.
inline constexpr auto kPh19NewerLayout = PhLayout(std::array<RowLayout, 9>{{
    kPhNewerOwnRows[0], kPhNewerOwnRows[1], kPhNewerOwnRows[2], kPhNewerOwnRows[3], kPhNewerOwnRows[4],
    kPhNewerOwnRows[5],
    {9, 14, kLifetime, C::PhLifetimeMatrix, 0, kDisplayOnly},
    {9, 14, kLifetimeDli, C::PhLifetimeDli, 0, kDisplayOnly},
    {9, 15, kTtm, C::Always, 0, kDisplayOnly},
}});

// CO2 module: variable 7 is the calibration timer up to software 8 and p' in mmHg from 9.
constexpr std::array<RowLayout, 11> Co2Layout(uint8_t valueType7, const VariableNames& name7) {
    return {{
        {89, 0, kPercent, C::Always, 0, kMeasured},
        {90, 1, kMgL, C::Always, 0, kMeasured},
        {10, 2, kDegC, C::Always, 0, kMeasured},
        {11, 3, kManDegC, C::PhManualTemp, 0, kDisplayOnly},
        {91, 4, kPartial, C::Always, 0, kMeasured},
        {24, 5, kMOhm, C::Always, 0, kDisplayOnly},
        {23, 6, kKOhm, C::Always, 0, kDisplayOnly},
        {valueType7, 7, name7, C::Always, 0, kDisplayOnly},
        {12, 8, kDegF, C::Always, 0, kDisplayOutput},
        {29, 9, kZero, C::SwFrom7, 0, kDisplayOnly},
        {32, 10, kSlope, C::SwFrom7, 0, kDisplayOnly},
    }};
}
inline constexpr auto kCo2UpTo8Layout = Co2Layout(19, kCalTimer);
inline constexpr auto kCo2From9Layout = Co2Layout(98, kMmHg);

// Conductivity (2/4-electrode).
inline constexpr std::array<RowLayout, 10> kCondLayout{{
    {33, 0, kSiemens, C::Always, 0, kMeasured},
    {37, 1, kPercent, C::CondConcentration, 0, kMeasured},
    {10, 2, kDegC, C::Always, 0, kMeasured},
    {11, 3, kManDegC, C::CondManualTemp, 0, kDisplayOnly},
    {45, 4, kSalinity, C::Always, 0, kMeasured},
    {35, 5, kResistivity, C::Always, 0, kMeasured},
    {12, 6, kDegF, C::Always, 0, kDisplayOutput},
    {38, 7, kCell, C::Always, 0, kDisplayOnly},
    {70, 8, kUsp, C::Always, 0, kDisplayOutput},
    {33, 9, kSigmaSecond, C::CondSecondValue, 0, kMeasured},
}};

// Electrodeless conductivity: as conductivity, with zero and cell factor at 7 and 8.
inline constexpr std::array<RowLayout, 10> kCondILayout{{
    {33, 0, kSiemens, C::Always, 0, kMeasured},
    {37, 1, kPercent, C::CondIConcentration, 0, kMeasured},
    {10, 2, kDegC, C::Always, 0, kMeasured},
    {11, 3, kManDegC, C::CondIManualTemp, 0, kDisplayOnly},
    {45, 4, kSalinity, C::Always, 0, kMeasured},
    {35, 5, kResistivity, C::Always, 0, kMeasured},
    {12, 6, kDegF, C::Always, 0, kDisplayOutput},
    {31, 7, kZero, C::Always, 0, kDisplayOnly},
    {53, 8, kCell, C::Always, 0, kDisplayOnly},
    {33, 9, kSigmaSecond, C::CondISecondValue, 0, kMeasured},
}};

// Oxygen. The concentration names follow the module's range (mg/l and ppm for standard modules, µg/l
// and ppb for trace modules); variable 6 is the calibration timer up to software 8 and p' in mmHg from
// 9; variable 12 is the gas ppm value, or the sensor wear for digital sensors.
struct OxygenVariant {
    const VariableNames& concentration;  // 7
    const VariableNames& ppm;            // 8
    uint8_t valueType6;
    const VariableNames& name6;
    PvCondition volumeCondition;         // 11
    uint8_t valueType12;
    const VariableNames& name12;
    PvCondition condition12;
    PvCondition currentInputCondition;   // 15
};

constexpr std::array<RowLayout, 15> OxygenLayout(const OxygenVariant& v) {
    return {{
        {41, 0, kAir, C::OxyUnitGroup1, 0, kMeasured},
        {42, 1, kO2, C::Always, 0, kMeasured},
        {10, 2, kDegC, C::Always, 0, kMeasured},
        {50, 3, kMbar, C::Always, 0, kMeasured},
        {55, 4, kNa, C::Always, 0, kDisplayOnly},
        {v.valueType6, 6, v.name6, C::Always, 0, kDisplayOnly},
        {43, 7, v.concentration, C::OxyUnitGroup1, 0, kMeasured},
        {44, 8, v.ppm, C::OxyUnitGroup1, 0, kMeasured},
        {48, 9, kPartial, C::Always, 0, kMeasured},
        {12, 10, kDegF, C::Always, 0, kDisplayOutput},
        {46, 11, kVolPercent, v.volumeCondition, 0, kMeasured},
        {v.valueType12, 12, v.name12, v.condition12, 0, kMeasured},
        {30, 13, kZero, C::SwFrom7, 0, kDisplayOnly},
        {56, 14, kSlope, C::SwFrom7, 0, kDisplayOnly},
        {88, 15, kCurrentInput, v.currentInputCondition, 0, kDisplayOutput},
    }};
}

// Oxygen sensor type 211: the calibration timer at 5; zero and slope are not offered (value types 101
// and 100 lie outside the value-type table).
constexpr std::array<RowLayout, 16> Oxygen211Layout(const OxygenVariant& v) {
    const auto base = OxygenLayout(v);
    std::array<RowLayout, 16> rows{};
    std::ranges::copy(base.begin(), base.begin() + 5, rows.begin());
    rows[5] = {19, 5, kCalTimer, C::Always, 0, kDisplayOnly};
    std::ranges::copy(base.begin() + 5, base.end(), rows.begin() + 6);
    for (RowLayout& r : rows) {
        if (r.variable == 13) r = {101, 13, kZero, C::Never, 0, kDisplayOnly};
        if (r.variable == 14) r = {100, 14, kSlope, C::Never, 0, kDisplayOnly};
    }
    return rows;
}

// Digital ORP sensor.
inline constexpr std::array<RowLayout, 4> kOrpSensorLayout{{
    {22, 0, kOrp, C::Always, 0, kMeasured},
    {12, 1, kDegF, C::Always, 0, kDisplayOutput},
    {10, 2, kDegC, C::Always, 0, kMeasured},
    {19, 3, kCalTimer, C::Always, 0, kDisplayOnly},
}};

inline constexpr std::array<RowLayout, 2> kOutputLayout{{
    {14, 0, kOutI3, C::OutI3InUse, 0, kDisplayOnly},
    {15, 1, kOutI4, C::OutI4InUse, 0, kDisplayOnly},
}};
inline constexpr std::array<RowLayout, 2> kControllerLayout{{
    {16, 0, kAnalogCtrl, C::AnalogControllerInUse, 0, kDisplayOutput},
    {16, 1, kDigitalCtrl, C::DigitalControllerInUse, 0, kDisplayOutput},
}};
inline constexpr std::array<RowLayout, 1> kFieldbusLayout{{
    {50, 0, kMbar, C::Always, 0, kDisplayOutput},
}};
inline constexpr std::array<RowLayout, 2> kBaseLayout{{
    {14, 0, kOutI1, C::OutI1InUse, 0, kDisplayOnly},
    {15, 1, kOutI2, C::OutI2InUse, 0, kDisplayOnly},
}};
inline constexpr std::array<RowLayout, 2> kFrontLayout{{
    {3, 0, kTime, C::Always, 0, kDisplayOnly},
    {4, 1, kDate, C::Always, 0, kDisplayOnly},
}};

// Calculation blocks: each value is offered while its switch in the block's set section is on.
inline constexpr std::array<RowLayout, 3> kCalcPhLayout{{
    {64, 0, kPhDiff, C::CalcValueInUse, 8, kMeasured},
    {65, 1, kOrpDiff, C::CalcValueInUse, 9, kMeasured},
    {66, 2, kDegCDiff, C::CalcValueInUse, 10, kMeasured},
}};
inline constexpr std::array<RowLayout, 9> kCalcCondLayout{{
    {67, 0, kSiemensDiff, C::CalcValueInUse, 8, kMeasured},
    {68, 1, kResistivityDiff, C::CalcValueInUse, 9, kMeasured},
    {66, 2, kDegCDiff, C::CalcValueInUse, 10, kMeasured},
    {69, 3, kRatio, C::CalcValueIsOne, 11, kMeasured},
    {70, 4, kPassage, C::CalcValueIsOne, 12, kMeasured},
    {71, 5, kRejection, C::CalcValueIsOne, 13, kMeasured},
    {72, 6, kDeviation, C::CalcValueIsOne, 14, kMeasured},
    {82, 7, kMicromol, C::CalcValueIsOne, 135, kMeasured},
    {20, 8, kPh, C::CalcValueIsOne, 135, kMeasured},
}};
inline constexpr std::array<RowLayout, 7> kCalcOxyLayout{{
    {73, 0, kAirDiff, C::CalcValueInUse, 8, kMeasured},
    {74, 1, kO2Diff, C::CalcValueInUse, 9, kMeasured},
    {66, 2, kDegCDiff, C::CalcValueInUse, 12, kMeasured},
    {75, 3, kMgLDiff, C::CalcValueInUse, 10, kMeasured},
    {76, 4, kPpmDiff, C::CalcValueInUse, 11, kMeasured},
    {83, 5, kVolPercentDiff, C::CalcValueInUse, 98, kMeasured},
    {84, 6, kPpmDiff, C::CalcValueInUse, 99, kMeasured},
}};
inline constexpr std::array<RowLayout, 4> kCalcCo2Layout{{
    {64, 0, kPercentDiff, C::CalcValueInUse, 8, kMeasured},
    {65, 1, kMgLDiff, C::CalcValueInUse, 9, kMeasured},
    {66, 2, kDegCDiff, C::CalcValueInUse, 10, kMeasured},
    {97, 3, kPartialDiff, C::CalcValueInUse, 11, kMeasured},
}};

// ---- expansion -----------------------------------------------------------------------------------

// A layout repeated for each module type, types in the given order, rows in layout order.
template <std::size_t R, std::size_t T>
constexpr std::array<ProcessVariableRow, R * T> ForTypes(const std::array<RowLayout, R>& layout,
                                                         const std::array<uint8_t, T>& types) {
    std::array<ProcessVariableRow, R * T> rows{};
    std::size_t k = 0;
    for (uint8_t type : types)
        for (const RowLayout& r : layout)
            rows[k++] = ProcessVariableRow{type, r.valueType, r.variable, r.names, r.condition, r.conditionArg,
                                           r.classMask};
    return rows;
}

template <std::size_t... N>
constexpr std::array<ProcessVariableRow, (N + ...)> Join(const std::array<ProcessVariableRow, N>&... parts) {
    std::array<ProcessVariableRow, (N + ...)> rows{};
    std::size_t k = 0;
    ((std::ranges::copy(parts, rows.begin() + k), k += N), ...);
    return rows;
}

// Rows common to both editions: output, controller and fieldbus modules, base and front units,
// calculation blocks.
inline constexpr auto kUnitsAndBlocks =
    Join(ForTypes(kOutputLayout, std::array<uint8_t, 1>{8}), ForTypes(kControllerLayout, std::array<uint8_t, 1>{9}),
         ForTypes(kFieldbusLayout, std::array<uint8_t, 2>{14, 23}),
         ForTypes(kBaseLayout, std::array<uint8_t, 4>{1, 15, 16, 50}),
         ForTypes(kFrontLayout, std::array<uint8_t, 2>{2, 17}), ForTypes(kCalcPhLayout, std::array<uint8_t, 1>{128}),
         ForTypes(kCalcCondLayout, std::array<uint8_t, 1>{129}),
         ForTypes(kCalcOxyLayout, std::array<uint8_t, 1>{130}),
         ForTypes(kCalcCo2Layout, std::array<uint8_t, 1>{131}));

// The two edition tables.
std::span<const ProcessVariableRow> EditionUpTo8();
std::span<const ProcessVariableRow> EditionFrom9();

}  // namespace tessalin::pv
