// The conductivity family's texts exist in all seven languages; its default records hold the factory
// values the tables name; a new device gets them in every slot through the configurator.

#include "cond_fixture.h"
#include "core/families/default_records.h"
#include "core/page/formpage.h"
#include "support/configured_device.h"
#include "support/default_records.h"
#include "support/text_checks.h"

namespace tessalin::test {
namespace {

TEST(CondTexts, EveryTitleLabelAndListExistsInAllLanguages) {
    ExpectFamilyTextsComplete({MenuCond, kMenuCondEnd + 1}, CondParamTables());
    ExpectFamilyTextsComplete({MenuDigCond, kMenuDigCondEnd + 1}, CondParamTables());
}

TEST_F(CondFixture, HeadingsExistInAllLanguages) {
    MakeDevice({5, '9'});
    for (int language = 0; language < kDeviceLanguageCount; ++language) {
        SelectLanguage(language);
        for (int entry : {7, 8}) {
            const PageModel page = OpenPage(entry);
            ASSERT_FALSE(page.rows.empty());
            const std::string& heading = page.rows[0].label;
            const auto lineBreak = heading.find("\r\n");
            ASSERT_NE(lineBreak, std::string::npos) << entry << " in language " << language;
            EXPECT_GT(lineBreak, 0u);
            EXPECT_LT(lineBreak + 2, heading.size());
        }
    }
}

TEST(CondDefaults, NamedBytesHoldTheFactoryDefaults) {
    const auto set = CondSetDefaultRecord();
    const auto fix = CondFixDefaultRecord();
    ASSERT_EQ(set.size(), 132u);
    ASSERT_EQ(fix.size(), 197u);
    EXPECT_EQ(DefaultRecord(Section::COND_SET).data(), set.data());
    EXPECT_EQ(DefaultRecord(Section::COND_FIX).data(), fix.data());
    const struct {
        uint16_t offset;
        int value;
    } setBytes[] = {{8, 2}, {9, 1}, {18, 2}, {19, 1}, {20, 3}, {21, 2}, {22, 1}, {23, 7}, {28, 1}, {30, 5},
                    {32, 1}, {37, 1}, {42, 2}, {43, 1}, {46, 2}, {63, 1}, {97, 2}, {114, 1}, {131, 1}, {29, 0}};
    for (const auto& b : setBytes) EXPECT_EQ(set[b.offset], b.value) << "COND-SET +" << b.offset;
    EXPECT_FLOAT_EQ(F32(set, 24), 1);
    EXPECT_FLOAT_EQ(F32(set, 14), 25);
    EXPECT_FLOAT_EQ(F32(set, 59), 1.999e6f);
    EXPECT_FLOAT_EQ(F32(set, 72), 9.99e8f);
    EXPECT_EQ(set[44] | set[45] << 8, 100);
    EXPECT_FLOAT_EQ(F32(fix, 5), 1);
    EXPECT_FLOAT_EQ(F32(fix, 125), 0.8f);
    EXPECT_FLOAT_EQ(F32(fix, 129), 1.2f);
    const struct {
        uint16_t offset;
        int value;
    } fixBytes[] = {{124, 2}, {133, 3}, {134, 1}, {137, 3}, {146, 1}, {147, 3}, {42, 0}, {22, 0}};
    for (const auto& b : fixBytes) EXPECT_EQ(fix[b.offset], b.value) << "COND-FIX +" << b.offset;
    EXPECT_EQ(fix[143] | fix[144] << 8, 9999);
}

TEST(CondConfigured, ModulesInEverySlotShowTheirMenuOnEveryVersion) {
    for (char major : {'5', '6', '7', '8', '9', 'A'}) {
        SCOPED_TRACE(major);
        ASSERT_TRUE(BuildThroughConfigurator({.codes = {1, 5, 5, 5}, .major = major}));
        BuildDeviceTree();
        for (int s = 0; s < 3; ++s) {
            const std::set<int> shown = VisibleEntries(MenuCond, kMenuCondEnd, kPosSlot1 + s);
            for (int entry : {0, 1, 2, 3, 7, 8, 10, 11, 12, 14, 15, 16})
                EXPECT_TRUE(shown.contains(entry)) << "slot " << s << " entry " << entry;
            for (bool setB : {false, true}) {
                const long long offset = ParamOffset(At(Section::COND_SET, 0), static_cast<uint8_t>(s), setB);
                EXPECT_EQ(Ws().ParImage.u8(offset + 23), 7) << "slot " << s;
                EXPECT_EQ(Ws().ParImage.f32(offset + 14), 25) << "slot " << s;
            }
            EXPECT_EQ(Ws().ParImage.u8(ParamOffset(At(Section::COND_FIX, 124), static_cast<uint8_t>(s), false)), 2);
        }
    }
}

}  // namespace
}  // namespace tessalin::test
