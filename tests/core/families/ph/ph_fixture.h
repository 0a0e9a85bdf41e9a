#pragma once
// A device with one pH-family module in slot I holding the PH-SET and PH-FIX defaults.

#include <cstdint>

#include "core/families/ph/ph.h"
#include "support/slot_family_fixture.h"

namespace tessalin::test {

// Every family's tests name their sections Set and Fix; each family's pair lives in a namespace of its own,
// so that the families' tests can share one program.
namespace ph_sections {
constexpr Location Set(uint16_t offset) { return At(Section::PH_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::PH_FIX, offset); }
}  // namespace ph_sections
using namespace ph_sections;

struct PhDevice {
    int moduleType = 3;
    char major = '7';
    uint32_t options = 0;
    bool throughIModule = false;  // slot I is a digital channel of an I-module
};

class PhFixture : public SlotFamilyFixture {
protected:
    PhFixture() : SlotFamilyFixture(Section::PH_SET, Section::PH_FIX) {}

    void MakeDevice(const PhDevice& d) {
        SlotFamilyFixture::MakeDevice(
            {.moduleType = d.moduleType, .major = d.major, .options = d.options, .throughIModule = d.throughIModule});
    }
};

}  // namespace tessalin::test
