#include "core/device/calc_blocks.h"

#include "core/device/module_codes.h"
#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

bool Never() { return false; }
bool Always() { return true; }

constexpr std::string_view kCalcPh = "Calc pH, pH";
constexpr std::string_view kCalcCond = "Calc Cond, Cond";
constexpr std::string_view kCalcOxy = "Calc Oxy, Oxy";
constexpr std::string_view kCalcCo2 = "Calc CO2, CO2";

constexpr uint8_t kPh = kClassPh;
constexpr uint8_t kCond = kClassConductivity;
constexpr uint8_t kOxy = kClassOxygen;
constexpr uint8_t kCo2 = kClassCo2;

constexpr CalcBlockRow kRows[] = {
    {0, {0, 0, 0}, Never, ""},
    {128, {kPh, kPh, 0}, Always, kCalcPh},
    {128, {kPh, 0, kPh}, Always, kCalcPh},
    {128, {0, kPh, kPh}, Always, kCalcPh},
    {129, {kCond, kCond, 0}, Always, kCalcCond},
    {129, {kCond, 0, kCond}, Always, kCalcCond},
    {129, {0, kCond, kCond}, Always, kCalcCond},
    {130, {kOxy, kOxy, 0}, Always, kCalcOxy},
    {130, {kOxy, 0, kOxy}, Always, kCalcOxy},
    {130, {0, kOxy, kOxy}, Always, kCalcOxy},
    {131, {kCo2, kCo2, 0}, Always, kCalcCo2},
    {131, {kCo2, 0, kCo2}, Always, kCalcCo2},
    {131, {0, kCo2, kCo2}, Always, kCalcCo2},
};
static_assert(std::size(kRows) == 13);

// The row's predicate holds and the slots it names hold modules of its class.
bool ModulesFit(const CalcBlockRow& row) {
    if (!row.available()) return false;
    const TDevice& device = Ws().Device;
    for (std::size_t s = 0; s < 3; ++s)
        if (row.classAt[s] != 0 && MeasurementClass(device.Slot[s].Code) != row.classAt[s]) return false;
    return true;
}

bool RowFits(const CalcBlockRow& row, uint8_t code) { return row.blockType == code && ModulesFit(row); }

bool IsDefinition(int code) { return code >= 1 && code < static_cast<int>(std::size(kRows)); }

}  // namespace

std::span<const CalcBlockRow> CalcBlockTable() { return kRows; }

bool CalcDefinitionFits(int code) { return IsDefinition(code) && ModulesFit(kRows[code]); }

uint8_t CalcDefinitionSlotMask(int code) {
    if (!IsDefinition(code)) return 0;
    uint8_t mask = 0;
    for (std::size_t s = 0; s < 3; ++s)
        if (kRows[code].classAt[s] != 0) mask |= static_cast<uint8_t>(1u << s);
    return mask;
}

bool CalcBlockCodeFits(uint8_t code) {
    for (const CalcBlockRow& row : kRows)
        if (RowFits(row, code)) return true;
    return false;
}

bool CalcBlockValid(int c) {
    CheckIndex("calculation block", c, 2);
    return CalcBlockCodeFits(Ws().Device.CalcBlock[static_cast<std::size_t>(c)].Code);
}

}  // namespace tessalin
