// The electrodeless family's texts exist in all seven languages; its default records hold the factory
// values the tables name; a new device gets them in every slot through the configurator.

#include "condi_fixture.h"
#include "core/families/default_records.h"
#include "support/configured_device.h"
#include "support/default_records.h"
#include "support/text_checks.h"

namespace tessalin::test {
namespace {

TEST(CondITexts, EveryTitleLabelAndListExistsInAllLanguages) {
    ExpectFamilyTextsComplete({MenuCondI, kMenuCondIEnd + 1}, CondIParamTables());
    ExpectFamilyTextsComplete({MenuDigCondI, kMenuDigCondIEnd + 1}, CondIParamTables());
    ExpectFamilyTextsComplete({MenuSensorCondI, kMenuSensorCondIEnd + 1}, CondIParamTables());
}

TEST(CondIDefaults, NamedBytesHoldTheFactoryDefaults) {
    const auto set = CondISetDefaultRecord();
    const auto fix = CondIFixDefaultRecord();
    ASSERT_EQ(set.size(), 156u);
    ASSERT_EQ(fix.size(), 201u);
    EXPECT_EQ(DefaultRecord(Section::CONDI_SET).data(), set.data());
    EXPECT_EQ(DefaultRecord(Section::CONDI_FIX).data(), fix.data());
    const struct {
        uint16_t offset;
        int value;
    } setBytes[] = {{8, 2}, {9, 1}, {19, 1}, {20, 3}, {21, 2}, {22, 1}, {23, 4}, {25, 1}, {30, 1},
                    {35, 1}, {36, 3}, {67, 1}, {70, 2}, {87, 1}, {121, 2}, {138, 1}, {155, 1}, {37, 0}};
    for (const auto& b : setBytes) EXPECT_EQ(set[b.offset], b.value) << "CONDI-SET +" << b.offset;
    EXPECT_FLOAT_EQ(F32(set, 42), 1.98f);
    EXPECT_FLOAT_EQ(F32(set, 46), 120);
    EXPECT_FLOAT_EQ(F32(set, 55), 1.98f);
    EXPECT_FLOAT_EQ(F32(set, 59), 120);
    EXPECT_FLOAT_EQ(F32(set, 147), 45);
    const struct {
        uint16_t offset;
        int value;
    } fixBytes[] = {{111, 2}, {112, 2}, {121, 1}, {122, 1}, {125, 1}, {130, 1}, {134, 2}, {135, 3}, {46, 0}};
    for (const auto& b : fixBytes) EXPECT_EQ(fix[b.offset], b.value) << "CONDI-FIX +" << b.offset;
    EXPECT_FLOAT_EQ(F32(fix, 5), 1.98f);
    EXPECT_FLOAT_EQ(F32(fix, 113), 1);
    EXPECT_FLOAT_EQ(F32(fix, 117), 10);
    EXPECT_EQ(fix[123] | fix[124] << 8, 20);
    EXPECT_EQ(fix[131] | fix[132] << 8, 200);
}

TEST(CondIConfigured, ModulesInEverySlotShowTheirMenuOnEveryVersion) {
    for (char major : {'5', '6', '7', '8', '9', 'A'}) {
        SCOPED_TRACE(major);
        ASSERT_TRUE(BuildThroughConfigurator({.codes = {1, 6, 6, 6}, .major = major}));
        BuildDeviceTree();
        for (int s = 0; s < 3; ++s) {
            const std::set<int> shown = VisibleEntries(MenuCondI, kMenuCondIEnd, kPosSlot1 + s);
            for (int entry : {0, 1, 2, 3, 4, 5, 7, 8, 9, 11, 12})
                EXPECT_TRUE(shown.contains(entry)) << "slot " << s << " entry " << entry;
            for (bool setB : {false, true}) {
                const long long offset = ParamOffset(At(Section::CONDI_SET, 0), static_cast<uint8_t>(s), setB);
                EXPECT_EQ(Ws().ParImage.u8(offset + 36), 3) << "slot " << s;
                EXPECT_EQ(Ws().ParImage.f32(offset + 59), 120) << "slot " << s;
            }
            EXPECT_EQ(Ws().ParImage.f32(ParamOffset(At(Section::CONDI_FIX, 5), static_cast<uint8_t>(s), false)), 1.98f);
        }
    }
}

}  // namespace
}  // namespace tessalin::test
