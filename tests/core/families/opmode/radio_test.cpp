// The I-module's operating-mode pages: the items the software version offers, and REFRESH, which gives
// the two channel slots the module types of the mode and variables and initialises the channels whose
// variable changed.
#include <cstring>
#include <vector>

#include "core/catalogue/codec.h"
#include "core/common/sections.h"
#include "core/data_set/par_image.h"
#include "core/device/decode.h"
#include "core/families/default_records.h"
#include "core/families/opmode/radio.h"
#include "opmode_fixture.h"

namespace tessalin::test {
namespace {

constexpr int kModeRow82 = 3, kVariable1 = 4, kVariable2 = 5, kRefresh = 7;

long long Block(int s, Section section, uint16_t offset, bool setB = false) {
    return ParamOffset(At(section, offset), Ws().Device.Slot[s].RecIndex, false) + (setB ? 0x2000 : 0);
}

class Radio : public OpModeFixture {
protected:
    // A radio I-module on software 8.x serving [I] (pH) and [II] (inactive), with the two-sensor option and the
    // oxygen option of variant 152.
    void SetUp() override {
        MakeDevice({.major = '8', .options = {"optFIU2K", "optFIUSPU"}, .modules = {28}});
        ASSERT_EQ(Ws().Device.IModule.Code, 28);
        ASSERT_EQ(Ws().Device.Slot[0].Code, 150);
        ASSERT_EQ(Ws().Device.Slot[1].Code, 25);
    }

    static PageModel OpenMode() { return OpenPage(&MenuRadio[0], kPosBase); }

    static std::vector<uint8_t> BlockBytes(int s) {
        const auto span = Ws().ParImage.bytes(0x0800 + 0x400LL * Ws().Device.Slot[s].RecIndex, 0x400);
        return {span.begin(), span.end()};
    }
};

TEST_F(Radio, TwoSensorsGiveTheSecondChannelItsTypeAndDefaults) {
    const std::vector<uint8_t> channel1 = BlockBytes(0);
    PageModel page = OpenMode();
    EXPECT_EQ(ShownRows(page), (std::vector<int>{0, kModeRow82, kVariable1, 6, kRefresh}));
    Choose(page, kModeRow82, 3);
    Choose(page, kVariable2, 2);
    ASSERT_TRUE(Refresh(page, kRefresh));

    EXPECT_EQ(Ws().Device.Slot[0].Code, 150);
    EXPECT_EQ(Ws().Device.Slot[1].Code, 154);
    // The first channel's variable did not change: its parameters stay.
    EXPECT_EQ(BlockBytes(0), channel1);
    for (bool setB : {false, true}) EXPECT_EQ(Ws().ParImage.u8(Block(1, Section::COND_SET, 23, setB)), 6);
    EXPECT_EQ(Selected(), std::make_pair(&MenuRadio[0], int(kPosBase)));
    EXPECT_NE(page.find(kVariable2), nullptr);

    // Pressing again with nothing changed does nothing.
    const ParImageBuffer before = Ws().ParImage;
    EXPECT_FALSE(Refresh(page, kRefresh));
    EXPECT_EQ(std::memcmp(before.bytes(0, 0x7000).data(), Ws().ParImage.bytes(0, 0x7000).data(), 0x7000), 0);
}

TEST_F(Radio, AChangedVariableReinitialisesItsChannel) {
    for (bool setB : {false, true}) Ws().ParImage.setU8(Block(0, Section::PH_SET, 21, setB), 3);
    PageModel page = OpenMode();
    Choose(page, kVariable1, 1);
    ASSERT_TRUE(Refresh(page, kRefresh));
    EXPECT_EQ(Ws().Device.Slot[0].Code, 152);
    for (bool setB : {false, true}) {
        // The oxygen defaults replace the pH values.
        EXPECT_EQ(Ws().ParImage.u8(Block(0, Section::PH_SET, 21, setB)), DefaultRecord(Section::OXY_SET)[21]);
        EXPECT_EQ(Ws().ParImage.u8(Block(0, Section::OXY_SET, 23, setB)), 5);  // trace sensor 001
        EXPECT_FLOAT_EQ(Ws().ParImage.f32(Block(0, Section::OXY_FIX, 112, setB)), -8000);
        // An analogue channel gets no fixed start values.
        EXPECT_EQ(Ws().ParImage.u8(Block(0, Section::OXY_FIX, 148, setB)), DefaultRecord(Section::OXY_FIX)[148]);
    }
}

TEST_F(Radio, TheProbeControllerComesAndGoesWithItsModes) {
    PageModel page = OpenMode();
    Choose(page, kModeRow82, 4);
    ASSERT_TRUE(Refresh(page, kRefresh));
    EXPECT_EQ(Ws().Device.Slot[1].Code, 153);
    EXPECT_EQ(Ws().Device.Purgon.TypeCode, 79);

    Choose(page, kModeRow82, 0);
    ASSERT_TRUE(Refresh(page, kRefresh));
    EXPECT_EQ(Ws().Device.Slot[0].Code, 25);
    EXPECT_EQ(Ws().Device.Slot[1].Code, 25);
    EXPECT_EQ(Ws().Device.Purgon.TypeCode, 0);
    EXPECT_EQ(Ws().ParImage.u8(kPurgonOffset + 2), 0);
}

TEST_F(Radio, LeavingWithoutRefreshKeepsTheModules) {
    PageModel page = OpenMode();
    Choose(page, kModeRow82, 3);
    page = OpenPage(SlotEntry(kPosSlot1, 0), kPosSlot1);
    EXPECT_EQ(Ws().Device.Slot[1].Code, 25);
    EXPECT_FALSE(Ws().TreeRebuildRequest);
}

struct VersionCase {
    char minor;
    std::vector<int> rows;
    std::vector<int> modes;
};

TEST_F(Radio, TheModesOfferedFollowTheVersion) {
    const VersionCase cases[] = {
        {'0', {0, 2, 4, 6, 7}, {0, 1, 8, 2, 3, 4}},
        {'2', {0, 3, 4, 6, 7}, {0, 1, 8, 2, 3, 4, 9, 5, 6, 7}},
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(c.minor);
        Ws().ParImage.setU8(4, static_cast<uint8_t>(c.minor));
        Ws().Device.Origin = kOriginTool;
        DecodeDevice(false);
        ASSERT_TRUE(BuildDeviceTree());
        const PageModel page = OpenMode();
        EXPECT_EQ(ShownRows(page), c.rows);
        EXPECT_EQ(ItemCodes(page, c.rows[1]), c.modes);
    }
    EXPECT_EQ(NodeOf(&MenuRadio[1], kPosBase), -1);  // ZigBee only for radio modes
    EXPECT_EQ(NodeOf(&MenuRadio[2], kPosBase), -1);  // the page of version 9
}

TEST_F(OpModeFixture, Version9OffersTheChannelsVariablesByTheChannelRule) {
    MakeDevice({.major = '9', .options = {"optFIU2K"}, .modules = {28}});
    PageModel page = OpenPage(&MenuRadio[2], kPosBase);
    EXPECT_EQ(NodeOf(&MenuRadio[0], kPosBase), -1);
    EXPECT_EQ(ShownRows(page), (std::vector<int>{0, 1, 2, 4, 5}));
    EXPECT_EQ(ItemCodes(page, 2), (std::vector<int>{0, 2, 3}));
    Choose(page, 1, 7);
    EXPECT_EQ(ItemCodes(page, 2), (std::vector<int>{0, 2, 6}));
    EXPECT_EQ(ItemCodes(page, 3), (std::vector<int>{0, 2, 6}));
}

}  // namespace
}  // namespace tessalin::test
