#include <gtest/gtest.h>

#include "core/catalogue/codec.h"
#include "core/device/predicates.h"
#include "core/workspace.h"

namespace tessalin {
namespace {

class PredicateTest : public ::testing::Test {
protected:
    void SetUp() override { ResetWorkspace(); }
    void TearDown() override { ResetWorkspace(); }

    static void version(char major, char minor) {
        Ws().Device.Front.SwMajor = major;
        Ws().Device.Front.SwMinor = minor;
    }
    static void options(uint32_t word) { Ws().Device.Front.Options = word; }
    static void ctx(int moduleType, uint8_t position) {
        Ws().CurrentParam.moduleType = moduleType;
        Ws().CurrentParam.position = position;
        Ws().CurrentParam.slot = position >= 4 && position <= 6 ? static_cast<uint8_t>(position - 4) : 255;
    }
    // Operating mode and second-channel sensor kind of the I-module.
    static void interfaceMode(uint8_t mode, uint8_t selection) {
        Ws().ParImage.setU8(0x3C00 + 212, mode);
        Ws().ParImage.setU8(0x3C00 + 227, selection);
    }
};

TEST_F(PredicateTest, SoftwareVersionsComparedByCharacterCode) {
    struct Case {
        char major, minor;
        bool from7, from74, from8, from82, from9, from94, fromA2, before9, sw80or81;
    };
    const Case cases[] = {
        {'6', '9', false, false, false, false, false, false, false, true, false},
        {'7', '3', true, false, false, false, false, false, false, true, false},
        {'7', '4', true, true, false, false, false, false, false, true, false},
        {'8', '0', true, true, true, false, false, false, false, true, true},
        {'8', '1', true, true, true, false, false, false, false, true, true},
        {'8', '2', true, true, true, true, false, false, false, true, false},
        {'9', '3', true, true, true, true, true, false, false, false, false},
        {'9', '4', true, true, true, true, true, true, false, false, false},
        {'A', '1', true, true, true, true, true, true, false, false, false},
        {'A', '2', true, true, true, true, true, true, true, false, false},
    };
    TEvParRec rec;
    for (const Case& c : cases) {
        version(c.major, c.minor);
        const std::string v = {c.major, '.', c.minor};
        EXPECT_EQ(SwFrom7(), c.from7) << v;
        EXPECT_EQ(SwFrom74(), c.from74) << v;
        EXPECT_EQ(SwFrom8(), c.from8) << v;
        EXPECT_EQ(SwFrom82(), c.from82) << v;
        EXPECT_EQ(SwFrom9(), c.from9) << v;
        EXPECT_EQ(SwFrom94(), c.from94) << v;
        EXPECT_EQ(SwFromA2(), c.fromA2) << v;
        EXPECT_EQ(SwBefore9(), c.before9) << v;
        EXPECT_EQ(Sw80or81(), c.sw80or81) << v;
        EXPECT_EQ(SwBefore7(), !c.from7) << v;
        EXPECT_EQ(SwBefore8(), !c.from8) << v;
        // The handler-shaped forms answer every event alike.
        for (int event : {0, 4, 5}) {
            EXPECT_EQ(SwFrom74H(event, rec), c.from74) << v;
            EXPECT_EQ(SwFrom9H(event, rec), c.from9) << v;
            EXPECT_EQ(Sw80or81H(event, rec), c.sw80or81) << v;
        }
    }
}

TEST_F(PredicateTest, OptionsThatDependOnTheVersion) {
    struct Case {
        char major;
        uint32_t options;
        bool phSen, senvaro, fiu2k, fiuSenvaro, dolovan;
    };
    const Case cases[] = {
        {'5', 0, false, false, false, false, false},
        {'5', 1u << 11, true, false, false, false, false},
        {'6', 0, true, false, false, false, false},  // pH sensors are standard from 6.x on
        {'6', (1u << 31) | (1u << 25), true, false, false, false, false},
        {'7', (1u << 31) | (1u << 25), true, true, true, false, false},
        {'8', (1u << 31) | (1u << 25), true, true, true, true, false},
        {'8', 1u << 13, true, false, false, false, false},
        {'9', 1u << 13, true, false, false, false, true},
    };
    for (const Case& c : cases) {
        version(c.major, '0');
        options(c.options);
        EXPECT_EQ(OptPhSen(), c.phSen) << c.major << " " << std::hex << c.options;
        EXPECT_EQ(OptSenvaro(), c.senvaro) << c.major << " " << std::hex << c.options;
        EXPECT_EQ(OptFiu2k(), c.fiu2k) << c.major << " " << std::hex << c.options;
        EXPECT_EQ(OptFiuSenvaro(), c.fiuSenvaro) << c.major << " " << std::hex << c.options;
        EXPECT_EQ(OptDolovan(), c.dolovan) << c.major << " " << std::hex << c.options;
    }
}

TEST_F(PredicateTest, OptionKeysAndPlainOptionBits) {
    EXPECT_EQ(OptionKeys().size(), 22u);
    EXPECT_EQ(OptionBitOfKey("optKIREC"), 1);
    EXPECT_EQ(OptionBitOfKey("optSENVAR"), 31);
    EXPECT_EQ(OptionBitOfKey("optFDA21"), 20);
    EXPECT_EQ(OptionBitOfKey("optNONE"), -1);
    TEvParRec rec;
    options(1u << 20);
    EXPECT_TRUE(OptFda21());
    EXPECT_FALSE(NoOptFda21H(0, rec));
    options(1u << 16 | 1u << 17);
    EXPECT_TRUE(OptMRecH(0, rec));
    EXPECT_TRUE(OptLogBH(0, rec));
    EXPECT_TRUE(NoOptFda21H(0, rec));
    EXPECT_FALSE(OptKiRec());
    EXPECT_TRUE(ShowReadOnly(4, rec));
    EXPECT_FALSE(ShowReadOnly(5, rec));
    EXPECT_FALSE(NeverHandler(0, rec));
}

TEST_F(PredicateTest, ModuleShownAndBrand) {
    ctx(151, 4);
    EXPECT_TRUE(CtxIs20());
    EXPECT_TRUE(CtxOxyB());
    EXPECT_FALSE(CtxOxyAny());  // 151 is not among the oxygen codes of that list
    EXPECT_TRUE(CtxOxyVolume());
    options(1u << 12);
    EXPECT_FALSE(CtxOxyVolume());  // the brewery option removes volume units
    ctx(18, 5);
    Ws().Device.Front.Brand = 1;
    EXPECT_FALSE(Not18Brand());
    ctx(3, 5);
    EXPECT_FALSE(Not18Brand());
    Ws().Device.Front.Brand = 2;
    EXPECT_TRUE(Not18Brand());
    EXPECT_TRUE(BrandSollane());
    Ws().CurrentPage.moduleType = 200;
    EXPECT_TRUE(PagePh());
    Ws().CurrentPage.moduleType = 150;
    EXPECT_TRUE(PageIs18or19());
}

TEST_F(PredicateTest, ParameterValuesReadForTheSlotOfTheContext) {
    ctx(13, 5);  // slot II, PH-SET at 0x0C00
    Ws().ParImage.setU8(0x0C00 + 58, 5);
    EXPECT_TRUE(PhSensor4or5());
    Ws().ActiveParamSet = true;  // set B holds another sensor type
    EXPECT_FALSE(PhSensor4or5());
    EXPECT_TRUE(NotPhSensor4or5());
    Ws().ParImage.setU8(0x2040 + 46, 1);
    EXPECT_TRUE(ParamSetsInternal());
    Ws().ParImage.setU8(0x4064 + 2300, 3);
    EXPECT_TRUE(PurgonControlled());
    EXPECT_FALSE(PurgonControlOn());
}

TEST_F(PredicateTest, WorkBytesWithTheirOrderlyRangeError) {
    const long long base = 28668;
    ctx(7, 5);
    Ws().ParImage.setU8(base + 5, 6);
    EXPECT_TRUE(WorkIs6A());
    EXPECT_TRUE(WorkIs6Or10());
    EXPECT_FALSE(WorkIs10());
    Ws().Device.Slot[1].SwVersion = 0x22;
    EXPECT_TRUE(WorkIs6NewSw());
    Ws().Device.Slot[1].SwVersion = 0x21;
    EXPECT_FALSE(WorkIs6NewSw());

    ctx(2, 2);  // the front unit
    Ws().ParImage.setU8(base + 2, 6);
    EXPECT_TRUE(WorkIs6D());
    EXPECT_THROW(WorkIs6A(), RangeError);
    EXPECT_THROW(WorkIs10(), RangeError);
    EXPECT_THROW(WorkIs6NewSw(), RangeError);
    ctx(130, 8);
    Ws().ParImage.setU8(base + 8, 6);
    EXPECT_THROW(WorkIs6NewSw(), RangeError);
    Ws().ParImage.setU8(base + 8, 10);
    EXPECT_FALSE(WorkIs6NewSw());
    EXPECT_TRUE(WorkIs10());
}

TEST_F(PredicateTest, InterfaceItemsByOperatingMode) {
    struct Case {
        uint8_t mode, selection;
        bool ch1Item3, ch2Item3, ch1Item6, ch2Item6;
    };
    const Case cases[] = {
        {1, 2, false, false, true, false}, {1, 1, false, false, false, false}, {3, 0, true, true, false, false},
        {5, 0, true, false, false, true},  {6, 0, false, false, true, false},  {7, 0, false, false, true, true},
        {8, 2, false, false, true, true},  {8, 0, false, false, false, false}, {9, 0, false, false, true, false},
    };
    for (char major : {'8', '9'})
        for (const Case& c : cases) {
            version(major, '0');
            interfaceMode(c.mode, c.selection);
            EXPECT_EQ(Ch1Item3(), c.ch1Item3) << int(c.mode);
            EXPECT_EQ(Ch2Item3(), c.ch2Item3) << int(c.mode);
            EXPECT_EQ(Ch1Item6(), c.ch1Item6) << int(c.mode) << " sw " << major;
            EXPECT_EQ(Ch2Item6(), c.ch2Item6) << int(c.mode) << " sw " << major;
            EXPECT_TRUE(Ch1Item0() && Ch2Item2());
        }
    EXPECT_FALSE(InterfaceItem(3, 0));
    EXPECT_FALSE(InterfaceItem(1, 4));
    options(1u << 26);
    version('7', '0');
    EXPECT_TRUE(Ch2Item1());
}

// InterfaceChannelDigital agrees with InterfaceItem item 6 except that the second-channel selection
// counts only from software 9 on.
TEST_F(PredicateTest, InterfaceChannelDigitalAgainstInterfaceItem) {
    Ws().Device.Slot[0].AttachCode = 24;
    ctx(25, 4);
    interfaceMode(6, 0);
    EXPECT_TRUE(InterfaceChannelDigital(1));
    interfaceMode(5, 0);
    EXPECT_FALSE(InterfaceChannelDigital(1));
    ctx(25, 5);
    EXPECT_TRUE(InterfaceChannelDigital(1));
    ctx(25, 6);
    EXPECT_FALSE(InterfaceChannelDigital(1));

    for (uint8_t mode = 0; mode < 11; ++mode)
        for (uint8_t selection : {uint8_t{0}, uint8_t{2}})
            for (char major : {'8', '9'}) {
                version(major, '0');
                interfaceMode(mode, selection);
                const bool selectionCounts = major == '9' || selection != 2 || (mode != 1 && mode != 8);
                ctx(25, 4);
                if (selectionCounts)
                    EXPECT_EQ(InterfaceChannelDigital(1), Ch1Item6()) << int(mode) << " " << int(selection);
                else
                    EXPECT_TRUE(Ch1Item6() && !InterfaceChannelDigital(1)) << int(mode);
                ctx(25, 5);
                if (selectionCounts)
                    EXPECT_EQ(InterfaceChannelDigital(1), Ch2Item6()) << int(mode) << " " << int(selection);
                else
                    EXPECT_EQ(InterfaceChannelDigital(1), mode != 8 && Ch2Item6()) << int(mode);
            }

    // The channels move with the attach code; the page context is asked with selector 0.
    Ws().Device.Slot[0].AttachCode = 0;
    Ws().Device.Slot[1].AttachCode = 28;
    interfaceMode(6, 0);
    Ws().CurrentPage.position = 5;
    ctx(25, 4);
    EXPECT_TRUE(InterfaceChannelDigital(0));
    EXPECT_FALSE(InterfaceChannelDigital(1));
    EXPECT_FALSE(InterfaceChannelDigital(2));
    Ws().Device.Slot[1].AttachCode = 0;
    EXPECT_FALSE(InterfaceChannelDigital(0));
}

TEST_F(PredicateTest, DigitalSensorsByInterfaceFamilyOrChannel) {
    struct Case {
        int code;
        bool notDigital, digital;
    };
    const Case cases[] = {
        {3, true, false},   {20, true, true},    {170, false, true}, {193, false, true},
        {211, false, true}, {160, true, false},  {29, true, false},
    };
    for (const Case& c : cases) {
        ctx(c.code, 4);
        EXPECT_EQ(CtxNotDigital(), c.notDigital) << c.code;
        EXPECT_EQ(CtxDigital(), c.digital) << c.code;
    }
    // Oxygen behind an I-module channel: digital exactly when the channel carries a digital sensor.
    Ws().Device.Slot[0].AttachCode = 24;
    ctx(151, 4);
    interfaceMode(6, 0);
    EXPECT_FALSE(CtxNotDigital());
    interfaceMode(2, 0);
    EXPECT_TRUE(CtxNotDigital());
}

}  // namespace
}  // namespace tessalin
