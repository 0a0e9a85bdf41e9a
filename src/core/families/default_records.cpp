#include "core/families/default_records.h"

#include <initializer_list>
#include <vector>

#include "core/families/base/base.h"
#include "core/families/calc/calc.h"
#include "core/families/cond/cond.h"
#include "core/families/condi/condi.h"
#include "core/families/controller/controller.h"
#include "core/families/digorp/digorp.h"
#include "core/families/fieldbus/fieldbus.h"
#include "core/families/front/front.h"
#include "core/families/output/output.h"
#include "core/families/oxy/oxy.h"
#include "core/families/oxy/sensors.h"
#include "core/families/ph/ph.h"
#include "core/families/purgon/purgon.h"

namespace tessalin {

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
