#pragma once
// A device with a conductivity module or sensor in slot I holding the COND-SET and COND-FIX defaults.

#include "core/families/cond/cond.h"
#include "support/slot_family_fixture.h"

namespace tessalin::test {

// Every family's tests name their sections Set and Fix; each family's pair lives in a namespace of its own,
// so that the families' tests can share one program.
namespace cond_sections {
constexpr Location Set(uint16_t offset) { return At(Section::COND_SET, offset); }
constexpr Location Fix(uint16_t offset) { return At(Section::COND_FIX, offset); }
}  // namespace cond_sections
using namespace cond_sections;

constexpr uint32_t kOptUltrapure = 1u << 8;
constexpr uint32_t kOptConcentration = 1u << 9;

class CondFixture : public SlotFamilyFixture {
protected:
    CondFixture() : SlotFamilyFixture(Section::COND_SET, Section::COND_FIX) {}
};

}  // namespace tessalin::test
