// Rules of the calculation blocks: the difference formulas of a block's pair, the oxygen block's choice
// between liquid and gas values, and the conductivity block's factors.

#include "core/families/calc/handlers.h"

#include <array>
#include <initializer_list>
#include <string>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/catalogue/image_access.h"
#include "core/catalogue/value_rules.h"
#include "core/common/texts.h"
#include "core/device/calc_blocks.h"
#include "core/device/predicates.h"
#include "core/families/calc/calc.h"
#include "core/families/calc/texts.h"
#include "core/workspace.h"

namespace tessalin::calc {

namespace {

using rules::Menu;

constexpr int kPhValueOff = 2;
constexpr int kPhValueOtherAlkalization = 5;
constexpr int kMeasureInLiquids = 1;

// The front unit's choice of definition for calculation block 1 and 2.
constexpr Location kBlockChoice[2] = {At(Section::SYS_FIX, 77), At(Section::SYS_FIX, 78)};
// The measuring medium of an oxygen module: 1 liquids, 2 gases in Vol%, 3 gases in ppm.
constexpr Location kOxyMeasureIn = At(Section::OXY_SET, 178);

// A byte of the shown block's own set section.
int Byte(uint16_t offset) { return ParamByte(At(CalcSectionsOf(Module()).set, offset)); }

// The definition (1..12) chosen for the shown block, or 0 when the block has none of its own type.
int Definition() {
    const int slot = Ws().CurrentParam.slot;
    if (slot != 3 && slot != 4) return 0;
    const int code = ParamByte(kBlockChoice[slot - 3]);
    const auto table = CalcBlockTable();
    if (code < 1 || code >= static_cast<int>(table.size()) || table[code].blockType != Module()) return 0;
    return code;
}

// The slots (0..2) the shown block combines, or {-1, -1} without a definition.
std::array<int, 2> Pair() {
    std::array<int, 2> pair{-1, -1};
    const uint8_t mask = CalcDefinitionSlotMask(Definition());
    int found = 0;
    for (int s = 0; s < 3 && found < 2; ++s)
        if (mask & (1u << s)) pair[found++] = s;
    return found == 2 ? pair : std::array<int, 2>{-1, -1};
}

// The list of a difference row: "Off", then the three formulas over the pair's slots.
std::string DifferenceList() {
    static constexpr const char* kSlotNames[] = {"[I]", "[II]", "[III]"};
    std::string list = "0|" + EntryName(&kTxtOff);
    const auto [first, second] = Pair();
    if (first < 0) return list;
    const std::string a = kSlotNames[first], b = kSlotNames[second];
    return list + "|1|" + a + " - " + b + "|2|" + b + " - " + a + "|3|abs( " + a + " - " + b + " )";
}

bool IsOxygenModule(int code) {
    for (int oxygen : {10, 11, 20, 21, 26, 31, 161, 171, 211})
        if (code == oxygen) return true;
    return false;
}

// Whether both modules of the pair are oxygen modules whose measuring medium satisfies `medium`.
template <typename Medium>
bool BothMeasure(Medium medium) {
    const auto pair = Pair();
    if (pair[0] < 0) return false;
    for (int s : pair) {
        if (!IsOxygenModule(Ws().Device.Slot[s].Code)) return false;
        const long long offset = ParamOffset(kOxyMeasureIn, static_cast<uint8_t>(s), Ws().ActiveParamSet);
        if (!medium(ReadU8(offset))) return false;
    }
    return true;
}

bool Liquids() { return BothMeasure([](int m) { return m == kMeasureInLiquids; }); }
bool Gases() { return BothMeasure([](int m) { return m == 2 || m == 3; }); }

bool InUse(uint16_t differenceAt) { return Byte(differenceAt) != 0; }

}  // namespace

// ---- every block -----------------------------------------------------------------------------------

bool RowDifference(int e, TEvParRec& r) {
    if (e != kEvChoiceList) return DefaultHandler(e, r);
    r.text = DifferenceList();
    return true;
}

// ---- conductivity block ----------------------------------------------------------------------------

bool RowFactorA(int e, TEvParRec& r) {
    if (e == kEvRowVisible) return Byte(135) != kPhValueOff;
    if (e == kEvRowEditable) return Byte(135) == kPhValueOtherAlkalization;
    return DefaultHandler(e, r);
}

bool RowFactorB(int e, TEvParRec& r) { return e == kEvRowVisible ? SwFrom6() && RowFactorA(e, r) : RowFactorA(e, r); }

// ---- oxygen block ----------------------------------------------------------------------------------

bool RowOxyLiquidDifference(int e, TEvParRec& r) { return e == kEvRowVisible ? Liquids() : RowDifference(e, r); }
bool RowOxyGasDifference(int e, TEvParRec& r) { return e == kEvRowVisible ? Gases() : RowDifference(e, r); }

bool MenuOxySaturationAir(int e, TEvParRec& r) { return Menu(e, r, Liquids() && InUse(8)); }
bool MenuOxySaturationO2(int e, TEvParRec& r) { return Menu(e, r, Liquids() && InUse(9)); }
bool MenuOxyGramsPerLitre(int e, TEvParRec& r) { return Menu(e, r, Liquids() && InUse(10)); }
bool MenuOxyPpmLiquid(int e, TEvParRec& r) { return Menu(e, r, Liquids() && InUse(11)); }
bool MenuOxyVolume(int e, TEvParRec& r) { return Menu(e, r, Gases() && InUse(98)); }
bool MenuOxyPpmGas(int e, TEvParRec& r) { return Menu(e, r, Gases() && InUse(99)); }

}  // namespace tessalin::calc
