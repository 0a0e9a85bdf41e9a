// What a configuration made by the configurator starts with where a section's default record holds a value
// the device's own list does not offer: the stored bytes in both parameter sets, and a check of the whole
// device through the real tables that finds nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "core/check/check.h"
#include "core/common/sections.h"
#include "core/configurator/configurator.h"
#include "core/tree/device_tree.h"
#include "core/workspace.h"
#include "support/check_findings.h"

namespace tessalin::configurator {
namespace {

constexpr uint8_t kSlot1 = 0;

// A committed configuration: standard front of `brand`, software `major`, `base`, then `modules` in order.
void Configure(char major, std::initializer_list<int> modules, uint8_t brand = 0, int base = 1) {
    ResetWorkspace();
    Ws().Device.Front.Brand = brand;
    Configurator c;
    ASSERT_TRUE(c.addCode(2).ok);
    c.setVersion(major);
    ASSERT_TRUE(c.addCode(base).ok);
    for (int code : modules) ASSERT_TRUE(c.addCode(code).ok) << "module " << code;
    c.commit();
}

// Where a value of the committed image lies in set A or set B: in the parameter block of slot s, or in a
// front section (s = 255).
long long Offset(Section section, uint16_t offset, uint8_t s, bool setB) {
    const uint8_t block = s == 255 ? 255 : static_cast<uint8_t>(Ws().Device.Slot[s].RecIndex);
    return ParamOffset(At(section, offset), block, setB);
}
int ByteIn(Section section, uint16_t offset, uint8_t s, bool setB) {
    return Ws().ParImage.u8(Offset(section, offset, s, setB));
}
float FloatIn(Section section, uint16_t offset, uint8_t s, bool setB) {
    return Ws().ParImage.f32(Offset(section, offset, s, setB));
}

void ExpectNoFindings() {
    SelectLanguage(1);
    ASSERT_TRUE(BuildDeviceTree());
    const std::vector<check::Finding> findings = check::CheckDataSet();
    EXPECT_TRUE(findings.empty()) << test::Describe(findings);
}

TEST(FactoryStart, PhSlotStartsWithTheBufferSetItsSoftwareAndBrandOffer) {
    struct Case {
        char major;
        uint8_t brand;
        int module;
        int bufferSet;
    };
    const Case cases[] = {
        {'5', 0, 3, 1}, {'8', 0, 4, 1}, {'8', 2, 13, 1}, {'9', 0, 3, 15}, {'A', 2, 19, 15},
        {'6', 1, 3, 2}, {'9', 1, 4, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "software " << c.major << " brand " << int{c.brand} << " module "
                                        << c.module);
        Configure(c.major, {c.module}, c.brand);
        for (bool setB : {false, true}) EXPECT_EQ(ByteIn(Section::PH_SET, 21, kSlot1, setB), c.bufferSet);
        ExpectNoFindings();
    }
}

TEST(FactoryStart, PfaudlerModuleStartsWithPfaudlerStandardAndTheValuesItsRuleSets) {
    for (char major : {'5', '6', '9'}) {
        SCOPED_TRACE(major);
        Configure(major, {13});
        for (bool setB : {false, true}) {
            EXPECT_EQ(ByteIn(Section::PH_SET, 58, kSlot1, setB), 4);       // Pfaudler standard
            EXPECT_FLOAT_EQ(FloatIn(Section::PH_SET, 59, kSlot1, setB), 1.5f);   // its nominal zero
            EXPECT_FLOAT_EQ(FloatIn(Section::PH_FIX, 59, kSlot1, setB), 0.5f);   // zero limits nominal -1
            EXPECT_FLOAT_EQ(FloatIn(Section::PH_FIX, 63, kSlot1, setB), 2.5f);   // .. and +1
            EXPECT_FLOAT_EQ(FloatIn(Section::PH_FIX, 68, kSlot1, setB), 0.0f);   // reference nominal
            EXPECT_FLOAT_EQ(FloatIn(Section::PH_FIX, 76, kSlot1, setB), 1e6f);   // reference limits 0..1000000
        }
        ExpectNoFindings();
    }
}

TEST(FactoryStart, FirstMainValueStartsOnAVariableTheModulesOffer) {
    constexpr int kTime = 0x20, kSlot1Main = 0x40, kSlot2Main = 0x50;
    struct Case {
        std::initializer_list<int> modules;
        int mainValue;
    };
    const Case cases[] = {
        {{8}, kTime},          // an output module shows no value of its own: the front's time
        {{9, 9}, kTime},       // nor does a controller module
        {{8, 3}, kSlot2Main},  // the first module that has a main value
        {{3, 8}, kSlot1Main},  // the factory default where slot [I] has one
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(*c.modules.begin());
        Configure('9', c.modules);
        for (bool setB : {false, true}) EXPECT_EQ(ByteIn(Section::SYS_SET, 13, 255, setB), c.mainValue) << setB;
        ExpectNoFindings();
    }
}

// A main value the user chose stays while the modules offer it; once its module is gone it takes the
// same variable of the module that took the slot's place, else the first variable offered.
TEST(FactoryStart, MainValueFollowsTheModulesWhenTheConfigurationChanges) {
    constexpr int kSlot1Temperature = 0x42, kSlot2Temperature = 0x52, kTime = 32;
    Configure('9', {8, 3});
    const long long mainValue = Offset(Section::SYS_SET, 13, 255, false);
    Ws().ParImage.setU8(mainValue, kSlot2Temperature);
    Configurator kept;
    ASSERT_TRUE(kept.setOption("optLPAR", true).ok);
    kept.commit();
    EXPECT_EQ(Ws().ParImage.u8(mainValue), kSlot2Temperature);

    Configurator moved;
    ASSERT_TRUE(moved.remove(kPosSlot1).ok);  // the pH module moves up into [I]
    moved.commit();
    EXPECT_EQ(Ws().ParImage.u8(mainValue), kSlot1Temperature);
    ExpectNoFindings();

    Configurator gone;
    ASSERT_TRUE(gone.remove(kPosSlot1).ok);
    ASSERT_TRUE(gone.addCode(8).ok);
    gone.commit();
    EXPECT_EQ(Ws().ParImage.u8(mainValue), kTime);
    ExpectNoFindings();
}

TEST(FactoryStart, OpticalOxygenSensorOnItsCarrierStartsWithManualPressure) {
    Configure('A', {29}, 0, 50);
    ASSERT_EQ(Ws().Device.Slot[0].Code, 211);
    for (bool setB : {false, true}) {
        EXPECT_EQ(ByteIn(Section::OXY_SET, 24, kSlot1, setB), 2);   // pressure during measuring: Manual
        EXPECT_EQ(ByteIn(Section::OXY_SET, 29, kSlot1, setB), 2);   // pressure during calibration: Manual
        EXPECT_EQ(ByteIn(Section::OXY_SET, 215, kSlot1, setB), 1);  // pressure transmitter: Absolute
    }
    ExpectNoFindings();
}

}  // namespace
}  // namespace tessalin::configurator
