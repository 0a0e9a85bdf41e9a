#pragma once
// A device with one oxygen-family module in slot I whose sections hold the factory defaults (for the
// optical sensor the LDO records, which overlay the oxygen ones).

#include <cstdint>

#include "core/families/oxy/oxy.h"
#include "support/slot_family_fixture.h"

namespace tessalin::test {

// Every family's tests name their sections Set and Fix; each family's pair lives in a namespace of its own,
// so that the families' tests can share one program.
namespace oxy_sections {
constexpr Location Set(uint16_t offset) { return At(Section::OXY_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::OXY_FIX, offset); }
}  // namespace oxy_sections
using namespace oxy_sections;

inline constexpr uint32_t kOptO2Bier = 1u << 12;

struct OxyDevice {
    int moduleType = 10;
    char major = '7';
    uint32_t options = 0;
    bool viaIModule = false;  // slot I is a digital channel of an I-module
    uint8_t carrier = 0;      // how the slot's sensor is attached otherwise: 27 digital-sensor module, 29 optical
};

class OxyFixture : public SlotFamilyFixture {
protected:
    OxyFixture() : SlotFamilyFixture(Section::OXY_SET, Section::OXY_FIX) {}

    void MakeDevice(const OxyDevice& d) {
        const bool optical = d.moduleType == 211;
        SlotFamilyFixture::MakeDevice({.moduleType = d.moduleType, .major = d.major, .options = d.options,
                                       .attach = d.carrier, .throughIModule = d.viaIModule},
                                      optical ? Section::LDO_SET : Section::OXY_SET,
                                      optical ? Section::LDO_FIX : Section::OXY_FIX);
    }
};

}  // namespace tessalin::test
