// Every device text of the operating-mode pages and the digital sensor menus exists in all seven
// languages with the same choice codes, and the texts the handlers put together are never empty.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalogue/menu_tables.h"
#include "core/catalogue/par_opmode.h"
#include "core/page/formpage.h"
#include "core/workspace.h"
#include "opmode_fixture.h"

namespace tessalin::test {
namespace {

std::vector<int> Codes(const std::string& list) {
    std::vector<int> codes;
    for (std::size_t pos = 0; pos < list.size();) {
        const std::size_t bar = list.find('|', pos);
        codes.push_back(std::stoi(list.substr(pos, bar - pos)));
        const std::size_t next = list.find('|', bar + 1);
        if (next == std::string::npos) break;
        pos = next + 1;
    }
    return codes;
}

void ExpectComplete(const TextRecord& texts, const std::string& where) {
    const std::string germanList = texts.s[1];
    for (int lang = 0; lang < kDeviceLanguageCount; ++lang) {
        const std::string name = texts.s[2 * lang] ? texts.s[2 * lang] : "";
        const std::string list = texts.s[2 * lang + 1] ? texts.s[2 * lang + 1] : "";
        EXPECT_NE(name, "") << where << " language " << lang;
        EXPECT_EQ(list.empty(), germanList.empty()) << where << " language " << lang;
        if (!germanList.empty()) {
            EXPECT_EQ(Codes(list), Codes(germanList)) << where << " language " << lang;
        }
    }
}

TEST(OpModeTexts, EveryTitleLabelAndListExistsInAllLanguages) {
    for (int type : {28, 170, 175, 176, 174}) {
        const MenuTable menu = *MenuTableOf(type);
        for (int i = 0; i < menu.end; ++i) {
            const TMenuEntry& entry = menu.entries[i];
            const std::string where = std::string(menu.name) + " entry " + std::to_string(i);
            ASSERT_NE(entry.texts, nullptr) << where;
            ExpectComplete(*entry.texts, where);
            for (const TParamEntry& row : ParamEntries(entry))
                if (row.texts != nullptr) ExpectComplete(*row.texts, where + " row " + std::to_string(&row - entry.params));
        }
    }
}

TEST_F(OpModeFixture, HeadingsAndButtonLabelsExistInAllLanguages) {
    MakeDevice({.major = '9', .options = {}, .modules = {28, 27}});
    const TMenuEntry* pages[] = {MenuTableOf(28)->entries + 2, SlotEntry(kPosSlot3, 0)};
    const int positions[] = {kPosBase, kPosSlot3};
    for (int p = 0; p < 2; ++p) {
        for (int lang = 0; lang < kDeviceLanguageCount; ++lang) {
            Ws().DeviceLanguage = lang;
            const PageModel page = Open(positions[p], pages[p]);
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
