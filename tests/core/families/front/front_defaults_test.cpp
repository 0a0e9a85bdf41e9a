// A configuration made by the configurator holds a fresh front unit's factory values in the bytes of the
// front's rows, in both parameter sets where the section has two.

#include <gtest/gtest.h>

#include "core/common/sections.h"
#include "support/configured_device.h"

namespace tessalin::test {
namespace {

enum class Enc { U8, I8, U16, I16, F32 };

struct NamedDefault {
    Section section;
    uint16_t offset;
    Enc enc;
    double value;
};

double Read(long long offset, Enc enc) {
    const ParImageBuffer& image = Ws().ParImage;
    switch (enc) {
        case Enc::U8: return image.u8(offset);
        case Enc::I8: return image.i8(offset);
        case Enc::U16: return image.u16(offset);
        case Enc::I16: return static_cast<int16_t>(image.u16(offset));
        case Enc::F32: return image.f32(offset);
    }
    return 0;
}

TEST(FrontDefaults, ANewConfigurationHoldsTheFactoryValues) {
    MakeDevice({2, '9', {3}});
    const NamedDefault cases[] = {
        {Section::SYS_FIX, 1, Enc::U8, 1},          // language Deutsch
        {Section::SYS_FIX, 2, Enc::I8, 0},          // viewing angle
        {Section::SYS_FIX, 3, Enc::U8, 1},          // one main value
        {Section::SYS_FIX, 17, Enc::U8, 1},         // date format TT.MM.JJ
        {Section::SYS_FIX, 39, Enc::U8, 2},         // KI recorder off
        {Section::SYS_FIX, 43, Enc::U16, 24},       // max. process duration
        {Section::SYS_FIX, 54, Enc::U8, 0x40},      // KI channel 1: slot I's main value
        {Section::SYS_FIX, 59, Enc::F32, 14},       // ... up to pH 14
        {Section::SYS_FIX, 72, Enc::U8, 1},         // card full: overwrite
        {Section::SYS_FIX, 77, Enc::U8, 0},         // no calculation blocks
        {Section::SYS_FIX, 79, Enc::U8, 1},         // diag menu free
        {Section::SYS_SET, 13, Enc::U8, 0x40},      // first main value
        {Section::SYS_SET, 14, Enc::U8, 0x42},      // second main value: slot I's temperature
        {Section::SYS_SET, 17, Enc::U8, 3},         // time base 1 min
        {Section::SYS_SET, 34, Enc::F32, 100},      // recorder channel 2 end
        {Section::SYS_SET, 389, Enc::F32, 0},       // chart temperatures 0 .. 100 °C
        {Section::SYS_SET, 405, Enc::F32, 100},
        {Section::SYS_SET, 413, Enc::F32, 1},       // concentration B
        {Section::SYS_SET, 453, Enc::F32, 16000},   // concentration B (1 %) at 25 °C
        {Section::CTRL_FIX, 46, Enc::U8, 1},        // parameter sets A,B internal
        {Section::CTRL_FIX, 50, Enc::U8, 0},        // matrix: no functions
        {Section::BUF_FIX, 0, Enc::I16, 4010},      // buffer 1 nominal pH 4.01
        {Section::BUF_FIX, 12, Enc::I16, 4010},     // ... at 25 °C
        {Section::BUF_FIX, 42, Enc::I16, 7000},     // buffer 2
        {Section::BUF_FIX, 124, Enc::I16, 9730},    // buffer 3 at 95 °C
        {Section::BUF_FIX, 212, Enc::U8, 2},        // the I-module block keeps its own defaults
    };
    for (const NamedDefault& d : cases) {
        for (bool setB : {false, true}) {
            if (setB && !SectionPerSet(d.section)) continue;
            const long long offset = ParamOffset(At(d.section, d.offset), 255, setB);
            EXPECT_FLOAT_EQ(Read(offset, d.enc), d.value)
                << SectionOf(d.section).name << " +" << d.offset << (setB ? " set B" : "");
        }
    }
}

}  // namespace
}  // namespace tessalin::test
