#include "core/device/designations.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>

#include "core/common/texts.h"
#include "core/device/components.h"
#include "core/device/device.h"
#include "core/device/module_codes.h"

namespace tessalin {

namespace {

// Order designations per brand (columns 1..3: brand 0, 1, 2): kind of module, device family number, the
// place of the explosion-protection mark, order suffix ("-n" variant, "/I" behind an I-module, "/D" on a
// digital-sensor module, "/O" on the optical-oxygen module). They are the same in every device language.
// An empty designation stands for the code's description (the inactive second channel of an I-module).
struct DesignationRow {
    uint8_t code;
    std::array<std::string_view, 3> byBrand;
};

constexpr DesignationRow kDesignations[] = {
    {1, {"BU 2400\x02", "BU 240\x02", "BU 2450\x02"}},
    {2, {"FU 2400\x02", "FU 240\x02", "FU 2450\x02"}},
    {3, {"PH 2400\x02", "PH 240\x02", "PH 2450\x02"}},
    {4, {"PHS 2400\x02", "PHS 240\x02", "PHS 2450\x02"}},
    {5, {"COND 2400\x02", "COND 240\x02", "COND 2450\x02"}},
    {6, {"CONDI 2400\x02", "CONDI 240\x02", "CONDI 2450\x02"}},
    {7, {"OXY 2400\x02", "OXY 240\x02", "OXY 2450\x02"}},
    {8, {"OUT 2400\x02", "OUT 240\x02", "OUT 2450\x02"}},
    {9, {"PID 2400\x02", "PID 240\x02", "PID 2450\x02"}},
    {10, {"OXY 2400\x02-1", "OXY 240\x02-1", "OXY 2450\x02-1"}},
    {11, {"OXY 2400\x02-2", "OXY 240\x02-2", "OXY 2450\x02-2"}},
    {12, {"PH 2400\x02-1", "PH 240\x02-1", "PH 2450\x02-1"}},
    {13, {"PH 2400\x02-2", "PH 240\x02-2", "PH 2450\x02-2"}},
    {14, {"PA 2400\x02", "PA 240\x02", "PA 2450\x02"}},
    {15, {"BU 2400\x02-1", "BU 240\x02-1", "BU 2450\x02-1"}},
    {16, {"BU 2400\x02-2", "BU 240\x02-2", "BU 2450\x02-2"}},
    {17, {"FU 2400\x02-1", "FU 240\x02-1", "FU 2450\x02-1"}},
    {18, {"CO2 2400\x02", "CO2 240\x02", "CO2 2450\x02"}},
    {19, {"PH 2400\x02-3", "PH 240\x02-3", "PH 2450\x02-3"}},
    {20, {"OXY 2400\x02-3", "OXY 240\x02-3", "OXY 2450\x02-3"}},
    {21, {"OXY 2400\x02-4", "OXY 240\x02-4", "OXY 2450\x02-4"}},
    {23, {"FF 2400\x02", "FF 240\x02", "FF 2450\x02"}},
    {24, {"IM 2400\x02", "IM 240\x02", "IM 2450\x02"}},
    {25, {"", "", ""}},  // the description
    {26, {"OXY 2400\x02-5", "OXY 240\x02-5", "OXY 2450\x02-5"}},
    {27, {"DS 2400\x02", "DS 240\x02", "DS 2450\x02"}},
    {28, {"IM 2400\x02-1", "IM 240\x02-1", "IM 2450\x02-1"}},
    {29, {"OPT 2400\x02", "OPT 240\x02", "OPT 2450\x02"}},
    {50, {"BU 2400\x02-3", "BU 240\x02-3", "BU 2450\x02-3"}},
    {79, {"PG 2400\x02", "PG 240\x02", "PG 2450\x02"}},
    {80, {"PG 2400\x02-1", "PG 240\x02-1", "PG 2450\x02-1"}},
    {128, {"Calc pH, pH", "Calc pH, pH", "Calc pH, pH"}},
    {129, {"Calc Cond, Cond", "Calc Cond, Cond", "Calc Cond, Cond"}},
    {130, {"Calc Oxy, Oxy", "Calc Oxy, Oxy", "Calc Oxy, Oxy"}},
    {131, {"Calc CO2, CO2", "Calc CO2, CO2", "Calc CO2, CO2"}},
    {150, {"PH 2400\x02/I", "PH 240\x02/I", "PH 2450\x02/I"}},
    {151, {"OXY 2400\x02/I", "OXY 240\x02/I", "OXY 2450\x02/I"}},
    {152, {"OXY 2400\x02-1/I", "OXY 240\x02-1/I", "OXY 2450\x02-1/I"}},
    {153, {"PHS 2400\x02/I", "PHS 240\x02/I", "PHS 2450\x02/I"}},
    {154, {"COND 2400\x02/I", "COND 240\x02/I", "COND 2450\x02/I"}},
    {160, {"SVPH 2400\x02/I", "SVPH 240\x02/I", "SVPH 2450\x02/I"}},
    {161, {"SVOXY 2400\x02/I", "SVOXY 240\x02/I", "SVOXY 2450\x02/I"}},
    {162, {"SVCOND 2400\x02/I", "SVCOND 240\x02/I", "SVCOND 2450\x02/I"}},
    {163, {"SVCONDI 2400\x02/I", "SVCONDI 240\x02/I", "SVCONDI 2450\x02/I"}},
    {164, {"SVORP 2400\x02/I", "SVORP 240\x02/I", "SVORP 2450\x02/I"}},
    {170, {"SVPH 2400\x02/D", "SVPH 240\x02/D", "SVPH 2450\x02/D"}},
    {171, {"SVOXY 2400\x02/D", "SVOXY 240\x02/D", "SVOXY 2450\x02/D"}},
    {172, {"SVCOND 2400\x02/D", "SVCOND 240\x02/D", "SVCOND 2450\x02/D"}},
    {173, {"SVCONDI 2400\x02/D", "SVCONDI 240\x02/D", "SVCONDI 2450\x02/D"}},
    {174, {"SVORP 2400\x02/D", "SVORP 240\x02/D", "SVORP 2450\x02/D"}},
    {175, {"SVPHORP 2400\x02/D", "SVPHORP 240\x02/D", "SVPHORP 2450\x02/D"}},
    {176, {"SVPH 2400\x02-1/D", "SVPH 240\x02-1/D", "SVPH 2450\x02-1/D"}},
    {180, {"PH 2400\x02/I", "PH 240\x02/I", "PH 2450\x02/I"}},
    {181, {"OXY 2400\x02/I", "OXY 240\x02/I", "OXY 2450\x02/I"}},
    {182, {"COND 2400\x02/I", "COND 240\x02/I", "COND 2450\x02/I"}},
    {183, {"CONDI 2400\x02/I", "CONDI 240\x02/I", "CONDI 2450\x02/I"}},
    {189, {"PHS 2400\x02/I", "PHS 240\x02/I", "PHS 2450\x02/I"}},
    {190, {"PH 2400\x02/D", "PH 240\x02/D", "PH 2450\x02/D"}},
    {191, {"OXY 2400\x02/D", "OXY 240\x02/D", "OXY 2450\x02/D"}},
    {192, {"COND 2400\x02/D", "COND 240\x02/D", "COND 2450\x02/D"}},
    {193, {"CONDI 2400\x02/D", "CONDI 240\x02/D", "CONDI 2450\x02/D"}},
    {211, {"KB 2400\x02/O", "KB 240\x02/O", "KB 2450\x02/O"}},
};

// Device family designation per brand, used in the file dialogs and the description heading.
constexpr std::array<std::string_view, 3> kFamilyDesignations = {"Vantris 2400\x02", "Brevon 240\x02",
                                                                 "Sollane 2450\x02"};

constexpr bool AscendingCodes() {
    for (std::size_t i = 1; i < std::size(kDesignations); ++i)
        if (kDesignations[i - 1].code >= kDesignations[i].code) return false;
    return true;
}
static_assert(AscendingCodes(), "designation codes must be sorted for the lookup");

const DesignationRow* FindDesignation(uint8_t code) {
    const auto it = std::lower_bound(std::begin(kDesignations), std::end(kDesignations), code,
                                     [](const DesignationRow& row, uint8_t c) { return row.code < c; });
    return it != std::end(kDesignations) && it->code == code ? &*it : nullptr;
}

// Brand column 0..2 of a component; brands above 2 use the first column.
std::size_t BrandColumn(int position) {
    const uint8_t brand = ComponentBrand(position);
    return brand <= 2 ? brand : 0;
}

std::string InsertMark(std::string_view text, const std::string& mark) {
    std::string out;
    out.reserve(text.size() + mark.size());
    for (char c : text) {
        if (c == kExMarkPlaceholder)
            out += mark;
        else
            out += c;
    }
    return out;
}

}  // namespace

std::string ModuleName(int position, uint8_t code) {
    const int language = CheckedDeviceLanguage();
    const DesignationRow* row = FindDesignation(code);
    if (!row) return std::string(NoModuleText(language));
    const std::size_t column = BrandColumn(position);
    const std::string_view text = row->byBrand[column];
    if (text.empty()) return std::string(CodeDescription(code, language));

    std::string mark = ComponentExMark(position);
    const bool slot = position >= kPosSlot1 && position <= kPosSlot3;
    if (slot && column == 1 && mark == "X") mark = " X";
    return InsertMark(text, mark);
}

std::string ModuleDescription(int /*position*/, uint8_t code) {
    return std::string(CodeDescription(code, CheckedDeviceLanguage()));
}

std::string FamilyDesignation() {
    CheckedDeviceLanguage();  // the same in every language; the index must still be valid
    return InsertMark(kFamilyDesignations[BrandColumn(kPosFront)], ComponentExMark(kPosFront));
}

}  // namespace tessalin
