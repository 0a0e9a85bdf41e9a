#include "core/common/sections.h"

#include <array>
#include <initializer_list>
#include <vector>

#include "core/range_error.h"
#include "core/workspace.h"

namespace tessalin {

namespace {

using P = SectionPlacement;

constexpr std::array<SectionInfo, kSectionCount> kSections{{
    {Section::None, "", 0, 0, P::Fixed},
    {Section::SYS_FIX, "SYS-FIX", 170, 0x0040, P::Fixed},
    {Section::CTRL_FIX, "CTRL-FIX", 169, 0x2040, P::Fixed},
    {Section::AUX_1C00, "AUX-1C00", 196, 0x1C00, P::Fixed},
    {Section::BUF_FIX, "BUF-FIX", 346, 0x3C00, P::Fixed},
    {Section::SYS_SET, "SYS-SET", 529, 0x0100, P::PerSet},
    {Section::PH_SET, "PH-SET", 386, 0x0800, P::SlotSet},
    {Section::PH_FIX, "PH-FIX", 222, 0x0B20, P::SlotFix},
    {Section::COND_SET, "COND-SET", 132, 0x0800, P::SlotSet},
    {Section::COND_FIX, "COND-FIX", 197, 0x0B20, P::SlotFix},
    {Section::CONDI_SET, "CONDI-SET", 156, 0x0800, P::SlotSet},
    {Section::CONDI_FIX, "CONDI-FIX", 201, 0x0B20, P::SlotFix},
    {Section::OXY_SET, "OXY-SET", 292, 0x0800, P::SlotSet},
    {Section::OXY_FIX, "OXY-FIX", 204, 0x0B20, P::SlotFix},
    {Section::LDO_SET, "LDO-SET", 308, 0x0800, P::SlotSet},
    {Section::LDO_FIX, "LDO-FIX", 215, 0x0B20, P::SlotFix},
    {Section::ORP_SET, "ORP-SET", 268, 0x0800, P::SlotSet},
    {Section::ORP_FIX, "ORP-FIX", 205, 0x0B20, P::SlotFix},
    {Section::OUT_SET, "OUT-SET", 312, 0x0800, P::SlotSet},
    {Section::OUT_FIX, "OUT-FIX", 21, 0x0B20, P::SlotFix},
    {Section::PID_SET, "PID-SET", 145, 0x0800, P::SlotSet},
    {Section::PID_FIX, "PID-FIX", 21, 0x0B20, P::SlotFix},
    {Section::COM_SET, "COM-SET", 16, 0x0800, P::SlotSet},
    {Section::COM_FIX, "COM-FIX", 13, 0x0B20, P::SlotFix},
    {Section::CALCPH_SET, "CALCPH-SET", 62, 0x1400, P::CalcSet},
    {Section::CALCPH_FIX, "CALCPH-FIX", 3, 0x1720, P::CalcFix},
    {Section::CALCCOND_SET, "CALCCOND-SET", 178, 0x1400, P::CalcSet},
    {Section::CALCCOND_FIX, "CALCCOND-FIX", 3, 0x1720, P::CalcFix},
    {Section::CALCOXY_SET, "CALCOXY-SET", 134, 0x1400, P::CalcSet},
    {Section::CALCOXY_FIX, "CALCOXY-FIX", 3, 0x1720, P::CalcFix},
    {Section::CALCCO2_SET, "CALCCO2-SET", 80, 0x1400, P::CalcSet},
    {Section::CALCCO2_FIX, "CALCCO2-FIX", 3, 0x1720, P::CalcFix},
    {Section::PURGON, "PURGON", 2716, 0x4064, P::Fixed},
    {Section::Scratch, "SCRATCH", 0x400, 0x7000, P::Fixed},
}};

constexpr bool SectionsInOrder() {
    for (int i = 0; i < kSectionCount; ++i)
        if (static_cast<int>(kSections[i].section) != i) return false;
    return true;
}
static_assert(SectionsInOrder());

constexpr long long kSlotDistance = 0x400;  // module slots I..III and the two calculation blocks
constexpr long long kOutside = 0x7000;

}  // namespace

const SectionInfo& SectionOf(Section section) {
    const int index = static_cast<int>(section);
    CheckIndex("section", index, kSections.size());
    return kSections[index];
}

bool SectionPerSet(Section section) {
    const P p = SectionOf(section).placement;
    return p == P::PerSet || p == P::SlotSet || p == P::CalcSet;
}

namespace {

bool InsideSection(const Location& location) {
    if (location.section == Section::Scratch) return location.offset >= 0x7000 && location.offset <= 0x73FF;
    return location.offset < SectionOf(location.section).size;
}

// Module sections are kept for slot numbers 0..2, calculation-block sections for 3..4.
bool SectionHasSlot(SectionPlacement placement, uint8_t slot) {
    switch (placement) {
        case P::SlotFix:
        case P::SlotSet:
            return slot <= 2;
        case P::CalcFix:
        case P::CalcSet:
            return slot >= 3 && slot <= 4;
        case P::Fixed:
        case P::PerSet:
            return true;
    }
    return false;
}

}  // namespace

bool HasPlace(const Location& location, uint8_t slot) {
    return location.hasValue() && InsideSection(location) &&
           SectionHasSlot(SectionOf(location.section).placement, slot);
}

long long ParamOffset(const Location& location, uint8_t slot, bool setB) {
    if (!location.hasValue()) return 0;
    if (!InsideSection(location)) return kOutside;
    const SectionInfo& info = SectionOf(location.section);
    if (location.section == Section::Scratch) return location.offset;
    if (!SectionHasSlot(info.placement, slot)) return 0;

    long long offset = info.base + location.offset;
    if (info.placement == P::SlotFix || info.placement == P::SlotSet) offset += kSlotDistance * slot;
    if (info.placement == P::CalcFix || info.placement == P::CalcSet) offset += kSlotDistance * (slot - 3);
    if (setB && SectionPerSet(location.section)) offset += 0x2000;
    return offset;
}

long long ParamOffsetHere(const Location& location) {
    return ParamOffset(location, Ws().CurrentParam.slot, Ws().ActiveParamSet);
}

long long ParamOffsetSetA(const Location& location) { return ParamOffset(location, Ws().CurrentParam.slot, false); }

uint8_t ParamByte(const Location& location) { return Ws().ParImage.u8(ParamOffsetHere(location)); }

}  // namespace tessalin
