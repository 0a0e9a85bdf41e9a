// The operating-mode page of the digital-sensor carriers: which rows and items a slot's page offers, and
// REFRESH, which gives the slot the module type of the chosen mode and variable, initialises exactly that
// slot with the new family's defaults and rebuilds the tree with the page still selected.
#include <cstring>
#include <vector>

#include "core/catalogue/codec.h"
#include "core/catalogue/events.h"
#include "core/common/sections.h"
#include "core/device/decode.h"
#include "core/families/menu_registry.h"
#include "core/families/opmode/opmode.h"
#include "core/families/opmode/slot_init.h"
#include "core/range_error.h"
#include "opmode_fixture.h"
#include "support/image_builder.h"

namespace tessalin::test {
namespace {

constexpr int kSlotII = kPosSlot2;
constexpr int kModeRowNew = 8, kVariableRowNew = 11, kRefresh = 14;  // the rows of slot II, newer carriers

long long Buf(uint16_t offset) { return ParamOffset(At(Section::BUF_FIX, offset), 255, false); }
long long At2(Section section, uint16_t offset, bool setB = false) {
    return ParamOffset(At(section, offset), Ws().Device.Slot[1].RecIndex, false) + (setB ? 0x2000 : 0);
}

class Carrier : public OpModeFixture {
protected:
    // An analogue pH module in [I] and digital-sensor carriers in [II] and [III], all pH at first.
    void SetUp() override {
        MakeDevice({.major = '9', .options = {"optFIUOXY"}, .modules = {3, 27, 27}});
        ASSERT_EQ(Ws().Device.Slot[1].Code, 170);
    }

    // The carriers' hardware version, as the identity records give it.
    static void CarrierHardware(uint8_t version) {
        for (int s : {1, 2}) Ws().ParImage.setU8(8256 + 8LL * Ws().Device.Slot[s].RecIndex + 2, version);
        Ws().Device.Origin = kOriginTool;
        DecodeDevice(false);
        ASSERT_TRUE(BuildDeviceTree());
    }

    static std::vector<uint8_t> Bytes(long long from, long long to) {
        const auto span = Ws().ParImage.bytes(from, static_cast<std::size_t>(to - from));
        return {span.begin(), span.end()};
    }
};

struct Switch {
    int mode;
    int variable;
    int type;
    const char* menu;
    int storedVariable;
};

TEST_F(Carrier, RefreshGivesTheSlotTheTypeOfTheChosenModeAndVariable) {
    const Switch cases[] = {
        {6, 11, 175, "MenuDigPHORP", 11}, {6, 10, 176, "MenuDigPH12", 10}, {6, 6, 174, "MenuDigORP", 6},
        {6, 2, 172, "MenuDigCond", 2},    {6, 1, 171, "MenuDigOxy", 1},    {6, 3, 173, "MenuDigCondI", 3},
        {10, 3, 193, "MenuSensorCondI", 3},
    };
    for (const Switch& c : cases) {
        SCOPED_TRACE(c.menu);
        SetUp();
        CarrierHardware(40);
        const std::vector<uint8_t> slotIII = Bytes(0x0800 + 0x400 * Ws().Device.Slot[2].RecIndex, 0x0800 + 0x400 * (Ws().Device.Slot[2].RecIndex + 1));
        PageModel page = OpenPage(SlotEntry(kSlotII, 0), kSlotII);
        Choose(page, kModeRowNew, c.mode);
        Choose(page, kVariableRowNew, c.variable);
        EXPECT_TRUE(Refresh(page, kRefresh));

        EXPECT_EQ(Ws().Device.Slot[1].Code, c.type);
        EXPECT_EQ(Ws().Device.Slot[1].AttachCode, 27);
        EXPECT_EQ(MenuNameOf(c.type), c.menu);
        EXPECT_EQ(Ws().ParImage.u8(Buf(342)), c.mode);
        EXPECT_EQ(Ws().ParImage.u8(Buf(343)), c.storedVariable);
        // The other slots keep their modules, and [III] its parameters.
        EXPECT_EQ(Ws().Device.Slot[0].Code, 3);
        EXPECT_EQ(Ws().Device.Slot[2].Code, 170);
        EXPECT_EQ(Bytes(0x0800 + 0x400 * Ws().Device.Slot[2].RecIndex, 0x0800 + 0x400 * (Ws().Device.Slot[2].RecIndex + 1)), slotIII);
        EXPECT_NE(NodeOf(SlotEntry(kPosSlot3, 0), kPosSlot3), -1);
        // A family with a menu shows it with the operating-mode page still selected; one without shows no
        // branch for the slot.
        if (MenuTableOf(c.type)->end > 0) {
            EXPECT_EQ(Selected(), std::make_pair(SlotEntry(kSlotII, 0), kSlotII));
            EXPECT_NE(page.find(kRefresh), nullptr);
        } else {
            EXPECT_EQ(Selected().first, nullptr);
        }
    }
}

TEST_F(Carrier, RefreshInitialisesTheSlotWithTheNewFamilysDefaultsInBothSets) {
    // Some pH values of the old sensor that must not survive the change.
    for (bool setB : {false, true}) Ws().ParImage.setU16(At2(Section::PH_SET, 290, setB), 1234);
    PageModel page = OpenPage(SlotEntry(kSlotII, 0), kSlotII);
    Choose(page, 5, 6);  // the variable row of slot II, older carriers: ORP
    ASSERT_TRUE(Refresh(page, kRefresh));
    ASSERT_EQ(Ws().Device.Slot[1].Code, 174);
    for (bool setB : {false, true}) {
        SCOPED_TRACE(setB ? "set B" : "set A");
        EXPECT_EQ(Ws().ParImage.u16(At2(Section::PH_SET, 290, setB)), 0);
        // ORP start values, and the ORP-FIX defaults in both halves of the image.
        EXPECT_EQ(Ws().ParImage.u8(At2(Section::ORP_SET, 9, setB)), 5);
        EXPECT_EQ(Ws().ParImage.u8(At2(Section::ORP_SET, 11, setB)), 1);
        EXPECT_EQ(Ws().ParImage.u8(At2(Section::ORP_SET, 16, setB)), 1);
        EXPECT_EQ(Ws().ParImage.u8(At2(Section::ORP_FIX, 13, setB)), 2);
        EXPECT_FLOAT_EQ(Ws().ParImage.f32(At2(Section::ORP_FIX, 18, setB)), -200);
        EXPECT_EQ(Ws().ParImage.u16(At2(Section::ORP_FIX, 202, setB)), 730);
    }
    EXPECT_TRUE(Ws().Modified);

    // Back to pH/ORP: the digital pH sensors' own defaults come with the pH family's.
    CarrierHardware(40);
    page = OpenPage(SlotEntry(kSlotII, 0), kSlotII);
    Choose(page, kVariableRowNew, 11);
    ASSERT_TRUE(Refresh(page, kRefresh));
    for (bool setB : {false, true}) {
        EXPECT_EQ(Ws().ParImage.u8(At2(Section::PH_SET, 221, setB)), 2);
        EXPECT_FLOAT_EQ(Ws().ParImage.f32(At2(Section::PH_SET, 226, setB)), -500);
        EXPECT_EQ(Ws().ParImage.u8(At2(Section::PH_SET, 21, setB)), 15);
        EXPECT_EQ(Ws().ParImage.u8(At2(Section::PH_SET, 9, setB)), 2);  // the pH default, no ORP start value
    }
}

// Every module type that REFRESH or the radio page gives a slot starts from zeros, its family's default
// records and exactly its start values, in both sets.
TEST_F(Carrier, EveryTypeAModeGivesStartsWithItsFamilysDefaultsAndStartValues) {
    struct Value {
        Section section;
        uint16_t offset;
        double value;
        Encoding encoding = Encoding::UInt8;
    };
    constexpr Section PS = Section::PH_SET, OS = Section::OXY_SET, OF = Section::OXY_FIX, CS = Section::COND_SET,
                      RS = Section::ORP_SET, IS = Section::CONDI_SET;
    const std::vector<Value> ph = {{PS, 9, 5}, {PS, 11, 1}, {PS, 16, 1}};
    const std::vector<Value> oxygen = {{OF, 148, 1}, {OF, 160, 1}, {OF, 163, 1}, {OF, 168, 1}, {OF, 171, 1},
                                       {OS, 215, 1}, {OS, 24, 2},  {OS, 29, 2},  {OS, 159, 1}};
    std::vector<Value> trace = oxygen;
    trace.insert(trace.end(), {{OS, 23, 5},
                               {OF, 9, -5000, Encoding::Float},
                               {OF, 108, -5000, Encoding::Float},
                               {OF, 112, -8000, Encoding::Float},
                               {OF, 116, -2500, Encoding::Float}});
    const std::vector<Value> conductivity = {{CS, 23, 6}, {CS, 29, 0}, {CS, 32, 1}, {CS, 37, 1}};
    // Sensor 13 with its coding "70031", cell factor, transfer ratio and probe; the coding decoded.
    const std::vector<Value> sensorInput = {
        {IS, 36, 13}, {IS, 50, '7'}, {IS, 51, '0'}, {IS, 52, '0'}, {IS, 53, '3'}, {IS, 54, '1'},
        {IS, 55, 6.4, Encoding::Float}, {IS, 59, 100, Encoding::Float}, {IS, 23, 5}, {IS, 63, 7}, {IS, 64, 4}};
    const struct {
        int type;
        std::vector<Value> starts;
    } cases[] = {
        {170, ph}, {150, ph}, {176, ph}, {175, {}}, {171, oxygen}, {151, oxygen}, {152, trace},
        {172, conductivity}, {154, conductivity}, {173, {}}, {174, {{RS, 9, 5}, {RS, 11, 1}, {RS, 16, 1}}},
        {193, sensorInput},
    };
    constexpr uint8_t kBlock = 1;
    const long long start = 0x0800 + 0x400 * kBlock;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        SetUp();
        ParImageBuffer expected = Ws().ParImage;
        const auto [setSection, fixSection] = ParamSectionsOf(c.type);
        for (long long half : {0LL, 0x2000LL}) {
            for (long long i = 0; i < 0x400; ++i) expected.setU8(start + half + i, 0);
            const auto set = FamilyDefaultRecord(setSection, c.type, Ws().Device.Front);
            const auto fix = FamilyDefaultRecord(fixSection, c.type, Ws().Device.Front);
            expected.writeBytes(start + half, set);
            expected.writeBytes(start + half + 800, fix);
            for (const Value& v : c.starts) {
                const long long at = ParamOffset(At(v.section, v.offset), kBlock, false) + half;
                if (v.encoding == Encoding::Float) expected.setF32(at, static_cast<float>(v.value));
                else expected.setU8(at, static_cast<uint8_t>(v.value));
            }
        }
        InitialiseSlot(kBlock, c.type);
        for (long long half : {0LL, 0x2000LL})
            for (long long i = 0; i < 0x400; ++i)
                ASSERT_EQ(Ws().ParImage.u8(start + half + i), expected.u8(start + half + i)) << "byte " << i << " half " << half;
    }
}

TEST_F(Carrier, TheSameChoiceOrLeavingWithoutRefreshChangesNothing) {
    const ParImageBuffer before = Ws().ParImage;
    const std::vector<int> nodesBefore = NodesInOrder();

    PageModel page = OpenPage(SlotEntry(kSlotII, 0), kSlotII);
    const int selected = Ws().Tree.selected;
    EXPECT_FALSE(Refresh(page, kRefresh));
    EXPECT_EQ(Ws().Tree.selected, selected);
    EXPECT_EQ(NodesInOrder(), nodesBefore);

    // Another choice, then another page: the image keeps the device's setting.
    Choose(page, 2, 10);
    Choose(page, 5, 3);
    page = OpenPage(SlotEntry(kPosSlot1, 1), kPosSlot1);
    EXPECT_EQ(std::memcmp(Ws().ParImage.bytes(0, 0x7000).data(), before.bytes(0, 0x7000).data(), 0x7000), 0);
    EXPECT_EQ(Ws().Device.Slot[1].Code, 170);
    page = OpenPage(SlotEntry(kSlotII, 0), kSlotII);
    EXPECT_EQ(page.find(2)->items[page.find(2)->selected].code, 6);
    EXPECT_EQ(page.find(5)->items[page.find(5)->selected].code, 0);
}

TEST_F(Carrier, EachSlotsPageShowsItsOwnRowsForItsCarrierHardware) {
    EXPECT_EQ(ShownRows(OpenPage(SlotEntry(kSlotII, 0), kSlotII)), (std::vector<int>{0, 2, 5, 13, 14}));
    EXPECT_EQ(ShownRows(OpenPage(SlotEntry(kPosSlot3, 0), kPosSlot3)), (std::vector<int>{0, 3, 6, 13, 14}));
    CarrierHardware(32);
    EXPECT_EQ(ShownRows(OpenPage(SlotEntry(kSlotII, 0), kSlotII)), (std::vector<int>{0, 8, 11, 13, 14}));
    const PageModel page = OpenPage(SlotEntry(kSlotII, 0), kSlotII);
    EXPECT_EQ(page.find(0)->headingLines, 2);
    EXPECT_EQ(page.find(14)->buttons.at(0).caption, "REFRESH");
}

TEST_F(Carrier, ASlotWithARecordOutsideTheImageIsRefusedUnchanged) {
    Ws().ParImage.setU8(37 + 5, 7);  // slot II names identity record 7, beyond the three
    Ws().ParImage.setU8(8256 + 8 * 7, 109);
    Ws().Device.Origin = kOriginTool;
    DecodeDevice(false);
    ASSERT_TRUE(BuildDeviceTree());
    PageModel page = OpenPage(SlotEntry(kSlotII, 0), kSlotII);
    Choose(page, 5, 2);
    const ParImageBuffer before = Ws().ParImage;
    EXPECT_THROW(PressButton(page, kRefresh, 1, false), RangeError);
    EXPECT_EQ(std::memcmp(before.bytes(0, 0x7000).data(), Ws().ParImage.bytes(0, 0x7000).data(), 0x7000), 0);
    EXPECT_FALSE(Ws().TreeRebuildRequest);
}

struct Items {
    uint8_t hardware;
    int mode;
    std::vector<int> modes;
    std::vector<int> variables;
};

TEST_F(Carrier, TheVariablesOfferedFollowTheChosenModeAndTheCarrier) {
    const Items cases[] = {
        {1, 6, {6, 10}, {0, 1, 2, 6}},
        {1, 10, {6, 10}, {3}},
        {32, 6, {6, 10}, {0, 11, 1, 2, 3, 6}},
        {34, 6, {6, 10}, {0, 10, 11, 1, 2, 3, 6}},
        {34, 10, {6, 10}, {3}},
    };
    for (const Items& c : cases) {
        SCOPED_TRACE(testing::Message() << "hardware " << int(c.hardware) << " mode " << c.mode);
        SetUp();
        CarrierHardware(c.hardware);
        const bool newer = c.hardware >= 32;
        PageModel page = OpenPage(SlotEntry(kSlotII, 0), kSlotII);
        Choose(page, newer ? kModeRowNew : 2, c.mode);
        EXPECT_EQ(ItemCodes(page, newer ? kModeRowNew : 2), c.modes);
        EXPECT_EQ(ItemCodes(page, newer ? kVariableRowNew : 5), c.variables);
    }
}

TEST_F(OpModeFixture, OnlyASensorOnADigitalSensorCarrierHasTheOperatingModeItem) {
    // A digital pH sensor reached through the I-module (stored code 30 behind attach code 24).
    ImageBuilder b;
    b.version('9', '0').base(1).iModule(24, 0x10, 1);
    b.slot(0, 30, 0, 1).record(0, {.hwId = 109, .hwVersion = 40}).attach(0, 24);
    InstallImage(b.build());
    Ws().Device.Origin = kOriginFile;
    DecodeDevice(false);
    ASSERT_EQ(Ws().Device.Slot[0].Code, 160);
    ASSERT_TRUE(BuildDeviceTree());
    EXPECT_EQ(NodeOf(SlotEntry(kPosSlot1, 0), kPosSlot1), -1);
    EXPECT_NE(NodeOf(SlotEntry(kPosSlot1, 1), kPosSlot1), -1);
}

}  // namespace
}  // namespace tessalin::test

namespace tessalin::test {
namespace {

TEST_F(OpModeFixture, TheOpticalCarriersPageKeepsItsOxygenSensor) {
    ASSERT_TRUE(BuildThroughConfigurator({.codes = {50, 29}, .major = 'A'}));
    ASSERT_EQ(Ws().Device.Slot[0].Code, 211);
    ASSERT_TRUE(BuildDeviceTree());

    PageModel page = OpenPage(SlotEntry(kPosSlot1, 0), kPosSlot1);
    EXPECT_EQ(ShownRows(page), (std::vector<int>{0, 1, 4, 7, 8}));
    EXPECT_EQ(ItemCodes(page, 1), (std::vector<int>{11}));
    EXPECT_EQ(ItemCodes(page, 4), (std::vector<int>{1}));
    EXPECT_FALSE(Refresh(page, 8));

    // A sensor-type byte the page does not know: REFRESH keeps the optical sensor.
    Ws().ParImage.setU8(0x7003, 5);
    PressButton(page, 8, 1, false);
    Ws().Device.Origin = kOriginTool;
    DecodeDevice(false);
    EXPECT_EQ(Ws().Device.Slot[0].Code, 211);
    EXPECT_EQ(Ws().ParImage.u8(ParamOffset(At(Section::BUF_FIX, 341), 255, false)), 1);
}

}  // namespace
}  // namespace tessalin::test
