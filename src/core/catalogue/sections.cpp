#include "core/catalogue/sections.h"

#include <array>
#include <initializer_list>
#include <vector>

#include "core/catalogue/par_base.h"
#include "core/catalogue/par_calc.h"
#include "core/catalogue/par_cond.h"
#include "core/catalogue/par_condi.h"
#include "core/catalogue/par_digorp.h"
#include "core/catalogue/par_fieldbus.h"
#include "core/catalogue/par_front.h"
#include "core/catalogue/par_out.h"
#include "core/catalogue/par_oxy.h"
#include "core/catalogue/par_oxy_sensors.h"
#include "core/catalogue/par_ph.h"
#include "core/catalogue/par_pid.h"
#include "core/purgon/purgon.h"
#include "core/range_error.h"

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

namespace {

// BUF-FIX of a factory-fresh front unit: the front's user buffer tables; the I-module block runs one analog
// pH sensor (mode 2, sensor kind 0, analog technology), and each slot's digital sensor is a pH sensor of
// the first kind (family 6, kind 0).
std::vector<uint8_t> BufFixDefaults() {
    const auto front = FrontBufFixDefaults();
    std::vector<uint8_t> record(front.begin(), front.end());
    record[212] = 2;
    record[227] = 1;
    for (int s = 0; s < 3; ++s) record[340 + 2 * s] = 6;
    return record;
}

// A section that several families fill: each family's record names only its own bytes and leaves the
// others zero, so the section's record is their union. SYS-FIX and SYS-SET hold the front unit's and the
// base unit's values; CTRL-FIX the front unit's parameter-set choice and function control matrix and the
// Purgon controller's presets.
std::vector<uint8_t> UnionOf(Section section, std::initializer_list<std::span<const uint8_t>> families) {
    std::vector<uint8_t> record(SectionOf(section).size, 0);
    for (std::span<const uint8_t> family : families)
        for (std::size_t i = 0; i < record.size() && i < family.size(); ++i)
            if (family[i] != 0) record[i] = family[i];
    return record;
}

}  // namespace

std::span<const uint8_t> DefaultRecord(Section section) {
    // Families that provide factory defaults give them here; the others give zeros.
    static const std::vector<uint8_t> bufFix = BufFixDefaults();
    static const std::vector<uint8_t> sysFix =
        UnionOf(Section::SYS_FIX, {FrontSysFixDefaults(), BaseSysFixDefaults()});
    static const std::vector<uint8_t> sysSet =
        UnionOf(Section::SYS_SET, {FrontSysSetDefaults(), BaseSysSetDefaults()});
    static const std::vector<uint8_t> ctrlFix =
        UnionOf(Section::CTRL_FIX, {FrontCtrlFixDefaults(), PurgonCtrlFixDefaults()});
    static const std::vector<uint8_t> zeros(4096, 0);
    switch (section) {
        case Section::BUF_FIX: return bufFix;
        case Section::SYS_FIX: return sysFix;
        case Section::SYS_SET: return sysSet;
        case Section::CTRL_FIX: return ctrlFix;
        case Section::OUT_SET: return OutSetDefaultRecord();
        case Section::PID_SET: return PidSetDefaultRecord();
        case Section::COM_SET: return ComSetDefaultRecord();
        case Section::COM_FIX: return ComFixDefaultRecord();
        case Section::CALCPH_SET:
        case Section::CALCCOND_SET:
        case Section::CALCOXY_SET:
        case Section::CALCCO2_SET: return CalcSetDefaultRecord(section);
        case Section::PH_SET: return PhSetDefaultRecord();
        case Section::PH_FIX: return PhFixDefaultRecord();
        case Section::ORP_SET: return OrpSetDefaultRecord();
        case Section::ORP_FIX: return OrpFixDefaultRecord();
        case Section::COND_SET: return CondSetDefaultRecord();
        case Section::COND_FIX: return CondFixDefaultRecord();
        case Section::CONDI_SET: return CondISetDefaultRecord();
        case Section::CONDI_FIX: return CondIFixDefaultRecord();
        case Section::PURGON: return PurgonDefaultRecord();
        case Section::OXY_SET: return OxySetDefaultRecord();
        case Section::OXY_FIX: return OxyFixDefaultRecord();
        case Section::LDO_SET: return LdoSetDefaultRecord();
        case Section::LDO_FIX: return LdoFixDefaultRecord();
        default: return std::span<const uint8_t>(zeros).first(SectionOf(section).size);
    }
}

}  // namespace tessalin
