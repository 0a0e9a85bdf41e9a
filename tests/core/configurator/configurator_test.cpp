#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "core/catalogue/codec.h"
#include "core/common/sections.h"
#include "core/configurator/configurator.h"
#include "core/device/decode.h"
#include "core/families/default_records.h"
#include "core/families/opmode/slot_init.h"
#include "core/range_error.h"
#include "core/workspace.h"
#include "support/image_builder.h"

namespace tessalin::configurator {
namespace {

std::vector<int> OfferedCodes(const Configurator& c) {
    std::vector<int> codes;
    for (const OfferedItem& item : c.offered()) codes.push_back(kModuleCatalogue[item.row].code);
    return codes;
}

// Decodes the configurator's working image from scratch and checks that the working device record
// describes it: codes, record indexes, slot masks, attach codes, the I-module and the Purgon controller.
void ExpectConsistent(const Configurator& c) {
    const TDevice working = c.device();
    ResetWorkspace();
    Ws().ParImage = c.image();
    Ws().Device.Origin = kOriginTool;
    DecodeDevice(true);
    const TDevice& decoded = Ws().Device;
    EXPECT_EQ(decoded.Front.Code, working.Front.Code);
    EXPECT_EQ(decoded.Front.SwMajor, working.Front.SwMajor);
    EXPECT_EQ(decoded.Front.Options, working.Front.Options);
    EXPECT_EQ(decoded.Base.Code, working.Base.Code);
    EXPECT_EQ(decoded.IModule.Code, working.IModule.Code);
    EXPECT_EQ(decoded.IModule.SlotMask, working.IModule.SlotMask);
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(decoded.Slot[s].Code, working.Slot[s].Code) << "slot " << s;
        if (working.Slot[s].Code == 0) continue;
        EXPECT_EQ(decoded.Slot[s].RecIndex, working.Slot[s].RecIndex) << "slot " << s;
        EXPECT_EQ(decoded.Slot[s].SlotMask, working.Slot[s].SlotMask) << "slot " << s;
        EXPECT_EQ(decoded.Slot[s].AttachCode, working.Slot[s].AttachCode) << "slot " << s;
        EXPECT_EQ(decoded.Slot[s].HwId, working.Slot[s].HwId) << "slot " << s;
    }
    EXPECT_EQ(decoded.Purgon.TypeCode, working.Purgon.TypeCode);
    if (working.Purgon.TypeCode != 0) {
        EXPECT_EQ(decoded.Purgon.SlotMask, working.Purgon.SlotMask);
    }
}

class ConfiguratorTest : public ::testing::Test {
protected:
    void SetUp() override { ResetWorkspace(); }

    // A new configuration: standard front, base, at the given software version.
    Configurator NewDevice(char major, int base = 1) {
        Configurator c;
        EXPECT_TRUE(c.addCode(2).ok);
        c.setVersion(major);
        EXPECT_TRUE(c.addCode(base).ok);
        return c;
    }
};

TEST_F(ConfiguratorTest, OfferedListFollowsTheState) {
    Configurator c;
    EXPECT_EQ(c.state(), ListState::NoFront);
    EXPECT_EQ(OfferedCodes(c), (std::vector<int>{2, 17}));
    EXPECT_EQ(c.listBackground(), (Rgb{210, 237, 210}));

    ASSERT_TRUE(c.addCode(2).ok);
    EXPECT_EQ(c.state(), ListState::NoBase);
    EXPECT_EQ(OfferedCodes(c), (std::vector<int>{1, 50}));

    ASSERT_TRUE(c.addCode(1).ok);
    EXPECT_EQ(c.state(), ListState::Modules);
    // Software A.2, standard front: every module row in catalogue order; no CO2 (never offered), no LDO
    // (needs base 50), no Purgon controller (needs a carrier), no sub-types, no blocks.
    EXPECT_EQ(OfferedCodes(c), (std::vector<int>{3, 12, 13, 19, 4, 5, 6, 10, 11, 20, 21, 26, 28, 27, 8, 14, 23, 9}));

    Configurator variant;
    ASSERT_TRUE(variant.addCode(17).ok);
    EXPECT_EQ(OfferedCodes(variant), (std::vector<int>{15, 16}));
    ASSERT_TRUE(variant.addCode(15).ok);
    const auto codes = OfferedCodes(variant);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 3), 0);   // standard-only pH module
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 24), 1);  // the variant's I-module
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 28), 0);
}

TEST_F(ConfiguratorTest, VersionDecidesTheOffer) {
    Configurator v5 = NewDevice('5');
    auto codes = OfferedCodes(v5);
    EXPECT_NE(std::find(codes.begin(), codes.end(), 7), codes.end());
    EXPECT_EQ(std::find(codes.begin(), codes.end(), 19), codes.end());
    EXPECT_EQ(std::find(codes.begin(), codes.end(), 28), codes.end());
    EXPECT_FALSE(v5.addCode(19).ok);
}

TEST_F(ConfiguratorTest, SlotThreeFullOffersNothing) {
    Configurator c = NewDevice('9');
    for (int code : {3, 5, 8}) ASSERT_TRUE(c.addCode(code).ok);
    EXPECT_EQ(c.state(), ListState::SlotsFull);
    EXPECT_TRUE(c.offered().empty());
    EXPECT_FALSE(c.listBackground().has_value());
    const Outcome refused = c.addCode(9);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.reason(1).find("[III]"), std::string::npos);
    ExpectConsistent(c);
}

TEST_F(ConfiguratorTest, IModuleNeedsSlotTwoFree) {
    Configurator c = NewDevice('9');
    ASSERT_TRUE(c.addCode(3).ok);
    ASSERT_TRUE(c.addCode(5).ok);
    const Outcome refused = c.addCode(28);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.reason(1).find("[II]"), std::string::npos);

    Configurator free = NewDevice('9');
    ASSERT_TRUE(free.addCode(3).ok);
    ASSERT_TRUE(free.addCode(28).ok);
    EXPECT_EQ(free.device().IModule.Code, 28);
    EXPECT_EQ(free.device().Slot[1].Code, 180);  // default block: one analog pH sensor
    EXPECT_EQ(free.device().Slot[2].Code, 25);   // second channel inactive
    EXPECT_EQ(free.device().IModule.SlotMask, 6);
    ExpectConsistent(free);
}

TEST_F(ConfiguratorTest, IModuleBeforeVersionNine) {
    Configurator c = NewDevice('8');
    ASSERT_TRUE(c.addCode(28).ok);
    EXPECT_EQ(c.device().Slot[0].Code, 150);
    EXPECT_EQ(c.device().Slot[1].Code, 25);
    EXPECT_EQ(c.device().IModule.SlotMask, 3);
    // Each channel has an identity record and a parameter block of its own.
    EXPECT_NE(c.device().Slot[0].RecIndex, c.device().Slot[1].RecIndex);
    EXPECT_EQ(c.device().Slot[0].HwId, 108);
    ExpectConsistent(c);
}

TEST_F(ConfiguratorTest, LdoOnlyWithBase50AndSlotThreeFree) {
    Configurator base1 = NewDevice('A', 1);
    EXPECT_FALSE(base1.addCode(29).ok);

    Configurator base50 = NewDevice('A', 50);
    ASSERT_TRUE(base50.addCode(3).ok);
    ASSERT_TRUE(base50.addCode(29).ok);
    EXPECT_EQ(base50.device().Slot[1].Code, 211);
    EXPECT_EQ(base50.device().Slot[1].AttachCode, 29);
    EXPECT_FALSE(base50.addCode(29).ok);  // one LDO module at most
    ExpectConsistent(base50);
}

TEST_F(ConfiguratorTest, DigitalSensorModuleAndPurgonController) {
    Configurator c = NewDevice('9');
    ASSERT_TRUE(c.addCode(27).ok);
    EXPECT_EQ(c.device().Slot[0].Code, 170);
    EXPECT_FALSE(c.addCode(79).ok);  // no carrier yet
    ASSERT_TRUE(c.addCode(4).ok);
    ASSERT_TRUE(c.addCode(79).ok);
    EXPECT_EQ(c.device().Purgon.TypeCode, 79);
    EXPECT_EQ(c.device().Purgon.SlotMask, 2);
    EXPECT_FALSE(c.addCode(80).ok);  // one controller at most
    ExpectConsistent(c);

    ASSERT_TRUE(c.remove(kPosPurgonNode).ok);
    EXPECT_EQ(c.device().Purgon.TypeCode, 0);
    ExpectConsistent(c);
}

TEST_F(ConfiguratorTest, ModulesReuseTheirChannelWithItsParameters) {
    Configurator c = NewDevice('9');
    ASSERT_TRUE(c.addCode(3).ok);
    ASSERT_TRUE(c.addCode(5).ok);
    EXPECT_EQ(c.device().Slot[0].RecIndex, 0);
    EXPECT_EQ(c.device().Slot[1].RecIndex, 1);
    ASSERT_TRUE(c.remove(kPosSlot1).ok);  // the conductivity module moves up, keeping channel 1
    EXPECT_EQ(c.device().Slot[0].Code, 5);
    EXPECT_EQ(c.device().Slot[0].RecIndex, 1);
    EXPECT_EQ(c.device().Slot[0].SlotMask, 1);
    EXPECT_EQ(c.device().Slot[1].Code, 0);
    ASSERT_TRUE(c.addCode(3).ok);          // the pH module finds its old channel again
    EXPECT_EQ(c.device().Slot[1].RecIndex, 0);
    ExpectConsistent(c);
}

TEST_F(ConfiguratorTest, ModuleDefaultsStandInBothSetsFixedPartIncluded) {
    Configurator c = NewDevice('9');
    ASSERT_TRUE(c.addCode(4).ok);
    const ParImageBuffer& image = c.image();
    const auto [setSection, fixSection] = ParamSectionsOf(4);
    for (Section section : {setSection, fixSection}) {
        const auto record = FamilyDefaultRecord(section, 4, c.device().Front);
        const long long at = ParamOffset(At(section, 0), c.device().Slot[0].RecIndex, false);
        for (std::size_t i = 0; i < record.size(); ++i) {
            const long long a = at + static_cast<long long>(i);
            ASSERT_EQ(image.u8(a), record[i]) << SectionOf(section).name << " +" << i;
            ASSERT_EQ(image.u8(a + static_cast<long long>(kSetBDistance)), record[i]) << SectionOf(section).name << " +" << i << " set B";
        }
    }
}

TEST_F(ConfiguratorTest, MovingAndItsEnabling) {
    Configurator c = NewDevice('9');
    for (int code : {3, 5, 8}) ASSERT_TRUE(c.addCode(code).ok);
    EXPECT_EQ(c.enabling(kPosSlot1), (Enabling{true, false, true}));
    EXPECT_EQ(c.enabling(kPosSlot2), (Enabling{true, true, true}));
    EXPECT_EQ(c.enabling(kPosSlot3), (Enabling{true, true, false}));
    EXPECT_EQ(c.enabling(kPosFront), (Enabling{}));

    ASSERT_TRUE(c.moveDown(kPosSlot1).ok);
    EXPECT_EQ(c.device().Slot[0].Code, 5);
    EXPECT_EQ(c.device().Slot[1].Code, 3);
    ExpectConsistent(c);
    ASSERT_TRUE(c.moveUp(kPosSlot3).ok);
    EXPECT_EQ(c.device().Slot[1].Code, 8);
    EXPECT_EQ(c.device().Slot[2].Code, 3);
    EXPECT_FALSE(c.moveUp(kPosSlot1).ok);
    ExpectConsistent(c);
}

TEST_F(ConfiguratorTest, IModuleMovesAsAPairAndLeavesAsAPair) {
    Configurator c = NewDevice('9');
    ASSERT_TRUE(c.addCode(28).ok);
    ASSERT_TRUE(c.addCode(5).ok);
    const auto expectSlots = [&c](std::array<int, 3> codes, int iModuleMask, const char* step) {
        for (int s = 0; s < 3; ++s) EXPECT_EQ(c.device().Slot[s].Code, codes[s]) << step << ", slot " << s;
        EXPECT_EQ(c.device().IModule.SlotMask, iModuleMask) << step;
        ExpectConsistent(c);
    };
    EXPECT_EQ(c.enabling(kPosSlot2).up, false);  // second slot of the I-module
    ASSERT_TRUE(c.moveDown(kPosSlot1).ok);
    expectSlots({5, 180, 25}, 6, "pair down");
    ASSERT_TRUE(c.moveUp(kPosSlot2).ok);
    expectSlots({180, 25, 5}, 3, "pair up");
    // The module in [III] moving up passes the whole pair.
    ASSERT_TRUE(c.moveUp(kPosSlot3).ok);
    expectSlots({5, 180, 25}, 6, "module up past the pair");

    ASSERT_TRUE(c.remove(kPosSlot2).ok);
    expectSlots({5, 0, 0}, 0, "pair removed");
    EXPECT_EQ(c.device().IModule.Code, 0);
}

TEST_F(ConfiguratorTest, SlotBitsStayWithTheirSlotsThroughMovesAndRemovals) {
    Configurator c = NewDevice('9');
    for (int code : {3, 5, 8}) ASSERT_TRUE(c.addCode(code).ok);
    const auto expectSlotBits = [&c](const char* step) {
        for (int s = 0; s < 3; ++s) EXPECT_EQ(c.image().u8(38 + 5 * s), 1 << s) << step << ", slot " << s;
    };
    ASSERT_TRUE(c.remove(kPosSlot1).ok);
    expectSlotBits("removed [I]");
    ASSERT_TRUE(c.remove(kPosSlot2).ok);
    expectSlotBits("removed [II]");
    ASSERT_TRUE(c.addCode(4).ok);
    ASSERT_TRUE(c.moveDown(kPosSlot1).ok);
    expectSlotBits("moved down");
    EXPECT_EQ(c.device().Slot[1].Code, 5);
    ExpectConsistent(c);
}

TEST_F(ConfiguratorTest, VersionChangeClearsSlotsOnlyForAnotherMajor) {
    Configurator c = NewDevice('A');
    ASSERT_TRUE(c.addCode(4).ok);
    ASSERT_TRUE(c.addCode(79).ok);
    c.setVersion('A');
    EXPECT_EQ(c.device().Slot[0].Code, 4);
    EXPECT_EQ(c.device().Purgon.TypeCode, 79);
    c.setVersion('6');
    EXPECT_EQ(c.device().Front.SwMajor, '6');
    EXPECT_EQ(c.image().u8(4), 'x');
    for (int s = 0; s < 3; ++s) EXPECT_EQ(c.device().Slot[s].Code, 0);
    EXPECT_EQ(c.device().Purgon.TypeCode, 0);
    EXPECT_EQ(c.device().Base.Code, 1);
    ExpectConsistent(c);
}

// A front read from a file shows its version as a read-only line: the version is not chosen for it.
TEST_F(ConfiguratorTest, AFrontReadFromAFileKeepsItsVersion) {
    Configurator made = NewDevice('9');
    ASSERT_TRUE(made.addCode(4).ok);
    made.commit();
    Ws().Device.Origin = kOriginFile;
    Configurator c;
    const Outcome refused = c.setVersion('7');
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.reason(1).find("read from a file"), std::string::npos) << refused.reason(1);
    EXPECT_EQ(c.device().Front.SwMajor, '9');
    EXPECT_EQ(c.image().u8(2), '9');
    EXPECT_EQ(c.device().Slot[0].Code, 4);
}

TEST_F(ConfiguratorTest, OptionsSetAndClearBits) {
    Configurator c = NewDevice('A');
    EXPECT_EQ(c.device().Front.Options, (1u << 3) | (1u << 10) | (1u << 11));
    ASSERT_TRUE(c.setOption("optLPAR", true).ok);
    ASSERT_TRUE(c.setOption("optISFET", true).ok);
    ASSERT_TRUE(c.setOption("optISFET", false).ok);
    EXPECT_EQ(c.image().u32(8224), (1u << 3) | (1u << 18) | (1u << 10) | (1u << 11));
    EXPECT_FALSE(c.setOption("optNOPE", true).ok);
}

// Only what the tree offers can be changed, on or off; the reason says when the option is offered.
TEST_F(ConfiguratorTest, OptionsTheTreeDoesNotOfferAreRefused) {
    const struct {
        char major;
        char minor;  // of a front read from a file (identity byte 3 packs major and minor); 0: a new front (162)
        const char* key;
        bool offered;
        const char* reason;
    } cases[] = {
        {'A', 0, "optADAP", false, "only below software version 6"},
        {'5', 0, "optADAP", true, ""},
        {'5', 0, "optISFET", false, "only from software version 6"},
        {'6', 0, "optFIU2K", false, "only from software version 7"},
        {'A', 0, "optDOLOVAN", false, "never"},
        {'A', 0, "optSMED", false, "never"},
        {'A', 0, "optSENVAR", false, "identity byte below 130"},
        {'9', '1', "optSENVAR", false, "identity byte below 130"},
        {'7', '1', "optSENVAR", true, ""},
        {'6', '1', "optSENVAR", false, "only from software version 7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.major << " " << int(c.minor) << " " << c.key);
        ResetWorkspace();
        Configurator config = NewDevice(c.major);
        if (c.minor != 0) {
            test::InstallImage(test::ImageBuilder().version(c.major, c.minor).base(1).build());
            Ws().Device.Origin = kOriginFile;
            DecodeDevice(true);
            config = Configurator();
        }
        const uint32_t before = config.image().u32(8224);
        for (bool active : {true, false}) {
            const Outcome changed = config.setOption(c.key, active);
            EXPECT_EQ(changed.ok, c.offered);
            EXPECT_NE(changed.reason(1).find(c.reason), std::string::npos) << changed.reason(1);
            EXPECT_EQ(changed.reasonDe.empty(), c.offered) << changed.reasonDe;
        }
        if (!c.offered) {
            EXPECT_EQ(config.image().u32(8224), before);
        }
    }
}

// The second Purgon type is stored as asked: its control byte says so, and a load reads it back.
TEST_F(ConfiguratorTest, PurgonControllerOfTheTypeAskedFor) {
    const struct {
        char major;
        uint8_t brand;
        int asked;
        int stored;  // 0: refused
        uint8_t control;
    } cases[] = {{'9', 0, 80, 80, 3}, {'7', 2, 80, 80, 3}, {'9', 0, 79, 79, 0}, {'6', 0, 80, 0, 0}, {'9', 1, 80, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.major << " brand " << int(c.brand) << " asked " << c.asked);
        ResetWorkspace();
        test::InstallImage(test::ImageBuilder().version(c.major, '0').frontBrand(c.brand).base(1).slot(0, 4, 0, 1)
                               .record(0, {.hwId = 8, .swVersion = 0x12, .hwVersion = 1, .brandByte = 0, .serial = 1})
                               .build());
        Ws().Device.Origin = kOriginFile;
        DecodeDevice(true);
        Configurator config;
        const Outcome added = config.addCode(c.asked);
        EXPECT_EQ(added.ok, c.stored != 0) << added.reason(1);
        EXPECT_EQ(config.device().Purgon.TypeCode, c.stored);
        if (c.stored == 0) continue;
        if (c.control != 0) {
            EXPECT_EQ(config.image().u8(kPurgonOffset + 2400), c.control);
        } else {
            EXPECT_NE(config.image().u8(kPurgonOffset + 2400), 3);
        }
        ExpectConsistent(config);
    }
}

TEST_F(ConfiguratorTest, CommitReplacesTheProgramsDataSetAndCancelLeavesIt) {
    test::InstallImage(test::ImageBuilder().version('9', '1').base(1).slot(0, 3, 0, 1)
                           .record(0, {8, 0x12, 1, 0, 4711}).build());
    Ws().Device.Origin = kOriginFile;
    DecodeDevice(true);
    const ParImageBuffer before = Ws().ParImage;
    const TDevice deviceBefore = Ws().Device;
    {
        Configurator cancelled;
        ASSERT_TRUE(cancelled.addCode(5).ok);
    }
    EXPECT_TRUE(Ws().ParImage == before);
    EXPECT_EQ(Ws().Device, deviceBefore);
    EXPECT_FALSE(Ws().Modified);

    Configurator c;
    EXPECT_EQ(c.device().Slot[0].IdState, deviceBefore.Slot[0].IdState);
    ASSERT_TRUE(c.addCode(5).ok);
    EXPECT_EQ(c.device().Slot[1].IdState, 0);  // a new module has no identity from a device file
    c.commit();
    EXPECT_EQ(Ws().Device.Origin, kOriginTool);
    EXPECT_EQ(Ws().Device.Slot[1].Code, 5);
    EXPECT_TRUE(Ws().Modified);
}

// A data set from a device file with the given modules in slots [I]..[III] (codes as used by the tool).
void LoadSlots(char major, std::array<uint8_t, 3> codes) {
    test::ImageBuilder b;
    b.version(major, '0').base(1);
    for (int s = 0; s < 3; ++s) {
        if (codes[s] == 0) continue;
        b.slot(s, codes[s], static_cast<uint8_t>(s), static_cast<uint8_t>(1 << s));
        b.record(s, {.hwId = 8, .swVersion = 0x12, .hwVersion = 1, .brandByte = 0, .serial = 1});
    }
    test::InstallImage(b.build());
    Ws().Device.Origin = kOriginFile;
    DecodeDevice(true);
}

TEST_F(ConfiguratorTest, PurgonControllerAttachesToSlotOneOnlyWithModuleFour) {
    const struct {
        char major;
        std::array<uint8_t, 3> slots;
        int mask;  // 0: not added
    } cases[] = {
        {'8', {153, 4, 0}, 2},  // slot [I] takes it only with module 4
        {'8', {4, 153, 0}, 1},
        {'8', {3, 153, 0}, 2},
        {'9', {3, 4, 0}, 2},
        {'8', {153, 0, 0}, 0},
        {'9', {189, 0, 0}, 0},  // 189 carries no controller added here
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.major << " " << int(c.slots[0]) << " " << int(c.slots[1]) << " "
                                          << int(c.slots[2]));
        ResetWorkspace();
        LoadSlots(c.major, c.slots);
        Configurator config;
        const Outcome added = config.addCode(79);
        EXPECT_EQ(added.ok, c.mask != 0) << added.reason(1);
        EXPECT_EQ(config.device().Purgon.TypeCode, c.mask != 0 ? 79 : 0);
        if (c.mask == 0) continue;
        EXPECT_EQ(config.device().Purgon.SlotMask, c.mask);
        ASSERT_TRUE(config.setOption("optLPAR", true).ok);  // a later change keeps the attachment
        EXPECT_EQ(config.device().Purgon.SlotMask, c.mask);
        config.commit();
        EXPECT_EQ(Ws().Device.Purgon.SlotMask, c.mask);
    }
}

TEST_F(ConfiguratorTest, SlotsAreValidatedAsTheViewIsBuiltNotOnlyAfterAVersionChange) {
    // Module 189 exists from software 9 on: a data set of software 8 holding it loses it in the working
    // copy, and the module behind it moves up; the program's data set stays as it is.
    LoadSlots('8', {189, 3, 0});
    const TDevice loaded = Ws().Device;
    Configurator c;
    EXPECT_EQ(c.device().Slot[0].Code, 3);
    EXPECT_EQ(c.device().Slot[1].Code, 0);
    EXPECT_EQ(Ws().Device, loaded);
    ExpectConsistent(c);
}

TEST_F(ConfiguratorTest, FamilyLookup) {
    const struct {
        int code;
        uint8_t family;
    } cases[] = {{3, kFamilyPh}, {180, kFamilyPh}, {6, kFamilyCond}, {211, kFamilyOxy}, {18, kFamilyCo2},
                 {174, kFamilyOrp}, {8, kFamilyNone}, {99, kFamilyNone}};
    for (const auto& c : cases) EXPECT_EQ(FamilyOf(c.code), c.family) << c.code;
}

TEST_F(ConfiguratorTest, AnErrorWhileDecodingLeavesTheProgramsDataSet) {
    LoadSlots('9', {3, 0, 0});
    const ParImageBuffer programImage = Ws().ParImage;
    const TDevice programDevice = Ws().Device;
    ParImageBuffer working = programImage;
    working.setU8(36, 5);
    TDevice workingDevice = programDevice;
    workingDevice.Slot[0].Code = 5;
    EXPECT_THROW(OnWorkingCopies(working, workingDevice,
                                 [] {
                                     Ws().ParImage.setU8(37, 1);
                                     throw RangeError("node record", 1000, 1000);
                                 }),
                 RangeError);
    EXPECT_TRUE(Ws().ParImage == programImage);
    EXPECT_EQ(Ws().Device, programDevice);
    EXPECT_EQ(working.u8(36), 5);
    EXPECT_EQ(workingDevice.Slot[0].Code, 5);
}

}  // namespace
}  // namespace tessalin::configurator
