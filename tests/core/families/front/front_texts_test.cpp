// Every device text of the front unit exists in all seven languages, and so do the texts its handlers put
// together: buffer titles, row labels, matrix labels and the calculation-block list.

#include <gtest/gtest.h>

#include "core/catalogue/codec.h"
#include "core/families/front/front.h"
#include "core/families/menu_registry.h"
#include "support/configured_device.h"
#include "support/text_checks.h"

namespace tessalin::test {
namespace {

TEST(FrontTexts, EveryTitleLabelAndListExistsInAllLanguages) {
    const MenuTable menu = *MenuTableOf(2);
    std::vector<std::span<const TParamEntry>> tables;
    for (const TMenuEntry& entry : MenuEntries(menu)) tables.push_back(ParamEntries(entry));
    ExpectFamilyTextsComplete(MenuEntries(menu), tables);
}

TEST(FrontTexts, HandlerTextsExistInAllLanguages) {
    MakeDevice({2, '9', {3, 3}, (1u << 1) | (1u << 2) | (1u << 9) | (1u << 16)});
    SetParamByte(At(Section::SYS_FIX, 39), 3, false);  // KI batch: every KI row shown
    for (int lang = 0; lang < kDeviceLanguageCount; ++lang) {
        Ws().DeviceLanguage = lang;
        BuildDeviceTree();
        for (int node : NodesInOrder()) {
            const TreeNode& n = Ws().Tree.nodes[node];
            EXPECT_NE(n.text, "") << kLanguageTags[lang];
            if (n.level == 0 || Ws().Tree.records[n.record].position != kPosFront) continue;
            DeviceTreeChange(node);
            const PageModel page = BuildFormpage();
            for (const PageRow& row : page.rows) {
                const std::string where = n.text + " row " + std::to_string(row.row) + " in " + kLanguageTags[lang];
                if (!row.heading) {
                    EXPECT_NE(row.label, "") << where;
                }
                for (const ChoiceItem& item : row.items) EXPECT_NE(item.text, "") << where;
                for (const std::string& label : row.matrixRows) EXPECT_NE(label, "") << where;
                for (const std::string& label : row.matrixColumns) EXPECT_NE(label, "") << where;
            }
        }
    }
}

}  // namespace
}  // namespace tessalin::test
