// Every device text of the operating-mode pages and the digital sensor menus exists in all seven
// languages with the same choice codes, and the texts the handlers put together are never empty.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/families/menu_registry.h"
#include "core/families/opmode/opmode.h"
#include "core/page/formpage.h"
#include "core/workspace.h"
#include "opmode_fixture.h"
#include "support/text_checks.h"

namespace tessalin::test {
namespace {

TEST(OpModeTexts, EveryTitleLabelAndListExistsInAllLanguages) {
    for (int type : {28, 170, 175, 176, 174}) {
        const MenuTable menu = *MenuTableOf(type);
        for (int i = 0; i < menu.end; ++i) {
            const TMenuEntry& entry = menu.entries[i];
            const std::string where = std::string(menu.name) + " entry " + std::to_string(i);
            ASSERT_NE(entry.texts, nullptr) << where;
            ExpectTextsComplete(*entry.texts, where);
            for (const TParamEntry& row : ParamEntries(entry))
                if (row.texts != nullptr) ExpectTextsComplete(*row.texts, where + " row " + std::to_string(&row - entry.params));
        }
    }
    for (const TParamEntry& row : OpModeOptParams)
        if (row.texts != nullptr) ExpectTextsComplete(*row.texts, "OpModeOpt row " + std::to_string(&row - OpModeOptParams.data()));
}

TEST_F(OpModeFixture, HeadingsAndButtonLabelsExistInAllLanguages) {
    MakeDevice({.major = '9', .options = {}, .modules = {28, 27}});
    const TMenuEntry* pages[] = {MenuTableOf(28)->entries + 2, SlotEntry(kPosSlot3, 0)};
    const int positions[] = {kPosBase, kPosSlot3};
    for (int p = 0; p < 2; ++p) {
        for (int lang = 0; lang < kDeviceLanguageCount; ++lang) {
            Ws().DeviceLanguage = lang;
            const PageModel page = OpenPage(pages[p], positions[p]);
            ASSERT_FALSE(page.rows.empty());
            EXPECT_EQ(page.rows.front().headingLines, 2);
            EXPECT_FALSE(page.rows.back().buttons.empty());
            for (const PageRow& row : page.rows) {
                if (row.headingLines == 2) {
                    const std::size_t split = row.label.find("\r\n");
                    ASSERT_NE(split, std::string::npos) << "language " << lang;
                    EXPECT_GT(split, 0u);
                    EXPECT_GT(row.label.size(), split + 2) << "language " << lang;
                }
                if (!row.buttons.empty()) {
                    EXPECT_NE(row.label, "") << "language " << lang;
                }
            }
        }
    }
}

}  // namespace
}  // namespace tessalin::test
