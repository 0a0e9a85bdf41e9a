// The calculation blocks' device texts exist in all seven languages, and their set sections start from
// the factory values: nothing calculated, monitoring off, limits at the bounds of their quantity.

#include <gtest/gtest.h>

#include <span>
#include <vector>

#include "core/common/sections.h"
#include "core/families/calc/calc.h"
#include "core/families/default_records.h"
#include "core/families/menu_registry.h"
#include "support/default_records.h"
#include "support/text_checks.h"

namespace tessalin::test {
namespace {

TEST(CalcTexts, EveryTitleLabelAndListExistsInAllLanguages) {
    for (int type : {128, 129, 130, 131}) {
        const MenuTable menu = *MenuTableOf(type);
        std::vector<std::span<const TParamEntry>> tables;
        for (const TMenuEntry& entry : MenuEntries(menu)) tables.push_back(ParamEntries(entry));
        ExpectFamilyTextsComplete(MenuEntries(menu), tables);
    }
}

TEST(CalcDefaults, BlocksStartWithNothingCalculatedAndLimitsAtTheirBounds) {
    const struct {
        Section section;
        int byteAt;
        int byte;
        int floatAt;
        float value;
    } cases[] = {
        {Section::CALCPH_SET, 45, 1, 46, -50},            // temperature: monitoring off, failure lo
        {Section::CALCPH_SET, 8, 0, 58, 250},             // no pH difference; temperature failure hi
        {Section::CALCCOND_SET, 135, 2, 174, 1},          // pH value off; factor A
        {Section::CALCCOND_SET, 11, 2, 16, -1.999e6f},    // ratio off; conductivity failure lo
        {Section::CALCOXY_SET, 117, 1, 118, -90},         // the ppm limits of liquids are the defaults
        {Section::CALCOXY_SET, 99, 0, 109, 150},          // no gas ppm difference; Vol% warning hi
        {Section::CALCCO2_SET, 63, 1, 76, 2000},          // hPa failure hi
    };
    for (const auto& c : cases) {
        const auto record = DefaultRecord(c.section);
        ASSERT_EQ(record.size(), SectionOf(c.section).size);
        EXPECT_EQ(record[c.byteAt], c.byte) << SectionOf(c.section).name << " +" << c.byteAt;
        EXPECT_FLOAT_EQ(F32(record, c.floatAt), c.value) << SectionOf(c.section).name << " +" << c.floatAt;
    }
    for (Section fix : {Section::CALCPH_FIX, Section::CALCCOND_FIX, Section::CALCOXY_FIX, Section::CALCCO2_FIX})
        EXPECT_EQ(DefaultRecord(fix).size(), 3u);
}

}  // namespace
}  // namespace tessalin::test
