#pragma once
// A device with an electrodeless conductivity module or sensor in slot I holding the CONDI-SET and
// CONDI-FIX defaults.

#include <cstring>
#include <string>

#include "core/families/condi/condi.h"
#include "support/slot_family_fixture.h"

namespace tessalin::test {

// Every family's tests name their sections Set and Fix; each family's pair lives in a namespace of its own,
// so that the families' tests can share one program.
namespace condi_sections {
constexpr Location Set(uint16_t offset) { return At(Section::CONDI_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::CONDI_FIX, offset); }
}  // namespace condi_sections
using namespace condi_sections;

constexpr uint32_t kOptConcentration = 1u << 9;

class CondIFixture : public SlotFamilyFixture {
protected:
    CondIFixture() : SlotFamilyFixture(Section::CONDI_SET, Section::CONDI_FIX) {}

    // Five coding characters at a place, in both sets.
    static void SetCoding(Location at, const char* coding) {
        for (int i = 0; i < 5; ++i) SetByte(At(at.section, static_cast<uint16_t>(at.offset + i)), static_cast<uint8_t>(coding[i]));
    }
    static std::string Coding(Location at, bool setB = false) {
        std::string text;
        for (int i = 0; i < 5; ++i) text += static_cast<char>(Byte(At(at.section, static_cast<uint16_t>(at.offset + i)), setB));
        return text;
    }
};

}  // namespace tessalin::test
