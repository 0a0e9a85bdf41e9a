#include <gtest/gtest.h>

#include "core/common/sections.h"

namespace tessalin {
namespace {

TEST(ParamOffset, SlotsSetsAndInvalidPlaces) {
    struct Case {
        Location location;
        uint8_t slot;
        bool setB;
        long long expected;
    };
    const Case cases[] = {
        {At(Section::PH_SET, 11), 0, false, 0x0800 + 11},
        {At(Section::PH_SET, 11), 2, false, 0x1000 + 11},
        {At(Section::PH_SET, 11), 1, true, 0x0C00 + 11 + 0x2000},
        {At(Section::PH_FIX, 5), 1, true, 0x0F20 + 5},       // common to both sets
        {At(Section::SYS_SET, 13), 255, true, 0x2100 + 13},
        {At(Section::SYS_FIX, 3), 255, true, 0x0043},
        {At(Section::CALCPH_SET, 8), 4, false, 0x1800 + 8},
        {At(Section::CALCPH_FIX, 1), 3, true, 0x1721},
        {At(Section::PH_SET, 11), 3, false, 0},              // a module section has no calculation slot
        {At(Section::CALCPH_SET, 8), 0, false, 0},           // nor a calculation section a module slot
        {Location{}, 0, false, 0},
        {At(Section::PH_SET, 386), 0, false, 0x7000},        // beyond the section
        {Scratch(0x7002), 0, true, 0x7002},
        {Scratch(0x7400), 0, false, 0x7000},
        {At(Section::PURGON, 0), 255, false, 0x4064},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParamOffset(c.location, c.slot, c.setB), c.expected)
            << SectionOf(c.location.section).name << "+" << c.location.offset << " slot " << int(c.slot);
}

}  // namespace
}  // namespace tessalin
