// Every device text of the output, controller and fieldbus modules exists in all seven languages.

#include "core/catalogue/par_fieldbus.h"
#include "support/catalogue_device.h"
#include "support/text_records.h"

namespace tessalin::test {
namespace {

TEST(SlotModuleTexts, EveryTitleLabelAndChoiceListExistsInAllLanguages) {
    for (int type : {8, 9, 14, 23}) {
        const MenuTable menu = *MenuTableOf(type);
        EXPECT_GT(ExpectCompleteMenuTexts(menu), menu.end) << menu.name;
    }
}

using FieldbusTexts = CatalogueDeviceTest;

TEST_F(FieldbusTexts, NoModuleItemExistsInAllLanguages) {
    MakeDevice({.modules = {23}});
    for (int language = 0; language < kDeviceLanguageCount; ++language) {
        Ws().DeviceLanguage = language;
        const std::vector<std::string> texts = ItemTexts(OpenPage(kPosSlot1, MenuFF[0]), 0);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_NE(texts[0], "") << kLanguageNames[language];
    }
}

}  // namespace
}  // namespace tessalin::test
