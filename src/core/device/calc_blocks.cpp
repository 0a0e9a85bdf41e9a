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

bool RowFits(const CalcBlockRow& row, uint8_t code) {
    if (row.blockType != code || !row.available()) return false;
    const TDevice& device = Ws().Device;
    for (std::size_t s = 0; s < 3; ++s)
        if (row.classAt[s] != 0 && MeasurementClass(device.Slot[s].Code) != row.classAt[s]) return false;
    return true;
}

}  // namespace

std::span<const CalcBlockRow> CalcBlockTable() { return kRows; }

bool CalcBlockValid(int c) {
    CheckIndex("calculation block", c, 2);
    const uint8_t code = Ws().Device.CalcBlock[static_cast<std::size_t>(c)].Code;
    for (const CalcBlockRow& row : kRows)
        if (RowFits(row, code)) return true;
    return false;
}

}  // namespace tessalin
