// The OXY-SET and OXY-FIX default records: the bytes the parameter tables name hold their factory
// defaults in the tables' encodings, every other byte is 0, and the section lookup hands them out.

#include <gtest/gtest.h>

#include "core/common/sections.h"
#include "core/families/default_records.h"
#include "core/families/oxy/oxy.h"
#include "support/default_records.h"

namespace tessalin::test {
namespace {

TEST(OxyDefaults, NamedBytesHoldTheFactoryDefaults) {
    const NamedDefault cases[] = {
        {Section::OXY_SET, 8, Enc::U8, 3},          // pulse suppression Weak
        {Section::OXY_SET, 9, Enc::U8, 8},          // temp probe NTC 22 kOhm
        {Section::OXY_SET, 23, Enc::U8, 2},         // sensor type Standard
        {Section::OXY_SET, 25, Enc::F32, 1013},     // manual pressure during measuring
        {Section::OXY_SET, 51, Enc::F32, 25},       // conductivity temperature
        {Section::OXY_SET, 55, Enc::F32, 675},      // polarization voltage
        {Section::OXY_SET, 68, Enc::U8, 41},        // saturation cal %Air
        {Section::OXY_SET, 69, Enc::U8, 43},        // concentration cal mg/l
        {Section::OXY_SET, 70, Enc::F32, 720},      // cal timer
        {Section::OXY_SET, 87, Enc::F32, 600},      // %Air failure limit hi
        {Section::OXY_SET, 142, Enc::U8, 2},        // temperature messages: device limits
        {Section::OXY_SET, 160, Enc::F32, 700},     // air pressure failure limit lo
        {Section::OXY_SET, 177, Enc::U8, 2},        // sensor without guard
        {Section::OXY_SET, 209, Enc::F32, 9999},    // ppm failure limit hi
        {Section::OXY_SET, 213, Enc::I16, 10},      // input filter
        {Section::OXY_SET, 221, Enc::F32, 9999},    // transmitter 20 mA
        {Section::OXY_SET, 290, Enc::U16, 760},     // TTM entry
        {Section::OXY_FIX, 9, Enc::F32, -50},       // calibrated slope
        {Section::OXY_FIX, 103, Enc::F32, 1},       // membrane correction
        {Section::OXY_FIX, 112, Enc::F32, -110},    // slope min
        {Section::OXY_FIX, 126, Enc::F32, -1},      // zero min
        {Section::OXY_FIX, 140, Enc::F32, 28570},   // current input min
        {Section::OXY_FIX, 150, Enc::U16, 1200},    // response time max
        {Section::OXY_FIX, 172, Enc::U8, 1},        // operating time monitoring Off
        {Section::OXY_FIX, 173, Enc::U16, 9999},    // max operating time
        {Section::OXY_FIX, 183, Enc::F32, 150},     // temperature max
        {Section::OXY_FIX, 193, Enc::U16, 999},     // max inner body changes
    };
    ExpectNamedDefaults(cases);
}

TEST(OxyDefaults, UnnamedBytesAreZero) {
    const auto set = OxySetDefaultRecord();
    const auto fix = OxyFixDefaultRecord();
    for (uint16_t offset : {0, 7, 22, 34, 60, 225, 287}) EXPECT_EQ(set[offset], 0) << "OXY-SET +" << offset;
    for (uint16_t offset : {0, 4, 14, 26, 46, 47, 159, 203}) EXPECT_EQ(fix[offset], 0) << "OXY-FIX +" << offset;
}

TEST(OxyDefaults, SectionLookupGivesTheFamilyRecords) {
    ASSERT_EQ(OxySetDefaultRecord().size(), SectionOf(Section::OXY_SET).size);
    ASSERT_EQ(OxyFixDefaultRecord().size(), SectionOf(Section::OXY_FIX).size);
    EXPECT_EQ(DefaultRecord(Section::OXY_SET).data(), OxySetDefaultRecord().data());
    EXPECT_EQ(DefaultRecord(Section::OXY_FIX).data(), OxyFixDefaultRecord().data());
}

}  // namespace
}  // namespace tessalin::test
