#include <gtest/gtest.h>

#include "core/catalogue/formatters.h"
#include "core/catalogue/rules.h"
#include "core/workspace.h"

namespace tessalin {
namespace {

class RulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetWorkspace();
        Ws().CurrentParam.slot = 1;
    }
};

TEST_F(RulesTest, SetDefaultAddressesTheCurrentSlotAndSet) {
    Ws().ActiveParamSet = true;
    SetDefault(At(Section::PH_SET, 11), kPfUInt8, 2);
    EXPECT_EQ(Ws().ParImage.u8(0x0C00 + 11 + 0x2000), 2);
    EXPECT_EQ(Ws().ParImage.u8(0x0C00 + 11), 0);

    // Both sets: the set-A place and 0x2000 above, whatever set is active.
    SetDefault(At(Section::PH_SET, 12), kPfUInt8, 3, true);
    EXPECT_EQ(Ws().ParImage.u8(0x0C00 + 12), 3);
    EXPECT_EQ(Ws().ParImage.u8(0x0C00 + 12 + 0x2000), 3);

    // A slot's fixed part has its copy 0x2000 above as well; the front unit's SYS-FIX is written once,
    // because 0x2000 above it lie the controller settings of CTRL-FIX.
    SetDefault(At(Section::PH_FIX, 134), kPfUInt8, 4, true);
    EXPECT_EQ(Ws().ParImage.u8(0x0F20 + 134), 4);
    EXPECT_EQ(Ws().ParImage.u8(0x0F20 + 134 + 0x2000), 4);
    SetDefault(At(Section::SYS_FIX, 3), kPfUInt8, 9, true);
    EXPECT_EQ(Ws().ParImage.u8(0x0043), 9);
    EXPECT_EQ(Ws().ParImage.u8(0x2043), 0);
}

TEST_F(RulesTest, SetDefaultNeverWritesALocationWithoutAPlace) {
    // A module section asked for a calculation-block slot has no place: neither the image header nor the
    // identity block 0x2000 above it may change.
    Ws().CurrentParam.slot = 3;
    Ws().ParImage.setU8(0, 0x55);
    for (bool bothSets : {false, true}) SetDefault(At(Section::PH_SET, 4), kPfUInt32, 0x01020304, bothSets);
    EXPECT_EQ(Ws().ParImage.u32(0), 0x55u);
    EXPECT_EQ(Ws().ParImage.u32(0x2000), 0u);
}

TEST_F(RulesTest, SetDefaultOfAnEntryUsesItsScaleEncodingAndBothSetsFlag) {
    const TParamEntry entry{.location = At(Section::PH_SET, 20), .flags = kPfBothSets | kPfInt16, .scale = 2};
    Ws().ActiveParamSet = true;
    SetDefault(entry, -1.25);
    EXPECT_EQ(Ws().ParImage.i16(0x0C00 + 20), -125);
    EXPECT_EQ(Ws().ParImage.i16(0x0C00 + 20 + 0x2000), -125);
}

TEST_F(RulesTest, StampNowWritesTheDeviceSecondsExactly) {
    const uint32_t before = static_cast<uint32_t>(DeviceSecondsNow());
    StampNow(At(Section::PH_FIX, 102), true);
    const uint32_t stamped = Ws().ParImage.u32(0x0F20 + 102);
    EXPECT_GE(stamped, before);
    EXPECT_LE(stamped, static_cast<uint32_t>(DeviceSecondsNow()));
    EXPECT_EQ(Ws().ParImage.u32(0x0F20 + 102 + 0x2000), stamped);  // the slot's fixed part has its copy too
}

TEST_F(RulesTest, RequestTreeRebuildSetsTheRequest) {
    EXPECT_FALSE(Ws().TreeRebuildRequest);
    RequestTreeRebuild();
    EXPECT_TRUE(Ws().TreeRebuildRequest);
}

}  // namespace
}  // namespace tessalin
