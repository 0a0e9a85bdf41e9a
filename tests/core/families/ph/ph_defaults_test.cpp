// The PH-SET and PH-FIX default records: the bytes the parameter tables name hold their factory
// defaults in the tables' encodings, every other byte is 0, and the section lookup hands them out.

#include <gtest/gtest.h>

#include "core/common/sections.h"
#include "core/families/default_records.h"
#include "core/families/ph/ph.h"
#include "support/default_records.h"

namespace tessalin::test {
namespace {

TEST(PhDefaults, NamedBytesHoldTheFactoryDefaults) {
    const NamedDefault cases[] = {
        {Section::PH_SET, 8, Enc::U8, 2},          // pulse suppression Off
        {Section::PH_SET, 21, Enc::U8, 15},        // buffer set
        {Section::PH_SET, 58, Enc::U8, 1},         // sensor type Standard
        {Section::PH_SET, 59, Enc::F32, 7},        // nominal zero
        {Section::PH_SET, 63, Enc::F32, 59.2f},    // nominal slope
        {Section::PH_SET, 68, Enc::F32, 168},      // cal timer
        {Section::PH_SET, 113, Enc::F32, -2},      // pH failure limit lo
        {Section::PH_SET, 155, Enc::F32, 42.5},    // rH warning limit hi
        {Section::PH_SET, 197, Enc::I16, 10},      // CO2 input filter
        {Section::PH_SET, 199, Enc::U8, 51},       // pressure unit mbar
        {Section::PH_SET, 200, Enc::F32, 1013},    // process pressure
        {Section::PH_SET, 207, Enc::U16, 999},     // max membrane changes
        {Section::PH_SET, 211, Enc::F32, -20},     // temperature min
        {Section::PH_SET, 220, Enc::U8, 89},       // product calibration
        {Section::PH_SET, 288, Enc::U8, 1},        // mode Load matrix
        {Section::PH_SET, 290, Enc::U16, 760},     // TTM entry
        {Section::PH_FIX, 13, Enc::F32, 7},        // calibrated zero
        {Section::PH_FIX, 17, Enc::F32, 58},       // calibrated slope
        {Section::PH_FIX, 49, Enc::U8, 1},         // sensor monitoring Default
        {Section::PH_FIX, 50, Enc::F32, 53.3f},    // slope min
        {Section::PH_FIX, 76, Enc::F32, 100000},   // reference max
        {Section::PH_FIX, 85, Enc::F32, 2.86e7f},  // glass min
        {Section::PH_FIX, 94, Enc::U16, 80},       // response time max
        {Section::PH_FIX, 97, Enc::F32, 3.2f},     // Calcheck distance
        {Section::PH_FIX, 183, Enc::U8, 1},        // cal timer monitoring Off
        {Section::PH_FIX, 206, Enc::U16, 1000},    // ISFET leakage max, stored as the table gives it
        {Section::PH_FIX, 214, Enc::F32, 0.05f},   // electrolyte concentration
        {Section::PH_FIX, 218, Enc::F32, 28},      // electrolyte salinity correction
    };
    ExpectNamedDefaults(cases);
}

TEST(PhDefaults, UnnamedBytesAreZero) {
    const auto set = PhSetDefaultRecord();
    const auto fix = PhFixDefaultRecord();
    for (uint16_t offset : {0, 7, 10, 72, 111, 240, 385}) EXPECT_EQ(set[offset], 0) << "PH-SET +" << offset;
    for (uint16_t offset : {0, 12, 102, 114, 134, 139, 212}) EXPECT_EQ(fix[offset], 0) << "PH-FIX +" << offset;
}

TEST(PhDefaults, SectionLookupGivesTheFamilyRecords) {
    ASSERT_EQ(PhSetDefaultRecord().size(), SectionOf(Section::PH_SET).size);
    ASSERT_EQ(PhFixDefaultRecord().size(), SectionOf(Section::PH_FIX).size);
    EXPECT_EQ(DefaultRecord(Section::PH_SET).data(), PhSetDefaultRecord().data());
    EXPECT_EQ(DefaultRecord(Section::PH_FIX).data(), PhFixDefaultRecord().data());
}

}  // namespace
}  // namespace tessalin::test
