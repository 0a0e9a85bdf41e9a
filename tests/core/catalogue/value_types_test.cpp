#include <gtest/gtest.h>

#include <cmath>

#include "codec_fixture.h"
#include "core/catalogue/process_variable_types.h"
#include "core/catalogue/value_types.h"
#include "core/device/components.h"
#include "core/workspace.h"

namespace tessalin::test {
namespace {

// Every module type a value can meet, shown or referred to.
constexpr int kModuleTypes[] = {1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  15,
                                16,  17,  18,  19,  20,  21,  23,  24,  25,  26,  27,  28,  29,  50,  128,
                                129, 130, 131, 150, 151, 152, 153, 154, 160, 161, 162, 163, 164, 170, 171,
                                172, 173, 174, 175, 176, 180, 181, 182, 183, 189, 190, 191, 192, 193, 211};

TEST(ValueTypeTable, ShapeOfTheTable) {
    for (int i = 0; i < kValueTypeCount; ++i) {
        const TParaTypRec& t = ValueType(i);
        EXPECT_EQ(t.index(), i);
        EXPECT_FALSE(t.units.empty()) << i;
        for (const UnitAlternative& u : t.units) {
            EXPECT_EQ(u.valueType, i);
            EXPECT_GT(u.factor, 0) << i;
            EXPECT_LE(u.decimals(), u.width()) << i;
        }
    }
    EXPECT_THROW(ValueType(100), RangeError);
    EXPECT_TRUE(ValueType(10).isSigned());
    EXPECT_FALSE(ValueType(33).isSigned());
    EXPECT_EQ(ValueType(35).units.size(), 3u);
    EXPECT_EQ(ValueType(43).units.size(), 12u);
    EXPECT_FLOAT_EQ(ValueType(94).units[0].factor, 68.9476f);
    EXPECT_EQ(DependentValueTypes().size(), 25u);
}

TEST(ValueTypeTable, UnitTextsFollowTheDeviceLanguage) {
    ResetWorkspace();
    Ws().DeviceLanguage = 0;
    EXPECT_EQ(UnitText(ValueType(37).units[0]), "Gew%");
    EXPECT_EQ(UnitText(ValueType(73).units[0]), "%Air");
    Ws().DeviceLanguage = 4;
    EXPECT_EQ(UnitText(ValueType(73).units[0]), "%Luft");
    EXPECT_EQ(UnitText(ValueType(37).units[0]), "%");
    Ws().DeviceLanguage = 6;
    EXPECT_EQ(UnitText(ValueType(10).units[0]), "°C");
    Ws().DeviceLanguage = 7;
    EXPECT_THROW(UnitText(ValueType(10).units[0]), RangeError);
    ResetWorkspace();
}

TEST(ValueTypeTable, ResolversOfTheDependentTypes) {
    struct Case {
        DependentResolver resolver;
        uint8_t selector;
        int index;
    };
    const Case cases[] = {
        {DependentResolver::Direct, 43, 43},   {DependentResolver::PhUnits, 2, 20},
        {DependentResolver::PhUnits, 3, 21},   {DependentResolver::PhUnits, 4, 22},
        {DependentResolver::PhUnits, 5, 25},   {DependentResolver::PhUnits, 6, 0},
        {DependentResolver::PhPressure, 94, 94}, {DependentResolver::PhPressure, 90, 0},
        {DependentResolver::PhCo2, 90, 90},    {DependentResolver::PhCo2, 94, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ApplyResolver(c.resolver, c.selector), c.index) << int(c.selector);
}

class ValueTypeTest : public CodecTest {
protected:
    static TDevice& Device() { return Ws().Device; }
};

// Type 41 (%Air) in an oxygen module: decimals follow the module type and the software version.
TEST_F(ValueTypeTest, OxygenUnitsFollowModuleAndVersion) {
    struct Case {
        int module;
        char major;
        const char* text;
    };
    const Case cases[] = {
        {7, '9', "1.2"},    {20, '6', "1.2"},    {20, '7', "1.23"},  {21, '6', "1.2"}, {21, '9', "1.235"},
        {26, '5', "1.235"}, {161, '9', "1.235"}, {130, '9', "1.2"},  // the calculation block meets every rule
    };
    for (const Case& c : cases) {
        version(c.major, '0');
        use(number(At(Section::OXY_SET, 40), 41), c.module);
        Ws().ParImage.setF32(0x0800 + 40, 1.23456f);
        TIPretSingle p;
        ASSERT_TRUE(ReadNumber(p));
        EXPECT_EQ(p.text, c.text) << c.module << " " << c.major;
    }
}

// Corrections are shown as precisely as the value itself, though several oxygen alternatives share a unit.
TEST_F(ValueTypeTest, CheckPicksTheApplyingAlternativeOfAUnitText) {
    version('9', '0');
    use(number(At(Section::OXY_SET, 40), 41, kPfOwnLimits), 21);  // %Air with 3 decimals
    entry_.upper = 5;
    TICheckValue c;
    c.input = "7";
    c.unit = "%Air";
    EXPECT_FALSE(CheckNumber(c));
    EXPECT_EQ(c.result, kCheckAbove);
    EXPECT_EQ(c.corrected, "5");
    c.input = "1.23456";
    EXPECT_TRUE(CheckNumber(c));
    EXPECT_EQ(c.corrected, "1.235");
}

// Type 43 (mg/l): auto-ranging between µg/l and mg/l where the module offers both.
TEST_F(ValueTypeTest, OxygenConcentrationAutoRanges) {
    use(number(At(Section::OXY_SET, 40), 43), 26);
    Ws().ParImage.setF32(0x0828, 0.0123f);
    TIPretSingle p;
    ASSERT_TRUE(ReadNumber(p));
    ASSERT_EQ(p.units.size(), 2u);
    EXPECT_EQ(p.units[p.unitIndex].text, "µg/l");
    EXPECT_EQ(p.text, "12.3");
    Ws().ParImage.setF32(0x0828, 45.678f);
    ASSERT_TRUE(ReadNumber(p));
    EXPECT_EQ(p.units[p.unitIndex].text, "mg/l");
    EXPECT_EQ(p.text, "45.68");

    use(number(At(Section::OXY_SET, 40), 43), 10);  // a module with mg/l only
    ASSERT_TRUE(ReadNumber(p));
    ASSERT_EQ(p.units.size(), 1u);
    EXPECT_EQ(p.text, "45.68");
}

TEST_F(ValueTypeTest, SoftwareVersionSelectsTheKiloOhmFormat) {
    use(number(At(Section::PH_SET, 40), 17), 3);
    Ws().ParImage.setF32(0x0828, 12345.0f);
    version('6', '9');
    EXPECT_EQ(shown(), "12");
    version('7', '0');
    EXPECT_EQ(shown(), "12.3");
}

// The selector of a process-variable type names a position and a variable; the oxygen rules then look at
// the module at that position, even when an output module is shown.
TEST_F(ValueTypeTest, ProcessVariableSelectorDecidesTypeAndUnits) {
    Ws().Device.Slot[1].Code = 161;  // trace oxygen sensor in slot II
    use(number(At(Section::OUT_SET, 12), 196), 8, 0);  // selector OUT-SET +8
    Ws().ParImage.setU8(0x0808, 0x50);                 // position 5, variable 0
    Ws().ParImage.setF32(0x080C, 1.2345f);
    const ResolvedValueType r = ResolveValueType(196);
    ASSERT_TRUE(r);
    EXPECT_EQ(r.type->index(), ProcessVariableValueType(161, 0));
    EXPECT_EQ(r.context.referredModule, 161);
    TIPretSingle p;
    ASSERT_TRUE(ReadNumber(p));
    EXPECT_NE(p.unitIndex, -1);
    EXPECT_NE(p.text, "NaN");

    Ws().ParImage.setU8(0x0808, 0x60);  // an empty slot: no value type
    EXPECT_FALSE(ResolveValueType(196));
}

TEST_F(ValueTypeTest, PhUnitSelectorPicksTheType) {
    use(number(At(Section::PH_SET, 50), 214), 3);
    Ws().ParImage.setU8(0x0800 + 45, 5);
    Ws().ParImage.setF32(0x0800 + 50, 12.5f);
    TIPretSingle p;
    ASSERT_TRUE(ReadNumber(p));
    EXPECT_EQ(p.units[0].text, "rH");
    EXPECT_EQ(p.text, "12.50");
    Ws().ParImage.setU8(0x0800 + 45, 9);
    EXPECT_FALSE(ReadNumber(p));
}

// What a number row shows can be typed back into it.
void ExpectShownTextChecks(const std::string& what) {
    TIPretSingle p;
    ASSERT_TRUE(ReadNumber(p)) << what;
    ASSERT_NE(p.text, "NaN") << what;
    TICheckValue c;
    c.input = p.text;
    c.unit = p.unitIndex >= 0 ? p.units[static_cast<std::size_t>(p.unitIndex)].text : "";
    CheckNumber(c);
    EXPECT_NE(c.result, kCheckNotANumber) << what << ": " << p.text;
}

// Every value type 1..99 reads, formats, checks and writes back for every module type it can be shown
// in, on an old and a new software version.
TEST_F(ValueTypeTest, EveryTypeFormatsForEveryModuleType) {
    const Location where = At(Section::SYS_SET, 100);  // a place for every module type
    const long long offset = 0x0100 + 100;
    for (char major : {'6', '9'}) {
        version(major, '0');
        for (int module : kModuleTypes) {
            for (int type = 1; type < 100; ++type) {
                use(number(where, static_cast<uint8_t>(type)), module, 0);
                Ws().ParImage.setF32(offset, 0.0f);
                TIPretSingle p;
                ASSERT_TRUE(ReadNumber(p)) << type;
                ASSERT_NE(p.text, "NaN") << "type " << type << " module " << module;
                TICheckValue c;
                c.input = p.text;
                c.unit = p.unitIndex >= 0 ? p.units[static_cast<std::size_t>(p.unitIndex)].text : "";
                EXPECT_TRUE(CheckNumber(c)) << "type " << type << " module " << module;
                WriteNumber(c);
                EXPECT_EQ(Ws().ParImage.f32(offset), 0.0f);
            }
        }
    }
}

// A process-variable type shown on an output page resolves for every variable of every module type the
// selector can point to, in both catalogue editions.
TEST_F(ValueTypeTest, ProcessVariableTypesResolveForEveryModuleType) {
    Device().Base.Code = 1;
    Device().Front.Code = 2;
    Device().CalcBlock[0].Code = 129;
    Device().CalcBlock[1].Code = 130;
    use(number(At(Section::OUT_SET, 12), 196), 8, 0);
    const int positions[] = {1, 2, 5, 8, 9};
    for (char major : {'6', '9'}) {
        version(major, '0');
        for (int module : kModuleTypes) {
            Device().Slot[1].Code = static_cast<uint8_t>(module);
            for (int position : positions)
                for (int variable = 0; variable < 16; ++variable) {
                    const auto selector = static_cast<uint8_t>(position << 4 | variable);
                    Ws().ParImage.setU8(0x0808, selector);
                    Ws().ParImage.setF32(0x080C, 1.5f);
                    const ResolvedValueType r = ResolveValueType(196);
                    const int expected = ProcessVariableValueType(ComponentCode(position), variable);
                    ASSERT_EQ(static_cast<bool>(r), expected > 0 && expected < 100) << int(selector);
                    if (r) ExpectShownTextChecks("module " + std::to_string(module) + " selector " + std::to_string(selector));
                }
        }
    }
}

// Each of the 25 dependent types reads its selector from its own place and resolves through it.
TEST_F(ValueTypeTest, EveryDependentTypeReadsItsSelector) {
    Device().Slot[0].Code = 7;  // oxygen module: variable 0 is %Air
    for (const DependentValueType& d : DependentValueTypes()) {
        use(number(At(Section::SYS_SET, 100), d.valueTypeByte), 7, 0);
        const long long selectorAt = ParamOffsetHere(d.selector);
        ASSERT_NE(selectorAt, 0) << int(d.valueTypeByte);
        uint8_t valid = 0x40;  // slot I, variable 0
        if (d.resolver == DependentResolver::Direct) valid = 41;
        if (d.resolver == DependentResolver::PhUnits) valid = 2;
        if (d.resolver == DependentResolver::PhPressure) valid = 94;
        if (d.resolver == DependentResolver::PhCo2) valid = 89;
        Ws().ParImage.setU8(selectorAt, valid);
        ExpectShownTextChecks("type " + std::to_string(d.valueTypeByte));
        Ws().ParImage.setU8(selectorAt, 0x64);  // an empty slot III, or no such index
        EXPECT_FALSE(ResolveValueType(d.valueTypeByte)) << int(d.valueTypeByte);
    }
}

}  // namespace
}  // namespace tessalin::test
